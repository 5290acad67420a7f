#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/SavedDocsList.h"
#include "documents/SavedDocsRefresh.h"
#include "documents/SavedDocsStream.h"
#include "store/PurgeCommand.h"
#include "store/SqlText.h"

#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>

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

// The list as the walk over every stored row in the order's sort gives it: a separator wherever the
// group key changes from one row to the next, an entry at the first row of each number.
SavedDocsListing walkEveryRow(Database& db, int order, const QLocale& locale)
{
    SavedDocsListing listing;
    qsizetype count = 0;
    db.forEachRow(DocStatements::distinctNumbers(), [&count](const QSqlQuery&) { return ++count, true; });
    listing.countLabel = QStringLiteral("%1 files").arg(count);
    const int keyColumn = order == SavedDocsList::ByDocType ? 1 : order == SavedDocsList::ByCustomer ? 5
                        : order == SavedDocsList::ByAddress ? 6 : 4;
    QSet<QString> listed;
    QString previousKey;
    bool first = true;
    db.forEachRow(DocStatements::selectListOrdered(SavedDocsList::sortClause(order)), [&](const QSqlQuery& row) {
        const QVariant value = row.value(keyColumn);
        QString key = value.isNull() ? QStringLiteral("\x01null") : value.toString();
        if (order == SavedDocsList::ByDocType)
            key = key.toLower();
        if (!first && key != previousKey)
            listing.entries.append(SavedDocsList::separatorLine());
        const QString folded = row.value(0).toString().toLower();
        if (!listed.contains(folded)) {
            listed.insert(folded);
            const SavedDocsList::RowValues shown{row.value(0), row.value(1), row.value(2), row.value(3),
                                                 row.value(4), row.value(5), row.value(6)};
            listing.entries.append(SavedDocsList::entryText(shown, locale));
        }
        previousKey = key;
        first = false;
        return true;
    });
    return listing;
}

// A table of rows as no careful program writes them: numbers repeated with other dates and
// customers, in other letter case, empty and missing values everywhere; numbers beyond ASCII only
// when `wideNumbers`.
void fillAtRandom(Database& db, quint32 seed, const QLocale& locale, bool wideNumbers = true)
{
    QRandomGenerator random(seed);
    auto pool = [](std::initializer_list<const char*> texts) {
        QStringList out;
        for (const char* text : texts)
            out << QString::fromUtf8(text);
        return out;
    };
    auto pick = [&random](const QStringList& from) { return from.at(random.bounded(int(from.size()))); };
    const QString null = QStringLiteral("NULL");
    auto text = [&null](const QString& value) {
        return value == null ? value : QLatin1Char('\'') + SqlText::EscapeQuotes(value) + QLatin1Char('\'');
    };
    const QStringList numbers =
        wideNumbers ? pool({"A-1", "a-1", "B-2", "b-2", "C-3", "D-4", "", "NULL", "\u00c91", "\u00e91", "K-9", "\u212a-9"})
                    : pool({"A-1", "a-1", "B-2", "b-2", "C-3", "D-4", "", "NULL", "E-5", "F-6", "K-9"});
    const QStringList types = pool({"Invoice", "invoice", "INVOICE", "Quotation", "", "NULL", "\u00c9x", "\u00e9x"});
    const QStringList names = pool({"Acme", "acme", "ACME", "Zed", "", "NULL", "Mid"});
    const QStringList addresses = pool({"1 Road\r\nTown", "1 road\r\ntown", "2 Lane", "", "NULL"});
    const QList<QDate> dates{QDate(2026, 12, 4), QDate(2026, 11, 1), QDate(2025, 1, 1), QDate()};
    const int rows = 1 + random.bounded(40);
    db.beginTransaction();
    for (int i = 0; i < rows; ++i) {
        const QDate date = dates.at(random.bounded(int(dates.size())));
        const QString sql =
            QStringLiteral("INSERT INTO tbldoc (Docnumber, DocType, Total, Paid, DocDate, CompanyName, Address) "
                           "VALUES (%1, %2, %3, %4, %5, %6, %7)")
                .arg(text(pick(numbers)), text(pick(types)), QString::number(random.bounded(1000)),
                     random.bounded(3) == 0 ? null : QString::number(random.bounded(100)),
                     date.isValid() ? QLatin1Char('#') + SqlText::DateText(date, locale) + QLatin1Char('#') : null,
                     text(pick(names)), text(pick(addresses)));
        QVERIFY2(db.execute(sql).ok, qPrintable(sql));
    }
    db.commit();
}

// Writes or deletes one number's rows as a save or delete does; the keys come from pools whose
// values never differ only in case, so most changes can be applied in place.
void changeAtRandom(Database& db, QRandomGenerator& random, const QString& number, const QLocale& locale)
{
    static const char* const types[] = {"Invoice", "Quotation", "", "Receipt"};
    static const char* const names[] = {"Acme", "Zed", "Mid", ""};
    static const char* const addresses[] = {"1 Road\r\nTown", "2 Lane", ""};
    const QList<QDate> dates{QDate(2026, 12, 4), QDate(2026, 11, 1), QDate(2025, 1, 1), QDate(2024, 6, 30)};
    db.beginTransaction();
    db.execute(QStringLiteral("DELETE FROM tbldoc WHERE DocNumber = '%1'").arg(SqlText::EscapeQuotes(number)));
    const int rows = random.bounded(4); // none: the number was deleted
    const QDate date = dates.at(random.bounded(int(dates.size())));
    const char* type = types[random.bounded(4)];
    for (int i = 0; i < rows; ++i) {
        const QString sql =
            QStringLiteral("INSERT INTO tbldoc (Docnumber, DocType, Total, Paid, DocDate, CompanyName, Address) "
                           "VALUES ('%1', '%2', %3, 0, #%4#, '%5', '%6')")
                .arg(SqlText::EscapeQuotes(number), QString::fromUtf8(type), QString::number(random.bounded(1000)),
                     SqlText::DateText(date, locale), QString::fromUtf8(names[random.bounded(4)]),
                     QString::fromUtf8(addresses[random.bounded(3)]));
        QVERIFY2(db.execute(sql).ok, qPrintable(sql));
    }
    db.commit();
}

void addSeeds(quint32 count)
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= count; ++seed)
        QTest::addRow("seed %u", seed) << seed;
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

    // Reading one row per number gives, entry for entry, what the walk over every row gives.
    void sameAsWalkOverEveryRow_data()
    {
        addSeeds(60);
    }

    void sameAsWalkOverEveryRow()
    {
        QFETCH(quint32, seed);
        StoreFixture f;
        fillAtRandom(f.db, seed, f.locale);
        for (int order = 0; order < SavedDocsList::OrderCount; ++order) {
            const SavedDocsListing expected = walkEveryRow(f.db, order, f.locale);
            const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, order, f.locale);
            QVERIFY(listing.ok);
            QCOMPARE(listing.countLabel, expected.countLabel);
            QCOMPARE(listing.entries, expected.entries);
        }
    }

    // The lines the command line writes as it reads are the listing's entries, byte for byte; with
    // numbers beyond ASCII it may leave the list to LoadDocs.
    void streamSameAsListing_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("wideNumbers");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed << (seed % 4 == 0);
    }

    void streamSameAsListing()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, wideNumbers);
        StoreFixture f;
        fillAtRandom(f.db, seed, f.locale, wideNumbers);
        for (int order = 0; order < SavedDocsList::OrderCount; ++order) {
            const SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, order, f.locale, QStringLiteral("dd-MMM-yy"));
            const auto lines = SavedDocsStream::read(f.db, order, f.locale, QStringLiteral("dd-MMM-yy"));
            QVERIFY(lines || wideNumbers);
            if (!lines)
                continue;
            QCOMPARE(lines->countLabel, listing.countLabel);
            QString expected;
            for (const QString& entry : listing.entries)
                expected += entry + QLatin1Char('\n');
            QCOMPARE(lines->entries, expected.toUtf8());
        }
    }

    // A list updated in place after each save or delete equals the list read afresh.
    void inPlaceUpdateSameAsFreshLoad_data()
    {
        addSeeds(12);
    }

    void inPlaceUpdateSameAsFreshLoad()
    {
        QFETCH(quint32, seed);
        StoreFixture f;
        QRandomGenerator random(seed);
        const QStringList numbers{QStringLiteral("A-1"), QStringLiteral("B-2"), QStringLiteral("C-3"),
                                  QStringLiteral("D-4"), QStringLiteral("E-5"), QStringLiteral("it's")};
        for (const QString& number : numbers)
            changeAtRandom(f.db, random, number, f.locale);
        int inPlace = 0;
        for (int order = 0; order < SavedDocsList::OrderCount; ++order) {
            SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, order, f.locale);
            SavedDocsRefresh refresh(f.db, f.locale, QString());
            for (int change = 0; change < 25; ++change) {
                const QString number = numbers.at(random.bounded(int(numbers.size())));
                const QVariantList before = refresh.keysOf(order, number);
                changeAtRandom(f.db, random, number, f.locale);
                if (refresh.apply(listing, number, before))
                    ++inPlace;
                else
                    listing = SavedDocsList::LoadDocs(f.db, order, f.locale);
                const SavedDocsListing fresh = SavedDocsList::LoadDocs(f.db, order, f.locale);
                QCOMPARE(listing.countLabel, fresh.countLabel);
                QCOMPARE(listing.entries, fresh.entries);
            }
        }
        QVERIFY(inPlace > 50);
    }

    // A purge by date changes many numbers at once; the list updated for just those equals the list
    // read afresh.
    void purgeInPlaceSameAsFreshLoad_data()
    {
        addSeeds(16);
    }

    void purgeInPlaceSameAsFreshLoad()
    {
        QFETCH(quint32, seed);
        StoreFixture f;
        QRandomGenerator random(seed);
        QStringList numbers;
        for (int i = 0; i < 12; ++i)
            numbers << QStringLiteral("N-%1").arg(i);
        const QList<QDate> days{QDate(2026, 12, 4), QDate(2026, 11, 1), QDate(2025, 1, 1), QDate(2024, 6, 30)};
        int inPlace = 0;
        for (int order = 0; order < SavedDocsList::OrderCount; ++order) {
            for (const QString& number : numbers)
                changeAtRandom(f.db, random, number, f.locale);
            SavedDocsListing listing = SavedDocsList::LoadDocs(f.db, order, f.locale);
            const QDate from = days.at(random.bounded(int(days.size())));
            const QDate to = from.addDays(random.bounded(2) * 400);
            QList<SavedDocsRefresh::Change> changes;
            SavedDocsRefresh refresh(f.db, f.locale, QString());
            f.db.forEachRow(PurgeCommand::affectedNumbers(from, to, f.locale), [&](const QSqlQuery& row) {
                changes.append({row.value(0).toString(), refresh.keysOf(order, row.value(0).toString())});
                return true;
            });
            QVERIFY(f.db.execute(PurgeCommand::statement(from, to, f.locale)).ok);
            if (refresh.applyAll(listing, changes))
                ++inPlace;
            else
                listing = SavedDocsList::LoadDocs(f.db, order, f.locale);
            const SavedDocsListing fresh = SavedDocsList::LoadDocs(f.db, order, f.locale);
            QCOMPARE(listing.countLabel, fresh.countLabel);
            QCOMPARE(listing.entries, fresh.entries);
        }
        QVERIFY(inPlace >= 3);
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
