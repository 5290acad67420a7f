#pragma once

#include <QString>
#include <QStringList>

// What the program's statements need to read the same on a PostgreSQL server as on the local file.
// Names are written unquoted and so fold to lower case on the server; a bracketed name or the column
// Default (a keyword there too) is quoted in lower case to meet them. Text columns are citext with
// the "C" collation: compared and sorted without regard to ASCII case, exactly as NOCASE does.
class PostgresDialect
{
public:
    // One piece of statement code (no literals in it) in the server's words.
    static QString translateCode(const QString& code, bool schema);
    // The whole statement, placeholders in: derived tables get the alias the server insists on;
    // schema statements get the server's column types.
    static QString finish(const QString& sql, bool schema);

    // Everything an empty server database needs, in order, as the program's own statements.
    static QStringList createStatements();
    // Takes a lock held until the transaction ends, on one lower-cased document number (bound value).
    static QString numberLockStatement();
    // Takes the one lock, held until the transaction ends, that schema upgrades run under. It lives in
    // the two-key space of advisory locks, apart from the numbers' one-key locks.
    static QString schemaLockStatement();
    // The channel desks announce saved and deleted numbers on, and the statement that announces one
    // (bound value; delivered when the transaction commits).
    static QString changeChannel();
    static QString changeNoticeStatement();
    // Names of the program's tables present in the current schema, for a check that they are there.
    static QString tableProbe();
    // Names of the indexes the document table has in the current schema.
    static QString indexProbe();

private:
    static QString aliasDerivedTables(const QString& sql);
    static QString schemaTypes(const QString& sql);
};
