#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/ShortDateFormat.h"
#include "editor/DocumentJson.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

// `render` writes the page's date in the short date the user chose, byte for byte as the window does.
class TestRenderShortDate : public QObject
{
    Q_OBJECT

private slots:
    void renderAgreesWithTheWindow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("withLetterhead");
        QTest::addColumn<QByteArray>("dateCell");
        for (const bool withLetterhead : {true, false}) {
            const char* file = withLetterhead ? "letterhead in file" : "letterhead from settings";
            QTest::addRow("en_US regional, %s", file) << "en_US" << QString() << withLetterhead
                                                      << QByteArray("12/4/26");
            QTest::addRow("en_US day-month-year, %s", file)
                << "en_US" << ShortDateFormat::DayMonthYear << withLetterhead << QByteArray("04-Dec-2026");
            QTest::addRow("de_DE regional, %s", file) << "de_DE" << QString() << withLetterhead
                                                      << QByteArray("04.12.26");
            QTest::addRow("de_DE day-month-year, %s", file)
                << "de_DE" << ShortDateFormat::DayMonthYear << withLetterhead << QByteArray("04-Dez.-2026");
        }
    }

    void renderAgreesWithTheWindow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QFETCH(bool, withLetterhead);
        QFETCH(QByteArray, dateCell);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        {
            SettingsStore settings(home.filePath(QStringLiteral("config/Tallywick/Tallywick.conf")));
            settings.save(SettingsStore::DateFormat, setting);
        }
        QFile sample(TestSupport::testData(QStringLiteral("pages/invoice-centred.json")));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QJsonObject json = QJsonDocument::fromJson(sample.readAll()).object();
        if (!withLetterhead)
            json.remove(QStringLiteral("letterhead"));
        const QByteArray bytes = QJsonDocument(json).toJson();
        const QString docPath = home.filePath(QStringLiteral("doc.json"));
        QFile doc(docPath);
        QVERIFY(doc.open(QIODevice::WriteOnly));
        doc.write(bytes);
        doc.close();

        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(TW_CLI_PATH), {QStringLiteral("--locale"), locale, QStringLiteral("render"), docPath});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QByteArray page = cli.readAllStandardOutput();
        QVERIFY2(page.contains("<td valign=\"top\">" + dateCell + "</td></tr>"), page.constData());

        // The window's page: the letterhead read from the settings, date format included.
        Document document = DocumentJson::read(bytes).document;
        document.letterhead.dateFormat = setting;
        ScriptedDialogs dialogs;
        const auto outcome = GenerateCommand::prepare(document, dialogs, PageCaptions{}, QLocale(locale));
        QCOMPARE(page, PageWriter::encode(outcome.page));
    }
};

TW_TEST_MAIN(TestRenderShortDate)
#include "tst_RenderShortDate.moc"
