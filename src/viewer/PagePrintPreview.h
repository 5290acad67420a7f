#pragma once

#include "viewer/PdfPages.h"

#include <QCoreApplication>
#include <QPageLayout>

class QPrinter;
class QPrintPreviewDialog;
class QWebEnginePage;
class QWidget;

// Print preview and printing of the shown page. The engine's own printing of a view clips the page
// when the paper has margins, so the page is printed to PDF with the printer's layout and the PDF's
// pages are drawn onto the preview or the printer.
class PagePrintPreview
{
    Q_DECLARE_TR_FUNCTIONS(PagePrintPreview)

public:
    PagePrintPreview(QWebEnginePage& page, QPrinter& printer);

    // The preview dialog, not yet shown; it repaints (and reprints the PDF) when the layout changes.
    QPrintPreviewDialog* createDialog(QWidget* parent);
    // Draws every page onto `printer`; false (with a reason) when the page could not be printed.
    bool paint(QPrinter* printer, QString* error);

    // Above this the pages only grow in memory, not visibly in quality.
    static constexpr int kMaxDotsPerInch = 300;

private:
    bool preparePages(const QPageLayout& layout, QString* error);

    QWebEnginePage& m_page;
    QPrinter& m_printer;
    PdfPages m_pages;
    QPageLayout m_pagesLayout;
    bool m_havePages = false;
};
