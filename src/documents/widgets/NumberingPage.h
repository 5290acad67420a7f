#pragma once

#include <QWidget>

class Database;
class Dialogs;
class QTableWidget;

// Settings page of the number series: per document type a pattern and whether its counter starts
// again each year. A type left without a pattern keeps the date-and-time "Auto No.".
class NumberingPage : public QWidget
{
    Q_OBJECT

public:
    NumberingPage(Database& database, Dialogs& dialogs, QWidget* parent = nullptr);

    // Fills the table from the database (each time the settings panel opens).
    void reload();

public slots:
    void save();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Database& m_database;
    Dialogs& m_dialogs;
    QTableWidget* m_table;
};
