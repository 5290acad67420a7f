#include "editor/widgets/TotalsPanel.h"

#include "core/HelpTexts.h"
#include "core/PickLists.h"
#include "core/SettingsStore.h"
#include "core/widgets/HelpPlacement.h"
#include "editor/Document.h"
#include "editor/widgets/DropDownOnFocus.h"
#include "editor/widgets/GridStyle.h"
#include "editor/widgets/TypedKeyFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* box(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(objectName);
    return check;
}

QLineEdit* amountField(const QString& objectName, bool readOnly, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setReadOnly(readOnly);
    field->setFixedWidth(130);
    GridStyle::setGrey(field, false);
    return field;
}

QLabel* totalsLabel(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(150);
    return label;
}

} // namespace

TotalsPanel::TotalsPanel(SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("FrameBottom"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(buildOptions(), 0, Qt::AlignTop);
    layout->addWidget(buildCompanyFields(), 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(buildTotals(), 0, Qt::AlignTop);
    showCompany(CompanyProfile());
}

QWidget* TotalsPanel::buildOptions()
{
    auto* group = new QGroupBox(tr("Document options"), this);
    auto* column = new QVBoxLayout(group);
    m_noDiscount = box(QStringLiteral("chkNoDisc"), tr("No Discount Column in Html"), group);
    m_goodsReceived = box(QStringLiteral("chkGoodsRcvd"), tr("Add 'Good(s) / Service(s) received'"), group);
    m_printBarcode = box(QStringLiteral("chkPrintBarcode"), tr("Barcode of Doc No. at page end"), group);
    m_hideMoney = box(QStringLiteral("chkHideMoney"), tr("Hide Money Value"), group);
    m_showBalance = box(QStringLiteral("chkShowBalance"), tr("Show Balance Only"), group);
    m_blankZero = box(QStringLiteral("chkblank"), tr("Blank html row if Qty is zero"), group);
    m_blankZero->setToolTip(tr("Blanked rows can be used for displaying non-item information in html"));
    m_hideZero = box(QStringLiteral("chkNoShowZero"), tr("Do not show rows with zero Qty in htlml document"), group);
    m_tableBorder = box(QStringLiteral("chkTableBorder"), tr("Show Row Borders"), group);
    m_externalBrowser = box(QStringLiteral("chkExternalBrowser"), tr("Open in External Browser"), group);
    for (QCheckBox* check : {m_noDiscount, m_goodsReceived, m_printBarcode, m_hideMoney, m_showBalance, m_blankZero,
                             m_hideZero, m_tableBorder, m_externalBrowser})
        column->addWidget(check);
    m_showBalance->setEnabled(false);
    m_tableBorder->setChecked(DocumentOptions().tableBorders);

    m_pageRows = GridStyle::editableCombo(group, PickLists::pageRows());
    m_pageRows->setObjectName(QStringLiteral("cbolines"));
    const QString stored = m_settings.get(SettingsStore::HtmlLines);
    m_pageRows->setEditText(stored.isEmpty() ? QStringLiteral("22") : stored);
    TypedKeyFilter::install(m_pageRows, KeyFilter::Kind::Nothing);
    DropDownOnFocus::install(m_pageRows);
    auto* pageRowsLine = new QHBoxLayout;
    pageRowsLine->addWidget(new QLabel(tr("Page Rows"), group));
    pageRowsLine->addWidget(m_pageRows);
    pageRowsLine->addStretch(1);
    column->addLayout(pageRowsLine);

    connect(m_pageRows, &QComboBox::textActivated, this,
            [this](const QString& rows) { m_settings.save(SettingsStore::HtmlLines, rows); });
    connect(m_noDiscount, &QCheckBox::clicked, this, &TotalsPanel::noDiscountClicked);
    connect(m_blankZero, &QCheckBox::clicked, this, &TotalsPanel::blankZeroRowsClicked);
    connect(m_hideZero, &QCheckBox::clicked, this, &TotalsPanel::hideZeroRowsClicked);
    connect(m_hideMoney, &QCheckBox::clicked, this, &TotalsPanel::hideMoneyClicked);
    return group;
}

QWidget* TotalsPanel::buildCompanyFields()
{
    auto* group = new QGroupBox(tr("Tax and currency"), this);
    auto* grid = new QGridLayout(group);
    m_taxName = new QLineEdit(group);
    m_taxName->setObjectName(QStringLiteral("txtDocTaxName"));
    m_taxPercent = GridStyle::editableCombo(group, PickLists::taxPercents());
    m_taxPercent->setObjectName(QStringLiteral("cboDocTaxPercent"));
    TypedKeyFilter::install(m_taxPercent, KeyFilter::Kind::DigitsAndPoint);
    m_currency = GridStyle::editableCombo(group, PickLists::currencySymbols());
    m_currency->setObjectName(QStringLiteral("txtDocCurrency"));
    grid->addWidget(new QLabel(tr("Tax name"), group), 0, 0);
    grid->addWidget(m_taxName, 0, 1);
    grid->addWidget(new QLabel(tr("Tax %"), group), 1, 0);
    grid->addWidget(m_taxPercent, 1, 1);
    grid->addWidget(new QLabel(tr("Currency"), group), 2, 0);
    grid->addWidget(m_currency, 2, 1);

    auto* calculate = new QPushButton(tr(" Calculate"), group);
    calculate->setObjectName(QStringLiteral("cmdcalculate"));
    calculate->setDefault(false);
    auto* insertPaid = new QPushButton(tr("Insert Paid"), group);
    insertPaid->setObjectName(QStringLiteral("cmdInsertPaid"));
    grid->addWidget(calculate, 3, 0, 1, 2);
    grid->addWidget(insertPaid, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    connect(calculate, &QPushButton::clicked, this, &TotalsPanel::calculateRequested);
    connect(insertPaid, &QPushButton::clicked, this, &TotalsPanel::insertPaidRequested);
    return group;
}

QWidget* TotalsPanel::buildCharges()
{
    m_charges = new QWidget(this);
    m_charges->setObjectName(QStringLiteral("FrameDelivery"));
    auto* line = new QHBoxLayout(m_charges);
    line->setContentsMargins(0, 0, 0, 0);
    m_chargesName = GridStyle::editableCombo(m_charges, PickLists::chargeNames());
    m_chargesName->setObjectName(QStringLiteral("cbodelivery"));
    m_chargesName->setMinimumWidth(150);
    m_chargesName->setCurrentIndex(0);
    DropDownOnFocus::install(m_chargesName);
    m_chargesAmount = amountField(QStringLiteral("txtdelivery"), false, m_charges);
    TypedKeyFilter::install(m_chargesAmount, KeyFilter::Kind::DigitsAndMinus);
    m_taxable = box(QStringLiteral("chktaxable"), tr("Taxable"), m_charges);
    m_taxable->setChecked(true);
    line->addWidget(m_chargesName);
    line->addWidget(m_chargesAmount);
    line->addWidget(m_taxable);
    connect(m_taxable, &QCheckBox::clicked, this, &TotalsPanel::taxableClicked);
    return m_charges;
}

QWidget* TotalsPanel::totalsLine(QLabel* label, QLineEdit* field, QCheckBox* exclusion)
{
    auto* line = new QWidget(this);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(label);
    layout->addWidget(field);
    auto* slot = new QWidget(line);
    slot->setFixedWidth(110);  // room for "Omit" and its "?"
    auto* slotLayout = new QHBoxLayout(slot);
    slotLayout->setContentsMargins(4, 0, 0, 0);
    if (exclusion)
        slotLayout->addWidget(exclusion);
    layout->addWidget(slot);
    return line;
}

QWidget* TotalsPanel::buildTotals()
{
    auto* column = new QWidget(this);
    m_totalsColumn = new QVBoxLayout(column);
    m_totalsColumn->setContentsMargins(0, 0, 0, 0);
    m_subtotalLabel = totalsLabel(QStringLiteral("lblsubtotal"), tr("SubTotal :"), column);
    m_subtotal = amountField(QStringLiteral("txtsubtotal"), true, column);
    m_taxLabel = totalsLabel(QStringLiteral("lbltaxpercent"), tr("Sale Tax :"), column);
    m_taxAmount = amountField(QStringLiteral("txttaxAmt"), true, column);
    m_taxExcluded = box(QStringLiteral("chkTaxAmtX"), tr("Omit"), column);
    m_taxExcluded->setToolTip(tr("Leave the subtotal and tax out of the document"));
    m_total = amountField(QStringLiteral("txttotal"), true, column);
    TypedKeyFilter::install(m_total, KeyFilter::Kind::DigitsAndPoint);
    m_paidLabel = totalsLabel(QStringLiteral("lblpaid"), tr("Paid :"), column);
    m_paid = amountField(QStringLiteral("txtpaid"), false, column);
    TypedKeyFilter::install(m_paid, KeyFilter::Kind::DigitsAndPoint);
    m_paidExcluded = box(QStringLiteral("chkPaidX"), tr("Omit"), column);
    m_paidExcluded->setToolTip(tr("Leave the paid amount and balance out of the document"));
    m_balanceLabel = totalsLabel(QStringLiteral("lblbalance"), tr("Balance :"), column);
    m_balance = amountField(QStringLiteral("txtbalance"), true, column);
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    m_balance->setFont(bold);

    m_totalsColumn->addWidget(buildCharges());
    m_subtotalLine = totalsLine(m_subtotalLabel, m_subtotal, m_taxExcluded);
    m_taxLine = totalsLine(m_taxLabel, m_taxAmount);
    m_totalsColumn->addWidget(m_subtotalLine);
    m_totalsColumn->addWidget(m_taxLine);
    m_totalsColumn->addWidget(totalsLine(totalsLabel(QStringLiteral("lbltotal"), tr("Total :"), column), m_total));
    m_totalsColumn->addWidget(totalsLine(m_paidLabel, m_paid, m_paidExcluded));
    m_totalsColumn->addWidget(totalsLine(m_balanceLabel, m_balance));
    m_totalsColumn->addStretch(1);
    connect(m_taxExcluded, &QCheckBox::clicked, this, &TotalsPanel::taxExcludedClicked);
    connect(m_paidExcluded, &QCheckBox::clicked, this, &TotalsPanel::paidExcludedClicked);
    return column;
}

void TotalsPanel::addHelpButtons(Dialogs& dialogs)
{
    HelpPlacement::place(this, dialogs,
                         {{QStringLiteral("chkNoDisc"), HelpTexts::NoDiscount},
                          {QStringLiteral("chkGoodsRcvd"), HelpTexts::GoodsReceived},
                          {QStringLiteral("chkPrintBarcode"), HelpTexts::Barcode},
                          {QStringLiteral("chkHideMoney"), HelpTexts::HideMoney},
                          {QStringLiteral("chkblank"), HelpTexts::ZeroRows},
                          {QStringLiteral("chkTableBorder"), HelpTexts::TableBorders},
                          {QStringLiteral("chkExternalBrowser"), HelpTexts::ExternalBrowser},
                          {QStringLiteral("cbolines"), HelpTexts::PageRows},
                          {QStringLiteral("cmdcalculate"), HelpTexts::Calculate},
                          {QStringLiteral("cmdInsertPaid"), HelpTexts::InsertPaid},
                          {QStringLiteral("txtdelivery"), HelpTexts::Charges},
                          {QStringLiteral("chktaxable"), HelpTexts::Taxable},
                          {QStringLiteral("chkTaxAmtX"), HelpTexts::HideTax},
                          {QStringLiteral("chkPaidX"), HelpTexts::HidePaid}});
}

// Taxed charges sit above the subtotal they belong to; untaxed ones below the tax line.
void TotalsPanel::placeCharges(bool taxable)
{
    m_totalsColumn->removeWidget(m_charges);
    const int anchor = m_totalsColumn->indexOf(taxable ? m_subtotalLine : m_taxLine);
    m_totalsColumn->insertWidget(taxable ? anchor : anchor + 1, m_charges);
}

void TotalsPanel::showCompany(const CompanyProfile& company)
{
    m_taxName->setText(company.taxName);
    m_taxPercent->setEditText(company.taxPercent);
    m_currency->setEditText(company.currencySymbol);
}

void TotalsPanel::readInto(Document& document) const
{
    document.chargesName = m_chargesName->currentText();
    document.chargesAmount = m_chargesAmount->text();
    document.chargesTaxable = m_taxable->isChecked();
    document.subtotal = m_subtotal->text();
    document.taxLabel = m_taxLabel->text();
    document.taxAmount = m_taxAmount->text();
    document.total = m_total->text();
    document.paid = m_paid->text();
    document.balance = m_balance->text();
    document.pageRows = m_pageRows->currentText();
    document.company.taxName = m_taxName->text();
    document.company.taxPercent = m_taxPercent->currentText();
    document.company.currencySymbol = m_currency->currentText();
    DocumentOptions& o = document.options;
    o.hideTax = m_taxExcluded->isChecked();
    o.hidePaid = m_paidExcluded->isChecked();
    o.noDiscount = m_noDiscount->isChecked();
    o.goodsReceived = m_goodsReceived->isChecked();
    o.printBarcode = m_printBarcode->isChecked();
    o.hideMoney = m_hideMoney->isChecked();
    o.showBalanceOnly = m_showBalance->isChecked();
    o.hideZeroRows = m_hideZero->isChecked();
    o.blankZeroRows = m_blankZero->isChecked();
    o.tableBorders = m_tableBorder->isChecked();
    o.externalBrowser = m_externalBrowser->isChecked();
}

void TotalsPanel::showFrom(const Document& document)
{
    m_chargesName->setEditText(document.chargesName);
    m_chargesAmount->setText(document.chargesAmount);
    m_taxable->setChecked(document.chargesTaxable);
    m_subtotal->setText(document.subtotal);
    m_taxLabel->setText(document.taxLabel);
    m_taxAmount->setText(document.taxAmount);
    m_total->setText(document.total);
    m_paid->setText(document.paid);
    m_balance->setText(document.balance);
    m_pageRows->setEditText(document.pageRows);
    showCompany(document.company);
    const DocumentOptions& o = document.options;
    m_noDiscount->setChecked(o.noDiscount);
    m_goodsReceived->setChecked(o.goodsReceived);
    m_printBarcode->setChecked(o.printBarcode);
    m_hideMoney->setChecked(o.hideMoney);
    m_showBalance->setChecked(o.showBalanceOnly);
    m_showBalance->setEnabled(o.hideMoney);
    m_hideZero->setChecked(o.hideZeroRows);
    m_blankZero->setChecked(o.blankZeroRows);
    m_tableBorder->setChecked(o.tableBorders);
    m_externalBrowser->setChecked(o.externalBrowser);
    showExclusions(document);
    placeCharges(document.chargesTaxable);
}

void TotalsPanel::showExclusions(const Document& document)
{
    const bool hideTax = document.options.hideTax;
    const bool hidePaid = document.options.hidePaid;
    m_taxExcluded->setChecked(hideTax);
    GridStyle::setGrey(m_subtotal, hideTax);
    GridStyle::setGrey(m_taxAmount, hideTax);
    m_subtotalLabel->setVisible(!hideTax);
    m_taxLabel->setVisible(!hideTax);
    m_paidExcluded->setChecked(hidePaid);
    m_paid->setReadOnly(hidePaid);
    GridStyle::setGrey(m_paid, hidePaid);
    GridStyle::setGrey(m_balance, hidePaid);
    m_paidLabel->setVisible(!hidePaid);
    m_balanceLabel->setVisible(!hidePaid);
}
