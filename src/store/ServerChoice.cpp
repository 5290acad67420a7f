#include "store/ServerChoice.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "store/Database.h"
#include "store/ServerAddress.h"

std::optional<ServerAddress> ServerChoice::address(QString* error) const
{
    auto fail = [error](const QString& message) -> std::optional<ServerAddress> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (database.trimmed().isEmpty())
        return fail(tr("Please enter the name of the database on the shared server."));
    ServerAddress found;
    found.host = host.trimmed();
    found.user = user.trimmed();
    found.database = database.trimmed();
    bool portOk = true;
    if (!port.trimmed().isEmpty())
        found.port = port.trimmed().toInt(&portOk);
    if (!portOk || found.port < 1 || found.port > 65535)
        return fail(tr("The shared server's port must be a number from 1 to 65535, not %1.").arg(port.trimmed()));
    return found;
}

ServerChoice ServerChoice::load(const SettingsStore& settings)
{
    ServerChoice choice;
    choice.onServer = settings.get(SettingsStore::DatabasePlace) == QLatin1String("Server");
    choice.host = settings.get(SettingsStore::ServerHost);
    choice.port = settings.get(SettingsStore::ServerPort);
    choice.database = settings.get(SettingsStore::ServerDatabase);
    choice.user = settings.get(SettingsStore::ServerUser);
    return choice;
}

bool ServerChoice::save(SettingsStore& settings, Dialogs& dialogs) const
{
    QString error;
    const std::optional<ServerAddress> server = onServer ? address(&error) : std::nullopt;
    if (onServer && !server) {
        dialogs.warn(error);
        return false;
    }
    settings.save(SettingsStore::DatabasePlace, onServer ? QStringLiteral("Server") : QString());
    settings.save(SettingsStore::ServerHost, host.trimmed());
    settings.save(SettingsStore::ServerPort, port.trimmed());
    settings.save(SettingsStore::ServerDatabase, database.trimmed());
    settings.save(SettingsStore::ServerUser, user.trimmed());
    return true;
}

bool ServerChoice::createTables(Dialogs& dialogs) const
{
    QString error;
    const std::optional<ServerAddress> server = address(&error);
    if (!server) {
        dialogs.warn(error);
        return false;
    }
    Database target;
    if (!target.create(server->toUrl(), &error)) {
        dialogs.critical(error);
        return false;
    }
    target.close();
    dialogs.inform(tr("The program's tables are created in the %1.").arg(server->describe()));
    return true;
}

QString ServerChoice::helpText()
{
    return tr("\"This computer\" keeps the documents in a file on this computer.\r\n\r\n"
              "\"Shared server\" keeps them in a database on a PostgreSQL server that every desk of the office "
              "uses. Enter the server's host name (or the folder of its socket), its port (5432 when empty), "
              "the database and the user name, then click Save; the program switches to the server at once. "
              "For an empty database click \"Create tables\" once.\r\n\r\n"
              "The program never asks for or keeps a password. The server checks who you are as it does for "
              "every PostgreSQL program: by the line host:port:database:user:password in the file .pgpass in "
              "your home folder (readable by you alone: chmod 600 ~/.pgpass), by peer login when the server "
              "runs on this computer and your login name is the user, or by Kerberos.\r\n\r\n"
              "Compaction, backups and \"Create New Database\" are file operations: on a server, back up "
              "with pg_dump.");
}
