#include "cli/CalcCommand.h"

#include "cli/CliContext.h"
#include "cli/CliDocumentFile.h"
#include "editor/DocumentJson.h"
#include "editor/TotalsCalculator.h"

int runCalcCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("calc takes one document file."));
    int exitCode = ExitDone;
    std::optional<Document> read = CliDocumentFile::read(context, context.arguments.first(), exitCode);
    if (!read)
        return exitCode;
    Document& document = *read;
    const TotalsCalculator::Result result = TotalsCalculator::DoSum(document, context.locale);
    if (!result.ok) {
        context.err << result.error << Qt::endl;
        return ExitRefused;
    }
    context.out << QString::fromUtf8(DocumentJson::write(document)) << Qt::flush;
    return ExitDone;
}
