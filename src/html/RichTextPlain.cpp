#include "html/RichTextPlain.h"

#include <QStringList>

namespace {

// Groups whose content is never text: tables of fonts, colours and styles, and starred destinations.
bool skipsGroup(const QString& word)
{
    static const QStringList words{QStringLiteral("fonttbl"),    QStringLiteral("colortbl"),
                                   QStringLiteral("stylesheet"), QStringLiteral("info"),
                                   QStringLiteral("pict"),       QStringLiteral("*")};
    return words.contains(word);
}

} // namespace

QString RichTextPlain::text(const QString& content)
{
    if (!content.startsWith(QLatin1String("{\\rtf")))
        return content;
    QString out;
    int depth = 0;
    int skipDepth = -1; // depth of the group being skipped, -1 when none
    bool groupStart = false;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const QChar ch = content[i];
        if (ch == QLatin1Char('{')) {
            ++depth;
            groupStart = true;
            continue;
        }
        if (ch == QLatin1Char('}')) {
            if (depth == skipDepth)
                skipDepth = -1;
            --depth;
            groupStart = false;
            continue;
        }
        const bool skipping = skipDepth != -1;
        if (ch == QLatin1Char('\\') && i + 1 < content.size()) {
            const QChar next = content[i + 1];
            if (!next.isLetter()) {
                ++i;
                if (next == QLatin1Char('*') && groupStart && !skipping)
                    skipDepth = depth;
                else if (next == QLatin1Char('\'') && !skipping) {
                    out += QChar(content.mid(i + 1, 2).toUShort(nullptr, 16));
                    i += 2;
                } else if (!skipping && (next == QLatin1Char('\\') || next == QLatin1Char('{') ||
                                         next == QLatin1Char('}')))
                    out += next;
                groupStart = false;
                continue;
            }
            qsizetype j = i + 1;
            while (j < content.size() && content[j].isLetter())
                ++j;
            const QString word = content.mid(i + 1, j - i - 1);
            while (j < content.size() && (content[j].isDigit() || content[j] == QLatin1Char('-')))
                ++j;
            if (j < content.size() && content[j] == QLatin1Char(' '))
                ++j;
            i = j - 1;
            if (groupStart && !skipping && skipsGroup(word))
                skipDepth = depth;
            else if (!skipping && (word == QLatin1String("par") || word == QLatin1String("line")))
                out += QStringLiteral("\r\n");
            else if (!skipping && word == QLatin1String("tab"))
                out += QLatin1Char('\t');
            groupStart = false;
            continue;
        }
        groupStart = false;
        if (!skipping && ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            out += ch;
    }
    return out;
}
