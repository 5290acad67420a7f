#include "viewer/PdfPages.h"

#include <QPdfSelection>

#include <cmath>

bool PdfPages::load(const QByteArray& pdf)
{
    m_document.close();
    m_file.close();
    if (!m_file.open() || !m_file.resize(0) || m_file.write(pdf) != pdf.size() || !m_file.flush())
        return false;
    return m_document.load(m_file.fileName()) == QPdfDocument::Error::None && m_document.pageCount() > 0;
}

int PdfPages::pageCount() const
{
    return m_document.pageCount();
}

QSizeF PdfPages::pageSize(int page) const
{
    return m_document.pagePointSize(page);
}

QString PdfPages::text(int page)
{
    return m_document.getAllText(page).text();
}

QRectF PdfPages::textBounds(int page)
{
    return m_document.getAllText(page).boundingRectangle();
}

QImage PdfPages::render(int page, int dotsPerInch)
{
    const QSizeF points = pageSize(page);
    const QSize pixels(int(std::lround(points.width() * dotsPerInch / 72.0)),
                       int(std::lround(points.height() * dotsPerInch / 72.0)));
    return m_document.render(page, pixels);
}
