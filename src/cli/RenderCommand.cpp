#include "cli/RenderCommand.h"

#include "app/SettingsStore.h"
#include "cli/CliContext.h"
#include "editor/DocumentJson.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"
#include "store/CompanyRepository.h"
#include "store/Letterhead.h"

#include <QFile>
#include <cstdio>

namespace {

struct RenderArguments
{
    QString documentFile;
    QString outputFile;
    QString pdfFile;
};

// Reads "DOC.json [-o FILE] [--pdf FILE]"; an empty error means the arguments are fine.
QString parse(const QStringList& arguments, RenderArguments& parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-o") || argument == QLatin1String("--pdf")) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a file name.").arg(argument);
            (argument == QLatin1String("-o") ? parsed.outputFile : parsed.pdfFile) = arguments[++i];
        } else if (parsed.documentFile.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            parsed.documentFile = argument;
        } else {
            return QStringLiteral("Unexpected argument: %1").arg(argument);
        }
    }
    if (parsed.documentFile.isEmpty())
        return QStringLiteral("Usage: tallywick-cli render DOC.json [-o FILE] [--pdf FILE]");
    return {};
}

// The printed page as the viewer prints it; not available in this build yet.
int renderPdf(CliContext& context, const QString&, const QString&)
{
    return context.usage(QStringLiteral("--pdf is not available"));
}

// A document without its own letterhead inputs takes the ones the window would use.
bool fillLetterhead(CliContext& context, const DocumentJson::ReadResult& read, Document& document)
{
    if (!read.hasCompany) {
        Database* database = context.database();
        if (!database)
            return false;
        QString error;
        if (!CompanyRepository(*database).loadInto(document.company, &error)) {
            context.failure(error);
            return false;
        }
    }
    if (!read.hasLetterhead)
        document.letterhead = Letterhead::fromSettings(context.settings());
    // The short date is this user's choice, as in the window, whatever letterhead the file brings.
    document.letterhead.dateFormat = context.settings().get(SettingsStore::DateFormat);
    return true;
}

} // namespace

int runRenderCommand(CliContext& context)
{
    RenderArguments arguments;
    if (const QString error = parse(context.arguments, arguments); !error.isEmpty())
        return context.usage(error);
    if (!arguments.pdfFile.isEmpty())
        return renderPdf(context, arguments.documentFile, arguments.pdfFile);
    QFile input(arguments.documentFile);
    if (!input.open(QIODevice::ReadOnly))
        return context.failure(
            QStringLiteral("Cannot read %1: %2").arg(arguments.documentFile, input.errorString()));
    DocumentJson::ReadResult read = DocumentJson::read(input.readAll());
    if (!read.ok)
        return context.usage(read.error);
    Document document = read.document;
    if (!fillLetterhead(context, read, document))
        return ExitFailure;
    const auto outcome = GenerateCommand::prepare(document, *context.dialogs, PageCaptions{}, context.locale);
    if (outcome.status != GenerateCommand::Status::Shown)
        return ExitRefused;
    if (arguments.outputFile.isEmpty()) {
        const QByteArray bytes = PageWriter::encode(outcome.page);
        context.out.flush();
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
            return context.failure(QStringLiteral("The page could not be written to standard output."));
        std::fflush(stdout);
        return ExitDone;
    }
    const PageWriter::Result written = PageWriter::write(arguments.outputFile, outcome.page);
    if (!written.ok)
        return context.failure(written.description);
    return ExitDone;
}
