#include "cli/EinvoiceCommand.h"

#include "cli/CliContext.h"
#include "cli/CliDocumentFile.h"
#include "cli/FacturxOutput.h"
#include "einvoice/EinvoiceExport.h"
#include "einvoice/EinvoiceJson.h"

#include <QFile>
#include <QSaveFile>

namespace {

struct EinvoiceArguments
{
    QString documentFile;
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
        } else if (parsed.documentFile.isEmpty() && !argument.startsWith(QLatin1Char('-'))) {
            parsed.documentFile = argument;
        } else {
            return QStringLiteral("Unexpected argument: %1").arg(argument);
        }
    }
    if (parsed.documentFile.isEmpty() || (parsed.xmlFile.isEmpty() && parsed.facturxFile.isEmpty()))
        return QStringLiteral("Usage: tallywick-cli einvoice DOC.json [--xml FILE.xml] [--facturx FILE.pdf]");
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

} // namespace

int runEinvoiceCommand(CliContext& context)
{
    EinvoiceArguments arguments;
    if (const QString error = parse(context.arguments, arguments); !error.isEmpty())
        return context.usage(error);
    int exitCode = ExitDone;
    const std::optional<Document> document = CliDocumentFile::read(context, arguments.documentFile, exitCode);
    if (!document)
        return exitCode;
    QFile file(arguments.documentFile);
    if (!file.open(QIODevice::ReadOnly))
        return context.failure(QStringLiteral("Cannot read %1: %2").arg(arguments.documentFile, file.errorString()));
    const EinvoiceJson::ReadResult extra = EinvoiceJson::read(file.readAll());
    if (!extra.ok)
        return context.usage(extra.error);
    const EinvoiceExport::Result exported =
        EinvoiceExport::toXml(*document, extra.company, extra.fields, context.locale, true);
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
