#include "app/widgets/UserGuide.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kRelative = QStringLiteral("tallywick/guide/index.html");

QStringList buildPlaces()
{
    const QDir appDir(QCoreApplication::applicationDirPath());
    return {appDir.filePath(QStringLiteral("../share/") + kRelative),
            appDir.filePath(QStringLiteral("docs/guide/index.html")),
            appDir.filePath(QStringLiteral("../docs/guide/index.html"))};
}

} // namespace

QStringList UserGuide::searchedPlaces()
{
    QStringList places;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.append(QDir(folder).filePath(kRelative));
    for (const QString& place : buildPlaces())
        places.append(QDir::cleanPath(place));
    return places;
}

QString UserGuide::location()
{
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, kRelative);
    if (!installed.isEmpty())
        return installed;
    for (const QString& candidate : buildPlaces()) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

bool UserGuide::open(const std::function<void(const QString&)>& fallback, QString* problem)
{
    const QString guide = location();
    if (guide.isEmpty()) {
        if (problem)
            *problem = tr("The user guide was not found. Looked in:\n%1")
                           .arg(QDir::toNativeSeparators(searchedPlaces().join(QLatin1Char('\n'))));
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        return true;
    if (fallback) {
        fallback(guide);
        return true;
    }
    if (problem)
        *problem = tr("The user guide %1 could not be opened.").arg(QDir::toNativeSeparators(guide));
    return false;
}
