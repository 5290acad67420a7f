#include "cli/ImportLegacyCommand.h"

#include "cli/CliContext.h"
#include "store/Database.h"
#include "store/JetImporter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

struct ImportLegacyTexts
{
    Q_DECLARE_TR_FUNCTIONS(ImportLegacyCommand)
};

} // namespace

int runImportLegacyCommand(CliContext& context)
{
    if (context.arguments.size() != 1)
        return context.usage(ImportLegacyTexts::tr("import-legacy takes one file: import-legacy FILE.mdb"));
    const QString source = context.arguments.first();

    // A --db that names no file yet becomes a new database, removed again if the import fails.
    std::unique_ptr<Database> created;
    Database* database = nullptr;
    if (!context.databasePath.isEmpty() && !QFileInfo::exists(context.databasePath)) {
        created = std::make_unique<Database>(context.locale);
        QString error;
        if (!created->create(context.databasePath, &error))
            return context.failure(error);
        database = created.get();
    } else {
        database = context.database();
        if (!database)
            return ExitFailure;
    }

    QString error;
    const auto summary = JetImporter(*database).importFile(source, &error);
    if (!summary) {
        if (created) {
            created->close();
            QFile::remove(context.databasePath);
        }
        return context.failure(error);
    }
    const QStringList lines = JetImporter::describe(*summary);
    if (summary->documents == 0 && !summary->skipped.isEmpty()) {
        context.err
            << ImportLegacyTexts::tr("Nothing imported: every document of %1 is already stored.").arg(source)
            << Qt::endl
            << lines.join(QLatin1Char('\n')) << Qt::endl;
        return ExitRefused;
    }
    context.out << ImportLegacyTexts::tr("Imported %1 into %2").arg(source, database->path())
                << QLatin1Char('\n') << lines.join(QLatin1Char('\n')) << Qt::endl;
    return ExitDone;
}
