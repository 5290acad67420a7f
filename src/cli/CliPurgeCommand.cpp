#include "cli/CliPurgeCommand.h"

#include "core/AppPaths.h"
#include "core/SettingsStore.h"
#include "cli/CliContext.h"
#include "store/CompactCommand.h"
#include "store/Database.h"
#include "store/PurgeCommand.h"

int runPurgeCommand(CliContext& context)
{
    if (context.arguments.size() != 2)
        return context.usage(QStringLiteral("purge needs two dates: purge FROM TO (yyyy-mm-dd)"));
    const QDate from = QDate::fromString(context.arguments.at(0), Qt::ISODate);
    const QDate to = QDate::fromString(context.arguments.at(1), Qt::ISODate);
    if (!from.isValid() || !to.isValid())
        return context.usage(QStringLiteral("purge needs two dates written yyyy-mm-dd."));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    bool compactFailed = false;
    PurgeCommand purge(*database, *context.dialogs);
    purge.setDateFormat(context.settings().get(SettingsStore::DateFormat));
    purge.setHooks({[&] {
                        CompactCommand compact(*database, *context.dialogs, AppPaths::dataFolder());
                        compactFailed = compact.run().outcome != CompactCommand::Outcome::Compacted;
                    },
                    {},
                    {}});
    const PurgeCommand::Result result = purge.run(from, to);
    switch (result.outcome) {
    case PurgeCommand::Outcome::Purged:
        return compactFailed ? ExitFailure : ExitDone;
    case PurgeCommand::Outcome::Cancelled:
        return compactFailed ? ExitFailure : ExitRefused;
    case PurgeCommand::Outcome::Failed:
        break;
    }
    return ExitFailure;
}
