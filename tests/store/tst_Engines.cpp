#include "TestSupport.h"
#include "documents/DocStatements.h"
#include "documents/NumberSeries.h"
#include "documents/OpenCommand.h"
#include "documents/SaveCommand.h"
#include "core/Dialogs.h"
#include "editor/Document.h"
#include "store/CompanySaveCommand.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/PgTestServer.h"
#include "store/RowReader.h"
#include "store/SchemaUpgrade.h"
#include "store/SqlText.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <memory>
#include <thread>

// The same statements on the local file and on a PostgreSQL server must give the same answers.
class TestEngines : public QObject
{
    Q_OBJECT

    PgTestServer m_server;
    bool m_serverUp = false;
    QString m_skipReason;
    QTemporaryDir m_dir;
    int m_files = 0;

    // A new database of the program on the row's engine; empty (with a skip) when that engine is absent.
    bool fresh(Database& db)
    {
        QFETCH_GLOBAL(QString, engine);
        QString error;
        if (engine == QLatin1String("server")) {
            if (!m_serverUp)
                return false;
            const bool created = db.create(m_server.createDatabase(), &error);
            if (!created)
                qWarning() << error;
            return created;
        }
        return db.create(m_dir.filePath(QStringLiteral("e%1.db").arg(++m_files)), &error);
    }

    static QStringList column(const SqlResult& result, int index = 0)
    {
        QStringList values;
        for (const QSqlRecord& record : result.records)
            values << record.value(index).toString();
        return values;
    }

    static bool insertRow(Database& db, const QString& number, const QString& company, const QString& date = {})
    {
        const QString dateValue = date.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('#') + date + QLatin1Char('#');
        return db.execute(QStringLiteral("INSERT INTO tbldoc (Docnumber, CompanyName, DocDate, Qty, Price) VALUES ('%1', "
                                         "'%2', %3, 2, 9.99)")
                              .arg(SqlText::EscapeQuotes(number), SqlText::EscapeQuotes(company), dateValue))
            .ok;
    }

    // Takes a database of the latest version back to what an older program left: the later steps'
    // columns, tables and indexes gone, the version it records (none at all before the first step).
    static QStringList olderSchema(int version)
    {
        QStringList statements;
        for (const SchemaUpgrade::Step& step : SchemaUpgrade::steps()) {
            if (step.version <= version)
                continue;
            for (const SchemaUpgrade::Column& added : step.columns)
                statements << QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(added.table, added.name);
            for (const QString& sql : step.statements) {
                const QStringList words = sql.split(QLatin1Char(' '));
                statements << QStringLiteral("DROP %1 %2").arg(words.value(1), words.value(2));
            }
        }
        statements << (version == 0 ? QStringLiteral("DROP TABLE tblschema")
                                    : QStringLiteral("UPDATE tblschema SET Version = %1").arg(version));
        return statements;
    }

#define FRESH(db)                                                                                                \
    Database db(QLocale(QLocale::English, QLocale::UnitedStates));                                            \
    if (!fresh(db)) {                                                                                          \
        QFETCH_GLOBAL(QString, engine);                                                                        \
        if (engine == QLatin1String("server") && !m_serverUp)                                                  \
            QSKIP(qPrintable(m_skipReason));                                                                   \
        QFAIL("the database could not be created");                                                           \
    }

// Several desks at once: a new server database at `url`; the local file has one desk at a time.
#define SERVER_ONLY(url)                                                                                       \
    QFETCH_GLOBAL(QString, engine);                                                                            \
    if (engine != QLatin1String("server"))                                                                     \
        QSKIP("one desk at a time on the local file");                                                         \
    if (!m_serverUp)                                                                                           \
        QSKIP(qPrintable(m_skipReason));                                                                       \
    const QLocale locale(QLocale::English, QLocale::UnitedStates);                                             \
    const QString url = m_server.createDatabase();

private slots:
    void initTestCase() { m_serverUp = m_server.start(&m_skipReason); }
    void cleanupTestCase() { m_server.stop(); }

    void initTestCase_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::newRow("local file") << QStringLiteral("file");
        QTest::newRow("server") << QStringLiteral("server");
    }

    void numbersIgnoreCase()
    {
        FRESH(db);
        QVERIFY(insertRow(db, QStringLiteral("INV-1"), QStringLiteral("a")));
        QVERIFY(insertRow(db, QStringLiteral("inv-1"), QStringLiteral("b")));
        QVERIFY(insertRow(db, QStringLiteral("Inv-2"), QStringLiteral("c")));
        QCOMPARE(db.query(QStringLiteral("SELECT * FROM tbldoc WHERE (DOCnumber='iNV-1') ")).records.size(), 2);
        QCOMPARE(column(db.query(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT DocNumber FROM tbldoc)"))),
                 QStringList{QStringLiteral("2")});
        QVERIFY(db.execute(QStringLiteral("DELETE FROM tbldoc WHERE DOCnumber='INV-1' ")).ok);
        QCOMPARE(column(db.query(QStringLiteral("SELECT DocNumber FROM tbldoc"))), QStringList{QStringLiteral("Inv-2")});
    }

    void sortsAsTheLocalFile()
    {
        FRESH(db);
        for (const char* name : {"b", "A", "a", "B", "_x", "Z", "\xc3\xa9", "ab"})
            QVERIFY(insertRow(db, QStringLiteral("N"), QString::fromUtf8(name)));
        const QStringList expected{QStringLiteral("_x"), QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("ab"),
                                   QStringLiteral("b"),  QStringLiteral("B"), QStringLiteral("Z"), QString::fromUtf8("\xc3\xa9")};
        QCOMPARE(column(db.query(QStringLiteral("SELECT CompanyName FROM tbldoc ORDER BY CompanyName, ID"))), expected);
        // The saved-document list's own statements, derived tables and all.
        QVERIFY(db.query(DocStatements::listFirstRows(QStringLiteral("CompanyName"), true)).ok);
        QCOMPARE(db.query(DocStatements::listKeyClasses(QStringLiteral("CompanyName"), false)).records.size(), 6);
    }

    void valuesStayValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quote") << QStringLiteral("O'Brien's \"best\"");
        QTest::newRow("statement") << QStringLiteral("x'); DROP TABLE tbldoc; --");
        QTest::newRow("backslash") << QStringLiteral("C:\\new\\table \\' #1/2/2026#");
        QTest::newRow("unicode") << QString::fromUtf8("M\xc3\xbcller & S\xc3\xb6hne \xe2\x82\xac \xf0\x9f\x98\x80");
        QTest::newRow("placeholder") << QStringLiteral("? $1 :name %s");
    }

    void valuesStayValues()
    {
        QFETCH(QString, value);
        FRESH(db);
        QVERIFY(insertRow(db, value, value));
        const SqlResult back = db.query(QStringLiteral("SELECT Docnumber, CompanyName FROM tbldoc WHERE Docnumber = '")
                                        + SqlText::EscapeQuotes(value) + QStringLiteral("'"));
        QVERIFY2(back.ok, qPrintable(back.error));
        QCOMPARE(back.records.size(), 1);
        QCOMPARE(back.records.first().value(1).toString(), value);
    }

    // A long list reads typed columns without QtSql; each value must be what a query gives.
    void rowReaderGivesWhatQueryGives()
    {
        FRESH(db);
        QFETCH_GLOBAL(QString, engine);
        // Only the local file keeps a text in a number column.
        const QString textTotal = engine == QLatin1String("file") ? QStringLiteral("'abc'") : QStringLiteral("7");
        const QStringList rows{QStringLiteral("'A-1', 12, #4-Dec-2026#"), QStringLiteral("'', 9.99, NULL"),
                               QStringLiteral("NULL, %1, #1-Jan-2025#").arg(textTotal), QStringLiteral("'x''y', NULL, NULL"),
                               QString::fromUtf8("'M\xc3\xbcller \xf0\x9f\x98\x80', -0.5, NULL")};
        for (const QString& row : rows)
            QVERIFY(db.execute(QStringLiteral("INSERT INTO tbldoc (Docnumber, Total, DocDate) VALUES (%1)").arg(row)).ok);
        const QString statement =
            QStringLiteral("SELECT Docnumber, Total, DocDate, ID FROM tbldoc WHERE Docnumber IS NULL OR Docnumber <> 'z''q' ORDER BY ID");
        QList<QVariantList> expected;
        QVERIFY(db.forEachRow(statement, [&expected](const QSqlQuery& row) {
                      expected.append({row.value(0), row.value(1), row.value(2), row.value(3)});
                      return true;
                  }).ok);
        QCOMPARE(expected.size(), rows.size());
        QString error;
        const std::unique_ptr<RowReader> reader = db.readRows(statement, &error);
        QVERIFY2(reader, qPrintable(error));
        for (const QVariantList& values : std::as_const(expected)) {
            QVERIFY(reader->next());
            for (int column = 0; column < values.size(); ++column) {
                const QVariant& value = values.at(column);
                QCOMPARE(reader->value(column), value);
                QCOMPARE(reader->value(column).typeId(), value.typeId());
                switch (reader->kind(column)) {
                case RowReader::Kind::Null:
                    QVERIFY(value.isNull());
                    break;
                case RowReader::Kind::Text:
                    QCOMPARE(reader->text(column).toString(), value.toString());
                    break;
                case RowReader::Kind::Integer:
                    QCOMPARE(reader->integer(column), value.toLongLong());
                    QCOMPARE(reader->real(column), value.toDouble());
                    break;
                case RowReader::Kind::Real:
                    QCOMPARE(reader->real(column), value.toDouble());
                    break;
                case RowReader::Kind::Blob:
                    break;
                }
            }
        }
        QVERIFY(!reader->next());
        QCOMPARE(reader->error(), QString());
    }

    void datesAndNumbers()
    {
        FRESH(db);
        QVERIFY(insertRow(db, QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("4-Dec-2026")));
        QVERIFY(insertRow(db, QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("1-Jan-2025")));
        const SqlResult late = db.query(QStringLiteral("SELECT DocDate, Price, Qty FROM tbldoc WHERE DocDate >= #1-Jun-2026#"));
        QVERIFY2(late.ok, qPrintable(late.error));
        QCOMPARE(late.records.size(), 1);
        QCOMPARE(SqlText::ReadDate(late.records.first().value(0)), QDate(2026, 12, 4));
        QCOMPARE(late.records.first().value(1).toString(), QStringLiteral("9.99"));
        QCOMPARE(late.records.first().value(2).toInt(), 2);
        QCOMPARE(column(db.query(QStringLiteral("SELECT DocNumber FROM tbldoc ORDER BY DocDate DESC"))),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    }

    void companyProfileAndSchema()
    {
        FRESH(db);
        const auto company = CompanyRepository(db).loadDefault();
        QVERIFY(company);
        QCOMPARE(company->name, QStringLiteral("Your Company Name"));
        QCOMPARE(company->address, QStringLiteral("Address\r\nTel\r\n"));
        // Run on every start; the later columns are there.
        QVERIFY(db.execute(QStringLiteral("ALTER TABLE tbldoc ALTER COLUMN Description MEMO NULL")).ok);
        QVERIFY(db.query(QStringLiteral("SELECT TaxName, HideMoney FROM tbldoc")).ok);
        QVERIFY(db.query(QStringLiteral("SELECT DocType, Counter FROM tblseries")).ok);
    }

    // The e-invoice fields, quotes and all, come back from either engine as they were saved.
    void einvoiceFieldsRoundTrip()
    {
        FRESH(db);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        CompanyProfile company = *CompanyRepository(db).loadDefault();
        company.taxPercent = QStringLiteral("7");
        company.einvoice.legalName = QStringLiteral("O'Brien's Ltd");
        company.einvoice.street = QStringLiteral("1 Quay St\r\nx'); DROP TABLE tbldoc; --");
        company.einvoice.countryCode = QStringLiteral("IE");
        company.einvoice.roundLinesToCents = true;
        QVERIFY(db.execute(CompanySaveCommand::updateStatement(company)).ok);
        QCOMPARE(CompanyRepository(db).loadDefault()->einvoice, company.einvoice);

        Document doc;
        doc.docNumber = QStringLiteral("E-1");
        doc.docDate = QDate(2026, 12, 4);
        doc.rows.append({QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("Tea"), QStringLiteral("1"),
                         QStringLiteral("2.00"), QStringLiteral("0.00"), QStringLiteral("2.00")});
        doc.einvoice = {QStringLiteral("FR"), QStringLiteral("FR'1"), QStringLiteral("? $1 :name"), QDate(2027, 1, 31)};
        ScriptedDialogs yes(true);
        QCOMPARE(SaveCommand(db, yes, english).save(doc).outcome, SaveCommand::Outcome::Saved);
        const OpenCommand::Result opened = OpenCommand(db, yes, english).open(QStringLiteral("E-1"), Document(), false);
        QCOMPARE(opened.outcome, OpenCommand::Outcome::Opened);
        QCOMPARE(opened.document.einvoice, doc.einvoice);
    }

    // Two desks take the next number of one series at the same moment: the second waits for the
    // first's transaction and then moves the counter on from where the first left it.
    void seriesCounterWaitsForTheOtherDesk()
    {
        SERVER_ONLY(url)
        Database a(locale);
        QVERIFY(a.create(url));
        SeriesDefinition invoices;
        invoices.docType = QStringLiteral("Invoice");
        invoices.pattern = QStringLiteral("{###}");
        QVERIFY(NumberSeries(a).saveAll({invoices}));
        const QDate date(2026, 12, 4);

        QVERIFY(a.beginTransaction());
        const QString first = NumberSeries(a).advanceStatement(QStringLiteral("invoice"), QStringLiteral("001"), date);
        QVERIFY(!first.isEmpty());
        QVERIFY(a.execute(first).ok);
        QVERIFY(insertRow(a, QStringLiteral("001"), QStringLiteral("Desk A")));

        std::atomic<bool> otherDone{false};
        QString otherProblem;
        std::thread other([&] {
            Database b(locale);
            QString error;
            if (b.open(url, &error) != Database::OpenStatus::Opened || !b.beginTransaction()) {
                otherProblem = error.isEmpty() ? QStringLiteral("no transaction") : error;
            } else {
                const QString advance =
                    NumberSeries(b).advanceStatement(QStringLiteral("Invoice"), QStringLiteral("002"), date, &error);
                if (advance.isEmpty() || !b.execute(advance).ok || !insertRow(b, QStringLiteral("002"), QStringLiteral("Desk B"))
                    || !b.commit())
                    otherProblem = QStringLiteral("the second desk did not move the counter: ") + error;
            }
            otherDone = true;
        });
        // The other desk is seen waiting for this desk's lock before this desk commits.
        QSqlQuery locks(QSqlDatabase::database(a.connectionName(), false));
        QTRY_VERIFY(locks.exec(QStringLiteral("SELECT count(*) FROM pg_locks WHERE NOT granted")) && locks.next()
                    && locks.value(0).toInt() > 0);
        QVERIFY(!otherDone);
        QVERIFY(a.commit());
        other.join();
        QVERIFY2(otherProblem.isEmpty(), qPrintable(otherProblem));
        QCOMPARE(NumberSeries(a).find(QStringLiteral("Invoice"))->counter, qint64(2));
        QCOMPARE(NumberSeries(a).nextNumber(QStringLiteral("Invoice"), date), QStringLiteral("003"));
    }

    // A desk that starts while another one is in the middle of a save opens at once: it neither waits
    // for that save nor holds up the ones behind it.
    void openingDoesNotWaitForASave()
    {
        SERVER_ONLY(url)
        Database saving(locale);
        QVERIFY(saving.create(url));
        QVERIFY(saving.beginTransaction());
        QVERIFY(insertRow(saving, QStringLiteral("IN-PROGRESS"), QStringLiteral("x")));
        std::atomic<int> opened{-1};
        std::thread desk([&] {
            Database starting(locale);
            opened = starting.open(url) == Database::OpenStatus::Opened ? 1 : 0;
        });
        const bool quick = QTest::qWaitFor([&] { return opened >= 0; }, 5000);
        QVERIFY(saving.commit());
        desk.join();
        QVERIFY2(quick, "the desk waited for the save in progress");
        QCOMPARE(opened.load(), 1);
    }

    void desksStartingTogetherUpgradeOnce_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("desks");
        QTest::newRow("never upgraded") << 0 << 6;
        QTest::newRow("one step behind") << SchemaUpgrade::latestVersion() - 1 << 6;
        QTest::newRow("two desks") << 1 << 2;
    }

    // Desks that start at the same moment on a server database an older program left behind: every
    // one opens it, and it ends at the latest version with each step done once.
    void desksStartingTogetherUpgradeOnce()
    {
        QFETCH(int, version);
        QFETCH(int, desks);
        SERVER_ONLY(url)
        Database gate(locale);
        QVERIFY(gate.create(url));
        QVERIFY(insertRow(gate, QStringLiteral("KEPT-1"), QStringLiteral("Old customer")));
        QSqlQuery raw(QSqlDatabase::database(gate.connectionName(), false));
        for (const QString& sql : olderSchema(version))
            QVERIFY2(raw.exec(sql), qPrintable(sql + QLatin1Char(' ') + raw.lastError().text()));

        // The desks are held at the tables until every one of them is under way, then let go at once.
        QVERIFY(gate.beginTransaction());
        QVERIFY(raw.exec(QStringLiteral("LOCK TABLE tbldoc, tblcompany%1 IN ACCESS EXCLUSIVE MODE")
                             .arg(version > 0 ? QStringLiteral(", tblschema") : QString())));
        std::vector<std::thread> threads;
        auto problems = std::make_unique<QString[]>(desks);
        for (int d = 0; d < desks; ++d) {
            threads.emplace_back([&, d] {
                Database desk(locale);
                QString error;
                if (desk.open(url, &error) != Database::OpenStatus::Opened)
                    problems[d] = error.isEmpty() ? QStringLiteral("not opened") : error;
            });
        }
        QTRY_VERIFY_WITH_TIMEOUT(raw.exec(QStringLiteral("SELECT count(*) FROM pg_locks WHERE NOT granted")) && raw.next()
                                     && raw.value(0).toInt() >= desks,
                                 30000);
        raw.finish();
        QVERIFY(gate.commit());
        for (std::thread& thread : threads)
            thread.join();
        for (int d = 0; d < desks; ++d)
            QVERIFY2(problems[d].isEmpty(), qPrintable(QStringLiteral("desk %1: %2").arg(d).arg(problems[d])));

        QCOMPARE(column(gate.query(QStringLiteral("SELECT Version FROM tblschema"))),
                 QStringList{QString::number(SchemaUpgrade::latestVersion())});
        QVERIFY(gate.query(QStringLiteral("SELECT TaxName, BuyerVatId FROM tbldoc")).ok);
        QVERIFY(gate.query(QStringLiteral("SELECT LegalName, RoundLines FROM tblcompany")).ok);
        QCOMPARE(column(gate.query(QStringLiteral("SELECT Docnumber FROM tbldoc"))), QStringList{QStringLiteral("KEPT-1")});
    }

    // A change is heard by the other desks once its transaction commits, never by the desk that made
    // it, and not at all when it is rolled back; a local file has nobody to tell.
    void changesReachTheOtherDesk()
    {
        FRESH(a);
        QObject context;
        QStringList heardByA;
        QStringList heardByB;
        QFETCH_GLOBAL(QString, engine);
        if (engine != QLatin1String("server")) {
            QVERIFY(a.announceChange(QStringLiteral("X")));
            QVERIFY(!a.watchChanges(&context, [&](const QString& number) { heardByA << number; }));
            return;
        }
        Database b(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(b.open(a.path()), Database::OpenStatus::Opened);
        QVERIFY(a.watchChanges(&context, [&](const QString& number) { heardByA << number; }));
        QVERIFY(b.watchChanges(&context, [&](const QString& number) { heardByB << number; }));
        QVERIFY(a.beginTransaction());
        QVERIFY(a.announceChange(QStringLiteral("GONE")));
        QVERIFY(a.rollback());
        QVERIFY(a.beginTransaction());
        QVERIFY(a.announceChange(QStringLiteral("Kept 'one'")));
        QVERIFY(a.commit());
        QVERIFY(a.announceChange(QString()));
        QTRY_COMPARE_WITH_TIMEOUT(heardByB, (QStringList{QStringLiteral("Kept 'one'"), QString()}), 1000);
        QVERIFY(heardByA.isEmpty());
    }
};

TW_TEST_MAIN(TestEngines)
#include "tst_Engines.moc"
