#pragma once

#include "editor/EinvoiceDocumentFields.h"
#include "store/CompanyProfile.h"
#include "store/Letterhead.h"

#include <QDate>
#include <QList>
#include <QString>

// One line item, as its fields show it. Descriptions hold RTF (or plain text before first edit).
struct DocumentRow
{
    QString serial;
    QString productId;
    QString description;
    QString qty;
    QString price;
    QString discount = QStringLiteral("0.00");
    QString amount;
    bool qtyGrey = false;          // quantity box shown grey (zero quantity)
    bool discountEnabled = true;   // discount box enabled

    bool operator==(const DocumentRow&) const = default;
};

// The option boxes of the window that belong to the document.
struct DocumentOptions
{
    bool hideTax = false;          // chkTaxAmtX
    bool hidePaid = false;         // chkPaidX
    bool noDiscount = false;       // chkNoDisc
    bool goodsReceived = false;    // chkGoodsRcvd
    bool printBarcode = false;     // chkPrintBarcode
    bool hideMoney = false;        // chkHideMoney
    bool showBalanceOnly = false;  // chkShowBalance
    bool hideZeroRows = false;     // chkNoShowZero
    bool blankZeroRows = false;    // chkblank
    bool tableBorders = true;      // chkTableBorder
    bool externalBrowser = false;  // chkExternalBrowser

    bool operator==(const DocumentOptions&) const = default;
};

// The open document: every field of the main window as text, exactly as shown. The window reads and
// writes this; the commands (totals, save, open, page) work on it. Rows are 1..rowCount() on screen
// and 0..rowCount()-1 here.
struct Document
{
    QString docType = QStringLiteral("Invoice");
    QString docNumber;
    QDate docDate = QDate::currentDate();
    QString paymentTerm;
    QString salePerson;
    QString billToTerm = QStringLiteral("To:");
    QString billToName;
    QString billToAddress;
    QString shipToTerm;
    QString shipToName;
    QString shipToAddress;
    QList<DocumentRow> rows;
    QString chargesName = QStringLiteral("Delivery");
    QString chargesAmount;
    bool chargesTaxable = true;
    QString paid;
    QString notes;
    QString pageRows = QStringLiteral("22");
    DocumentOptions options;
    EinvoiceDocumentFields einvoice;
    CompanyProfile company;
    Letterhead letterhead;

    // Computed fields, written by the totals calculation.
    QString subtotal;
    QString taxLabel = QStringLiteral("Sale Tax :");
    QString taxAmount;
    QString total;
    QString balance;

    // The stored document last opened or saved ("" when none).
    QString currentDocNumber;

    int rowCount() const { return int(rows.size()); }
    bool operator==(const Document&) const = default;
};
