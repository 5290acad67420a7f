#include "TestSupport.h"
#include "app/SettingsStore.h"

#include <QSettings>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void absentKeysReadEmpty_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString& key : {SettingsStore::CompanyDatabase, SettingsStore::CompanyLogoPath,
                                   SettingsStore::Layout, SettingsStore::AlignLeft, SettingsStore::AddressRight,
                                   SettingsStore::BillToTerm, SettingsStore::MultiLine, SettingsStore::HtmlLines})
            QTest::newRow(qPrintable(key)) << key;
    }

    void absentKeysReadEmpty()
    {
        QFETCH(QString, key);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        QCOMPARE(settings.get(key), QString());
    }

    void valuesSurviveAReopen_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QStringLiteral("To:");
        QTest::newRow("empty clears") << QString();
        QTest::newRow("path with blanks") << QStringLiteral("/home/a b/logo.jpg");
        QTest::newRow("unicode") << QStringLiteral("Kunde: Müller €");
        QTest::newRow("comma list stays one text") << QStringLiteral("a,b,c");
    }

    void valuesSurviveAReopen()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        {
            SettingsStore settings(file);
            settings.save(SettingsStore::BillToTerm, QStringLiteral("old"));
            settings.save(SettingsStore::BillToTerm, value);
        }
        SettingsStore again(file);
        QCOMPARE(again.get(SettingsStore::BillToTerm), value);
    }

    void keysLiveInTheSettingsGroup()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        SettingsStore(file).save(SettingsStore::HtmlLines, QStringLiteral("7"));
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Settings/HtmlLines")).toString(), QStringLiteral("7"));
    }

    void damagedValueReadsAsText()
    {
        QTemporaryDir dir;
        const QString file = TestSupport::writeFile(
            dir.filePath(QStringLiteral("s.ini")),
            "[Settings]\nLayout=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x12junk)\nHtmlLines=\n\x01\x02garbage\n");
        SettingsStore settings(file);
        settings.get(SettingsStore::Layout);  // must not crash
        QCOMPARE(settings.get(SettingsStore::HtmlLines), QString());
    }
};

TW_TEST_MAIN(TestSettingsStore)
#include "tst_SettingsStore.moc"
