#include "cli/Rtf2HtmlCommand.h"

#include "cli/CappedRead.h"
#include "cli/CliContext.h"
#include "html/RichTextToHtml.h"
#include "richtext/RtfCodePage.h"

#include <QFile>

namespace {

// RTF is 7-bit text whose stray 8-bit bytes are Windows-1252; anything else is UTF-8 plain text.
QString decodeContent(const QByteArray& bytes)
{
    if (bytes.startsWith("{\\rtf"))
        return RtfCodePage::decode(bytes, 1252);
    return QString::fromUtf8(bytes);
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
    const std::optional<QByteArray> content = CappedRead::read(file);
    if (!content)
        return context.usage(CappedRead::tooLarge(context.arguments.isEmpty() ? QStringLiteral("Standard input")
                                                                               : file.fileName()));
    context.out << RichTextToHtml::convert(decodeContent(*content)) << Qt::flush;
    return ExitDone;
}
