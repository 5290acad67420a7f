#include "store/DatabaseSwitch.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/ServerAddress.h"

DatabaseSwitch::Outcome DatabaseSwitch::run(Database& database, SettingsStore& settings,
                                            const QString& defaultPath, Dialogs& dialogs)
{
    QString error;
    const std::optional<ServerAddress> server = DatabaseOpener::chosenServer(settings, &error);
    if (!error.isEmpty()) {
        dialogs.warn(error);
        return Outcome::Kept;
    }
    if (server)
        return toServer(database, settings, server->toUrl(), server->describe(), defaultPath, dialogs);
    return toFile(database, settings, defaultPath, dialogs);
}

DatabaseSwitch::Outcome DatabaseSwitch::toServer(Database& database, SettingsStore& settings,
                                                 const QString& url, const QString& name,
                                                 const QString& defaultPath, Dialogs& dialogs)
{
    const QString nowUsed = tr("The program now uses the %1.").arg(name);
    if (database.isServer() && database.path() == url) {
        dialogs.inform(nowUsed);
        return Outcome::Kept;
    }
    QString error;
    {
        Database probe(database.locale());
        if (probe.open(url, &error) != Database::OpenStatus::Opened) {
            if (!database.isServer()) {
                dialogs.critical(error + QStringLiteral("\r\n\r\n") +
                                 tr("The program goes on with the database file on this computer."));
                return Outcome::Kept;
            }
            if (!dialogs.confirmYesNo(DatabaseOpener::offerLocalFile(error), Dialogs::applicationTitle()))
                return Outcome::Kept;
            return toFile(database, settings, defaultPath, dialogs);
        }
    }
    // The server answered a moment ago; should it fail now, this computer's file takes over.
    if (database.open(url, &error) == Database::OpenStatus::Opened) {
        dialogs.inform(nowUsed);
        return Outcome::Switched;
    }
    QString message;
    if (!DatabaseOpener::openFile(database, settings, defaultPath, &message))
        error += QStringLiteral("\r\n\r\n") + message;
    dialogs.critical(error);
    return Outcome::Switched;
}

DatabaseSwitch::Outcome DatabaseSwitch::toFile(Database& database, SettingsStore& settings,
                                               const QString& defaultPath, Dialogs& dialogs)
{
    const QString nowUsed = tr("The program now uses the database file on this computer.");
    // Which file is in use changes only at a start (as after "Create New Database").
    if (database.isOpen() && !database.isServer()) {
        dialogs.inform(nowUsed);
        return Outcome::Kept;
    }
    QString message;
    QString notice;
    {
        Database probe(database.locale());
        if (!DatabaseOpener::openFile(probe, settings, defaultPath, &message, &notice)) {
            dialogs.critical(message);
            return Outcome::Kept;
        }
    }
    if (!DatabaseOpener::openFile(database, settings, defaultPath, &message)) {
        dialogs.critical(message);
        return Outcome::Switched;
    }
    if (!notice.isEmpty())
        dialogs.inform(notice);
    dialogs.inform(nowUsed);
    return Outcome::Switched;
}
