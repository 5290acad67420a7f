#include "richtext/RtfParser.h"

#include "richtext/RtfCodePage.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t kMaxDepth = 200;
constexpr int kMaxWordLength = 32;
constexpr int kMaxNumberDigits = 10;
constexpr int kMaxTableEntries = 4096;
constexpr int kMaxIndent = 31680;  // 22 inches
constexpr int kMaxHalfPoints = 3276;

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - '0';
    const char16_t lower = c.toLower().unicode();
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// Destinations whose text never reaches the box.
bool isSkippedDestination(const QString& word)
{
    static const QStringList words{
        QStringLiteral("stylesheet"), QStringLiteral("info"), QStringLiteral("pict"), QStringLiteral("object"),
        QStringLiteral("header"), QStringLiteral("headerl"), QStringLiteral("headerr"), QStringLiteral("headerf"),
        QStringLiteral("footer"), QStringLiteral("footerl"), QStringLiteral("footerr"), QStringLiteral("footerf"),
        QStringLiteral("footnote"), QStringLiteral("annotation"), QStringLiteral("fldinst"),
        QStringLiteral("themedata"), QStringLiteral("colorschememapping"), QStringLiteral("latentstyles"),
        QStringLiteral("datastore"), QStringLiteral("listtable"), QStringLiteral("listoverridetable"),
        QStringLiteral("rsidtbl"), QStringLiteral("generator"), QStringLiteral("xmlnstbl"),
        QStringLiteral("filetbl"), QStringLiteral("revtbl"), QStringLiteral("nonshppict"),
        QStringLiteral("shp"), QStringLiteral("objdata"), QStringLiteral("bkmkstart"), QStringLiteral("bkmkend"),
        QStringLiteral("template"), QStringLiteral("docvar"), QStringLiteral("xe"), QStringLiteral("tc"),
        QStringLiteral("txe"), QStringLiteral("mmathPr"), QStringLiteral("panose"), QStringLiteral("falt")};
    return words.contains(word);
}

// Control words that stand for one character; 0 for any other word.
char16_t symbolOf(const QString& word)
{
    static const QHash<QString, char16_t> symbols{
        {QStringLiteral("line"), QChar::LineSeparator}, {QStringLiteral("tab"), u'\t'},
        {QStringLiteral("emdash"), 0x2014}, {QStringLiteral("endash"), 0x2013}, {QStringLiteral("bullet"), 0x2022},
        {QStringLiteral("lquote"), 0x2018}, {QStringLiteral("rquote"), 0x2019},
        {QStringLiteral("ldblquote"), 0x201C}, {QStringLiteral("rdblquote"), 0x201D},
        {QStringLiteral("emspace"), u' '}, {QStringLiteral("enspace"), u' '}, {QStringLiteral("qmspace"), u' '}};
    return symbols.value(word, 0);
}

// A list item's own text that is a number or a letter with punctuation ("1.", "a)", "iv."),
// not one bullet sign ("·", "o", "§").
bool looksNumbered(const QString& listText)
{
    const QString item = listText.trimmed();
    return item.size() >= 2 || std::any_of(item.cbegin(), item.cend(), [](QChar c) { return c.isDigit(); });
}

} // namespace

RtfParser::RtfParser(const QString& rtf, const RichCharFormat& fallback)
    : m_input{rtf, QByteArray(), false}, m_fallback(fallback), m_text(fallback)
{
    m_stack.push_back(State{});
    m_text = RichText(charFormat());
}

RtfParser::RtfParser(const QByteArray& rtf1252, const RichCharFormat& fallback)
    : m_input{QString(), rtf1252, true}, m_fallback(fallback), m_text(fallback)
{
    m_stack.push_back(State{});
    m_text = RichText(charFormat());
}

QChar RtfParser::Input::at(qsizetype i) const
{
    return fromBytes ? RtfCodePage::decode1252(static_cast<unsigned char>(bytes.at(i))) : text.at(i);
}

RichText RtfParser::parse()
{
    const qsizetype length = m_input.size();
    while (m_pos < length && !m_ended) {
        const QChar c = m_input.at(m_pos++);
        if (c == QLatin1Char('{')) {
            flushBytes();
            openGroup();
        } else if (c == QLatin1Char('}')) {
            flushBytes();
            closeGroup();
        } else if (c == QLatin1Char('\\')) {
            if (m_pos >= length)
                break;
            const QChar next = m_input.at(m_pos);
            if (isAsciiLetter(next)) {
                QString word;
                while (m_pos < length && isAsciiLetter(m_input.at(m_pos))) {
                    if (word.size() < kMaxWordLength)
                        word += m_input.at(m_pos);
                    ++m_pos;
                }
                bool negative = false;
                if (m_pos + 1 < length && m_input.at(m_pos) == QLatin1Char('-') && isDigit(m_input.at(m_pos + 1))) {
                    negative = true;
                    ++m_pos;
                }
                bool hasNumber = false;
                long long number = 0;
                int digits = 0;
                while (m_pos < length && isDigit(m_input.at(m_pos))) {
                    hasNumber = true;
                    if (digits++ < kMaxNumberDigits)
                        number = number * 10 + (m_input.at(m_pos).unicode() - '0');
                    ++m_pos;
                }
                number = std::min<long long>(number, 1000000000LL);
                if (m_pos < length && m_input.at(m_pos) == QLatin1Char(' '))
                    ++m_pos;
                if (word != QLatin1String("bin")) {
                    flushBytes();
                    flushText();  // text so far keeps the format it was typed in
                }
                controlWord(word, hasNumber, static_cast<int>(negative ? -number : number));
            } else if (next == QLatin1Char('\'')) {
                ++m_pos;
                hexByte();
            } else {
                ++m_pos;
                flushBytes();
                controlSymbol(next);
            }
        } else {
            flushBytes();
            literal(c);
        }
    }
    flushBytes();
    if (!m_ended)
        finishDocument();  // unterminated: the text so far is the document
    m_text.dropTrailingEmptyParagraph();
    return m_text;
}

void RtfParser::openGroup()
{
    m_pendingSkip = 0;
    if (m_stack.size() >= kMaxDepth) {
        ++m_overflowDepth;
        return;
    }
    flushText();
    const State copy = state();
    m_stack.push_back(copy);
}

void RtfParser::closeGroup()
{
    m_pendingSkip = 0;
    m_ignorableNext = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return;  // an unbalanced closing brace: ignore it and read on
    flushText();
    if (state().destination == Destination::FontTable)
        commitFont();  // an entry whose ';' is missing still counts
    if (m_stack.size() == 2) {
        finishDocument();  // the document's own group: anything after it is not part of it
        return;
    }
    m_stack.pop_back();
}

void RtfParser::controlWord(const QString& word, bool hasNumber, int number)
{
    if (consumeSkipped() && word != QLatin1String("bin"))
        return;
    const bool ignorable = m_ignorableNext;
    m_ignorableNext = false;
    if (word == QLatin1String("bin")) {
        skipBinary(hasNumber ? number : 0);
        return;
    }
    if (state().destination == Destination::Skip)
        return;
    if (destinationWord(word))
        return;
    if (state().destination == Destination::ListProperties) {
        listPropertiesWord(word);
        return;
    }
    if (ignorable) {
        state().destination = Destination::Skip;
        return;
    }
    if (state().destination == Destination::ColorTable) {
        const int value = std::clamp(number, 0, 255);
        if (word == QLatin1String("red"))
            m_red = value;
        else if (word == QLatin1String("green"))
            m_green = value;
        else if (word == QLatin1String("blue"))
            m_blue = value;
        else
            return;
        m_colorGiven = true;
        return;
    }
    if (state().destination == Destination::FontTable) {
        if (word == QLatin1String("f"))
            m_fontNumber = number;
        else if (word == QLatin1String("fcharset"))
            m_fontEntry.charset = number;
        else if (word == QLatin1String("cpg"))
            m_fontEntry.codePage = number;
        else
            documentWord(word, hasNumber, number);  // font names may hold any character
        return;
    }
    if (characterWord(word, hasNumber, number) || paragraphWord(word, hasNumber, number) || tableWord(word))
        return;
    documentWord(word, hasNumber, number);
}

bool RtfParser::destinationWord(const QString& word)
{
    if (word == QLatin1String("fonttbl")) {
        flushText();
        state().destination = Destination::FontTable;
        m_fontEntry = Font{};
    } else if (word == QLatin1String("colortbl")) {
        flushText();
        state().destination = Destination::ColorTable;
    } else if (word == QLatin1String("pntext") || word == QLatin1String("listtext")) {
        state().destination = Destination::ListText;
        m_listText.clear();
    } else if (word == QLatin1String("pn")) {
        // The group describes the paragraph around it.
        state().destination = Destination::ListProperties;
        m_listOwner = m_stack.size() >= 2 ? m_stack.size() - 2 : 0;
    } else if (isSkippedDestination(word)) {
        flushText();
        state().destination = Destination::Skip;
    } else {
        return false;
    }
    return true;
}

bool RtfParser::characterWord(const QString& word, bool hasNumber, int number)
{
    const bool on = !hasNumber || number != 0;
    State& s = state();
    if (word == QLatin1String("b"))
        s.bold = on;
    else if (word == QLatin1String("i"))
        s.italic = on;
    else if (word == QLatin1String("ul") || word == QLatin1String("uld") || word == QLatin1String("uldb")
             || word == QLatin1String("ulw") || word == QLatin1String("ulth") || word == QLatin1String("uldash")
             || word == QLatin1String("ulwave"))
        s.underline = on;
    else if (word == QLatin1String("ulnone"))
        s.underline = false;
    else if (word == QLatin1String("strike") || word == QLatin1String("striked"))
        s.strike = on;
    else if (word == QLatin1String("fs"))
        s.halfPoints = number > 0 ? std::min(number, kMaxHalfPoints) : 24;
    else if (word == QLatin1String("f"))
        s.font = number;
    else if (word == QLatin1String("cf"))
        s.color = number;
    else if (word == QLatin1String("highlight") || word == QLatin1String("cb") || word == QLatin1String("chcbpat"))
        s.background = number;
    else if (word == QLatin1String("plain"))
        resetCharacterFormat();
    else
        return false;
    return true;
}

bool RtfParser::paragraphWord(const QString& word, bool hasNumber, int number)
{
    State& s = state();
    if (word == QLatin1String("par") || word == QLatin1String("page")) {
        endParagraph();
    } else if (word == QLatin1String("pard")) {
        s.alignment = 0;
        s.leftIndent = 0;
        s.firstIndent = 0;
        s.bullet = Bullet::None;
    } else if (word == QLatin1String("ql") || word == QLatin1String("qj")) {
        s.alignment = RichParagraphFormat::Left;
    } else if (word == QLatin1String("qr")) {
        s.alignment = RichParagraphFormat::Right;
    } else if (word == QLatin1String("qc")) {
        s.alignment = RichParagraphFormat::Center;
    } else if (word == QLatin1String("li")) {
        s.leftIndent = std::clamp(number, -kMaxIndent, kMaxIndent);
    } else if (word == QLatin1String("fi")) {
        s.firstIndent = std::clamp(number, -kMaxIndent, kMaxIndent);
    } else if (word == QLatin1String("ls")) {
        s.bullet = hasNumber && number > 0 ? Bullet::ListOverride : Bullet::None;
    } else {
        return false;
    }
    return true;
}

// Cells run together unless each ends with a tab; a table row is a paragraph of its own.
bool RtfParser::tableWord(const QString& word)
{
    if (word == QLatin1String("cell") || word == QLatin1String("nestcell"))
        output(QStringLiteral("\t"));
    else if (word == QLatin1String("row"))
        endParagraph();
    else
        return false;
    return true;
}

void RtfParser::listPropertiesWord(const QString& word)
{
    if (m_listOwner >= m_stack.size())
        return;
    Bullet& bullet = m_stack[m_listOwner].bullet;
    if (word == QLatin1String("pnlvlblt"))
        bullet = Bullet::Properties;
    else if (word == QLatin1String("pnlvlbody") || word == QLatin1String("pnlvlcont") || word == QLatin1String("pnlvl"))
        bullet = Bullet::None;  // numbered or outline: its number is the list text
}

bool RtfParser::documentWord(const QString& word, bool hasNumber, int number)
{
    if (const char16_t symbol = symbolOf(word))
        output(QString(QChar(symbol)));
    else if (word == QLatin1String("u") && hasNumber) {
        if (number >= -32768 && number <= 65535)
            output(QString(QChar(static_cast<char16_t>(number < 0 ? number + 65536 : number))));
        m_pendingSkip = state().skipAfterUnicode;
    } else if (word == QLatin1String("uc"))
        state().skipAfterUnicode = std::clamp(number, 0, 10);
    else if (word == QLatin1String("ansicpg"))
        m_documentCodePage = number;
    else if (word == QLatin1String("deff"))
        m_defaultFont = number;
    else
        return false;
    return true;
}

void RtfParser::controlSymbol(QChar symbol)
{
    if (symbol == QLatin1Char('*')) {
        m_ignorableNext = true;
        return;
    }
    if (consumeSkipped())
        return;
    if (symbol == QLatin1Char('\\') || symbol == QLatin1Char('{') || symbol == QLatin1Char('}'))
        output(QString(symbol));
    else if (symbol == QLatin1Char('~'))
        output(QString(QChar(0x00A0)));
    else if (symbol == QLatin1Char('_'))
        output(QString(QChar(0x2011)));
    else if (symbol == QLatin1Char('\r') || symbol == QLatin1Char('\n'))
        endParagraph();
}

void RtfParser::hexByte()
{
    const qsizetype length = m_input.size();
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < length) {
        const int digit = hexValue(m_input.at(m_pos));
        if (digit < 0)
            break;
        value = value * 16 + digit;
        ++digits;
        ++m_pos;
    }
    if (digits == 0 || consumeSkipped())
        return;  // a broken escape is dropped, the text around it kept
    if (state().destination == Destination::Skip)
        return;
    m_bytes.append(static_cast<char>(value));
}

void RtfParser::literal(QChar c)
{
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0)
        return;
    if (consumeSkipped())
        return;
    if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
        return;
    if (state().destination == Destination::FontTable) {
        if (c == QLatin1Char(';'))
            commitFont();  // only a written ';' ends a font name; an escaped one belongs to it
        else if (c != QLatin1Char(' ') || !m_fontEntry.name.isEmpty())
            output(QString(c));  // blanks before a name separate it from the control words
        return;
    }
    output(QString(c));
}

void RtfParser::output(const QString& text)
{
    switch (state().destination) {
    case Destination::Text:
        m_pending += text;
        break;
    case Destination::FontTable:
        if (m_fontEntry.name.size() < 256)
            m_fontEntry.name += text;
        break;
    case Destination::ColorTable:
        if (text == QLatin1String(";") && m_colors.size() < kMaxTableEntries) {
            m_colors.push_back(m_colorGiven ? std::optional<QRgb>(qRgb(m_red, m_green, m_blue)) : std::nullopt);
            m_red = m_green = m_blue = 0;
            m_colorGiven = false;
        }
        break;
    case Destination::ListText:
        if (m_listText.size() < 64) {
            m_listText += text;
            m_listTextFormat = charFormat();
        }
        break;
    case Destination::ListProperties:
    case Destination::Skip:
        break;
    }
}

void RtfParser::commitFont()
{
    const QString name = m_fontEntry.name;
    if (!name.isEmpty() && m_fonts.size() < kMaxTableEntries)
        m_fonts.insert(m_fontNumber, Font{name, m_fontEntry.charset, m_fontEntry.codePage});
    m_fontEntry = Font{};
}

void RtfParser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QByteArray bytes = m_bytes;
    m_bytes.clear();
    QString text = RtfCodePage::decode(bytes, codePage());
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t'); });
    output(text);
}

void RtfParser::flushText()
{
    if (m_pending.isEmpty())
        return;
    commitListText();
    m_text.setParagraphFormat(paragraphFormat());
    m_text.appendText(m_pending, charFormat());
    m_pending.clear();
}

void RtfParser::endParagraph()
{
    if (state().destination != Destination::Text)
        return;
    commitListText();
    flushText();
    m_text.setParagraphFormat(paragraphFormat());
    m_text.endParagraph(charFormat());
    m_paragraphNumbered = false;
}

// The item number of a numbered list leads the paragraph's text; a bullet is drawn by the box.
void RtfParser::commitListText()
{
    if (m_listText.isEmpty())
        return;
    const QString text = std::exchange(m_listText, QString());
    const Bullet bullet = state().bullet;
    if (bullet == Bullet::ListOverride && looksNumbered(text))
        m_paragraphNumbered = true;
    else if (bullet != Bullet::None)
        return;
    m_text.setParagraphFormat(paragraphFormat());
    m_text.appendText(text, m_listTextFormat);
}

// The last paragraph takes the formatting in effect where the document ends, as a \par would.
void RtfParser::finishDocument()
{
    commitListText();
    flushText();
    m_text.setParagraphFormat(paragraphFormat());
    m_text.setLastMark(charFormat());
    m_ended = true;
}

void RtfParser::resetCharacterFormat()
{
    State& s = state();
    s.font = -1;
    s.halfPoints = 24;
    s.bold = s.italic = s.underline = s.strike = false;
    s.color = s.background = 0;
}

bool RtfParser::consumeSkipped()
{
    if (m_pendingSkip <= 0)
        return false;
    --m_pendingSkip;
    return true;
}

void RtfParser::skipBinary(int count)
{
    const qsizetype left = m_input.size() - m_pos;
    m_pos += std::clamp<qsizetype>(count, 0, left);
}

int RtfParser::codePage() const
{
    const auto font = m_fonts.constFind(state().font < 0 ? m_defaultFont : state().font);
    if (font != m_fonts.constEnd()) {
        if (font->codePage > 0)
            return font->codePage;
        if (const int page = RtfCodePage::forCharset(font->charset))
            return page;
    }
    return m_documentCodePage > 0 ? m_documentCodePage : 1252;
}

RichCharFormat RtfParser::charFormat() const
{
    const State& s = state();
    RichCharFormat format;
    const auto font = m_fonts.constFind(s.font < 0 ? m_defaultFont : s.font);
    format.fontName = font != m_fonts.constEnd() ? font->name : m_fallback.fontName;
    format.halfPoints = s.halfPoints;
    format.bold = s.bold;
    format.italic = s.italic;
    format.underline = s.underline;
    format.strike = s.strike;
    if (s.color > 0 && static_cast<std::size_t>(s.color) < m_colors.size())
        format.color = m_colors[static_cast<std::size_t>(s.color)];
    if (s.background > 0 && static_cast<std::size_t>(s.background) < m_colors.size())
        format.background = m_colors[static_cast<std::size_t>(s.background)];
    return format;
}

RichParagraphFormat RtfParser::paragraphFormat() const
{
    const State& s = state();
    RichParagraphFormat format;
    format.alignment = s.alignment;
    format.indent = std::clamp(s.leftIndent + s.firstIndent, -kMaxIndent, kMaxIndent);
    format.hanging = -s.firstIndent;
    format.bullet = s.bullet != Bullet::None && !m_paragraphNumbered;
    return format;
}
