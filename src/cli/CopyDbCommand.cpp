#include "cli/CopyDbCommand.h"

#include "cli/CliContext.h"
#include "store/Database.h"
#include "store/DatabaseCopy.h"
#include "store/ServerAddress.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CopyDbCommand", text);
}

// The target opened, or created when it is a missing file or a server database without the tables.
bool openTarget(Database& target, const QString& location, QString& error)
{
    const bool server = ServerAddress::looksLikeUrl(location);
    if (!server && !QFileInfo::exists(location))
        return target.create(location, &error);
    const Database::OpenStatus status = target.open(location, &error);
    if (status == Database::OpenStatus::MissingTables && server)
        return target.create(location, &error);
    return status == Database::OpenStatus::Opened;
}

} // namespace

int runCopyDbCommand(CliContext& context)
{
    if (context.arguments.size() != 2)
        return context.usage(tr("copy-db needs FROM and TO (a database file or postgresql://user@host:port/dbname)."));
    const QString fromLocation = context.arguments.at(0);
    const QString toLocation = context.arguments.at(1);
    Database from(context.locale);
    QString error;
    if (from.open(fromLocation, &error) != Database::OpenStatus::Opened)
        return context.failure(error);
    Database to(context.locale);
    if (!openTarget(to, toLocation, error))
        return context.failure(error);
    const qint64 existing = DatabaseCopy::documentRows(to);
    if (existing != 0 && !context.yes) {
        context.err << tr("%1 already holds documents (%2 rows). Add --yes to replace them with the copy.")
                           .arg(to.path())
                           .arg(existing)
                    << Qt::endl;
        return ExitRefused;
    }
    const DatabaseCopy::Result copied = DatabaseCopy::run(from, to);
    if (!copied.ok)
        return context.failure(copied.error);
    context.out << tr("Copied %1 document rows, the company profile and the number series into %2").arg(copied.documentRows).arg(to.path())
                << Qt::endl;
    return ExitDone;
}
