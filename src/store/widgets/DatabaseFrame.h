#pragma once

#include <QGroupBox>

class Database;
class Dialogs;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingsStore;
struct ServerChoice;

// The " Database " frame: the database in use, "Create New Database" for a file, and the choice
// between this computer's file and a shared server, which the window switches to when it is saved.
class DatabaseFrame : public QGroupBox
{
    Q_OBJECT

public:
    DatabaseFrame(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the database in use (or the newly created file until the program restarts) and the
    // stored choice of where the documents live.
    void refresh();
    QLineEdit* pathBox() const { return m_path; }

signals:
    // The choice of place was stored: the window is to open it now.
    void placeSaved();

private:
    void createDatabase();
    void showPath(const QString& path, bool highlighted);
    QWidget* buildServerBox();
    ServerChoice shownChoice() const;
    void showChoice(const ServerChoice& choice);
    void enableServerFields();

    SettingsStore& m_settings;
    Database& m_database;
    Dialogs& m_dialogs;
    QLineEdit* m_path;
    QPushButton* m_create;
    QPushButton* m_createHelp;
    QRadioButton* m_local;
    QRadioButton* m_server;
    QLineEdit* m_host;
    QLineEdit* m_port;
    QLineEdit* m_name;
    QLineEdit* m_user;
    QPushButton* m_createTables;
    QString m_createdPath;
};
