#include "PageTestSupport.h"
#include "TestSupport.h"
#include "core/Dialogs.h"
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

struct RecordingShower : PageShower
{
    void show(const PageShowRequest& request) override { shown.append(request); }
    QList<PageShowRequest> shown;
};

} // namespace

class TestGenerateCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    RecordingShower m_shower;
    QString pagePath() const { return m_dir.filePath(QStringLiteral("~document.htm")); }
    GenerateCommand::Outcome run(Document document, const QString& path = {})
    {
        return GenerateCommand(m_dialogs, m_shower, path.isEmpty() ? pagePath() : path).run(document);
    }

private slots:
    void init()
    {
        QFile::remove(pagePath());
        m_dialogs.clear();
        m_shower.shown.clear();
    }

    // Only the first failing check is reported, with its icon and the field that gets the focus.
    void checks_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<QString>("text");
        QTest::addColumn<DialogIcon>("icon");
        QTest::addColumn<GenerateFocus>("focus");
        QTest::addColumn<bool>("scroll");
        const QString typeText = QStringLiteral("Please enter a document type to issue.");
        const QString chargesText = QStringLiteral(
            "You have entered a value for \"Charges / Discount\".  A description is required.");
        const QString numberText = QStringLiteral("Please input a Document No.      ");
        using I = DialogIcon;
        using F = GenerateFocus;
        QTest::newRow("blank type first") << "  " << "" << "5" << false << typeText << I::Exclamation << F::DocType
                                          << false;
        QTest::newRow("charges before number") << "Invoice" << "" << "5" << false << chargesText << I::Exclamation
                                               << F::ChargesName << false;
        QTest::newRow("blank number") << "Invoice" << "   " << "" << false << numberText << I::Critical
                                      << F::DocNumber << true;
        QTest::newRow("zero charges pass") << "Invoice" << "N" << "0.00" << false << "" << I::None << F::None
                                           << false;
        QTest::newRow("money-free: no charges check, grid stays") << "Invoice" << "" << "5" << true << numberText
                                                                  << I::Critical << F::DocNumber << false;
    }

    void checks()
    {
        QFETCH(QString, type);
        QFETCH(QString, number);
        QFETCH(QString, charges);
        QFETCH(bool, hideMoney);
        QFETCH(QString, text);
        QFETCH(DialogIcon, icon);
        QFETCH(GenerateFocus, focus);
        QFETCH(bool, scroll);
        Document document = plainDocument(2);
        document.docType = type;
        document.docNumber = number;
        document.chargesAmount = charges;
        document.chargesName = QStringLiteral(" "); // blank: only the charges amount decides
        document.options.hideMoney = hideMoney;
        const auto outcome = run(document);
        QCOMPARE(outcome.focus, focus);
        QCOMPARE(outcome.scrollGridToTop, scroll);
        const bool shown = text.isEmpty();
        QCOMPARE(outcome.status, shown ? GenerateCommand::Status::Shown : GenerateCommand::Status::Stopped);
        QCOMPARE(m_dialogs.shownTexts(), shown ? QStringList() : QStringList{text});
        if (!shown)
            QCOMPARE(m_dialogs.shown().first().icon, icon);
        QCOMPARE(m_shower.shown.size(), shown ? 1 : 0);
        QCOMPARE(QFile::exists(pagePath()), shown);
    }

    void zeroQuestion_data()
    {
        QTest::addColumn<bool>("noShowZero");
        QTest::addColumn<QString>("qty");
        QTest::addColumn<bool>("hideMoney");
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::newRow("asked, yes") << true << "" << false << DialogAnswer::Yes << true;
        QTest::newRow("money-free asks too") << true << "0" << true << DialogAnswer::No << true;
        QTest::newRow("option off: not asked") << false << "" << false << DialogAnswer::No << false;
        QTest::newRow("no zero row: not asked") << true << "2" << false << DialogAnswer::No << false;
    }

    void zeroQuestion()
    {
        QFETCH(bool, noShowZero);
        QFETCH(QString, qty);
        QFETCH(bool, hideMoney);
        QFETCH(DialogAnswer, answer);
        QFETCH(bool, asked);
        Document document = plainDocument(2);
        document.rows[1].qty = qty;
        document.options.hideZeroRows = noShowZero;
        document.options.hideMoney = hideMoney;
        m_dialogs.setNextAnswer(answer);
        run(document);
        QCOMPARE(m_dialogs.shown().size(), asked ? 1 : 0);
        if (asked) {
            const DialogRequest& question = m_dialogs.shown().first();
            QCOMPARE(question.text, QStringLiteral("One or more rows have zero Qty which will NOT be shown in html "
                                                   "doc.\r\n\r\nContinue?  "));
            QCOMPARE(question.buttons, DialogButtons::YesNo);
            QCOMPARE(question.icon, DialogIcon::Exclamation);
            QVERIFY(question.title.isEmpty());
        }
        const bool written = !asked || answer == DialogAnswer::Yes;
        QCOMPARE(QFile::exists(pagePath()), written);
        QCOMPARE(m_shower.shown.size(), written ? 1 : 0);
    }

    // Each run replaces the file with the encoded page of the recalculated document.
    void writtenFileIsTheEncodedPage()
    {
        Document first = plainDocument(2);
        first.docNumber = QStringLiteral("FIRST-1");
        QCOMPARE(run(first).status, GenerateCommand::Status::Shown);
        Document document = plainDocument(2);
        document.company.currencySymbol = QStringLiteral("\u20ac");
        document.billToName = QStringLiteral("Zo\u00eb \u4e2d");
        const auto outcome = GenerateCommand(m_dialogs, m_shower, pagePath()).run(document); // recalculates
        QCOMPARE(outcome.status, GenerateCommand::Status::Shown);
        QCOMPARE(outcome.page, PageBuilder::build(DocumentSnapshot{document, PageCaptions{}, QLocale()}));
        const QByteArray bytes = readFile(pagePath());
        QCOMPARE(bytes, PageWriter::encode(outcome.page));
        QVERIFY(!bytes.contains("FIRST-1"));
        QVERIFY(bytes.endsWith("</body></html>\r\n"));
        QVERIFY(bytes.contains("Unit Price \x80</th>"));
        QVERIFY(bytes.contains("Zo\xeb &#20013;"));
        QVERIFY(!bytes.contains("\n\n")); // every line break is CR LF
    }

    // The money-free page leaves the viewer's borders as they are.
    void showingFollowsOptions_data()
    {
        QTest::addColumn<bool>("external");
        QTest::addColumn<bool>("hideMoney");
        QTest::newRow("internal viewer") << false << false;
        QTest::newRow("external browser") << true << false;
        QTest::newRow("money-free") << false << true;
    }

    void showingFollowsOptions()
    {
        QFETCH(bool, external);
        QFETCH(bool, hideMoney);
        Document document = plainDocument(2);
        document.options.externalBrowser = external;
        document.options.hideMoney = hideMoney;
        document.options.tableBorders = false;
        run(document);
        QCOMPARE(m_shower.shown.size(), 1);
        const PageShowRequest& shown = m_shower.shown[0];
        QCOMPARE(shown.path, pagePath());
        QCOMPARE(shown.external, external);
        QCOMPARE(shown.setViewerBorders, !hideMoney);
        QCOMPARE(shown.borders, false);
    }

    // The money-free page reports a plain message with the error's description and number.
    void unwritableFileKeepsThePreviousPage_data()
    {
        QTest::addColumn<bool>("hideMoney");
        QTest::newRow("page") << false;
        QTest::newRow("money-free page") << true;
    }

    void unwritableFileKeepsThePreviousPage()
    {
        QFETCH(bool, hideMoney);
        // A folder that is a file cannot hold the page, whatever rights the test runs with.
        const QString notAFolder = writeFile(m_dir.filePath(QStringLiteral("not-a-folder")), {});
        QVERIFY(!notAFolder.isEmpty());
        const QString path = notAFolder + QStringLiteral("/~document.htm");
        Document document = plainDocument(2);
        document.options.hideMoney = hideMoney;
        QCOMPARE(run(document, path).status, GenerateCommand::Status::Failed);
        QVERIFY(m_shower.shown.isEmpty());
        QCOMPARE(m_dialogs.shown().size(), 1);
        QCOMPARE(m_dialogs.shown().first().icon, hideMoney ? DialogIcon::None : DialogIcon::Critical);
        QVERIFY(m_dialogs.shownTexts().first().contains(path));
        if (hideMoney)
            QVERIFY(m_dialogs.shownTexts().first().contains(QRegularExpression(QStringLiteral(" \\d+$"))));
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
};

TW_TEST_MAIN(TestGenerateCommand)
#include "tst_GenerateCommand.moc"
