#pragma once

#include <QLocale>
#include <QString>

class Database;
class QSqlRecord;
struct CompanyProfile;
struct Document;
struct EinvoiceDocumentFields;

// What a document was issued with and must keep whatever the company profile says later: tax name,
// tax percent, currency symbol, the "Hide Money Value" / "Show Balance Only" choices, and the
// buyer's e-invoice fields with the due date.
class IssuedValues
{
public:
    // Writes the values onto every stored row of `number` (run after the rows' inserts, in the
    // same transaction). Empty when the tax percent cannot be read (the recalculation refuses it first).
    static QString updateStatement(const Document& document, const QString& number, const QLocale& locale);

    // Applies the stored values; a row stored without them (an older file, an import) keeps the
    // company's tax and currency from `database` and leaves the two options as they are.
    static void read(const QSqlRecord& record, Document& document, Database& database, const QLocale& locale);
    // The same with the company's values given (many documents in a row).
    static void read(const QSqlRecord& record, Document& document, const CompanyProfile& company,
                     const QLocale& locale);

    // The buyer's e-invoice fields and the due date stored with the document.
    static void readEinvoice(const QSqlRecord& record, EinvoiceDocumentFields& fields, const QLocale& locale);

    // Whether the record carries the values (saved since they are kept).
    static bool storedIn(const QSqlRecord& record);
};
