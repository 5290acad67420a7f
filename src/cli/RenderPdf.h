#pragma once

#include "viewer/PageViewerHandle.h"

#include <QString>

// `render --pdf FILE`: prints the written page file to PDF as the browser window prints it (the same
// paper and margins, one sheet when it fits, selectable text). False with a reason on failure.
bool writePagePdf(const QString& htmlFile, const QString& pdfFile, const PagePdfOptions& options, QString* error);
