#include "editor/TotalsCalculator.h"

#include "editor/Document.h"
#include "editor/EmptyToZero.h"
#include "core/NumberText.h"

namespace {

// One run of the recomputation. Each step writes its fields as soon as it has them, so a failed
// reading leaves the fields already written with their new text.
class SumRun
{
public:
    SumRun(Document& document, const QLocale& locale) : m_doc(document), m_locale(locale) {}

    NumberError execute()
    {
        if (!prepare() || !sumRows() || !addTaxedCharges())
            return m_error;
        if (!(m_doc.options.hideTax ? totalWithoutTax() : totalWithTax()))
            return m_error;
        settlePaid();
        return m_error;
    }

private:
    bool read(const QString& text, Money& value)
    {
        m_error = NumberText::readMoney(text, m_locale, value);
        return m_error == NumberError::None;
    }

    QString money(Money value) const { return NumberText::write(value, m_locale); }

    bool fail(NumberError error)
    {
        m_error = error;
        return false;
    }

    bool prepare()
    {
        Money charges;
        if (!read(EmptyToZero(m_doc.chargesAmount.trimmed()), charges))
            return false;
        m_doc.chargesAmount = money(charges);
        m_doc.total.clear();
        m_doc.taxAmount.clear();
        m_doc.balance.clear();
        m_doc.taxLabel = QStringLiteral("Sale Tax :");
        if (m_doc.paid.isEmpty())
            m_doc.paid = NumberText::zero(m_locale);
        return true;
    }

    bool sumRows()
    {
        for (DocumentRow& row : m_doc.rows) {
            if (!sumRow(row))
                return false;
        }
        return true;
    }

    bool sumRow(DocumentRow& row)
    {
        Money discount;
        Money price;
        qint16 quantity = 0;
        if (!read(EmptyToZero(row.discount), discount) || !read(EmptyToZero(row.price), price))
            return false;
        m_error = NumberText::readQuantity(EmptyToZero(row.qty), m_locale, quantity);
        if (m_error != NumberError::None)
            return false;
        const auto amount = m_doc.company.einvoice.roundLinesToCents ? Money::lineAmountInCents(quantity, price, discount)
                                                                     : Money::lineAmount(quantity, price, discount);
        if (!amount)
            return fail(NumberError::Overflow);
        row.amount = money(*amount);
        Money quantityValue;
        if (!read(row.qty, quantityValue))
            return false;
        row.qty = NumberText::write(quantityValue, m_locale, 0);
        row.discount = money(discount);
        row.price = money(price);
        Money shown;
        if (!read(row.amount, shown) || !addTo(m_subtotal, shown))
            return false;
        qint16 rewritten = 0;
        row.qtyGrey = NumberText::readQuantity(row.qty, m_locale, rewritten) == NumberError::None && rewritten == 0;
        return true;
    }

    bool addTaxedCharges()
    {
        if (!read(m_doc.chargesAmount, m_charges))
            return false;
        if (!m_charges.isZero() && m_doc.chargesTaxable)
            return addTo(m_subtotal, m_charges);
        return true;
    }

    bool addTo(Money& target, Money amount)
    {
        const auto sum = Money::add(target, amount);
        if (!sum)
            return fail(NumberError::Overflow);
        target = *sum;
        return true;
    }

    bool totalWithTax()
    {
        m_doc.subtotal = money(m_subtotal);
        Money rate;
        if (!read(EmptyToZero(m_doc.company.taxPercent), rate))
            return false;
        const auto tax = Money::percentToCents(m_subtotal, rate);
        const auto exactTax = Money::percentInDouble(m_subtotal, rate);
        if (!tax || !exactTax)
            return fail(NumberError::Overflow);
        m_doc.taxAmount = money(*tax);
        Money total = m_subtotal;
        // Cent-exact documents add the tax as printed, so that the total is the sum of what the page shows.
        const Money taxInTotal = m_doc.company.einvoice.roundLinesToCents ? *tax : *exactTax;
        if (!addTo(total, taxInTotal) || !addUntaxedCharges(total))
            return false;
        m_doc.total = money(total);
        m_doc.taxLabel = m_doc.company.taxName + QLatin1Char(' ') + money(rate) + QStringLiteral("% :");
        return true;
    }

    bool totalWithoutTax()
    {
        m_doc.subtotal.clear();
        m_doc.taxAmount.clear();
        Money total = m_subtotal;
        if (!addUntaxedCharges(total))
            return false;
        m_doc.total = money(total);
        return true;
    }

    bool addUntaxedCharges(Money& total)
    {
        if (!m_charges.isZero() && !m_doc.chargesTaxable)
            return addTo(total, m_charges);
        return true;
    }

    void settlePaid()
    {
        if (m_doc.options.hidePaid) {
            m_doc.paid.clear();
            m_doc.balance.clear();
            return;
        }
        if (m_doc.paid.isEmpty())
            return;
        Money paid;
        Money total;
        if (!read(EmptyToZero(m_doc.paid), paid))
            return;
        m_doc.paid = money(paid);
        if (!read(m_doc.total, total))
            return;
        const auto balance = Money::subtract(total, paid);
        if (!balance) {
            m_error = NumberError::Overflow;
            return;
        }
        m_doc.balance = money(*balance);
    }

    Document& m_doc;
    const QLocale& m_locale;
    NumberError m_error = NumberError::None;
    Money m_subtotal;
    Money m_charges;
};

} // namespace

TotalsCalculator::Result TotalsCalculator::DoSum(Document& document, const QLocale& locale)
{
    const NumberError error = SumRun(document, locale).execute();
    if (error == NumberError::None)
        return {};
    return {false, NumberText::errorText(error)};
}
