#pragma once

#include <QGroupBox>

class Database;
class Dialogs;
class QComboBox;
class QDateEdit;

// "Export…" of the sales journal: a period, optionally one document type, and the CSV file.
class JournalExportBox : public QGroupBox
{
    Q_OBJECT

public:
    JournalExportBox(Database& database, Dialogs& dialogs, QWidget* parent = nullptr);

public slots:
    void exportJournal();

private:
    Database& m_database;
    Dialogs& m_dialogs;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QComboBox* m_type;
};
