#pragma once

#include <QCoreApplication>

#include "store/JetSqlTranslator.h"

#include <QList>
#include <QSqlRecord>
#include <QString>

#include <functional>

class QSqlQuery;

// Outcome of one statement: ok, or the engine's message. Queries carry their records.
struct SqlResult
{
    bool ok = true;
    QString error;
    QList<QSqlRecord> records;
    qint64 rowsAffected = 0;

    static SqlResult failure(const QString& message)
    {
        SqlResult result;
        result.ok = false;
        result.error = message;
        return result;
    }
};

// The program's connection to its database file. Statements are given in the program's own SQL
// dialect and translated here, their values bound rather than written into the text; nothing
// outside the store knows the engine.
class Database
{
    Q_DECLARE_TR_FUNCTIONS(Database)

public:
    enum class OpenStatus { Opened, Missing, NotADatabase, Locked, MissingTables };
    // The engine's errors have no number of their own; the messages show the one ADO reported for them.
    static constexpr qint64 ErrorNumber = -2147467259;

    explicit Database(const QLocale& locale = QLocale());
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file and checks that it is a whole database of this program.
    OpenStatus open(const QString& path, QString* error = nullptr);
    // Creates a new file with both tables and the default company row. Fails on an existing file.
    bool create(const QString& path, QString* error = nullptr);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QString connectionName() const { return m_connectionName; }
    // The regional format the statements' date literals are read with.
    QLocale locale() const { return m_translator.locale(); }

    SqlResult execute(const QString& jetSql);
    SqlResult query(const QString& jetSql);
    // A query whose rows are handed to `visit` one by one and not kept (large lists); `visit`
    // returns false to stop early.
    SqlResult forEachRow(const QString& jetSql, const std::function<bool(const QSqlQuery&)>& visit);

    bool beginTransaction();
    bool commit();
    bool rollback();

    // Test hook: the statement with this ordinal (1-based, counted from now) fails as if the disk did.
    void failStatementAfter(int count) { m_failAfter = count; }

    // A whole-file copy of the open database into `target` (compaction); the target must not exist.
    bool compactInto(const QString& target, QString* error = nullptr);

    static bool looksLikeSqliteFile(const QString& path);

private:
    SqlResult run(const QString& jetSql, bool collectRecords,
                  const std::function<bool(const QSqlQuery&)>* visit = nullptr);
    static bool runBound(QSqlQuery& statement, const BoundStatement& bound);
    bool hasTables();
    void ensureIndexes();

    JetSqlTranslator m_translator;
    QString m_connectionName;
    QString m_path;
    int m_failAfter = 0;
};
