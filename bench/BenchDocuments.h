#pragma once

// The stored documents the storage benchmarks measure on: many invoices and quotations of a few
// RTF rows each, as a busy shop keeps them.
#include "documents/DocStatements.h"
#include "editor/Document.h"
#include "store/Database.h"

#include <QDate>
#include <QLocale>

#include <functional>

namespace BenchDocuments {

inline const QLocale& locale()
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english;
}

inline Document make(int number, int rows)
{
    Document doc;
    doc.docNumber = QStringLiteral("INV-%1").arg(number, 5, 10, QLatin1Char('0'));
    doc.docDate = QDate(2020, 1, 1).addDays(number % 1500);
    doc.docType = number % 3 ? QStringLiteral("Invoice") : QStringLiteral("Quotation");
    doc.billToName = QStringLiteral("Customer %1 O'Brien").arg(number % 700);
    doc.billToAddress = QStringLiteral("%1 Quay Street\r\nCork\r\nIreland").arg(number % 97);
    doc.notes = QStringLiteral(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Thank you for your business.\\par}");
    doc.paid = QStringLiteral("0.00");
    doc.total = QStringLiteral("100.00");
    for (int i = 0; i < rows; ++i) {
        DocumentRow row;
        row.serial = QString::number(i + 1);
        row.productId = QStringLiteral("P-%1").arg(i + 1);
        row.description =
            QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs18 Widget model %1, "
                           "stainless, boxed\\par}")
                .arg(i);
        row.qty = QStringLiteral("2");
        row.price = QStringLiteral("5.00");
        row.amount = QStringLiteral("10.00");
        doc.rows.append(row);
    }
    return doc;
}

// `count` documents made by `make`, written row by row as a save writes them, in one transaction.
inline bool fill(Database& db, int count, const std::function<Document(int)>& make)
{
    if (!db.beginTransaction())
        return false;
    for (int n = 0; n < count; ++n) {
        const Document doc = make(n);
        for (int i = 0; i < doc.rowCount(); ++i) {
            if (!db.execute(DocStatements::insertRow(doc, i, QDate(2026, 12, 4), locale()).sql).ok) {
                db.rollback();
                return false;
            }
        }
    }
    return db.commit();
}

// `count` of the documents above, of `rows` rows each.
inline bool fill(Database& db, int count, int rows)
{
    return fill(db, count, [rows](int n) { return make(n, rows); });
}

} // namespace BenchDocuments
