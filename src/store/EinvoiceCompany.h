#pragma once

#include <QString>

// What an electronic invoice needs to know about the issuing company beyond the letterhead.
// Codes are the norm's: ISO 3166-1 country, ISO 4217 currency, UN/ECE Rec. 20 unit, UNTDID 4461
// payment means.
struct EinvoiceCompany
{
    QString legalName;        // "" means the letterhead name
    QString vatId;            // with its country prefix, e.g. DE123456789
    QString taxNumber;        // national tax number, for sellers without a VAT identifier
    QString registrationId;   // trade register number; identifies a seller without a VAT identifier
    QString street;           // up to three lines
    QString postCode;
    QString city;
    QString countryCode;
    QString email;
    QString phone;
    QString currencyCode;     // the currency symbol stays for the page
    QString iban;
    QString bic;
    QString paymentMeans;     // "" means SEPA credit transfer (58) with an IBAN, none without
    QString defaultUnit = QStringLiteral("C62");
    QString dueDays;          // "" means no due date unless the document gives one
    QString exemptionReason;  // for untaxed charges and documents without tax
    // Makes new calculations cent-exact; off keeps the documented arithmetic unchanged.
    bool roundLinesToCents = false;

    bool operator==(const EinvoiceCompany&) const = default;
};
