#pragma once

#include <QString>
#include <QStringList>

class Database;

// The distinct non-empty values of one tbldoc column (customer names, product IDs), most recently
// saved first, read once and then matched in memory on every key press.
class NameMemory
{
public:
    enum class Kind { Customers, Products };

    NameMemory(Database& database, Kind kind) : m_database(database), m_kind(kind) {}

    // Reads the names again; false with `error` on a database failure (the old list stays).
    bool load(QString* error = nullptr);
    // Reads them again only when rows were saved or deleted since the last reading (a cheap check).
    bool refresh(QString* error = nullptr);
    const QStringList& names() const { return m_names; }
    // The names holding `typed` anywhere, without regard to case, most recent first; at most `limit`.
    QStringList matching(const QString& typed, int limit = 50) const;

    static QString statement(Kind kind);

private:
    Database& m_database;
    Kind m_kind;
    QStringList m_names;
    QString m_stamp;  // the table's highest ID and row count at the last reading
};
