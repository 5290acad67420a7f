#pragma once

#include "richtext/RichText.h"

#include <QTextCharFormat>
#include <QTextFormat>
#include <QTextListFormat>

class QTextBlock;
class QTextDocument;

// Puts a RichText into a QTextDocument and reads it back unchanged. Indents are kept in twips in
// the block format, so that the pixel margins the editor shows never round them.
class RichTextDocument
{
public:
    static void fill(QTextDocument& document, const RichText& text);
    // Properties missing from a format are those of `fallback`, the box's default format.
    static RichText read(const QTextDocument& document, const RichCharFormat& fallback);

    static QTextCharFormat toQt(const RichCharFormat& format);
    static RichCharFormat fromQt(const QTextCharFormat& format, const RichCharFormat& fallback);
    static QTextBlockFormat toQt(const RichParagraphFormat& format);
    static RichParagraphFormat fromQt(const QTextBlock& block);
    // The one list format of a bulleted paragraph, for the document and the box alike.
    static QTextListFormat bulletList();
    // A RichParagraphFormat alignment as the editor's.
    static Qt::Alignment alignment(int alignment);
    // Where the first line starts, in twips; the paragraph's hanging indent stays.
    static void setIndent(QTextBlockFormat& format, int twips);

private:
    enum Property { IndentTwips = QTextFormat::UserProperty + 1, HangingTwips };

    // Twips to the editor's pixels at 96 dots per inch.
    static double pixels(int twips) { return twips / 15.0; }
};
