#include "store/widgets/SettingsPanel.h"

#include "core/Dialogs.h"
#include "core/widgets/FittingScrollArea.h"
#include "core/PickLists.h"
#include "core/LineBreaks.h"
#include "store/CompanyRepository.h"
#include "store/CompanySaveCommand.h"
#include "store/SettingsHelp.h"
#include "store/widgets/DatabaseFrame.h"
#include "store/widgets/EinvoicePage.h"
#include "store/widgets/LayoutPreview.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QSize LogoPreviewSize(180, 90);
}

SettingsPanel::SettingsPanel(SettingsStore& settings, Database& database, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_database(database), m_dialogs(dialogs), m_letterhead(settings, dialogs)
{
    setObjectName(QStringLiteral("FrameSettings"));
    setAutoFillBackground(true);
}

void SettingsPanel::buildPages()
{
    if (m_tabs)
        return;
    m_tabs = new QTabWidget(this);
    m_einvoice = new EinvoicePage;
    auto* border = new QFrame(this);
    border->setFrameShape(QFrame::StyledPanel);
    border->setFrameShadow(QFrame::Raised);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(border);

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // Each page scrolls when the window leaves the panel less than its full size.
    m_tabs->addTab(new FittingScrollArea(buildCompanyPage()), tr("Settings 1"));
    m_tabs->addTab(new FittingScrollArea(buildDatabasePage()), tr("Settings 2"));
    m_tabs->addTab(new FittingScrollArea(m_einvoice), tr("E-invoice"));
    connect(m_einvoice, &EinvoicePage::edited, this, &SettingsPanel::companyEdited);
    connect(m_einvoice->saveButton(), &QPushButton::clicked, this, &SettingsPanel::saveCompany);
    auto* exit = new QPushButton(tr("X"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setFixedWidth(32);
    m_tabs->setCornerWidget(exit, Qt::TopRightCorner);
    connect(exit, &QPushButton::clicked, this, &SettingsPanel::closeRequested);

    auto* inner = new QVBoxLayout(border);
    inner->addWidget(m_tabs);
    setProfile(m_profile);
    const QList<QWidget*> ownStops = tabStops();
    emit pagesBuilt();
    // Made with the window, the pages came after the parts the owner adds in the Tab order: they still do.
    QWidget* previous = window()->previousInFocusChain();
    while (previous != window() && previous->focusPolicy() == Qt::NoFocus)
        previous = previous->previousInFocusChain();
    for (QWidget* stop : ownStops) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

QList<QWidget*> SettingsPanel::tabStops() const
{
    QList<QWidget*> stops;
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && widget->focusPolicy() != Qt::NoFocus && !widget->focusProxy())
            stops.append(widget);
    }
    return stops;
}

QWidget* SettingsPanel::buildCompanyPage()
{
    auto* page = new QWidget;
    auto* right = new QVBoxLayout;
    right->addWidget(buildAlignmentBox());
    right->addWidget(buildLogoBox());
    right->addWidget(buildLayoutBox());
    right->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(buildCompanyBox());
    left->addStretch(1);

    auto* columns = new QHBoxLayout(page);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    return page;
}

QWidget* SettingsPanel::buildCompanyBox()
{
    auto* box = new QGroupBox(tr("Company"));
    m_companyName = new QLineEdit;
    m_companyName->setObjectName(QStringLiteral("txtCompanyName"));
    m_companyAddress = new QPlainTextEdit;
    m_companyAddress->setObjectName(QStringLiteral("txtCompanyAddress"));
    m_companyAddress->setTabChangesFocus(true);
    m_companyAddress->setFixedHeight(110);
    m_currencySymbol = new QComboBox;
    m_currencySymbol->setObjectName(QStringLiteral("txtcurrencysymbol"));
    m_currencySymbol->setEditable(true);
    m_currencySymbol->addItems(PickLists::currencySymbols());
    m_taxName = new QLineEdit;
    m_taxName->setObjectName(QStringLiteral("txtTaxName"));
    m_taxPercent = new QComboBox;
    m_taxPercent->setObjectName(QStringLiteral("cboTaxPercent"));
    m_taxPercent->setEditable(true);
    m_taxPercent->addItems(PickLists::taxPercents());
    m_save = new QPushButton(tr("Save"));
    m_save->setObjectName(QStringLiteral("cmdsaveCoName"));

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Company Name")), 0, 0);
    grid->addWidget(m_companyName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Address")), 1, 0, Qt::AlignTop);
    grid->addWidget(m_companyAddress, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Currency Symbol")), 2, 0);
    grid->addWidget(m_currencySymbol, 2, 1);
    grid->addWidget(new QLabel(tr("Tax Name")), 3, 0);
    grid->addWidget(m_taxName, 3, 1);
    grid->addWidget(new QLabel(tr("Tax %")), 4, 0);
    grid->addWidget(m_taxPercent, 4, 1);
    grid->addWidget(helpButton("cmdtaxhelp", &SettingsHelp::tax), 4, 2, Qt::AlignLeft);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(m_save);
    saveRow->addWidget(helpButton("cmdcohelp", [this] { return SettingsHelp::company(m_save->text()); }));
    saveRow->addStretch(1);
    grid->addLayout(saveRow, 5, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(m_save, &QPushButton::clicked, this, &SettingsPanel::saveCompany);
    connect(m_companyName, &QLineEdit::textChanged, this, &SettingsPanel::companyEdited);
    connect(m_companyAddress, &QPlainTextEdit::textChanged, this, &SettingsPanel::companyEdited);
    connect(m_currencySymbol, &QComboBox::currentTextChanged, this, &SettingsPanel::companyEdited);
    connect(m_taxName, &QLineEdit::textChanged, this, &SettingsPanel::companyEdited);
    connect(m_taxPercent, &QComboBox::currentTextChanged, this, &SettingsPanel::companyEdited);
    return box;
}

QWidget* SettingsPanel::buildAlignmentBox()
{
    auto* box = new QGroupBox(tr("1. Heading"));
    m_alignLeft = new QCheckBox(tr("Align to Left"));
    m_alignLeft->setObjectName(QStringLiteral("chkAlignLeft"));
    m_addressRight = new QCheckBox(tr("Co. Left    Address Right"));
    m_addressRight->setObjectName(QStringLiteral("chkAddressRight"));

    auto* grid = new QGridLayout(box);
    grid->addWidget(m_alignLeft, 0, 0);
    grid->addWidget(helpButton("cmdAlignHelp", &SettingsHelp::alignLeft), 0, 1);
    grid->addWidget(m_addressRight, 1, 0);
    grid->addWidget(helpButton("cmdAddrRightHelp", &SettingsHelp::addressRight), 1, 1);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), 0, 2);
    grid->setColumnStretch(2, 1);

    connect(m_alignLeft, &QCheckBox::toggled, this,
            [this](bool checked) { act([&] { m_letterhead.setAlignLeft(checked); }); });
    connect(m_addressRight, &QCheckBox::toggled, this,
            [this](bool checked) { act([&] { m_letterhead.setAddressRight(checked); }); });
    return box;
}

QWidget* SettingsPanel::buildLogoBox()
{
    auto* box = new QGroupBox(tr("2. Logo"));
    m_logoPath = new QLineEdit;
    m_logoPath->setObjectName(QStringLiteral("txtlogopath"));
    m_logoPath->setReadOnly(true);
    m_logo = new QLabel;
    m_logo->setObjectName(QStringLiteral("ImageLogo"));
    m_logo->setFixedSize(LogoPreviewSize);
    m_logo->setFrameShape(QFrame::StyledPanel);
    m_logo->setAlignment(Qt::AlignCenter);
    m_noFile = new QLabel(LetterheadSettings::noFileNotice());
    m_noFile->setObjectName(QStringLiteral("lblNoFile"));
    m_noFile->setWordWrap(true);
    // Dark red on a light desktop palette, a light red on a dark one.
    const bool darkDesktop = QApplication::palette().color(QPalette::Window).lightness() < 128;
    m_noFile->setStyleSheet(darkDesktop ? QStringLiteral("QLabel { color: rgb(255, 120, 120); }")
                                        : QStringLiteral("QLabel { color: rgb(192, 0, 0); }"));
    // The notice keeps its room when hidden, so showing it never squeezes the logo preview.
    QSizePolicy keepRoom = m_noFile->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_noFile->setSizePolicy(keepRoom);
    m_noFile->hide();
    auto* browse = new QPushButton(tr("Browse Logo"));
    browse->setObjectName(QStringLiteral("cmdbrowseLogo"));
    auto* remove = new QPushButton(tr("Remove Logo"));
    remove->setObjectName(QStringLiteral("cmdremove"));

    auto* buttons = new QGridLayout;
    buttons->addWidget(browse, 0, 0);
    buttons->addWidget(helpButton("cmdbrowsehelp", &SettingsHelp::browseLogo), 0, 1);
    buttons->addWidget(remove, 1, 0);
    buttons->setRowStretch(2, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_logo);
    row->addLayout(buttons);
    row->addStretch(1);

    auto* column = new QVBoxLayout(box);
    column->addWidget(m_logoPath);
    column->addLayout(row);
    column->addWidget(m_noFile);

    connect(browse, &QPushButton::clicked, this, [this] { act([this] { m_letterhead.browseLogo(); }); });
    connect(remove, &QPushButton::clicked, this, [this] { act([this] { m_letterhead.removeLogo(); }); });
    return box;
}

QWidget* SettingsPanel::buildLayoutBox()
{
    auto* box = new QGroupBox(tr("3. Layout with logo"));
    m_layouts = new QButtonGroup(this);
    const QStringList captions = {tr("Logo on top"), tr("Logo on the left"), tr("Logo beside name")};
    auto* grid = new QGridLayout(box);
    for (int index = 0; index < LetterheadSettings::LayoutCount; ++index) {
        auto* option = new QRadioButton(captions.at(index));
        option->setObjectName(QStringLiteral("optLayout"));
        option->setProperty("index", index);
        m_layouts->addButton(option, index);
        grid->addWidget(option, 0, index);
        grid->addWidget(new LayoutPreview(index), 1, index);
    }
    auto* unselect = new QPushButton(tr("Unselect Layout ( Logo will not be used )"));
    unselect->setObjectName(QStringLiteral("cmdunselect"));
    auto* row = new QHBoxLayout;
    row->addWidget(unselect);
    row->addWidget(helpButton("cmdlogohelp", &SettingsHelp::layout));
    row->addStretch(1);
    grid->addLayout(row, 2, 0, 1, LetterheadSettings::LayoutCount);

    connect(m_layouts, &QButtonGroup::idClicked, this,
            [this](int index) { act([&] { m_letterhead.chooseLayout(index); }); });
    connect(unselect, &QPushButton::clicked, this, [this] { act([this] { m_letterhead.unselectLayout(); }); });
    return box;
}

QWidget* SettingsPanel::buildDatabasePage()
{
    auto* page = new QWidget;
    m_databaseFrame = new DatabaseFrame(m_settings, m_database, m_dialogs);
    connect(m_databaseFrame, &DatabaseFrame::placeSaved, this, &SettingsPanel::databasePlaceSaved);
    // Slots filled by the maintenance commands (compact, purge) and by the clock command.
    m_maintenanceSlot = new QVBoxLayout;
    m_maintenanceSlot->setObjectName(QStringLiteral("maintenanceSlot"));
    m_clockSlot = new QVBoxLayout;
    m_clockSlot->setObjectName(QStringLiteral("clockSlot"));

    auto* column = new QVBoxLayout(page);
    column->addWidget(m_databaseFrame);
    column->addLayout(m_maintenanceSlot);
    column->addLayout(m_clockSlot);
    column->addStretch(1);
    return page;
}

QPushButton* SettingsPanel::helpButton(const char* objectName, std::function<QString()> text)
{
    auto* button = new QPushButton(tr("?"));
    button->setObjectName(QLatin1String(objectName));
    button->setFixedWidth(28);
    connect(button, &QPushButton::clicked, this, [this, text] { m_dialogs.inform(text()); });
    return button;
}

QString SettingsPanel::shownDatabasePath()
{
    buildPages();
    return m_databaseFrame->pathBox()->text();
}

void SettingsPanel::setMaintenanceWidget(QWidget* widget)
{
    m_maintenanceSlot->addWidget(widget);
}

void SettingsPanel::addPage(QWidget* page, const QString& title)
{
    // The numbered pages stay together; the e-invoice page comes last.
    m_tabs->insertTab(m_tabs->count() - 1, new FittingScrollArea(page), title);
}

void SettingsPanel::setClockWidget(QWidget* widget)
{
    m_clockSlot->addWidget(widget);
}

QRadioButton* SettingsPanel::layoutOption(int index)
{
    buildPages();
    return qobject_cast<QRadioButton*>(m_layouts->button(index));
}

CompanyProfile SettingsPanel::profile() const
{
    if (!m_tabs)
        return m_profile;
    CompanyProfile profile;
    profile.name = m_companyName->text();
    profile.address = LineBreaks::toCrLf(m_companyAddress->toPlainText());
    profile.currencySymbol = m_currencySymbol->currentText();
    profile.taxName = m_taxName->text();
    profile.taxPercent = m_taxPercent->currentText();
    profile.einvoice = m_einvoice->value();
    return profile;
}

void SettingsPanel::setProfile(const CompanyProfile& profile)
{
    m_profile = profile;
    if (!m_tabs)
        return;
    m_showingProfile = true;
    m_companyName->setText(profile.name);
    m_companyAddress->setPlainText(LineBreaks::toLf(profile.address));
    m_currencySymbol->setCurrentText(profile.currencySymbol);
    m_taxName->setText(profile.taxName);
    m_taxPercent->setCurrentText(profile.taxPercent);
    m_einvoice->setValue(profile.einvoice);
    m_showingProfile = false;
}

void SettingsPanel::companyEdited()
{
    if (!m_showingProfile)
        emit profileChanged(profile());
}

void SettingsPanel::reloadCompany()
{
    CompanyProfile reloaded = profile();
    // An empty stored e-invoice field is a value of its own: unsaved typing there must not survive.
    reloaded.einvoice = EinvoiceCompany();
    QString error;
    if (!CompanyRepository(m_database).loadInto(reloaded, &error)) {
        m_dialogs.plain(error);
        return;
    }
    setProfile(reloaded);
    emit profileChanged(reloaded);
}

void SettingsPanel::saveCompany()
{
    CompanyProfile edited = profile();
    const auto outcome = CompanySaveCommand(m_database, m_dialogs).run(edited);
    setProfile(edited);
    emit profileChanged(edited);
    if (outcome == CompanySaveCommand::Outcome::TaxRefused)
        m_taxPercent->setFocus();
}

void SettingsPanel::openPanel()
{
    buildPages();
    act([this] { m_letterhead.openLogoAndLayout(); });
    reloadCompany();
    m_databaseFrame->refresh();
    show();
    raise();
    act([this] { m_letterhead.applyStoredAlignment(); });
}

void SettingsPanel::closePanel()
{
    hide();
    if (!m_tabs)
        return;
    reloadCompany();
    act([this] { m_letterhead.closePanel(); });
}

void SettingsPanel::act(const std::function<void()>& action)
{
    action();
    showLetterhead();
}

void SettingsPanel::showLetterhead()
{
    const QSignalBlocker blockLeft(m_alignLeft);
    const QSignalBlocker blockRight(m_addressRight);
    m_alignLeft->setChecked(m_letterhead.alignLeft());
    m_addressRight->setChecked(m_letterhead.addressRight());

    const int layout = m_letterhead.layout();
    if (layout == LetterheadSettings::NoLayout) {
        // An exclusive group keeps one button checked; unchecking all needs it relaxed for a moment.
        m_layouts->setExclusive(false);
        for (QAbstractButton* option : m_layouts->buttons())
            option->setChecked(false);
        m_layouts->setExclusive(true);
    } else {
        m_layouts->button(layout)->setChecked(true);
    }

    m_logoPath->setText(m_letterhead.logoPath());
    const QImage& logo = m_letterhead.logo();
    if (logo.isNull())
        m_logo->clear();
    else
        m_logo->setPixmap(QPixmap::fromImage(logo).scaled(LogoPreviewSize - QSize(4, 4), Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation));
    m_noFile->setVisible(m_letterhead.noFileNoticeVisible());
}
