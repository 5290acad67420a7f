#include "viewer/PagePrintPreview.h"

#include "viewer/PagePdfPrinter.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEnginePage>

#include <algorithm>

PagePrintPreview::PagePrintPreview(QWebEnginePage& page, QPrinter& printer) : m_page(page), m_printer(printer) {}

QPrintPreviewDialog* PagePrintPreview::createDialog(QWidget* parent)
{
    auto* dialog = new QPrintPreviewDialog(&m_printer, parent);
    dialog->setObjectName(QStringLiteral("printPreview"));
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [this](QPrinter* printer) { paint(printer, nullptr); });
    return dialog;
}

bool PagePrintPreview::preparePages(const QPageLayout& layout, QString* error)
{
    if (m_havePages && m_pagesLayout.isEquivalentTo(layout))
        return true;
    m_havePages = false;
    const auto pdf = PagePdfPrinter(layout).printLoaded(m_page, error);
    if (!pdf)
        return false;
    if (!m_pages.load(*pdf)) {
        if (error)
            *error = tr("The printed page could not be read back.");
        return false;
    }
    m_pagesLayout = layout;
    m_havePages = true;
    return true;
}

bool PagePrintPreview::paint(QPrinter* printer, QString* error)
{
    if (!preparePages(printer->pageLayout(), error))
        return false;
    QPainter painter;
    if (!painter.begin(printer)) {
        if (error)
            *error = tr("The printer could not be started.");
        return false;
    }
    // The PDF pages carry the margins already: each one covers the whole sheet, whose origin lies
    // before the printable area the painter starts at.
    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer->pageRect(QPrinter::DevicePixel);
    const QRectF sheet = paper.translated(-printable.topLeft());
    const int dotsPerInch = std::min(printer->resolution(), kMaxDotsPerInch);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int page = 0; page < m_pages.pageCount(); ++page) {
        if (page > 0)
            printer->newPage();
        painter.drawImage(sheet, m_pages.render(page, dotsPerInch));
    }
    return painter.end();
}
