#pragma once

#include <QCoreApplication>
#include <QString>

class Database;
class SettingsStore;

// Start-up meets a database file of the old format: its data is imported once into a new file
// of the program beside it, the old file stays as it was, and the setting "CompanyDatabase"
// points to the new file from then on.
class JetMigration
{
    Q_DECLARE_TR_FUNCTIONS(JetMigration)

public:
    // "<folder>/<name>-imported.mdb" for "<folder>/<name>.mdb".
    static QString importedPathFor(const QString& jetPath);

    // Opens the imported file, importing first when there is none yet. `notice` tells the user
    // what was done and where; on failure `error` says why and nothing new is left on disk.
    static bool open(Database& database, SettingsStore& settings, const QString& jetPath, QString* notice,
                     QString* error);

private:
    static bool importInto(Database& database, const QString& jetPath, const QString& target, QString* notice,
                           QString* error);
};
