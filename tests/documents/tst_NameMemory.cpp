#include "StoreFixture.h"
#include "TestSupport.h"
#include "documents/NameMemory.h"

class TestNameMemory : public QObject
{
    Q_OBJECT

private:
    static void storeRows(StoreFixture& f, const QString& number, const QString& customer, const QStringList& productIds)
    {
        Document doc = sampleDocument(number, int(productIds.size()));
        doc.billToName = customer;
        for (int i = 0; i < productIds.size(); ++i)
            doc.rows[i].productId = productIds.at(i);
        f.store(doc);
    }

private slots:
    void matching_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("names");  // joined by "|"

        QTest::newRow("anywhere, any case, latest first") << "BRI" << 50 << "Anna Bright|brian's bakes|Brightside Ltd";
        QTest::newRow("limited") << "b" << 2 << "Anna Bright|Cole & Bay";
        QTest::newRow("blanks around") << "  cole " << 50 << "Cole & Bay";
        QTest::newRow("nothing") << "zz" << 50 << "";
    }
    void matching()
    {
        QFETCH(QString, typed);
        QFETCH(int, limit);
        QFETCH(QString, names);
        StoreFixture f;
        storeRows(f, QStringLiteral("D-1"), QStringLiteral("Brightside Ltd"), {QStringLiteral("A-1")});
        storeRows(f, QStringLiteral("D-2"), QStringLiteral("brian's bakes"), {QStringLiteral("A-1")});
        storeRows(f, QStringLiteral("D-3"), QStringLiteral("Cole & Bay"), {QStringLiteral("A-1")});
        storeRows(f, QStringLiteral("D-4"), QStringLiteral("Anna Bright"), {QStringLiteral("A-1")});
        NameMemory memory(f.db, NameMemory::Kind::Customers);
        QVERIFY(memory.load());
        QCOMPARE(memory.matching(typed, limit), names.split(u'|', Qt::SkipEmptyParts));
    }

    // One entry per name however often and in whatever case it was used; a row's own number standing
    // in its product ID is no product; what is saved after a reading comes with the next refresh.
    void distinctNamesAndPlaceholders()
    {
        StoreFixture f;
        storeRows(f, QStringLiteral("D-1"), QStringLiteral("Ann"), {QStringLiteral("X-9"), QStringLiteral("2"), QStringLiteral("B-2")});
        storeRows(f, QStringLiteral("D-2"), QStringLiteral("ANN"), {QStringLiteral("x-9"), QStringLiteral("7")});
        NameMemory products(f.db, NameMemory::Kind::Products);
        QVERIFY(products.refresh());
        QCOMPARE(products.names(), (QStringList{QStringLiteral("7"), QStringLiteral("x-9"), QStringLiteral("B-2")}));
        NameMemory customers(f.db, NameMemory::Kind::Customers);
        QVERIFY(customers.refresh());
        QCOMPARE(customers.names().size(), 1);

        storeRows(f, QStringLiteral("D-3"), QStringLiteral("Bo"), {QStringLiteral("C-3")});
        QVERIFY(customers.refresh());
        QCOMPARE(customers.names(), (QStringList{QStringLiteral("Bo"), QStringLiteral("ANN")}));
    }
};

TW_TEST_MAIN(TestNameMemory)
#include "tst_NameMemory.moc"
