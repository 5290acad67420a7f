#pragma once

#include "richtext/FormatChooser.h"

class QWidget;

// The platform's colour and font dialogs.
class DialogFormatChooser : public FormatChooser
{
public:
    explicit DialogFormatChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    std::optional<QRgb> chooseColor() override;
    std::optional<FontChoice> chooseFont() override;

private:
    QWidget* m_parent;
};
