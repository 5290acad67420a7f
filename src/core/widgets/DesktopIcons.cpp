#include "core/widgets/DesktopIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace DesktopIcons {

namespace {

// The styles bring no printer of their own: a sheet coming out of a printer, outlined in the text colour.
QIcon drawnPrinter()
{
    QIcon icon;
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(QPen(ink, 1.0));
        painter.setBrush(QColor(0xf4, 0xf4, 0xf4));
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));      // paper waiting at the top
        painter.setBrush(QColor(0x88, 0x99, 0xaa));
        painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5); // the printer's body
        painter.setBrush(QColor(0xf4, 0xf4, 0xf4));
        painter.drawRect(QRectF(4.5, 10.5, 7, 4));     // the printed sheet
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QString themeName(Kind kind)
{
    switch (kind) {
    case Kind::Save:
        return QStringLiteral("document-save");
    case Kind::Print:
        return QStringLiteral("document-print");
    case Kind::Open:
        return QStringLiteral("document-open");
    case Kind::Delete:
        return QStringLiteral("edit-delete");
    case Kind::Help:
        return QStringLiteral("help-contents");
    case Kind::About:
        return QStringLiteral("help-about");
    }
    return QString();
}

QIcon icon(Kind kind)
{
    const QIcon themed = QIcon::fromTheme(themeName(kind));
    if (!themed.isNull())
        return themed;
    QStyle* style = QApplication::style();
    switch (kind) {
    case Kind::Save:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case Kind::Print:
        return drawnPrinter();
    case Kind::Open:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case Kind::Delete:
        return style->standardIcon(QStyle::SP_TrashIcon);
    case Kind::Help:
    case Kind::About:
        return style->standardIcon(QStyle::SP_DialogHelpButton);
    }
    return QIcon();
}

} // namespace DesktopIcons
