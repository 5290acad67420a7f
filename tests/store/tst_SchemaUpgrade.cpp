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
using namespace Qt::StringLiterals;

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

// Runs `work` on a bare connection to `path`, one that runs no upgrade.
template <typename Work>
bool onBareConnection(const QString& path, Work work)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            ok = work(query);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    return ok;
}

// A file as the program's first version made it: the two tables, the company row, and documents,
// written by a bare connection (no upgrade ever ran on it). Empty on failure.
QString writeSpecShapedFile(const QString& path, const QStringList& extraStatements = {})
{
    QList<BoundStatement> statements;
    for (const QString& sql : DatabaseSchema::createStatements() + QStringList{DatabaseSchema::defaultCompanyRow(),
             QStringLiteral("UPDATE tblcompany SET TaxName = 'VAT', TaxPercent = 7, CurrencySymbol = '£'")})
        statements << BoundStatement{sql, {}};
    const JetSqlTranslator translator(English);
    for (const QString& number : {QStringLiteral("OLD-1"), QStringLiteral("OLD-2")}) {
        const Document doc = storedDocument(number, number.endsWith(u'1') ? 3 : 2);
        for (int i = 0; i < doc.rowCount(); ++i)
            statements << translator.translate(DocStatements::insertRow(doc, i, QDate(2025, 3, 2), English).sql).value();
    }
    for (const QString& sql : extraStatements)
        statements << BoundStatement{sql, {}};
    const bool ok = onBareConnection(path, [&](QSqlQuery& query) {
        for (const BoundStatement& statement : std::as_const(statements)) {
            bool done = query.prepare(statement.sql);
            for (const QVariant& value : statement.values)
                query.addBindValue(value);
            if (!done || !query.exec()) {
                qWarning("%s: %s", qPrintable(statement.sql), qPrintable(query.lastError().text()));
                return false;
            }
        }
        return true;
    });
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

// The tax, currency and total a document opens with.
QStringList taxAndTotal(const Document& doc)
{
    return {doc.company.taxName, doc.company.taxPercent, doc.company.currencySymbol, doc.total};
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
        QVERIFY(onBareConnection(path, [&](QSqlQuery& query) {
            QList<QSqlRecord> rows;
            for (query.exec(QStringLiteral("SELECT * FROM tbldoc ORDER BY ID")); query.next();)
                rows << query.record();
            before = oldColumnValues(rows);
            return true;
        }));
        QCOMPARE(before.size(), 5);

        Database db(English);
        QCOMPARE(db.open(path), Database::OpenStatus::Opened);
        QCOMPARE(SchemaUpgrade::versionOf(db), SchemaUpgrade::latestVersion());
        QCOMPARE(oldColumnValues(allRows(db)), before);
        for (const QSqlRecord& row : allRows(db)) {
            QVERIFY(row.contains(QStringLiteral("TaxPercent")));
            QVERIFY(row.value(QStringLiteral("TaxPercent")).isNull());
        }

        QCOMPARE(taxAndTotal(opened(db, QStringLiteral("OLD-1"))), (QStringList{u"VAT"_s, u"7"_s, u"£"_s, u"321.00"_s}));

        Document fresh = storedDocument(QStringLiteral("NEW-1"), 1);
        fresh.company.taxName = QStringLiteral("GST");
        fresh.company.taxPercent = QStringLiteral("12.5");
        fresh.company.currencySymbol = QStringLiteral("$");
        ScriptedDialogs yes(true);
        QCOMPARE(SaveCommand(db, yes, English).save(fresh).outcome, SaveCommand::Outcome::Saved);
        QCOMPARE(taxAndTotal(opened(db, QStringLiteral("NEW-1"))), (QStringList{u"GST"_s, u"12.5"_s, u"$"_s, u"112.50"_s}));
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

        const auto number = [](QSqlQuery& query, const char* sql) {
            return query.exec(QLatin1String(sql)) && query.next() ? query.value(0).toInt() : -1;
        };
        QVERIFY(onBareConnection(path, [&](QSqlQuery& query) {
            return number(query, "SELECT Version FROM tblschema") == 2 && number(query, "SELECT count(*) FROM tbldoc") == 5
                   && query.exec(QStringLiteral("DROP TABLE tbldoc_customer"));
        }));

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
        QCOMPARE(taxAndTotal(quote).mid(0, 3), (QStringList{u"MwSt"_s, u"19"_s, u"€"_s}));
        QCOMPARE(quote.rowCount(), 2);
    }
};

TW_TEST_MAIN(TestSchemaUpgrade)
#include "tst_SchemaUpgrade.moc"
