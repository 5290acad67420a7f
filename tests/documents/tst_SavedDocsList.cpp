#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/SavedDocsList.h"

namespace {

Document listed(const QString& number, const QDate& date, const QString& type, const QString& customer,
                const QString& address, int rows = 2)
{
    Document doc = sampleDocument(number, rows);
    doc.docDate = date;
    doc.docType = type;
    doc.billToName = customer;
    doc.billToAddress = address;
    return doc;
}

// The list as groups: numbers of one group sorted and joined by ",", groups joined by ";".
QString groups(const QStringList& entries)
{
    QStringList result;
    QStringList group;
    auto flush = [&] {
        group.sort();
        result << group.join(QLatin1Char(','));
        group.clear();
    };
    for (const QString& entry : entries) {
        if (entry == SavedDocsList::separatorLine())
            flush();
        else
            group << SavedDocsList::numberOf(entry);
    }
    flush();
    return result.join(QLatin1Char(';'));
}

} // namespace

class TestSavedDocsList : public QObject
{
    Q_OBJECT

private slots:
    void ordersAndSeparators_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date: same day, no separator") << int(SavedDocsList::ByDate) << "A,B;C";
        QTest::newRow("doc: type without case") << int(SavedDocsList::ByDocType) << "A,C;B";
        QTest::newRow("cus") << int(SavedDocsList::ByCustomer) << "B;C;A";
        QTest::newRow("addr: whole address") << int(SavedDocsList::ByAddress) << "C;A;B";
    }

    void ordersAndSeparators()
    {
        QFETCH(int, order);
        QFETCH(QString, expected);
        StoreFixture f;
        for (const Document& doc : {listed(QStringLiteral("A"), QDate(2026, 12, 4), QStringLiteral("Invoice"), QStringLiteral("Zed"), QStringLiteral("1 Road\r\nTown")),
                             listed(QStringLiteral("B"), QDate(2026, 12, 4), QStringLiteral("Quotation"), QStringLiteral("Alpha"), QStringLiteral("2 Lane")),
                                    listed(QStringLiteral("C"), QDate(2026, 11, 1), QStringLiteral("invoice"), QStringLiteral("Mid"), QString())})
            f.store(doc);
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, order, f.locale);
        QVERIFY(listing.ok);
        QCOMPARE(listing.countLabel, QStringLiteral("3 files"));
        QCOMPARE(groups(listing.entries), expected);
    }

    void entryLayout_data()
    {
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("dateText");
        QTest::newRow("regional short date") << "" << "12/4/26";
        QTest::newRow("day-month-year chosen") << "dd-MMM-yyyy" << "04-Dec-2026";
    }

    void entryLayout()
    {
        QFETCH(QString, dateFormat);
        QFETCH(QString, dateText);
        StoreFixture f;
        Document doc = listed(QStringLiteral("INV-77"), QDate(2026, 12, 4), QStringLiteral("Commercial Invoice X"),
                              QStringLiteral("Abcdefghijklmnopqrstuvwxy"), QStringLiteral("  12 High St  \r\n Dublin"), 1);
        doc.total = QStringLiteral("1,234.50");
        doc.paid = QStringLiteral("4.00");
        f.insertRaw(doc);
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, SavedDocsList::ByDate, f.locale, dateFormat);
        QCOMPARE(listing.entries.size(), 1);
        QCOMPARE(listing.entries.first(),
                 QStringLiteral("INV-77                        ") + QStringLiteral("  Commercial Invo") + QStringLiteral("  1,230.50  ")
                     + QStringLiteral("  ") + dateText + QStringLiteral("  Abcdefghijklmnopqrst") + QStringLiteral(" 12 High St"));
    }

    void numbersDifferingInCaseAreListedOnce()
    {
        StoreFixture f;
        f.insertRaw(listed(QStringLiteral("inv-5"), QDate(2026, 12, 4), QStringLiteral("Invoice"), QStringLiteral("A"), QString()));
        f.insertRaw(listed(QStringLiteral("INV-5"), QDate(2026, 12, 4), QStringLiteral("Invoice"), QStringLiteral("A"), QString()));
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, SavedDocsList::ByCustomer, f.locale);
        QCOMPARE(listing.countLabel, QStringLiteral("1 files"));
        QCOMPARE(listing.entries.size(), 1);
    }

    void emptyDatabase()
    {
        StoreFixture f;
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, SavedDocsList::ByDate, f.locale);
        QCOMPARE(listing.countLabel, QStringLiteral("0 files"));
        QVERIFY(listing.entries.isEmpty());
    }

    void firstAddressLine_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("line");
        QTest::newRow("two lines") << "  1 Quay St  \r\n  Cork" << "1 Quay St";
        QTest::newRow("one line") << " Main St " << "Main St";
        QTest::newRow("starts with a break") << "\r\nCork" << "";
        QTest::newRow("empty") << "" << "";
    }

    void firstAddressLine()
    {
        QFETCH(QString, address);
        QFETCH(QString, line);
        QCOMPARE(SavedDocsList::firstAddressLine(address), line);
    }

    void numberOfAnEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("typed") << " INV-1 " << "INV-1";
        QTest::newRow("entry") << QString(QStringLiteral("INV-1").leftJustified(30) + QStringLiteral("  Invoice")) << "INV-1";
        QTest::newRow("thirty characters") << QString(QString(30, QLatin1Char('9')) + QStringLiteral("X")) << QString(30, QLatin1Char('9'));
    }

    void numberOfAnEntry()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QCOMPARE(SavedDocsList::numberOf(text), number);
    }

    void captionsAndNames()
    {
        QCOMPARE(SavedDocsList::caption(0), QStringLiteral("Date"));
        QCOMPARE(SavedDocsList::tooltip(3), QStringLiteral("Address ascending"));
        QCOMPARE(SavedDocsList::orderFromName(QStringLiteral("cus")), int(SavedDocsList::ByCustomer));
        QCOMPARE(SavedDocsList::separatorLine(), QString(270, QLatin1Char('-')));
    }
};

TW_TEST_MAIN(TestSavedDocsList)
#include "tst_SavedDocsList.moc"
