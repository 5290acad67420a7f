#include "ViewerTestMain.h"

#include "app/Dialogs.h"
#include "viewer/BrowserWindow.h"
#include "viewer/PageScript.h"
#include "viewer/PageViewer.h"
#include "viewer/PdfPages.h"
#include "viewer/ViewerHost.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEngineView>

namespace {

// Stands in for the main window: it remembers the two settings and "generates" a page that shows them.
class FakeHost : public ViewerHost
{
public:
    explicit FakeHost(const QString& pageFile) : m_pageFile(pageFile) {}

    QString pageRows() const override { return rows; }
    void setPageRows(const QString& value) override { rows = value; }
    bool tableBorders() const override { return borders; }
    void setTableBorders(bool on) override { borders = on; }
    void regenerate() override
    {
        ++regenerations;
        writePage();
        if (viewer)
            viewer->showPage(m_pageFile);
    }
    void save() override { ++saves; }
    bool hasOpenDocument() const override { return open; }
    void bringToFront() override { ++broughtToFront; }

    void writePage(const QByteArray& body = "<p id=note>Thank you</p>") const
    {
        TestSupport::writeFile(m_pageFile, "<html><head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                   "\r\n<title>INV-7</title></head>\r\n<body data-rows=\"" + rows.toLatin1() + "\" data-borders=\""
                   + (borders ? "1" : "0") + "\">\r\n" + body + "\r\n</body></html>\r\n");
    }

    PageViewer* viewer = nullptr;
    QString rows;
    bool borders = true;
    bool open = true;
    int regenerations = 0;
    int saves = 0;
    int broughtToFront = 0;

private:
    QString m_pageFile;
};

QVariant evaluate(BrowserWindow* window, const QString& script)
{
    return PageScript::run(*window->view()->page(), script).value_or(QVariant());
}

} // namespace

class TestBrowserWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_page;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<PageViewer> m_viewer;

    BrowserWindow* window() const { return m_viewer->window(); }

    bool showAndWait(BrowserWindow::PageKind kind = BrowserWindow::PageKind::Priced)
    {
        m_host->writePage();
        m_viewer->showPage(m_page, kind);
        QSignalSpy loaded(window()->view(), &QWebEngineView::loadFinished);
        return loaded.wait(30000) && loaded.first().first().toBool();
    }

    template <typename T> T* control(const char* name) const
    {
        return window()->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_page = m_dir->filePath(QStringLiteral("~document.htm"));
        m_host = std::make_unique<FakeHost>(m_page);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_viewer = std::make_unique<PageViewer>(*m_host, *m_dialogs);
        m_host->viewer = m_viewer.get();
    }

    void cleanup()
    {
        m_viewer.reset();
    }

    void windowIsMadeOnFirstPageOnly()
    {
        QVERIFY(!window());
        QVERIFY(showAndWait());
        QCOMPARE(window()->objectName(), QStringLiteral("frmbrowser"));
        QCOMPARE(window()->windowTitle(), QStringLiteral("Browser"));
        QCOMPARE(window()->view()->url(), QUrl::fromLocalFile(m_page));
        QCOMPARE(evaluate(window(), QStringLiteral("document.title")).toString(), QStringLiteral("INV-7"));
        QVERIFY(window()->isVisible());
        auto* rows = control<QComboBox>("cbolines");
        QCOMPARE(rows->count(), 100);
        QCOMPARE(rows->itemText(0), QStringLiteral("1"));
        QCOMPARE(rows->itemText(99), QStringLiteral("100"));
        QCOMPARE(rows->currentText(), QString());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        const QString none;
        QTest::newRow("rows label") << "lblrow" << "Rows" << none;
        QTest::newRow("rows help") << "cmdcbolinesHelp" << "?" << none;
        QTest::newRow("borders") << "chkTableBorder" << "Toggle Borders" << none;
        QTest::newRow("edit") << "cmdEdit" << "Edit for Print" << "Click to make this Page Editable for Printout only.";
        QTest::newRow("print") << "cmdprint" << "Print" << none;
        QTest::newRow("page setup") << "cmdpagesetup" << "Page Setup" << none;
        QTest::newRow("save html") << "cmdsave" << "Save Html" << none;
        QTest::newRow("save pdf") << "cmdSavePdf" << "Save PDF" << none;
        QTest::newRow("save doc") << "cmdTallywickDoc" << "Save Doc" << none;
        QTest::newRow("back") << "cmdback" << "" << none;
        QTest::newRow("exit") << "cmdExit" << "Exit" << none;
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QVERIFY(showAndWait());
        auto* widget = window()->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->property("text").toString(), caption);
        QCOMPARE(widget->toolTip(), toolTip);
    }

    void browserAreaFillsTheWindowBelowTheButtons()
    {
        QVERIFY(showAndWait());
        window()->resize(1000, 700);
        QTRY_COMPARE(window()->view()->width(), 1000);
        const auto* print = control<QPushButton>("cmdprint");
        QVERIFY(window()->view()->y() >= print->geometry().bottom());
        QCOMPARE(window()->view()->geometry().bottom(), window()->height() - 1);
    }

    void choosingRowsRegeneratesWithThem_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::newRow("10") << QStringLiteral("10");
        QTest::newRow("first") << QStringLiteral("1");
        QTest::newRow("last") << QStringLiteral("100");
    }

    void choosingRowsRegeneratesWithThem()
    {
        QFETCH(QString, choice);
        QVERIFY(showAndWait());
        auto* rows = control<QComboBox>("cbolines");
        const int index = rows->findText(choice);
        rows->setCurrentIndex(index);
        emit rows->activated(index);
        QCOMPARE(m_host->rows, choice);
        // Run after the handler has returned, like a posted key press.
        QCOMPARE(m_host->regenerations, 0);
        QTRY_COMPARE(m_host->regenerations, 1);
        QTRY_COMPARE(evaluate(window(), QStringLiteral("document.body.dataset.rows")).toString(), choice);
        QCOMPARE(rows->currentText(), choice);
    }

    void typingInRowsListChangesNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit") << int(Qt::Key_5) << QStringLiteral("5");
        QTest::newRow("down") << int(Qt::Key_Down) << QString();
        QTest::newRow("end") << int(Qt::Key_End) << QString();
        QTest::newRow("page down") << int(Qt::Key_PageDown) << QString();
        QTest::newRow("enter") << int(Qt::Key_Return) << QStringLiteral("\r");
    }

    void typingInRowsListChangesNothing()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QVERIFY(showAndWait());
        auto* rows = control<QComboBox>("cbolines");
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(rows, &press);
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(rows, &wheel);
        QTest::qWait(50);
        QCOMPARE(rows->currentIndex(), -1);
        QCOMPARE(m_host->rows, QString());
        QCOMPARE(m_host->regenerations, 0);
    }

    void rowsListOpensOnFocus()
    {
        QVERIFY(showAndWait());
        auto* rows = control<QComboBox>("cbolines");
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(rows, &focus);
        QTRY_VERIFY(rows->view()->isVisible());
        rows->hidePopup();
    }

    void rowsHelpExplainsTheSetting()
    {
        QVERIFY(showAndWait());
        control<QPushButton>("cmdcbolinesHelp")->click();
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown().first().icon, DialogIcon::Information);
        QCOMPARE(m_dialogs->shownTexts().first(),
                 QStringLiteral("'Rows' setting is just for fine-tuning the layout for a single page. \r\n\r\n"
                                "It does NOT limit no. of items shown and pages to be printed.  \r\n\r\n"));
    }

    void toggleBordersRegeneratesWithThem_data()
    {
        QTest::addColumn<bool>("before");
        QTest::newRow("untick") << true;
        QTest::newRow("tick") << false;
    }

    void toggleBordersRegeneratesWithThem()
    {
        QFETCH(bool, before);
        m_host->borders = before;
        QVERIFY(showAndWait());
        auto* borders = control<QCheckBox>("chkTableBorder");
        QCOMPARE(borders->isChecked(), before);
        QTest::mouseClick(borders, Qt::LeftButton, {}, QPoint(5, borders->height() / 2));
        QCOMPARE(m_host->borders, !before);
        QTRY_COMPARE(m_host->regenerations, 1);
        const QString shown = !before ? QStringLiteral("1") : QStringLiteral("0");
        QTRY_COMPARE(evaluate(window(), QStringLiteral("document.body.dataset.borders")).toString(), shown);
        QCOMPARE(borders->isChecked(), !before);
    }

    void bordersFollowTheMainWindowAfterPricedPagesOnly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("expected");
        QTest::newRow("priced page copies") << int(BrowserWindow::PageKind::Priced) << false;
        QTest::newRow("money-free page leaves it") << int(BrowserWindow::PageKind::MoneyFree) << true;
    }

    void bordersFollowTheMainWindowAfterPricedPagesOnly()
    {
        QFETCH(int, kind);
        QFETCH(bool, expected);
        QVERIFY(showAndWait());
        QVERIFY(control<QCheckBox>("chkTableBorder")->isChecked());
        m_host->borders = false;
        QVERIFY(showAndWait(BrowserWindow::PageKind(kind)));
        QCOMPARE(control<QCheckBox>("chkTableBorder")->isChecked(), expected);
        // Copying the state is not a click: nothing goes back to the main window.
        QTest::qWait(50);
        QCOMPARE(m_host->regenerations, 0);
    }

    void editMakesThePageEditableUntilRegenerated()
    {
        QVERIFY(showAndWait());
        QCOMPARE(evaluate(window(), QStringLiteral("document.body.isContentEditable")).toBool(), false);
        control<QPushButton>("cmdEdit")->click();
        QTRY_COMPARE(evaluate(window(), QStringLiteral("document.body.isContentEditable")).toBool(), true);
        QCOMPARE(evaluate(window(), QStringLiteral("document.designMode")).toString(), QStringLiteral("on"));
        evaluate(window(), QStringLiteral("document.getElementById('note').textContent = 'Edited'"));

        QVERIFY(showAndWait());
        QCOMPARE(evaluate(window(), QStringLiteral("document.body.isContentEditable")).toBool(), false);
        QCOMPARE(evaluate(window(), QStringLiteral("document.getElementById('note').textContent")).toString(),
                 QStringLiteral("Thank you"));
    }

    void saveHtmlWritesThePageAsEdited()
    {
        QVERIFY(showAndWait());
        control<QPushButton>("cmdEdit")->click();
        QTRY_COMPARE(evaluate(window(), QStringLiteral("document.designMode")).toString(), QStringLiteral("on"));
        evaluate(window(), QStringLiteral("document.getElementById('note').textContent = "
                                          "'Paid \\u20ac 5 \\u03a9\\nnext'"));
        const QString target = m_dir->filePath(QStringLiteral("copy.htm"));
        m_dialogs->setNextFile(target);
        control<QPushButton>("cmdsave")->click();

        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.contains("Paid \x80 5 &#937;\r\nnext"), bytes.constData());
        QVERIFY(bytes.contains("<title>INV-7</title>"));
        QVERIFY(bytes.contains("charset=windows-1252"));
        QVERIFY(!bytes.contains("contenteditable"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void savePdfWritesTheEditedPage()
    {
        QVERIFY(showAndWait());
        evaluate(window(), QStringLiteral("document.getElementById('note').textContent = 'Changed for print'"));
        const QString target = m_dir->filePath(QStringLiteral("copy.pdf"));
        m_dialogs->setNextFile(target);
        control<QPushButton>("cmdSavePdf")->click();
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        PdfPages pages;
        QVERIFY(pages.load(file.readAll()));
        QVERIFY(pages.text(0).contains(QStringLiteral("Changed for print")));
    }

    void saveDocBackAndExit()
    {
        QVERIFY(showAndWait());
        control<QPushButton>("cmdTallywickDoc")->click();
        QTRY_COMPARE(m_host->saves, 1);
        control<QPushButton>("cmdback")->click();
        QCOMPARE(m_host->broughtToFront, 1);
        QVERIFY(window()->isVisible());
        control<QPushButton>("cmdExit")->click();
        QTRY_VERIFY(!window());
        QVERIFY(showAndWait());
        QCOMPARE(control<QComboBox>("cbolines")->currentIndex(), -1);
    }

    void showBrowserCommand_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("regenerations");
        QTest::newRow("document open") << true << QStringList() << 1;
        QTest::newRow("nothing open")
            << false << QStringList{QStringLiteral("Please start or open a document to view in Internal Browser.   ")}
            << 0;
    }

    void showBrowserCommand()
    {
        QFETCH(bool, open);
        QFETCH(QStringList, messages);
        QFETCH(int, regenerations);
        m_host->open = open;
        m_host->viewer = nullptr;
        m_viewer->showBrowserCommand();
        QCOMPARE(m_dialogs->shownTexts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(m_dialogs->shown().first().icon, DialogIcon::Critical);
        QCOMPARE(m_host->regenerations, regenerations);
        QVERIFY(!window());
    }
};

TW_VIEWER_TEST_MAIN(TestBrowserWindow)
#include "tst_BrowserWindow.moc"
