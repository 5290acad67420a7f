#pragma once

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

#include <memory>

// A throwaway PostgreSQL cluster in a temporary folder, reached only through its Unix socket there.
// The server programs refuse to run as root, so for a root test run they run as the `postgres` user.
// It is stopped when the object goes, whatever the tests did; a watchdog stops it should the test
// program die without that.
class PgTestServer
{
public:
    PgTestServer() = default;
    PgTestServer(const PgTestServer&) = delete;
    PgTestServer& operator=(const PgTestServer&) = delete;
    ~PgTestServer() { stop(); }

    // False with the reason (for QSKIP) when the server or its driver is not installed, or it would not start.
    bool start(QString* reason)
    {
        const QString initdb = findProgram(QStringLiteral("initdb"));
        m_pgCtl = findProgram(QStringLiteral("pg_ctl"));
        if (initdb.isEmpty() || m_pgCtl.isEmpty())
            return fail(reason, QStringLiteral("skipped: PostgreSQL not installed"));
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
            return fail(reason, QStringLiteral("skipped: the PostgreSQL driver (libqt6sql6-psql) is not installed"));
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/twpg-XXXXXX"));
        if (!m_dir->isValid() || !handOver(m_dir->path()))
            return fail(reason, QStringLiteral("cannot prepare a folder for the test server"));
        const QString data = m_dir->filePath(QStringLiteral("data"));
        if (!runAsOwner(initdb, {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
                                 QStringLiteral("--auth=trust"), QStringLiteral("--no-locale"), QStringLiteral("-E"),
                                 QStringLiteral("UTF8"), QStringLiteral("--no-sync")}))
            return fail(reason, QStringLiteral("initdb failed: ") + m_lastOutput);
        const QString options = QStringLiteral("-k %1 -p 5432 -F -c listen_addresses='' -c max_connections=40 "
                                               "-c shared_buffers=16MB")
                                    .arg(m_dir->path());
        if (!runAsOwner(m_pgCtl, {QStringLiteral("-D"), data, QStringLiteral("-l"),
                                  m_dir->filePath(QStringLiteral("server.log")), QStringLiteral("-o"), options,
                                  QStringLiteral("-w"), QStringLiteral("start")}))
            return fail(reason, QStringLiteral("the test server did not start: ") + m_lastOutput);
        m_running = true;
        startWatchdog(data);
        return true;
    }

    void stop()
    {
        if (!m_running)
            return;
        m_running = false;
        runAsOwner(m_pgCtl, {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-m"),
                             QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
    }

    // A new empty database on the server; its address for the program.
    QString createDatabase()
    {
        const QString name = QStringLiteral("tw%1").arg(++m_databases);
        {
            QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pg-test-admin"));
            admin.setHostName(m_dir->path());
            admin.setPort(5432);
            admin.setUserName(QStringLiteral("postgres"));
            admin.setDatabaseName(QStringLiteral("postgres"));
            if (admin.open())
                QSqlQuery(admin).exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            admin.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("pg-test-admin"));
        return url(name);
    }

    QString url(const QString& database) const
    {
        return QStringLiteral("postgresql://postgres@%1:5432/%2")
            .arg(QString::fromUtf8(QUrl::toPercentEncoding(m_dir->path())), database);
    }

private:
    static bool fail(QString* reason, const QString& text)
    {
        if (reason)
            *reason = text;
        return false;
    }

    static QString findProgram(const QString& name)
    {
        QStringList dirs;
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                         .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        for (const QString& version : versions)
            dirs << QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
        const QString found = QStandardPaths::findExecutable(name, dirs);
        return found.isEmpty() ? QStandardPaths::findExecutable(name) : found;
    }

    static bool asRoot() { return ::geteuid() == 0; }

    static bool handOver(const QString& path)
    {
        if (!asRoot())
            return true;
        const passwd* owner = ::getpwnam("postgres");
        return owner && ::chown(QFile::encodeName(path).constData(), owner->pw_uid, owner->pw_gid) == 0;
    }

    bool runAsOwner(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(m_dir->path());
        if (asRoot())
            process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                                                 QStringLiteral("--"), program}
                                                         + arguments);
        else
            process.start(program, arguments);
        const bool done = process.waitForFinished(120000);
        m_lastOutput = QString::fromLocal8Bit(process.readAll()).right(2000);
        return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    void startWatchdog(const QString& data)
    {
        const QString script = QStringLiteral("while [ -d /proc/%1 ]; do sleep 1; done; '%2' -D '%3' -m immediate stop "
                                              ">/dev/null 2>&1")
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(m_pgCtl, data);
        const QStringList command = asRoot() ? QStringList{QStringLiteral("runuser"), QStringLiteral("-u"),
                                                           QStringLiteral("postgres"), QStringLiteral("--"),
                                                           QStringLiteral("sh"), QStringLiteral("-c"), script}
                                             : QStringList{QStringLiteral("sh"), QStringLiteral("-c"), script};
        QProcess::startDetached(command.first(), command.mid(1));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pgCtl;
    QString m_lastOutput;
    bool m_running = false;
    int m_databases = 0;
};
