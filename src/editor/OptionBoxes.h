#pragma once

#include <QCoreApplication>
#include <QLocale>

class Dialogs;
struct Document;

// The document's option boxes and what setting each one does, as a user's click would.
class OptionBoxes
{
    Q_DECLARE_TR_FUNCTIONS(OptionBoxes)

public:
    OptionBoxes(Document& document, const QLocale& locale, Dialogs& dialogs)
        : m_doc(document), m_locale(locale), m_dialogs(dialogs)
    {
    }

    // "Taxable": recalculates.
    void setTaxable(bool checked);
    // The paid line's exclusion box; refused while something has been paid. False when refused.
    bool setPaidExcluded(bool checked);
    // The tax line's exclusion box.
    void setTaxExcluded(bool checked);
    // "No Discount Column in Html"; refused while a row has a discount. False when refused.
    bool setNoDiscount(bool checked);
    // Applies the "No Discount Column in Html" state to every row.
    void NoDiscChecking();
    // The two zero-quantity options exclude each other.
    void setBlankZeroRows(bool checked);
    void setHideZeroRows(bool checked);
    // "Show Balance Only" is only on offer while money values are hidden.
    void setHideMoney(bool checked);

    void calculate();

private:
    bool paidAboveZero() const;
    bool anyDiscount() const;

    Document& m_doc;
    const QLocale& m_locale;
    Dialogs& m_dialogs;
};
