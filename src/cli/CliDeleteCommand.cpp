#include "cli/CliDeleteCommand.h"

#include "cli/CliContext.h"
#include "documents/DeleteCommand.h"
#include "store/Database.h"

int runDeleteCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("delete needs one document number: delete NUMBER"));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    DeleteCommand command(*database, *context.dialogs);
    const DeleteCommand::Result result = command.remove(context.arguments.first());
    switch (result.outcome) {
    case DeleteCommand::Outcome::Deleted:
        return ExitDone;
    case DeleteCommand::Outcome::Refused:
        return ExitRefused;
    case DeleteCommand::Outcome::Failed:
        break;
    }
    return ExitFailure;
}
