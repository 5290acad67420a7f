#include "store/JetSqlTranslator.h"

#include "store/SqlText.h"

#include <QRegularExpression>

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Copies a quoted run starting at `from` (a ' or " opening it) and returns the index after it.
qsizetype copyQuoted(const QString& sql, qsizetype from, QString& out)
{
    const QChar quote = sql[from];
    qsizetype i = from + 1;
    while (i < sql.size()) {
        if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote) {
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        ++i;
    }
    out += QStringView(sql).mid(from, i - from);
    return i;
}

} // namespace

QString JetSqlTranslator::translate(const QString& jetSql, QString* error) const
{
    const QString alter = translateAlterColumn(jetSql);
    if (!alter.isEmpty())
        return alter;

    QString out;
    out.reserve(jetSql.size() + 16);
    qsizetype i = 0;
    while (i < jetSql.size()) {
        const QChar c = jetSql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            i = copyQuoted(jetSql, i, out);
        } else if (c == QLatin1Char('#')) {
            const qsizetype end = jetSql.indexOf(QLatin1Char('#'), i + 1);
            const QString literal = end < 0 ? QString() : jetSql.mid(i + 1, end - i - 1);
            const QDate date = SqlText::ReadDate(literal, m_locale);
            if (!date.isValid()) {
                if (error)
                    *error = JetSqlTranslator::tr("Unreadable date literal: #%1#").arg(literal);
                return QString();
            }
            out += QLatin1Char('\'') + date.toString(Qt::ISODate) + QLatin1Char('\'');
            i = end + 1;
        } else if (isWordChar(c)) {
            qsizetype end = i;
            while (end < jetSql.size() && isWordChar(jetSql[end]))
                ++end;
            const QString word = jetSql.mid(i, end - i);
            if (word.compare(QLatin1String("Default"), Qt::CaseInsensitive) == 0)
                out += QLatin1Char('"') + word + QLatin1Char('"');
            else if (word.compare(QLatin1String("MEMO"), Qt::CaseInsensitive) == 0)
                out += QLatin1String("TEXT");
            else
                out += word;
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

QString JetSqlTranslator::translateAlterColumn(const QString& jetSql) const
{
    static const QRegularExpression alterColumn(
        QStringLiteral(R"(^\s*ALTER\s+TABLE\s+(\w+)\s+ALTER\s+COLUMN\s+(\w+)\b[^';]*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = alterColumn.match(jetSql);
    if (!match.hasMatch())
        return QString();
    return QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(match.captured(2), match.captured(1));
}
