#pragma once

#include <QByteArray>
#include <QImage>
#include <QPdfDocument>
#include <QSizeF>
#include <QString>
#include <QTemporaryFile>

// The pages of a PDF held in memory, for drawing them onto a printer or a preview and for reading
// their text back.
class PdfPages
{
public:
    // False when the bytes are not a readable PDF.
    bool load(const QByteArray& pdf);

    int pageCount() const;
    // Size in points (1/72 inch).
    QSizeF pageSize(int page) const;
    QString text(int page);
    QRectF textBounds(int page);
    QImage render(int page, int dotsPerInch);
    // No text and nothing drawn: a sheet the printer would feed through empty.
    bool isBlank(int page);

private:
    // The reader works best from a file: it loads at once and reports errors.
    QTemporaryFile m_file;
    QPdfDocument m_document;
};
