#pragma once

#include <QWidget>

#include <functional>

class Database;
class Dialogs;
class QDateEdit;
class QLabel;
class QPushButton;

// The database upkeep controls of the settings page "Settings 2": compact with backup, and the
// purge of old documents by date. Self-contained: attach the database and the dialogs, listen to
// documentsChanged to refresh the saved-document list.
class MaintenancePanel : public QWidget
{
    Q_OBJECT

public:
    explicit MaintenancePanel(QWidget* parent = nullptr);

    void attach(Database& database, Dialogs& dialogs);
    // Shows the commands the database in use allows (no compaction on a server).
    void showDatabaseKind();
    // The file the settings page shows (txtDb); the open database's file when not set.
    void setSourcePath(std::function<QString()> sourcePath) { m_sourcePath = std::move(sourcePath); }
    // Where the temporary compaction file goes; the data folder when not set.
    void setTempFolder(const QString& folder) { m_tempFolder = folder; }
    // The program's short date setting ("" regional, "dd-MMM-yyyy"): how the pickers show their days
    // and how the purge writes and confirms them.
    void setDateFormat(const QString& setting);

    QPushButton* compactButton() const { return m_compact; }
    QPushButton* purgeButton() const { return m_purge; }
    QDateEdit* fromPicker() const { return m_from; }
    QDateEdit* toPicker() const { return m_to; }
    QLabel* progressLabel() const { return m_progress; }

public slots:
    void compact();
    void purge();
    void explainPurge();

signals:
    // Before a purge deletes: the query selecting the numbers it deletes rows of.
    void documentsChanging(const QString& numbersQuery);
    void documentsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void showProgress(bool visible, const QString& text);

    Database* m_database = nullptr;
    Dialogs* m_dialogs = nullptr;
    std::function<QString()> m_sourcePath;
    QString m_tempFolder;
    QString m_dateFormat;
    QPushButton* m_compact;
    QPushButton* m_purge;
    QPushButton* m_purgeHelp;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLabel* m_progress;
};
