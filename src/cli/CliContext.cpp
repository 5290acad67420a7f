#include "cli/CliContext.h"

#include "core/AppPaths.h"
#include "core/SettingsStore.h"
#include "store/Database.h"
#include "store/DatabaseOpener.h"

#include <cstdio>

DialogAnswer CliDialogs::ask(const DialogRequest& request)
{
    QTextStream err(stderr);
    err << request.text << Qt::endl;
    return ScriptedDialogs::ask(request);
}

CliContext::CliContext() : out(stdout), err(stderr) {}

CliContext::~CliContext() = default;

SettingsStore& CliContext::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<SettingsStore>();
    return *m_settings;
}

QString CliContext::resolvedDatabasePath()
{
    if (!databasePath.isEmpty())
        return databasePath;
    return DatabaseOpener::choosePath(settings().get(SettingsStore::CompanyDatabase), AppPaths::defaultDatabase());
}

Database* CliContext::database()
{
    if (m_database)
        return m_database.get();
    auto database = std::make_unique<Database>(locale);
    bool ok = false;
    if (databasePath.isEmpty()) {
        QString message;
        QString notice;
        ok = DatabaseOpener::open(*database, settings(), AppPaths::defaultDatabase(), &message, &notice);
        if (!notice.isEmpty())
            err << notice.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << Qt::endl;
        if (!ok && !message.isEmpty() && message != DatabaseOpener::missingOrLockedMessage())
            err << message.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << Qt::endl;
    } else {
        QString error;
        ok = database->open(databasePath, &error) == Database::OpenStatus::Opened;
        // A server's trouble names the server; the standing message would only mislead there.
        if (!ok && ServerAddress::looksLikeUrl(databasePath)) {
            err << error << Qt::endl;
            return nullptr;
        }
    }
    if (!ok) {
        err << DatabaseOpener::missingOrLockedMessage() << Qt::flush;
        return nullptr;
    }
    m_database = std::move(database);
    return m_database.get();
}

int CliContext::usage(const QString& message)
{
    err << message << Qt::endl;
    return ExitUsage;
}

int CliContext::failure(const QString& message)
{
    err << message << Qt::endl;
    return ExitFailure;
}
