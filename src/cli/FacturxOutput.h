#pragma once

#include <QByteArray>

class CliContext;
struct Document;

// `einvoice --facturx`: the document's page printed as `render --pdf` prints it, made into a PDF/A-3
// file that carries the invoice's XML. Returns an exit code; on success `pdf` holds the file.
int printFacturx(CliContext& context, Document document, const QByteArray& xml, QByteArray& pdf);
