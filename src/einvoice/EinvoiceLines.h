#pragma once

#include "einvoice/Einvoice.h"
#include "einvoice/MissingFields.h"

#include <QLocale>

struct Document;

// The rows of a calculated document as invoice lines, read from the texts the page prints. A row's
// printed amount must be its printed quantity times its printed price less discount, rounded to
// cents; otherwise the file would state amounts the page does not.
class EinvoiceLines
{
public:
    struct Result
    {
        QList<EinvoiceLine> lines;
        QString refusal;  // names the row that does not add up
    };

    static Result read(const Document& document, const EinvoiceTax& tax, const QString& unit, const QLocale& locale,
                       MissingFields& missing);
    // The plain text of a description or notes box, lines separated by LF.
    static QString plainText(const QString& content);
};
