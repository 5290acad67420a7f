#include "ViewerTestMain.h"

#include "editor/DocumentJson.h"
#include "viewer/PdfPages.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList& arguments, const QString& home)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TW_CLI_PATH), QStringList{QStringLiteral("--locale"), QStringLiteral("en_US"),
                                                           QStringLiteral("render")} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString writeDocument(const QTemporaryDir& dir, int rows, const QString& number = QStringLiteral("INV-90"))
{
    Document document;
    document.docNumber = number;
    document.company.name = QStringLiteral("Norvane Trading");
    for (int row = 1; row <= rows; ++row) {
        DocumentRow line;
        line.serial = QString::number(row);
        line.description = QStringLiteral("Part%1z").arg(row);
        line.qty = QStringLiteral("1");
        line.price = QStringLiteral("2.00");
        document.rows.append(line);
    }
    const QString path = dir.filePath(QStringLiteral("doc.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(DocumentJson::write(document));
    return path;
}

QString pdfText(const QString& pdfFile, int* pageCount)
{
    QFile file(pdfFile);
    PdfPages pages;
    if (!file.open(QIODevice::ReadOnly) || !pages.load(file.readAll()))
        return {};
    *pageCount = pages.pageCount();
    QString text;
    for (int page = 0; page < pages.pageCount(); ++page)
        text += pages.text(page);
    // The extraction sometimes puts each glyph of a word on its own line; the words are what count.
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class TestRenderPdfCommand : public QObject
{
    Q_OBJECT

private slots:
    void everyRowOfALongDocumentIsPrinted()
    {
        QTemporaryDir home;
        const QString doc = writeDocument(home, 90);
        const QString pdf = home.filePath(QStringLiteral("out.pdf"));
        const QString page = home.filePath(QStringLiteral("page.htm"));
        const Run run = runCli({doc, QStringLiteral("--pdf"), pdf, QStringLiteral("-o"), page}, home.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.out.isEmpty()); // the page goes to standard output only when no file is asked for
        int pages = 0;
        const QString text = pdfText(pdf, &pages);
        QVERIFY(pages >= 2);
        QVERIFY(text.contains(QStringLiteral("INV-90")));
        for (int row = 1; row <= 90; ++row)
            QVERIFY2(text.contains(QStringLiteral("Part%1z").arg(row)), qPrintable(QString::number(row)));

        // -o beside --pdf still writes exactly the page that -o alone writes.
        QFile written(page);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const Run alone = runCli({doc}, home.path());
        QCOMPARE(written.readAll(), alone.out);
    }

    void failuresWriteNoPdf_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("pdfName"); // "" gives --pdf no file name
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unwritable place") << QStringLiteral("N1") << QStringLiteral("missing/out.pdf") << 3
                                          << QByteArray("Cannot write");
        QTest::newRow("no document number") << QStringLiteral(" ") << QStringLiteral("out.pdf") << 2
                                            << QByteArray("Please input a Document No.");
        QTest::newRow("no file name") << QStringLiteral("N1") << QString() << 1 << QByteArray("--pdf needs a file name.");
    }

    void failuresWriteNoPdf()
    {
        QFETCH(QString, number);
        QFETCH(QString, pdfName);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        QTemporaryDir home;
        const QString doc = writeDocument(home, 2, number);
        QStringList arguments{doc, QStringLiteral("--pdf")};
        if (!pdfName.isEmpty())
            arguments << home.filePath(pdfName);
        const Run run = runCli(arguments, home.path());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QVERIFY(run.out.isEmpty());
        QVERIFY(pdfName.isEmpty() || !QFile::exists(home.filePath(pdfName)));
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("out.pdf"))));
    }
};

TW_VIEWER_TEST_MAIN(TestRenderPdfCommand)
#include "tst_RenderPdfCommand.moc"
