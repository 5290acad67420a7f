#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One literal of a statement: a quoted text ('…' or "…", the quote doubled inside) or a #date#.
struct JetLiteral
{
    enum class Kind { Text, Date };
    Kind kind = Kind::Text;
    QString text;  // a text's value, never null (an empty literal is "", not NULL)
    QDate date;    // a date's day

    bool operator==(const JetLiteral&) const = default;
};

// A statement in the program's Jet dialect taken apart into its code and its literals, so that an
// engine's dialect can send the literals as bound values and only the code as statement text.
// Knows no engine: code(0) literal(0) code(1) literal(1) … code(n), always one more code piece.
class JetStatement
{
    Q_DECLARE_TR_FUNCTIONS(JetStatement)

public:
    // Nothing, with `error` set, for an unterminated text or an unreadable date literal. Dates are
    // read as the statement writer wrote them: day-month-year or `locale`'s short date.
    static std::optional<JetStatement> split(const QString& jetSql, const QLocale& locale, QString* error = nullptr);

    const QStringList& code() const { return m_code; }
    const QList<JetLiteral>& literals() const { return m_literals; }
    // The first word in upper case: SELECT, INSERT, CREATE …
    QString verb() const;
    // Schema statements: their literals are the program's own constants and engines take no bound
    // values there.
    bool definesSchema() const;

    // One code piece with every [bracketed name] (brackets as written, the closing one missing at an
    // unclosed end) replaced by `name`'s answer and every word by `word`'s; the rest stays as it is.
    // An engine's dialect says only what it writes for a name or a word.
    static QString rewriteCode(const QString& code, const std::function<QString(QStringView bracketed)>& name,
                               const std::function<QString(QStringView word)>& word);

private:
    qsizetype takeText(const QString& sql, qsizetype from, QString* error);
    qsizetype takeDate(const QString& sql, qsizetype from, const QLocale& locale, QString* error);
    void addLiteral(const JetLiteral& literal);

    QStringList m_code{QString()};
    QList<JetLiteral> m_literals;
};
