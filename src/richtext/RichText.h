#pragma once

#include <QList>
#include <QRgb>
#include <QString>

#include <optional>

// Character formatting of a run of text. Colours are plain RGB; "no value" means the automatic
// text colour or no highlight, which is what the box reports as 000000.
struct RichCharFormat
{
    QString fontName;
    int halfPoints = 24;  // font size in half points, as RTF counts it
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<QRgb> color;
    std::optional<QRgb> background;

    double pointSize() const { return halfPoints / 2.0; }
    bool operator==(const RichCharFormat&) const = default;
};

// Paragraph formatting. `indent` is where the first line starts, in twips (what the indent
// commands change); `hanging` pulls the following lines back in, for bullets written by others.
struct RichParagraphFormat
{
    enum Alignment { Left = 0, Right = 1, Center = 2 };
    int alignment = Left;
    int indent = 0;
    int hanging = 0;
    bool bullet = false;

    bool operator==(const RichParagraphFormat&) const = default;
};

struct RichRun
{
    QString text;  // may hold tabs and U+2028 line separators, never paragraph breaks
    RichCharFormat format;

    bool operator==(const RichRun&) const = default;
};

// One paragraph. `mark` is the format of its paragraph mark (the CR LF that ends it): what an empty
// paragraph shows and types. Appending text moves it along to the text's format.
struct RichParagraph
{
    RichParagraphFormat format;
    QList<RichRun> runs;
    RichCharFormat mark;

    bool isEmpty() const { return runs.isEmpty(); }
    bool operator==(const RichParagraph&) const = default;
};

// The whole content of a rich-text box: at least one paragraph, runs merged and never empty.
class RichText
{
public:
    explicit RichText(const RichCharFormat& defaultFormat = {});

    static RichText fromPlainText(const QString& text, const RichCharFormat& format);

    const QList<RichParagraph>& paragraphs() const { return m_paragraphs; }
    // Text of the box with CR LF between paragraphs.
    QString plainText() const;
    bool operator==(const RichText&) const = default;

    // Building, as a reader goes: text in a format, then the end of the paragraph.
    void appendText(const QString& text, const RichCharFormat& format);
    void setParagraphFormat(const RichParagraphFormat& format);
    void endParagraph(const RichCharFormat& mark);
    // Drops an empty last paragraph: the one a final paragraph break opens.
    void dropTrailingEmptyParagraph();
    void setLastMark(const RichCharFormat& mark);

private:
    void squeezeLast();

    QList<RichParagraph> m_paragraphs;
};
