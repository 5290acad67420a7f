#pragma once

#include <QString>

// The norm's invoice type code (UNTDID 1001) for a document type, where it has one.
class EinvoiceTypeCode
{
public:
    // "" when the document type has no electronic invoice.
    static QString forDocumentType(const QString& docType);
    // The refusal shown for a document type without one.
    static QString refusal(const QString& docType);
};
