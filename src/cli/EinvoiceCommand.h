#pragma once

class CliContext;

// `einvoice DOC.json --xml FILE`: the document as an EN 16931 invoice in CII syntax; `--facturx FILE`:
// its printed page as a PDF/A-3 file with that XML inside.
int runEinvoiceCommand(CliContext& context);
