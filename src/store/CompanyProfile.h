#pragma once

#include "store/EinvoiceCompany.h"

#include <QString>

// The issuing company as the main window's company fields hold it.
struct CompanyProfile
{
    QString name = QStringLiteral("Your Company Name");
    QString address = QStringLiteral("Address\r\nTel\r\n");
    QString currencySymbol;
    QString taxName = QStringLiteral("Tax");
    QString taxPercent;
    EinvoiceCompany einvoice;  // what an electronic invoice needs beyond the letterhead

    bool operator==(const CompanyProfile&) const = default;
};
