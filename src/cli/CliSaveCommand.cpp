#include "cli/CliSaveCommand.h"

#include "cli/CliContext.h"
#include "cli/CliDocumentFile.h"
#include "documents/SaveCommand.h"
#include "editor/TotalsCalculator.h"
#include "store/Database.h"

int runSaveCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("save needs one document file: save DOC.json"));
    int exitCode = ExitDone;
    std::optional<Document> read = CliDocumentFile::read(context, context.arguments.first(), exitCode);
    if (!read)
        return exitCode;
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    Document& document = *read;
    // A window's totals always stand as its last calculation left them; a document read from a
    // file has had none, so it gets one before the checks compare paid and total.
    TotalsCalculator::DoSum(document, context.locale);

    SaveCommand save(*database, *context.dialogs, context.locale);
    const SaveCommand::Result result = save.save(document);
    switch (result.outcome) {
    case SaveCommand::Outcome::Saved:
        return ExitDone;
    case SaveCommand::Outcome::Refused:
        return ExitRefused;
    case SaveCommand::Outcome::Failed:
        break;
    }
    return context.failure(QStringLiteral("The document was not saved: %1").arg(result.error));
}
