#include "cli/CliDocumentFile.h"

#include "core/SettingsStore.h"
#include "cli/CliContext.h"
#include "editor/DocumentJson.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"

#include <QFile>

std::optional<Document> CliDocumentFile::read(CliContext& context, const QString& path, int& exitCode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        exitCode = context.failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    DocumentJson::ReadResult read = DocumentJson::read(file.readAll());
    if (!read.ok) {
        exitCode = context.usage(read.error);
        return std::nullopt;
    }
    Document& document = read.document;
    if (!read.hasCompany) {
        Database* database = context.database();
        QString error;
        if (!database) {
            exitCode = ExitFailure;
            return std::nullopt;
        }
        if (!CompanyRepository(*database).loadInto(document.company, &error)) {
            exitCode = context.failure(error);
            return std::nullopt;
        }
    }
    if (!read.hasLetterhead)
        document.letterhead = Letterhead::fromSettings(context.settings());
    // The short date is this user's choice, as in the window, whatever letterhead the file brings.
    document.letterhead.dateFormat = context.settings().get(SettingsStore::DateFormat);
    return document;
}
