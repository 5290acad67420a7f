#include "store/Database.h"

#include "store/DatabaseSchema.h"
#include "store/PostgresDialect.h"
#include "store/QueryRowReader.h"
#include "store/SchemaUpgrade.h"
#include "store/ServerConnection.h"
#include "store/SqlText.h"
#include "store/SqliteRowReader.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QRegularExpression>
#include <QSet>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tallywick-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString errorText(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? Database::tr("Unknown database error") : text;
}

bool mentionsLock(const QString& text)
{
    return text.contains(QLatin1String("locked"), Qt::CaseInsensitive)
           || text.contains(QLatin1String("busy"), Qt::CaseInsensitive);
}

} // namespace

Database::Database(const QLocale& locale) : m_translator(locale), m_connectionName(nextConnectionName()) {}

Database::~Database()
{
    close();
}

bool Database::looksLikeSqliteFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

Database::OpenStatus Database::open(const QString& path, QString* error)
{
    close();
    if (ServerAddress::looksLikeUrl(path))
        return openServer(path, error);
    auto fail = [&](OpenStatus status, const QString& message) {
        if (error)
            *error = message;
        close();
        return status;
    };
    if (!QFileInfo(path).isFile())
        return fail(OpenStatus::Missing, Database::tr("No database file at %1").arg(path));
    // SQLite would take an empty or foreign file as a new database and write into it later.
    if (!looksLikeSqliteFile(path))
        return fail(OpenStatus::NotADatabase, Database::tr("%1 is not a database file").arg(path));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    if (!db.open())
        return fail(OpenStatus::Locked, errorText(db.lastError()));
    m_path = path;

    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString message = errorText(probe.lastError());
        return fail(mentionsLock(message) ? OpenStatus::Locked : OpenStatus::NotADatabase, message);
    }
    probe.finish();
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        const QString message = errorText(probe.lastError());
        return fail(mentionsLock(message) ? OpenStatus::Locked : OpenStatus::NotADatabase, message);
    }
    probe.exec(QStringLiteral("ROLLBACK"));
    if (!hasTables())
        return fail(OpenStatus::MissingTables, Database::tr("%1 does not hold the program's tables").arg(path));
    return upgrade(error);
}

Database::OpenStatus Database::upgrade(QString* error)
{
    QString upgradeError;
    if (!SchemaUpgrade::run(*this, &upgradeError)) {
        if (error)
            *error = upgradeError;
        close();
        return OpenStatus::Locked;
    }
    ensureIndexes();
    return OpenStatus::Opened;
}

Database::OpenStatus Database::openServer(const QString& url, QString* error)
{
    const std::optional<ServerAddress> address = ServerAddress::parse(url, error);
    if (!address)
        return OpenStatus::ServerUnavailable;
    m_translator.setDialect(JetSqlTranslator::Dialect::Postgres);
    if (ServerConnection::connect(m_connectionName, *address, error) != ServerConnection::Failure::None) {
        close();
        return OpenStatus::ServerUnavailable;
    }
    m_path = address->toUrl();
    if (!ServerConnection::hasTables(QSqlDatabase::database(m_connectionName, false))) {
        if (error)
            *error = ServerConnection::missingTablesMessage(*address);
        close();
        return OpenStatus::MissingTables;
    }
    return upgrade(error);
}

bool Database::createOnServer(const QString& url, QString* error)
{
    const std::optional<ServerAddress> address = ServerAddress::parse(url, error);
    if (!address)
        return false;
    m_translator.setDialect(JetSqlTranslator::Dialect::Postgres);
    if (ServerConnection::connect(m_connectionName, *address, error) != ServerConnection::Failure::None) {
        close();
        return false;
    }
    m_path = address->toUrl();
    if (ServerConnection::hasTables(QSqlDatabase::database(m_connectionName, false))) {
        if (error)
            *error = tr("The %1 already holds the program's tables.").arg(address->describe());
        close();
        return false;
    }
    if (!beginTransaction()) {
        if (error)
            *error = tr("The database cannot start a transaction.");
        close();
        return false;
    }
    for (const QString& sql : PostgresDialect::createStatements()) {
        const SqlResult done = execute(sql);
        if (!done.ok) {
            rollback();
            if (error)
                *error = tr("The tables could not be created on the %1: %2").arg(address->describe(), done.error);
            close();
            return false;
        }
    }
    if (!commit()) {
        rollback();
        close();
        return false;
    }
    return upgrade(error) == OpenStatus::Opened;
}

bool Database::hasTables()
{
    QSqlQuery tables(QSqlDatabase::database(m_connectionName, false));
    if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND lower(name) IN "
                                     "('tbldoc', 'tblcompany')")))
        return false;
    int found = 0;
    while (tables.next())
        ++found;
    return found == 2;
}

void Database::ensureIndexes()
{
    // A read-only file keeps working without them, only slower.
    if (isServer()) {
        // Creating an index, even one that is there, waits for every save in progress on the server
        // and holds up the saves behind it: only missing ones are made.
        QSet<QString> present;
        for (const QSqlRecord& record : query(PostgresDialect::indexProbe()).records)
            present.insert(record.value(0).toString().toLower());
        static const QRegularExpression named(QStringLiteral(R"(\bEXISTS\s+(\w+))"), QRegularExpression::CaseInsensitiveOption);
        for (const QString& sql : DatabaseSchema::listIndexStatements()) {
            if (!present.contains(named.match(sql).captured(1).toLower()))
                execute(sql);
        }
        return;
    }
    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    for (const QString& sql : DatabaseSchema::listIndexStatements())
        statement.exec(sql);
}

bool Database::create(const QString& path, QString* error)
{
    close();
    if (ServerAddress::looksLikeUrl(path))
        return createOnServer(path, error);
    if (QFileInfo::exists(path)) {
        if (error)
            *error = Database::tr("%1 already exists").arg(path);
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        bool ok = db.open();
        QString message = ok ? QString() : errorText(db.lastError());
        if (ok) {
            QSqlQuery statement(db);
            QStringList all = DatabaseSchema::createStatements();
            all.prepend(QStringLiteral("BEGIN"));
            all.append(DatabaseSchema::listIndexStatements());
            all.append(DatabaseSchema::defaultCompanyRow());
            for (const QString& sql : all) {
                if (!statement.exec(sql)) {
                    ok = false;
                    message = errorText(statement.lastError());
                    break;
                }
            }
            // The upgrade steps join the same transaction: one commit makes a new file, not one per step.
            statement.finish();
            if (ok && !SchemaUpgrade::run(*this, &message, SchemaUpgrade::InCallersTransaction))
                ok = false;
            if (ok && !statement.exec(QStringLiteral("COMMIT"))) {
                ok = false;
                message = errorText(statement.lastError());
            }
        }
        if (!ok) {
            db.close();
            close();
            QFile::remove(path);
            if (error)
                *error = message;
            return false;
        }
    }
    m_path = path;
    return true;
}

void Database::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_path.clear();
    m_translator.setDialect(JetSqlTranslator::Dialect::Sqlite);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QStringList Database::columnNames(const QString& table) const
{
    QStringList names;
    if (!isOpen())
        return names;
    const QSqlRecord record = QSqlDatabase::database(m_connectionName, false).record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

SqlResult Database::execute(const QString& jetSql)
{
    return run(jetSql, false);
}

SqlResult Database::query(const QString& jetSql)
{
    return run(jetSql, true);
}

SqlResult Database::forEachRow(const QString& jetSql, const std::function<bool(const QSqlQuery&)>& visit)
{
    return run(jetSql, false, &visit);
}

SqlResult Database::run(const QString& jetSql, bool collectRecords, const std::function<bool(const QSqlQuery&)>* visit)
{
    if (!isOpen())
        return SqlResult::failure(Database::tr("The database is not open."));
    if (m_failAfter > 0 && --m_failAfter == 0)
        return SqlResult::failure(QStringLiteral("Simulated disk failure"));
    QString translationError;
    const std::optional<BoundStatement> bound = m_translator.translate(jetSql, &translationError);
    if (!bound)
        return SqlResult::failure(translationError);

    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    statement.setForwardOnly(true);
    if (!runBound(statement, *bound))
        return SqlResult::failure(errorText(statement.lastError()));
    SqlResult result;
    result.rowsAffected = statement.numRowsAffected();
    if (collectRecords) {
        while (statement.next())
            result.records.append(statement.record());
    } else if (visit) {
        while (statement.next() && (*visit)(statement)) {
        }
        if (statement.lastError().isValid())
            return SqlResult::failure(errorText(statement.lastError()));
    }
    return result;
}

std::unique_ptr<RowReader> Database::readRows(const QString& jetSql, QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return nullptr;
    };
    if (!isOpen())
        return fail(Database::tr("The database is not open."));
    if (m_failAfter > 0 && --m_failAfter == 0)
        return fail(QStringLiteral("Simulated disk failure"));
    const std::optional<BoundStatement> bound = m_translator.translate(jetSql, error);
    if (!bound)
        return nullptr;
    const QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    // The local file's rows are stepped on QtSql's own connection, without a QVariant per value.
    const QVariant handle = db.driver()->handle();
    if (!isServer() && handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        if (auto* connection = *static_cast<sqlite3* const*>(handle.constData()))
            return SqliteRowReader::prepare(connection, bound->sql, bound->values, error);
    }
    QSqlQuery statement(db);
    statement.setForwardOnly(true);
    if (!runBound(statement, *bound))
        return fail(errorText(statement.lastError()));
    return std::make_unique<QueryRowReader>(std::move(statement));
}

bool Database::runBound(QSqlQuery& statement, const BoundStatement& bound)
{
    if (bound.values.isEmpty())
        return statement.exec(bound.sql);
    if (!statement.prepare(bound.sql))
        return false;
    for (const QVariant& value : bound.values)
        statement.addBindValue(value);
    return statement.exec();
}

bool Database::beginTransaction()
{
    return isOpen() && QSqlDatabase::database(m_connectionName, false).transaction();
}

bool Database::commit()
{
    return isOpen() && QSqlDatabase::database(m_connectionName, false).commit();
}

bool Database::rollback()
{
    return isOpen() && QSqlDatabase::database(m_connectionName, false).rollback();
}

bool Database::lockNumber(const QString& number)
{
    if (!isServer())
        return isOpen();
    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    return runBound(statement, {PostgresDialect::numberLockStatement(), {number}});
}

bool Database::lockSchema()
{
    if (!isServer())
        return isOpen();
    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    return statement.exec(PostgresDialect::schemaLockStatement());
}

bool Database::announceChange(const QString& number)
{
    if (!isServer())
        return isOpen();
    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    return runBound(statement, {PostgresDialect::changeNoticeStatement(), {number}});
}

qint64 Database::othersChangeCount()
{
    if (!isOpen() || isServer())
        return -1;
    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    if (!statement.exec(QStringLiteral("PRAGMA data_version")) || !statement.next())
        return -1;
    return statement.value(0).toLongLong();
}

bool Database::watchChanges(QObject* context, std::function<void(const QString& number)> changed)
{
    if (!isServer() || !isOpen())
        return false;
    QSqlDriver* driver = QSqlDatabase::database(m_connectionName, false).driver();
    if (!driver || !driver->subscribeToNotification(PostgresDialect::changeChannel()))
        return false;
    QObject::connect(driver, &QSqlDriver::notification, context,
                     [changed = std::move(changed)](const QString& name, QSqlDriver::NotificationSource source,
                                                    const QVariant& payload) {
                         // This desk's own saves are shown by the commands that made them.
                         if (source == QSqlDriver::OtherSource && name == PostgresDialect::changeChannel())
                             changed(payload.toString());
                     });
    return true;
}

bool Database::compactInto(const QString& target, QString* error)
{
    if (!isOpen() || isServer()) {
        if (error)
            *error = isServer() ? Database::tr("A database on a server is not compacted by this program.")
                                : Database::tr("The database is not open.");
        return false;
    }
    QSqlQuery statement(QSqlDatabase::database(m_connectionName, false));
    if (!runBound(statement, {QStringLiteral("VACUUM INTO ?"), {target}})) {
        if (error)
            *error = errorText(statement.lastError());
        return false;
    }
    return true;
}
