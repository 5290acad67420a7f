#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// One electronic invoice as the norm sees it, independent of any syntax. Money is counted in cents,
// prices in millionths, tax rates in ten-thousandths of a percent; all exact integers.
struct EinvoiceTax
{
    QString category;  // S standard, Z zero rate, E exempt
    qint64 rate = 0;   // ten-thousandths of a percent

    bool operator==(const EinvoiceTax&) const = default;
};

struct EinvoiceParty
{
    QString name;
    QStringList addressLines;
    QString postCode;
    QString city;
    QString countryCode;
    QString vatId;
    QString taxNumber;
    QString registrationId;
    QString email;
    QString phone;
};

struct EinvoiceLine
{
    QString id;
    QString productId;
    QString name;
    QString description;      // the full text when it runs over more than the name
    qint64 quantity = 0;      // negative when the row takes money off
    QString unit;
    qint64 grossPrice = 0;    // millionths; 0 when the net price stands alone
    qint64 priceDiscount = 0; // millionths off the gross price
    qint64 netPrice = 0;      // millionths, never negative
    qint64 amount = 0;        // cents, as printed
    EinvoiceTax tax;
};

// The charges box: a charge when positive, an allowance when negative (amount kept positive).
struct EinvoiceCharge
{
    bool isCharge = true;
    qint64 amount = 0;
    QString reason;
    EinvoiceTax tax;
};

struct EinvoiceTaxGroup
{
    EinvoiceTax tax;
    qint64 basis = 0;
    qint64 amount = 0;
    QString exemptionReason;
};

struct EinvoiceTotals
{
    qint64 lineTotal = 0;
    qint64 chargeTotal = 0;
    qint64 allowanceTotal = 0;
    qint64 taxBasis = 0;
    qint64 taxTotal = 0;
    qint64 grandTotal = 0;
    qint64 prepaid = 0;
    qint64 due = 0;
};

struct Einvoice
{
    QString number;
    QString typeCode;
    QDate issueDate;
    QString note;
    QString buyerReference;
    QString currency;
    EinvoiceParty seller;
    EinvoiceParty buyer;
    QString paymentMeans;
    QString iban;
    QString bic;
    QString paymentTerms;
    QDate dueDate;
    QList<EinvoiceLine> lines;
    QList<EinvoiceCharge> charges;
    QList<EinvoiceTaxGroup> taxGroups;
    EinvoiceTotals totals;
};
