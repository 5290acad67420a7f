#include "richtext/widgets/RichTextBox.h"

#include "richtext/BoxFormats.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QContextMenuEvent>
#include <QTextBlock>
#include <QTextList>

#include <algorithm>

RichTextBox::RichTextBox(QWidget* parent) : RichTextBox(BoxFormats::description(), parent) {}

RichTextBox::RichTextBox(const RichCharFormat& defaultFormat, QWidget* parent)
    : QTextEdit(parent), m_defaultFormat(defaultFormat)
{
    setAcceptRichText(false);  // pasted text takes the box's formatting, as typed text does
    QFont font(defaultFormat.fontName);
    font.setPointSizeF(defaultFormat.pointSize());
    font.setBold(defaultFormat.bold);
    document()->setDefaultFont(font);
    setRichText(RichText(defaultFormat));
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::showSelectionHighlight);
}

void RichTextBox::hideSelectionHighlight()
{
    // Without a brush the selection draws neither a background nor its own text colour: the text
    // and its highlight show as they are.
    QPalette bare;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        bare.setBrush(group, QPalette::Highlight, QBrush(Qt::NoBrush));
        bare.setBrush(group, QPalette::HighlightedText, QBrush(Qt::NoBrush));
    }
    setPalette(bare);
    m_highlightHidden = true;
}

void RichTextBox::showSelectionHighlight()
{
    if (!m_highlightHidden)
        return;
    m_highlightHidden = false;
    setPalette(QPalette());  // the desktop's selection colours again
}

QString RichTextBox::textRtf() const
{
    return RtfWriter::write(richText());
}

void RichTextBox::setTextRtf(const QString& rtf)
{
    setRichText(RtfReader::readContent(rtf, m_defaultFormat));
}

RichText RichTextBox::richText() const
{
    return RichTextDocument::read(*document(), m_defaultFormat);
}

void RichTextBox::setRichText(const RichText& text)
{
    // Loading is not an edit the user could undo.
    document()->setUndoRedoEnabled(false);
    RichTextDocument::fill(*document(), text);
    document()->setUndoRedoEnabled(true);
    QTextCursor cursor(document());
    setTextCursor(cursor);
    setCurrentCharFormat(cursor.charFormat());
}

void RichTextBox::setSelectionBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeCurrentCharFormat(format);
}

TriState RichTextBox::selectionUnderline() const
{
    return selectionFlag([](const QTextCharFormat& format) { return format.fontUnderline(); });
}

void RichTextBox::setSelectionUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeCurrentCharFormat(format);
}

TriState RichTextBox::selectionStrikeout() const
{
    return selectionFlag([](const QTextCharFormat& format) { return format.fontStrikeOut(); });
}

void RichTextBox::setSelectionStrikeout(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeCurrentCharFormat(format);
}

TriState RichTextBox::selectionBullet() const
{
    const QList<QTextBlock> blocks = selectedBlocks();
    const auto on = std::count_if(blocks.begin(), blocks.end(), [](const QTextBlock& block) { return block.textList(); });
    return on == 0 ? TriState::Off : on == blocks.size() ? TriState::On : TriState::Mixed;
}

void RichTextBox::setSelectionBullet(bool on)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (on) {
        cursor.createList(RichTextDocument::bulletList());
    } else {
        for (const QTextBlock& block : selectedBlocks()) {
            QTextBlockFormat format = block.blockFormat();
            format.setObjectIndex(-1);
            format.setIndent(0);
            QTextCursor(block).setBlockFormat(format);
        }
    }
    cursor.endEditBlock();
}

void RichTextBox::setSelectionAlignment(int alignment)
{
    setAlignment(RichTextDocument::alignment(alignment));
}

std::optional<int> RichTextBox::selectionIndent() const
{
    std::optional<int> indent;
    for (const QTextBlock& block : selectedBlocks()) {
        const int twips = RichTextDocument::fromQt(block).indent;
        if (indent && *indent != twips)
            return std::nullopt;
        indent = twips;
    }
    return indent;
}

void RichTextBox::setSelectionIndent(int twips)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    for (const QTextBlock& block : selectedBlocks()) {
        QTextBlockFormat format = block.blockFormat();
        RichTextDocument::setIndent(format, twips);
        QTextCursor(block).setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void RichTextBox::setSelectionFontSize(double points)
{
    QTextCharFormat format;
    format.setFontPointSize(qRound(points * 2) / 2.0);
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionFontName(const QString& name)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{name});
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionColor(QRgb colour)
{
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(colour));
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelectionBackground(std::optional<QRgb> colour)
{
    if (colour) {
        QTextCharFormat format;
        format.setBackground(QColor::fromRgb(*colour));
        mergeCurrentCharFormat(format);
        return;
    }
    // Merging cannot remove a property: rewrite each selected piece without its background.
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        QTextCharFormat format = currentCharFormat();
        format.clearBackground();
        setCurrentCharFormat(format);
        return;
    }
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    cursor.beginEditBlock();
    for (int position = start; position < end;) {
        QTextCursor piece(document());
        piece.setPosition(position);
        piece.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        const int pieceEnd = piece.position();
        QTextCharFormat format = piece.charFormat();
        format.clearBackground();
        piece.setCharFormat(format);
        position = std::max(pieceEnd, position + 1);
    }
    cursor.endEditBlock();
}

QString RichTextBox::selectedText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void RichTextBox::replaceSelection(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    textCursor().insertText(plain);
}

void RichTextBox::takeFocus()
{
    setFocus(Qt::OtherFocusReason);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    // Only the right mouse button opens the edit menu; the keyboard's menu key does nothing here.
    if (event->reason() == QContextMenuEvent::Mouse)
        emit editMenuRequested(event->globalPos());
    event->accept();
}

void RichTextBox::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusReceived();
}

void RichTextBox::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}

TriState RichTextBox::selectionFlag(const std::function<bool(const QTextCharFormat&)>& test) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return test(cursor.charFormat()) ? TriState::On : TriState::Off;
    bool anyOn = false, anyOff = false;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            (test(fragment.charFormat()) ? anyOn : anyOff) = true;
        }
    }
    return anyOn && anyOff ? TriState::Mixed : anyOn ? TriState::On : TriState::Off;
}

QList<QTextBlock> RichTextBox::selectedBlocks() const
{
    const QTextCursor cursor = textCursor();
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    QList<QTextBlock> blocks;
    for (QTextBlock block = document()->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        blocks.append(block);
        if (block == last)
            break;
    }
    return blocks;
}
