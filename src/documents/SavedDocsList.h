#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <QVariant>

class Database;

// What LoadDocs puts on screen: the count label and the list entries, separators included.
struct SavedDocsListing
{
    bool ok = true;
    QString error;
    QString countLabel;
    QStringList entries;
};

// The saved-document list (LoadDocs): one entry per stored number in one of four orders, with a
// separator line wherever the order's group key changes.
class SavedDocsList
{
    Q_DECLARE_TR_FUNCTIONS(SavedDocsList)

public:
    enum Order { ByDate = 0, ByDocType = 1, ByCustomer = 2, ByAddress = 3 };
    static constexpr int OrderCount = 4;
    static constexpr int NumberWidth = 30;

    // dateFormat is the program's short-date setting ("" for the regional form).
    static SavedDocsListing LoadDocs(Database& database, int order, const QLocale& locale = QLocale(),
                                     const QString& dateFormat = QString());

    static QString caption(int order);
    static QString tooltip(int order);
    static QString sortClause(int order);
    // The column the order sorts by.
    static QString keyColumn(int order);
    // "date", "doc", "cus", "addr" as the command line names the orders; -1 for anything else.
    static int orderFromName(const QString& name);

    // The columns of one stored row that the list shows.
    struct RowValues
    {
        QVariant number, docType, total, paid, docDate, companyName, address;
    };

    static QString separatorLine();
    static QString entryText(const RowValues& row, const QLocale& locale, const QString& dateFormat = QString());
    // The document number of a list text: its first 30 characters, trimmed.
    static QString numberOf(const QString& listText);
    static QString firstAddressLine(const QString& address);
};
