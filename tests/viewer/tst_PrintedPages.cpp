#include "CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace {

using namespace TestSupport;

// A document of `rows` numbered rows of `lines` description lines each with the default 22 page rows,
// a note and, for the money-free page, the balance line.
QByteArray documentJson(int rows, bool moneyFree, bool borders, int lines)
{
    QJsonArray items;
    for (int row = 1; row <= rows; ++row) {
        QString description = QStringLiteral("Widget number %1").arg(row);
        for (int line = 2; line <= lines; ++line)
            description += QStringLiteral("\r\nline %1").arg(line);
        items.append(QJsonObject{{QStringLiteral("productId"), QStringLiteral("P%1q").arg(row, 3, 10, QLatin1Char('0'))},
                                 {QStringLiteral("description"), description},
                                 {QStringLiteral("qty"), QStringLiteral("2")},
                                 {QStringLiteral("price"), QStringLiteral("4.50")}});
    }
    const QJsonObject document{
        {QStringLiteral("docType"), moneyFree ? QStringLiteral("Delivery Order") : QStringLiteral("Invoice")},
        {QStringLiteral("docNumber"), QStringLiteral("INV-%1").arg(rows)},
        {QStringLiteral("billTo"), QJsonObject{{QStringLiteral("term"), QStringLiteral("To:")},
                                              {QStringLiteral("name"), QStringLiteral("O'Brien Ltd")},
                                              {QStringLiteral("address"), QStringLiteral("1 Quay St\r\nCork")}}},
        {QStringLiteral("rows"), items},
        {QStringLiteral("notes"), QStringLiteral("Thank you")},
        {QStringLiteral("pageRows"), QStringLiteral("22")},
        {QStringLiteral("options"), QJsonObject{{QStringLiteral("hideMoney"), moneyFree},
                                               {QStringLiteral("showBalanceOnly"), moneyFree},
                                               {QStringLiteral("tableBorders"), borders}}},
        {QStringLiteral("company"), QJsonObject{{QStringLiteral("name"), QString::fromUtf8("Zoë's Bakery")},
                                               {QStringLiteral("address"), QStringLiteral("Main St 1")},
                                               {QStringLiteral("currencySymbol"), QStringLiteral("$")},
                                               {QStringLiteral("taxName"), QStringLiteral("VAT")},
                                               {QStringLiteral("taxPercent"), QStringLiteral("7")}}}};
    return QJsonDocument(document).toJson();
}

QByteArray tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

QString pageText(const QString& pdf, int page)
{
    const QString number = QString::number(page);
    return QString::fromUtf8(tool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                                                number, pdf, QStringLiteral("-")}));
}

QString infoField(const QByteArray& info, const char* field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(info)).captured(1).trimmed();
}

// The page as a grey map, one byte a pixel, from pdftoppm's PGM.
struct Grey
{
    int width = 0;
    int height = 0;
    QByteArray pixels;
    bool dark(int x, int y) const { return quint8(pixels[qsizetype(y) * width + x]) < 160; }
    // The rightmost dark pixel of line y, -1 when there is none.
    int rightmostDark(int y) const
    {
        for (int x = width - 1; x >= 0; --x)
            if (dark(x, y))
                return x;
        return -1;
    }
};

Grey render(const QString& pdf, int dotsPerInch)
{
    const QByteArray pgm = tool(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"),
                                                             QString::number(dotsPerInch), QStringLiteral("-f"),
                                                             QStringLiteral("1"), QStringLiteral("-l"),
                                                             QStringLiteral("1"), pdf});
    Grey grey;
    const QList<QByteArray> header = pgm.left(64).simplified().split(' ');
    if (header.size() < 4 || header[0] != "P5")
        return grey;
    grey.width = header[1].toInt();
    grey.height = header[2].toInt();
    grey.pixels = pgm.right(qsizetype(grey.width) * grey.height);
    return grey;
}

} // namespace

// The document as `render --pdf` prints it, read back as a customer would: poppler's tools.
class TestPrintedPages : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    QString printed(int rows, bool moneyFree, const QString& paper, bool borders = true, int lines = 1)
    {
        const QString name = QStringLiteral("%1-%2-%3-%4-%5").arg(rows).arg(moneyFree).arg(paper).arg(borders).arg(lines);
        const QString json = writeFile(m_home.filePath(name + QStringLiteral(".json")),
                                       documentJson(rows, moneyFree, borders, lines));
        const QString pdf = m_home.filePath(name + QStringLiteral(".pdf"));
        const CliRun run = runCli({QStringLiteral("--locale"), QStringLiteral("en_US"), QStringLiteral("render"), json,
                                   QStringLiteral("--pdf"), pdf, QStringLiteral("--paper"), paper},
                                  m_home.path());
        return run.exitCode == 0 ? pdf : QString();
    }

private slots:
    void pagesAsTheCustomerSeesThem_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("moneyFree");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        for (const bool moneyFree : {false, true}) {
            for (const char* paper : {"a4", "letter"}) {
                const bool letter = QByteArray(paper) == "letter";
                // Up to a fifth more than a sheet is shrunk onto it; the most rows, two lines each, flow.
                for (const auto& [rows, lines, pages] :
                     {std::tuple{1, 1, 1}, {3, 1, 1}, {22, 1, 1}, {23, 1, 1}, {65, 2, letter ? 4 : 3}})
                    QTest::addRow("%d rows of %d lines, %s%s", rows, lines, paper, moneyFree ? ", money-free" : "")
                        << rows << moneyFree << QString::fromLatin1(paper) << lines << pages;
            }
        }
    }

    void pagesAsTheCustomerSeesThem()
    {
        QFETCH(int, rows);
        QFETCH(bool, moneyFree);
        QFETCH(QString, paper);
        QFETCH(int, lines);
        QFETCH(int, pages);
        const QString pdf = printed(rows, moneyFree, paper, true, lines);
        QVERIFY(!pdf.isEmpty());
        const QByteArray info = tool(QStringLiteral("pdfinfo"), {pdf});
        QCOMPARE(infoField(info, "Pages").toInt(), pages);
        QVERIFY2(infoField(info, "Page size").contains(paper == QLatin1String("a4") ? QLatin1String("(A4)")
                                                                                  : QLatin1String("(letter)")),
                 info.constData());
        QCOMPARE(infoField(info, "Title"), QStringLiteral("INV-%1").arg(rows));
        QCOMPARE(infoField(info, "Author"), QString::fromUtf8("Zoë's Bakery"));
        const QString fonts = QString::fromUtf8(tool(QStringLiteral("pdffonts"), {pdf}));
        QVERIFY(fonts.count(QLatin1Char('\n')) > 2);
        for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2)) {
            if (!line.trimmed().isEmpty())
                QVERIFY2(line.contains(QRegularExpression(QStringLiteral("\\byes\\s+yes\\s+yes\\b"))), qPrintable(line));
        }

        // Every sheet with item rows starts with the header row; the notes and the footer may follow
        // on a sheet of their own.
        QString all;
        int balancePage = 0;
        for (int page = 1; page <= pages; ++page) {
            const QString text = pageText(pdf, page);
            const bool items = text.contains(QRegularExpression(QStringLiteral("P\\d{3}q")));
            QVERIFY2(!items || (text.contains(QLatin1String("Prod ID")) && text.contains(QLatin1String("Description"))),
                     qPrintable(QStringLiteral("header missing on page %1").arg(page)));
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QStringLiteral("page %1 is empty").arg(page)));
            balancePage = text.contains(QLatin1String("Balance")) ? page : balancePage;
            all += text;
        }
        QVERIFY2(pageText(pdf, pages).contains(QLatin1String("Created with Tallywick")), "footer not on the last page");
        QVERIFY(balancePage > 0);
        for (int row = 1; row <= rows; ++row)
            QCOMPARE(all.count(QStringLiteral("P%1q").arg(row, 3, 10, QLatin1Char('0'))), 1);
        // The totals share their sheet with the last item row.
        QVERIFY(pageText(pdf, balancePage).contains(QStringLiteral("P%1q").arg(rows, 3, 10, QLatin1Char('0'))));
        if (pages == 1)
            QVERIFY(all.contains(QLatin1String("Balance")) && all.contains(QLatin1String("Created with Tallywick")));
    }

    // A break that would leave the totals alone on a sheet moves the last item row over with them.
    void totalsNeverStandAlone_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("paper");
        // Rows of two lines each, around the counts where the first sheet fills up.
        for (int rows = 20; rows <= 23; ++rows)
            QTest::addRow("%d rows, A4", rows) << rows << QStringLiteral("a4");
        for (int rows = 18; rows <= 21; ++rows)
            QTest::addRow("%d rows, letter", rows) << rows << QStringLiteral("letter");
    }

    void totalsNeverStandAlone()
    {
        QFETCH(int, rows);
        QFETCH(QString, paper);
        const QString pdf = printed(rows, false, paper, true, 2);
        QVERIFY(!pdf.isEmpty());
        const int pages = infoField(tool(QStringLiteral("pdfinfo"), {pdf}), "Pages").toInt();
        for (int page = 1; page <= pages; ++page) {
            const QString text = pageText(pdf, page);
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("P\\d{3}q"))) == text.contains(QLatin1String("Prod ID")),
                     qPrintable(QStringLiteral("page %1 has a header without rows").arg(page)));
            if (text.contains(QLatin1String("SubTotal")))
                QVERIFY(text.contains(QStringLiteral("P%1q").arg(rows, 3, 10, QLatin1Char('0'))));
        }
    }

    // The item table's right border runs down the whole table, rows with fewer cells included.
    void rightBorderRunsTheWholeTable_data()
    {
        QTest::addColumn<bool>("moneyFree");
        QTest::addColumn<bool>("borders");
        QTest::newRow("priced, borders") << false << true;
        QTest::newRow("priced, no borders") << false << false;
        QTest::newRow("money-free, borders") << true << true;
        QTest::newRow("money-free, no borders") << true << false;
    }

    void rightBorderRunsTheWholeTable()
    {
        QFETCH(bool, moneyFree);
        QFETCH(bool, borders);
        const Grey page = render(printed(3, moneyFree, QStringLiteral("a4"), borders), 72);
        QVERIFY(page.width > 0);
        // The table's right edge is the rightmost ink on the sheet; its left border is the leftmost.
        int right = -1;
        for (int y = 0; y < page.height; ++y)
            right = std::max(right, page.rightmostDark(y));
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < page.height; ++y) {
            if (page.rightmostDark(y) >= right - 2) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        // Filler rows fill most of the table: it stands tall, and its edge is drawn all the way.
        QVERIFY2(bottom - top > page.height / 3, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
        int gaps = 0;
        for (int y = top; y <= bottom; ++y)
            gaps += page.rightmostDark(y) < right - 2 ? 1 : 0;
        QVERIFY2(gaps <= 2, qPrintable(QStringLiteral("%1 lines without the right border").arg(gaps)));
    }

    void paperOptionIsChecked()
    {
        const QString json = writeFile(m_home.filePath(QStringLiteral("paper.json")), documentJson(1, false, true, 1));
        const CliRun run = runCli({QStringLiteral("render"), json, QStringLiteral("--pdf"),
                                   m_home.filePath(QStringLiteral("x.pdf")), QStringLiteral("--paper"),
                                   QStringLiteral("a3")},
                                  m_home.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("--paper takes a4 or letter."), run.err.constData());
        QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("x.pdf"))));
    }
};

TW_TEST_MAIN(TestPrintedPages)
#include "tst_PrintedPages.moc"
