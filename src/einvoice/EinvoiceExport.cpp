#include "einvoice/EinvoiceExport.h"

#include "editor/Document.h"
#include "editor/TotalsCalculator.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/EinvoiceMapper.h"
#include "einvoice/EinvoiceTypeCode.h"

EinvoiceExport::Result EinvoiceExport::toXml(Document document, const EinvoiceCompany& company,
                                             const EinvoiceDocumentFields& fields, const QLocale& locale,
                                             bool withKeys)
{
    Result result;
    // The company's rounding choice takes part in the recalculation below.
    document.company.einvoice = company;
    document.einvoice = fields;
    if (EinvoiceTypeCode::forDocumentType(document.docType).isEmpty()) {
        result.message = EinvoiceTypeCode::refusal(document.docType);
        return result;
    }
    // The same recalculation as the page, so that the file states what the page prints.
    const TotalsCalculator::Result sum = TotalsCalculator::DoSum(document, locale);
    if (!sum.ok) {
        result.message = sum.error;
        return result;
    }
    const EinvoiceMapper::Result mapped = EinvoiceMapper::map(document, company, fields, locale);
    if (!mapped.refusal.isEmpty()) {
        result.message = mapped.refusal;
        return result;
    }
    if (!mapped.invoice) {
        result.message = mapped.missing.message(withKeys);
        return result;
    }
    result.xml = CiiWriter::write(*mapped.invoice);
    result.ok = true;
    return result;
}

EinvoiceExport::Result EinvoiceExport::toXml(const Document& document, const QLocale& locale, bool withKeys)
{
    return toXml(document, document.company.einvoice, document.einvoice, locale, withKeys);
}
