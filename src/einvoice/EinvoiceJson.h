#pragma once

#include "einvoice/EinvoiceCompany.h"
#include "einvoice/EinvoiceDocumentFields.h"

#include <QByteArray>
#include <QStringList>

// The e-invoice keys of a document file: per-document keys at the top, the company's e-invoice keys
// in its "company" object. The rest of the file is the document reader's.
class EinvoiceJson
{
public:
    struct ReadResult
    {
        bool ok = false;
        QString error;
        EinvoiceCompany company;
        EinvoiceDocumentFields fields;
    };

    static ReadResult read(const QByteArray& json);
    static QStringList documentKeys();
    static QStringList companyKeys();
};
