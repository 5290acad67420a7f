#pragma once

#include <QString>

// How `render --pdf` lays out the printout.
struct PagePdfOptions
{
    QString paper;     // "a4" or "letter" from --paper; empty for the remembered Page Setup
    QString pageSetup; // the remembered Page Setup; empty for the paper of the user's region
    QString author;    // the company issuing the document
};

// `render --pdf FILE`: prints the written page file to PDF as the browser window prints it (the same
// paper and margins, one sheet when it fits, selectable text). False with a reason on failure.
bool writePagePdf(const QString& htmlFile, const QString& pdfFile, const PagePdfOptions& options, QString* error);
