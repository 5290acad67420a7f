#pragma once

#include "store/EinvoiceCompany.h"

#include <QDate>
#include <QString>

// The per-document fields an electronic invoice adds to a document.
struct EinvoiceDocumentFields
{
    QString buyerCountry;    // "" means the company's country
    QString buyerVatId;
    QString buyerReference;  // the buyer's order or routing reference
    QDate dueDate;           // null means document date + the company's due days

    QString effectiveBuyerCountry(const EinvoiceCompany& company) const
    {
        return buyerCountry.trimmed().isEmpty() ? company.countryCode.trimmed() : buyerCountry.trimmed();
    }

    // Null when neither this document nor the company gives one.
    QDate effectiveDueDate(const QDate& documentDate, const EinvoiceCompany& company) const
    {
        if (dueDate.isValid())
            return dueDate;
        bool ok = false;
        const int days = company.dueDays.trimmed().toInt(&ok);
        return ok && days >= 0 && days <= 3660 ? documentDate.addDays(days) : QDate();
    }

    bool operator==(const EinvoiceDocumentFields&) const = default;
};
