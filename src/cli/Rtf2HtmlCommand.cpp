#include "cli/Rtf2HtmlCommand.h"

#include "cli/CappedRead.h"
#include "cli/CliContext.h"
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/RtfReader.h"

#include <QFile>

#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// RTF is 7-bit text whose stray 8-bit bytes are Windows-1252, read straight from the bytes;
// anything else is UTF-8 plain text. The page then goes out in pieces as it is made, so that the
// peak stays a small multiple of the file's size.
RichText readBytes(QByteArray bytes)
{
    if (bytes.startsWith("{\\rtf"))
        return RtfReader::read1252(bytes, BoxFormats::description());
    return RtfReader::readContent(QString::fromUtf8(std::exchange(bytes, QByteArray())), BoxFormats::description());
}

} // namespace

int runRtf2HtmlCommand(CliContext& context)
{
    if (context.arguments.size() > 1)
        return context.usage(QStringLiteral("rtf2html takes at most one file."));
    QFile file;
    bool opened = false;
    if (context.arguments.isEmpty()) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(context.arguments.first());
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened)
        return context.failure(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
#ifdef __GLIBC__
    // Large blocks stay mapped blocks that grow in place; otherwise, once the file's bytes are
    // freed, the page would grow by copying inside the heap and leave the old copies behind.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    std::optional<QByteArray> content = CappedRead::read(file);
    if (!content)
        return context.usage(CappedRead::tooLarge(context.arguments.isEmpty() ? QStringLiteral("Standard input")
                                                                               : file.fileName()));
    const RichText text = readBytes(std::exchange(*content, QByteArray()));
    content.reset();
    QString pending;
    RichTextToHtml::convert(text, [&](QStringView piece) {
        pending += piece;
        if (pending.size() < 64 * 1024)
            return;
        // A surrogate pair is never split between two writes.
        const bool splitPair = pending.back().isHighSurrogate();
        context.out << QStringView(pending).chopped(splitPair ? 1 : 0) << Qt::flush;
        pending = splitPair ? QString(pending.back()) : QString();
    });
    context.out << pending << Qt::flush;
    return ExitDone;
}
