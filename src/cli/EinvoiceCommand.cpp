#include "cli/EinvoiceCommand.h"

#include "cli/CliContext.h"
#include "cli/CliDocumentFile.h"
#include "cli/FacturxOutput.h"
#include "core/SettingsStore.h"
#include "einvoice/EinvoiceExport.h"
#include "documents/OpenCommand.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

struct EinvoiceArguments
{
    QString document;  // a document file, or the number of a stored document
    QString xmlFile;
    QString facturxFile;
};

// Reads "DOC.json [--xml FILE] [--facturx FILE]"; an empty error means the arguments are fine.
QString parse(const QStringList& arguments, EinvoiceArguments& parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--xml") || argument == QLatin1String("--facturx")) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("%1 needs a file name.").arg(argument);
            (argument == QLatin1String("--xml") ? parsed.xmlFile : parsed.facturxFile) = arguments[++i];
        } else if (parsed.document.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            parsed.document = argument;
        } else {
            return QStringLiteral("Unexpected argument: %1").arg(argument);
        }
    }
    if (parsed.document.isEmpty() || (parsed.xmlFile.isEmpty() && parsed.facturxFile.isEmpty()))
        return QStringLiteral("Usage: tallywick-cli einvoice NUMBER|DOC.json [--xml FILE.xml] [--facturx FILE.pdf]");
    return {};
}

// The whole file or nothing: a refused or failed export leaves no half-written file behind.
int writeFile(CliContext& context, const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return context.failure(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return ExitDone;
}

// A stored document as the window opens it, with the company's current profile.
std::optional<Document> storedDocument(CliContext& context, const QString& number, int& exitCode)
{
    Database* database = context.database();
    if (!database) {
        exitCode = ExitFailure;
        return std::nullopt;
    }
    Document current;
    QString error;
    if (!CompanyRepository(*database).loadInto(current.company, &error)) {
        exitCode = context.failure(error);
        return std::nullopt;
    }
    current.letterhead = Letterhead::fromSettings(context.settings());
    current.letterhead.dateFormat = context.settings().get(SettingsStore::DateFormat);
    const OpenCommand::Result opened = OpenCommand(*database, *context.dialogs, context.locale).open(number, current, false);
    if (opened.outcome == OpenCommand::Outcome::Opened)
        return opened.document;
    if (opened.outcome == OpenCommand::Outcome::Ignored)
        context.err << QStringLiteral("There is no record of this document number.") << Qt::endl;
    exitCode = opened.outcome == OpenCommand::Outcome::Failed ? ExitFailure : ExitRefused;
    return std::nullopt;
}

// A name ending in .json, or one that names a file, is a document file; anything else a number.
bool isDocumentFile(const QString& argument)
{
    return argument.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) || QFileInfo(argument).isFile();
}

} // namespace

int runEinvoiceCommand(CliContext& context)
{
    EinvoiceArguments arguments;
    if (const QString error = parse(context.arguments, arguments); !error.isEmpty())
        return context.usage(error);
    int exitCode = ExitDone;
    const std::optional<Document> document = isDocumentFile(arguments.document)
                                                 ? CliDocumentFile::read(context, arguments.document, exitCode)
                                                 : storedDocument(context, arguments.document, exitCode);
    if (!document)
        return exitCode;
    const EinvoiceExport::Result exported = EinvoiceExport::toXml(*document, context.locale, true);
    if (!exported.ok) {
        context.err << exported.message << Qt::endl;
        return ExitRefused;
    }
    // The PDF is made before either file is written: a failed print leaves no XML behind either.
    QByteArray pdf;
    if (!arguments.facturxFile.isEmpty()) {
        if (const int code = printFacturx(context, *document, exported.xml, pdf); code != ExitDone)
            return code;
    }
    if (!arguments.xmlFile.isEmpty()) {
        if (const int code = writeFile(context, arguments.xmlFile, exported.xml); code != ExitDone)
            return code;
    }
    return arguments.facturxFile.isEmpty() ? ExitDone : writeFile(context, arguments.facturxFile, pdf);
}
