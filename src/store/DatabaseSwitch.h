#pragma once

#include <QCoreApplication>
#include <QString>

class Database;
class Dialogs;
class SettingsStore;

// Moves the open database to the place the settings now choose, while the program runs. The new
// place is tried on a connection of its own first: one that cannot be used leaves the open database
// as it was, unless the user takes this computer's file instead of a server that failed.
class DatabaseSwitch
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseSwitch)

public:
    enum class Outcome
    {
        Switched,
        Kept
    };

    // Switched: the window shows another database (or, should even the file fail, none) and reads
    // everything again. `defaultPath` is this computer's file when the settings name none.
    static Outcome run(Database& database, SettingsStore& settings, const QString& defaultPath,
                       Dialogs& dialogs);

private:
    static Outcome toServer(Database& database, SettingsStore& settings, const QString& url,
                            const QString& name, const QString& defaultPath, Dialogs& dialogs);
    static Outcome toFile(Database& database, SettingsStore& settings, const QString& defaultPath,
                          Dialogs& dialogs);
};
