#include "cli/CompanyCommand.h"

#include "cli/CliContext.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

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
    const QJsonObject json{{QStringLiteral("name"), profile->name},
                           {QStringLiteral("address"), profile->address},
                           {QStringLiteral("currencySymbol"), profile->currencySymbol},
                           {QStringLiteral("taxName"), profile->taxName},
                           {QStringLiteral("taxPercent"), profile->taxPercent}};
    context.out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)) << Qt::flush;
    return ExitDone;
}
