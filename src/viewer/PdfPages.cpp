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

bool PdfPages::isBlank(int page)
{
    if (!text(page).trimmed().isEmpty())
        return false;
    const QImage image = render(page, 36).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 16 && qGray(line[x]) < 240)
                return false;
        }
    }
    return true;
}
