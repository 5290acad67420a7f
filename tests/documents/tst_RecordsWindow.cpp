#include "WindowFixture.h"
#include "documents/NumberSeries.h"
#include "documents/SaveCommand.h"
#include "editor/widgets/EditorController.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

Document stored(const QString& number, const QString& customer, const QString& address, const QString& productId,
                const QString& description, const QString& price)
{
    Document doc;
    doc.docNumber = number;
    doc.billToName = customer;
    doc.billToAddress = address;
    doc.paid = QStringLiteral("0.00");
    doc.rows.append({QStringLiteral("1"), productId, description, QStringLiteral("1"), price, QStringLiteral("0.00"),
                     price});
    return doc;
}

struct Window : WindowFixture
{
    // `prepare` runs on the database before the window opens.
    explicit Window(const std::function<void(Database&)>& prepare = {})
    {
        database.create(defaultDatabase());
        if (prepare)
            prepare(database);
        Document first = stored(QStringLiteral("D-1"), QStringLiteral("Brightside Ltd"), QStringLiteral("1 Quay St\r\nCork"),
                                QStringLiteral("A-1"), QStringLiteral("{\\rtf1 Widget}"), QStringLiteral("9.99"));
        first.shipToTerm = QStringLiteral("Ship To:");
        first.shipToName = QStringLiteral("Brightside Depot");
        first.shipToAddress = QStringLiteral("Dock 4");
        first.einvoice.buyerVatId = QStringLiteral("IE6388047V");
        first.einvoice.buyerCountry = QStringLiteral("IE");
        first.einvoice.buyerReference = QStringLiteral("PO 17");
        save(first);
        save(stored(QStringLiteral("D-2"), QStringLiteral("Anna Bright"), QStringLiteral("Elm 2"), QStringLiteral("A-1"),
                    QStringLiteral("{\\rtf1 Widget mark two}"), QStringLiteral("12.50")));
        save(stored(QStringLiteral("D-3"), QStringLiteral("Cole & Co"), QStringLiteral("Bay 9"), QStringLiteral("B-7"),
                    QStringLiteral("{\\rtf1 Bolt}"), QStringLiteral("0.20")));
        QVERIFY(loadAndShow(2));
    }

    void save(Document doc)
    {
        ScriptedDialogs yes(true);
        QCOMPARE(SaveCommand(database, yes, English).save(doc).outcome, SaveCommand::Outcome::Saved);
    }

    // The completion list: a window of its own over the main window.
    static QAbstractItemView* list(const char* name)
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name))
                return qobject_cast<QAbstractItemView*>(top);
        }
        return nullptr;
    }

    QStringList shownList(const char* name) const
    {
        QAbstractItemView* list = Window::list(name);
        if (!list || !list->isVisible())
            return {};
        QStringList items;
        for (int row = 0; list && row < list->model()->rowCount(); ++row)
            items << list->model()->index(row, 0).data().toString();
        return items;
    }
};

} // namespace

class TestRecordsWindow : public QObject
{
    Q_OBJECT

private slots:
    // Typing part of a name lists the customers holding it, most recent first; choosing one fills the
    // address, and the ship-to pair only when that customer's last document had one.
    void customerNameCompletes()
    {
        Window w;
        auto* name = w.find<QLineEdit>("txtcus");
        w.typeInto(name, QStringLiteral("brI"));
        QTRY_VERIFY(Window::list("lstCustomerMemory") && Window::list("lstCustomerMemory")->isVisible());
        QCOMPARE(w.shownList("lstCustomerMemory"), (QStringList{QStringLiteral("Anna Bright"), QStringLiteral("Brightside Ltd")}));

        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Return);
        QTRY_COMPARE(name->text(), QStringLiteral("Brightside Ltd"));
        QCOMPARE(w.find<QPlainTextEdit>("txtaddress")->toPlainText(), QStringLiteral("1 Quay St\nCork"));
        QCOMPARE(w.find<QLineEdit>("txtcusShip")->text(), QStringLiteral("Brightside Depot"));
        QCOMPARE(w.find<QPlainTextEdit>("txtaddressShip")->toPlainText(), QStringLiteral("Dock 4"));

        w.typeInto(name, QStringLiteral("co"));
        QTRY_COMPARE(w.shownList("lstCustomerMemory"), (QStringList{QStringLiteral("Cole & Co")}));
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Return);
        QTRY_COMPARE(name->text(), QStringLiteral("Cole & Co"));
        QCOMPARE(w.find<QPlainTextEdit>("txtaddress")->toPlainText(), QStringLiteral("Bay 9"));
        QCOMPARE(w.find<QLineEdit>("txtcusShip")->text(), QStringLiteral("Brightside Depot"));  // none of its own

        w.typeInto(name, QStringLiteral("zz"));
        QTRY_VERIFY(!Window::list("lstCustomerMemory")->isVisible());
    }

    void customerBringsBuyerIdentifiers_data()
    {
        QTest::addColumn<QString>("typedVatId");
        QTest::addColumn<QString>("typedCountry");
        QTest::addColumn<int>("listEntry");  // 0: Anna Bright (none stored), 1: Brightside Ltd
        QTest::addColumn<QString>("vatId");
        QTest::addColumn<QString>("country");
        QTest::newRow("empty boxes filled") << QString() << QString() << 1 << QStringLiteral("IE6388047V")
                                            << QStringLiteral("IE");
        QTest::newRow("typed VAT ID kept") << QStringLiteral("DE 1") << QString() << 1 << QStringLiteral("DE 1")
                                           << QStringLiteral("IE");
        QTest::newRow("typed country kept") << QString() << QStringLiteral("fr") << 1 << QStringLiteral("IE6388047V")
                                            << QStringLiteral("fr");
        QTest::newRow("nothing stored") << QStringLiteral("DE 1") << QString() << 0 << QStringLiteral("DE 1") << QString();
    }

    // Choosing a remembered customer with the mouse brings the buyer's VAT ID and country from their
    // last document into the boxes still empty; what was typed stays, and the order reference never comes.
    void customerBringsBuyerIdentifiers()
    {
        QFETCH(QString, typedVatId);
        QFETCH(QString, typedCountry);
        QFETCH(int, listEntry);
        QFETCH(QString, vatId);
        QFETCH(QString, country);
        Window w;
        auto* vatBox = w.find<QLineEdit>("txtBuyerVatId");
        auto* countryBox = w.find<QLineEdit>("txtBuyerCountry");
        if (!typedVatId.isEmpty())
            w.typeInto(vatBox, typedVatId);
        if (!typedCountry.isEmpty())
            w.typeInto(countryBox, typedCountry);
        w.typeInto(w.find<QLineEdit>("txtcus"), QStringLiteral("brI"));
        QTRY_COMPARE(w.shownList("lstCustomerMemory"), (QStringList{QStringLiteral("Anna Bright"), QStringLiteral("Brightside Ltd")}));
        QAbstractItemView* list = Window::list("lstCustomerMemory");
        const QPoint entry = list->visualRect(list->model()->index(listEntry, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(w.find<QLineEdit>("txtcus")->text(), listEntry == 1 ? QStringLiteral("Brightside Ltd") : QStringLiteral("Anna Bright"));
        QCOMPARE(vatBox->text(), vatId);
        QCOMPARE(countryBox->text(), country);
        QCOMPARE(w.find<QLineEdit>("txtBuyerReference")->text(), QString());
    }

    // A row's product ID takes description and price from the product's latest use; the quantity stays.
    void productIdCompletes()
    {
        Window w;
        const QString firstRowId = w.text("txtproductID", 1);
        w.typeInto(w.field("cboqty", 2), QStringLiteral("4"));
        w.typeInto(w.field("txtproductID", 2), QStringLiteral("a-"));
        QTRY_COMPARE(w.shownList("lstProductMemory"), QStringList{QStringLiteral("A-1")});
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Return);
        QTRY_COMPARE(w.text("txtproductID", 2), QStringLiteral("A-1"));
        QCOMPARE(w.text("txtdescription", 2), QStringLiteral("Widget mark two"));
        QCOMPARE(w.text("txtprice", 2), QStringLiteral("12.50"));
        QCOMPARE(w.text("cboqty", 2), QStringLiteral("4"));
        QCOMPARE(w.text("txtproductID", 1), firstRowId); // the other row is left alone
    }

    // A new document takes the next number of its type's series and the company's tax, even after a
    // stored document with a tax of its own was open; "Auto No." offers the same number until it is saved.
    void newDocumentsTakeTheSeriesAndTheCompanyDefaults()
    {
        Window w([](Database& db) {
            SeriesDefinition invoices;
            invoices.docType = QStringLiteral("Invoice");
            invoices.pattern = QStringLiteral("INV-{###}");
            QVERIFY(NumberSeries(db).saveAll({invoices}));
            QVERIFY(db.execute(QStringLiteral("UPDATE tblcompany SET TaxPercent = 7 WHERE Default = 'Yes'")).ok);
        });
        auto* number = w.find<QLineEdit>("txtDocNumber");
        auto* taxPercent = w.find<QComboBox>("cboDocTaxPercent");
        QCOMPARE(number->text(), QStringLiteral("INV-001"));
        QCOMPARE(taxPercent->currentText(), QStringLiteral("7"));
        w.typeInto(number, QStringLiteral("mine"));
        w.click("cmdauto");
        QCOMPARE(number->text(), QStringLiteral("INV-001"));

        w.typeInto(taxPercent, QStringLiteral("12"));
        w.key(Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(w.database.query(QStringLiteral("SELECT count(*) FROM tbldoc WHERE DocNumber = 'INV-001' AND "
                                                     "TaxPercent = 12")).records.value(0).value(0).toInt(),
                     2);
        w.dialogs.setNextAnswer(DialogAnswer::Ok); // close the saved document
        w.createRows(1);
        QTRY_COMPARE(w.window->document().rowCount(), 1);
        QCOMPARE(number->text(), QStringLiteral("INV-002"));
        QCOMPARE(taxPercent->currentText(), QStringLiteral("7"));
    }
};

TW_TEST_MAIN(TestRecordsWindow)
#include "tst_RecordsWindow.moc"
