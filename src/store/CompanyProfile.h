#pragma once

#include <QString>

// The issuing company as the main window's company fields hold it.
struct CompanyProfile
{
    QString name = QStringLiteral("Your Company Name");
    QString address = QStringLiteral("Address\r\nTel\r\n");
    QString currencySymbol;
    QString taxName = QStringLiteral("Tax");
    QString taxPercent;

    bool operator==(const CompanyProfile&) const = default;
};
