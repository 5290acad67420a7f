#include "cli/CliCompactCommand.h"

#include "core/AppPaths.h"
#include "cli/CliContext.h"
#include "store/CompactCommand.h"
#include "store/Database.h"

int runCompactCommand(CliContext& context)
{
    if (!context.arguments.isEmpty())
        return context.usage(QStringLiteral("compact takes no arguments."));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    CompactCommand compact(*database, *context.dialogs, AppPaths::dataFolder());
    return compact.run().outcome == CompactCommand::Outcome::Compacted ? ExitDone : ExitFailure;
}
