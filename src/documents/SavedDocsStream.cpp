#include "documents/SavedDocsStream.h"

#include "documents/DocStatements.h"
#include "documents/SavedDocsList.h"
#include "documents/SavedDocsReader.h"
#include "store/Database.h"
#include "store/RowReader.h"

#include <QHash>
#include <QStringEncoder>

namespace {

// The columns the list statements give, in their order.
enum Column
{
    Number,
    DocType,
    Total,
    Paid,
    DocDate,
    CompanyName,
    Address,
    Id
};

int keyColumnOf(int order)
{
    switch (order) {
    case SavedDocsList::ByDocType:
        return DocType;
    case SavedDocsList::ByCustomer:
        return CompanyName;
    case SavedDocsList::ByAddress:
        return Address;
    default:
        return DocDate;
    }
}

bool plainAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// One pass over the first rows, keeping only where it stands among the classes' runs.
class Pass
{
public:
    Pass(SavedDocsReader& classes, RowReader& rows, const QLocale& locale, const QString& dateFormat)
        : m_reader(classes), m_classes(classes.listing().classes), m_rows(rows), m_locale(locale),
          m_dateFormat(dateFormat), m_keyColumn(keyColumnOf(classes.listing().order)),
          m_down(SavedDocsList::descending(classes.listing().order)),
          m_separator(SavedDocsList::separatorLine())
    {
    }

    bool run(QByteArray& out, qint64& count);

private:
    bool placeRow(QByteArray& out);
    qsizetype classOfRow();
    QStringView textOf(int column, QString& held);
    double numberOf(int column);
    QStringView dateOfRow();
    void advanceTo(qsizetype classIndex, int run, QByteArray& out);
    void writeLine(QStringView text, QByteArray& out);

    SavedDocsReader& m_reader;
    const QList<SavedDocsKeyClass>& m_classes;
    RowReader& m_rows;
    QLocale m_locale;
    QString m_dateFormat;
    int m_keyColumn;
    bool m_down;
    QString m_separator;
    QStringEncoder m_utf8{QStringEncoder::Utf8};

    qsizetype m_atClass = -1; // the run the last line belongs to
    int m_atRun = -1;
    const QString* m_previousKey = nullptr;
    qint64 m_lastId = 0;
    QString m_lastKey; // the last text key and its class: rows of one class come together
    qsizetype m_lastKeyClass = -1;
    QString m_lastDate, m_lastDateText;
    bool m_haveLastDate = false;
    QHash<QString, QString> m_dates;
    SavedDocsTextCache m_texts;
    QString m_line, m_held[4];
};

bool Pass::run(QByteArray& out, qint64& count)
{
    while (m_rows.next()) {
        if (!placeRow(out))
            return false;
        ++count;
    }
    if (!m_rows.error().isEmpty())
        return false;
    if (!m_classes.isEmpty())
        advanceTo(m_classes.size() - 1, int(m_classes.last().runKeys.size()) - 1, out);
    return true;
}

bool Pass::placeRow(QByteArray& out)
{
    const qsizetype classIndex = classOfRow();
    if (classIndex < 0 || classIndex < m_atClass)
        return false;
    const qint64 id = m_rows.integer(Id);
    const int run = m_classes.at(classIndex).mixed ? m_reader.runOf(classIndex, id) : 0;
    if (classIndex == m_atClass && (run < m_atRun || (m_down ? id >= m_lastId : id <= m_lastId)))
        return false;
    SavedDocsList::RowTexts row;
    row.number = textOf(Number, m_held[0]);
    // Numbers beyond ASCII are folded against the whole list, which only LoadDocs sees.
    if (!plainAscii(row.number))
        return false;
    row.docType = textOf(DocType, m_held[1]);
    row.companyName = textOf(CompanyName, m_held[2]);
    row.address = textOf(Address, m_held[3]);
    row.date = dateOfRow();
    row.total = numberOf(Total);
    row.paid = numberOf(Paid);
    advanceTo(classIndex, run, out);
    m_lastId = id;
    SavedDocsList::writeEntry(m_line, row, m_locale, m_texts);
    writeLine(m_line, out);
    return true;
}

qsizetype Pass::classOfRow()
{
    if (m_rows.kind(m_keyColumn) != RowReader::Kind::Text) {
        m_lastKeyClass = -1;
        return m_reader.classIndexOf(m_rows.value(m_keyColumn));
    }
    const QStringView key = m_rows.text(m_keyColumn);
    if (m_lastKeyClass < 0 || key != m_lastKey) {
        m_lastKey = key.toString();
        m_lastKeyClass = m_reader.classIndexOf(QVariant(m_lastKey));
    }
    return m_lastKeyClass;
}

// A column as QSqlQuery::value(column).toString() gives it.
QStringView Pass::textOf(int column, QString& held)
{
    switch (m_rows.kind(column)) {
    case RowReader::Kind::Text:
        return m_rows.text(column);
    case RowReader::Kind::Null:
        return {};
    default:
        held = m_rows.value(column).toString();
        return held;
    }
}

// As QSqlQuery::value(column).toDouble().
double Pass::numberOf(int column)
{
    switch (m_rows.kind(column)) {
    case RowReader::Kind::Integer:
    case RowReader::Kind::Real:
        return m_rows.real(column);
    case RowReader::Kind::Null:
        return 0;
    default:
        return m_rows.value(column).toDouble();
    }
}

// The shown date, each stored text read once; other stored values are read every time.
QStringView Pass::dateOfRow()
{
    if (m_rows.kind(DocDate) != RowReader::Kind::Text) {
        m_haveLastDate = false;
        m_lastDateText = SavedDocsList::dateText(m_rows.value(DocDate), m_locale, m_dateFormat);
        return m_lastDateText;
    }
    const QStringView stored = m_rows.text(DocDate);
    if (m_haveLastDate && stored == m_lastDate)
        return m_lastDateText;
    m_lastDate = stored.toString();
    auto known = m_dates.constFind(m_lastDate);
    if (known == m_dates.constEnd())
        known =
            m_dates.insert(m_lastDate, SavedDocsList::dateText(QVariant(m_lastDate), m_locale, m_dateFormat));
    m_lastDateText = known.value();
    m_haveLastDate = true;
    return m_lastDateText;
}

// Steps through the runs up to the given one, a separator wherever the group key changes (runs
// without a line of their own still count, as they do in the whole list).
void Pass::advanceTo(qsizetype classIndex, int run, QByteArray& out)
{
    while (m_atClass < classIndex || (m_atClass == classIndex && m_atRun < run)) {
        if (m_atClass >= 0 && m_atRun + 1 < m_classes.at(m_atClass).runKeys.size()) {
            ++m_atRun;
        } else {
            ++m_atClass;
            m_atRun = 0;
        }
        const QString& key = m_classes.at(m_atClass).runKeys.at(m_atRun);
        if (m_previousKey && *m_previousKey != key)
            writeLine(m_separator, out);
        m_previousKey = &key;
    }
}

void Pass::writeLine(QStringView text, QByteArray& out)
{
    const qsizetype needed = out.size() + m_utf8.requiredSpace(text.size() + 1);
    if (out.capacity() < needed)
        out.reserve(std::max(needed, 2 * out.capacity()));
    const qsizetype before = out.size();
    out.resize(needed);
    char* end = m_utf8.appendToBuffer(out.data() + before, text);
    end = m_utf8.appendToBuffer(end, u"\n");
    out.resize(end - out.constData());
}

} // namespace

std::optional<SavedDocsStream::Lines> SavedDocsStream::read(Database& database, int order,
                                                            const QLocale& locale, const QString& dateFormat)
{
    if (database.isServer())
        return std::nullopt;
    // The classes and the rows must see one state of the table.
    const bool ownTransaction = database.beginTransaction();
    std::optional<Lines> lines;
    SavedDocsReader classes(database, order, locale, dateFormat, SavedDocsReader::Pieces::Whole);
    std::unique_ptr<RowReader> rows;
    if (classes.readClasses() && !classes.classesShareFolds())
        rows = database.readRows(
            DocStatements::listFirstRows(SavedDocsList::keyColumn(order), SavedDocsList::descending(order)));
    qint64 count = 0;
    QByteArray entries;
    if (rows && Pass(classes, *rows, locale, dateFormat).run(entries, count))
        lines = Lines{SavedDocsList::tr("%1 files").arg(count), std::move(entries)};
    rows.reset();
    if (ownTransaction)
        database.commit();
    return lines;
}
