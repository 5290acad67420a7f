#include "store/JetMigration.h"

#include "core/SettingsStore.h"
#include "store/Database.h"
#include "store/JetImporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void setText(QString* target, const QString& text)
{
    if (target)
        *target = text;
}

} // namespace

QString JetMigration::importedPathFor(const QString& jetPath)
{
    const QFileInfo info(jetPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-imported.mdb"));
}

bool JetMigration::open(Database& database, SettingsStore& settings, const QString& jetPath, QString* notice,
                        QString* error)
{
    const QString target = importedPathFor(jetPath);
    if (QFileInfo::exists(target)) {
        QString detail;
        if (database.open(target, &detail) != Database::OpenStatus::Opened) {
            setText(error,
                    tr("%1 is a database file of an older version of this program. The file %2 imported "
                       "from it earlier cannot be opened: %3")
                        .arg(QDir::toNativeSeparators(jetPath), QDir::toNativeSeparators(target), detail));
            return false;
        }
        setText(notice,
                tr("%1 is a database file of an older version of this program. It was imported earlier "
                   "into %2, which is opened instead.\r\n\r\n%1 is left unchanged.")
                    .arg(QDir::toNativeSeparators(jetPath), QDir::toNativeSeparators(target)));
    } else if (!importInto(database, jetPath, target, notice, error)) {
        return false;
    }
    settings.save(SettingsStore::CompanyDatabase, target);
    return true;
}

bool JetMigration::importInto(Database& database, const QString& jetPath, const QString& target,
                              QString* notice, QString* error)
{
    // Built under another name and renamed when complete, so that a crash midway never leaves a
    // file that a later start would take for a finished import.
    const QString building = target + QStringLiteral(".importing");
    QFile::remove(building);
    QString detail;
    std::optional<JetImportSummary> summary;
    if (database.create(building, &detail))
        summary = JetImporter(database).importFile(jetPath, &detail);
    database.close();
    if (!summary || !QFile::rename(building, target) ||
        database.open(target, &detail) != Database::OpenStatus::Opened) {
        QFile::remove(building);
        setText(error, tr("%1 is a database file of an older version of this program and could not be "
                          "imported.\r\n\r\n%2")
                           .arg(QDir::toNativeSeparators(jetPath), detail));
        return false;
    }
    setText(notice, tr("%1 is a database file of an older version of this program. Its documents and company "
                       "profile were imported into the new file %2, which is used from now on.\r\n\r\n%1 is "
                       "left unchanged.")
                            .arg(QDir::toNativeSeparators(jetPath), QDir::toNativeSeparators(target)) +
                        QStringLiteral("\r\n\r\n") +
                        JetImporter::describe(*summary).join(QStringLiteral("\r\n")));
    return true;
}
