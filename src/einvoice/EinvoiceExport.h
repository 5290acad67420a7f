#pragma once

#include "store/EinvoiceCompany.h"
#include "editor/EinvoiceDocumentFields.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

struct Document;

// The e-invoice export of one document: the type check, the recalculation the page also gets, the
// mapping with its checks, and the CII file.
class EinvoiceExport
{
public:
    struct Result
    {
        bool ok = false;
        QString message;  // why nothing was written
        QByteArray xml;
    };

    // `withKeys` names the document-file keys next to each missing field (for the command line).
    static Result toXml(Document document, const EinvoiceCompany& company, const EinvoiceDocumentFields& fields,
                        const QLocale& locale, bool withKeys = false);
    // The same with the document's own e-invoice fields and its company's.
    static Result toXml(const Document& document, const QLocale& locale, bool withKeys = false);
};
