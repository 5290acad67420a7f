#include "cli/CliInitCommand.h"

#include "cli/CliContext.h"
#include "store/Database.h"

#include <QCoreApplication>

int runInitCommand(CliContext& context)
{
    if (!context.arguments.isEmpty())
        return context.usage(QCoreApplication::translate("CliInitCommand", "init takes no arguments."));
    if (context.databasePath.isEmpty())
        return context.usage(QCoreApplication::translate("CliInitCommand", "init needs --db with the database to create."));
    Database database(context.locale);
    QString error;
    if (!database.create(context.databasePath, &error))
        return context.failure(error);
    context.out << QCoreApplication::translate("CliInitCommand", "Created the tables in %1").arg(database.path())
                << Qt::endl;
    return ExitDone;
}
