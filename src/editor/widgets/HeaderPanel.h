#pragma once

#include <QWidget>

class Dialogs;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;
struct Document;

// The document header: type, number, date, terms, issuer, the buyer's e-invoice fields, bill-to and
// ship-to.
class HeaderPanel : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderPanel(SettingsStore& settings, QWidget* parent = nullptr);

    // Fills the pick lists and restores the remembered bill-to term.
    void fillPickLists();
    void restoreBillToTerm();

    // The "?" buttons beside the fields, once the window's dialogs exist.
    void addHelpButtons(Dialogs& dialogs);
    // The program's short date setting ("" regional, "dd-MMM-yyyy"): how the date picker shows its day.
    void setDateFormat(const QString& setting);

    void readInto(Document& document) const;
    void showFrom(const Document& document);

    QLineEdit* docNumberEdit() const { return m_docNumber; }
    QLineEdit* billToNameEdit() const { return m_billToName; }
    QLabel* currentDocLabel() const { return m_currentDocNum; }
    QPushButton* autoNumberButton() const { return m_autoNumber; }

private:
    void buildLayout();
    QLayout* buildEinvoiceRow();

    SettingsStore& m_settings;
    QComboBox* m_docType;
    QLineEdit* m_docNumber;
    QPushButton* m_autoNumber;
    QDateEdit* m_docDate;
    QComboBox* m_paymentTerm;
    QLineEdit* m_salePerson;
    QComboBox* m_billToTerm;
    QLineEdit* m_billToName;
    QPlainTextEdit* m_billToAddress;
    QComboBox* m_shipToTerm;
    QLineEdit* m_shipToName;
    QPlainTextEdit* m_shipToAddress;
    QLabel* m_currentDocNum;
    // The buyer's e-invoice fields; an empty due date means the document date plus the company's due days.
    QLineEdit* m_buyerVatId;
    QLineEdit* m_buyerCountry;
    QLineEdit* m_buyerReference;
    QDateEdit* m_dueDate;
};
