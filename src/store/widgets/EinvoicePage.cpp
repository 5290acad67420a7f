#include "store/widgets/EinvoicePage.h"

#include "core/LineBreaks.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

EinvoicePage::EinvoicePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EinvoicePage"));
    auto* left = new QVBoxLayout;
    left->addWidget(buildSellerBox());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildPaymentBox());
    right->addWidget(buildDefaultsBox());
    right->addStretch(1);

    m_save = new QPushButton(tr("Save"));
    m_save->setObjectName(QStringLiteral("cmdsaveEinvoice"));
    auto* note = new QLabel(tr("Needed only for electronic invoices (EN 16931 XML, Factur-X PDF). Saved with the "
                               "company fields on Settings 1."));
    note->setWordWrap(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_save);
    bottom->addWidget(note, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns, 1);
    page->addLayout(bottom);
}

QLineEdit* EinvoicePage::field(const char* objectName, const QString& placeholder, int maxLength)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    edit->setPlaceholderText(placeholder);
    edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::textEdited, this, &EinvoicePage::edited);
    return edit;
}

QWidget* EinvoicePage::buildSellerBox()
{
    auto* box = new QGroupBox(tr("Seller"));
    m_legalName = field("txtLegalName", tr("the company name"));
    m_vatId = field("txtVatId", tr("e.g. DE123456789"), 30);
    m_taxNumber = field("txtTaxNumber", {}, 30);
    m_registrationId = field("txtRegistrationId", {}, 50);
    m_street = new QPlainTextEdit;
    m_street->setObjectName(QStringLiteral("txtStreet"));
    m_street->setTabChangesFocus(true);
    m_street->setFixedHeight(m_street->fontMetrics().lineSpacing() * 3 + 12);
    connect(m_street, &QPlainTextEdit::textChanged, this, &EinvoicePage::edited);
    m_postCode = field("txtPostCode", {}, 20);
    m_city = field("txtCity");
    m_countryCode = field("txtCountryCode", tr("e.g. DE"), 2);
    m_email = field("txtEmail");
    m_phone = field("txtPhone", {}, 50);

    auto* place = new QHBoxLayout;
    place->addWidget(m_postCode, 1);
    place->addWidget(m_city, 3);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Legal name"), m_legalName);
    form->addRow(tr("VAT ID"), m_vatId);
    form->addRow(tr("Tax number"), m_taxNumber);
    form->addRow(tr("Trade register no."), m_registrationId);
    form->addRow(tr("Street (up to 3 lines)"), m_street);
    form->addRow(tr("Post code, city"), place);
    form->addRow(tr("Country code"), m_countryCode);
    form->addRow(tr("E-mail"), m_email);
    form->addRow(tr("Phone"), m_phone);
    return box;
}

QWidget* EinvoicePage::buildPaymentBox()
{
    auto* box = new QGroupBox(tr("Payment"));
    m_currencyCode = field("txtCurrencyCode", tr("e.g. EUR"), 3);
    m_iban = field("txtIban", {}, 40);
    m_bic = field("txtBic", {}, 11);
    m_paymentMeans = field("txtPaymentMeans", tr("58 (SEPA transfer) with an IBAN"), 3);
    m_dueDays = field("txtDueDays", tr("e.g. 30"), 4);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Currency code"), m_currencyCode);
    form->addRow(tr("IBAN"), m_iban);
    form->addRow(tr("BIC"), m_bic);
    form->addRow(tr("Payment means code"), m_paymentMeans);
    form->addRow(tr("Due in days"), m_dueDays);
    return box;
}

QWidget* EinvoicePage::buildDefaultsBox()
{
    auto* box = new QGroupBox(tr("Invoice lines"));
    m_defaultUnit = field("txtDefaultUnit", tr("C62 (one)"), 3);
    m_exemptionReason = field("txtExemptionReason", tr("for amounts without tax"));
    m_roundLines = new QCheckBox(tr("Round each line to cents"));
    m_roundLines->setObjectName(QStringLiteral("chkRoundLines"));
    m_roundLines->setToolTip(tr("New calculations round every line amount to cents before adding up, so that "
                                "the printed lines always add up to the subtotal."));
    connect(m_roundLines, &QCheckBox::clicked, this, &EinvoicePage::edited);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Unit code"), m_defaultUnit);
    form->addRow(tr("Exemption reason"), m_exemptionReason);
    form->addRow(m_roundLines);
    return box;
}

EinvoiceCompany EinvoicePage::value() const
{
    EinvoiceCompany v;
    v.legalName = m_legalName->text();
    v.vatId = m_vatId->text();
    v.taxNumber = m_taxNumber->text();
    v.registrationId = m_registrationId->text();
    v.street = LineBreaks::toCrLf(m_street->toPlainText());
    v.postCode = m_postCode->text();
    v.city = m_city->text();
    v.countryCode = m_countryCode->text();
    v.email = m_email->text();
    v.phone = m_phone->text();
    v.currencyCode = m_currencyCode->text();
    v.iban = m_iban->text();
    v.bic = m_bic->text();
    v.paymentMeans = m_paymentMeans->text();
    v.dueDays = m_dueDays->text();
    v.defaultUnit = m_defaultUnit->text();
    v.exemptionReason = m_exemptionReason->text();
    v.roundLinesToCents = m_roundLines->isChecked();
    return v;
}

void EinvoicePage::setValue(const EinvoiceCompany& v)
{
    const QSignalBlocker quiet(m_street);
    m_legalName->setText(v.legalName);
    m_vatId->setText(v.vatId);
    m_taxNumber->setText(v.taxNumber);
    m_registrationId->setText(v.registrationId);
    m_street->setPlainText(LineBreaks::toLf(v.street));
    m_postCode->setText(v.postCode);
    m_city->setText(v.city);
    m_countryCode->setText(v.countryCode);
    m_email->setText(v.email);
    m_phone->setText(v.phone);
    m_currencyCode->setText(v.currencyCode);
    m_iban->setText(v.iban);
    m_bic->setText(v.bic);
    m_paymentMeans->setText(v.paymentMeans);
    m_dueDays->setText(v.dueDays);
    m_defaultUnit->setText(v.defaultUnit);
    m_exemptionReason->setText(v.exemptionReason);
    m_roundLines->setChecked(v.roundLinesToCents);
}
