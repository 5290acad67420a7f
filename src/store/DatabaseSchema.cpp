#include "store/DatabaseSchema.h"

namespace DatabaseSchema {

QStringList createStatements()
{
    // Text compares without regard to case, as the original file format did: "INV-1" and "inv-1"
    // are one document for =, DISTINCT and ORDER BY alike.
    return {
        QStringLiteral(
            "CREATE TABLE tbldoc ("
            "ID INTEGER PRIMARY KEY AUTOINCREMENT, "
            "CompanyName TEXT COLLATE NOCASE, Address TEXT COLLATE NOCASE, Docnumber TEXT COLLATE NOCASE, "
            "DocDate DATE, PaymentTerm TEXT COLLATE NOCASE, Serial INTEGER, ProductID TEXT COLLATE NOCASE, "
            "Description TEXT COLLATE NOCASE, Qty INTEGER, Price NUMERIC, Discount NUMERIC, Amount NUMERIC, "
            "SaveDate DATE, Notes TEXT COLLATE NOCASE, Paid NUMERIC, Total NUMERIC, "
            "HideTax TEXT COLLATE NOCASE, SalePerson TEXT COLLATE NOCASE, HidePaid TEXT COLLATE NOCASE, "
            "NoDisc TEXT COLLATE NOCASE, GoodsRcvd TEXT COLLATE NOCASE, DocType TEXT COLLATE NOCASE, "
            "Delivery NUMERIC, DeliveryName TEXT COLLATE NOCASE, DeliveryTaxable TEXT COLLATE NOCASE, "
            "PrintBarcode TEXT COLLATE NOCASE, ShipTo TEXT COLLATE NOCASE, ShipToCus TEXT COLLATE NOCASE, "
            "ShipToAddress TEXT COLLATE NOCASE, BillTo TEXT COLLATE NOCASE)"),
        QStringLiteral("CREATE INDEX tbldoc_docnumber ON tbldoc (Docnumber)"),
        QStringLiteral("CREATE INDEX tbldoc_docdate ON tbldoc (DocDate)"),
        QStringLiteral(
            "CREATE TABLE tblcompany ("
            "ID INTEGER PRIMARY KEY AUTOINCREMENT, "
            "CompanyName TEXT COLLATE NOCASE, CompanyAddress TEXT COLLATE NOCASE, "
            "CurrencySymbol TEXT COLLATE NOCASE, TaxName TEXT COLLATE NOCASE, TaxPercent NUMERIC, "
            "\"Default\" TEXT COLLATE NOCASE)"),
    };
}

QStringList listIndexStatements()
{
    // The saved-document list reads the distinct keys of each of its four orders from an index
    // instead of sorting every stored row: the date and the customer name have theirs already
    // (tbldoc_docdate, tbldoc_customer). Each number's first row in the date order, the order the
    // program starts with, comes from (Docnumber, DocDate); the other orders find it among the
    // number's few rows. More indexes would make the file half as large again for little gain.
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS tbldoc_by_type ON tbldoc (DocType)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS tbldoc_by_address ON tbldoc (Address)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS tbldoc_number_date ON tbldoc (Docnumber, DocDate)")};
}

QString defaultCompanyRow()
{
    return QStringLiteral("INSERT INTO tblcompany (CompanyName, CompanyAddress, CurrencySymbol, TaxName, "
                          "TaxPercent, \"Default\") VALUES ('Your Company Name', 'Address' || char(13, 10) || "
                          "'Tel' || char(13, 10), '$', 'Tax', 0, 'Yes')");
}

QString widenDescriptionStatement()
{
    return QStringLiteral("ALTER TABLE tbldoc ALTER COLUMN Description MEMO NULL");
}

} // namespace DatabaseSchema
