#include "html/RichTextToHtml.h"

#include "richtext/BoxFormats.h"
#include "richtext/RtfReader.h"

#include <cmath>
#include <vector>

namespace {

// What the box reports for an empty selection at one caret index.
struct IndexFormat
{
    const RichCharFormat* character;
    const RichParagraphFormat* paragraph;
};

// The walked text S (the box's text and two spaces) with the format of every character; entry 0
// stands for index 1, so the format at caret index p >= 1 is formats[p - 1].
struct Flattened
{
    QString text;
    std::vector<IndexFormat> formats;

    void add(QChar c, IndexFormat format)
    {
        text += c;
        formats.push_back(format);
    }
};

Flattened flatten(const RichText& rich)
{
    Flattened out;
    const auto& paragraphs = rich.paragraphs();
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const RichParagraph& paragraph = paragraphs.at(i);
        for (const RichRun& run : paragraph.runs) {
            const IndexFormat format{&run.format, &paragraph.format};
            for (const QChar c : run.text) {
                if (c == QChar::LineSeparator) {
                    out.add(QLatin1Char('\r'), format);
                    out.add(QLatin1Char('\n'), format);
                } else {
                    out.add(c, format);
                }
            }
        }
        if (i + 1 < paragraphs.size()) {
            const IndexFormat mark{&paragraph.mark, &paragraph.format};
            out.add(QLatin1Char('\r'), mark);
            out.add(QLatin1Char('\n'), mark);
        }
    }
    const IndexFormat last = out.formats.empty()
                                 ? IndexFormat{&paragraphs.first().mark, &paragraphs.first().format}
                                 : out.formats.back();
    out.add(QLatin1Char(' '), last);
    out.add(QLatin1Char(' '), last);
    return out;
}

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

class Converter
{
public:
    QString run(const RichText& rich)
    {
        const Flattened s = flatten(rich);
        const qsizetype length = s.text.size();
        qsizetype p = 0;
        while (p <= length) {
            // Characters of S are counted from 1.
            auto at = [&s](qsizetype index) { return s.text.at(index - 1); };
            if (p >= 1 && p + 1 <= length && at(p + 1) == QLatin1Char('\t')
                && (at(p) == QChar(0x00B7) || at(p) == QChar(0x2022))) {
                m_out += QLatin1String("<UL><LI>");
                m_typedList = true;
                p += 2;
                continue;
            }
            applyFormat(s.formats[static_cast<std::size_t>(std::max<qsizetype>(p, 1) - 1)], p == 0);
            if (p == 0) {
                p = 1;
                continue;
            }
            if (p + 1 <= length && at(p) == QLatin1Char('\r') && at(p + 1) == QLatin1Char('\n')) {
                lineBreak();
                p += 2;
            } else {
                m_out += at(p);
                p += 1;
            }
        }
        return finish();
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

    QString finish()
    {
        m_out.replace(QLatin1String("<BR></P>"), QLatin1String("</P>"));
        m_out.replace(QLatin1String("</ul><UL><LI>"), QLatin1String("<LI>"), Qt::CaseInsensitive);
        m_out.replace(QLatin1String("<BR></blockquote>"), QLatin1String("</blockquote>"), Qt::CaseInsensitive);
        m_out.replace(QLatin1String("<BR></UL>"), QLatin1String("</UL>"), Qt::CaseInsensitive);
        return m_out + QLatin1String("</SPAN>");
    }

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
    return Converter().run(text);
}
