#include "TestSupport.h"

#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

class Cli
{
public:
    Run operator()(QStringList arguments) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        arguments.prepend(QStringLiteral("en_US"));
        arguments.prepend(QStringLiteral("--locale"));
        process.start(QStringLiteral(TW_CLI_PATH), arguments);
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString writeDocument(const QString& name, const QByteArray& json) const
    {
        const QString path = home.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(json);
        return path;
    }

    QTemporaryDir home;
};

const QByteArray kDocument =
    "{\"docType\":\"Invoice\",\"docNumber\":\" INV-7 \",\"docDate\":\"2026-12-04\","
    "\"billTo\":{\"term\":\"To:\",\"name\":\"O'Brien\",\"address\":\"1 Quay St\\r\\nCork\"},"
    "\"rows\":[{\"productId\":\"A-1\",\"description\":\"{\\\\rtf1 a | # }\",\"qty\":\"2\","
    "\"price\":\"1,250.00\",\"discount\":\"0\",\"amount\":\"2,500.00\"},{}]}";

} // namespace

class TestCliDocuments : public QObject
{
    Q_OBJECT

private slots:
    void saveListShowDelete()
    {
        Cli cli;
        const QString doc = cli.writeDocument(QStringLiteral("doc.json"), kDocument);
        const Run saved = cli({QStringLiteral("save"), doc});
        QCOMPARE(saved.exitCode, 0);
        QVERIFY(saved.err.contains(QStringLiteral("Values updated and new document successfully saved.")));

        const Run again = cli({QStringLiteral("save"), doc});  // nothing open on the command line: asked, refused
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.err.contains(QStringLiteral("has been used by a previous document")));

        const Run list = cli({QStringLiteral("list"), QStringLiteral("--order"), QStringLiteral("cus")});
        QCOMPARE(list.exitCode, 0);
        const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("1 files"));
        QVERIFY(lines.last().startsWith(QStringLiteral("INV-7 ")));
        QVERIFY(lines.last().endsWith(QStringLiteral("O'Brien              1 Quay St")));

        const Run shown = cli({QStringLiteral("show"), QStringLiteral("INV-7")});
        QCOMPARE(shown.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        QCOMPARE(json.value(QStringLiteral("docNumber")).toString(), QStringLiteral("INV-7"));
        QCOMPARE(json.value(QStringLiteral("rows")).toArray().size(), 2);

        QCOMPARE(cli({QStringLiteral("delete"), QStringLiteral("INV-7")}).exitCode, 2);
        QCOMPARE(cli({QStringLiteral("--yes"), QStringLiteral("delete"), QStringLiteral("INV-7")}).exitCode, 0);
        const Run missing = cli({QStringLiteral("show"), QStringLiteral("INV-7")});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.err.contains(QStringLiteral("There is no record of this document number.")));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("save without file") << QStringList{QStringLiteral("save")};
        QTest::newRow("unknown order") << QStringList{QStringLiteral("list"), QStringLiteral("--order"), QStringLiteral("size")};
        QTest::newRow("purge bad date") << QStringList{QStringLiteral("purge"), QStringLiteral("4-Dec-2026"), QStringLiteral("2026-12-05")};
        QTest::newRow("compact with argument") << QStringList{QStringLiteral("compact"), QStringLiteral("now")};
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(Cli()(arguments).exitCode, 1);
    }

    void purgeAndCompact()
    {
        Cli cli;
        QCOMPARE(cli({QStringLiteral("save"), cli.writeDocument(QStringLiteral("d.json"), kDocument)}).exitCode, 0);
        QCOMPARE(cli({QStringLiteral("purge"), QStringLiteral("2026-12-04"), QStringLiteral("2026-12-04")}).exitCode, 2);
        QCOMPARE(cli({QStringLiteral("list")}).out.split(QLatin1Char('\n')).first(), QStringLiteral("1 files"));
        QCOMPARE(cli({QStringLiteral("--yes"), QStringLiteral("purge"), QStringLiteral("2026-12-04"), QStringLiteral("2026-12-04")}).exitCode, 0);
        QCOMPARE(cli({QStringLiteral("list")}).out.split(QLatin1Char('\n')).first(), QStringLiteral("0 files"));
        const Run compacted = cli({QStringLiteral("compact")});
        QCOMPARE(compacted.exitCode, 0);
        QVERIFY(compacted.err.contains(QStringLiteral(" has been successfully compacted.")));
    }
};

TW_TEST_MAIN(TestCliDocuments)
#include "tst_CliDocuments.moc"
