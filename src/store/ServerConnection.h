#pragma once

#include <QCoreApplication>
#include <QString>

#include "store/ServerAddress.h"

class QSqlDatabase;

// Opens the connection to a PostgreSQL server and puts what went wrong into one message that names
// the server: not reached, login refused, no such database, or not the program's tables.
class ServerConnection
{
    Q_DECLARE_TR_FUNCTIONS(ServerConnection)

public:
    enum class Failure { None, Unreachable, LoginRefused, NoDriver };

    static bool driverAvailable();
    // Adds and opens the connection `connectionName`; on failure the connection is left added but closed.
    static Failure connect(const QString& connectionName, const ServerAddress& address, QString* error);
    // True when both of the program's tables are there.
    static bool hasTables(const QSqlDatabase& db);
    static QString missingTablesMessage(const ServerAddress& address);

private:
    static Failure classify(const QString& detail);
};
