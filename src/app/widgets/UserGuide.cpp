#include "app/widgets/UserGuide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

QString UserGuide::location()
{
    const QString relative = QStringLiteral("tallywick/guide/index.html");
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, relative);
    if (!installed.isEmpty())
        return installed;
    const QDir appDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {appDir.filePath(QStringLiteral("../share/") + relative),
                                     appDir.filePath(QStringLiteral("docs/guide/index.html")),
                                     appDir.filePath(QStringLiteral("../docs/guide/index.html"))}) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

bool UserGuide::open()
{
    const QString guide = location();
    if (guide.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
}
