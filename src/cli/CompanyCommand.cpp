#include "cli/CompanyCommand.h"

#include "cli/CliContext.h"
#include "editor/DocumentJson.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QJsonDocument>

int runCompanyCommand(CliContext& context)
{
    if (!context.arguments.isEmpty())
        return context.usage(QCoreApplication::translate("CompanyCommand", "company takes no arguments."));
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    QString error;
    const auto profile = CompanyRepository(*database).loadDefault(&error);
    if (!profile)
        return context.failure(error);
    const QJsonObject json = DocumentJson::companyToJson(*profile);
    context.out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)) << Qt::flush;
    return ExitDone;
}
