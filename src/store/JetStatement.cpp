#include "store/JetStatement.h"

#include "store/SqlText.h"

std::optional<JetStatement> JetStatement::split(const QString& jetSql, const QLocale& locale, QString* error)
{
    JetStatement statement;
    qsizetype i = 0;
    while (i < jetSql.size()) {
        const QChar c = jetSql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            i = statement.takeText(jetSql, i, error);
        } else if (c == QLatin1Char('#')) {
            i = statement.takeDate(jetSql, i, locale, error);
        } else if (c == QLatin1Char('[')) {
            // A bracketed name is code, whatever quote or # it holds.
            const qsizetype end = jetSql.indexOf(QLatin1Char(']'), i + 1);
            const qsizetype next = end < 0 ? jetSql.size() : end + 1;
            statement.m_code.last() += QStringView(jetSql).mid(i, next - i);
            i = next;
        } else {
            statement.m_code.last() += c;
            ++i;
        }
        if (i < 0)
            return std::nullopt;
    }
    return statement;
}

qsizetype JetStatement::takeText(const QString& sql, qsizetype from, QString* error)
{
    const QChar quote = sql[from];
    QString value(QLatin1String(""));
    qsizetype i = from + 1;
    while (i < sql.size()) {
        if (sql[i] != quote) {
            const qsizetype next = sql.indexOf(quote, i);
            const qsizetype end = next < 0 ? sql.size() : next;
            value += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (i + 1 < sql.size() && sql[i + 1] == quote) {
            value += quote;
            i += 2;
            continue;
        }
        addLiteral({JetLiteral::Kind::Text, value, QDate()});
        return i + 1;
    }
    if (error)
        *error = JetStatement::tr("Unterminated text literal at position %1 of the statement").arg(from + 1);
    return -1;
}

qsizetype JetStatement::takeDate(const QString& sql, qsizetype from, const QLocale& locale, QString* error)
{
    const qsizetype end = sql.indexOf(QLatin1Char('#'), from + 1);
    const QString literal = end < 0 ? sql.mid(from + 1, 40) : sql.mid(from + 1, end - from - 1);
    const QDate date = end < 0 ? QDate() : SqlText::ReadDate(literal, locale);
    if (!date.isValid()) {
        if (error)
            *error = JetStatement::tr("Unreadable date literal: #%1#").arg(literal.left(40));
        return -1;
    }
    addLiteral({JetLiteral::Kind::Date, QString(), date});
    return end + 1;
}

void JetStatement::addLiteral(const JetLiteral& literal)
{
    m_literals.append(literal);
    m_code.append(QString());
}

QString JetStatement::verb() const
{
    const QString first = m_code.first().trimmed();
    qsizetype end = 0;
    while (end < first.size() && first[end].isLetter())
        ++end;
    return first.left(end).toUpper();
}

bool JetStatement::definesSchema() const
{
    const QString word = verb();
    return word == QLatin1String("CREATE") || word == QLatin1String("ALTER") || word == QLatin1String("DROP");
}

QString JetStatement::rewriteCode(const QString& code, const std::function<QString(QStringView bracketed)>& name,
                                  const std::function<QString(QStringView word)>& word)
{
    const auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    QString out;
    out.reserve(code.size() + 8);
    qsizetype i = 0;
    while (i < code.size()) {
        qsizetype end = i;
        if (code[i] == QLatin1Char('[')) {
            const qsizetype close = code.indexOf(QLatin1Char(']'), i);
            end = close < 0 ? code.size() : close + 1;
            out += name(QStringView(code).mid(i, end - i));
        } else if (isWordChar(code[i])) {
            while (end < code.size() && isWordChar(code[end]))
                ++end;
            out += word(QStringView(code).mid(i, end - i));
        } else {
            out += code[i];
            end = i + 1;
        }
        i = end;
    }
    return out;
}
