#include "ViewerTestMain.h"

#include "app/AppPaths.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/widgets/MainWindow.h"
#include "editor/widgets/EditorController.h"
#include "store/Database.h"
#include "viewer/BrowserWindow.h"
#include "viewer/MainWindowViewer.h"
#include "viewer/PageScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEngineView>

namespace {

// The real main window with its own settings and database, and the browser wired to it as at start-up.
struct Window
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    Database database;
    ScriptedDialogs dialogs;
    MainWindow window{settings, database, dialogs};
    MainWindowViewer* viewer = nullptr;

    Window()
    {
        window.load(dir.filePath(QStringLiteral("tallywick.mdb")));
        window.editor()->setNumberLocale(QLocale(QStringLiteral("en_US")));
        viewer = new MainWindowViewer(window, dialogs);
        window.resize(1200, 800);
        window.show();
    }

    BrowserWindow* browser() const { return viewer->pageViewer().window(); }
    template <typename T> T* find(const char* name) const { return window.findChild<T*>(QLatin1String(name)); }
    template <typename T> T* inBrowser(const char* name) const
    {
        return browser() ? browser()->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    // A numbered document of `count` rows, its first one filled.
    void startDocument(int count)
    {
        find<QComboBox>("txtnum")->setEditText(QString::number(count));
        find<QPushButton>("cmdcreate")->click();
        find<QLineEdit>("txtDocNumber")->setText(QStringLiteral("INV-77"));
        Document document = window.document();
        document.rows[0].description = QStringLiteral("Blue widget");
        document.rows[0].qty = QStringLiteral("2");
        document.rows[0].price = QStringLiteral("4.50");
        window.showDocument(document);
    }

    void generate() { find<QPushButton>("cmdHtml")->click(); }

    // Runs a script in the shown page; an invalid value while nothing has answered yet.
    QVariant js(const char* script) const
    {
        return browser() ? PageScript::run(*browser()->view()->page(), QLatin1String(script), 5000).value_or(QVariant())
                         : QVariant();
    }

    int pageTableRows() const { return js("document.getElementsByTagName('tr').length").toInt(); }
    bool pageHasBorders() const
    {
        return js("document.getElementsByTagName('style')[0].textContent")
            .toString()
            .contains(QStringLiteral("table.DocNo{border:1px solid gray}"));
    }
};

// Stands in for the desktop's opener, which a test must not start.
class OpenerSpy : public QObject
{
    Q_OBJECT

public:
    OpenerSpy() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenerSpy() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    int opened = 0;

public slots:
    void open(const QUrl&) { ++opened; }
};

} // namespace

class TestMainWindowViewer : public QObject
{
    Q_OBJECT

private slots:
    void generateShowsTheWrittenPageAndClosingClosesIt()
    {
        Window w;
        QVERIFY(!w.browser()); // nothing made before the first page
        w.startDocument(10);
        w.generate();
        QVERIFY(w.dialogs.shown().isEmpty());
        QPointer<BrowserWindow> browser = w.browser();
        QVERIFY(browser && browser->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(browser->view()->url(), QUrl::fromLocalFile(AppPaths::generatedPage()), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(w.js("document.title").toString(), QStringLiteral("INV-77"), 20000);
        QVERIFY(w.js("document.body.innerText").toString().contains(QStringLiteral("Blue widget")));

        w.dialogs.setNextAnswer(DialogAnswer::No); // close without saving
        QVERIFY(w.window.close());
        QTRY_VERIFY(!browser);
    }

    void browserSettingsGoBackAndRegenerate_data()
    {
        QTest::addColumn<QString>("rowsChoice"); // "" clicks the borders box instead
        QTest::addColumn<QString>("mainRows");
        QTest::addColumn<int>("rowChange"); // table rows of the page against the first one (22 page rows)
        QTest::newRow("more rows") << QStringLiteral("30") << QStringLiteral("30") << 8;
        QTest::newRow("one row, below the main list") << QStringLiteral("1") << QStringLiteral("1") << -20;
        QTest::newRow("borders off") << QString() << QStringLiteral("22") << 0;
    }

    void browserSettingsGoBackAndRegenerate()
    {
        QFETCH(QString, rowsChoice);
        QFETCH(QString, mainRows);
        QFETCH(int, rowChange);
        const bool borders = !rowsChoice.isEmpty();
        Window w;
        w.startDocument(2);
        w.generate();
        QTRY_VERIFY_WITH_TIMEOUT(w.pageTableRows() > 0, 20000);
        const int firstRows = w.pageTableRows();
        QVERIFY(w.pageHasBorders());
        if (rowsChoice.isEmpty()) {
            w.inBrowser<QCheckBox>("chkTableBorder")->click();
        } else {
            auto* rows = w.inBrowser<QComboBox>("cbolines");
            const int index = rows->findText(rowsChoice);
            rows->setCurrentIndex(index);
            emit rows->activated(index);
        }
        QCOMPARE(w.find<QComboBox>("cbolines")->currentText(), mainRows);
        QCOMPARE(w.find<QCheckBox>("chkTableBorder")->isChecked(), borders);
        QTRY_COMPARE_WITH_TIMEOUT(w.pageTableRows() - firstRows, rowChange, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(w.pageHasBorders(), borders, 20000);
        QCOMPARE(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked(), borders);
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void bordersBoxFollowsOnlyPricedPages_data()
    {
        QTest::addColumn<bool>("external");
        QTest::addColumn<bool>("hideMoney");
        QTest::newRow("internal, priced") << false << false;
        QTest::newRow("internal, money-free") << false << true;
        QTest::newRow("external, priced") << true << false;
        QTest::newRow("external, money-free") << true << true;
    }

    void bordersBoxFollowsOnlyPricedPages()
    {
        QFETCH(bool, external);
        QFETCH(bool, hideMoney);
        OpenerSpy opener;
        Window w;
        w.startDocument(3);
        w.generate();
        QVERIFY(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked());
        w.find<QCheckBox>("chkTableBorder")->setChecked(false);
        w.find<QCheckBox>("chkExternalBrowser")->setChecked(external);
        w.find<QCheckBox>("chkHideMoney")->setChecked(hideMoney);
        w.generate();
        QCOMPARE(opener.opened, external ? 1 : 0);
        QCOMPARE(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked(), hideMoney);
    }

    void showBrowserButton_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("nothing open")
            << 0 << QStringList{QStringLiteral("Please start or open a document to view in Internal Browser.   ")};
        QTest::newRow("a document") << 4 << QStringList();
    }

    void showBrowserButton()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, messages);
        Window w;
        if (rows > 0)
            w.startDocument(rows);
        w.find<QPushButton>("cmdShowBrowser")->click();
        QCOMPARE(w.dialogs.shownTexts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::Critical);
        QCOMPARE(w.browser() != nullptr, rows > 0);
    }
};

TW_VIEWER_TEST_MAIN(TestMainWindowViewer)
#include "tst_MainWindowViewer.moc"
