#include "richtext/widgets/DialogFormatChooser.h"

#include <QColorDialog>
#include <QFontDialog>

std::optional<QRgb> DialogFormatChooser::chooseColor()
{
    const QColor colour = QColorDialog::getColor(Qt::black, m_parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour.rgb();
}

std::optional<FontChoice> DialogFormatChooser::chooseFont()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, m_parent);
    if (!ok)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSizeF(), font.bold(), font.italic()};
}
