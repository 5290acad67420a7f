#include "richtext/RichTextDocument.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

std::optional<QRgb> brushColour(const QTextCharFormat& format, QTextFormat::Property property)
{
    if (!format.hasProperty(property))
        return std::nullopt;
    const QBrush brush = format.brushProperty(property);
    if (brush.style() == Qt::NoBrush)
        return std::nullopt;
    return brush.color().rgb();
}

} // namespace

void RichTextDocument::fill(QTextDocument& document, const RichText& text)
{
    document.clear();
    QTextCursor cursor(&document);
    QTextList* list = nullptr;
    bool first = true;
    for (const RichParagraph& paragraph : text.paragraphs()) {
        if (first) {
            cursor.setBlockFormat(toQt(paragraph.format));
            cursor.setBlockCharFormat(toQt(paragraph.mark));
            first = false;
        } else {
            cursor.insertBlock(toQt(paragraph.format), toQt(paragraph.mark));
        }
        if (paragraph.format.bullet) {
            if (list)
                list->add(cursor.block());
            else
                list = cursor.createList(RichTextDocument::bulletList());
        } else {
            list = nullptr;
        }
        for (const RichRun& run : paragraph.runs)
            cursor.insertText(run.text, toQt(run.format));
    }
}

RichText RichTextDocument::read(const QTextDocument& document, const RichCharFormat& fallback)
{
    RichText text(fallback);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.endParagraph(text.paragraphs().last().mark);
        text.setParagraphFormat(fromQt(block));
        text.setLastMark(fromQt(block.charFormat(), fallback));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                text.appendText(fragment.text(), fromQt(fragment.charFormat(), fallback));
        }
    }
    return text;
}

QTextCharFormat RichTextDocument::toQt(const RichCharFormat& format)
{
    QTextCharFormat qt;
    qt.setFontFamilies(QStringList{format.fontName});
    qt.setFontPointSize(format.pointSize());
    qt.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.italic);
    qt.setFontUnderline(format.underline);
    qt.setFontStrikeOut(format.strike);
    if (format.color)
        qt.setForeground(QColor::fromRgb(*format.color));
    else
        qt.clearForeground();
    if (format.background)
        qt.setBackground(QColor::fromRgb(*format.background));
    else
        qt.clearBackground();
    return qt;
}

RichCharFormat RichTextDocument::fromQt(const QTextCharFormat& qt, const RichCharFormat& fallback)
{
    RichCharFormat format = fallback;
    if (qt.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = qt.fontFamilies().toStringList();
        if (!families.isEmpty())
            format.fontName = families.first();
    }
    if (qt.hasProperty(QTextFormat::FontPointSize) && qt.fontPointSize() > 0)
        format.halfPoints = qRound(qt.fontPointSize() * 2);
    if (qt.hasProperty(QTextFormat::FontWeight))
        format.bold = qt.fontWeight() >= QFont::DemiBold;
    if (qt.hasProperty(QTextFormat::FontItalic))
        format.italic = qt.fontItalic();
    if (qt.hasProperty(QTextFormat::TextUnderlineStyle) || qt.hasProperty(QTextFormat::FontUnderline))
        format.underline = qt.fontUnderline();
    if (qt.hasProperty(QTextFormat::FontStrikeOut))
        format.strike = qt.fontStrikeOut();
    format.color = brushColour(qt, QTextFormat::ForegroundBrush);
    format.background = brushColour(qt, QTextFormat::BackgroundBrush);
    return format;
}

QTextBlockFormat RichTextDocument::toQt(const RichParagraphFormat& format)
{
    QTextBlockFormat qt;
    qt.setAlignment(alignment(format.alignment));
    qt.setProperty(HangingTwips, format.hanging);
    qt.setTextIndent(-pixels(format.hanging));
    setIndent(qt, format.indent);
    return qt;
}

Qt::Alignment RichTextDocument::alignment(int alignment)
{
    return alignment == RichParagraphFormat::Right    ? Qt::AlignRight
           : alignment == RichParagraphFormat::Center ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
}

void RichTextDocument::setIndent(QTextBlockFormat& format, int twips)
{
    format.setProperty(IndentTwips, twips);
    format.setLeftMargin(pixels(twips + format.intProperty(HangingTwips)));
}

RichParagraphFormat RichTextDocument::fromQt(const QTextBlock& block)
{
    const QTextBlockFormat qt = block.blockFormat();
    RichParagraphFormat format;
    const Qt::Alignment horizontal = qt.alignment() & Qt::AlignHorizontal_Mask;
    format.alignment = horizontal & Qt::AlignRight     ? RichParagraphFormat::Right
                       : horizontal & Qt::AlignHCenter ? RichParagraphFormat::Center
                                                       : RichParagraphFormat::Left;
    format.indent = qt.hasProperty(IndentTwips) ? qt.intProperty(IndentTwips) : qRound(qt.leftMargin() * 15);
    format.hanging = qt.intProperty(HangingTwips);
    format.bullet = block.textList() != nullptr;
    return format;
}

QTextListFormat RichTextDocument::bulletList()
{
    QTextListFormat format;
    format.setStyle(QTextListFormat::ListDisc);
    format.setIndent(1);
    return format;
}
