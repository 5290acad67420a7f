#pragma once

#include "store/RowReader.h"

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// The rows of a statement stepped straight on the connection QtSql opened, converted exactly as its
// SQLite driver converts them.
class SqliteRowReader : public RowReader
{
public:
    SqliteRowReader(const SqliteRowReader&) = delete;
    SqliteRowReader& operator=(const SqliteRowReader&) = delete;
    ~SqliteRowReader() override;

    // Nothing, with `error` set, when the statement cannot be prepared or a value cannot be bound
    // (only texts, numbers and nulls are).
    static std::unique_ptr<SqliteRowReader> prepare(sqlite3* connection, const QString& sql,
                                                    const QVariantList& values, QString* error);

    bool next() override;
    QString error() const override { return m_error; }
    Kind kind(int column) const override;
    QStringView text(int column) override;
    qint64 integer(int column) override;
    double real(int column) override;
    QVariant value(int column) override;

private:
    SqliteRowReader(sqlite3* connection, sqlite3_stmt* statement)
        : m_connection(connection), m_statement(statement)
    {
    }
    bool bind(const QVariantList& values);

    sqlite3* m_connection;
    sqlite3_stmt* m_statement;
    QString m_error;
};
