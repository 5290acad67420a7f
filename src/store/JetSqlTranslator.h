#pragma once

#include <QCoreApplication>

#include <QLocale>
#include <QString>
#include <QVariantList>

#include <optional>

// A statement as the engine runs it: the text, with a ? wherever a value goes, and the values.
struct BoundStatement
{
    QString sql;
    QVariantList values;

    bool operator==(const BoundStatement&) const = default;
};

// The program writes its statements in the Jet dialect of its original file format. This is the one
// place that turns them into what the embedded engine understands:
//  - every text and #date# literal leaves the text and becomes a bound value (dates as 'yyyy-MM-dd'
//    texts), so that no value can ever be read as part of a statement;
//  - the column name Default, a keyword here, is quoted (in schema statements DEFAULT is the
//    keyword; the column is written [Default] there);
//  - MEMO is TEXT;
//  - ALTER TABLE t ALTER COLUMN c ... becomes a statement that only checks that the column exists,
//    since every column here already holds text of any length and may be null.
// Schema statements keep their literals in the text (the engine binds nothing there); they only ever
// hold the program's own constants. On a PostgreSQL server the code is written in its words instead
// (see PostgresDialect); the literals are handled alike.
class JetSqlTranslator
{
    Q_DECLARE_TR_FUNCTIONS(JetSqlTranslator)

public:
    enum class Dialect { Sqlite, Postgres };

    explicit JetSqlTranslator(const QLocale& locale = QLocale(), Dialect dialect = Dialect::Sqlite)
        : m_locale(locale), m_dialect(dialect)
    {
    }

    // Nothing, with `error` set, when a literal cannot be read.
    std::optional<BoundStatement> translate(const QString& jetSql, QString* error = nullptr) const;
    QLocale locale() const { return m_locale; }
    Dialect dialect() const { return m_dialect; }
    void setDialect(Dialect dialect) { m_dialect = dialect; }

private:
    QString translateCode(const QString& code, bool schema) const;
    static QString sqliteCode(const QString& code, bool schema);
    QString translateAlterColumn(const QString& jetSql) const;

    QLocale m_locale;
    Dialect m_dialect = Dialect::Sqlite;
};
