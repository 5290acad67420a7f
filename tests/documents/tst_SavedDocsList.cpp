#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/SavedDocsList.h"

namespace {

Document listed(const char* number, const QDate& date, const char* type, const char* customer, const char* address,
                int rows = 2)
{
    Document doc = sampleDocument(QString::fromUtf8(number), rows);
    doc.docDate = date;
    doc.docType = QString::fromUtf8(type);
    doc.billToName = QString::fromUtf8(customer);
    doc.billToAddress = QString::fromUtf8(address);
    return doc;
}

// The list as groups: numbers of one group sorted and joined by ",", groups joined by ";".
QString groups(const QStringList& entries)
{
    QList<QStringList> groups(1);
    for (const QString& entry : entries) {
        if (entry == SavedDocsList::separatorLine())
            groups.append(QStringList());
        else
            groups.last() << SavedDocsList::numberOf(entry);
    }
    QStringList joined;
    for (QStringList& group : groups) {
        group.sort();
        joined << group.join(QLatin1Char(','));
    }
    return joined.join(QLatin1Char(';'));
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
        const QDate dec4(2026, 12, 4);
        f.store(listed("A", dec4, "Invoice", "Zed", "1 Road\r\nTown"));
        f.store(listed("B", dec4, "Quotation", "Alpha", "2 Lane"));
        f.store(listed("C", QDate(2026, 11, 1), "invoice", "Mid", ""));
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
        Document doc = listed("INV-77", QDate(2026, 12, 4), "Commercial Invoice X", "Abcdefghijklmnopqrstuvwxy",
                              "  12 High St  \r\n Dublin", 1);
        doc.total = QStringLiteral("1,234.50");
        doc.paid = QStringLiteral("4.00");
        f.insertRaw(doc);
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, SavedDocsList::ByDate, f.locale, dateFormat);
        QCOMPARE(listing.entries.size(), 1);
        QCOMPARE(listing.entries.first(),
                 QStringLiteral("INV-77                          Commercial Invo  1,230.50    ") + dateText +
                     QStringLiteral("  Abcdefghijklmnopqrst 12 High St"));
    }

    void numbersDifferingInCaseAreListedOnce()
    {
        StoreFixture f;
        f.insertRaw(listed("inv-5", QDate(2026, 12, 4), "Invoice", "A", ""));
        f.insertRaw(listed("INV-5", QDate(2026, 12, 4), "Invoice", "A", ""));
        const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, SavedDocsList::ByCustomer, f.locale);
        QCOMPARE(listing.countLabel, QStringLiteral("1 files"));
        QCOMPARE(listing.entries.size(), 1);
    }

    // The first address line of an entry and the number read back from a typed text or an entry.
    void addressLineAndNumber()
    {
        QCOMPARE(SavedDocsList::firstAddressLine(QStringLiteral(" Main St ")), QStringLiteral("Main St"));
        QCOMPARE(SavedDocsList::firstAddressLine(QStringLiteral("\r\nCork")), QString());
        QCOMPARE(SavedDocsList::firstAddressLine(QString()), QString());
        QCOMPARE(SavedDocsList::numberOf(QStringLiteral(" INV-1 ")), QStringLiteral("INV-1"));
        const QString thirty(30, QLatin1Char('9'));
        QCOMPARE(SavedDocsList::numberOf(thirty + QLatin1Char('X')), thirty);
    }
};

TW_TEST_MAIN(TestSavedDocsList)
#include "tst_SavedDocsList.moc"
