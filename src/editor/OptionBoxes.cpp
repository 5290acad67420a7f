#include "editor/OptionBoxes.h"

#include "core/Dialogs.h"
#include "editor/CalculateCommand.h"
#include "editor/Document.h"
#include "editor/EmptyToZero.h"
#include "core/NumberText.h"

void OptionBoxes::calculate()
{
    CalculateCommand::run(m_doc, m_locale, m_dialogs);
}

void OptionBoxes::setTaxable(bool checked)
{
    m_doc.chargesTaxable = checked;
    calculate();
}

bool OptionBoxes::paidAboveZero() const
{
    Money paid;
    // A paid text that is not a number is treated as something paid: the box is not for it.
    if (NumberText::readMoney(EmptyToZero(m_doc.paid), m_locale, paid) != NumberError::None)
        return true;
    return paid.units() > 0;
}

bool OptionBoxes::setPaidExcluded(bool checked)
{
    if (checked && paidAboveZero()) {
        m_dialogs.critical(tr("This action cannot be performed because there is some value in the Paid field.")
                           + QStringLiteral("\r\n\r\n")
                           + tr("Please manually change the value to zero or blank if you are sure nothing has "
                                "been paid. After that, try again."));
        m_doc.options.hidePaid = false;
        calculate();
        return false;
    }
    m_doc.options.hidePaid = checked;
    if (checked) {
        m_doc.paid.clear();
        m_doc.balance.clear();
    }
    calculate();
    return true;
}

void OptionBoxes::setTaxExcluded(bool checked)
{
    m_doc.options.hideTax = checked;
    if (checked) {
        m_doc.subtotal.clear();
        m_doc.taxAmount.clear();
    }
    calculate();
}

bool OptionBoxes::anyDiscount() const
{
    Money sum;
    for (const DocumentRow& row : m_doc.rows) {
        Money discount;
        if (NumberText::readMoney(EmptyToZero(row.discount), m_locale, discount) != NumberError::None)
            return true;
        const auto total = Money::add(sum, discount);
        if (!total)
            return true;
        sum = *total;
    }
    return !sum.isZero();
}

bool OptionBoxes::setNoDiscount(bool checked)
{
    if (checked && anyDiscount()) {
        m_dialogs.warn(tr("This action cannot be performed because there is discount value in one or more rows ."));
        m_doc.options.noDiscount = false;
        NoDiscChecking();
        return false;
    }
    m_doc.options.noDiscount = checked;
    NoDiscChecking();
    return true;
}

void OptionBoxes::NoDiscChecking()
{
    for (DocumentRow& row : m_doc.rows) {
        row.discountEnabled = !m_doc.options.noDiscount;
        if (m_doc.options.noDiscount)
            row.discount = NumberText::zero(m_locale);
    }
}

void OptionBoxes::setBlankZeroRows(bool checked)
{
    m_doc.options.blankZeroRows = checked;
    if (checked)
        m_doc.options.hideZeroRows = false;
}

void OptionBoxes::setHideZeroRows(bool checked)
{
    m_doc.options.hideZeroRows = checked;
    if (checked)
        m_doc.options.blankZeroRows = false;
}

void OptionBoxes::setHideMoney(bool checked)
{
    m_doc.options.hideMoney = checked;
    if (!checked)
        m_doc.options.showBalanceOnly = false;
}
