#pragma once

#include <QCoreApplication>

#include <QString>

class Database;
class SettingsStore;

// Chooses the database file at start-up and opens it.
class DatabaseOpener
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseOpener)

public:
    static QString missingOrLockedMessage();

    // The setting "CompanyDatabase" when it names an existing file, else the default file.
    static QString choosePath(const QString& settingValue, const QString& defaultPath);

    // Opens the chosen file; a missing default file is created with the tables and the company row.
    // A file of the old format is imported into a new file beside it, which the setting then names;
    // `notice` receives what the user is to be told about that (empty otherwise).
    // On failure `message` holds the text to show and nothing has been written.
    static bool open(Database& database, SettingsStore& settings, const QString& defaultPath,
                     QString* message, QString* notice = nullptr);
};
