#pragma once

#include <QCoreApplication>
#include <QString>

class Database;

// Copies every document row, the company profile and the number series from one database into
// another, row for row in their order, on any pair of engines. The target's own are replaced, all or
// nothing.
class DatabaseCopy
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseCopy)

public:
    struct Result
    {
        bool ok = false;
        QString error;
        qint64 documentRows = 0;
    };

    // Rows in the target's document table (-1 when it cannot be read).
    static qint64 documentRows(Database& database);
    static Result run(Database& from, Database& to);

private:
    static bool copyTable(Database& from, Database& to, const QString& table, const QString& order, qint64& rows,
                          QString& error);
    static QString literal(const QVariant& value);
};
