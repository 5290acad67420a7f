#include "einvoice/CiiWriter.h"

#include "einvoice/DecimalText.h"

#include <QXmlStreamWriter>

namespace {

const QString Rsm = QStringLiteral("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QString Ram = QStringLiteral("urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100");
const QString Udt = QStringLiteral("urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100");
const QString Qdt = QStringLiteral("urn:un:unece:uncefact:data:standard:QualifiedDataType:100");

// XML 1.0 has no place for most control characters; a pasted one must not spoil the file.
QString cleaned(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            out.append(c.isNonCharacter() ? QChar(QChar::ReplacementCharacter) : c);
    }
    return out;
}

class Cii
{
public:
    explicit Cii(QByteArray& bytes) : m_xml(&bytes) { m_xml.setAutoFormatting(true); }

    void document(const Einvoice& invoice)
    {
        m_xml.writeStartDocument();
        m_xml.writeNamespace(Rsm, QStringLiteral("rsm"));
        m_xml.writeNamespace(Ram, QStringLiteral("ram"));
        m_xml.writeNamespace(Udt, QStringLiteral("udt"));
        m_xml.writeNamespace(Qdt, QStringLiteral("qdt"));
        m_xml.writeStartElement(Rsm, QStringLiteral("CrossIndustryInvoice"));
        context();
        header(invoice);
        m_xml.writeStartElement(Rsm, QStringLiteral("SupplyChainTradeTransaction"));
        for (const EinvoiceLine& line : invoice.lines)
            lineItem(line);
        agreement(invoice);
        m_xml.writeEmptyElement(Ram, QStringLiteral("ApplicableHeaderTradeDelivery"));
        settlement(invoice);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void start(const char* name) { m_xml.writeStartElement(Ram, QLatin1String(name)); }
    void end() { m_xml.writeEndElement(); }
    void text(const char* name, const QString& value) { m_xml.writeTextElement(Ram, QLatin1String(name), cleaned(value)); }
    void optional(const char* name, const QString& value)
    {
        if (!value.isEmpty())
            text(name, value);
    }

    void withAttribute(const char* name, const QString& value, const char* attribute, const QString& attributeValue)
    {
        start(name);
        m_xml.writeAttribute(QLatin1String(attribute), attributeValue);
        m_xml.writeCharacters(cleaned(value));
        end();
    }

    void amount(const char* name, qint64 cents) { text(name, DecimalText::cents(cents)); }
    void date(const char* name, const QDate& value)
    {
        start(name);
        m_xml.writeStartElement(Udt, QStringLiteral("DateTimeString"));
        m_xml.writeAttribute(QStringLiteral("format"), QStringLiteral("102"));
        m_xml.writeCharacters(value.toString(QStringLiteral("yyyyMMdd")));
        m_xml.writeEndElement();
        end();
    }

    void indicator(bool value)
    {
        start("ChargeIndicator");
        m_xml.writeTextElement(Udt, QStringLiteral("Indicator"), value ? QStringLiteral("true") : QStringLiteral("false"));
        end();
    }

    void rate(const EinvoiceTax& tax) { text("RateApplicablePercent", DecimalText::write(tax.rate, 4, 2)); }

    void context()
    {
        m_xml.writeStartElement(Rsm, QStringLiteral("ExchangedDocumentContext"));
        start("GuidelineSpecifiedDocumentContextParameter");
        text("ID", CiiWriter::guidelineId());
        end();
        m_xml.writeEndElement();
    }

    void header(const Einvoice& invoice)
    {
        m_xml.writeStartElement(Rsm, QStringLiteral("ExchangedDocument"));
        text("ID", invoice.number);
        text("TypeCode", invoice.typeCode);
        date("IssueDateTime", invoice.issueDate);
        if (!invoice.note.isEmpty()) {
            start("IncludedNote");
            text("Content", invoice.note);
            end();
        }
        m_xml.writeEndElement();
    }

    void lineItem(const EinvoiceLine& line)
    {
        start("IncludedSupplyChainTradeLineItem");
        start("AssociatedDocumentLineDocument");
        text("LineID", line.id);
        end();
        start("SpecifiedTradeProduct");
        optional("SellerAssignedID", line.productId);
        text("Name", line.name);
        optional("Description", line.description);
        end();
        linePrices(line);
        start("SpecifiedLineTradeDelivery");
        withAttribute("BilledQuantity", QString::number(line.quantity), "unitCode", line.unit);
        end();
        start("SpecifiedLineTradeSettlement");
        start("ApplicableTradeTax");
        text("TypeCode", QStringLiteral("VAT"));
        text("CategoryCode", line.tax.category);
        rate(line.tax);
        end();
        start("SpecifiedTradeSettlementLineMonetarySummation");
        amount("LineTotalAmount", line.amount);
        end();
        end();
        end();
    }

    void linePrices(const EinvoiceLine& line)
    {
        start("SpecifiedLineTradeAgreement");
        if (line.grossPrice != 0) {
            start("GrossPriceProductTradePrice");
            text("ChargeAmount", DecimalText::write(line.grossPrice, 6, 2));
            start("AppliedTradeAllowanceCharge");
            indicator(false);
            text("ActualAmount", DecimalText::write(line.priceDiscount, 6, 2));
            end();
            end();
        }
        start("NetPriceProductTradePrice");
        text("ChargeAmount", DecimalText::write(line.netPrice, 6, 2));
        end();
        end();
    }

    void agreement(const Einvoice& invoice)
    {
        start("ApplicableHeaderTradeAgreement");
        optional("BuyerReference", invoice.buyerReference);
        party("SellerTradeParty", invoice.seller, true);
        party("BuyerTradeParty", invoice.buyer, false);
        end();
    }

    void party(const char* element, const EinvoiceParty& p, bool seller)
    {
        start(element);
        text("Name", p.name);
        if (!p.registrationId.isEmpty()) {
            start("SpecifiedLegalOrganization");
            text("ID", p.registrationId);
            end();
        }
        if (seller && (!p.phone.isEmpty() || !p.email.isEmpty()))
            contact(p);
        start("PostalTradeAddress");
        optional("PostcodeCode", p.postCode);
        const char* lineNames[] = {"LineOne", "LineTwo", "LineThree"};
        for (qsizetype i = 0; i < p.addressLines.size() && i < 3; ++i)
            text(lineNames[i], p.addressLines.at(i));
        optional("CityName", p.city);
        text("CountryID", p.countryCode);
        end();
        if (seller && !p.email.isEmpty()) {
            start("URIUniversalCommunication");
            withAttribute("URIID", p.email, "schemeID", QStringLiteral("EM"));
            end();
        }
        registration(p.vatId, "VA");
        registration(p.taxNumber, "FC");
        end();
    }

    void contact(const EinvoiceParty& p)
    {
        start("DefinedTradeContact");
        if (!p.phone.isEmpty()) {
            start("TelephoneUniversalCommunication");
            text("CompleteNumber", p.phone);
            end();
        }
        if (!p.email.isEmpty()) {
            start("EmailURIUniversalCommunication");
            text("URIID", p.email);
            end();
        }
        end();
    }

    void registration(const QString& id, const char* scheme)
    {
        if (id.isEmpty())
            return;
        start("SpecifiedTaxRegistration");
        withAttribute("ID", id, "schemeID", QLatin1String(scheme));
        end();
    }

    void settlement(const Einvoice& invoice)
    {
        start("ApplicableHeaderTradeSettlement");
        text("InvoiceCurrencyCode", invoice.currency);
        paymentMeans(invoice);
        for (const EinvoiceTaxGroup& group : invoice.taxGroups)
            taxGroup(group);
        for (const EinvoiceCharge& charge : invoice.charges)
            documentCharge(charge);
        if (!invoice.paymentTerms.isEmpty() || invoice.dueDate.isValid()) {
            start("SpecifiedTradePaymentTerms");
            optional("Description", invoice.paymentTerms);
            if (invoice.dueDate.isValid())
                date("DueDateDateTime", invoice.dueDate);
            end();
        }
        summation(invoice);
        end();
    }

    void paymentMeans(const Einvoice& invoice)
    {
        if (invoice.paymentMeans.isEmpty())
            return;
        start("SpecifiedTradeSettlementPaymentMeans");
        text("TypeCode", invoice.paymentMeans);
        if (!invoice.iban.isEmpty()) {
            start("PayeePartyCreditorFinancialAccount");
            text("IBANID", invoice.iban);
            end();
        }
        if (!invoice.bic.isEmpty()) {
            start("PayeeSpecifiedCreditorFinancialInstitution");
            text("BICID", invoice.bic);
            end();
        }
        end();
    }

    void taxGroup(const EinvoiceTaxGroup& group)
    {
        start("ApplicableTradeTax");
        amount("CalculatedAmount", group.amount);
        text("TypeCode", QStringLiteral("VAT"));
        optional("ExemptionReason", group.exemptionReason);
        amount("BasisAmount", group.basis);
        text("CategoryCode", group.tax.category);
        rate(group.tax);
        end();
    }

    void documentCharge(const EinvoiceCharge& charge)
    {
        start("SpecifiedTradeAllowanceCharge");
        indicator(charge.isCharge);
        amount("ActualAmount", charge.amount);
        text("Reason", charge.reason);
        start("CategoryTradeTax");
        text("TypeCode", QStringLiteral("VAT"));
        text("CategoryCode", charge.tax.category);
        rate(charge.tax);
        end();
        end();
    }

    void summation(const Einvoice& invoice)
    {
        const EinvoiceTotals& t = invoice.totals;
        start("SpecifiedTradeSettlementHeaderMonetarySummation");
        amount("LineTotalAmount", t.lineTotal);
        if (t.chargeTotal != 0)
            amount("ChargeTotalAmount", t.chargeTotal);
        if (t.allowanceTotal != 0)
            amount("AllowanceTotalAmount", t.allowanceTotal);
        amount("TaxBasisTotalAmount", t.taxBasis);
        withAttribute("TaxTotalAmount", DecimalText::cents(t.taxTotal), "currencyID", invoice.currency);
        amount("GrandTotalAmount", t.grandTotal);
        if (t.prepaid != 0)
            amount("TotalPrepaidAmount", t.prepaid);
        amount("DuePayableAmount", t.due);
        end();
    }

    QXmlStreamWriter m_xml;
};

} // namespace

QString CiiWriter::guidelineId()
{
    return QStringLiteral("urn:cen.eu:en16931:2017");
}

QByteArray CiiWriter::write(const Einvoice& invoice)
{
    QByteArray bytes;
    Cii(bytes).document(invoice);
    return bytes;
}
