#include "store/JetSqlTranslator.h"

#include "store/JetStatement.h"
#include "store/PostgresDialect.h"

#include <QRegularExpression>

namespace {

QVariant engineValue(const JetLiteral& literal)
{
    if (literal.kind == JetLiteral::Kind::Date)
        return literal.date.toString(Qt::ISODate);
    return literal.text;
}

// A schema statement's constant written as a quoted text; nothing a user typed ever gets here.
std::optional<QString> inlineLiteral(const JetLiteral& literal, QString* error)
{
    QString text = engineValue(literal).toString();
    if (text.contains(QChar(0))) {
        if (error)
            *error = JetSqlTranslator::tr("A schema statement holds a NUL character.");
        return std::nullopt;
    }
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

std::optional<BoundStatement> JetSqlTranslator::translate(const QString& jetSql, QString* error) const
{
    const QString alter = translateAlterColumn(jetSql);
    if (!alter.isEmpty())
        return BoundStatement{alter, {}};

    const std::optional<JetStatement> statement = JetStatement::split(jetSql, m_locale, error);
    if (!statement)
        return std::nullopt;
    const bool inlined = statement->definesSchema();
    BoundStatement bound;
    bound.sql.reserve(jetSql.size() + 16);
    for (qsizetype i = 0; i < statement->literals().size(); ++i) {
        bound.sql += translateCode(statement->code().at(i), inlined);
        const JetLiteral& literal = statement->literals().at(i);
        if (!inlined) {
            bound.sql += QLatin1Char('?');
            bound.values.append(engineValue(literal));
            continue;
        }
        const std::optional<QString> text = inlineLiteral(literal, error);
        if (!text)
            return std::nullopt;
        bound.sql += *text;
    }
    bound.sql += translateCode(statement->code().last(), inlined);
    if (m_dialect == Dialect::Postgres)
        bound.sql = PostgresDialect::finish(bound.sql, inlined);
    return bound;
}

QString JetSqlTranslator::translateCode(const QString& code, bool schema) const
{
    return m_dialect == Dialect::Postgres ? PostgresDialect::translateCode(code, schema) : sqliteCode(code, schema);
}

QString JetSqlTranslator::sqliteCode(const QString& code, bool schema)
{
    return JetStatement::rewriteCode(
        code, [](QStringView bracketed) { return bracketed.toString(); },
        [schema](QStringView word) {
            if (!schema && word.compare(QLatin1String("Default"), Qt::CaseInsensitive) == 0)
                return QLatin1Char('"') + word.toString() + QLatin1Char('"');
            if (word.compare(QLatin1String("MEMO"), Qt::CaseInsensitive) == 0)
                return QStringLiteral("TEXT");
            return word.toString();
        });
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
