#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <QVariant>

class Database;
class QSqlQuery;

// One listed number: the id of the row it is listed at, its case-folded number and its text.
struct SavedDocsEntry
{
    qint64 rowId = 0;
    QString folded;
    QString text;
};
Q_DECLARE_TYPEINFO(SavedDocsEntry, Q_RELOCATABLE_TYPE);

// What the entries of a long list repeat, each written once: the text of every stored date and the
// whole part of every balance.
struct SavedDocsTextCache
{
    QHash<QString, QString> dates;
    QHash<quint64, QString> wholes;
    QString negativeSign;
};

// The rows whose order key compares equal, split where the group key changes (only when the values
// differ in case, `mixed`).
struct SavedDocsKeyClass
{
    QVariant value;
    QString sortClass;
    bool mixed = false;
    QStringList runKeys;
    QList<QList<SavedDocsEntry>> runs;
};

// What LoadDocs puts on screen: the count label and the list entries, separators included, with the
// classes and count they were built from so that a change to a few documents can be applied in place.
struct SavedDocsListing
{
    bool ok = true;
    QString error;
    QString countLabel;
    QStringList entries;

    int order = 0;
    qint64 count = 0;
    QList<SavedDocsKeyClass> classes;
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
    static QString dateText(const QVariant& docDate, const QLocale& locale, const QString& dateFormat);
    // The document number of a list text: its first 30 characters, trimmed.
    static QString numberOf(const QString& listText);
    static QString firstAddressLine(const QString& address);

    // Helpers the in-place update shares with LoadDocs.
    static bool descending(int order);
    static QString keyOfValue(const QVariant& value, int order);
    static QString classOf(const QVariant& value, int order);
    static void flatten(SavedDocsListing& listing);
    // `cache`, when given, keeps the texts a long list repeats.
    static SavedDocsEntry entryOf(const QSqlQuery& firstRow, const QLocale& locale, const QString& dateFormat,
                                  SavedDocsTextCache* cache = nullptr);
    // The same in two halves, for a reader that looks at the values too: the shown columns of a row
    // read as the list statements give them, and the entry of those values.
    static RowValues rowValuesOf(const QSqlQuery& row);
    static SavedDocsEntry entryOf(const RowValues& shown, qint64 rowId, const QLocale& locale,
                                  const QString& dateFormat, SavedDocsTextCache& cache);

    // The shown columns of one row as texts and numbers, for a reader that does not go through
    // QVariant; `date` is the date as shown.
    struct RowTexts
    {
        QStringView number, docType, companyName, address, date;
        double total = 0, paid = 0;
    };
    // The entry of those values written over `line`, whose buffer serves row after row.
    static void writeEntry(QString& line, const RowTexts& row, const QLocale& locale, SavedDocsTextCache& cache);
};
