#pragma once

#include <QList>
#include <QRgb>
#include <QString>

#include <optional>

struct FontChoice
{
    QString name;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// The colour and font dialogs of the formatting commands. No value means the user cancelled.
class FormatChooser
{
public:
    virtual ~FormatChooser() = default;
    virtual std::optional<QRgb> chooseColor() = 0;
    virtual std::optional<FontChoice> chooseFont() = 0;
};

// Test double: answers from queues; an empty queue cancels.
class ScriptedFormatChooser : public FormatChooser
{
public:
    void setNextColor(std::optional<QRgb> colour) { m_colors.append(colour); }
    void setNextFont(std::optional<FontChoice> font) { m_fonts.append(font); }
    int shownCount() const { return m_shown; }

    std::optional<QRgb> chooseColor() override
    {
        ++m_shown;
        return m_colors.isEmpty() ? std::nullopt : m_colors.takeFirst();
    }
    std::optional<FontChoice> chooseFont() override
    {
        ++m_shown;
        return m_fonts.isEmpty() ? std::nullopt : m_fonts.takeFirst();
    }

private:
    QList<std::optional<QRgb>> m_colors;
    QList<std::optional<FontChoice>> m_fonts;
    int m_shown = 0;
};
