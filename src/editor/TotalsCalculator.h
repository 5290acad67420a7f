#pragma once

#include <QLocale>
#include <QString>

struct Document;

// The one recomputation of a document's amounts and totals from the texts of its fields.
class TotalsCalculator
{
public:
    struct Result
    {
        bool ok = true;
        QString error;  // the description and number shown by " Calculate" when a field cannot be read
    };

    static Result DoSum(Document& document, const QLocale& locale = QLocale());
};
