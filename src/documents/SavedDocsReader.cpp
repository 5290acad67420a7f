#include "documents/SavedDocsReader.h"

#include "documents/DocStatements.h"
#include "store/Database.h"

#include <QSet>
#include <QSqlQuery>
#include <algorithm>
#include <limits>

namespace {

bool plainAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

} // namespace

SavedDocsReader::SavedDocsReader(Database& database, int order, const QLocale& locale,
                                 const QString& dateFormat, Pieces pieces)
    : m_database(database), m_locale(locale), m_dateFormat(dateFormat),
      m_key(SavedDocsList::keyColumn(order)), m_down(SavedDocsList::descending(order)),
      m_whole(pieces == Pieces::Whole)
{
    m_listing.order = order;
    using Row = SavedDocsList::RowValues;
    m_keyOf = order == SavedDocsList::ByDocType    ? &Row::docType
              : order == SavedDocsList::ByCustomer ? &Row::companyName
              : order == SavedDocsList::ByAddress  ? &Row::address
                                                   : &Row::docDate;
}

bool SavedDocsReader::step()
{
    switch (m_stage) {
    case Stage::Keys:
        readKeys();
        break;
    case Stage::NullKey:
        readNullKey();
        break;
    case Stage::Runs:
        readRuns();
        break;
    case Stage::RowWithoutNumber:
        readRowWithoutNumber();
        break;
    case Stage::Numbers:
        readNumbers();
        break;
    case Stage::Finished:
        break;
    }
    return finished();
}

SavedDocsListing SavedDocsReader::takeListing()
{
    return std::move(m_listing);
}

void SavedDocsReader::fail(const QString& error)
{
    m_listing.ok = false;
    m_listing.error = error;
    m_listing.classes.clear();
    m_listing.entries.clear();
    m_listing.countLabel = tr("%1 files").arg(m_listing.count);
    m_stage = Stage::Finished;
}

// Every distinct key in the list's order, a few hundred at a time. Text keys are checked for values
// that differ only in case: such a class is walked row by row later, since its separators depend on
// how those rows follow each other. Dates are compared exactly, so they never differ that way.
void SavedDocsReader::readKeys()
{
    const bool caseCheck = m_listing.order != SavedDocsList::ByDate;
    const int limit = m_whole ? std::numeric_limits<int>::max() : KeysPerStep;
    // Dates are few beside the rows: all of them at once are found faster by seeking than by walking.
    const QString statement = m_whole && !caseCheck
                                  ? DocStatements::keysBySeeks(m_key, m_down)
                                  : DocStatements::keyClassesAfter(m_key, m_down, m_after, limit, caseCheck);
    int read = 0;
    const SqlResult done = m_database.forEachRow(statement, [&](const QSqlQuery& row) {
        SavedDocsKeyClass keyClass;
        keyClass.value = row.value(0);
        keyClass.sortClass = SavedDocsList::classOf(keyClass.value, m_listing.order);
        keyClass.mixed = caseCheck && row.value(1) != row.value(2);
        keyClass.runKeys << SavedDocsList::keyOfValue(keyClass.value, m_listing.order);
        m_listing.classes.append(keyClass);
        m_after = keyClass.value;
        ++read;
        return true;
    });
    if (!done.ok)
        return fail(done.error);
    if (read < limit) {
        m_after = QVariant();
        m_stage = Stage::NullKey;
    }
}

// Rows without a key are one more class: first when ascending, last when descending.
void SavedDocsReader::readNullKey()
{
    const SqlResult done = m_database.query(DocStatements::nullKeyClass(m_key));
    if (!done.ok)
        return fail(done.error);
    if (!done.records.isEmpty()) {
        SavedDocsKeyClass keyClass;
        keyClass.sortClass = SavedDocsList::classOf(QVariant(), m_listing.order);
        keyClass.runKeys << SavedDocsList::keyOfValue(QVariant(), m_listing.order);
        m_listing.classes.insert(m_down ? m_listing.classes.size() : 0, keyClass);
    }
    for (qsizetype i = 0; i < m_listing.classes.size(); ++i) {
        const QString& sortClass = m_listing.classes.at(i).sortClass;
        m_sharedFolds = m_sharedFolds || m_classOf.contains(sortClass);
        m_classOf.insert(sortClass, i);
    }
    m_runOfRow.resize(m_listing.classes.size());
    m_found.resize(m_listing.classes.size());
    m_stage = Stage::Runs;
}

// One class whose values differ in case: where its rows change from one spelling to another.
void SavedDocsReader::readRuns()
{
    QList<SavedDocsKeyClass>& classes = m_listing.classes;
    while (m_mixedAt < classes.size() && !classes.at(m_mixedAt).mixed)
        ++m_mixedAt;
    if (m_mixedAt == classes.size()) {
        m_stage = Stage::RowWithoutNumber;
        return;
    }
    SavedDocsKeyClass& keyClass = classes[m_mixedAt];
    QHash<qint64, int>& runOfRow = m_runOfRow[m_mixedAt];
    keyClass.runKeys.clear();
    const SqlResult done = m_database.forEachRow(
        DocStatements::listClassRows(m_key, m_down, keyClass.value), [&](const QSqlQuery& row) {
            const QString runKey = SavedDocsList::keyOfValue(row.value(1), m_listing.order);
            if (keyClass.runKeys.isEmpty() || keyClass.runKeys.last() != runKey)
                keyClass.runKeys << runKey;
            runOfRow.insert(row.value(0).toLongLong(), int(keyClass.runKeys.size() - 1));
            return true;
        });
    if (!done.ok)
        return fail(done.error);
    if (keyClass.runKeys.isEmpty())
        return fail(SavedDocsList::tr("The saved documents changed while they were being listed."));
    ++m_mixedAt;
}

// Rows without a number count as one more number, listed at the first of them.
void SavedDocsReader::readRowWithoutNumber()
{
    const SqlResult done =
        m_database.forEachRow(DocStatements::firstRowWithoutNumber(m_key, m_down), [&](const QSqlQuery& row) {
            ++m_listing.count;
            return keepRow(row);
        });
    if (!done.ok)
        return fail(done.error);
    if (m_stage != Stage::Finished)
        m_stage = Stage::Numbers;
}

// The next numbers in the engine's order, then the first row of each in the list's order.
void SavedDocsReader::readNumbers()
{
    if (m_whole)
        return readAllNumbers();
    QVariant last;
    int read = 0;
    SqlResult done = m_database.forEachRow(DocStatements::numbersAfter(m_after, NumbersPerStep), [&](const QSqlQuery& row) {
        last = row.value(0);
        ++read;
        return true;
    });
    if (!done.ok)
        return fail(done.error);
    if (read == 0)
        return place();
    m_listing.count += read;
    done = m_database.forEachRow(DocStatements::firstRowsOfNumbers(m_key, m_down, m_after, last),
                                 [&](const QSqlQuery& row) { return keepRow(row); });
    if (!done.ok)
        return fail(done.error);
    if (m_stage == Stage::Finished)
        return;
    m_after = last;
    if (read < NumbersPerStep)
        place();
}

// Every number's first row in one statement: one row per number, so the rows count the numbers.
void SavedDocsReader::readAllNumbers()
{
    qint64 read = 0;
    const SqlResult done = m_database.forEachRow(
        DocStatements::firstRowsOfNumbers(m_key, m_down, QVariant(), QVariant()), [&](const QSqlQuery& row) {
            ++read;
            return keepRow(row);
        });
    if (!done.ok)
        return fail(done.error);
    if (m_stage == Stage::Finished)
        return;
    m_listing.count += read;
    place();
}

// One number's first row into its class.
bool SavedDocsReader::keepRow(const QSqlQuery& row)
{
    const SavedDocsList::RowValues shown = SavedDocsList::rowValuesOf(row);
    m_wideNumbers = m_wideNumbers || !plainAscii(shown.number.toString());
    return keep(SavedDocsList::entryOf(shown, row.value(7).toLongLong(), m_locale, m_dateFormat, m_texts),
                shown.*m_keyOf);
}

bool SavedDocsReader::readClasses()
{
    while (m_stage == Stage::Keys || m_stage == Stage::NullKey || m_stage == Stage::Runs)
        step();
    return m_stage == Stage::RowWithoutNumber;
}

qsizetype SavedDocsReader::classIndexOf(const QVariant& key)
{
    // The classes are few and their texts repeat, so each text is folded only the first time.
    const QString text = key.isNull() ? QString() : key.toString();
    auto known = key.isNull() ? m_classOfText.constEnd() : m_classOfText.constFind(text);
    if (known == m_classOfText.constEnd()) {
        known = m_classOf.constFind(SavedDocsList::classOf(key, m_listing.order));
        if (known == m_classOf.constEnd())
            return -1;
        if (!key.isNull())
            known = m_classOfText.insert(text, known.value());
    }
    return known.value();
}

bool SavedDocsReader::keep(SavedDocsEntry&& entry, const QVariant& key)
{
    const qsizetype known = classIndexOf(key);
    if (known < 0) {
        fail(SavedDocsList::tr("The saved documents changed while they were being listed."));
        return false;
    }
    m_found[known].append(std::move(entry));
    return true;
}

// The entries in the list's order: by class, within a class by the id of the row each is listed at;
// of numbers that differ only in case (beyond what the engine folds, so only when some number has
// letters outside ASCII) the first one stays.
void SavedDocsReader::place()
{
    QSet<QString> listed;
    for (qsizetype i = 0; i < m_listing.classes.size(); ++i) {
        QList<SavedDocsEntry>& found = m_found[i];
        std::sort(found.begin(), found.end(), [this](const SavedDocsEntry& a, const SavedDocsEntry& b) {
            return m_down ? a.rowId > b.rowId : a.rowId < b.rowId;
        });
        SavedDocsKeyClass& keyClass = m_listing.classes[i];
        keyClass.runs.resize(keyClass.runKeys.size());
        for (SavedDocsEntry& entry : found) {
            if (m_wideNumbers) {
                if (listed.contains(entry.folded))
                    continue;
                listed.insert(entry.folded);
            }
            const int run = m_runOfRow.at(i).value(entry.rowId, 0);
            keyClass.runs[run].append(std::move(entry));
        }
        found.clear();
    }
    SavedDocsList::flatten(m_listing);
    m_stage = Stage::Finished;
}
