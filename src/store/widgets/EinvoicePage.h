#pragma once

#include "store/EinvoiceCompany.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The company's e-invoice fields on the settings panel: who the seller is to the norm, where it
// sits, how it is paid, and the defaults every e-invoice takes. Saved with the company fields.
class EinvoicePage : public QWidget
{
    Q_OBJECT

public:
    explicit EinvoicePage(QWidget* parent = nullptr);

    EinvoiceCompany value() const;
    void setValue(const EinvoiceCompany& value);
    QPushButton* saveButton() const { return m_save; }

signals:
    void edited();

private:
    QWidget* buildSellerBox();
    QWidget* buildPaymentBox();
    QWidget* buildDefaultsBox();
    QLineEdit* field(const char* objectName, const QString& placeholder = {}, int maxLength = 255);

    QLineEdit* m_legalName;
    QLineEdit* m_vatId;
    QLineEdit* m_taxNumber;
    QLineEdit* m_registrationId;
    QPlainTextEdit* m_street;
    QLineEdit* m_postCode;
    QLineEdit* m_city;
    QLineEdit* m_countryCode;
    QLineEdit* m_email;
    QLineEdit* m_phone;
    QLineEdit* m_currencyCode;
    QLineEdit* m_iban;
    QLineEdit* m_bic;
    QLineEdit* m_paymentMeans;
    QLineEdit* m_dueDays;
    QLineEdit* m_defaultUnit;
    QLineEdit* m_exemptionReason;
    QCheckBox* m_roundLines;
    QPushButton* m_save;
};
