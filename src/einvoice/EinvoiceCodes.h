#pragma once

#include <QString>

// Format checks for the codes an electronic invoice carries, so that a typing slip is named before
// the receiver's software refuses the file.
class EinvoiceCodes
{
public:
    static bool isCountry(const QString& code);     // ISO 3166-1 alpha-2
    static bool isCurrency(const QString& code);    // ISO 4217, as far as the locale data knows
    static bool isVatId(const QString& id);         // two-letter country prefix, then letters and digits
    static bool isUnit(const QString& code);        // UN/ECE Rec. 20 form
    static bool isPaymentMeans(const QString& code);  // UNTDID 4461 form
    static bool needsAccount(const QString& paymentMeans);  // credit transfers
};
