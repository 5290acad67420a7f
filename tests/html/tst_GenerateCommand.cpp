#include "PageTestSupport.h"
#include "TestSupport.h"
#include "app/Dialogs.h"
#include "html/GenerateCommand.h"
#include "html/PageBuilder.h"
#include "html/PageShower.h"
#include "html/PageWriter.h"

#include <QDir>
#include <QFile>

using namespace PageTestSupport;

Q_DECLARE_METATYPE(GenerateFocus)
Q_DECLARE_METATYPE(DialogIcon)
Q_DECLARE_METATYPE(DialogAnswer)

namespace {

class RecordingShower : public PageShower
{
public:
    void show(const PageShowRequest& request) override { shown.append(request); }
    QList<PageShowRequest> shown;
};

const QString ZeroQuestion =
    QStringLiteral("One or more rows have zero Qty which will NOT be shown in html doc.\r\n\r\nContinue?  ");

Document validDocument()
{
    Document document = plainDocument(2);
    document.chargesAmount = QString();
    return document;
}

} // namespace

class TestGenerateCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString pagePath() const { return m_dir.filePath(QStringLiteral("~document.htm")); }

private slots:
    void init() { QFile::remove(pagePath()); }

    // Only the first failing check is reported, with its icon and the field that gets the focus.
    void checks_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<QString>("chargesName");
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<QString>("text");
        QTest::addColumn<DialogIcon>("icon");
        QTest::addColumn<GenerateFocus>("focus");
        QTest::addColumn<bool>("scroll");
        const QString typeText = QStringLiteral("Please enter a document type to issue.");
        const QString chargesText = QStringLiteral(
            "You have entered a value for \"Charges / Discount\".  A description is required.");
        const QString numberText = QStringLiteral("Please input a Document No.      ");
        const QString none;
        QTest::newRow("blank type first")
            << QStringLiteral("  ") << none << QStringLiteral("5") << none << false << typeText
            << DialogIcon::Exclamation << GenerateFocus::DocType << false;
        QTest::newRow("charges before number")
            << QStringLiteral("Invoice") << none << QStringLiteral("5") << QStringLiteral(" ") << false
            << chargesText << DialogIcon::Exclamation << GenerateFocus::ChargesName << false;
        QTest::newRow("blank number")
            << QStringLiteral("Invoice") << QStringLiteral("   ") << none << none << false << numberText
            << DialogIcon::Critical << GenerateFocus::DocNumber << true;
        QTest::newRow("empty charges pass")
            << QStringLiteral("Invoice") << QStringLiteral("N") << none << none << false << none
            << DialogIcon::None << GenerateFocus::None << false;
        QTest::newRow("zero charges pass")
            << QStringLiteral("Invoice") << QStringLiteral("N") << QStringLiteral("0.00") << none << false
            << none << DialogIcon::None << GenerateFocus::None << false;
        QTest::newRow("money-free: no charges check")
            << QStringLiteral("Invoice") << QStringLiteral("N") << QStringLiteral("5") << none << true << none
            << DialogIcon::None << GenerateFocus::None << false;
        QTest::newRow("money-free: blank number, grid stays")
            << QStringLiteral("Invoice") << none << QStringLiteral("5") << none << true << numberText
            << DialogIcon::Critical << GenerateFocus::DocNumber << false;
        QTest::newRow("money-free: blank type") << none << none << none << none << true << typeText
                                                << DialogIcon::Exclamation << GenerateFocus::DocType << false;
    }

    void checks()
    {
        QFETCH(QString, type);
        QFETCH(QString, number);
        QFETCH(QString, charges);
        QFETCH(QString, chargesName);
        QFETCH(bool, hideMoney);
        QFETCH(QString, text);
        QFETCH(DialogIcon, icon);
        QFETCH(GenerateFocus, focus);
        QFETCH(bool, scroll);
        Document document = validDocument();
        document.docType = type;
        document.docNumber = number;
        document.chargesAmount = charges;
        document.chargesName = chargesName;
        document.options.hideMoney = hideMoney;
        ScriptedDialogs dialogs;
        RecordingShower shower;
        const auto outcome = GenerateCommand(dialogs, shower, pagePath()).run(document);
        QCOMPARE(outcome.focus, focus);
        QCOMPARE(outcome.scrollGridToTop, scroll);
        if (text.isEmpty()) {
            QCOMPARE(outcome.status, GenerateCommand::Status::Shown);
            QVERIFY(dialogs.shown().isEmpty());
            QCOMPARE(shower.shown.size(), 1);
            return;
        }
        QCOMPARE(outcome.status, GenerateCommand::Status::Stopped);
        QCOMPARE(dialogs.shownTexts(), QStringList{text});
        QCOMPARE(dialogs.shown().first().icon, icon);
        QVERIFY(shower.shown.isEmpty());
        QVERIFY(!QFile::exists(pagePath()));
    }

    void zeroQuestion_data()
    {
        QTest::addColumn<bool>("noShowZero");
        QTest::addColumn<QString>("qty");
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        QTest::newRow("asked, yes") << true << QString() << false << DialogAnswer::Yes << true << true;
        QTest::newRow("asked, no stops")
            << true << QStringLiteral("0") << false << DialogAnswer::No << true << false;
        QTest::newRow("money-free asks too")
            << true << QStringLiteral("0") << true << DialogAnswer::No << true << false;
        QTest::newRow("option off: not asked")
            << false << QString() << false << DialogAnswer::No << false << true;
        QTest::newRow("no zero row: not asked")
            << true << QStringLiteral("2") << false << DialogAnswer::No << false << true;
    }

    void zeroQuestion()
    {
        QFETCH(bool, noShowZero);
        QFETCH(QString, qty);
        QFETCH(bool, hideMoney);
        QFETCH(DialogAnswer, answer);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        Document document = validDocument();
        document.rows[1].qty = qty;
        document.options.hideZeroRows = noShowZero;
        document.options.hideMoney = hideMoney;
        ScriptedDialogs dialogs;
        dialogs.setNextAnswer(answer);
        RecordingShower shower;
        GenerateCommand(dialogs, shower, pagePath()).run(document);
        QCOMPARE(dialogs.shown().size(), asked ? 1 : 0);
        if (asked) {
            const DialogRequest& question = dialogs.shown().first();
            QCOMPARE(question.text, ZeroQuestion);
            QCOMPARE(question.buttons, DialogButtons::YesNo);
            QCOMPARE(question.icon, DialogIcon::Exclamation);
            QVERIFY(question.title.isEmpty());
        }
        QCOMPARE(QFile::exists(pagePath()), written);
        QCOMPARE(shower.shown.size(), written ? 1 : 0);
    }

    void writtenFileIsTheEncodedPage()
    {
        Document document = validDocument();
        document.company.currencySymbol = QStringLiteral("\u20ac");
        document.billToName = QStringLiteral("Zo\u00eb \u4e2d");
        ScriptedDialogs dialogs;
        RecordingShower shower;
        const auto outcome = GenerateCommand(dialogs, shower, pagePath()).run(document);
        QCOMPARE(outcome.status, GenerateCommand::Status::Shown);
        const QByteArray bytes = readFile(pagePath());
        QCOMPARE(bytes, PageWriter::encode(outcome.page));
        QVERIFY(bytes.endsWith("</body></html>\r\n"));
        QVERIFY(bytes.contains("Unit Price \x80</th>"));
        QVERIFY(bytes.contains("Zo\xeb &#20013;"));
        QVERIFY(!bytes.contains("\n\n")); // every line break is CR LF
    }

    void everyRunReplacesThePage()
    {
        ScriptedDialogs dialogs;
        RecordingShower shower;
        GenerateCommand command(dialogs, shower, pagePath());
        for (const QString& number : {QStringLiteral("FIRST-1"), QStringLiteral("SECOND-2")}) {
            Document document = validDocument();
            document.docNumber = number;
            QCOMPARE(command.run(document).status, GenerateCommand::Status::Shown);
        }
        const QByteArray bytes = readFile(pagePath());
        QVERIFY(bytes.contains("<title>SECOND-2</title>"));
        QVERIFY(!bytes.contains("FIRST-1"));
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("a<b>") << QByteArray("a<b>\r\n");
        QTest::newRow("latin-1") << QStringLiteral("\u00e9\u00ff") << QByteArray("\xe9\xff\r\n");
        QTest::newRow("windows-1252 extras")
            << QStringLiteral("\u20ac\u2022\u201c\u0178") << QByteArray("\x80\x95\x93\x9f\r\n");
        QTest::newRow("C1 control is a reference") << QStringLiteral("\u0081") << QByteArray("&#129;\r\n");
        QTest::newRow("outside the code page") << QStringLiteral("\u0141") << QByteArray("&#321;\r\n");
        QTest::newRow("beyond the basic plane")
            << QString::fromUcs4(U"\U0001F600") << QByteArray("&#128512;\r\n");
    }

    void encoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(PageWriter::encode(text), bytes);
    }

    void showingFollowsOptions_data()
    {
        QTest::addColumn<bool>("external");
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<bool>("setBorders");
        QTest::newRow("internal viewer") << false << false << true;
        QTest::newRow("external browser") << true << false << true;
        QTest::newRow("money-free leaves the viewer's borders") << false << true << false;
    }

    void showingFollowsOptions()
    {
        QFETCH(bool, external);
        QFETCH(bool, hideMoney);
        QFETCH(bool, setBorders);
        Document document = validDocument();
        document.options.externalBrowser = external;
        document.options.hideMoney = hideMoney;
        document.options.tableBorders = false;
        ScriptedDialogs dialogs;
        RecordingShower shower;
        GenerateCommand(dialogs, shower, pagePath()).run(document);
        QCOMPARE(shower.shown.size(), 1);
        QCOMPARE(shower.shown[0].path, pagePath());
        QCOMPARE(shower.shown[0].external, external);
        QCOMPARE(shower.shown[0].setViewerBorders, setBorders);
        QCOMPARE(shower.shown[0].borders, false);
    }

    void unwritableFileKeepsThePreviousPage_data()
    {
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<DialogIcon>("icon");
        QTest::newRow("page") << false << DialogIcon::Critical;
        QTest::newRow("money-free page: description and number") << true << DialogIcon::None;
    }

    void unwritableFileKeepsThePreviousPage()
    {
        QFETCH(bool, hideMoney);
        QFETCH(DialogIcon, icon);
        // A folder that is a file cannot hold the page, whatever rights the test runs with.
        const QString notAFolder = TestSupport::writeFile(m_dir.filePath(QStringLiteral("not-a-folder")), {});
        QVERIFY(!notAFolder.isEmpty());
        const QString path = notAFolder + QStringLiteral("/~document.htm");
        Document document = validDocument();
        document.options.hideMoney = hideMoney;
        ScriptedDialogs dialogs;
        RecordingShower shower;
        const auto outcome = GenerateCommand(dialogs, shower, path).run(document);
        QCOMPARE(outcome.status, GenerateCommand::Status::Failed);
        QVERIFY(shower.shown.isEmpty());
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().icon, icon);
        QVERIFY(dialogs.shownTexts().first().contains(path));
        if (hideMoney)
            QVERIFY(dialogs.shownTexts().first().contains(QRegularExpression(QStringLiteral(" \\d+$"))));
    }

    void failedWriteLeavesThePreviousFile()
    {
        const QString folder = m_dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/~document.htm");
        QVERIFY(!writeFile(path, "previous page").isEmpty());
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const PageWriter::Result result = PageWriter::write(path, QStringLiteral("new page"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (result.ok)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(readFile(path), QByteArray("previous page"));
    }

    void pageIsBuiltAfterRecalculation()
    {
        // The command builds from the document as the recalculation left it.
        Document document = validDocument();
        ScriptedDialogs dialogs;
        RecordingShower shower;
        const auto outcome = GenerateCommand(dialogs, shower, pagePath()).run(document);
        QCOMPARE(outcome.page, PageBuilder::build(DocumentSnapshot{document, PageCaptions{}, QLocale()}));
    }
};

TW_TEST_MAIN(TestGenerateCommand)
#include "tst_GenerateCommand.moc"
