#pragma once

#include "core/Dialogs.h"
#include "documents/DocStatements.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "editor/Document.h"
#include "store/Database.h"

#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// A fresh database in a temporary folder, English formats unless told, scripted message boxes.
struct StoreFixture
{
    QTemporaryDir dir;
    QLocale locale;
    Database db{locale};
    ScriptedDialogs dialogs;

    explicit StoreFixture(const QLocale& regional = QLocale(QLocale::English, QLocale::UnitedStates))
        : locale(regional)
    {
        db.create(dir.filePath(QStringLiteral("docs.mdb")));
    }

    // Saves as the user would, every question answered yes, leaving `dialogs` untouched.
    void store(const Document& document)
    {
        Document doc = document;
        ScriptedDialogs proceed(true);
        QCOMPARE(SaveCommand(db, proceed, locale).save(doc).outcome, SaveCommand::Outcome::Saved);
    }

    // The commands as the window runs them, answered from `dialogs`.
    SaveCommand::Outcome save(Document& doc) { return SaveCommand(db, dialogs, locale).save(doc).outcome; }
    OpenCommand::Result open(const QString& text, bool documentOpen = false, const Document& current = Document())
    {
        return OpenCommand(db, dialogs, locale).open(text, current, documentOpen);
    }

    QList<QSqlRecord> rowsOf(const QString& number)
    {
        return db.query(DocStatements::selectByNumberOrdered(number, true)).records;
    }

    int allRows() { return int(db.query(QStringLiteral("SELECT * FROM tbldoc")).records.size()); }

    // Rows written straight into the table, as another program (or an older version) might have.
    void insertRaw(const Document& document)
    {
        for (int i = 0; i < document.rowCount(); ++i)
            QVERIFY(db.execute(DocStatements::insertRow(document, i, QDate(2026, 12, 5), locale).sql).ok);
    }
};

// A document whose amounts are already what the totals calculation writes, so that saving and
// reopening compares equal with or without a recalculation in between.
inline Document sampleDocument(const QString& number, int rows = 3)
{
    Document doc;
    doc.docNumber = number;
    doc.docDate = QDate(2026, 12, 4);
    doc.company.taxPercent = QStringLiteral("0");
    doc.paid = QStringLiteral("0.00");
    doc.total = QStringLiteral("0.00");
    doc.chargesAmount = QStringLiteral("0.00");
    for (int i = 1; i <= rows; ++i)
        doc.rows.append({QString::number(i), QStringLiteral("P-%1").arg(i),
                         QStringLiteral("{\\rtf1 item %1}").arg(i), QStringLiteral("1"), QStringLiteral("10.00"),
                         QStringLiteral("0.00"), QStringLiteral("10.00")});
    return doc;
}
