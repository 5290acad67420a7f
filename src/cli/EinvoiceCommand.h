#pragma once

class CliContext;

// `einvoice DOC.json --xml FILE`: the document as an EN 16931 invoice in CII syntax.
int runEinvoiceCommand(CliContext& context);
