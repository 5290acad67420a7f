#include "editor/BlankFieldsCommand.h"

#include "core/PickLists.h"
#include "editor/Document.h"
#include "editor/OptionBoxes.h"

void BlankFieldsCommand::run(Document& doc, OptionBoxes& boxes, const QDate& today)
{
    doc.billToName.clear();
    doc.billToAddress.clear();
    doc.einvoice = EinvoiceDocumentFields();  // the buyer's fields belong to the document, like its customer
    doc.notes.clear();
    doc.docNumber.clear();
    doc.docDate = today;
    doc.paymentTerm.clear();
    doc.currentDocNumber.clear();
    doc.salePerson.clear();
    doc.subtotal.clear();
    doc.taxAmount.clear();
    doc.total.clear();
    doc.paid.clear();
    doc.balance.clear();
    doc.chargesAmount.clear();
    doc.chargesName = PickLists::chargeNames().value(0);
    if (!doc.chargesTaxable)
        boxes.setTaxable(true);
    doc.docType = PickLists::documentTypes().value(0);
    if (doc.options.noDiscount)
        boxes.setNoDiscount(false);
    doc.options.goodsReceived = false;
    doc.options.printBarcode = false;
    doc.shipToTerm.clear();
    doc.shipToName.clear();
    doc.shipToAddress.clear();
    doc.billToTerm = PickLists::billToTerms().value(0);
}
