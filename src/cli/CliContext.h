#pragma once

#include "core/Dialogs.h"

#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <memory>

class Database;
class SettingsStore;

// Exit codes of the tool.
enum CliExit { ExitDone = 0, ExitUsage = 1, ExitRefused = 2, ExitFailure = 3 };

// Messages go to standard error as the window would show them; questions take the proceeding
// answer with --yes, the safe one otherwise.
class CliDialogs : public ScriptedDialogs
{
public:
    explicit CliDialogs(bool yes) : ScriptedDialogs(yes) {}
    DialogAnswer ask(const DialogRequest& request) override;
};

// What every command gets: the global options, the streams, the dialogs and, on demand, the database.
class CliContext
{
public:
    CliContext();
    ~CliContext();

    QString databasePath;  // --db, or empty for the program's own choice
    QLocale locale;
    bool yes = false;
    QStringList arguments;  // the command's own arguments

    QTextStream out;
    QTextStream err;
    std::unique_ptr<CliDialogs> dialogs;

    SettingsStore& settings();
    // Opens the database once; on failure prints the message and returns nullptr (exit 3).
    Database* database();
    // The database path as the main program would choose it.
    QString resolvedDatabasePath();

    int usage(const QString& message);
    int failure(const QString& message);

private:
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Database> m_database;
};
