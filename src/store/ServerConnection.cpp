#include "store/ServerConnection.h"

#include "store/PostgresDialect.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString& driverName()
{
    static const QString name = QStringLiteral("QPSQL");
    return name;
}

} // namespace

bool ServerConnection::driverAvailable()
{
    return QSqlDatabase::isDriverAvailable(driverName());
}

ServerConnection::Failure ServerConnection::classify(const QString& detail)
{
    static const char* const refusals[] = {"authentication", "role ", "pg_hba", "password", "permission denied",
                                           "does not exist"};
    for (const char* word : refusals) {
        if (detail.contains(QLatin1String(word), Qt::CaseInsensitive))
            return Failure::LoginRefused;
    }
    return Failure::Unreachable;
}

ServerConnection::Failure ServerConnection::connect(const QString& connectionName, const ServerAddress& address,
                                                    QString* error)
{
    if (!driverAvailable()) {
        if (error)
            *error = tr("Cannot use the %1: this computer lacks the PostgreSQL driver (package libqt6sql6-psql).")
                         .arg(address.describe());
        return Failure::NoDriver;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), connectionName);
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setDatabaseName(address.database);
    db.setUserName(address.user);
    // A dead server must not freeze the program for minutes.
    db.setConnectOptions(QStringLiteral("connect_timeout=5;application_name=tallywick"));
    if (db.open()) {
        QSqlQuery setup(db);
        setup.exec(QStringLiteral("SET client_min_messages TO warning"));
        return Failure::None;
    }
    // libpq's text runs over several lines; the message is one.
    const QString detail = db.lastError().text().simplified();
    const Failure failure = classify(detail);
    if (error) {
        *error = failure == Failure::LoginRefused
                     ? tr("The database server refused the %1: %2").arg(address.describe(), detail)
                     : tr("The database server for the %1 cannot be reached: %2").arg(address.describe(), detail);
    }
    return failure;
}

bool ServerConnection::hasTables(const QSqlDatabase& db)
{
    QSqlQuery tables(db);
    if (!tables.exec(PostgresDialect::tableProbe()))
        return false;
    int found = 0;
    while (tables.next())
        ++found;
    return found == 2;
}

QString ServerConnection::missingTablesMessage(const ServerAddress& address)
{
    return tr("The %1 does not hold the program's tables. Create them with: tallywick-cli --db %2 init")
        .arg(address.describe(), address.toUrl());
}
