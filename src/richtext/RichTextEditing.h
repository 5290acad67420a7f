#pragma once

#include <QRgb>
#include <QString>

#include <optional>

enum class TriState { Off, On, Mixed };

// What the formatting commands need of a rich-text box. Every operation acts on the selection, or
// on the insertion point when nothing is selected; getters report Mixed for a non-uniform selection.
class RichTextEditing
{
public:
    virtual ~RichTextEditing() = default;

    virtual void setSelectionBold(bool on) = 0;
    virtual void setSelectionItalic(bool on) = 0;
    virtual TriState selectionUnderline() const = 0;
    virtual void setSelectionUnderline(bool on) = 0;
    virtual TriState selectionStrikeout() const = 0;
    virtual void setSelectionStrikeout(bool on) = 0;
    virtual TriState selectionBullet() const = 0;
    virtual void setSelectionBullet(bool on) = 0;
    virtual void setSelectionAlignment(int alignment) = 0;  // 0 left, 1 right, 2 centre
    // Left indent of the selected paragraphs in twips; nothing when they differ.
    virtual std::optional<int> selectionIndent() const = 0;
    virtual void setSelectionIndent(int twips) = 0;
    virtual void setSelectionFontSize(double points) = 0;
    virtual void setSelectionFontName(const QString& name) = 0;
    virtual void setSelectionColor(QRgb colour) = 0;
    // No value resets the background to automatic (no highlight).
    virtual void setSelectionBackground(std::optional<QRgb> colour) = 0;

    // Selected text with CR LF paragraph breaks.
    virtual QString selectedText() const = 0;
    // Replaces the selection (or inserts at the insertion point); CR LF starts a new paragraph.
    virtual void replaceSelection(const QString& text) = 0;
    virtual void takeFocus() = 0;
};
