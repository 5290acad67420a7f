#include "editor/widgets/HeaderPanel.h"

#include "core/HelpTexts.h"
#include "core/PickLists.h"
#include "core/SettingsStore.h"
#include "core/ShortDateFormat.h"
#include "editor/Document.h"
#include "core/LineBreaks.h"
#include "core/widgets/HelpPlacement.h"
#include "editor/widgets/DropDownOnFocus.h"
#include "editor/widgets/GridStyle.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include <algorithm>

namespace {

QLineEdit* lineEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

constexpr int AddressMaxLength = 255;

QPlainTextEdit* addressEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(objectName);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(72);
    // A multi-line box has no length limit of its own; anything beyond it is cut off as typed.
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        const QString text = edit->toPlainText();
        if (text.size() <= AddressMaxLength)
            return;
        QTextCursor cursor = edit->textCursor();
        const int position = std::min(cursor.position(), AddressMaxLength);
        edit->setPlainText(text.left(AddressMaxLength));
        cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
    });
    return edit;
}

} // namespace

HeaderPanel::HeaderPanel(SettingsStore& settings, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_docType(GridStyle::editableCombo(this, QStringList())),
      m_docNumber(lineEdit(QStringLiteral("txtDocNumber"), this)),
      m_autoNumber(new QPushButton(tr("Auto No."), this)),
      m_docDate(new QDateEdit(QDate::currentDate(), this)),
      m_paymentTerm(GridStyle::editableCombo(this, QStringList())),
      m_salePerson(lineEdit(QStringLiteral("txtsaleperson"), this)),
      m_billToTerm(GridStyle::editableCombo(this, QStringList())),
      m_billToName(lineEdit(QStringLiteral("txtcus"), this)),
      m_billToAddress(addressEdit(QStringLiteral("txtaddress"), this)),
      m_shipToTerm(GridStyle::editableCombo(this, QStringList())),
      m_shipToName(lineEdit(QStringLiteral("txtcusShip"), this)),
      m_shipToAddress(addressEdit(QStringLiteral("txtaddressShip"), this)),
      m_currentDocNum(new QLabel(this)),
      m_buyerVatId(lineEdit(QStringLiteral("txtBuyerVatId"), this)),
      m_buyerCountry(lineEdit(QStringLiteral("txtBuyerCountry"), this)),
      m_buyerReference(lineEdit(QStringLiteral("txtBuyerReference"), this)),
      m_dueDate(new QDateEdit(this))
{
    setObjectName(QStringLiteral("HeaderPanel"));
    m_docType->setObjectName(QStringLiteral("cboDoc"));
    m_paymentTerm->setObjectName(QStringLiteral("cboPaymentTerm"));
    m_billToTerm->setObjectName(QStringLiteral("cboCus"));
    m_shipToTerm->setObjectName(QStringLiteral("cboShip"));
    m_autoNumber->setObjectName(QStringLiteral("cmdauto"));
    m_docDate->setObjectName(QStringLiteral("DTPicker1"));
    m_docDate->setCalendarPopup(true);
    setDateFormat(m_settings.get(SettingsStore::DateFormat));
    m_currentDocNum->setObjectName(QStringLiteral("lblcurrentDocNum"));
    // Room for the longest document number is kept whether or not one is shown, so nothing moves.
    m_currentDocNum->setFixedWidth(m_currentDocNum->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('0'))) + 8);
    m_currentDocNum->setIndent(4);
    m_docNumber->setMaxLength(30);
    m_docNumber->setToolTip(tr("Max 50 characters"));
    m_salePerson->setMaxLength(50);
    m_salePerson->setToolTip(tr("Max 50 characters"));
    m_billToName->setMaxLength(AddressMaxLength);
    m_shipToName->setMaxLength(AddressMaxLength);
    for (QComboBox* list : {m_billToTerm, m_docType, m_paymentTerm, m_shipToTerm})
        DropDownOnFocus::install(list);
    buildLayout();
    connect(m_billToTerm, &QComboBox::textActivated, this,
            [this](const QString& term) { m_settings.save(SettingsStore::BillToTerm, term); });
}

void HeaderPanel::buildLayout()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    int row = 0;
    auto addPair = [&](const QString& caption, QWidget* field, int column) {
        grid->addWidget(new QLabel(caption, this), row, column);
        grid->addWidget(field, row, column + 1);
    };
    addPair(tr("Document"), m_docType, 0);
    addPair(tr("Doc No."), m_docNumber, 2);
    grid->addWidget(m_autoNumber, row, 4);
    grid->addWidget(m_currentDocNum, row, 5);
    ++row;
    addPair(tr("Date"), m_docDate, 0);
    addPair(tr("Terms"), m_paymentTerm, 2);
    ++row;
    addPair(tr("Issued by"), m_salePerson, 0);
    grid->addWidget(new QLabel(tr("Customer VAT ID"), this), row, 2);
    grid->addLayout(buildEinvoiceRow(), row, 3, 1, 3);
    ++row;
    grid->addWidget(m_billToTerm, row, 0);
    grid->addWidget(m_billToName, row, 1);
    grid->addWidget(m_shipToTerm, row, 2);
    grid->addWidget(m_shipToName, row, 3, 1, 3);
    ++row;
    grid->addWidget(m_billToAddress, row, 1);
    grid->addWidget(m_shipToAddress, row, 3, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QLayout* HeaderPanel::buildEinvoiceRow()
{
    m_buyerVatId->setMaxLength(30);
    m_buyerCountry->setMaxLength(2);
    m_buyerCountry->setPlaceholderText(tr("own"));
    m_buyerCountry->setToolTip(tr("The customer's ISO country code, e.g. FR; empty means the company's country"));
    m_buyerCountry->setFixedWidth(m_buyerCountry->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
    m_buyerReference->setMaxLength(100);
    m_buyerReference->setToolTip(tr("The customer's order or routing reference"));
    m_dueDate->setObjectName(QStringLiteral("DTPickerDue"));
    m_dueDate->setCalendarPopup(true);
    // The earliest date stands for "none": the document date plus the company's due days.
    m_dueDate->setMinimumDate(QDate(2000, 1, 1));
    m_dueDate->setSpecialValueText(tr("by due days"));
    m_dueDate->setDate(m_dueDate->minimumDate());
    m_dueDate->setToolTip(tr("Due date for the e-invoice; \"by due days\" means the date plus the due days "
                             "in Settings, E-invoice"));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_buyerVatId, 2);
    row->addWidget(new QLabel(tr("Country"), this));
    row->addWidget(m_buyerCountry);
    row->addWidget(new QLabel(tr("Reference"), this));
    row->addWidget(m_buyerReference, 2);
    row->addWidget(new QLabel(tr("Due"), this));
    row->addWidget(m_dueDate, 1);
    return row;
}

void HeaderPanel::addHelpButtons(Dialogs& dialogs)
{
    HelpPlacement::place(this, dialogs,
                         {{QStringLiteral("cboDoc"), HelpTexts::DocType},
                          {QStringLiteral("txtDocNumber"), HelpTexts::DocNumber},
                          {QStringLiteral("cmdauto"), HelpTexts::AutoNumber},
                          {QStringLiteral("txtcus"), HelpTexts::BillTo},
                          {QStringLiteral("txtcusShip"), HelpTexts::ShipTo}});
}

void HeaderPanel::setDateFormat(const QString& setting)
{
    m_docDate->setDisplayFormat(ShortDateFormat::pattern(m_docDate->locale(), setting));
    m_dueDate->setDisplayFormat(m_docDate->displayFormat());
}

void HeaderPanel::fillPickLists()
{
    m_billToTerm->addItems(PickLists::billToTerms());
    m_shipToTerm->addItems(PickLists::shipToTerms());
    m_docType->addItems(PickLists::documentTypes());
    m_docType->setCurrentIndex(0);
    m_paymentTerm->addItems(PickLists::paymentTerms());
    m_paymentTerm->setCurrentIndex(-1);
    m_paymentTerm->setEditText(QString());
    m_shipToTerm->setCurrentIndex(-1);
    m_shipToTerm->setEditText(QString());
}

void HeaderPanel::restoreBillToTerm()
{
    const QString stored = m_settings.get(SettingsStore::BillToTerm);
    if (!stored.isEmpty()) {
        m_billToTerm->setEditText(stored);
        return;
    }
    // Picking the first entry stores it, as a user's pick would, once the window is up.
    m_billToTerm->setCurrentIndex(0);
    m_settings.saveSoon(SettingsStore::BillToTerm, m_billToTerm->itemText(0));
}

void HeaderPanel::readInto(Document& document) const
{
    document.docType = m_docType->currentText();
    document.docNumber = m_docNumber->text();
    document.docDate = m_docDate->date();
    document.paymentTerm = m_paymentTerm->currentText();
    document.salePerson = m_salePerson->text();
    document.billToTerm = m_billToTerm->currentText();
    document.billToName = m_billToName->text();
    document.billToAddress = LineBreaks::toCrLf(m_billToAddress->toPlainText());
    document.shipToTerm = m_shipToTerm->currentText();
    document.shipToName = m_shipToName->text();
    document.shipToAddress = LineBreaks::toCrLf(m_shipToAddress->toPlainText());
    document.currentDocNumber = m_currentDocNum->text();
    document.einvoice.buyerVatId = m_buyerVatId->text();
    document.einvoice.buyerCountry = m_buyerCountry->text();
    document.einvoice.buyerReference = m_buyerReference->text();
    document.einvoice.dueDate = m_dueDate->date() == m_dueDate->minimumDate() ? QDate() : m_dueDate->date();
}

void HeaderPanel::showFrom(const Document& document)
{
    m_docType->setEditText(document.docType);
    m_docNumber->setText(document.docNumber);
    m_docDate->setDate(document.docDate);
    m_paymentTerm->setEditText(document.paymentTerm);
    m_salePerson->setText(document.salePerson);
    m_billToTerm->setEditText(document.billToTerm);
    m_billToName->setText(document.billToName);
    m_billToAddress->setPlainText(LineBreaks::toLf(document.billToAddress));
    m_shipToTerm->setEditText(document.shipToTerm);
    m_shipToName->setText(document.shipToName);
    m_shipToAddress->setPlainText(LineBreaks::toLf(document.shipToAddress));
    m_currentDocNum->setText(document.currentDocNumber);
    m_buyerVatId->setText(document.einvoice.buyerVatId);
    m_buyerCountry->setText(document.einvoice.buyerCountry);
    m_buyerReference->setText(document.einvoice.buyerReference);
    const QDate due = document.einvoice.dueDate;
    m_dueDate->setDate(due.isValid() && due > m_dueDate->minimumDate() ? due : m_dueDate->minimumDate());
}
