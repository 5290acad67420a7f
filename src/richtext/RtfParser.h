#pragma once

#include "richtext/RichText.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

// The tokenizer and group state machine behind RtfReader. Iterative, with bounded nesting and
// clamped numbers, so hostile input costs time linear in its length and nothing more.
class RtfParser
{
public:
    RtfParser(const QString& rtf, const RichCharFormat& fallback);
    // RTF as bytes whose 8-bit ones are Windows-1252: read as they are, never widened as a whole.
    RtfParser(const QByteArray& rtf1252, const RichCharFormat& fallback);
    RichText parse();

private:
    enum class Destination { Text, FontTable, ColorTable, ListText, ListProperties, Skip };
    // Where a paragraph's bullet comes from: the old list properties say so outright, the newer
    // list override only names a list, which may be numbered.
    enum class Bullet { None, Properties, ListOverride };

    struct State
    {
        Destination destination = Destination::Text;
        int font = -1;
        int halfPoints = 24;
        bool bold = false, italic = false, underline = false, strike = false;
        int color = 0, background = 0;
        int alignment = 0, leftIndent = 0, firstIndent = 0;
        Bullet bullet = Bullet::None;
        int skipAfterUnicode = 1;
    };
    struct Font
    {
        QString name;
        int charset = -1;  // none given
        int codePage = 0;  // none given
    };

    void openGroup();
    void closeGroup();
    void controlWord(const QString& word, bool hasNumber, int number);
    bool destinationWord(const QString& word);
    bool characterWord(const QString& word, bool hasNumber, int number);
    bool paragraphWord(const QString& word, bool hasNumber, int number);
    bool tableWord(const QString& word);
    void listPropertiesWord(const QString& word);
    bool documentWord(const QString& word, bool hasNumber, int number);
    void controlSymbol(QChar symbol);
    void hexByte();
    void literal(QChar c);
    void output(const QString& text);
    void commitFont();
    void flushBytes();
    void flushText();
    void endParagraph();
    void commitListText();
    void finishDocument();
    void resetCharacterFormat();
    bool consumeSkipped();
    void skipBinary(int count);
    int codePage() const;
    RichCharFormat charFormat() const;
    RichParagraphFormat paragraphFormat() const;
    State& state() { return m_stack.back(); }
    const State& state() const { return m_stack.back(); }

    // The text read: characters, or Windows-1252 bytes taken one at a time.
    struct Input
    {
        QString text;
        QByteArray bytes;
        bool fromBytes = false;

        qsizetype size() const { return fromBytes ? bytes.size() : text.size(); }
        QChar at(qsizetype i) const;
    };

    const Input m_input;
    qsizetype m_pos = 0;
    RichCharFormat m_fallback;
    RichText m_text;
    std::vector<State> m_stack;
    int m_overflowDepth = 0;     // groups opened beyond the nesting limit
    bool m_ended = false;        // the document's own group has closed; what follows is not read
    bool m_ignorableNext = false;  // after \*: an unknown destination is skipped
    int m_pendingSkip = 0;       // characters still to drop after \uN
    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, Font> m_fonts;
    Font m_fontEntry;
    int m_fontNumber = 0;
    std::vector<std::optional<QRgb>> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;
    QByteArray m_bytes;  // \'hh bytes not yet decoded (multi-byte code pages need them together)
    QString m_pending;   // text not yet added in the current format
    QString m_listText;  // a list item's number ("1.", "a)"), held until the paragraph says it is no bullet
    RichCharFormat m_listTextFormat;
    std::size_t m_listOwner = 0;      // stack index of the paragraph that list properties describe
    bool m_paragraphNumbered = false;  // the list override's item number showed it is not a bullet
};
