#include "cli/JpegSizeCommand.h"

#include "cli/CliContext.h"
#include "richtext/JpegSize.h"

#include <QFileInfo>

int runJpegSizeCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("jpeg-size takes one file."));
    const QString path = context.arguments.first();
    if (!QFileInfo(path).isReadable())
        return context.failure(QStringLiteral("Cannot read %1").arg(path));
    const JpegDimensions size = JpegSize::read(path);
    context.out << size.width << ' ' << size.height << '\n' << Qt::flush;
    return ExitDone;
}
