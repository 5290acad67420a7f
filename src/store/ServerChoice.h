#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class Dialogs;
struct ServerAddress;
class SettingsStore;

// Where the documents live, as the settings page edits it: this computer's file or a shared
// server. Never a password: the server's own means of login apply.
struct ServerChoice
{
    Q_DECLARE_TR_FUNCTIONS(ServerChoice)

public:
    bool onServer = false;
    QString host;
    QString port;
    QString database;
    QString user;

    static ServerChoice load(const SettingsStore& settings);
    // The server address the fields name; nothing, with `error` set, when they name none.
    std::optional<ServerAddress> address(QString* error = nullptr) const;
    // Stores the choice (the caller then switches to it); an incomplete server address is refused with a message.
    bool save(SettingsStore& settings, Dialogs& dialogs) const;
    // Creates the program's tables in the chosen server's empty database and says how that went.
    bool createTables(Dialogs& dialogs) const;

    static QString helpText();

    bool operator==(const ServerChoice&) const = default;
};
