// Feeds arbitrary bytes to the RTF reader, the writer and the HTML conversion. Beyond "no crash,
// no hang", what the writer writes must read back to itself.
#include "html/RichTextToHtml.h"
#include "richtext/RtfCodePage.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString input = RtfCodePage::decode(bytes, 1252);
    const RichText text = RtfReader::read(input);
    const QString rtf = RtfWriter::write(text);
    const RichText again = RtfReader::read(rtf);
    if (RtfWriter::write(again) != rtf)
        std::abort();
    (void)RichTextToHtml::convert(text);
    return 0;
}
