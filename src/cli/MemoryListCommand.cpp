#include "cli/MemoryListCommand.h"

#include "cli/CliContext.h"
#include "documents/NameMemory.h"
#include "store/Database.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

int printNames(CliContext& context, NameMemory::Kind kind, const QString& command)
{
    if (!context.arguments.isEmpty())
        return context.usage(QStringLiteral("%1 takes no arguments").arg(command));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    NameMemory memory(*database, kind);
    QString error;
    if (!memory.load(&error))
        return context.failure(error);
    context.out << QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(memory.names())).toJson())
                << Qt::flush;
    return ExitDone;
}

} // namespace

int runCustomersCommand(CliContext& context)
{
    return printNames(context, NameMemory::Kind::Customers, QStringLiteral("customers"));
}

int runProductsCommand(CliContext& context)
{
    return printNames(context, NameMemory::Kind::Products, QStringLiteral("products"));
}
