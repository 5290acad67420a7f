#include "store/DatabaseOpener.h"

#include "core/SettingsStore.h"
#include "store/Database.h"
#include "store/DatabaseSchema.h"
#include "store/JetFile.h"
#include "store/JetMigration.h"
#include "store/ServerAddress.h"
#include "store/ServerChoice.h"

#include <QFileInfo>

QString DatabaseOpener::missingOrLockedMessage()
{
    return tr("The database is either missing or locked by another program. The program cannot "
                          "continue.\r\n\r\n");
}

QString DatabaseOpener::choosePath(const QString& settingValue, const QString& defaultPath)
{
    if (settingValue.isEmpty() || !QFileInfo::exists(settingValue))
        return defaultPath;
    return settingValue;
}

std::optional<ServerAddress> DatabaseOpener::chosenServer(const SettingsStore& settings, QString* error)
{
    const ServerChoice choice = ServerChoice::load(settings);
    if (!choice.onServer)
        return std::nullopt;
    return choice.address(error);
}

QString DatabaseOpener::offerLocalFile(const QString& message)
{
    return message + QStringLiteral("\r\n\r\n") + tr("Open the database on this computer instead?");
}

bool DatabaseOpener::open(Database& database, SettingsStore& settings, const QString& defaultPath,
                          QString* message, QString* notice, bool* serverFailed)
{
    if (serverFailed)
        *serverFailed = false;
    QString error;
    const std::optional<ServerAddress> server = chosenServer(settings, &error);
    if (!server && error.isEmpty())
        return openFile(database, settings, defaultPath, message, notice);
    if (notice)
        notice->clear();
    if (server && database.open(server->toUrl(), &error) == Database::OpenStatus::Opened)
        return true;
    if (serverFailed)
        *serverFailed = true;
    if (message)
        *message = error;
    return false;
}

bool DatabaseOpener::openFile(Database& database, SettingsStore& settings, const QString& defaultPath,
                              QString* message, QString* notice)
{
    const QString path = choosePath(settings.get(SettingsStore::CompanyDatabase), defaultPath);
    if (notice)
        notice->clear();
    QString detail;
    bool ok = false;
    const bool oldFormat = JetFile::hasSignature(path);
    if (oldFormat)
        ok = JetMigration::open(database, settings, path, notice, &detail);
    else if (path == defaultPath && !QFileInfo::exists(path))
        ok = database.create(path, &detail);
    else
        ok = database.open(path, &detail) == Database::OpenStatus::Opened;
    if (!ok) {
        // A failed import explains itself; any other failure gets the program's standing message.
        if (message)
            *message = oldFormat ? detail : missingOrLockedMessage();
        return false;
    }
    // Older files may have a narrow description column; a failure here is of no consequence.
    database.execute(DatabaseSchema::widenDescriptionStatement());
    return true;
}
