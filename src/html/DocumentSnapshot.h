#pragma once

#include "editor/Document.h"

#include <QLocale>
#include <QString>

// Captions of the window's labels that the page prints next to the values.
struct PageCaptions
{
    QString date = QStringLiteral("Date");                  // lblOrderDate
    QString terms = QStringLiteral("Terms");                // lblpaymentterm
    QString issuer = QStringLiteral("Issued by");           // lblsaleperson
    QString charges = QStringLiteral("Charges / Discount"); // lblMisc
    QString subtotal = QStringLiteral("SubTotal :");        // lblsubtotal
    QString total = QStringLiteral("Total :");              // lbltotal
    QString paid = QStringLiteral("Paid :");                // lblpaid
    QString balance = QStringLiteral("Balance :");          // lblbalance
    QString notes = QStringLiteral("Notes");                // frameNote

    bool operator==(const PageCaptions&) const = default;
};

// What the page is made of: the document as the window holds it (company and letterhead settings
// included), the label captions and the regional formats for the date and the charges amount.
struct DocumentSnapshot
{
    Document document;
    PageCaptions captions;
    QLocale locale = QLocale();
};
