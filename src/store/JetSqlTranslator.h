#pragma once

#include <QCoreApplication>

#include <QLocale>
#include <QString>

// The program writes its statements in the Jet dialect of its original file format. This is the one
// place that turns them into what the embedded engine understands:
//  - #date# literals (day-month-year text or the locale's short date) become 'yyyy-MM-dd' texts;
//  - the column name Default, a keyword here, is quoted;
//  - MEMO is TEXT;
//  - ALTER TABLE t ALTER COLUMN c ... becomes a statement that only checks that the column exists,
//    since every column here already holds text of any length and may be null.
// String literals pass through untouched, whatever they hold.
class JetSqlTranslator
{
    Q_DECLARE_TR_FUNCTIONS(JetSqlTranslator)

public:
    explicit JetSqlTranslator(const QLocale& locale = QLocale()) : m_locale(locale) {}

    // The translated statement; empty with `error` set when a date literal cannot be read.
    QString translate(const QString& jetSql, QString* error = nullptr) const;
    QLocale locale() const { return m_locale; }

private:
    QString translateAlterColumn(const QString& jetSql) const;

    QLocale m_locale;
};
