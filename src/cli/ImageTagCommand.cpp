#include "cli/ImageTagCommand.h"

#include "cli/CliContext.h"
#include "richtext/ImageTag.h"

#include <QFileInfo>

int runImageTagCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("image-tag takes one file."));
    // The file dialog hands the command an absolute path; so does this.
    const QFileInfo info(context.arguments.first());
    if (!info.isReadable())
        return context.failure(QStringLiteral("Cannot read %1").arg(info.filePath()));
    const auto tag = ImageTag::forFile(info.absoluteFilePath());
    if (!tag) {
        context.err << QStringLiteral("%1 gives no picture size; nothing would be inserted.").arg(info.filePath())
                    << Qt::endl;
        return ExitRefused;
    }
    context.out << *tag << '\n' << Qt::flush;
    return ExitDone;
}
