#include "TestSupport.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "documents/DocStatements.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "editor/Document.h"
#include "store/CompanyRepository.h"
#include "store/CompanySaveCommand.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"
#include "store/DatabaseSchema.h"
#include "store/JetFile.h"
#include "store/JetSqlTranslator.h"
#include "store/SchemaUpgrade.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

using namespace TestSupport;

const QLocale English(QLocale::English, QLocale::UnitedStates);

Document storedDocument(const QString& number, int rows)
{
    Document doc;
    doc.docNumber = number;
    doc.docDate = QDate(2025, 3, 1);
    doc.billToName = QStringLiteral("O'Brien Ltd");
    doc.paid = QStringLiteral("0.00");
    doc.chargesAmount = QStringLiteral("0.00");
    doc.total = QStringLiteral("%1.00").arg(rows * 100 * 107 / 100);
    for (int i = 1; i <= rows; ++i)
        doc.rows.append({QString::number(i), QStringLiteral("P-%1").arg(i), QStringLiteral("{\\rtf1 item}"),
                         QStringLiteral("1"), QStringLiteral("100.00"), QStringLiteral("0.00"),
                         QStringLiteral("100.00")});
    return doc;
}

// A file as the program's first version made it: the two tables, the company row, and documents,
// written by a bare connection (no upgrade ever ran on it). Empty on failure.
QString writeSpecShapedFile(const QString& path, const QStringList& extraStatements = {})
{
    const QString name = QStringLiteral("spec-shaped");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QStringList statements = DatabaseSchema::createStatements();
        statements << DatabaseSchema::defaultCompanyRow()
                   << QStringLiteral("UPDATE tblcompany SET TaxName = 'VAT', TaxPercent = 7, CurrencySymbol = '£'");
        const JetSqlTranslator translator(English);
        QList<BoundStatement> inserts;
        for (const QString& number : {QStringLiteral("OLD-1"), QStringLiteral("OLD-2")}) {
            const Document doc = storedDocument(number, number.endsWith(u'1') ? 3 : 2);
            for (int i = 0; i < doc.rowCount(); ++i)
                inserts << translator.translate(DocStatements::insertRow(doc, i, QDate(2025, 3, 2), English).sql).value();
        }
        QSqlQuery query(db);
        for (const QString& sql : std::as_const(statements)) {
            if (ok && !query.exec(sql)) {
                qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
                ok = false;
            }
        }
        for (const BoundStatement& insert : std::as_const(inserts)) {
            ok = ok && query.prepare(insert.sql);
            for (const QVariant& value : insert.values)
                query.addBindValue(value);
            if (ok && !query.exec()) {
                qWarning("%s: %s", qPrintable(insert.sql), qPrintable(query.lastError().text()));
                ok = false;
            }
        }
        for (const QString& sql : std::as_const(extraStatements)) {
            if (ok && !query.exec(sql)) {
                qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok ? path : QString();
}

QList<QSqlRecord> allRows(Database& db)
{
    return db.query(QStringLiteral("SELECT * FROM tbldoc ORDER BY ID")).records;
}

// Each stored row's values of the columns the first version had.
QStringList oldColumnValues(const QList<QSqlRecord>& rows)
{
    QStringList values;
    for (const QSqlRecord& row : rows) {
        QStringList cells;
        for (const QString& column : {QStringLiteral("ID"), QStringLiteral("CompanyName"), QStringLiteral("Docnumber"),
                                      QStringLiteral("DocDate"), QStringLiteral("Serial"), QStringLiteral("Description"),
                                      QStringLiteral("Price"), QStringLiteral("Total"), QStringLiteral("SaveDate")})
            cells << row.value(column).toString();
        values << cells.join(u'|');
    }
    return values;
}

Document opened(Database& db, const QString& number)
{
    ScriptedDialogs dialogs;
    const OpenCommand::Result result = OpenCommand(db, dialogs, English).open(number, Document(), false);
    if (result.outcome != OpenCommand::Outcome::Opened)
        qWarning("could not open %s", qPrintable(number));
    return result.document;
}

} // namespace

class TestSchemaUpgrade : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    // Every row survives with its values; old documents take the company's tax, new ones keep their own;
    // a second opening runs nothing again.
    void specShapedFileIsUpgradedOnce()
    {
        const QString path = writeSpecShapedFile(m_dir.filePath(QStringLiteral("spec.db")));
        QVERIFY(!path.isEmpty());
        QStringList before;
        {
            // Reading the file's rows before any upgrade: through a bare connection.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(QStringLiteral("SELECT * FROM tbldoc ORDER BY ID"), db);
            QList<QSqlRecord> rows;
            while (query.next())
                rows << query.record();
            before = oldColumnValues(rows);
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        QCOMPARE(before.size(), 5);

        Database db(English);
        QCOMPARE(db.open(path), Database::OpenStatus::Opened);
        QCOMPARE(SchemaUpgrade::versionOf(db), SchemaUpgrade::latestVersion());
        QCOMPARE(oldColumnValues(allRows(db)), before);
        for (const QSqlRecord& row : allRows(db)) {
            QVERIFY(row.contains(QStringLiteral("TaxPercent")));
            QVERIFY(row.value(QStringLiteral("TaxPercent")).isNull());
        }

        const Document old = opened(db, QStringLiteral("OLD-1"));
        QCOMPARE(old.company.taxName, QStringLiteral("VAT"));
        QCOMPARE(old.company.taxPercent, QStringLiteral("7"));
        QCOMPARE(old.company.currencySymbol, QStringLiteral("£"));
        QCOMPARE(old.total, QStringLiteral("321.00"));

        Document fresh = storedDocument(QStringLiteral("NEW-1"), 1);
        fresh.company.taxName = QStringLiteral("GST");
        fresh.company.taxPercent = QStringLiteral("12.5");
        fresh.company.currencySymbol = QStringLiteral("$");
        ScriptedDialogs yes(true);
        QCOMPARE(SaveCommand(db, yes, English).save(fresh).outcome, SaveCommand::Outcome::Saved);
        const Document reopened = opened(db, QStringLiteral("NEW-1"));
        QCOMPARE(reopened.company.taxName, QStringLiteral("GST"));
        QCOMPARE(reopened.company.taxPercent, QStringLiteral("12.5"));
        QCOMPARE(reopened.company.currencySymbol, QStringLiteral("$"));
        QCOMPARE(reopened.total, QStringLiteral("112.50"));
        db.close();

        QCOMPARE(db.open(path), Database::OpenStatus::Opened);
        QCOMPARE(db.query(QStringLiteral("SELECT count(*) FROM tblschema")).records.first().value(0).toInt(), 1);
        QCOMPARE(allRows(db).size(), 6);
        QCOMPARE(oldColumnValues(allRows(db)).mid(0, 5), before);
    }

    // Old documents and the old company row read as "nothing given" (the defaults apply); what is
    // saved afterwards comes back as it was saved, on the document and on the company row.
    void einvoiceFieldsDefaultAndKeep()
    {
        const QString path = writeSpecShapedFile(m_dir.filePath(QStringLiteral("einvoice.db")));
        QVERIFY(!path.isEmpty());
        Database db(English);
        QCOMPARE(db.open(path), Database::OpenStatus::Opened);
        QCOMPARE(allRows(db).size(), 5);
        QCOMPARE(opened(db, QStringLiteral("OLD-2")).einvoice, EinvoiceDocumentFields());
        std::optional<CompanyProfile> company = CompanyRepository(db).loadDefault();
        QVERIFY(company);
        QCOMPARE(company->einvoice, EinvoiceCompany());
        QCOMPARE(company->name, QStringLiteral("Your Company Name"));

        company->taxPercent = QStringLiteral("7");
        company->einvoice = {QStringLiteral("Shop GmbH"), QStringLiteral("DE123456789"), QStringLiteral("12/345"),
                             QStringLiteral("HRB 1"), QStringLiteral("Weg 1\r\nHof 2"), QStringLiteral("80331"),
                             QStringLiteral("München"), QStringLiteral("DE"), QStringLiteral("a@b.de"),
                             QStringLiteral("+49 1"), QStringLiteral("EUR"), QStringLiteral("DE02120300000000202051"),
                             QStringLiteral("BYLADEM1001"), QStringLiteral("30"), QStringLiteral("HUR"),
                             QStringLiteral("14"), QStringLiteral("O'Neill's reason"), true};
        ScriptedDialogs dialogs(true);
        CompanyProfile edited = *company;
        QCOMPARE(CompanySaveCommand(db, dialogs, English).run(edited), CompanySaveCommand::Outcome::Saved);
        QCOMPARE(CompanyRepository(db).loadDefault()->einvoice, company->einvoice);

        Document fresh = storedDocument(QStringLiteral("NEW-2"), 1);
        fresh.einvoice = {QStringLiteral("FR"), QStringLiteral("FR40303265045"), QStringLiteral("PO 'A'"), QDate(2025, 4, 1)};
        QCOMPARE(SaveCommand(db, dialogs, English).save(fresh).outcome, SaveCommand::Outcome::Saved);
        QCOMPARE(opened(db, QStringLiteral("NEW-2")).einvoice, fresh.einvoice);
        fresh.einvoice.dueDate = QDate();
        fresh.currentDocNumber = QStringLiteral("NEW-2");
        QCOMPARE(SaveCommand(db, dialogs, English).save(fresh).outcome, SaveCommand::Outcome::Saved);
        QCOMPARE(opened(db, QStringLiteral("NEW-2")).einvoice, fresh.einvoice);
        QCOMPARE(allRows(db).size(), 6);
    }

    // A step the file refuses is undone whole: the steps before it stay, no row is lost, and the
    // next opening finishes the work once the obstacle is gone.
    void aFailingStepLeavesTheFileAsItWas()
    {
        const QString path = writeSpecShapedFile(m_dir.filePath(QStringLiteral("blocked.db")),
                                                 {QStringLiteral("CREATE TABLE tbldoc_customer (x INTEGER)")});
        QVERIFY(!path.isEmpty());
        Database db(English);
        QString error;
        QVERIFY(db.open(path, &error) != Database::OpenStatus::Opened);
        QVERIFY2(error.contains(QStringLiteral("step 3")), qPrintable(error));

        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fix"));
            raw.setDatabaseName(path);
            QVERIFY(raw.open());
            QSqlQuery query(raw);
            QVERIFY(query.exec(QStringLiteral("SELECT Version FROM tblschema")) && query.next());
            QCOMPARE(query.value(0).toInt(), 2);
            QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM tbldoc")) && query.next());
            QCOMPARE(query.value(0).toInt(), 5);
            QVERIFY(query.exec(QStringLiteral("DROP TABLE tbldoc_customer")));
            query.finish();
            raw.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fix"));

        QCOMPARE(db.open(path), Database::OpenStatus::Opened);
        QCOMPARE(SchemaUpgrade::versionOf(db), SchemaUpgrade::latestVersion());
        QCOMPARE(allRows(db).size(), 5);
    }

    // An old-format file imported at start-up: every row arrives, its documents open with the company's values.
    void importedLegacyFileIsUpgraded()
    {
        if (!JetFile::isSupported())
            QSKIP("built without the reader of old database files");
        QTemporaryDir dir;
        const QString jetPath =
            writeFile(dir.filePath(QStringLiteral("tallywick.mdb")), readFile(fixture(QStringLiteral("legacy/legacy-2004.mdb"))));
        QVERIFY(!jetPath.isEmpty());
        SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
        Database db(English);
        QString message;
        QVERIFY2(DatabaseOpener::open(db, settings, jetPath, &message), qPrintable(message));
        QCOMPARE(SchemaUpgrade::versionOf(db), SchemaUpgrade::latestVersion());
        QCOMPARE(allRows(db).size(), 6);

        const Document quote = opened(db, QStringLiteral("QUO-7"));
        QCOMPARE(quote.company.taxName, QStringLiteral("MwSt"));
        QCOMPARE(quote.company.taxPercent, QStringLiteral("19"));
        QCOMPARE(quote.company.currencySymbol, QStringLiteral("€"));
        QCOMPARE(quote.rowCount(), 2);
    }
};

TW_TEST_MAIN(TestSchemaUpgrade)
#include "tst_SchemaUpgrade.moc"
