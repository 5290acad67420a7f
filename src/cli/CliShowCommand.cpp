#include "cli/CliShowCommand.h"

#include "cli/CliContext.h"
#include "documents/OpenCommand.h"
#include "editor/DocumentJson.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"

int runShowCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("show needs one document number: show NUMBER"));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    Document current;
    QString error;
    if (!CompanyRepository(*database).loadInto(current.company, &error))
        return context.failure(error);
    current.letterhead = Letterhead::fromSettings(context.settings());

    OpenCommand open(*database, *context.dialogs, context.locale);
    const OpenCommand::Result result = open.open(context.arguments.first(), current, false);
    switch (result.outcome) {
    case OpenCommand::Outcome::Opened:
        context.out << QString::fromUtf8(DocumentJson::write(result.document)) << Qt::flush;
        return ExitDone;
    case OpenCommand::Outcome::Failed:
        return ExitFailure;
    case OpenCommand::Outcome::Ignored:
        context.err << QStringLiteral("There is no record of this document number.") << Qt::endl;
        return ExitRefused;
    case OpenCommand::Outcome::NotFound:
    case OpenCommand::Outcome::Cancelled:
        break;
    }
    return ExitRefused;
}
