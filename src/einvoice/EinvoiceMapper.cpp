#include "einvoice/EinvoiceMapper.h"

#include "editor/Document.h"
#include "core/NumberText.h"
#include "einvoice/EinvoiceCodes.h"
#include "einvoice/EinvoiceLines.h"
#include "einvoice/EinvoiceTypeCode.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

using Place = MissingFields::Place;

QString tr(const char* text)
{
    return QCoreApplication::translate("EinvoiceMapper", text);
}

// A printed amount in cents; an empty field counts as zero, as everywhere in the totals.
bool readCents(const QString& text, const QLocale& locale, qint64& cents)
{
    Money money;
    if (NumberText::readMoney(text.trimmed().isEmpty() ? QStringLiteral("0") : text, locale, money) != NumberError::None)
        return false;
    cents = money.roundedTo(2);
    return true;
}

QString moneyText(qint64 cents, const QLocale& locale)
{
    return NumberText::write(Money::fromUnits(cents * 100), locale);
}

QStringList nonEmptyLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]+"))))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    // The address holds three lines; the rest joins the third.
    while (lines.size() > 3)
        lines[2] += QStringLiteral(", ") + lines.takeAt(3);
    return lines;
}

class Mapping
{
public:
    Mapping(const Document& d, const EinvoiceCompany& c, const EinvoiceDocumentFields& f, const QLocale& l)
        : m_doc(d), m_company(c), m_fields(f), m_locale(l)
    {
    }

    EinvoiceMapper::Result run()
    {
        m_invoice.typeCode = EinvoiceTypeCode::forDocumentType(m_doc.docType);
        if (m_invoice.typeCode.isEmpty())
            return refuse(EinvoiceTypeCode::refusal(m_doc.docType));
        if (!readTax() || !readLines() || !readCharges() || !sumUp())
            return std::move(m_result);
        fillHeader();
        fillSeller();
        fillBuyer();
        fillPayment();
        if (m_result.missing.isEmpty())
            m_result.invoice = m_invoice;
        return std::move(m_result);
    }

private:
    EinvoiceMapper::Result refuse(const QString& text)
    {
        m_result.refusal = text;
        return std::move(m_result);
    }

    bool fail(const QString& text)
    {
        m_result.refusal = text;
        return false;
    }

    bool unreadable(const QString& field)
    {
        return fail(tr("The %1 cannot be read as a number. Press \" Calculate\" first.").arg(field));
    }

    bool readTax()
    {
        if (m_doc.options.hideTax) {
            m_documentTax = {QStringLiteral("E"), 0};
            return true;
        }
        Money rate;
        const QString text = m_doc.company.taxPercent.trimmed().isEmpty() ? QStringLiteral("0") : m_doc.company.taxPercent;
        if (NumberText::readMoney(text, m_locale, rate) != NumberError::None)
            return unreadable(tr("tax rate"));
        if (rate.units() < 0)
            return fail(tr("The tax rate is below zero."));
        m_documentTax = {rate.isZero() ? QStringLiteral("Z") : QStringLiteral("S"), rate.units()};
        return true;
    }

    bool readLines()
    {
        const QString unit = m_company.defaultUnit.trimmed();
        if (!EinvoiceCodes::isUnit(unit))
            m_result.missing.add(tr("Unit of measure code such as C62 (one) or HUR (hour)"), Place::Company,
                                 QStringLiteral("company.defaultUnit"));
        EinvoiceLines::Result lines = EinvoiceLines::read(m_doc, m_documentTax, unit, m_locale, m_result.missing);
        if (!lines.refusal.isEmpty())
            return fail(lines.refusal);
        m_invoice.lines = lines.lines;
        if (m_invoice.lines.isEmpty())
            m_result.missing.add(tr("At least one row with an amount or a description"), Place::Window,
                                 QStringLiteral("rows"), tr("the rows"));
        for (const EinvoiceLine& line : std::as_const(m_invoice.lines))
            m_invoice.totals.lineTotal += line.amount;
        return true;
    }

    bool readCharges()
    {
        if (!readCents(m_doc.chargesAmount, m_locale, m_charges))
            return unreadable(tr("charges amount"));
        if (m_charges == 0)
            return true;
        m_chargesTaxed = m_doc.chargesTaxable && !m_doc.options.hideTax;
        EinvoiceCharge charge;
        charge.isCharge = m_charges > 0;
        charge.amount = m_charges > 0 ? m_charges : -m_charges;
        charge.reason = m_doc.chargesName.trimmed();
        charge.tax = m_chargesTaxed ? m_documentTax : EinvoiceTax{QStringLiteral("E"), 0};
        if (charge.reason.isEmpty())
            m_result.missing.add(tr("Name of the charges"), Place::Window, QStringLiteral("charges.name"),
                                 tr("the box beside the charges amount"));
        m_invoice.charges.append(charge);
        (charge.isCharge ? m_invoice.totals.chargeTotal : m_invoice.totals.allowanceTotal) = charge.amount;
        return true;
    }

    // The page's subtotal, tax and total must be what the lines and charges make, to the cent.
    bool sumUp()
    {
        EinvoiceTotals& t = m_invoice.totals;
        const qint64 taxedBase = t.lineTotal + (m_chargesTaxed ? m_charges : 0);
        qint64 printedTax = 0;
        if (!m_doc.options.hideTax) {
            qint64 subtotal = 0;
            if (!readCents(m_doc.subtotal, m_locale, subtotal))
                return unreadable(tr("subtotal"));
            if (subtotal != taxedBase)
                return fail(tr("The amounts of the rows and the taxed charges make %1, but the subtotal reads %2. "
                               "Press \" Calculate\" and try again.")
                                .arg(moneyText(taxedBase, m_locale), moneyText(subtotal, m_locale)));
            if (!readCents(m_doc.taxAmount, m_locale, printedTax))
                return unreadable(tr("tax amount"));
        }
        addTaxGroup(m_documentTax, taxedBase, printedTax);
        if (m_charges != 0 && !m_chargesTaxed)
            addTaxGroup({QStringLiteral("E"), 0}, m_charges, 0);
        t.taxBasis = t.lineTotal + m_charges;
        t.grandTotal = t.taxBasis + t.taxTotal;
        qint64 total = 0;
        if (!readCents(m_doc.total, m_locale, total))
            return unreadable(tr("total"));
        if (total != t.grandTotal)
            return fail(tr("The total reads %1, but the subtotal, the tax and the charges after tax make %2. An "
                           "e-invoice needs them to agree to the cent.")
                            .arg(moneyText(total, m_locale), moneyText(t.grandTotal, m_locale)));
        if (!m_doc.options.hidePaid && !readCents(m_doc.paid, m_locale, t.prepaid))
            return unreadable(tr("paid amount"));
        t.due = t.grandTotal - t.prepaid;
        return true;
    }

    void addTaxGroup(const EinvoiceTax& tax, qint64 basis, qint64 amount)
    {
        for (EinvoiceTaxGroup& group : m_invoice.taxGroups) {
            if (group.tax == tax) {
                group.basis += basis;
                group.amount += amount;
                m_invoice.totals.taxTotal += amount;
                return;
            }
        }
        EinvoiceTaxGroup group{tax, basis, amount, {}};
        if (tax.category == QLatin1String("E")) {
            group.exemptionReason = m_company.exemptionReason.trimmed();
            if (group.exemptionReason.isEmpty())
                m_result.missing.add(tr("Exemption reason for amounts without tax"), Place::Company,
                                     QStringLiteral("company.exemptionReason"));
        }
        m_invoice.taxGroups.append(group);
        m_invoice.totals.taxTotal += amount;
    }

    void fillHeader()
    {
        m_invoice.number = m_doc.docNumber.trimmed();
        if (m_invoice.number.isEmpty())
            m_result.missing.add(tr("Document number"), Place::Window, QStringLiteral("docNumber"), tr("the Doc No. box"));
        m_invoice.issueDate = m_doc.docDate;
        m_invoice.note = EinvoiceLines::plainText(m_doc.notes);
        m_invoice.buyerReference = m_fields.buyerReference.trimmed();
        m_invoice.currency = m_company.currencyCode.trimmed();
        if (!EinvoiceCodes::isCurrency(m_invoice.currency))
            m_result.missing.add(tr("Currency code such as EUR"), Place::Company, QStringLiteral("company.currencyCode"));
    }

    void fillSeller()
    {
        EinvoiceParty& s = m_invoice.seller;
        s.name = m_company.legalName.trimmed().isEmpty() ? m_doc.company.name.trimmed() : m_company.legalName.trimmed();
        if (s.name.isEmpty())
            m_result.missing.add(tr("Company legal name"), Place::Company, QStringLiteral("company.legalName"));
        s.addressLines = nonEmptyLines(m_company.street);
        s.postCode = m_company.postCode.trimmed();
        s.city = m_company.city.trimmed();
        s.countryCode = m_company.countryCode.trimmed();
        if (!EinvoiceCodes::isCountry(s.countryCode))
            m_result.missing.add(tr("Company country code such as DE"), Place::Company, QStringLiteral("company.countryCode"));
        s.vatId = m_company.vatId.trimmed();
        s.taxNumber = m_company.taxNumber.trimmed();
        s.registrationId = m_company.registrationId.trimmed();
        // Without a VAT identifier the receiver identifies the seller by its register number.
        if (s.vatId.isEmpty() && (s.taxNumber.isEmpty() || s.registrationId.isEmpty()))
            m_result.missing.add(tr("Company VAT identifier, or tax number and trade register number"), Place::Company,
                                 QStringLiteral("company.vatId, company.taxNumber, company.registrationId"));
        else if (!s.vatId.isEmpty() && !EinvoiceCodes::isVatId(s.vatId))
            m_result.missing.add(tr("Company VAT identifier starting with its country code, e.g. DE123456789"),
                                 Place::Company, QStringLiteral("company.vatId"));
        s.email = m_company.email.trimmed();
        s.phone = m_company.phone.trimmed();
    }

    void fillBuyer()
    {
        EinvoiceParty& b = m_invoice.buyer;
        b.name = m_doc.billToName.trimmed();
        if (b.name.isEmpty())
            m_result.missing.add(tr("Customer name"), Place::Window, QStringLiteral("billTo.name"),
                                 tr("the customer name box"));
        b.addressLines = nonEmptyLines(m_doc.billToAddress);
        b.countryCode = m_fields.effectiveBuyerCountry(m_company);
        if (!EinvoiceCodes::isCountry(b.countryCode))
            m_result.missing.add(tr("Customer country code such as FR"), Place::Document, QStringLiteral("buyerCountry"));
        b.vatId = m_fields.buyerVatId.trimmed();
        if (!b.vatId.isEmpty() && !EinvoiceCodes::isVatId(b.vatId))
            m_result.missing.add(tr("Customer VAT identifier starting with its country code"), Place::Document,
                                 QStringLiteral("buyerVatId"));
    }

    void fillPayment()
    {
        m_invoice.iban = QString(m_company.iban).remove(QLatin1Char(' ')).toUpper();
        m_invoice.bic = m_company.bic.trimmed().toUpper();
        m_invoice.paymentMeans = m_company.paymentMeans.trimmed();
        if (m_invoice.paymentMeans.isEmpty() && !m_invoice.iban.isEmpty())
            m_invoice.paymentMeans = QStringLiteral("58");
        if (!m_invoice.paymentMeans.isEmpty() && !EinvoiceCodes::isPaymentMeans(m_invoice.paymentMeans))
            m_result.missing.add(tr("Payment means code such as 58 (SEPA credit transfer) or 10 (cash)"), Place::Company,
                                 QStringLiteral("company.paymentMeans"));
        else if (EinvoiceCodes::needsAccount(m_invoice.paymentMeans) && m_invoice.iban.isEmpty())
            m_result.missing.add(tr("Company bank account (IBAN)"), Place::Company, QStringLiteral("company.iban"));
        m_invoice.paymentTerms = m_doc.paymentTerm.trimmed();
        m_invoice.dueDate = m_fields.effectiveDueDate(m_doc.docDate, m_company);
        if (m_invoice.totals.due > 0 && !m_invoice.dueDate.isValid() && m_invoice.paymentTerms.isEmpty())
            m_result.missing.add(tr("Due date, due days or payment terms"), Place::Document,
                                 QStringLiteral("dueDate, company.dueDays, paymentTerm"));
    }

    const Document& m_doc;
    const EinvoiceCompany& m_company;
    const EinvoiceDocumentFields& m_fields;
    const QLocale& m_locale;
    EinvoiceMapper::Result m_result;
    Einvoice m_invoice;
    EinvoiceTax m_documentTax;
    qint64 m_charges = 0;
    bool m_chargesTaxed = false;
};

} // namespace

EinvoiceMapper::Result EinvoiceMapper::map(const Document& calculated, const EinvoiceCompany& company,
                                           const EinvoiceDocumentFields& fields, const QLocale& locale)
{
    return Mapping(calculated, company, fields, locale).run();
}
