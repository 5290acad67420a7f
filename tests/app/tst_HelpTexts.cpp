#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/HelpTexts.h"
#include "app/widgets/HelpButton.h"

#include <QSet>

class TestHelpTexts : public QObject
{
    Q_OBJECT

private slots:
    void keysAreUniqueControlNames()
    {
        const QStringList keys = HelpTexts::keys();
        QVERIFY(keys.size() >= 20);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        for (const QString& key : keys) {
            QVERIFY2(key.startsWith(QStringLiteral("cmd")) && key.endsWith(QStringLiteral("help")),
                     qPrintable(key));
        }
    }

    void everyTextIsShowable_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString& key : HelpTexts::keys())
            QTest::newRow(qPrintable(key)) << key;
    }

    // Message boxes break lines on CR LF; a bare LF or CR would show as a stray character elsewhere.
    void everyTextIsShowable()
    {
        QFETCH(QString, key);
        const QString text = HelpTexts::text(key);
        QVERIFY(!text.trimmed().isEmpty());
        QString rest = text;
        rest.remove(QStringLiteral("\r\n"));
        QVERIFY2(!rest.contains(QLatin1Char('\n')) && !rest.contains(QLatin1Char('\r')), qPrintable(key));
        QVERIFY2(!text.startsWith(QStringLiteral("\r\n")), qPrintable(key));
    }

    void unknownKeyHasNoText_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown") << QStringLiteral("cmdnosuchhelp");
        QTest::newRow("case differs") << HelpTexts::CreateRows.toUpper();
    }

    void unknownKeyHasNoText()
    {
        QFETCH(QString, key);
        QCOMPARE(HelpTexts::text(key), QString());
    }

    void buttonShowsItsTextAsInformation()
    {
        ScriptedDialogs dialogs;
        HelpButton button(HelpTexts::Calculate, dialogs);
        QCOMPARE(button.objectName(), QStringLiteral("cmdcalculatehelp"));
        QCOMPARE(button.text(), QStringLiteral("?"));
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        button.click();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().icon, DialogIcon::Information);
        QCOMPARE(dialogs.shown().first().buttons, DialogButtons::Ok);
        QCOMPARE(dialogs.shown().first().title, Dialogs::applicationTitle());
        QCOMPARE(dialogs.shown().first().text, HelpTexts::text(HelpTexts::Calculate));
    }

    void buttonWithUnknownKeyShowsNothing()
    {
        ScriptedDialogs dialogs;
        HelpButton button(QStringLiteral("cmdnosuchhelp"), dialogs);
        button.click();
        QVERIFY(dialogs.shown().isEmpty());
    }
};

TW_TEST_MAIN(TestHelpTexts)
#include "tst_HelpTexts.moc"
