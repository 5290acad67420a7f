#include "cli/CliApp.h"

#include "cli/CalcCommand.h"
#include "cli/CliContext.h"
#include "cli/CompanyCommand.h"
#include "cli/EinvoiceCommand.h"
#include "cli/ImportLegacyCommand.h"
#include "cli/RenderCommand.h"
#include "cli/ImageTagCommand.h"
#include "cli/JpegSizeCommand.h"
#include "cli/Rtf2HtmlCommand.h"
#include "cli/CliCompactCommand.h"
#include "cli/CliInitCommand.h"
#include "cli/CopyDbCommand.h"
#include "cli/CliDeleteCommand.h"
#include "cli/CliListCommand.h"
#include "cli/CliPurgeCommand.h"
#include "cli/CliSaveCommand.h"
#include "cli/CliShowCommand.h"
#include "cli/JournalCommand.h"
#include "cli/MemoryListCommand.h"
#include "cli/NextNumberCommand.h"

#include <functional>
#include <map>

namespace {

using Command = std::function<int(CliContext&)>;

// One line per command; each command lives in its own file.
const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table{
        {QStringLiteral("calc"), runCalcCommand},
        {QStringLiteral("company"), runCompanyCommand},
        {QStringLiteral("import-legacy"), runImportLegacyCommand},
        {QStringLiteral("render"), runRenderCommand},
        {QStringLiteral("rtf2html"), runRtf2HtmlCommand},
        {QStringLiteral("jpeg-size"), runJpegSizeCommand},
        {QStringLiteral("image-tag"), runImageTagCommand},
        {QStringLiteral("save"), runSaveCommand},
        {QStringLiteral("show"), runShowCommand},
        {QStringLiteral("list"), runListCommand},
        {QStringLiteral("delete"), runDeleteCommand},
        {QStringLiteral("purge"), runPurgeCommand},
        {QStringLiteral("compact"), runCompactCommand},
        {QStringLiteral("init"), runInitCommand},
        {QStringLiteral("copy-db"), runCopyDbCommand},
        {QStringLiteral("next-number"), runNextNumberCommand},
        {QStringLiteral("journal"), runJournalCommand},
        {QStringLiteral("customers"), runCustomersCommand},
        {QStringLiteral("products"), runProductsCommand},
        {QStringLiteral("einvoice"), runEinvoiceCommand},
    };
    return table;
}

} // namespace

QString CliApp::helpText()
{
    return tr(
        "Usage: tallywick-cli [--db FILE|URL] [--locale NAME] [--yes] COMMAND [ARGUMENTS]\n"
        "\n"
        "Commercial documents without a window: the same checks, totals, pages and database as the\n"
        "main program.\n"
        "\n"
        "Options:\n"
        "  --db FILE       database file to use (default: the one the main program opens)\n"
        "  --db URL        a shared database on a PostgreSQL server:\n"
        "                  postgresql://user@host:port/dbname (password from ~/.pgpass)\n"
        "  --locale NAME   regional number and date formats, e.g. en_US, de_DE\n"
        "  --yes           answer every question with its proceeding button (Yes or OK)\n"
        "  --help          this text\n"
        "  --version       the program's version\n"
        "\n"
        "Commands:\n"
        "  calc DOC.json                     recalculate and print the document\n"
        "  render DOC.json [-o FILE] [--pdf FILE] [--paper a4|letter]\n"
        "                                    the printable page (standard output without -o)\n"
        "  rtf2html [FILE]                   HTML of one rich-text box\n"
        "  jpeg-size FILE                    width and height of a JPEG picture\n"
        "  image-tag FILE                    the image tag \"Add An Image\" inserts\n"
        "  save DOC.json                     save the document into the database\n"
        "  show NUMBER                       print a stored document\n"
        "  list [--order date|doc|cus|addr]  the saved-document list\n"
        "  delete NUMBER                     delete a stored document\n"
        "  purge FROM TO                     delete documents dated FROM..TO (yyyy-mm-dd)\n"
        "  compact                           compact the database, keeping a dated backup\n"
        "  import-legacy FILE.mdb            import documents and company of an old database file\n"
        "  company                           the default company profile as JSON\n"
        "  init                              create the tables in the --db database (new file or\n"
        "                                    empty server database)\n"
        "  copy-db FROM TO                   copy every document and the company profile between\n"
        "                                    databases (files or URLs); --yes replaces a target's documents\n"
        "  next-number TYPE                  the next number of TYPE's number series\n"
        "  journal FROM TO [--type T] [-o FILE]\n"
        "                                    the sales journal CSV of documents dated FROM..TO\n"
        "  customers                         the remembered customer names as JSON, most recent first\n"
        "  products                          the remembered product IDs as JSON, most recent first\n"
        "  einvoice DOC.json --xml FILE      the document as an electronic invoice (EN 16931, CII)\n"
        "  einvoice DOC.json --facturx FILE  its printed page as PDF/A-3 with that invoice inside\n"
        "\n"
        "Exit status: 0 done, 1 usage error, 2 refused at a check or question, 3 file or database failure.\n");
}

int CliApp::run(const QStringList& arguments)
{
    CliContext context;
    QStringList rest = arguments.mid(1);
    QString command;
    while (!rest.isEmpty()) {
        const QString option = rest.takeFirst();
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            context.out << helpText() << Qt::flush;
            return ExitDone;
        }
        if (option == QLatin1String("--version")) {
            context.out << QStringLiteral("tallywick-cli %1\n").arg(QStringLiteral(TALLYWICK_VERSION)) << Qt::flush;
            return ExitDone;
        }
        if (option == QLatin1String("--yes")) {
            context.yes = true;
        } else if (option == QLatin1String("--db") || option == QLatin1String("--locale")) {
            if (rest.isEmpty())
                return context.usage(tr("%1 needs a value.").arg(option));
            const QString value = rest.takeFirst();
            if (option == QLatin1String("--db")) {
                context.databasePath = value;
            } else {
                context.locale = QLocale(value);
                if (context.locale == QLocale::c() && value != QLatin1String("C"))
                    return context.usage(tr("Unknown locale: %1").arg(value));
            }
        } else if (command.isEmpty() && !option.startsWith(QLatin1String("--"))) {
            command = option;
        } else {
            context.arguments.append(option);
        }
    }
    if (command.isEmpty())
        return context.usage(helpText());
    context.dialogs = std::make_unique<CliDialogs>(context.yes);
    return dispatch(command, context);
}

int CliApp::dispatch(const QString& command, CliContext& context)
{
    const auto& table = commands();
    const auto found = table.find(command);
    if (found == table.end())
        return context.usage(tr("Unknown command: %1\n\n").arg(command) + helpText());
    return found->second(context);
}
