#include "EinvoiceKit.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace {

using namespace TestSupport;

struct Window : WindowFixture
{
    Window() { QVERIFY(loadAndShow()); }

    void chooseFromTools(const char* actionName)
    {
        QMenuBar* bar = window->menuBar();
        auto* tools = find<QMenu>("mnutools");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(tools->menuAction()).center());
        QTRY_VERIFY(tools->isVisible());
        auto* action = tools->findChild<QAction*>(QLatin1String(actionName));
        QVERIFY(action);
        QTest::mouseClick(tools, Qt::LeftButton, {}, tools->actionGeometry(action).center());
        QTRY_VERIFY(!tools->isVisible());
    }

    QString stored(const char* column) const
    {
        return const_cast<Database&>(database)
            .query(QStringLiteral("SELECT %1 FROM tbldoc WHERE DocNumber = 'EI-1'").arg(QLatin1String(column)))
            .records.value(0).value(0).toString();
    }
};

} // namespace

class TestEinvoiceWindow : public QObject
{
    Q_OBJECT

private slots:
    // The company's e-invoice fields and the document's buyer fields, typed and clicked in: they are
    // stored, come back on opening, and the Tools export writes an invoice that passes the norm's rules.
    void fillSaveReopenAndExport()
    {
        Window w;
        w.click("chkshowsettings");
        QTRY_VERIFY(w.find<QWidget>("FrameSettings")->isVisible());
        w.typeInto("cboTaxPercent", QStringLiteral("19"));
        w.chooseTab(QStringLiteral("E-invoice"));
        const std::pair<const char*, const char*> company[] = {
            {"txtLegalName", "Seller Shop GmbH"}, {"txtVatId", "DE123456789"},    {"txtStreet", "Marktplatz 1"},
            {"txtPostCode", "80331"},            {"txtCity", "Munich"},          {"txtCountryCode", "DE"},
            {"txtEmail", "billing@shop.example"}, {"txtCurrencyCode", "EUR"},
            {"txtIban", "DE02120300000000202051"}, {"txtDueDays", "14"}};
        for (const auto& [name, text] : company)
            w.typeInto(name, QString::fromUtf8(text));
        w.click("chkRoundLines");
        w.click("cmdsaveEinvoice");
        QTRY_VERIFY(w.dialogs.shownTexts().contains(QStringLiteral("Settings successfully saved.")));
        QCOMPARE(w.database.query(QStringLiteral("SELECT City, RoundLines FROM tblcompany")).records.value(0).value(0),
                 QVariant(QStringLiteral("Munich")));
        // Typing without saving is dropped when the panel closes, an empty stored field included.
        w.typeInto("txtPhone", QStringLiteral("555"));
        w.click("chkshowsettings");
        QTRY_VERIFY(!w.find<QWidget>("FrameSettings")->isVisible());
        QVERIFY(w.find<QLineEdit>("txtPhone")->text().isEmpty());
        QCOMPARE(w.find<QLineEdit>("txtCity")->text(), QStringLiteral("Munich"));

        w.createRows(1);
        QTRY_COMPARE(w.window->document().rowCount(), 1);
        w.typeInto("txtDocNumber", QStringLiteral("EI-1"));
        w.typeInto("txtcus", QStringLiteral("Client SARL"));
        w.typeInto("txtBuyerCountry", QStringLiteral("FR"));
        w.typeInto("txtBuyerVatId", QStringLiteral("FR40303265045"));
        w.typeInto("txtBuyerReference", QStringLiteral("PO 77"));
        w.typeInto(w.field("txtproductID", 1), QStringLiteral("T-1"));
        w.typeInto(w.field("txtdescription", 1), QStringLiteral("Green tea"));
        w.typeInto(w.field("cboqty", 1), QStringLiteral("3"));
        w.typeInto(w.field("txtprice", 1), QStringLiteral("1.005"));
        w.dialogs.clear();
        w.click("cmdsave");
        QTRY_COMPARE(w.stored("BuyerCountry"), QStringLiteral("FR"));
        QCOMPARE(w.stored("BuyerVatId"), QStringLiteral("FR40303265045"));
        QCOMPARE(w.stored("BuyerReference"), QStringLiteral("PO 77"));
        // Rounded to cents per line: 3 × 1.01, not 3 × 1.005.
        QCOMPARE(w.stored("Amount").toDouble(), 3.03);

        // A new document clears the buyer fields; opening the saved one brings them back.
        w.click("OptNew");
        w.typeInto("txtnum", QStringLiteral("1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.click("cmdcreate");
        QTRY_VERIFY(w.find<QLineEdit>("txtBuyerVatId")->text().isEmpty());
        w.typeInto("cboDocNumber", QStringLiteral("EI-1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.click("cmdgetDOC");
        QTRY_COMPARE(w.find<QLineEdit>("txtBuyerVatId")->text(), QStringLiteral("FR40303265045"));
        QCOMPARE(w.find<QLineEdit>("txtBuyerCountry")->text(), QStringLiteral("FR"));

        const QString xml = w.dir.filePath(QStringLiteral("EI-1.xml"));
        w.dialogs.clear();
        w.dialogs.setNextFile(xml);
        w.chooseFromTools("actExportEinvoice");
        QTRY_COMPARE(w.dialogs.fileTitles(), QStringList{QStringLiteral("Export e-invoice XML")});
        QVERIFY2(QFileInfo::exists(xml), qPrintable(w.dialogs.shownTexts().join(u'\n')));
        const QString text = QString::fromUtf8(readFile(xml));
        QVERIFY(text.contains(QStringLiteral("<ram:LineTotalAmount>3.03</ram:LineTotalAmount>")));
        QVERIFY(text.contains(QStringLiteral("FR40303265045")));

        const QString validator = einvoiceValidator();
        if (validator.isEmpty())
            QSKIP("skipped: conformance kit not found");
        const KitRun kit = validateEinvoices(validator, {xml});
        QVERIFY2(kit.exitCode == 0, qPrintable(kit.output));
    }

    // A quotation has no e-invoice: the export says so and asks for no file.
    void refusesANonInvoice()
    {
        Window w;
        w.createRows(1);
        QTRY_COMPARE(w.window->document().rowCount(), 1);
        w.typeInto("cboDoc", QStringLiteral("Quotation"));
        w.chooseFromTools("actExportEinvoice");
        QTRY_VERIFY(w.dialogs.shownTexts().value(0).startsWith(
            QStringLiteral("A document of type \"Quotation\" has no electronic invoice.")));
        QVERIFY(w.dialogs.fileTitles().isEmpty());
    }
};

TW_TEST_MAIN(TestEinvoiceWindow)
#include "tst_EinvoiceWindow.moc"
