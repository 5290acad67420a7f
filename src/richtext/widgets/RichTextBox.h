#pragma once

#include "richtext/RichText.h"
#include "richtext/RichTextEditing.h"

#include <QTextEdit>

#include <functional>

class QTextBlock;
class QTextCharFormat;

// A rich-text box: a description of a line item or the notes. Its whole content reads and writes
// as RTF; the formatting commands work on its selection through RichTextEditing.
class RichTextBox : public QTextEdit, public RichTextEditing
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);
    RichTextBox(const RichCharFormat& defaultFormat, QWidget* parent = nullptr);

    QString textRtf() const;
    // RTF, or plain text shown in the box's default format.
    void setTextRtf(const QString& rtf);
    RichText richText() const;
    void setRichText(const RichText& text);

    void setSelectionBold(bool on) override;
    void setSelectionItalic(bool on) override;
    TriState selectionUnderline() const override;
    void setSelectionUnderline(bool on) override;
    TriState selectionStrikeout() const override;
    void setSelectionStrikeout(bool on) override;
    TriState selectionBullet() const override;
    void setSelectionBullet(bool on) override;
    void setSelectionAlignment(int alignment) override;
    std::optional<int> selectionIndent() const override;
    void setSelectionIndent(int twips) override;
    void setSelectionFontSize(double points) override;
    void setSelectionFontName(const QString& name) override;
    void setSelectionColor(QRgb colour) override;
    void setSelectionBackground(std::optional<QRgb> colour) override;
    QString selectedText() const override;
    void replaceSelection(const QString& text) override;
    void takeFocus() override;
    // Draws the selection without its highlight, so that its formatting shows, until the selection
    // changes; the selection itself stays.
    void hideSelectionHighlight();
    bool selectionHighlightHidden() const { return m_highlightHidden; }

signals:
    // A right-button click: the edit menu opens at `globalPos`.
    void editMenuRequested(const QPoint& globalPos);
    void focusReceived();
    // Not sent when a pop-up menu takes the focus for a moment.
    void focusLost();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TriState selectionFlag(const std::function<bool(const QTextCharFormat&)>& test) const;
    // The paragraphs the selection touches, or the one holding the insertion point.
    QList<QTextBlock> selectedBlocks() const;

    void showSelectionHighlight();

    RichCharFormat m_defaultFormat;
    bool m_highlightHidden = false;
};
