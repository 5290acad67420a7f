#include "cli/RenderCommand.h"

#include "cli/CliContext.h"
#include "cli/CliDocumentFile.h"
#include "cli/RenderPdf.h"
#include "core/SettingsStore.h"
#include "html/GenerateCommand.h"
#include "html/PageWriter.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct RenderArguments
{
    QString documentFile;
    QString outputFile;
    QString pdfFile;
    QString paper;
};

// Reads "DOC.json [-o FILE] [--pdf FILE] [--paper a4|letter]"; an empty error means the arguments are fine.
QString parse(const QStringList& arguments, RenderArguments& parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-o") || argument == QLatin1String("--pdf")) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a file name.").arg(argument);
            (argument == QLatin1String("-o") ? parsed.outputFile : parsed.pdfFile) = arguments[++i];
        } else if (argument == QLatin1String("--paper")) {
            const QString paper = i + 1 < arguments.size() ? arguments[++i].toLower() : QString();
            if (paper != QLatin1String("a4") && paper != QLatin1String("letter"))
                return QStringLiteral("--paper takes a4 or letter.");
            parsed.paper = paper;
        } else if (parsed.documentFile.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            parsed.documentFile = argument;
        } else {
            return QStringLiteral("Unexpected argument: %1").arg(argument);
        }
    }
    if (parsed.documentFile.isEmpty())
        return QStringLiteral("Usage: tallywick-cli render DOC.json [-o FILE] [--pdf FILE] [--paper a4|letter]");
    return {};
}

int renderPdf(CliContext& context, const QString& page, const QString& pdfFile, const PagePdfOptions& options)
{
    QString error;
    if (!printPagePdf(page, pdfFile, options, &error))
        return context.failure(error);
    return ExitDone;
}

int writePageToStdout(CliContext& context, const QString& page)
{
    const QByteArray bytes = PageWriter::encode(page);
    context.out.flush();
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        return context.failure(QStringLiteral("The page could not be written to standard output."));
    std::fflush(stdout);
    return ExitDone;
}

} // namespace

int runRenderCommand(CliContext& context)
{
    RenderArguments arguments;
    if (const QString error = parse(context.arguments, arguments); !error.isEmpty())
        return context.usage(error);
    int exitCode = ExitDone;
    std::optional<Document> read = CliDocumentFile::read(context, arguments.documentFile, exitCode);
    if (!read)
        return exitCode;
    Document document = *read;
    const auto outcome = GenerateCommand::prepare(document, *context.dialogs, PageCaptions{}, context.locale);
    if (outcome.status != GenerateCommand::Status::Shown)
        return ExitRefused;
    // Standard output carries the page only when no file was asked for.
    if (arguments.outputFile.isEmpty() && arguments.pdfFile.isEmpty())
        return writePageToStdout(context, outcome.page);
    if (!arguments.outputFile.isEmpty()) {
        const PageWriter::Result written = PageWriter::write(arguments.outputFile, outcome.page);
        if (!written.ok)
            return context.failure(written.description);
    }
    if (arguments.pdfFile.isEmpty())
        return ExitDone;
    // Printed as Page Setup last left it, unless --paper says otherwise.
    const PagePdfOptions options{arguments.paper, context.settings().get(SettingsStore::PageSetup),
                                 document.company.name};
    return renderPdf(context, outcome.page, arguments.pdfFile, options);
}
