#include "ViewerTestMain.h"
#include "WindowFixture.h"
#include "PdfTools.h"

#include "core/AppPaths.h"
#include "viewer/BrowserWindow.h"
#include "app/widgets/MainWindowViewer.h"
#include "app/widgets/UserGuide.h"
#include "viewer/LinkedPageViewer.h"
#include "viewer/PageScript.h"
#include "viewer/PageViewer.h"
#include "viewer/PaperLayout.h"
#include "viewer/PdfPages.h"
#include "viewer/ViewerHost.h"
#include "einvoice/pdf/SrgbProfile.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWebEngineView>

namespace {

// The browser window with a stand-in for the main window, which remembers the two settings and
// "generates" a page that shows them.
struct Browser : ViewerHost
{
    QString pageRows() const override { return rows; }
    void setPageRows(const QString& value) override { rows = value; }
    bool tableBorders() const override { return borders; }
    void setTableBorders(bool on) override { borders = on; }
    void regenerate() override
    {
        ++regenerations;
        writePage();
        viewer.showPage(pageFile);
    }
    void save() override { ++saves; }
    bool hasOpenDocument() const override { return true; }
    void bringToFront() override { ++broughtToFront; }
    QString setting(const QString& key) const override { return settings.value(key); }
    void saveSetting(const QString& key, const QString& value) override { settings[key] = value; }
    QString companyName() const override { return QStringLiteral("Norvane Trading"); }
    bool offersEinvoice() const override { return invoice; }
    QByteArray einvoiceXml(QString* why) override
    {
        *why = refusal;
        return xml;
    }

    void writePage() const
    {
        TestSupport::writeFile(pageFile, "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                         "charset=windows-1252\">\r\n<title>INV-7</title></head>\r\n<body data-rows=\""
                                             + rows.toLatin1() + "\" data-borders=\"" + (borders ? "1" : "0")
                                             + "\">\r\n<p id=note>Thank you</p>\r\n</body></html>\r\n");
    }

    bool showAndWait(BrowserWindow::PageKind kind = BrowserWindow::PageKind::Priced)
    {
        writePage();
        viewer.showPage(pageFile, kind);
        QSignalSpy loaded(window()->view(), &QWebEngineView::loadFinished);
        return loaded.wait(30000) && loaded.first().first().toBool();
    }

    BrowserWindow* window() const { return viewer.window(); }
    template <typename T> T* control(const char* name) const { return window()->findChild<T*>(QLatin1String(name)); }
    QVariant js(const char* script) const
    {
        return PageScript::run(*window()->view()->page(), QString::fromUtf8(script)).value_or(QVariant());
    }

    QTemporaryDir dir;
    QString pageFile = dir.filePath(QStringLiteral("~document.htm"));
    QString rows;
    bool borders = true;
    int regenerations = 0;
    int saves = 0;
    int broughtToFront = 0;
    bool invoice = false;
    QByteArray xml;
    QString refusal;
    QHash<QString, QString> settings;
    ScriptedDialogs dialogs;
    PageViewer viewer{*this, dialogs};
};


// The real main window with its own settings and database, and the browser wired to it as at start-up.
struct Window : WindowFixture
{
    MainWindowViewer* viewer = nullptr;

    Window()
    {
        QVERIFY(loadAndShow());
        viewer = new MainWindowViewer(*window, dialogs, &LinkedPageViewer::create);
    }

    BrowserWindow* browser() const { return static_cast<BrowserWindow*>(viewer->browserWindow()); }
    template <typename T> T* inBrowser(const char* name) const
    {
        return browser() ? browser()->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    // A numbered document of `count` rows, its first one filled.
    void startDocument(int count)
    {
        createRows(count);
        typeInto("txtDocNumber", QStringLiteral("INV-77"));
        typeInto(field("txtdescription", 1), QStringLiteral("Blue widget"));
        typeInto(field("cboqty", 1), QStringLiteral("2"));
        typeInto(field("txtprice", 1), QStringLiteral("4.50"));
    }

    void generate() { click("cmdHtml"); }

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

// The browser window on a stand-in for the main window, then wired to the real one.
class TestBrowserWindow : public QObject
{
    Q_OBJECT

private slots:
    // A rows choice or a click on the borders box goes to the main window, which generates the page again.
    void settingsRegenerateThePage_data()
    {
        QTest::addColumn<QString>("rowsChoice"); // "" clicks the borders box instead
        QTest::addColumn<bool>("bordersBefore");
        QTest::newRow("first rows") << QStringLiteral("1") << true;
        QTest::newRow("last rows") << QStringLiteral("100") << true;
        QTest::newRow("untick borders") << QString() << true;
        QTest::newRow("tick borders") << QString() << false;
    }

    void settingsRegenerateThePage()
    {
        QFETCH(QString, rowsChoice);
        QFETCH(bool, bordersBefore);
        Browser b;
        b.borders = bordersBefore;
        QVERIFY(b.showAndWait());
        auto* rows = b.control<QComboBox>("cbolines");
        auto* borders = b.control<QCheckBox>("chkTableBorder");
        QCOMPARE(borders->isChecked(), bordersBefore);
        const bool bordersAfter = rowsChoice.isEmpty() ? !bordersBefore : bordersBefore;
        if (rowsChoice.isEmpty()) {
            QTest::mouseClick(borders, Qt::LeftButton, {}, QPoint(5, borders->height() / 2));
        } else {
            const int index = rows->findText(rowsChoice);
            rows->setCurrentIndex(index);
            emit rows->activated(index);
        }
        QCOMPARE(b.rows, rowsChoice);
        QCOMPARE(b.borders, bordersAfter);
        // Run after the handler has returned, like a posted key press.
        QCOMPARE(b.regenerations, 0);
        QTRY_COMPARE(b.regenerations, 1);
        QTRY_COMPARE(b.js("document.body.dataset.rows + document.body.dataset.borders").toString(),
                     rowsChoice + (bordersAfter ? QLatin1Char('1') : QLatin1Char('0')));
        QCOMPARE(rows->currentText(), rowsChoice);
        QCOMPARE(borders->isChecked(), bordersAfter);
    }

    // Keys and the wheel never change the rows list (each choice regenerates the page); focus opens it.
    void rowsListTakesNoKeysOpensOnFocusAndHasHelp()
    {
        Browser b;
        QVERIFY(b.showAndWait());
        auto* rows = b.control<QComboBox>("cbolines");
        QCOMPARE(rows->currentIndex(), -1);
        const std::pair<int, const char*> keys[] = {
            {Qt::Key_5, "5"}, {Qt::Key_Down, ""}, {Qt::Key_End, ""}, {Qt::Key_PageDown, ""}, {Qt::Key_Return, "\r"}};
        for (const auto& [key, text] : keys) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
            QApplication::sendEvent(rows, &press);
        }
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(rows, &wheel);
        QTest::qWait(50);
        QCOMPARE(rows->currentIndex(), -1);
        QCOMPARE(b.rows, QString());
        QCOMPARE(b.regenerations, 0);

        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(rows, &focus);
        QTRY_VERIFY(rows->view()->isVisible());
        rows->hidePopup();

        b.control<QPushButton>("cmdcbolinesHelp")->click();
        QCOMPARE(b.dialogs.shown().size(), 1);
        QCOMPARE(b.dialogs.shown().first().icon, DialogIcon::Information);
        QCOMPARE(b.dialogs.shownTexts().first(),
                 QStringLiteral("'Rows' setting is just for fine-tuning the layout for a single page. \r\n\r\n"
                                "It does NOT limit no. of items shown and pages to be printed.  \r\n\r\n"));
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
        Browser b;
        QVERIFY(b.showAndWait());
        QVERIFY(b.control<QCheckBox>("chkTableBorder")->isChecked());
        b.borders = false;
        QVERIFY(b.showAndWait(BrowserWindow::PageKind(kind)));
        QCOMPARE(b.control<QCheckBox>("chkTableBorder")->isChecked(), expected);
        // Copying the state is not a click: nothing goes back to the main window.
        QTest::qWait(50);
        QCOMPARE(b.regenerations, 0);
    }

    // Edit for Print makes the page editable; Save Html and Save PDF write it as edited (the file in the
    // page's encoding), and the next page from the main window ends the editing.
    void editSaveThenRegenerate()
    {
        Browser b;
        QVERIFY(b.showAndWait());
        QCOMPARE(b.js("document.body.isContentEditable").toBool(), false);
        b.control<QPushButton>("cmdEdit")->click();
        QTRY_COMPARE(b.js("document.body.isContentEditable").toBool(), true);
        QCOMPARE(b.js("document.designMode").toString(), QStringLiteral("on"));
        b.js("document.getElementById('note').textContent = 'Paid \\u20ac 5\\nnext'");
        b.dialogs.setNextFile(b.dir.filePath(QStringLiteral("copy.htm")));
        b.control<QPushButton>("cmdsave")->click();
        const QByteArray bytes = TestSupport::readFile(b.dir.filePath(QStringLiteral("copy.htm")));
        QVERIFY2(bytes.contains("Paid \x80 5\r\nnext"), bytes.constData());
        QVERIFY(bytes.contains("<title>INV-7</title>"));
        QVERIFY(bytes.contains("charset=windows-1252"));
        QVERIFY(!bytes.contains("contenteditable"));
        b.dialogs.setNextFile(b.dir.filePath(QStringLiteral("copy.pdf")));
        b.control<QPushButton>("cmdSavePdf")->click();
        PdfPages pages;
        QVERIFY(pages.load(TestSupport::readFile(b.dir.filePath(QStringLiteral("copy.pdf")))));
        QVERIFY2(pages.text(0).contains(QString::fromUtf8("Paid € 5")), qPrintable(pages.text(0)));
        QVERIFY(b.dialogs.shown().isEmpty());

        QVERIFY(b.showAndWait());
        QCOMPARE(b.js("document.body.isContentEditable").toBool(), false);
        QCOMPARE(b.js("document.getElementById('note').textContent").toString(), QStringLiteral("Thank you"));
    }

    // Save PDF starts in Documents (or home), proposes the document number as the name, says in the
    // window where it wrote, and starts the next time where the last file went.
    void savePdfRemembersTheFolderAndSaysWhereItWrote()
    {
        Browser b;
        QVERIFY(b.showAndWait());
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("copy.pdf"));
        b.dialogs.setNextFile(file);
        b.control<QPushButton>("cmdSavePdf")->click();
        QCOMPARE(b.dialogs.fileProposals(), QStringList{QDir(first).filePath(QStringLiteral("INV-7.pdf"))});
        QVERIFY(b.dialogs.shown().isEmpty());
        QVERIFY(b.window()->statusText().contains(QDir::toNativeSeparators(file)));
        const QByteArray pdf = TestSupport::readFile(file);
        QVERIFY(pdf.contains("/Author <FEFF004E006F007200760061006E0065002000540072006100640069006E0067>"));

        const QString unwritable = folder.filePath(QStringLiteral("missing/other.pdf"));
        b.dialogs.setNextFile(unwritable);
        b.control<QPushButton>("cmdSavePdf")->click();
        QCOMPARE(b.dialogs.fileProposals().last(), folder.filePath(QStringLiteral("INV-7.pdf")));
        QCOMPARE(b.dialogs.shown().size(), 1);
        QVERIFY(b.dialogs.shownTexts().first().contains(unwritable));
        QVERIFY(b.window()->statusText().isEmpty());
        QVERIFY(!QFileInfo::exists(unwritable));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("copy.pdf")});
        QCOMPARE(QDir(b.dir.path()).entryList({QStringLiteral("~print-*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    // An invoice's page offers the e-invoice PDF beside the plain one; a refusal asks for no file; the
    // written file carries the host's XML as its attachment.
    void facturxPdfForInvoicesOnly()
    {
        Browser b;
        QVERIFY(b.showAndWait());
        auto* facturx = b.control<QPushButton>("cmdSaveFacturx");
        QVERIFY(facturx && facturx->isHidden());
        b.invoice = true;
        QVERIFY(b.showAndWait(BrowserWindow::PageKind::MoneyFree));
        QVERIFY(facturx->isHidden());
        QVERIFY(b.showAndWait());
        QVERIFY(!facturx->isHidden());

        b.refusal = QStringLiteral("The e-invoice cannot be written until these fields are filled in:");
        facturx->click();
        QCOMPARE(b.dialogs.shownTexts(), QStringList{b.refusal});
        QVERIFY(b.dialogs.fileTitles().isEmpty());

        if (!SrgbProfile::load().ok)
            QSKIP("skipped: no sRGB colour profile on this machine");
        b.dialogs.clear();
        b.refusal.clear();
        b.xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<invoice>INV-7</invoice>\n";
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("INV-7.pdf"));
        b.dialogs.setNextFile(file);
        facturx->click();
        QVERIFY2(b.dialogs.shown().isEmpty(), qPrintable(b.dialogs.shownTexts().join(u'\n')));
        QVERIFY(b.window()->statusText().contains(QDir::toNativeSeparators(file)));
        if (!TestSupport::missingTools({QStringLiteral("pdfdetach")}).isEmpty())
            QSKIP("skipped: pdfdetach not found");
        const QString attached = folder.filePath(QStringLiteral("attached.xml"));
        QCOMPARE(TestSupport::runTool(QStringLiteral("pdfdetach"),
                                      {QStringLiteral("-savefile"), QStringLiteral("factur-x.xml"), QStringLiteral("-o"),
                                       attached, file})
                     .exitCode,
                 0);
        QCOMPARE(TestSupport::readFile(attached), b.xml);
    }

    void pdfFileName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("INV-7") << QStringLiteral("INV-7.pdf");
        QTest::newRow("slashes and colon") << QStringLiteral("2026/12:A\\b") << QStringLiteral("2026_12_A_b.pdf");
        QTest::newRow("reserved marks") << QStringLiteral("a*b?c\"d<e>f|g") << QStringLiteral("a_b_c_d_e_f_g.pdf");
        QTest::newRow("control character") << QStringLiteral("a\tb") << QStringLiteral("a_b.pdf");
        QTest::newRow("trailing dots") << QStringLiteral(" No. 5.. ") << QStringLiteral("No. 5.pdf");
        QTest::newRow("nothing left") << QStringLiteral("..") << QStringLiteral("document.pdf");
        QTest::newRow("accents kept") << QString::fromUtf8("Facture né 3") << QString::fromUtf8("Facture né 3.pdf");
    }

    void pdfFileName()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(BrowserWindow::pdfFileName(title), name);
    }

    // Page Setup's choice is kept in the settings and is what the next window starts with.
    void pageSetupIsRemembered()
    {
        Browser b;
        QVERIFY(b.showAndWait());
        QCOMPARE(b.window()->pageLayout().pageSize().id(), PaperLayout::regionalDefault().pageSize().id());
        b.settings[SettingsStore::PageSetup] = QStringLiteral("Letter;Landscape;20;10;20;10");
        b.control<QPushButton>("cmdExit")->click();
        QTRY_VERIFY(!b.window());
        QVERIFY(b.showAndWait());
        QCOMPARE(b.window()->pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(b.window()->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(b.window()->pageLayout().margins(QPageLayout::Millimeter), QMarginsF(20, 10, 20, 10));
    }

    void saveDocBackAndExit()
    {
        Browser b;
        QVERIFY(b.showAndWait());
        b.control<QPushButton>("cmdTallywickDoc")->click();
        QTRY_COMPARE(b.saves, 1);
        b.control<QPushButton>("cmdback")->click();
        QCOMPARE(b.broughtToFront, 1);
        QVERIFY(b.window()->isVisible());
        b.control<QPushButton>("cmdExit")->click();
        QTRY_VERIFY(!b.window());
        QVERIFY(b.showAndWait());
        QCOMPARE(b.control<QComboBox>("cbolines")->currentIndex(), -1);
    }

    // The main window's invoice offers the e-invoice PDF; its missing company fields are listed by the refusal.
    void mainWindowInvoiceNamesWhatTheEinvoiceLacks()
    {
        Window w;
        w.startDocument(1);
        w.generate();
        QTRY_VERIFY(w.inBrowser<QPushButton>("cmdSaveFacturx") && !w.inBrowser<QPushButton>("cmdSaveFacturx")->isHidden());
        w.dialogs.clear();
        w.inBrowser<QPushButton>("cmdSaveFacturx")->click();
        QVERIFY2(w.dialogs.shownTexts().value(0).contains(QStringLiteral("- Currency code such as EUR: Settings, E-invoice")),
                 qPrintable(w.dialogs.shownTexts().join(u'\n')));
        QVERIFY(w.dialogs.fileTitles().isEmpty());
    }

    // Show Browser asks for a document, then generates it into the browser; closing the main window closes it.
    void showBrowserGeneratesThePageAndClosingClosesIt()
    {
        Window w;
        w.click("cmdShowBrowser");
        QCOMPARE(w.dialogs.shownTexts(),
                 QStringList{QStringLiteral("Please start or open a document to view in Internal Browser.   ")});
        QCOMPARE(w.dialogs.shown().first().icon, DialogIcon::Critical);
        QVERIFY(!w.browser()); // nothing made before the first page
        w.startDocument(10);
        w.click("cmdShowBrowser");
        QCOMPARE(w.dialogs.shown().size(), 1);
        QPointer<BrowserWindow> browser = w.browser();
        QVERIFY(browser && browser->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(browser->view()->url(), QUrl::fromLocalFile(AppPaths::generatedPage()), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(w.js("document.title").toString(), QStringLiteral("INV-77"), 20000);
        QVERIFY(w.js("document.body.innerText").toString().contains(QStringLiteral("Blue widget")));

        w.dialogs.setNextAnswer(DialogAnswer::No); // close without saving
        QVERIFY(w.window->close());
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
        QVERIFY(w.browser());
        // Each wait is on the page's own load signal: a cold web engine may take long for the first page.
        QSignalSpy firstLoad(w.browser()->view(), &QWebEngineView::loadFinished);
        if (w.pageTableRows() == 0)
            QVERIFY(firstLoad.wait(120000));
        const int firstRows = w.pageTableRows();
        QVERIFY(firstRows > 0);
        QSignalSpy regenerated(w.browser()->view(), &QWebEngineView::loadFinished);
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
        QVERIFY(!regenerated.isEmpty() || regenerated.wait(120000));
        QCOMPARE(w.pageTableRows() - firstRows, rowChange);
        QCOMPARE(w.pageHasBorders(), borders);
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
        w.click("chkTableBorder");
        if (external)
            w.click("chkExternalBrowser");
        if (hideMoney)
            w.click("chkHideMoney");
        w.generate();
        QCOMPARE(opener.opened, external ? 1 : 0);
        QCOMPARE(w.inBrowser<QCheckBox>("chkTableBorder")->isChecked(), hideMoney);
    }

    // F1 on a desktop without an opener shows the guide in the program's own browser window.
    void helpFallsBackToTheOwnBrowserWindow()
    {
        const QString guide = UserGuide::location();
        if (guide.isEmpty())
            QSKIP("The guide is not built.");
        const QByteArray path = qgetenv("PATH");
        // No opener can be found without a search path or a named browser.
        qputenv("PATH", "");
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
        Window w;
        QApplication::setActiveWindow(w.window.get());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.window.get(), Qt::Key_F1);
        qputenv("PATH", path);
        QVERIFY2(w.dialogs.shown().isEmpty(), qPrintable(w.dialogs.shownTexts().join(QLatin1Char('\n'))));
        QVERIFY(w.browser() && w.browser()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(w.browser()->view()->url(), QUrl::fromLocalFile(guide), 20000);
    }
};

TW_VIEWER_TEST_MAIN(TestBrowserWindow)
#include "tst_BrowserWindow.moc"
