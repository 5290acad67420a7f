#include "richtext/RtfWriter.h"

#include "richtext/RtfCodePage.h"

namespace {

const QString kSymbolFont = QStringLiteral("Symbol");

// What the output has switched on so far; only differences are written.
struct Written
{
    int font = -1;
    int halfPoints = -1;
    bool bold = false, italic = false, underline = false, strike = false;
    int color = 0, background = 0;
};

QString escaped(const QString& text, bool inFontTable = false)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\tab ");
        } else if (c == QChar::LineSeparator) {
            out += QLatin1String("\\line ");
        } else if (inFontTable && (c == QLatin1Char(';') || (c == QLatin1Char(' ') && out.isEmpty()))) {
            out += QStringLiteral("\\'%1").arg(unit, 2, 16, QLatin1Char('0'));
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += c;
        } else if (const auto byte = RtfCodePage::encode1252(c); byte && unit >= 0x80) {
            out += QStringLiteral("\\'%1").arg(*byte, 2, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\u%1?").arg(static_cast<short>(unit));
        }
    }
    return out;
}

class Writer
{
public:
    explicit Writer(const RichText& text) : m_text(text) { collectTables(); }

    QString write()
    {
        QString body;
        const auto& paragraphs = m_text.paragraphs();
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            const RichParagraph& paragraph = paragraphs.at(i);
            const bool formatChanged = i == 0 || paragraph.format != paragraphs.at(i - 1).format;
            body += paragraphStart(paragraph.format, formatChanged);
            for (const RichRun& run : paragraph.runs)
                body += switchTo(run.format) + escaped(run.text);
            body += switchTo(paragraph.mark) + QLatin1String("\\par\r\n");
        }
        return header() + QLatin1String("\\viewkind4\\uc1") + body + QLatin1String("}\r\n");
    }

private:
    void collectTables()
    {
        for (const RichParagraph& paragraph : m_text.paragraphs()) {
            for (const RichRun& run : paragraph.runs)
                collect(run.format);
            collect(paragraph.mark);
            m_anyBullet = m_anyBullet || paragraph.format.bullet;
        }
        if (m_anyBullet) {
            m_symbolFont = static_cast<int>(m_fonts.size());
            m_fonts.append(kSymbolFont);
        }
    }

    void collect(const RichCharFormat& format)
    {
        if (!m_fonts.contains(format.fontName))
            m_fonts.append(format.fontName);
        for (const auto& colour : {format.color, format.background}) {
            if (colour && !m_colors.contains(*colour))
                m_colors.append(*colour);
        }
    }

    QString header() const
    {
        QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl");
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            const int charset = i == m_symbolFont ? 2 : 0;
            out += QStringLiteral("{\\f%1\\fnil\\fcharset%2 %3;}").arg(i).arg(charset).arg(escaped(m_fonts.at(i), true));
        }
        out += QLatin1String("}\r\n");
        if (!m_colors.isEmpty()) {
            out += QLatin1String("{\\colortbl ;");
            for (const QRgb colour : m_colors)
                out += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
            out += QLatin1String("}\r\n");
        }
        return out;
    }

    QString paragraphStart(const RichParagraphFormat& format, bool formatChanged) const
    {
        QString out;
        const QString bulletText = QStringLiteral("{\\pntext\\f%1\\'B7\\tab}").arg(m_symbolFont);
        if (!formatChanged)
            return format.bullet ? bulletText : out;
        out += QLatin1String("\\pard");
        if (format.bullet) {
            out += bulletText;
            out += QStringLiteral("{\\*\\pn\\pnlvlblt\\pnf%1\\pnindent0{\\pntxtb\\'B7}}").arg(m_symbolFont);
        }
        if (format.hanging != 0)
            out += QStringLiteral("\\fi%1").arg(-format.hanging);
        if (format.indent + format.hanging != 0)
            out += QStringLiteral("\\li%1").arg(format.indent + format.hanging);
        if (format.alignment == RichParagraphFormat::Right)
            out += QLatin1String("\\qr");
        else if (format.alignment == RichParagraphFormat::Center)
            out += QLatin1String("\\qc");
        // A control word needs a blank before text can follow; after a group's brace a blank would be text.
        return out.endsWith(QLatin1Char('}')) ? out : out + QLatin1Char(' ');
    }

    int colorIndex(const std::optional<QRgb>& colour) const
    {
        return colour ? static_cast<int>(m_colors.indexOf(*colour)) + 1 : 0;
    }

    QString switchTo(const RichCharFormat& format)
    {
        QString words;
        auto flag = [&words](bool& current, bool wanted, const char* on, const char* off) {
            if (current != wanted)
                words += QLatin1String(wanted ? on : off);
            current = wanted;
        };
        flag(m_written.bold, format.bold, "\\b", "\\b0");
        flag(m_written.italic, format.italic, "\\i", "\\i0");
        flag(m_written.underline, format.underline, "\\ul", "\\ulnone");
        flag(m_written.strike, format.strike, "\\strike", "\\strike0");
        auto number = [&words](int& current, int wanted, const char* word) {
            if (current != wanted)
                words += QStringLiteral("\\%1%2").arg(QLatin1String(word)).arg(wanted);
            current = wanted;
        };
        number(m_written.color, colorIndex(format.color), "cf");
        number(m_written.background, colorIndex(format.background), "highlight");
        number(m_written.font, static_cast<int>(m_fonts.indexOf(format.fontName)), "f");
        number(m_written.halfPoints, format.halfPoints, "fs");
        return words.isEmpty() ? words : words + QLatin1Char(' ');
    }

    const RichText& m_text;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    bool m_anyBullet = false;
    int m_symbolFont = -1;
    Written m_written;
};

} // namespace

QString RtfWriter::write(const RichText& text)
{
    return Writer(text).write();
}
