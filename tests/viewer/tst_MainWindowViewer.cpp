#include "ViewerTestMain.h"

#include "app/AppPaths.h"
#include "app/Dialogs.h"
#include "app/SettingsStore.h"
#include "app/widgets/MainWindow.h"
#include "editor/widgets/EditorController.h"
#include "editor/widgets/GridPanel.h"
#include "store/Database.h"
#include "viewer/BrowserWindow.h"
#include "viewer/MainWindowViewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <optional>

namespace {

// The real main window with its own settings and database, and the browser wired to it as at start-up.
struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    Database database;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    MainWindowViewer* viewer = nullptr;

    Window()
    {
        settings = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
        window = std::make_unique<MainWindow>(*settings, database, dialogs);
        window->load(dir.filePath(QStringLiteral("tallywick.mdb")));
        window->editor()->setNumberLocale(QLocale(QStringLiteral("en_US")));
        viewer = new MainWindowViewer(*window, dialogs);
        window->resize(1200, 800);
        window->show();
    }

    template <typename T> T* find(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    template <typename T> T* inBrowser(const char* name) const
    {
        BrowserWindow* browser = viewer->pageViewer().window();
        return browser ? browser->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    // A numbered document of `count` rows, its first one filled.
    void startDocument(int count)
    {
        find<QComboBox>("txtnum")->setEditText(QString::number(count));
        find<QPushButton>("cmdcreate")->click();
        find<QLineEdit>("txtDocNumber")->setText(QStringLiteral("INV-77"));
        Document document = window->document();
        document.rows[0].description = QStringLiteral("Blue widget");
        document.rows[0].qty = QStringLiteral("2");
        document.rows[0].price = QStringLiteral("4.50");
        window->showDocument(document);
    }

    void generate() { find<QPushButton>("cmdHtml")->click(); }

    // Runs a script in the shown page; an invalid value while nothing has answered yet.
    QVariant evaluate(const QString& script) const
    {
        BrowserWindow* browser = viewer->pageViewer().window();
        if (!browser)
            return {};
        // Shared with the callback, which may still come after a timeout.
        auto answer = std::make_shared<std::optional<QVariant>>();
        browser->view()->page()->runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
        if (!QTest::qWaitFor([answer] { return answer->has_value(); }, 5000))
            return {};
        return **answer;
    }

    int pageTableRows() const
    {
        return evaluate(QStringLiteral("document.getElementsByTagName('tr').length")).toInt();
    }
    bool pageHasBorders() const
    {
        return evaluate(QStringLiteral("document.getElementsByTagName('style')[0].textContent"))
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
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

class TestMainWindowViewer : public QObject
{
    Q_OBJECT

private slots:
    void generateShowsTheWrittenPage()
    {
        Window w;
        QVERIFY(!w.viewer->pageViewer().window()); // nothing made before the first page
        w.startDocument(10);
        w.generate();
        QVERIFY(w.dialogs.shown().isEmpty());
        BrowserWindow* browser = w.viewer->pageViewer().window();
        QVERIFY(browser);
        QVERIFY(browser->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(browser->view()->url(), QUrl::fromLocalFile(AppPaths::generatedPage()), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(w.evaluate(QStringLiteral("document.title")).toString(), QStringLiteral("INV-77"),
                                  20000);
        QVERIFY(w.evaluate(QStringLiteral("document.body.innerText")).toString().contains(QStringLiteral("Blue widget")));
        QCOMPARE(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked(), w.find<QCheckBox>("chkTableBorder")->isChecked());
    }

    void browserSettingsGoBackAndRegenerate_data()
    {
        QTest::addColumn<QString>("rowsChoice"); // "" leaves the rows list alone
        QTest::addColumn<bool>("toggleBorders");
        QTest::addColumn<QString>("mainRows");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<int>("rowChange"); // table rows of the page against the first one (22 page rows)
        QTest::newRow("more rows") << QStringLiteral("30") << false << QStringLiteral("30") << true << 8;
        QTest::newRow("fewer rows") << QStringLiteral("5") << false << QStringLiteral("5") << true << -17;
        QTest::newRow("one row, below the main list") << QStringLiteral("1") << false << QStringLiteral("1") << true
                                                      << -20;
        QTest::newRow("borders off") << QString() << true << QStringLiteral("22") << false << 0;
    }

    void browserSettingsGoBackAndRegenerate()
    {
        QFETCH(QString, rowsChoice);
        QFETCH(bool, toggleBorders);
        QFETCH(QString, mainRows);
        QFETCH(bool, borders);
        QFETCH(int, rowChange);
        Window w;
        w.startDocument(2);
        w.generate();
        QTRY_VERIFY_WITH_TIMEOUT(w.pageTableRows() > 0, 20000);
        const int firstRows = w.pageTableRows();
        QVERIFY(w.pageHasBorders());

        if (!rowsChoice.isEmpty()) {
            auto* rows = w.inBrowser<QComboBox>("cbolines");
            const int index = rows->findText(rowsChoice);
            rows->setCurrentIndex(index);
            emit rows->activated(index);
        }
        if (toggleBorders)
            w.inBrowser<QCheckBox>("chkTableBorder")->click();

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
        QTest::addColumn<bool>("follows");
        QTest::newRow("internal, priced") << false << false << true;
        QTest::newRow("internal, money-free") << false << true << false;
        QTest::newRow("external, priced") << true << false << true;
        QTest::newRow("external, money-free") << true << true << false;
    }

    void bordersBoxFollowsOnlyPricedPages()
    {
        QFETCH(bool, external);
        QFETCH(bool, hideMoney);
        QFETCH(bool, follows);
        OpenerSpy opener;
        Window w;
        w.startDocument(3);
        w.generate();
        QVERIFY(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked());

        w.find<QCheckBox>("chkTableBorder")->setChecked(false);
        w.find<QCheckBox>("chkExternalBrowser")->setChecked(external);
        w.find<QCheckBox>("chkHideMoney")->setChecked(hideMoney);
        w.generate();
        QCOMPARE(opener.opened.size(), external ? 1 : 0);
        QCOMPARE(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked(), !follows);
    }

    void showBrowserButton_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("nothing open") << 0 << QStringList{PageViewer::nothingOpenMessage()};
        QTest::newRow("a document") << 4 << QStringList();
    }

    void showBrowserButton()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, messages);
        Window w;
        if (rows > 0)
            w.startDocument(rows);
        QPushButton* button = w.find<QPushButton>("cmdShowBrowser");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Generate Html in Internal Browser"));
        button->click();
        QCOMPARE(w.dialogs.shownTexts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::Critical);
        QCOMPARE(w.viewer->pageViewer().window() != nullptr, rows > 0);
    }

    void closingTheMainWindowClosesTheBrowser()
    {
        Window w;
        w.startDocument(1);
        w.generate();
        QPointer<BrowserWindow> browser = w.viewer->pageViewer().window();
        QVERIFY(browser);
        w.dialogs.setNextAnswer(DialogAnswer::No); // close without saving
        QVERIFY(w.window->close());
        QTRY_VERIFY(!browser);
    }
};

TW_VIEWER_TEST_MAIN(TestMainWindowViewer)
#include "tst_MainWindowViewer.moc"
