#include "viewer/BrowserWindow.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "einvoice/pdf/FacturxPdf.h"
#include "einvoice/pdf/SrgbProfile.h"
#include "store/FileReplace.h"
#include "viewer/HtmlFileEncoder.h"
#include "viewer/PagePdfPrinter.h"
#include "viewer/PagePrintPreview.h"
#include "viewer/PageScript.h"
#include "viewer/PaperLayout.h"
#include "viewer/ViewerHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

BrowserWindow::BrowserWindow(ViewerHost& host, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_host(host),
      m_dialogs(dialogs),
      m_view(new QWebEngineView(this)),
      m_rowsLabel(new QLabel(tr("Rows"), this)),
      m_rows(new QComboBox(this)),
      m_borders(new QCheckBox(tr("Toggle Borders"), this)),
      m_status(new QLabel(this)),
      m_layout(PaperLayout::fromSetting(host.setting(SettingsStore::PageSetup)))
{
    setObjectName(QStringLiteral("frmbrowser"));
    setWindowTitle(tr("Browser"));
    buildControls();
}

BrowserWindow::~BrowserWindow() = default;

QPushButton* BrowserWindow::addButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void BrowserWindow::buildControls()
{
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_rowsLabel->setObjectName(QStringLiteral("lblrow"));
    m_rows->setObjectName(QStringLiteral("cbolines"));
    for (int rows = 1; rows <= 100; ++rows)
        m_rows->addItem(QString::number(rows));
    m_rows->setCurrentIndex(-1);
    m_rows->setMaxVisibleItems(20);
    m_rows->setMinimumContentsLength(3);
    m_rows->installEventFilter(this);
    m_rowsLabel->setBuddy(m_rows);
    m_borders->setObjectName(QStringLiteral("chkTableBorder"));

    QPushButton* help = addButton(QStringLiteral("cmdcbolinesHelp"), tr("?"));
    help->setFixedWidth(help->fontMetrics().height() * 2);
    QPushButton* edit = addButton(QStringLiteral("cmdEdit"), tr("Edit for Print"));
    edit->setToolTip(tr("Click to make this Page Editable for Printout only."));
    QPushButton* printButton = addButton(QStringLiteral("cmdprint"), tr("Print"));
    QPushButton* setup = addButton(QStringLiteral("cmdpagesetup"), tr("Page Setup"));
    QPushButton* saveHtmlButton = addButton(QStringLiteral("cmdsave"), tr("Save Html"));
    QPushButton* savePdfButton = addButton(QStringLiteral("cmdSavePdf"), tr("Save PDF"));
    m_saveFacturx = addButton(QStringLiteral("cmdSaveFacturx"), tr("PDF with e-invoice (Factur-X)"));
    m_saveFacturx->setToolTip(tr("The page as a PDF/A-3 file with the invoice's EN 16931 XML inside"));
    m_saveFacturx->hide();
    QPushButton* saveDoc = addButton(QStringLiteral("cmdTallywickDoc"), tr("Save Doc"));
    QPushButton* back = addButton(QStringLiteral("cmdback"), QString());
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    back->setAccessibleName(tr("Back"));
    QPushButton* exitButton = addButton(QStringLiteral("cmdExit"), tr("Exit"));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    // A nested layout takes its parent's spacing, which is 0 so the page meets the buttons.
    bar->setSpacing(6);
    for (QWidget* control : std::initializer_list<QWidget*>{m_rowsLabel, m_rows, help, m_borders, edit, printButton,
                                                            setup, saveHtmlButton, savePdfButton, m_saveFacturx, saveDoc, back,
                                                            exitButton})
        bar->addWidget(control);
    bar->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(m_view, 1);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setContentsMargins(6, 2, 6, 2);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_status);

    connect(m_rows, &QComboBox::activated, this, &BrowserWindow::chooseRows);
    connect(m_borders, &QCheckBox::clicked, this, &BrowserWindow::toggleBorders);
    connect(help, &QPushButton::clicked, this, &BrowserWindow::showRowsHelp);
    connect(edit, &QPushButton::clicked, this, &BrowserWindow::editForPrint);
    connect(printButton, &QPushButton::clicked, this, &BrowserWindow::print);
    connect(setup, &QPushButton::clicked, this, &BrowserWindow::pageSetup);
    connect(saveHtmlButton, &QPushButton::clicked, this, &BrowserWindow::saveHtml);
    connect(savePdfButton, &QPushButton::clicked, this, &BrowserWindow::savePdf);
    connect(m_saveFacturx, &QPushButton::clicked, this, &BrowserWindow::saveFacturx);
    connect(saveDoc, &QPushButton::clicked, this, [this] { QTimer::singleShot(0, this, [this] { m_host.save(); }); });
    connect(back, &QPushButton::clicked, this, [this] { m_host.bringToFront(); });
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void BrowserWindow::showPage(const QString& htmlFile, PageKind kind)
{
    m_view->load(QUrl::fromLocalFile(QFileInfo(htmlFile).absoluteFilePath()));
    m_saveFacturx->setVisible(kind == PageKind::Priced && m_host.offersEinvoice());
    if (!isVisible()) {
        // Without a window manager "maximised" means nothing; the screen's size still fills it.
        if (QScreen* shown = screen())
            setGeometry(shown->availableGeometry());
        showMaximized();
    }
    raise();
    activateWindow();
    if (kind == PageKind::Priced)
        copyBordersFromHost();
}

void BrowserWindow::copyBordersFromHost()
{
    // Set from code, so the box does not send its state back and regenerate.
    m_borders->setChecked(m_host.tableBorders());
}

QPageLayout BrowserWindow::pageLayout() const
{
    return m_layout;
}

void BrowserWindow::setPageLayout(const QPageLayout& layout)
{
    m_layout = layout;
    if (m_printer)
        m_printer->setPageLayout(layout);
}

QString BrowserWindow::rowsHelpText(const QString& rowsCaption)
{
    return QStringLiteral("'") + rowsCaption
           + tr("' setting is just for fine-tuning the layout for a single page. ") + QStringLiteral("\r\n\r\n")
           + tr("It does NOT limit no. of items shown and pages to be printed.  ") + QStringLiteral("\r\n\r\n");
}

void BrowserWindow::showRowsHelp()
{
    m_dialogs.inform(rowsHelpText(m_rowsLabel->text()));
}

void BrowserWindow::chooseRows(int index)
{
    if (index < 0)
        return;
    m_host.setPageRows(m_rows->itemText(index));
    regenerateLater();
}

void BrowserWindow::toggleBorders(bool on)
{
    m_host.setTableBorders(on);
    regenerateLater();
}

void BrowserWindow::regenerateLater()
{
    // Like a press of the main window's button: the command runs once this handler has returned.
    QTimer::singleShot(0, this, [this] { m_host.regenerate(); });
}

void BrowserWindow::editForPrint()
{
    m_view->page()->runJavaScript(PageScript::makeEditable());
}

QPrinter& BrowserWindow::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageLayout(m_layout);
    }
    return *m_printer;
}

void BrowserWindow::print()
{
    PagePrintPreview preview(*m_view->page(), printer());
    QPrintPreviewDialog* dialog = preview.createDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->resize(size() * 0.85);
    dialog->exec();
    rememberLayout(printer().pageLayout());
}

void BrowserWindow::pageSetup()
{
    QPageSetupDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        rememberLayout(printer().pageLayout());
}

void BrowserWindow::rememberLayout(const QPageLayout& layout)
{
    if (layout.isEquivalentTo(m_layout))
        return;
    m_layout = layout;
    m_host.saveSetting(SettingsStore::PageSetup, PaperLayout::toText(layout));
}

std::optional<QByteArray> BrowserWindow::shownPageBytes(QString* error)
{
    const auto markup = PageScript::run(*m_view->page(), PageScript::shownMarkup());
    if (!markup || markup->toString().isEmpty()) {
        if (error)
            *error = tr("The shown page could not be read.");
        return std::nullopt;
    }
    return HtmlFileEncoder::encode(markup->toString() + QStringLiteral("\n"));
}

bool BrowserWindow::saveHtmlTo(const QString& file, QString* error)
{
    const auto bytes = shownPageBytes(error);
    return bytes && FileReplace::writeWhole(file, *bytes, error);
}

bool BrowserWindow::savePdfTo(const QString& file, QString* error)
{
    PagePdfPrinter printer(m_layout);
    printer.setAuthor(m_host.companyName());
    const auto pdf = printer.printLoaded(*m_view->page(), error);
    return pdf && FileReplace::writeWhole(file, *pdf, error);
}

bool BrowserWindow::saveFacturxTo(const QString& file, const QByteArray& xml, QString* error)
{
    // The colour profile first: a machine without one learns so before any printing.
    const SrgbProfile::Result profile = SrgbProfile::load();
    if (!profile.ok) {
        if (error)
            *error = profile.message;
        return false;
    }
    PagePdfPrinter printer(m_layout);
    printer.setAuthor(m_host.companyName());
    const auto printed = printer.printLoaded(*m_view->page(), error);
    if (!printed)
        return false;
    FacturxPdf::Input input;
    input.pdf = *printed;
    input.xml = xml;
    input.iccProfile = profile.profile;
    input.title = shownTitle();
    input.author = m_host.companyName();
    input.created = QDateTime::currentDateTimeUtc();
    const FacturxPdf::Result made = FacturxPdf::make(input);
    if (!made.ok) {
        if (error)
            *error = made.message;
        return false;
    }
    return FileReplace::writeWhole(file, made.pdf, error);
}

void BrowserWindow::saveFacturx()
{
    // Refused before a file is asked for: the type, missing fields or amounts that do not add up.
    QString refusal;
    const QByteArray xml = m_host.einvoiceXml(&refusal);
    if (xml.isEmpty()) {
        m_dialogs.critical(refusal, tr("No e-invoice"));
        return;
    }
    const QString proposed = QDir(pdfFolder()).filePath(pdfFileName(shownTitle()));
    const QString file = m_dialogs.chooseSaveFile(tr("PDF with e-invoice (Factur-X)"), tr("PDF Files|*.pdf"), proposed);
    if (file.isEmpty())
        return;
    m_status->clear();
    QString error;
    if (!saveFacturxTo(file, xml, &error)) {
        reportFailure(error);
        return;
    }
    m_host.saveSetting(SettingsStore::PdfFolder, QFileInfo(file).absolutePath());
    m_status->setText(tr("Saved %1 with its e-invoice").arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())));
}

QString BrowserWindow::pdfFileName(const QString& title)
{
    static const QString reserved = QStringLiteral("\\/:*?\"<>|");
    QString name;
    for (const QChar c : title.trimmed())
        name += c.category() == QChar::Other_Control || reserved.contains(c) ? QLatin1Char('_') : c;
    // Names of only dots, or ending in dots or spaces, are not portable either.
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (name.isEmpty())
        name = tr("document");
    return name + QStringLiteral(".pdf");
}

QString BrowserWindow::pdfFolder() const
{
    const QString remembered = m_host.setting(SettingsStore::PdfFolder);
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString BrowserWindow::statusText() const
{
    return m_status->text();
}

QString BrowserWindow::shownTitle()
{
    return PageScript::run(*m_view->page(), QStringLiteral("document.title")).value_or(QVariant()).toString();
}

void BrowserWindow::saveHtml()
{
    const QString file = m_dialogs.chooseSaveFile(tr("Save Html"), tr("HTML Files|*.htm;*.html"),
                                                  m_view->title().trimmed() + QStringLiteral(".htm"));
    QString error;
    if (!file.isEmpty() && !saveHtmlTo(file, &error))
        reportFailure(error);
}

void BrowserWindow::savePdf()
{
    const QString proposed = QDir(pdfFolder()).filePath(pdfFileName(shownTitle()));
    const QString file = m_dialogs.chooseSaveFile(tr("Save PDF"), tr("PDF Files|*.pdf"), proposed);
    if (file.isEmpty())
        return;
    m_status->clear();
    QString error;
    if (!savePdfTo(file, &error)) {
        reportFailure(error);
        return;
    }
    m_host.saveSetting(SettingsStore::PdfFolder, QFileInfo(file).absolutePath());
    m_status->setText(tr("Saved %1").arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())));
}

void BrowserWindow::reportFailure(const QString& error)
{
    m_dialogs.critical(error);
}

void BrowserWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !(windowState() & Qt::WindowMaximized))
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool BrowserWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_rows)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Only a choice from the list may change the rows; typed keys are dropped, except those
        // that move the focus on.
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key != Qt::Key_Tab && key != Qt::Key_Backtab;
    }
    case QEvent::Wheel:
        return true;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            QTimer::singleShot(0, m_rows, &QComboBox::showPopup);
        return false;
    }
    default:
        return false;
    }
}
