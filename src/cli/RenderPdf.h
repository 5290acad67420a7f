#pragma once

#include "viewer/PageViewerHandle.h"

#include <QString>

// `render --pdf FILE`: prints the written page file to PDF as the browser window prints it (the same
// paper and margins, one sheet when it fits, selectable text). False with a reason on failure.
bool writePagePdf(const QString& htmlFile, const QString& pdfFile, const PagePdfOptions& options, QString* error);

// The page text printed to PDF through a page file of its own, byte for byte what `render -o`
// writes, so the printout reads exactly what the window would show.
bool printPagePdf(const QString& page, const QString& pdfFile, const PagePdfOptions& options, QString* error);
