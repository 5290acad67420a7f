#include "html/RichTextToHtml.h"

#include "html/StreamReplace.h"

#include "richtext/BoxFormats.h"
#include "richtext/RtfReader.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

// What the box reports for an empty selection at one caret index.
struct IndexFormat
{
    const RichCharFormat* character;
    const RichParagraphFormat* paragraph;
};

// The walked text S (the box's text and two spaces), one character at a time with the format the
// box reports at its caret index, read straight from the runs: nothing is kept per character.
class Walk
{
public:
    struct Item
    {
        QChar c;
        IndexFormat format;
    };

    explicit Walk(const RichText& rich) : m_paragraphs(rich.paragraphs())
    {
        const RichParagraph& first = m_paragraphs.first();
        m_last = IndexFormat{&first.mark, &first.format};
    }

    // The character `ahead` places after the current one (0 or 1), or null beyond the end of S.
    const Item* peek(int ahead)
    {
        while (m_count <= ahead) {
            if (!produce())
                return nullptr;
        }
        return &m_items[(m_head + ahead) % m_items.size()];
    }

    void advance(int count)
    {
        m_head = (m_head + count) % m_items.size();
        m_count -= count;
    }

private:
    void push(QChar c, IndexFormat format)
    {
        m_items[(m_head + m_count) % m_items.size()] = Item{c, format};
        ++m_count;
        m_last = format;
    }

    // Appends the next one or two characters of S (a line or paragraph break is CR LF).
    bool produce()
    {
        while (m_paragraph < m_paragraphs.size()) {
            const RichParagraph& paragraph = m_paragraphs.at(m_paragraph);
            if (m_run < paragraph.runs.size()) {
                const RichRun& run = paragraph.runs.at(m_run);
                if (m_char >= run.text.size()) {
                    ++m_run;
                    m_char = 0;
                    continue;
                }
                const QChar c = run.text.at(m_char++);
                const IndexFormat format{&run.format, &paragraph.format};
                if (c == QChar::LineSeparator) {
                    push(QLatin1Char('\r'), format);
                    push(QLatin1Char('\n'), format);
                } else {
                    push(c, format);
                }
                return true;
            }
            const bool more = ++m_paragraph < m_paragraphs.size();
            m_run = 0;
            m_char = 0;
            if (more) {
                const IndexFormat mark{&paragraph.mark, &paragraph.format};
                push(QLatin1Char('\r'), mark);
                push(QLatin1Char('\n'), mark);
                return true;
            }
        }
        if (m_spacesDone)
            return false;
        m_spacesDone = true;
        const IndexFormat last = m_last;
        push(QLatin1Char(' '), last);
        push(QLatin1Char(' '), last);
        return true;
    }

    const QList<RichParagraph>& m_paragraphs;
    qsizetype m_paragraph = 0, m_run = 0, m_char = 0;
    bool m_spacesDone = false;
    IndexFormat m_last;
    std::array<Item, 4> m_items{};
    std::size_t m_head = 0;
    int m_count = 0;
};

QString colourText(const std::optional<QRgb>& colour)
{
    const QRgb value = colour.value_or(qRgb(0, 0, 0));
    QString text;
    for (const int part : {qRed(value), qGreen(value), qBlue(value)})
        text += QString::number(part, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    return text;
}

const char* alignmentText(int alignment)
{
    switch (alignment) {
    case RichParagraphFormat::Right: return "right";
    case RichParagraphFormat::Center: return "center";
    default: return "left";
    }
}

// The fixed replacements the box's HTML gets once written, in their order, each on the output of
// the one before.
class Replacements
{
public:
    explicit Replacements(const StreamReplace::Sink& out)
        : m_listEnd(QLatin1String("<BR></UL>"), QLatin1String("</UL>"), Qt::CaseInsensitive, out),
          m_quoteEnd(QLatin1String("<BR></blockquote>"), QLatin1String("</blockquote>"), Qt::CaseInsensitive,
                   [this](QStringView piece) { m_listEnd.write(piece); }),
          m_listJoin(QLatin1String("</ul><UL><LI>"), QLatin1String("<LI>"), Qt::CaseInsensitive,
                   [this](QStringView piece) { m_quoteEnd.write(piece); }),
          m_paragraphEnd(QLatin1String("<BR></P>"), QLatin1String("</P>"), Qt::CaseSensitive,
                         [this](QStringView piece) { m_listJoin.write(piece); })
    {
    }

    void write(QStringView piece) { m_paragraphEnd.write(piece); }
    void finish()
    {
        m_paragraphEnd.finish();
        m_listJoin.finish();
        m_quoteEnd.finish();
        m_listEnd.finish();
    }

private:
    StreamReplace m_listEnd;
    StreamReplace m_quoteEnd;
    StreamReplace m_listJoin;
    StreamReplace m_paragraphEnd;
};

class Converter
{
public:
    explicit Converter(const StreamReplace::Sink& out) : m_sink(out), m_replacements(out) {}

    void run(const RichText& rich)
    {
        Walk walk(rich);
        // Index 0 carries no character and takes the format of the first one.
        applyFormat(walk.peek(0)->format, true);
        while (const Walk::Item* current = walk.peek(0)) {
            const Walk::Item* next = walk.peek(1);
            if (next && next->c == QLatin1Char('\t')
                && (current->c == QChar(0x00B7) || current->c == QChar(0x2022))) {
                m_out += QLatin1String("<UL><LI>");
                m_typedList = true;
                walk.advance(2);
                continue;
            }
            applyFormat(current->format, false);
            if (next && current->c == QLatin1Char('\r') && next->c == QLatin1Char('\n')) {
                lineBreak();
                walk.advance(2);
            } else {
                m_out += current->c;
                walk.advance(1);
            }
            if (m_out.size() >= PieceSize)
                handOn();
        }
        finish();
    }

private:
    void applyFormat(const IndexFormat& format, bool first)
    {
        // Every character of a run shares its format: once recorded, it cannot differ again
        // until a line break closes a list behind the recorded state's back.
        if (format.character == m_applied.character && format.paragraph == m_applied.paragraph)
            return;
        m_applied = format;
        const RichCharFormat& c = *format.character;
        const RichParagraphFormat& para = *format.paragraph;
        spanStyle(c, first);
        flag(m_bold, c.bold, "<B>", "</B>", false);
        flag(m_underline, c.underline, "<U>", "</U>", false);
        flag(m_italic, c.italic, "<I>", "</I>", false);
        flag(m_strike, c.strike, "<strike>", "</strike>", true);
        alignment(para.alignment, first);
        indent(para.indent);
        if (para.bullet != m_bullet) {
            if (para.bullet)
                m_out += QLatin1String("<UL><LI>");
            m_bullet = para.bullet;
            m_afterList = false;
        }
        background(colourText(c.background));
    }

    void spanStyle(const RichCharFormat& c, bool first)
    {
        const QString colour = colourText(c.color);
        if (m_hasFont && c.fontName == m_fontName && c.halfPoints == m_halfPoints && colour == m_colour)
            return;
        if (!first)
            m_out += QLatin1String("</span>");
        m_out += QLatin1String("<span style='font-family: ") + c.fontName + QLatin1String("; font-size: ")
                 + QString::number(c.pointSize() - 3) + QLatin1String("pt; color: #") + colour
                 + QLatin1String(";'>");
        m_hasFont = true;
        m_fontName = c.fontName;
        m_halfPoints = c.halfPoints;
        m_colour = colour;
    }

    void flag(bool& previous, bool now, const char* on, const char* off, bool endsList)
    {
        if (previous == now)
            return;
        m_out += QLatin1String(now ? on : off);
        previous = now;
        if (endsList)
            m_afterList = false;
    }

    void alignment(int now, bool first)
    {
        if (now == m_alignment)
            return;
        if (!m_afterList && !first)
            m_out += QLatin1String("</P>");
        m_out += QLatin1String("<P style='margin-top: 0px; margin-bottom: 0px;' Align='")
                 + QLatin1String(alignmentText(now)) + QLatin1String("'>");
        m_alignment = now;
        m_afterList = false;
    }

    void indent(int now)
    {
        if (now == m_indent)
            return;
        if (now != 0) {
            if (m_indentRecorded)
                m_out += QLatin1String("</blockquote>");
            const auto pixels = static_cast<long long>(std::nearbyint(now / 500.0 * 33.0));
            m_out += QLatin1String("<blockquote style=\"margin-left:") + QString::number(pixels)
                     + QLatin1String("px;margin-right:0\">");
        } else {
            m_out += QLatin1String("</Blockquote>");
        }
        m_indent = now;
        m_indentRecorded = true;
        m_afterList = false;
    }

    void background(const QString& now)
    {
        if (now == m_background)
            return;
        const bool none = now.compare(QLatin1String("000000"), Qt::CaseInsensitive) == 0
                          || now.compare(QLatin1String("ffffff"), Qt::CaseInsensitive) == 0;
        if (!none) {
            if (!m_background.isEmpty())
                m_out += QLatin1String("</font>");
            m_out += QLatin1String("<font style=\"background-color:#") + now + QLatin1String("\">");
        } else {
            m_out += QLatin1String("</Font>");
        }
        m_background = now;
        m_afterList = false;
    }

    void lineBreak()
    {
        m_out += QLatin1String("<BR>");
        if (m_typedList || m_bullet) {
            m_applied = {};
            m_out += QLatin1String("</ul>");
            m_afterList = true;
            m_typedList = false;
            m_bullet = false;
        }
    }

    void handOn()
    {
        m_replacements.write(m_out);
        m_out.clear();
    }

    void finish()
    {
        handOn();
        m_replacements.finish();
        m_sink(QStringLiteral("</SPAN>"));
    }

    static constexpr qsizetype PieceSize = 16 * 1024;

    const StreamReplace::Sink& m_sink;
    Replacements m_replacements;
    QString m_out;
    IndexFormat m_applied{nullptr, nullptr};
    bool m_hasFont = false;
    QString m_fontName;
    int m_halfPoints = 0;
    QString m_colour;
    bool m_bold = false, m_italic = false, m_underline = false, m_strike = false;
    int m_alignment = -1;
    int m_indent = 0;
    bool m_indentRecorded = false;
    bool m_bullet = false;
    QString m_background;
    bool m_typedList = false;
    bool m_afterList = false;
};

} // namespace

QString RichTextToHtml::convert(const QString& rtfOrPlainText)
{
    return convert(rtfOrPlainText, BoxFormats::description());
}

QString RichTextToHtml::convert(const QString& rtfOrPlainText, const RichCharFormat& plainFormat)
{
    return convert(RtfReader::readContent(rtfOrPlainText, plainFormat));
}

QString RichTextToHtml::convert(const RichText& text)
{
    QString html;
    convert(text, [&html](QStringView piece) { html += piece; });
    return html;
}

void RichTextToHtml::convert(const RichText& text, const std::function<void(QStringView piece)>& write)
{
    Converter(write).run(text);
}
