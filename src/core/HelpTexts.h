#pragma once

#include <QCoreApplication>
#include <QStringList>

// The explanations behind the "?" buttons beside the editor's fields and commands. Each button is
// named after its key (the control name ending in "help") and shows the text in an information box.
class HelpTexts
{
    Q_DECLARE_TR_FUNCTIONS(HelpTexts)

public:
    static inline const QString CreateRows = QStringLiteral("cmdcreatehelp");
    static inline const QString MultiLine = QStringLiteral("cmdMultiLinehelp");
    static inline const QString DocNumber = QStringLiteral("cmdDocNumberhelp");
    static inline const QString AutoNumber = QStringLiteral("cmdautohelp");
    static inline const QString DocType = QStringLiteral("cmdDocTypehelp");
    static inline const QString BillTo = QStringLiteral("cmdBillTohelp");
    static inline const QString ShipTo = QStringLiteral("cmdShipTohelp");
    static inline const QString Description = QStringLiteral("cmddescriptionhelp");
    static inline const QString RowMoves = QStringLiteral("cmdrowmovehelp");
    static inline const QString Calculate = QStringLiteral("cmdcalculatehelp");
    static inline const QString Charges = QStringLiteral("cmddeliveryhelp");
    static inline const QString Taxable = QStringLiteral("cmdtaxablehelp");
    static inline const QString HideTax = QStringLiteral("cmdTaxAmtXhelp");
    static inline const QString HidePaid = QStringLiteral("cmdPaidXhelp");
    static inline const QString InsertPaid = QStringLiteral("cmdInsertPaidhelp");
    static inline const QString NoDiscount = QStringLiteral("cmdNoDischelp");
    static inline const QString ZeroRows = QStringLiteral("cmdzerorowshelp");
    static inline const QString GoodsReceived = QStringLiteral("cmdGoodsRcvdhelp");
    static inline const QString Barcode = QStringLiteral("cmdPrintBarcodehelp");
    static inline const QString HideMoney = QStringLiteral("cmdHideMoneyhelp");
    static inline const QString PageRows = QStringLiteral("cmdPageRowshelp");
    static inline const QString TableBorders = QStringLiteral("cmdTableBorderhelp");
    static inline const QString ExternalBrowser = QStringLiteral("cmdExternalBrowserhelp");
    static inline const QString Notes = QStringLiteral("cmdnoteshelp");
    static inline const QString Save = QStringLiteral("cmdsavehelp");
    static inline const QString Generate = QStringLiteral("cmdHtmlhelp");
    static inline const QString SavedDocuments = QStringLiteral("cmdgetDOChelp");
    static inline const QString DeleteDocument = QStringLiteral("cmddeletePOhelp");
    static inline const QString DateFormat = QStringLiteral("cmdDateFormathelp");

    // Every key, in the order of the window from top to bottom.
    static QStringList keys();
    // The translated explanation, CR LF between paragraphs; "" for an unknown key.
    static QString text(const QString& key);
};
