#include "WindowFixture.h"
#include "app/widgets/PageColours.h"
#include "documents/SavedDocsList.h"
#include "documents/widgets/SavedDocsPanel.h"
#include "editor/widgets/GridPanel.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

#include <cmath>

// How the main window looks: where things sit as the window grows, what stays put, and whether its
// colours read on a light and a dark desktop. Also run at twice the scale (see tests/CMakeLists.txt).
namespace {

double luminance(const QColor& colour)
{
    auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x23, 0x26, 0x29));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    dark.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    return dark;
}

// What is painted behind a widget: the nearest filled background, its own included.
QColor backgroundBehind(const QWidget* widget)
{
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (at->autoFillBackground())
            return at->palette().color(at->backgroundRole());
    }
    return QApplication::palette().color(QPalette::Window);
}

QRect inWindow(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The boxes' own parts (a list's line edit, a date box's buttons, a scroll area's bars) are theirs.
bool composite(const QWidget* widget)
{
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
           || qobject_cast<const QAbstractScrollArea*>(widget);
}

void collectOverlaps(const QWidget* parent, QStringList& faults)
{
    QList<const QWidget*> shown;
    for (const QObject* object : parent->children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (child && !child->isWindow() && child->isVisible())
            shown.append(child);
    }
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                faults << shown[i]->objectName() + QLatin1String(" / ") + shown[j]->objectName() + QLatin1String(" in ")
                              + parent->objectName();
        }
        if (!composite(shown[i]))
            collectOverlaps(shown[i], faults);
    }
}

} // namespace

class TestWindowLook : public QObject
{
    Q_OBJECT

    static void showAt(MainWindow& window, QSize pixels)
    {
        window.resize(pixels / window.devicePixelRatio());
        QTRY_COMPARE(window.size(), pixels / window.devicePixelRatio());
    }

    // Ctrl+N, the count and Enter, as a person makes a new document.
    static void createRows(WindowFixture& f, int count)
    {
        f.createRows(count);
        QTRY_COMPARE(f.window->grid()->rowCount(), count);
        QApplication::processEvents();
    }

    static QWidget* field(MainWindow& window, const char* name)
    {
        return window.findChild<QWidget*>(QLatin1String(name));
    }

private slots:
    void init()
    {
        QApplication::setPalette(QPalette());
    }

    void descriptionColumnTakesTheFreeWidth()
    {
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        // Wide enough for the design width at any scale, so that all the growth is free width.
        showAt(window, QSize(1366, 768) * window.devicePixelRatio());
        createRows(f, 2);
        QWidget* description = field(window, "txtdescription");
        QWidget* qty = field(window, "cboqty");
        QWidget* price = field(window, "txtprice");
        QWidget* total = field(window, "txttotal");
        const QRect before = inWindow(description);
        const int priceWidth = price->width();
        const int totalRight = inWindow(total).right();

        const int growth = 500;
        window.resize(window.width() + growth, window.height());
        QTRY_COMPARE(inWindow(description).width(), before.width() + growth);
        QCOMPARE(inWindow(description).left(), before.left());
        QCOMPARE(price->width(), priceWidth);
        QCOMPARE(inWindow(qty).left(), inWindow(description).right() + 1);
        // The column heading and the totals follow the rows.
        auto* heading = window.grid()->findChildren<QLabel*>().at(2);
        QCOMPARE(heading->text(), QStringLiteral("Description"));
        QCOMPARE(heading->width(), description->width());
        QCOMPARE(inWindow(total).right(), totalRight + growth);
    }

    void nothingMovesWhenTheCurrentDocumentLabelShows()
    {
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        showAt(window, QSize(1366, 768));
        createRows(f, 1);
        auto* label = f.find<QLabel>("lblcurrentDocNum");
        QVERIFY(label->text().isEmpty());
        QHash<QWidget*, QRect> places;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->isVisible() && widget != label && !widget->isWindow())
                places.insert(widget, inWindow(widget));
        }
        f.find<QPushButton>("cmdSave2")->click();
        QTRY_VERIFY(!label->text().isEmpty());
        QApplication::processEvents();
        QStringList moved;
        for (auto it = places.cbegin(); it != places.cend(); ++it) {
            if (it.key()->isVisible() && inWindow(it.key()) != it.value()
                && !it.key()->objectName().startsWith(QLatin1String("qt_")))
                moved << it.key()->objectName() + QLatin1Char(':') + QLatin1String(it.key()->metaObject()->className());
        }
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QLatin1String(", "))));
    }

    void nothingOverlaps_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }

    void nothingOverlaps()
    {
        QFETCH(QSize, pixels);
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        showAt(window, pixels);
        createRows(f, 3);
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2"))
            QCOMPARE(window.devicePixelRatio(), 2.0);
        QStringList faults;
        collectOverlaps(window.centralWidget(), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }

    // On a window smaller than the settings panel the panel stays inside it and its pages scroll, so
    // every field can still be reached.
    void settingsFitASmallWindow_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1366x768") << QSize(1366, 768);
    }

    void settingsFitASmallWindow()
    {
        QFETCH(QSize, pixels);
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        showAt(*f.window, pixels);
        f.click("chkshowsettings");
        QWidget* panel = f.find<QWidget>("FrameSettings");
        QTRY_VERIFY(panel->isVisible());
        QVERIFY(f.window->rect().contains(QRect(panel->mapTo(f.window.get(), QPoint()), panel->size())));
        f.click("chkAddressRight");
        QVERIFY(f.find<QCheckBox>("chkAddressRight")->isChecked());
        f.chooseTab(QStringLiteral("E-invoice"));
        f.typeInto("txtDueDays", QStringLiteral("21"));
        QCOMPARE(f.find<QLineEdit>("txtDueDays")->text(), QStringLiteral("21"));
    }

    void coloursReadOnLightAndDark_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void coloursReadOnLightAndDark()
    {
        QFETCH(bool, dark);
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        if (dark)
            QApplication::setPalette(darkPalette());
        showAt(window, QSize(1366, 768));
        createRows(f, 2);
        for (const char* page : {"PicOuter", "PicInner"}) {
            QWidget* panel = field(window, page);
            QVERIFY(panel->autoFillBackground());
            QCOMPARE(panel->palette().color(QPalette::Window), QColor(32, 100, 115));
        }
        // Every caption on the page reads against what is behind it, every box's text against its box.
        QStringList faults;
        QWidget* inner = field(window, "PicInner");
        for (QWidget* widget : inner->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled())
                continue;  // greyed-out captions are meant to read as unavailable
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) {
                const QColor text = widget->palette().color(widget->foregroundRole());
                if (contrast(text, backgroundBehind(widget)) < 4.5)
                    faults << QStringLiteral("%1 %2 on %3").arg(widget->objectName() + QLatin1Char('/') + widget->parentWidget()->objectName(), text.name(),
                                                                 backgroundBehind(widget).name());
            }
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                const QPalette& colours = edit->palette();
                if (contrast(colours.color(QPalette::Text), colours.color(QPalette::Base)) < 4.5)
                    faults << QStringLiteral("box %1").arg(edit->objectName());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }

    void savedListDropsDownBlackWithCyanText()
    {
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        const QPalette dropped = window.savedDocs()->list()->view()->palette();
        QCOMPARE(dropped.color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(dropped.color(QPalette::Text), QColor(192, 255, 255));
        // The closed box keeps the desktop's colours.
        QCOMPARE(window.savedDocs()->list()->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));

        // And the open list is drawn so: black below its entries, each entry whole where the screen has
        // room (a list as wide as the box cut the balance and date out of the middle).
        showAt(window, QSize(800, 600));
        SavedDocsListing listing;
        const QString entry = QStringLiteral("INV-000001").leftJustified(32) + QStringLiteral("Delivery Order   ")
                              + QStringLiteral("2,476.92    28 Dec 2024  Customer 1902");
        listing.entries = QStringList{entry, SavedDocsList::separatorLine(), QStringLiteral("INV-2")};
        window.savedDocs()->showListing(listing);
        window.savedDocs()->list()->showPopup();
        QAbstractItemView* view = window.savedDocs()->list()->view();
        QTRY_VERIFY(view->isVisible());
        const int entryWidth = view->fontMetrics().horizontalAdvance(entry);
        QVERIFY(window.savedDocs()->list()->width() < entryWidth);
        if (entryWidth + 40 < view->screen()->availableGeometry().width())
            QVERIFY(view->viewport()->width() >= entryWidth);
        const QImage drawn = view->viewport()->grab().toImage();
        QCOMPARE(QColor(drawn.pixel(drawn.width() / 2, drawn.height() - 3)), QColor(Qt::black));
        window.savedDocs()->list()->hidePopup();
    }

    void logoShowsAbout()
    {
        WindowFixture f;
        QVERIFY(f.loadAndShow());
        MainWindow& window = *f.window;
        showAt(window, QSize(1366, 768));
        auto* logo = f.find<QToolButton>("PicLogo");
        QVERIFY(logo && logo->isVisible());
        QCOMPARE(logo->toolTip(), QStringLiteral("About"));
        QCOMPARE(logo->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!logo->icon().isNull());
        QTest::mouseClick(logo, Qt::LeftButton);
        const auto aboutShown = [] {
            const QWidgetList tops = QApplication::topLevelWidgets();
            return std::any_of(tops.cbegin(), tops.cend(), [](QWidget* top) {
                return top->isVisible() && top->windowTitle() == QLatin1String("About Tallywick");
            });
        };
        QTRY_VERIFY(aboutShown());
    }

    void commandsCarryIcons()
    {
        WindowFixture f;
        f.make();
        for (const char* name : {"cmdSave2", "cmdHtml", "cmdgetDOC", "cmddeletePO"})
            QVERIFY2(!f.find<QAbstractButton>(name)->icon().isNull(), name);
    }
};

TW_TEST_MAIN(TestWindowLook)
#include "tst_WindowLook.moc"
