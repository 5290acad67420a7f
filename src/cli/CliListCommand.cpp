#include "cli/CliListCommand.h"

#include "core/SettingsStore.h"
#include "cli/CliContext.h"
#include "documents/SavedDocsList.h"
#include "documents/SavedDocsStream.h"
#include "store/Database.h"

#include <QFileDevice>

int runListCommand(CliContext& context)
{
    int order = SavedDocsList::ByDate;
    const QStringList& arguments = context.arguments;
    if (!arguments.isEmpty()) {
        if (arguments.size() != 2 || arguments.first() != QLatin1String("--order"))
            return context.usage(QStringLiteral("Usage: list [--order date|doc|cus|addr]"));
        order = SavedDocsList::orderFromName(arguments.at(1));
        if (order < 0)
            return context.usage(QStringLiteral("Unknown order: %1 (date, doc, cus or addr)").arg(arguments.at(1)));
    }
    Database* database = context.database();
    if (!database)
        return ExitFailure;
    const QString dateFormat = context.settings().get(SettingsStore::DateFormat);
    // A long list goes out as it is read; whatever that pass cannot vouch for is listed in full.
    if (const auto lines = SavedDocsStream::read(*database, order, context.locale, dateFormat)) {
        context.out << lines->countLabel << '\n' << Qt::flush;
        if (auto* file = qobject_cast<QFileDevice*>(context.out.device())) {
            file->write(lines->entries);
            file->flush();
        } else {
            context.out << QString::fromUtf8(lines->entries) << Qt::flush;
        }
        return ExitDone;
    }
    const SavedDocsListing listing = SavedDocsList::LoadDocs(*database, order, context.locale, dateFormat);
    if (!listing.ok)
        return context.failure(listing.error);
    context.out << listing.countLabel << '\n';
    for (const QString& entry : listing.entries)
        context.out << entry << '\n';
    context.out << Qt::flush;
    return ExitDone;
}
