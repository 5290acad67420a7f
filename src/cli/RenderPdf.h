#pragma once

#include <QString>

// `render --pdf FILE`: prints the written page file to PDF as the browser window prints it (the
// viewer's default paper and margins, every row, selectable text). False with a reason on failure.
bool writePagePdf(const QString& htmlFile, const QString& pdfFile, QString* error);
