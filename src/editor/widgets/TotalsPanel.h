#pragma once

#include <QWidget>

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class SettingsStore;
struct CompanyProfile;
struct Document;

// Charges, subtotal, tax, total, paid and balance, with the document's option boxes. User clicks on
// the boxes are announced as signals; the commands decide and the panel shows the outcome.
class TotalsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TotalsPanel(SettingsStore& settings, QWidget* parent = nullptr);

    // The "?" buttons beside the option boxes, charges and commands, once the dialogs exist.
    void addHelpButtons(Dialogs& dialogs);

    void readInto(Document& document) const;
    void showFrom(const Document& document);
    // The company's tax name, rate and currency as the window's fields show them.
    void showCompany(const CompanyProfile& company);

signals:
    void calculateRequested();
    void insertPaidRequested();
    void taxableClicked(bool checked);
    void paidExcludedClicked(bool checked);
    void taxExcludedClicked(bool checked);
    void noDiscountClicked(bool checked);
    void blankZeroRowsClicked(bool checked);
    void hideZeroRowsClicked(bool checked);
    void hideMoneyClicked(bool checked);

private:
    QWidget* buildOptions();
    QWidget* buildCompanyFields();
    QWidget* buildTotals();
    QWidget* buildCharges();
    QWidget* totalsLine(QLabel* label, QLineEdit* field, QCheckBox* exclusion = nullptr);
    void placeCharges(bool taxable);
    void showExclusions(const Document& document);

    SettingsStore& m_settings;
    QCheckBox* m_noDiscount;
    QCheckBox* m_goodsReceived;
    QCheckBox* m_printBarcode;
    QCheckBox* m_hideMoney;
    QCheckBox* m_showBalance;
    QCheckBox* m_blankZero;
    QCheckBox* m_hideZero;
    QCheckBox* m_tableBorder;
    QCheckBox* m_externalBrowser;
    QComboBox* m_pageRows;
    QLineEdit* m_taxName;
    QComboBox* m_taxPercent;
    QComboBox* m_currency;
    QWidget* m_charges;
    QComboBox* m_chargesName;
    QLineEdit* m_chargesAmount;
    QCheckBox* m_taxable;
    QVBoxLayout* m_totalsColumn;
    QWidget* m_subtotalLine;
    QWidget* m_taxLine;
    QLabel* m_subtotalLabel;
    QLineEdit* m_subtotal;
    QLabel* m_taxLabel;
    QLineEdit* m_taxAmount;
    QCheckBox* m_taxExcluded;
    QLineEdit* m_total;
    QLabel* m_paidLabel;
    QLineEdit* m_paid;
    QCheckBox* m_paidExcluded;
    QLabel* m_balanceLabel;
    QLineEdit* m_balance;
};
