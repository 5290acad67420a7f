#include "store/CompactCommand.h"

#include "core/Dialogs.h"
#include "store/Database.h"
#include "store/FileReplace.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The number the original engine gave a file held exclusively.
constexpr int kExclusiveLockError = 3356;

// Appended to the file's name for the backup, and named in the message.
QString backupSuffix(const QDate& date)
{
    return QLatin1Char('_') + date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

CompactCommand::CompactCommand(Database& database, Dialogs& dialogs, const QString& tempFolder)
    : m_database(database), m_dialogs(dialogs), m_tempFolder(tempFolder)
{
}

QString CompactCommand::progressText()
{
    return tr("Please wait. Compacting database in progress ...");
}

QDate CompactCommand::today() const
{
    return m_clock ? m_clock() : QDate::currentDate();
}

void CompactCommand::showProgress(bool visible)
{
    if (m_progress)
        m_progress(visible, progressText());
}

CompactCommand::Result CompactCommand::run(const QString& sourcePath)
{
    if (m_database.isServer() && sourcePath.isEmpty()) {
        // A server keeps and tidies its own files; the connection stays as it is.
        const QString message = tr("The database is on a server (%1): it is not compacted or copied by this "
                                   "program. Back it up with pg_dump on the server.")
                                    .arg(m_database.path());
        m_dialogs.warn(message);
        Result result;
        result.outcome = Outcome::Failed;
        result.error = message;
        return result;
    }
    showProgress(true);
    const QString databasePath = m_database.path();
    m_database.close();
    m_dialogs.inform(tr("Compacting database and creating a backup."));

    const QString source = sourcePath.isEmpty() ? databasePath : sourcePath;
    const QString temp = QDir(m_tempFolder).filePath(tempFileName());
    const QString suffix = backupSuffix(today());
    Result result;
    QString error;
    bool locked = false;
    bool done = FileReplace::copyOver(source, source + suffix, &error);
    if (done && QFileInfo::exists(temp) && !QFile::remove(temp)) {
        error = tr("The temporary file %1 cannot be removed.").arg(temp);
        done = false;
    }
    done = done && compactFile(source, temp, &error, &locked);
    // The only step that touches the database's own name: an atomic swap.
    done = done && FileReplace::moveOver(temp, source, &error);
    QFile::remove(temp);
    showProgress(false);
    if (!done) {
        reportFailure(error, locked);
        result.outcome = Outcome::Failed;
        result.error = error;
        if (reopen(databasePath, result))
            m_dialogs.plain(tr("%1 has not been changed and is open again.").arg(databasePath));
        return result;
    }
    if (!reopen(databasePath, result))
        return result;
    m_dialogs.inform(databasePath + tr(" has been successfully compacted.") + QStringLiteral("\r\n\r\n")
                     + tr("There is now also a backup copy of the old database suffixed with ") + QLatin1Char('"')
                     + suffix + QLatin1Char('"') + tr(" in the same directory. "));
    return result;
}

bool CompactCommand::compactFile(const QString& source, const QString& temp, QString* error, bool* locked)
{
    Database compactor;
    const Database::OpenStatus status = compactor.open(source, error);
    *locked = status == Database::OpenStatus::Locked;
    if (status != Database::OpenStatus::Opened)
        return false;
    const bool compacted = compactor.compactInto(temp, error);
    compactor.close();
    return compacted;
}

void CompactCommand::reportFailure(const QString& error, bool locked)
{
    if (locked) {
        m_dialogs.plain(error + tr(" Error Number: ") + QString::number(kExclusiveLockError) + QStringLiteral("\r\n\r\n")
                        + tr("If the error persists even though it is not being used by Admin, try deleting all "
                             "records and process your files again."));
        return;
    }
    m_dialogs.plain(error + tr(" Error Number: ") + QString::number(Database::ErrorNumber));
}

bool CompactCommand::reopen(const QString& path, Result& result)
{
    QString error;
    if (m_database.open(path, &error) == Database::OpenStatus::Opened)
        return true;
    result.outcome = Outcome::Failed;
    result.reopened = false;
    result.error = error;
    m_dialogs.critical(tr("The database %1 cannot be opened again: %2").arg(path, error));
    return false;
}
