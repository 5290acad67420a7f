#include "store/widgets/LayoutPreview.h"

#include <QPainter>
#include <QPainterPath>

LayoutPreview::LayoutPreview(int layout, QWidget* parent) : QWidget(parent), m_layout(layout)
{
    setObjectName(QStringLiteral("picLayout%1").arg(layout + 1));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LayoutPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(Qt::white);
    painter.drawRect(page);

    const qreal w = page.width();
    const qreal mid = page.center().x();
    switch (m_layout) {
    case 0: // logo centred on top, name and address centred below
        drawLogo(painter, QRectF(mid - 14, 6, 28, 22));
        drawName(painter, QRectF(mid - 38, 33, 76, 8));
        drawAddress(painter, QRectF(mid - 30, 46, 60, 4), 3);
        break;
    case 1: // logo on the left, name and address beside it
        drawLogo(painter, QRectF(w * 0.42 - 32, 10, 28, 24));
        drawName(painter, QRectF(w * 0.42 + 2, 12, 62, 8));
        drawAddress(painter, QRectF(w * 0.42 + 2, 25, 46, 4), 3);
        break;
    default: // logo and name side by side, address centred below
        drawLogo(painter, QRectF(w * 0.45 - 32, 6, 28, 24));
        drawName(painter, QRectF(w * 0.45 + 2, 14, 62, 8));
        drawAddress(painter, QRectF(mid - 30, 38, 60, 4), 3);
        break;
    }
}

void LayoutPreview::drawLogo(QPainter& painter, const QRectF& box) const
{
    painter.setPen(QPen(QColor(40, 90, 170), 1));
    painter.setBrush(QColor(200, 220, 250));
    painter.drawRoundedRect(box, 3, 3);
    // A simple mark inside, so the box reads as a picture.
    QPainterPath mark;
    mark.moveTo(box.left() + 4, box.bottom() - 4);
    mark.lineTo(box.center().x() - 2, box.top() + box.height() * 0.4);
    mark.lineTo(box.center().x() + 3, box.bottom() - 8);
    mark.lineTo(box.right() - 4, box.top() + 5);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
}

void LayoutPreview::drawName(QPainter& painter, const QRectF& line) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawRoundedRect(line, 2, 2);
}

void LayoutPreview::drawAddress(QPainter& painter, const QRectF& line, int lines) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 140, 140));
    for (int i = 0; i < lines; ++i)
        painter.drawRect(line.translated(0, i * (line.height() + 3)));
}
