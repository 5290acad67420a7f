#include "cli/Rtf2HtmlCommand.h"

#include "cli/CappedRead.h"
#include "cli/CliContext.h"
#include "html/RichTextToHtml.h"
#include "richtext/BoxFormats.h"
#include "richtext/RtfCodePage.h"
#include "richtext/RtfReader.h"

#include <QFile>

#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// RTF is 7-bit text whose stray 8-bit bytes are Windows-1252; anything else is UTF-8 plain text.
QString decodeContent(const QByteArray& bytes)
{
    if (bytes.startsWith("{\\rtf"))
        return RtfCodePage::decode(bytes, 1252);
    return QString::fromUtf8(bytes);
}

// Each stage lets go of its input before the next begins, and the page goes out in pieces, so
// that the peak stays a small multiple of the file's size.
QString convertBytes(QByteArray bytes)
{
    QString content = decodeContent(std::exchange(bytes, QByteArray()));
    RichText text = RtfReader::readContent(std::exchange(content, QString()), BoxFormats::description());
    return RichTextToHtml::convert(std::exchange(text, RichText()));
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
    const QString html = convertBytes(std::move(*content));
    constexpr qsizetype kPiece = 64 * 1024;
    for (qsizetype at = 0; at < html.size();) {
        qsizetype length = std::min(kPiece, html.size() - at);
        if (html.at(at + length - 1).isHighSurrogate() && at + length < html.size())
            ++length;  // a pair is never split between two pieces
        context.out << QStringView(html).mid(at, length) << Qt::flush;
        at += length;
    }
    return ExitDone;
}
