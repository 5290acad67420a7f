#pragma once

#include <QGroupBox>

class Database;
class Dialogs;
class QLineEdit;
class SettingsStore;

// The " Database " frame: the database file in use and "Create New Database".
class DatabaseFrame : public QGroupBox
{
    Q_OBJECT

public:
    DatabaseFrame(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the file in use, or the newly created file until the program restarts.
    void refresh();
    QLineEdit* pathBox() const { return m_path; }

private:
    void createDatabase();
    void showPath(const QString& path, bool highlighted);

    SettingsStore& m_settings;
    Database& m_database;
    Dialogs& m_dialogs;
    QLineEdit* m_path;
    QString m_createdPath;
};
