#include "documents/SavedDocsRefresh.h"

#include "documents/DocStatements.h"
#include "store/Database.h"

#include <QHash>
#include <QSqlQuery>

namespace {

bool plainAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return !text.isEmpty();
}

qsizetype classIndex(const SavedDocsListing& listing, const QString& sortClass)
{
    for (qsizetype i = 0; i < listing.classes.size(); ++i) {
        if (listing.classes.at(i).sortClass == sortClass)
            return i;
    }
    return -1;
}

} // namespace

SavedDocsRefresh::SavedDocsRefresh(Database& database, const QLocale& locale, const QString& dateFormat)
    : m_database(database), m_locale(locale), m_dateFormat(dateFormat)
{
}

QVariantList SavedDocsRefresh::keysOf(int order, const QString& number)
{
    QVariantList keys;
    m_database.forEachRow(DocStatements::numberKeys(SavedDocsList::keyColumn(order), number), [&keys](const QSqlQuery& row) {
        keys << row.value(0);
        return true;
    });
    return keys;
}

bool SavedDocsRefresh::apply(SavedDocsListing& listing, const QString& number, const QVariantList& keysBefore)
{
    return applyAll(listing, {{number, keysBefore}});
}

bool SavedDocsRefresh::applyAll(SavedDocsListing& listing, const QList<Change>& changes)
{
    // Numbers the engine folds differently from the list (letters beyond ASCII) need the whole walk.
    if (!listing.ok || changes.size() > MaxChanges)
        return false;
    for (const Change& change : changes) {
        if (!plainAscii(change.number))
            return false;
    }
    for (const SavedDocsKeyClass& keyClass : std::as_const(listing.classes)) {
        if (keyClass.mixed)
            return false;
    }
    const bool ownTransaction = m_database.beginTransaction();
    auto finish = [&](bool done) {
        if (ownTransaction)
            m_database.commit();
        if (done)
            SavedDocsList::flatten(listing);
        return done;
    };

    // The numbers' old entries go; their classes are checked again, then their new entries are placed.
    if (!removeEntries(listing, changes))
        return finish(false);
    for (const Change& change : changes) {
        QVariantList touched = change.keysBefore;
        touched += keysOf(listing.order, change.number);
        for (const QVariant& value : std::as_const(touched)) {
            if (!placeClass(listing, value))
                return finish(false);
        }
        const bool listedAfter = touched.size() > change.keysBefore.size();
        listing.count += (listedAfter ? 1 : 0) - (change.keysBefore.isEmpty() ? 0 : 1);
        if (listedAfter && !placeEntry(listing, change.number))
            return finish(false);
    }
    return finish(true);
}

// Takes the entries of the changed numbers out; false when what is listed does not match the keys
// read before the change (or one number is named twice).
bool SavedDocsRefresh::removeEntries(SavedDocsListing& listing, const QList<Change>& changes)
{
    QHash<QString, bool> listed;
    for (const Change& change : changes) {
        const QString folded = change.number.toLower();
        if (listed.contains(folded))
            return false;
        listed.insert(folded, false);
    }
    for (SavedDocsKeyClass& keyClass : listing.classes) {
        QList<SavedDocsEntry>& entries = keyClass.runs.first();
        entries.removeIf([&listed](const SavedDocsEntry& entry) {
            const auto found = listed.find(entry.folded);
            if (found == listed.end())
                return false;
            found.value() = true;
            return true;
        });
    }
    for (const Change& change : changes) {
        if (listed.value(change.number.toLower()) == change.keysBefore.isEmpty())
            return false;
    }
    return true;
}

bool SavedDocsRefresh::placeClass(SavedDocsListing& listing, const QVariant& value)
{
    const int order = listing.order;
    const QString key = SavedDocsList::keyColumn(order);
    const SqlResult found = m_database.query(DocStatements::keyClassOf(key, value));
    if (!found.ok)
        return false;
    const QString sortClass = SavedDocsList::classOf(value, order);
    const qsizetype at = classIndex(listing, sortClass);
    if (found.records.isEmpty()) {
        if (at >= 0) {
            if (!listing.classes.at(at).runs.first().isEmpty())
                return false;
            listing.classes.removeAt(at);
        }
        return true;
    }
    const QSqlRecord& record = found.records.first();
    if (record.value(1) != record.value(2))
        return false;
    if (at >= 0)
        return true;
    SavedDocsKeyClass keyClass;
    keyClass.value = record.value(0);
    keyClass.sortClass = sortClass;
    keyClass.runKeys << SavedDocsList::keyOfValue(record.value(0), order);
    keyClass.runs.resize(1);
    const qsizetype point = insertionPoint(listing, value);
    if (point < 0)
        return false;
    listing.classes.insert(point, keyClass);
    return true;
}

// Where a new class goes: right after the nearest existing key before it in the order; nulls come
// first when ascending, last when descending.
qsizetype SavedDocsRefresh::insertionPoint(const SavedDocsListing& listing, const QVariant& value)
{
    const int order = listing.order;
    const bool down = SavedDocsList::descending(order);
    const QString nullClass = SavedDocsList::classOf(QVariant(), order);
    const bool hasNull = !listing.classes.isEmpty() && listing.classes.first().sortClass == nullClass;
    if (value.isNull())
        return down ? listing.classes.size() : 0;
    const SqlResult before =
        m_database.query(DocStatements::keyBefore(SavedDocsList::keyColumn(order), down, value));
    if (!before.ok)
        return -1;
    if (before.records.isEmpty())
        return !down && hasNull ? 1 : 0;
    const qsizetype previous = classIndex(listing, SavedDocsList::classOf(before.records.first().value(0), order));
    return previous < 0 ? -1 : previous + 1;
}

bool SavedDocsRefresh::placeEntry(SavedDocsListing& listing, const QString& number)
{
    const int order = listing.order;
    const bool down = SavedDocsList::descending(order);
    const int keyIndex = order == SavedDocsList::ByDocType ? 1 : order == SavedDocsList::ByCustomer ? 5
                         : order == SavedDocsList::ByAddress ? 6 : 4;
    bool placed = false;
    const SqlResult done = m_database.forEachRow(
        DocStatements::firstRowOf(SavedDocsList::keyColumn(order), down, number), [&](const QSqlQuery& row) {
            const qsizetype at = classIndex(listing, SavedDocsList::classOf(row.value(keyIndex), order));
            if (at < 0)
                return false;
            SavedDocsEntry entry = SavedDocsList::entryOf(row, m_locale, m_dateFormat);
            QList<SavedDocsEntry>& entries = listing.classes[at].runs.first();
            // Within a class the entries follow the ids of the rows they are listed at.
            const auto follows = [down](const SavedDocsEntry& listed, qint64 id) {
                return down ? listed.rowId > id : listed.rowId < id;
            };
            const auto position = std::lower_bound(entries.begin(), entries.end(), entry.rowId, follows);
            entries.insert(position, std::move(entry));
            placed = true;
            return false;
        });
    return done.ok && placed;
}
