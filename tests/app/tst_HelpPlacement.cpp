#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/HelpTexts.h"
#include "app/SettingsStore.h"
#include "app/widgets/HelpButton.h"
#include "app/widgets/HelpPlacement.h"
#include "app/widgets/MainWindow.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/CreateRowsPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/TotalsPanel.h"
#include "store/Database.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSet>
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
        const struct
        {
            const char* panel;
            const char* control;
            const QString& key;
        } rows[] = {
            {"header", "cboDoc", HelpTexts::DocType},
            {"header", "txtDocNumber", HelpTexts::DocNumber},
            {"header", "cmdauto", HelpTexts::AutoNumber},
            {"header", "txtcus", HelpTexts::BillTo},
            {"header", "txtcusShip", HelpTexts::ShipTo},
            {"rows", "cmdcreate", HelpTexts::CreateRows},
            {"rows", "chkMultiLine", HelpTexts::MultiLine},
            {"totals", "chkNoDisc", HelpTexts::NoDiscount},
            {"totals", "chkGoodsRcvd", HelpTexts::GoodsReceived},
            {"totals", "chkPrintBarcode", HelpTexts::Barcode},
            {"totals", "chkHideMoney", HelpTexts::HideMoney},
            {"totals", "chkblank", HelpTexts::ZeroRows},
            {"totals", "chkTableBorder", HelpTexts::TableBorders},
            {"totals", "chkExternalBrowser", HelpTexts::ExternalBrowser},
            {"totals", "cbolines", HelpTexts::PageRows},
            {"totals", "cmdcalculate", HelpTexts::Calculate},
            {"totals", "cmdInsertPaid", HelpTexts::InsertPaid},
            {"totals", "txtdelivery", HelpTexts::Charges},
            {"totals", "chktaxable", HelpTexts::Taxable},
            {"totals", "chkTaxAmtX", HelpTexts::HideTax},
            {"totals", "chkPaidX", HelpTexts::HidePaid},
            {"saved", "cmdgetDOC", HelpTexts::SavedDocuments},
            {"saved", "cmddeletePO", HelpTexts::DeleteDocument},
        };
        for (const auto& row : rows)
            QTest::addRow("%s", row.control) << QString::fromLatin1(row.panel) << QString::fromLatin1(row.control)
                                             << row.key;
    }

    void buttonSitsRightOfItsControl()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, control);
        QFETCH(QString, key);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        ScriptedDialogs dialogs;
        const std::unique_ptr<QWidget> built = panel(panelName, settings, &dialogs);
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
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.shown().first().icon, DialogIcon::Information);
        QCOMPARE(dialogs.shown().first().buttons, DialogButtons::Ok);
        QCOMPARE(dialogs.shown().first().title, Dialogs::applicationTitle());
        QCOMPARE(dialogs.shown().first().text, HelpTexts::text(key));
    }

    void helpLeavesTheTabOrder_data()
    {
        QTest::addColumn<QString>("panelName");
        for (const char* name : {"header", "rows", "totals", "saved"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void helpLeavesTheTabOrder()
    {
        QFETCH(QString, panelName);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        ScriptedDialogs dialogs;
        // The same panel once without and once with its help buttons.
        QCOMPARE(tabOrder(panel(panelName, settings, &dialogs).get()),
                 tabOrder(panel(panelName, settings, nullptr).get()));
    }

    void saveAndHtmlHaveTheirHelp_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("key");
        // Save File, always shown, before Save, which shows only with a document.
        QTest::newRow("save") << QStringList{QStringLiteral("cmdSave2"), QStringLiteral("cmdsave")} << HelpTexts::Save;
        QTest::newRow("html") << QStringList{QStringLiteral("cmdHtml")} << HelpTexts::Generate;
        QTest::newRow("notes") << QStringList{QStringLiteral("cmdaddImage")} << HelpTexts::Notes;
    }

    void saveAndHtmlHaveTheirHelp()
    {
        QFETCH(QStringList, commands);
        QFETCH(QString, key);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
        Database database;
        ScriptedDialogs dialogs;
        MainWindow window(settings, database, dialogs);
        QWidget* commandButton = nullptr;
        for (const QString& command : commands) {
            if ((commandButton = window.findChild<QWidget*>(command)))
                break;
        }
        if (!commandButton)
            QSKIP("This window has no such command button.");
        auto* help = window.findChild<HelpButton*>(key);
        QVERIFY(help);
        QCOMPARE(window.findChildren<HelpButton*>(key).size(), 1);
        QCOMPARE(help->parentWidget(), commandButton->parentWidget());
        // Each panel's help is there too, and exactly once.
        for (const QString& placed : {HelpTexts::DocType, HelpTexts::CreateRows, HelpTexts::Description,
                                      HelpTexts::RowMoves, HelpTexts::Calculate, HelpTexts::SavedDocuments})
            QCOMPARE(window.findChildren<HelpButton*>(placed).size(), 1);
        help->click();
        QCOMPARE(dialogs.shownTexts(), QStringList{HelpTexts::text(key)});
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
        auto* before = new QLineEdit(&host);
        auto* control = new QCheckBox(QStringLiteral("Option"), &host);
        auto* after = new QLineEdit(&host);
        if (kind == QLatin1String("row")) {
            auto* row = new QHBoxLayout(&host);
            for (QWidget* w : std::initializer_list<QWidget*>{before, control, after})
                row->addWidget(w);
        } else if (kind == QLatin1String("column")) {
            auto* column = new QVBoxLayout(&host);
            for (QWidget* w : std::initializer_list<QWidget*>{before, control, after})
                column->addWidget(w);
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

    void keysAreUnique()
    {
        const QStringList keys = HelpTexts::keys();
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
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
