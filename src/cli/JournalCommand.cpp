#include "cli/JournalCommand.h"

#include "cli/CliContext.h"
#include "documents/SalesJournal.h"
#include "store/Database.h"
#include "store/FileReplace.h"

#include <cstdio>

namespace {

QString usageText()
{
    return QStringLiteral("Usage: journal FROM TO [--type T] [-o FILE] (dates yyyy-mm-dd)");
}

} // namespace

int runJournalCommand(CliContext& context)
{
    QStringList positional;
    QString docType;
    QString output;
    QStringList arguments = context.arguments;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--type") || argument == QLatin1String("-o")) {
            if (arguments.isEmpty())
                return context.usage(usageText());
            (argument == QLatin1String("--type") ? docType : output) = arguments.takeFirst();
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2)
        return context.usage(usageText());
    const QDate from = QDate::fromString(positional.at(0), Qt::ISODate);
    const QDate to = QDate::fromString(positional.at(1), Qt::ISODate);
    if (!from.isValid() || !to.isValid())
        return context.usage(usageText());
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    const SalesJournal::Result journal = SalesJournal(*database).build(from, to, docType);
    if (!journal.ok)
        return context.failure(journal.error);
    if (output.isEmpty()) {
        context.out.flush();
        std::fwrite(journal.csv.constData(), 1, size_t(journal.csv.size()), stdout);
        std::fflush(stdout);
        return ExitDone;
    }
    QString error;
    if (!FileReplace::writeWhole(output, journal.csv, &error))
        return context.failure(error);
    return ExitDone;
}
