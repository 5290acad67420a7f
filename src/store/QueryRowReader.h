#pragma once

#include "store/RowReader.h"

#include <QSqlQuery>
#include <QVarLengthArray>

// The rows of a statement already run through QtSql (the server's engine).
class QueryRowReader : public RowReader
{
public:
    explicit QueryRowReader(QSqlQuery&& query) : m_query(std::move(query)) {}

    bool next() override;
    QString error() const override;
    Kind kind(int column) const override;
    QStringView text(int column) override;
    qint64 integer(int column) override { return m_query.value(column).toLongLong(); }
    double real(int column) override { return m_query.value(column).toDouble(); }
    QVariant value(int column) override { return m_query.value(column); }

private:
    QSqlQuery m_query;
    QVarLengthArray<QString, 8> m_texts; // what text() handed out for the current row
};
