#include "TestSupport.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "core/ShortDateFormat.h"
#include "core/widgets/ShortDateFormatBox.h"

#include <QCheckBox>
#include <QSignalSpy>

class TestShortDateFormat : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        const QDate dec4(2026, 12, 4);
        QTest::newRow("day-month-year, English") << "en_US" << "dd-MMM-yyyy" << dec4 << "04-Dec-2026";
        QTest::newRow("day-month-year, British") << "en_GB" << "dd-MMM-yyyy" << dec4 << "04-Dec-2026";
        QTest::newRow("day-month-year, leap day") << "en_US" << "dd-MMM-yyyy" << QDate(2028, 2, 29) << "29-Feb-2028";
        QTest::newRow("regional US gets a full year") << "en_US" << "" << dec4 << "12/4/2026";
        QTest::newRow("regional British") << "en_GB" << "" << dec4 << "04/12/2026";
        QTest::newRow("regional German") << "de_DE" << "" << dec4 << "04.12.2026";
        QTest::newRow("unknown setting means regional") << "en_GB" << "yyyy" << dec4 << "04/12/2026";
        QTest::newRow("invalid date") << "en_US" << "dd-MMM-yyyy" << QDate() << "";
    }

    void format()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(ShortDateFormat::format(date, QLocale(locale), setting), expected);
    }

    void readsBackWhatItWrites_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QDate>("date");
        for (const char* locale : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP"}) {
            for (const char* setting : {"", "dd-MMM-yyyy"}) {
                for (const QDate& date : {QDate(2026, 12, 4), QDate(1999, 1, 31), QDate(2049, 7, 1)}) {
                    QTest::addRow("%s %s %s", locale, *setting ? "dmy" : "regional",
                                  qPrintable(date.toString(Qt::ISODate)))
                        << QString::fromLatin1(locale) << QString::fromLatin1(setting) << date;
                }
            }
        }
    }

    // A two-digit year would come back a century early; the round trip guards the purge bounds.
    void readsBackWhatItWrites()
    {
        QFETCH(QString, locale);
        QFETCH(QString, setting);
        QFETCH(QDate, date);
        const QString text = ShortDateFormat::format(date, QLocale(locale), setting);
        QCOMPARE(ShortDateFormat::read(text, QLocale(locale), setting), date);
    }

    void readTakesOnlyADate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QDate>("date");
        QTest::newRow("surrounding blanks") << "  04-Dec-2026 " << "dd-MMM-yyyy" << QDate(2026, 12, 4);
        QTest::newRow("empty") << "" << "dd-MMM-yyyy" << QDate();
        QTest::newRow("words") << "tomorrow" << "dd-MMM-yyyy" << QDate();
        QTest::newRow("no such day") << "31-Feb-2026" << "dd-MMM-yyyy" << QDate();
        QTest::newRow("other format") << "2026-12-04" << "dd-MMM-yyyy" << QDate();
        QTest::newRow("regional month 13") << "13/4/2026" << "" << QDate();
    }

    void readTakesOnlyADate()
    {
        QFETCH(QString, text);
        QFETCH(QString, setting);
        QFETCH(QDate, date);
        QCOMPARE(ShortDateFormat::read(text, QLocale(QStringLiteral("en_US")), setting), date);
    }

    void boxStoresAndShowsTheChoice()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        SettingsStore settings(file);
        ScriptedDialogs dialogs;
        ShortDateFormatBox box(settings, dialogs, nullptr, QLocale(QStringLiteral("en_US")));
        QVERIFY(!box.checkBox()->isChecked());
        QSignalSpy changed(&box, &ShortDateFormatBox::formatChanged);

        box.checkBox()->click();
        SettingsStore reread(file);
        QCOMPARE(reread.get(SettingsStore::DateFormat), QStringLiteral("dd-MMM-yyyy"));
        QVERIFY(ShortDateFormatBox(reread, dialogs).checkBox()->isChecked()); // a new box shows the stored choice
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("dd-MMM-yyyy"));
        QVERIFY(box.sampleText().contains(
            QLocale(QStringLiteral("en_US")).toString(QDate::currentDate(), QStringLiteral("dd-MMM-yyyy"))));

        box.checkBox()->click();
        QCOMPARE(SettingsStore(file).get(SettingsStore::DateFormat), QString());
        QCOMPARE(changed.last().first().toString(), QStringLiteral("M/d/yyyy"));
    }
};

TW_TEST_MAIN(TestShortDateFormat)
#include "tst_ShortDateFormat.moc"
