#pragma once

#include "einvoice/Einvoice.h"
#include "store/EinvoiceCompany.h"
#include "editor/EinvoiceDocumentFields.h"
#include "einvoice/MissingFields.h"

#include <QLocale>

#include <optional>

struct Document;

// A calculated document as an electronic invoice, read from the texts the page prints. Tax: the
// document's rate is the standard category, a rate of 0 the zero-rate category; charges added after
// tax and every amount of a document whose tax line is omitted are exempt, with the company's
// exemption reason, since such a document states no tax at all.
class EinvoiceMapper
{
public:
    struct Result
    {
        std::optional<Einvoice> invoice;  // set when there is neither a refusal nor a missing field
        QString refusal;                   // amounts that do not add up, the type without e-invoice
        MissingFields missing;
    };

    static Result map(const Document& calculated, const EinvoiceCompany& company, const EinvoiceDocumentFields& fields,
                      const QLocale& locale);
};
