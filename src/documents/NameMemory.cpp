#include "documents/NameMemory.h"

#include "store/Database.h"

#include <QSqlQuery>

QString NameMemory::statement(Kind kind)
{
    // The (column, ID) index answers the customers without reading the table's rows.
    return kind == Kind::Customers
               ? QStringLiteral("SELECT CompanyName, MAX(ID) AS LastID FROM tbldoc WHERE CompanyName <> '' "
                                "GROUP BY CompanyName ORDER BY LastID DESC")
               // New rows hold their row number as product ID until the user types one: not a product.
               : QStringLiteral("SELECT ProductID, MAX(ID) AS LastID FROM tbldoc WHERE ProductID <> '' "
                                "AND ProductID <> CAST(Serial AS TEXT) GROUP BY ProductID ORDER BY LastID DESC");
}

bool NameMemory::refresh(QString* error)
{
    const SqlResult stamp = m_database.query(QStringLiteral("SELECT MAX(ID), COUNT(*) FROM tbldoc"));
    if (!stamp.ok || stamp.records.isEmpty())
        return load(error);
    const QString now = stamp.records.first().value(0).toString() + QLatin1Char('/')
                        + stamp.records.first().value(1).toString();
    if (now == m_stamp)
        return true;
    if (!load(error))
        return false;
    m_stamp = now;
    return true;
}

bool NameMemory::load(QString* error)
{
    QStringList names;
    const SqlResult done = m_database.forEachRow(statement(m_kind), [&names](const QSqlQuery& query) {
        names.append(query.value(0).toString());
        return true;
    });
    if (!done.ok) {
        if (error)
            *error = done.error;
        return false;
    }
    m_names = names;
    return true;
}

QStringList NameMemory::matching(const QString& typed, int limit) const
{
    QStringList found;
    const QString wanted = typed.trimmed();
    for (const QString& name : m_names) {
        if (found.size() >= limit)
            break;
        if (name.contains(wanted, Qt::CaseInsensitive))
            found.append(name);
    }
    return found;
}
