#include "WindowFixture.h"
#include "core/ShortDateFormat.h"
#include "documents/StoreFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>

// The document date, the purge period and the saved-document list show their days in the program's
// short date, and follow the choice on the settings page at once.
class TestDatePickers : public QObject
{
    Q_OBJECT

private slots:
    void pickersFollowTheShortDate_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<bool>("dayMonthYear");
        QTest::newRow("regional as started") << QString() << false << false;
        QTest::newRow("day-month-year as started") << ShortDateFormat::DayMonthYear << false << true;
        QTest::newRow("regional, then ticked") << QString() << true << true;
        QTest::newRow("day-month-year, then unticked") << ShortDateFormat::DayMonthYear << true << false;
    }

    void pickersFollowTheShortDate()
    {
        QFETCH(QString, stored);
        QFETCH(bool, toggle);
        QFETCH(bool, dayMonthYear);
        WindowFixture f;
        f.settings.save(SettingsStore::DateFormat, stored);
        const QDate day(2026, 12, 4); // the sample document's date
        f.database.create(f.defaultDatabase());
        const Document saved = sampleDocument(QStringLiteral("INV-1"), 1);
        QVERIFY(f.database.execute(DocStatements::insertRow(saved, 0, day, f.database.locale()).sql).ok);
        QVERIFY(f.make().load(f.defaultDatabase()));
        f.find<QAction>("mnusettings")->trigger(); // the purge period's pickers are on the settings panel
        if (toggle)
            f.find<QCheckBox>("chkDateFormat")->toggle();
        auto* list = f.find<QComboBox>("cboDocNumber");
        QTRY_COMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0).contains(QStringLiteral("04-Dec-2026")), dayMonthYear);
        for (const char* name : {"DTPicker1", "DTPfrom", "DTPto"}) {
            auto* picker = f.find<QDateEdit>(name);
            QVERIFY2(picker, name);
            picker->setDate(day);
            const QString expected = dayMonthYear ? QStringLiteral("dd-MMM-yyyy")
                                                  : ShortDateFormat::pattern(picker->locale(), QString());
            QCOMPARE(picker->displayFormat(), expected);
            QCOMPARE(picker->text(), ShortDateFormat::format(day, picker->locale(), f.settings));
            QCOMPARE(picker->date(), day);
        }
    }
};

TW_TEST_MAIN(TestDatePickers)
#include "tst_DatePickers.moc"
