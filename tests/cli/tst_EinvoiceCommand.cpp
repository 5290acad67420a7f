#include "CliRunner.h"
#include "EinvoiceKit.h"

#include "editor/DocumentJson.h"
#include "store/CompanySaveCommand.h"
#include "store/Database.h"

#include <QDir>
#include <QFileInfo>

using namespace TestSupport;

class TestEinvoiceCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    // The documented example is a complete invoice: its file passes the norm's rules.
    void exampleWritesAValidInvoice()
    {
        const QString xml = m_home.filePath(QStringLiteral("example.xml"));
        const CliRun run = runCli({QStringLiteral("--locale"), QStringLiteral("de_DE"), QStringLiteral("einvoice"),
                                   einvoiceExample(), QStringLiteral("--xml"), xml},
                                  m_home.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errText()));
        const QString text = QString::fromUtf8(readFile(xml));
        QVERIFY(text.contains(QStringLiteral("<ram:GrandTotalAmount>99.72</ram:GrandTotalAmount>")));
        QVERIFY(text.contains(QStringLiteral("Müller &amp; Söhne GmbH")));
        // The same file renders as a page: the document reader takes the e-invoice keys.
        const CliRun page = runCli({QStringLiteral("render"), einvoiceExample(), QStringLiteral("-o"),
                                    m_home.filePath(QStringLiteral("page.htm"))},
                                   m_home.path());
        QVERIFY2(page.exitCode == 0, qPrintable(page.errText()));

        TW_VERIFY_EINVOICES({xml});
    }

    // A saved document with the company's stored e-invoice fields gives the same file as its document file.
    void storedNumberWritesTheSameInvoice()
    {
        const QString db = m_home.filePath(QStringLiteral("stored.db"));
        QCOMPARE(runCli({QStringLiteral("--db"), db, QStringLiteral("init")}, m_home.path()).exitCode, 0);
        const DocumentJson::ReadResult example = DocumentJson::read(readFile(einvoiceExample()));
        QVERIFY(example.ok);
        {
            Database database;
            QCOMPARE(database.open(db), Database::OpenStatus::Opened);
            QVERIFY(database.execute(CompanySaveCommand::updateStatement(example.document.company)).ok);
        }
        const QStringList base{QStringLiteral("--db"), db, QStringLiteral("--locale"), QStringLiteral("de_DE")};
        const CliRun saved = runCli(base + QStringList{QStringLiteral("save"), einvoiceExample()}, m_home.path());
        QVERIFY2(saved.exitCode == 0, qPrintable(saved.errText()));

        const QString fromFile = m_home.filePath(QStringLiteral("from-file.xml"));
        const QString fromNumber = m_home.filePath(QStringLiteral("from-number.xml"));
        QCOMPARE(runCli(base + QStringList{QStringLiteral("einvoice"), einvoiceExample(), QStringLiteral("--xml"), fromFile},
                        m_home.path()).exitCode, 0);
        const CliRun run = runCli(base + QStringList{QStringLiteral("einvoice"), QStringLiteral("INV-2026-0042"),
                                                     QStringLiteral("--xml"), fromNumber},
                                  m_home.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errText()));
        QCOMPARE(readFile(fromNumber), readFile(fromFile));

        const CliRun unknown = runCli(base + QStringList{QStringLiteral("einvoice"), QStringLiteral("NO-SUCH"),
                                                         QStringLiteral("--xml"), fromNumber},
                                      m_home.path());
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY2(unknown.errText().contains(QStringLiteral("There is no record of this document number.")),
                 qPrintable(unknown.errText()));

        TW_VERIFY_EINVOICES({fromNumber});
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        const QByteArray company = R"("company":{"name":"Shop","address":"","currencySymbol":"$","taxName":"Tax","taxPercent":"5"})";
        const QStringList xml{QStringLiteral("--xml"), QStringLiteral("out.xml")};
        QTest::newRow("quotation") << (R"({"docType":"Quotation","docNumber":"Q-1",)" + company + "}") << xml << 2
                                   << QStringLiteral("A document of type \"Quotation\" has no electronic invoice.");
        QTest::newRow("missing fields")
            << (R"({"docNumber":"I-1","billTo":{"name":"Ann"},"rows":[{"description":"Tea","qty":"1","price":"2"}],)"
                + company + "}")
            << xml << 2 << QStringLiteral("- Currency code such as EUR: Settings, E-invoice (company.currencyCode)");
        QTest::newRow("rows that do not add up")
            << (R"({"docNumber":"I-1","rows":[{"description":"Tea","qty":"2.5","price":"2"}],)" + company + "}") << xml
            << 2 << QStringLiteral("The amount of row 1 (4.00) is not its quantity times its price less discount (6.00).");
        QTest::newRow("wrong key type") << QByteArray(R"({"dueDate":"tomorrow"})") << xml << 1
                                        << QStringLiteral("The key \"dueDate\" must be a date written yyyy-mm-dd.");
        QTest::newRow("unknown key still refused") << QByteArray(R"({"buyerCity":"Cork"})") << xml << 1
                                                   << QStringLiteral("Unknown key \"buyerCity\".");
        QTest::newRow("no output named") << QByteArray("{}") << QStringList() << 1
                                         << QStringLiteral("Usage: tallywick-cli einvoice NUMBER|DOC.json [--xml FILE.xml] [--facturx FILE.pdf]");
    }

    void refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);

        const QString doc = writeFile(m_home.filePath(QStringLiteral("doc.json")), json);
        QVERIFY(!doc.isEmpty());
        QStringList list{QStringLiteral("--locale"), QStringLiteral("en_US"), QStringLiteral("einvoice"), doc};
        for (const QString& argument : arguments)
            list << (argument == QLatin1String("out.xml") ? m_home.filePath(argument) : argument);
        const CliRun run = runCli(list, m_home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errText().contains(message), qPrintable(run.errText()));
        QVERIFY(!QFileInfo::exists(m_home.filePath(QStringLiteral("out.xml"))));
    }

private:
    QTemporaryDir m_home;
};

TW_TEST_MAIN(TestEinvoiceCommand)
#include "tst_EinvoiceCommand.moc"
