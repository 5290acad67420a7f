#include "core/AppPaths.h"

#include <QDir>
#include <QStandardPaths>

QString AppPaths::dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return folder;
}

QString AppPaths::inDataFolder(const QString& fileName)
{
    return QDir(dataFolder()).filePath(fileName);
}
