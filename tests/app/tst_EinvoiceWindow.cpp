#include "EinvoiceKit.h"
#include "WindowFixture.h"
#include "editor/widgets/EditorController.h"
#include "editor/widgets/GridPanel.h"
#include "richtext/widgets/RichTextBox.h"

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

const QLocale English(QLocale::English, QLocale::UnitedStates);

struct Window : WindowFixture
{
    Window()
    {
        database.create(dir.filePath(QStringLiteral("docs.mdb")));
        make();
        window->editor()->setNumberLocale(English);
        window->resize(1200, 800);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(window->load(dir.filePath(QStringLiteral("docs.mdb"))));
    }

    void click(QWidget* widget, QPoint at = QPoint(5, 5))
    {
        QVERIFY(widget && widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }

    // A click into the box, everything in it selected, then the keys as typed.
    void typeInto(QWidget* box, const QString& keys)
    {
        click(box);
        // A list that drops down as it takes the focus is closed again, as a person would.
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }
    void typeInto(const char* name, const QString& keys) { typeInto(find<QWidget>(name), keys); }

    QWidget* rowField(const char* name, int row) const
    {
        for (QWidget* field : window->grid()->findChildren<QWidget*>(QLatin1String(name))) {
            if (field->property("gridRow").toInt() == row)
                return field;
        }
        return nullptr;
    }

    void chooseTab(const QString& title)
    {
        for (QTabBar* bar : find<QWidget>("FrameSettings")->findChildren<QTabBar*>()) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->tabText(i) == title)
                    return click(bar, bar->tabRect(i).center());
            }
        }
        QFAIL("no such tab");
    }

    void chooseFromTools(const char* actionName)
    {
        QMenuBar* bar = window->menuBar();
        auto* tools = find<QMenu>("mnutools");
        click(bar, bar->actionGeometry(tools->menuAction()).center());
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
        w.click(w.find<QCheckBox>("chkshowsettings"));
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
        w.click(w.find<QCheckBox>("chkRoundLines"));
        w.click(w.find<QPushButton>("cmdsaveEinvoice"));
        QTRY_VERIFY(w.dialogs.shownTexts().contains(QStringLiteral("Settings successfully saved.")));
        QCOMPARE(w.database.query(QStringLiteral("SELECT City, RoundLines FROM tblcompany")).records.value(0).value(0),
                 QVariant(QStringLiteral("Munich")));
        // Typing without saving is dropped when the panel closes, an empty stored field included.
        w.typeInto("txtPhone", QStringLiteral("555"));
        w.click(w.find<QCheckBox>("chkshowsettings"));
        QTRY_VERIFY(!w.find<QWidget>("FrameSettings")->isVisible());
        QVERIFY(w.find<QLineEdit>("txtPhone")->text().isEmpty());
        QCOMPARE(w.find<QLineEdit>("txtCity")->text(), QStringLiteral("Munich"));

        w.typeInto("txtnum", QStringLiteral("1"));
        w.click(w.find<QPushButton>("cmdcreate"));
        QTRY_COMPARE(w.window->grid()->rowCount(), 1);
        w.typeInto("txtDocNumber", QStringLiteral("EI-1"));
        w.typeInto("txtcus", QStringLiteral("Client SARL"));
        w.typeInto("txtBuyerCountry", QStringLiteral("FR"));
        w.typeInto("txtBuyerVatId", QStringLiteral("FR40303265045"));
        w.typeInto("txtBuyerReference", QStringLiteral("PO 77"));
        w.typeInto(w.window->grid()->productId(1), QStringLiteral("T-1"));
        w.typeInto(w.window->grid()->description(1), QStringLiteral("Green tea"));
        w.typeInto(w.rowField("cboqty", 1), QStringLiteral("3"));
        w.typeInto(w.rowField("txtprice", 1), QStringLiteral("1.005"));
        w.dialogs.clear();
        w.click(w.find<QPushButton>("cmdsave"));
        QTRY_COMPARE(w.stored("BuyerCountry"), QStringLiteral("FR"));
        QCOMPARE(w.stored("BuyerVatId"), QStringLiteral("FR40303265045"));
        QCOMPARE(w.stored("BuyerReference"), QStringLiteral("PO 77"));
        // Rounded to cents per line: 3 × 1.01, not 3 × 1.005.
        QCOMPARE(w.stored("Amount").toDouble(), 3.03);

        // A new document clears the buyer fields; opening the saved one brings them back.
        w.click(w.find<QRadioButton>("OptNew"));
        w.typeInto("txtnum", QStringLiteral("1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.click(w.find<QPushButton>("cmdcreate"));
        QTRY_VERIFY(w.find<QLineEdit>("txtBuyerVatId")->text().isEmpty());
        w.typeInto("cboDocNumber", QStringLiteral("EI-1"));
        w.dialogs.setNextAnswer(DialogAnswer::Ok);
        w.click(w.find<QPushButton>("cmdgetDOC"));
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
        w.typeInto("txtnum", QStringLiteral("1"));
        w.click(w.find<QPushButton>("cmdcreate"));
        QTRY_COMPARE(w.window->grid()->rowCount(), 1);
        w.typeInto("cboDoc", QStringLiteral("Quotation"));
        w.chooseFromTools("actExportEinvoice");
        QTRY_VERIFY(w.dialogs.shownTexts().value(0).startsWith(
            QStringLiteral("A document of type \"Quotation\" has no electronic invoice.")));
        QVERIFY(w.dialogs.fileTitles().isEmpty());
    }
};

TW_TEST_MAIN(TestEinvoiceWindow)
#include "tst_EinvoiceWindow.moc"
