#pragma once

#include <QCoreApplication>

#include "store/JetSqlTranslator.h"
#include "store/ServerAddress.h"

#include <QList>
#include <QSqlRecord>
#include <QString>

#include <functional>
#include <memory>

class RowReader;

class QObject;
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
    enum class OpenStatus { Opened, Missing, NotADatabase, Locked, MissingTables, ServerUnavailable };
    // The engine's errors have no number of their own; the messages show the one ADO reported for them.
    static constexpr qint64 ErrorNumber = -2147467259;

    explicit Database(const QLocale& locale = QLocale());
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file, or a server given as postgresql://user@host:port/dbname, and checks that
    // it is a whole database of this program.
    OpenStatus open(const QString& path, QString* error = nullptr);
    // Creates a new file with both tables and the default company row. Fails on an existing file; on a
    // server, fails when the tables are there already.
    bool create(const QString& path, QString* error = nullptr);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    // On a shared server rather than a local file: no file operations (compaction, backups) there.
    bool isServer() const { return m_translator.dialect() == JetSqlTranslator::Dialect::Postgres; }
    QString connectionName() const { return m_connectionName; }
    // The regional format the statements' date literals are read with.
    QLocale locale() const { return m_translator.locale(); }

    // The table's column names as the engine reports them (lower case on a server); empty if none.
    QStringList columnNames(const QString& table) const;

    SqlResult execute(const QString& jetSql);
    SqlResult query(const QString& jetSql);
    // A query whose rows are handed to `visit` one by one and not kept (large lists); `visit`
    // returns false to stop early.
    SqlResult forEachRow(const QString& jetSql, const std::function<bool(const QSqlQuery&)>& visit);

    // The same as a reader of typed columns, forward only; nothing, with `error` set, on failure.
    std::unique_ptr<RowReader> readRows(const QString& jetSql, QString* error = nullptr);

    bool beginTransaction();
    bool commit();
    bool rollback();
    // Inside a transaction: waits until no other connection saves or deletes this number (in any
    // case) and keeps others waiting until this transaction ends. The local file locks as a whole.
    bool lockNumber(const QString& number);
    // Inside a transaction: waits until no other connection upgrades the schema and keeps the others
    // waiting until this transaction ends. The local file locks as a whole.
    bool lockSchema();

    // Tells the other desks on a server that this number's documents changed (delivered when the
    // transaction, if any, commits); empty for "reload everything". Nothing to tell on a local file.
    bool announceChange(const QString& number);
    // Calls `changed` with the number another desk announced, while `context` lives; false when
    // nothing can be watched (a local file, or a server that refuses).
    bool watchChanges(QObject* context, std::function<void(const QString& number)> changed);
    // A number that changes whenever another program commits a change to the local file; -1 on a
    // server (whose changes are announced) or when it cannot be read.
    qint64 othersChangeCount();

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
    OpenStatus openServer(const QString& url, QString* error);
    bool createOnServer(const QString& url, QString* error);
    OpenStatus upgrade(QString* error);

    JetSqlTranslator m_translator;
    QString m_connectionName;
    QString m_path;
    int m_failAfter = 0;
};
