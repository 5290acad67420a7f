#pragma once

#include <QCoreApplication>

#include <QString>

#include <optional>

class Database;
struct ServerAddress;
class SettingsStore;

// Chooses the database file at start-up and opens it.
class DatabaseOpener
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseOpener)

public:
    static QString missingOrLockedMessage();

    // The setting "CompanyDatabase" when it names an existing file, else the default file.
    static QString choosePath(const QString& settingValue, const QString& defaultPath);

    // The shared server the settings choose, with `error` set when they name it incompletely;
    // nothing, and no error, when this computer's file is chosen.
    static std::optional<ServerAddress> chosenServer(const SettingsStore& settings, QString* error = nullptr);
    // The question that offers this computer's file after the server failed with `message`.
    static QString offerLocalFile(const QString& message);

    // Opens the shared server when the settings choose it (`serverFailed` tells a failure there
    // apart), else the chosen file; a missing default file is created with the tables and the company row.
    // A file of the old format is imported into a new file beside it, which the setting then names;
    // `notice` receives what the user is to be told about that (empty otherwise).
    // On failure `message` holds the text to show and nothing has been written.
    static bool open(Database& database, SettingsStore& settings, const QString& defaultPath,
                     QString* message, QString* notice = nullptr, bool* serverFailed = nullptr);
    // Opens this computer's file whatever the settings choose.
    static bool openFile(Database& database, SettingsStore& settings, const QString& defaultPath,
                         QString* message, QString* notice = nullptr);
};
