#include "core/HelpTexts.h"

namespace {

struct Entry
{
    const QString& key;
    const char* text;
};

// The texts are data for the translator: tr() runs when one is shown, not when the table is built.
const Entry Table[] = {
    {HelpTexts::CreateRows,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Type or pick the number of rows (1 to 65) and click 'Create Rows'.\r\n\r\n"
                       "Select 'New' to start a blank document, or 'Current' to keep what is on "
                       "screen with the new number of rows.  ")},
    {HelpTexts::MultiLine,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Select 'Show MultiLine' to show descriptions over several lines (maximum of 19 "
                       "rows).\r\n\r\nThe choice takes effect the next time you click 'Create Rows'.  ")},
    {HelpTexts::DocType,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Pick the kind of document (Invoice, Quotation, Receipt ...) or type your own. "
                       "It is printed as the title of the page.  ")},
    {HelpTexts::DocNumber,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Enter a document number of up to 30 characters. Use letters, digits and dashes "
                       "only, so that it can also be printed as a barcode.\r\n\r\n"
                       "Saving under a number that already exists replaces the stored document.  ")},
    {HelpTexts::AutoNumber,
     QT_TRANSLATE_NOOP("HelpTexts", "Click 'Auto No.' to propose a number made of today's date and the time "
                                    "(yyyymmddhhmm), for example 202612040253.\r\n\r\n"
                                    "You may change the proposed number before saving.  ")},
    {HelpTexts::BillTo,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Pick the heading of the customer box (To:, Bill To:, Customer: ...) and enter "
                       "the customer's name and address.\r\n\r\n"
                       "The heading you pick is remembered for the next start.  ")},
    {HelpTexts::ShipTo,
     QT_TRANSLATE_NOOP("HelpTexts", "Fill in the ship-to box only when the goods go to another address. "
                                    "It is printed only when it is not empty.  ")},
    {HelpTexts::Description,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Right-click a description to format the selected text: size, bold, italic, "
                       "font, colour, highlight, alignment, bullets and indents.\r\n\r\n"
                       "'Add An Image' in the same menu inserts a JPEG picture.  ")},
    {HelpTexts::RowMoves,
     QT_TRANSLATE_NOOP("HelpTexts", "Click the arrows beside a row to move its contents up or down.  ")},
    {HelpTexts::Calculate,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Click ' Calculate' to work out every line amount and the SubTotal, Tax, Total "
                       "and Balance.\r\n\r\nAmount = Qty x (Price - Disc % of Price).  The totals are "
                       "also worked out before saving and before generating the html document.  ")},
    {HelpTexts::Charges,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Enter a delivery, handling or shipping charge, or a negative value for a "
                       "discount, and pick or type its description.\r\n\r\n"
                       "A value needs a description before the html document can be generated.  ")},
    {HelpTexts::Taxable,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick 'Taxable' when the charges are taxed; untick it to add them after tax.  ")},
    {HelpTexts::HideTax,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick the box beside the tax line to leave the SubTotal and the Tax out of the "
                       "html document.  ")},
    {HelpTexts::HidePaid,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick the box beside the paid line to leave the Paid amount and the Balance out "
                       "of the html document.  ")},
    {HelpTexts::InsertPaid,
     QT_TRANSLATE_NOOP("HelpTexts", "Click 'Insert Paid' to add a payment block to the notes.  ")},
    {HelpTexts::NoDiscount,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick 'No Discount Column in Html' when this document gives no discounts: the "
                       "discount column is left out of the html document.  ")},
    {HelpTexts::ZeroRows,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Rows whose Qty is zero or empty can be left out of the html document ('Do not "
                       "show rows with zero Qty in htlml document') or printed with their description "
                       "only ('Blank html row if Qty is zero'), for example to show non-item "
                       "information.\r\n\r\nOnly one of the two can be ticked.  ")},
    {HelpTexts::GoodsReceived,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick \"Add 'Good(s) / Service(s) received'\" to end the page with a box in "
                       "which the customer confirms receipt.  ")},
    {HelpTexts::Barcode,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick 'Barcode of Doc No. at page end' to print the document number as a "
                       "Code 39 barcode.\r\n\r\nThe barcode font 'Free 3 of 9' must be installed on the "
                       "computer that shows or prints the page.  ")},
    {HelpTexts::HideMoney,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick 'Hide Money Value' to generate the document without prices, discounts, "
                       "amounts and totals, for example a delivery order.\r\n\r\n"
                       "'Show Balance Only' then adds just the balance due.  ")},
    {HelpTexts::PageRows,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "'Page Rows' is for fine-tuning the layout of the items table on a page.\r\n\r\n"
                       "It does NOT limit the number of items shown or of pages printed.  ")},
    {HelpTexts::TableBorders,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick 'Show Row Borders' to draw lines around the rows of the items table.  ")},
    {HelpTexts::ExternalBrowser,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick 'Open in External Browser' to show the generated page in your default "
                       "browser instead of the program's own Browser window.  ")},
    {HelpTexts::Notes,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Notes are printed below the totals. Right-click them to format the selected "
                       "text as in a description.  ")},
    {HelpTexts::Save,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Click 'Save' to store the document under its number in the database. The "
                       "totals are worked out first.\r\n\r\n"
                       "Saving again under the same number replaces the stored document.  ")},
    {HelpTexts::Generate,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Click 'Html' to build the printable page of this document and show it.\r\n\r\n"
                       "Print it, or save it as a PDF file, from the Browser window.  ")},
    {HelpTexts::SavedDocuments,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Pick a document in the list to open it. The options order the list by Date, "
                       "Doc (type), Cus (customer name) or Addr (address).  ")},
    {HelpTexts::DeleteDocument,
     QT_TRANSLATE_NOOP("HelpTexts", "Open a saved document first; the delete button then removes it from the "
                                    "database.  ")},
    {HelpTexts::DateFormat,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Tick this box to show dates in this program as day-month-year, for example "
                       "04-Dec-2026, whatever the regional settings of this computer.\r\n\r\n"
                       "Untick it to use this computer's own short date format again.  ")},
};

} // namespace

QStringList HelpTexts::keys()
{
    QStringList result;
    for (const Entry& entry : Table)
        result.append(entry.key);
    return result;
}

QString HelpTexts::text(const QString& key)
{
    for (const Entry& entry : Table) {
        if (entry.key == key)
            return tr(entry.text);
    }
    return QString();
}
