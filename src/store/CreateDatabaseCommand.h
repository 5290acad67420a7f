#pragma once

#include <QCoreApplication>

#include <QString>

#include <functional>

class Dialogs;
class SettingsStore;

// "Create New Database": copies the database in use to "Company.mdb" in the data folder, which the
// program then uses from its next start on.
class CreateDatabaseCommand
{
    Q_DECLARE_TR_FUNCTIONS(CreateDatabaseCommand)

public:
    // `showPath(path, highlighted)` shows a path in the database box, highlighted while a message
    // about it is on screen.
    using PathDisplay = std::function<void(const QString& path, bool highlighted)>;

    CreateDatabaseCommand(Dialogs& dialogs, SettingsStore& settings, PathDisplay showPath);

    void run(const QString& databaseInUse, const QString& dataFolder);
    static QString helpText(const QString& databaseInUse, const QString& dataFolder);

private:
    void announce(const QString& target, const QString& text);

    Dialogs& m_dialogs;
    SettingsStore& m_settings;
    PathDisplay m_showPath;
};
