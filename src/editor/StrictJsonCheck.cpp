#include "editor/StrictJsonCheck.h"

#include <QList>
#include <QSet>

namespace {

struct Frame
{
    bool object = false;
    QString path;
    QSet<QString> keys;
    bool expectKey = true;
    QString key;
    int index = 0;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The four hex digits after "\u" at `at` (the backslash), or -1.
int escapedUnit(const QByteArray& json, qsizetype at)
{
    if (at + 6 > json.size() || json[at] != '\\' || json[at + 1] != 'u')
        return -1;
    int unit = 0;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        const int digit = hexValue(json[i]);
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

char oneLetterEscape(char letter)
{
    switch (letter) {
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return letter;  // " \ /
    }
}

class Scanner
{
public:
    explicit Scanner(const QByteArray& json) : m_json(json) {}

    QString run()
    {
        for (qsizetype i = 0; i < m_json.size() && m_problem.isEmpty(); ++i) {
            switch (m_json[i]) {
            case '{':
            case '[':
                m_stack.append(Frame{m_json[i] == '{', valuePath(), {}, true, {}, 0});
                break;
            case '}':
            case ']':
                if (!m_stack.isEmpty())
                    m_stack.removeLast();
                break;
            case ',':
                if (!m_stack.isEmpty() && m_stack.last().object)
                    m_stack.last().expectKey = true;
                else if (!m_stack.isEmpty())
                    ++m_stack.last().index;
                break;
            case '"':
                i = string(i);
                break;
            default:
                break;
            }
        }
        return m_problem;
    }

private:
    QString valuePath() const
    {
        if (m_stack.isEmpty())
            return QString();
        const Frame& top = m_stack.last();
        if (!top.object)
            return top.path + QStringLiteral("[%1]").arg(top.index);
        return top.path.isEmpty() ? top.key : top.path + QLatin1Char('.') + top.key;
    }

    // Reads the string opening at `from`; returns the index of its closing quote.
    qsizetype string(qsizetype from)
    {
        const bool isKey = !m_stack.isEmpty() && m_stack.last().object && m_stack.last().expectKey;
        QByteArray text;
        bool loneHalf = false;
        qsizetype i = from + 1;
        for (; i < m_json.size() && m_json[i] != '"'; ++i) {
            if (m_json[i] != '\\') {
                text += m_json[i];
                continue;
            }
            const int unit = escapedUnit(m_json, i);
            if (unit < 0) {
                text += oneLetterEscape(i + 1 < m_json.size() ? m_json[i + 1] : '\\');
                ++i;
                continue;
            }
            const int low = unit >= 0xD800 && unit <= 0xDBFF ? escapedUnit(m_json, i + 6) : -1;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                const char16_t pair[2] = {char16_t(unit), char16_t(low)};
                text += QString(reinterpret_cast<const QChar*>(pair), 2).toUtf8();
                i += 11;
            } else if (unit >= 0xD800 && unit <= 0xDFFF) {
                loneHalf = true;
                i += 5;
            } else {
                text += QString(QChar(char16_t(unit))).toUtf8();
                i += 5;
            }
        }
        finish(isKey, QString::fromUtf8(text), loneHalf);
        return i;
    }

    void finish(bool isKey, const QString& text, bool loneHalf)
    {
        if (isKey) {
            Frame& top = m_stack.last();
            top.expectKey = false;
            top.key = text;
            if (top.keys.contains(text)) {
                m_problem = QStringLiteral("The key \"%1\" appears more than once.").arg(valuePath());
                return;
            }
            top.keys.insert(text);
        }
        if (loneHalf)
            m_problem = QStringLiteral("The key \"%1\" holds half of a surrogate pair (a lone \\ud800 to \\udfff escape).")
                            .arg(valuePath());
    }

    const QByteArray& m_json;
    QList<Frame> m_stack;
    QString m_problem;
};

} // namespace

QString StrictJsonCheck::problem(const QByteArray& json)
{
    return Scanner(json).run();
}
