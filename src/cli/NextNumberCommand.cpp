#include "cli/NextNumberCommand.h"

#include "cli/CliContext.h"
#include "documents/NumberSeries.h"
#include "editor/AutoNumber.h"
#include "store/Database.h"

int runNextNumberCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("next-number needs one document type: next-number TYPE"));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    QString number = NumberSeries(*database).nextNumber(context.arguments.first(), QDate::currentDate());
    if (number.isEmpty())
        number = AutoNumber::propose();
    context.out << number << '\n' << Qt::flush;
    return ExitDone;
}
