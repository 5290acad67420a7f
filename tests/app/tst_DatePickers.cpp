#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/ShortDateFormat.h"
#include "app/widgets/MainWindow.h"
#include "documents/StoreFixture.h"
#include "store/Database.h"

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
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        settings.save(SettingsStore::DateFormat, stored);
        const QDate day(2026, 12, 4);
        Database database;
        database.create(dir.filePath(QStringLiteral("docs.mdb")));
        Document saved = sampleDocument(QStringLiteral("INV-1"), 1);
        saved.docDate = day;
        QVERIFY(database.execute(DocStatements::insertRow(saved, 0, day, database.locale()).sql).ok);
        ScriptedDialogs dialogs;
        MainWindow window(settings, database, dialogs);
        QVERIFY(window.load(dir.filePath(QStringLiteral("docs.mdb"))));
        if (toggle)
            window.findChild<QCheckBox*>(QStringLiteral("chkDateFormat"))->toggle();
        auto* list = window.findChild<QComboBox*>(QStringLiteral("cboDocNumber"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0).contains(QStringLiteral("04-Dec-2026")), dayMonthYear);
        for (const char* name : {"DTPicker1", "DTPfrom", "DTPto"}) {
            auto* picker = window.findChild<QDateEdit*>(QString::fromLatin1(name));
            QVERIFY2(picker, name);
            picker->setDate(day);
            const QString expected = dayMonthYear ? QStringLiteral("dd-MMM-yyyy")
                                                  : ShortDateFormat::pattern(picker->locale(), QString());
            QCOMPARE(picker->displayFormat(), expected);
            QCOMPARE(picker->text(), ShortDateFormat::format(day, picker->locale(), settings));
            QCOMPARE(picker->date(), day);
        }
    }
};

TW_TEST_MAIN(TestDatePickers)
#include "tst_DatePickers.moc"
