#include "cli/CalcCommand.h"

#include "app/SettingsStore.h"
#include "cli/CliContext.h"
#include "editor/DocumentJson.h"
#include "editor/TotalsCalculator.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"

#include <QFile>

namespace {

// The tax name, rate and currency of a document that names no company are the default company's.
bool takeDefaultCompany(CliContext& context, Document& document)
{
    Database* database = context.database();
    if (!database)
        return false;
    QString error;
    if (!CompanyRepository(*database).loadInto(document.company, &error)) {
        context.failure(error);
        return false;
    }
    return true;
}

} // namespace

int runCalcCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(QStringLiteral("calc takes one document file."));
    QFile file(context.arguments.first());
    if (!file.open(QIODevice::ReadOnly))
        return context.failure(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
    DocumentJson::ReadResult read = DocumentJson::read(file.readAll());
    if (!read.ok)
        return context.usage(read.error);
    Document& document = read.document;
    if (!read.hasCompany && !takeDefaultCompany(context, document))
        return ExitFailure;
    if (!read.hasLetterhead)
        document.letterhead = Letterhead::fromSettings(context.settings());
    const TotalsCalculator::Result result = TotalsCalculator::DoSum(document, context.locale);
    if (!result.ok) {
        context.err << result.error << Qt::endl;
        return ExitRefused;
    }
    context.out << QString::fromUtf8(DocumentJson::write(document)) << Qt::flush;
    return ExitDone;
}
