#include "WindowFixture.h"
#include "core/HelpTexts.h"
#include "core/widgets/HelpButton.h"
#include "core/widgets/HelpPlacement.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/CreateRowsPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/TotalsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <memory>

namespace {

// The panels as the window builds them; with `dialogs`, each given its help.
std::unique_ptr<QWidget> panel(const QString& name, SettingsStore& settings, Dialogs* dialogs)
{
    const auto helped = [dialogs](auto built) -> std::unique_ptr<QWidget> {
        if (dialogs)
            built->addHelpButtons(*dialogs);
        return built;
    };
    if (name == QLatin1String("header"))
        return helped(std::make_unique<HeaderPanel>(settings));
    if (name == QLatin1String("rows"))
        return helped(std::make_unique<CreateRowsPanel>(settings));
    if (name == QLatin1String("totals"))
        return helped(std::make_unique<TotalsPanel>(settings));
    return helped(std::make_unique<SavedDocsPanel>());
}

// Widgets that take the keyboard focus, in tab order.
QStringList tabOrder(QWidget* root)
{
    QStringList names;
    QWidget* widget = root;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != root);
    return names;
}

void showLaidOut(QWidget* widget)
{
    widget->resize(1400, widget->sizeHint().height());
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
}

} // namespace

class TestHelpPlacement : public QObject
{
    Q_OBJECT

private slots:
    void buttonSitsRightOfItsControl_data()
    {
        QTest::addColumn<QString>("panelName");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        const auto row = [](const char* panel, const char* control, const QString& key) {
            QTest::addRow("%s", control) << QString::fromLatin1(panel) << QString::fromLatin1(control) << key;
        };
        row("header", "cboDoc", HelpTexts::DocType);
        row("header", "txtDocNumber", HelpTexts::DocNumber);
        row("header", "cmdauto", HelpTexts::AutoNumber);
        row("header", "txtcus", HelpTexts::BillTo);
        row("header", "txtcusShip", HelpTexts::ShipTo);
        row("rows", "cmdcreate", HelpTexts::CreateRows);
        row("rows", "chkMultiLine", HelpTexts::MultiLine);
        row("totals", "chkNoDisc", HelpTexts::NoDiscount);
        row("totals", "chkGoodsRcvd", HelpTexts::GoodsReceived);
        row("totals", "chkPrintBarcode", HelpTexts::Barcode);
        row("totals", "chkHideMoney", HelpTexts::HideMoney);
        row("totals", "chkblank", HelpTexts::ZeroRows);
        row("totals", "chkTableBorder", HelpTexts::TableBorders);
        row("totals", "chkExternalBrowser", HelpTexts::ExternalBrowser);
        row("totals", "cbolines", HelpTexts::PageRows);
        row("totals", "cmdcalculate", HelpTexts::Calculate);
        row("totals", "cmdInsertPaid", HelpTexts::InsertPaid);
        row("totals", "txtdelivery", HelpTexts::Charges);
        row("totals", "chktaxable", HelpTexts::Taxable);
        row("totals", "chkTaxAmtX", HelpTexts::HideTax);
        row("totals", "chkPaidX", HelpTexts::HidePaid);
        row("saved", "cmdgetDOC", HelpTexts::SavedDocuments);
        row("saved", "cmddeletePO", HelpTexts::DeleteDocument);
    }

    void buttonSitsRightOfItsControl()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, control);
        QFETCH(QString, key);
        WindowFixture f;
        const std::unique_ptr<QWidget> built = panel(panelName, f.settings, &f.dialogs);
        // The help buttons leave the panel's tab order as it is without them.
        QCOMPARE(tabOrder(built.get()), tabOrder(panel(panelName, f.settings, nullptr).get()));
        showLaidOut(built.get());
        auto* field = built->findChild<QWidget*>(control);
        auto* button = built->findChild<HelpButton*>(key);
        QVERIFY(field && button);
        QVERIFY(button->isVisible());
        const QRect fieldBox(field->mapTo(built.get(), QPoint()), field->size());
        const QRect buttonBox(button->mapTo(built.get(), QPoint()), button->size());
        QVERIFY2(buttonBox.left() >= fieldBox.right(),
                 qPrintable(QStringLiteral("field %1 button %2").arg(fieldBox.right()).arg(buttonBox.left())));
        QCOMPARE(button->parentWidget(), field->parentWidget());
        QVERIFY(button->parentWidget()->rect().contains(button->geometry()));
        QVERIFY(qAbs(buttonBox.center().y() - fieldBox.center().y()) <= fieldBox.height() / 2 + 2);

        button->click();
        QCOMPARE(f.dialogs.shownTexts(), QStringList{HelpTexts::text(key)});
        QCOMPARE(f.dialogs.shown().first().icon, DialogIcon::Information);
        QCOMPARE(f.dialogs.shown().first().buttons, DialogButtons::Ok);
        QCOMPARE(f.dialogs.shown().first().title, Dialogs::applicationTitle());
    }

    void saveAndHtmlHaveTheirHelp_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("key");
        // Beside Save File, always shown, not Save, which shows only with a document.
        QTest::newRow("save") << QStringLiteral("cmdSave2") << HelpTexts::Save;
        QTest::newRow("html") << QStringLiteral("cmdHtml") << HelpTexts::Generate;
        QTest::newRow("notes") << QStringLiteral("cmdaddImage") << HelpTexts::Notes;
    }

    void saveAndHtmlHaveTheirHelp()
    {
        QFETCH(QString, command);
        QFETCH(QString, key);
        WindowFixture f;
        MainWindow& window = f.make();
        auto* commandButton = window.findChild<QWidget*>(command);
        auto* help = window.findChild<HelpButton*>(key);
        QVERIFY(commandButton && help);
        QCOMPARE(window.findChildren<HelpButton*>(key).size(), 1);
        QCOMPARE(help->parentWidget(), commandButton->parentWidget());
        // Each panel's help is there too, and exactly once.
        for (const QString& placed : {HelpTexts::DocType, HelpTexts::CreateRows, HelpTexts::Description,
                                      HelpTexts::RowMoves, HelpTexts::Calculate, HelpTexts::SavedDocuments})
            QCOMPARE(window.findChildren<HelpButton*>(placed).size(), 1);
        help->click();
        QCOMPARE(f.dialogs.shownTexts(), QStringList{HelpTexts::text(key)});
    }

    void placementKeepsTheControlsCell_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("row") << QStringLiteral("row");
        QTest::newRow("column") << QStringLiteral("column");
        QTest::newRow("grid cell with span") << QStringLiteral("grid");
        QTest::newRow("no layout") << QStringLiteral("none");
    }

    void placementKeepsTheControlsCell()
    {
        QFETCH(QString, kind);
        ScriptedDialogs dialogs;
        QWidget host;
        QWidget* before = new QLineEdit(&host);
        QWidget* control = new QCheckBox(QStringLiteral("Option"), &host);
        QWidget* after = new QLineEdit(&host);
        if (kind == QLatin1String("row") || kind == QLatin1String("column")) {
            const bool row = kind == QLatin1String("row");
            auto* box = new QBoxLayout(row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, &host);
            for (QWidget* w : {before, control, after})
                box->addWidget(w);
        } else if (kind == QLatin1String("grid")) {
            auto* grid = new QGridLayout(&host);
            grid->addWidget(before, 0, 0);
            grid->addWidget(control, 1, 0, 1, 2);
            grid->addWidget(after, 2, 1);
        }
        auto* button = new HelpButton(HelpTexts::Taxable, dialogs);
        const bool placed = HelpPlacement::besideControl(control, button);
        QCOMPARE(placed, kind != QLatin1String("none"));
        if (!placed) {
            delete button;
            return;
        }
        QCOMPARE(control->parentWidget(), &host);
        QCOMPARE(button->parentWidget(), &host);
        showLaidOut(&host);
        // Neighbours keep their order around the control and its button.
        const auto top = [&](QWidget* w) { return w->geometry().top(); };
        const auto left = [&](QWidget* w) { return w->geometry().left(); };
        QVERIFY(left(button) > left(control));
        QVERIFY(qAbs(button->geometry().center().y() - control->geometry().center().y()) <= 4);
        if (kind == QLatin1String("row"))
            QVERIFY(left(before) < left(control) && left(after) > left(button));
        else
            QVERIFY(top(before) < top(control) && top(after) > top(control));
    }

    void everyTextIsShowable_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString& key : HelpTexts::keys())
            QTest::newRow(qPrintable(key)) << key;
    }

    // Message boxes break lines on CR LF; a bare LF or CR would show as a stray character elsewhere.
    void everyTextIsShowable()
    {
        QFETCH(QString, key);
        QCOMPARE(HelpTexts::keys().count(key), 1);
        const QString text = HelpTexts::text(key);
        QVERIFY(!text.trimmed().isEmpty());
        QString rest = text;
        rest.remove(QStringLiteral("\r\n"));
        QVERIFY2(!rest.contains(QLatin1Char('\n')) && !rest.contains(QLatin1Char('\r')), qPrintable(key));
        QVERIFY2(!text.startsWith(QStringLiteral("\r\n")), qPrintable(key));
    }

    void unknownKeyShowsNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown") << QStringLiteral("cmdnosuchhelp");
        QTest::newRow("case differs") << HelpTexts::CreateRows.toUpper();
    }

    void unknownKeyShowsNothing()
    {
        QFETCH(QString, key);
        QCOMPARE(HelpTexts::text(key), QString());
        ScriptedDialogs dialogs;
        HelpButton(key, dialogs).click();
        QVERIFY(dialogs.shown().isEmpty());
    }
};

TW_TEST_MAIN(TestHelpPlacement)
#include "tst_HelpPlacement.moc"
