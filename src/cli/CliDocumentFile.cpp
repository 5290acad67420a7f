#include "cli/CliDocumentFile.h"

#include "core/SettingsStore.h"
#include "cli/CappedRead.h"
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
    const std::optional<QByteArray> bytes = CappedRead::read(file, DocumentJson::MaxBytes);
    if (!bytes) {
        exitCode = context.usage(CappedRead::tooLarge(path, DocumentJson::MaxBytes));
        return std::nullopt;
    }
    // Rows as the window would let them be created in the user's grid mode.
    const bool multiLine = context.settings().get(SettingsStore::MultiLine) == QLatin1String("1");
    DocumentJson::ReadResult read =
        DocumentJson::read(*bytes, multiLine ? CreateRowsCommand::MultiLineMaxRows : CreateRowsCommand::MaxRows);
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
