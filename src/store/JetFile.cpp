#include "store/JetFile.h"

#include "store/JetValues.h"

#include <QFile>
#include <QtEndian>

#ifdef TALLYWICK_HAVE_MDB
#include <glib.h>
#include <mdbtools.h>
#endif

#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr int SignatureSize = 20;
constexpr qsizetype VersionOffset = 0x14;

QByteArray readHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(VersionOffset + 1);
}

bool signatureMatches(const QByteArray& header)
{
    if (header.size() <= VersionOffset)
        return false;
    static const QByteArray jet("\0\1\0\0Standard Jet DB\0", SignatureSize);
    static const QByteArray ace("\0\1\0\0Standard ACE DB\0", SignatureSize);
    const QByteArray start = header.left(SignatureSize);
    return start == jet || start == ace;
}

// Jet 3 files use 2 KiB pages, every later version 4 KiB.
int pageSizeFor(const QByteArray& header)
{
    return header.at(VersionOffset) == 0 ? 2048 : 4096;
}

} // namespace

bool JetFile::hasSignature(const QString& path)
{
    return signatureMatches(readHeader(path));
}

#ifdef TALLYWICK_HAVE_MDB

namespace {

// Every text is converted at least into this much room; long memos get more (see textValue).
constexpr size_t MinimumBindSize = size_t(1) << 20;
constexpr quint32 MemoInline = 0x80000000u;
constexpr quint32 MemoSinglePage = 0x40000000u;
constexpr quint32 MemoLengthMask = 0x3fffffffu;
constexpr int RowOffsetMask = 0x1fff;

} // namespace

struct JetFile::Handle
{
    MdbHandle* mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

namespace {

struct TableDeleter
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

struct Fetch
{
    MdbHandle* mdb;
    qint64 fileSize;
    QString error;
};

bool fieldFits(const Fetch& fetch, const MdbField& field, int needed)
{
    return field.start >= 0 && field.siz >= needed && field.start + field.siz <= fetch.mdb->fmt->pg_size;
}

// A memo spread over pages gets a conversion buffer sized from its stored length: UCS-2 or
// compressed bytes never grow by more than a factor of two in UTF-8.
size_t bindSizeFor(const Fetch& fetch, const MdbColumn* column, const unsigned char* bytes, int size)
{
    if (column->col_type != MDB_MEMO || size < MDB_MEMO_OVERHEAD)
        return MinimumBindSize;
    const quint32 header = qFromLittleEndian<quint32>(bytes);
    if (header & (MemoInline | MemoSinglePage))
        return MinimumBindSize;
    const qint64 stored = header & MemoLengthMask;
    if (stored > fetch.fileSize)
        return 0;
    return qMax(MinimumBindSize, size_t(2 * stored + 16));
}

// The reader quietly returns what it found of a memo whose pages are missing; walk the page chain
// first so that a cut memo counts as damage instead of a shortened description.
bool memoIsWhole(const Fetch& fetch, const unsigned char* bytes, int size)
{
    if (size < MDB_MEMO_OVERHEAD)
        return false;
    const quint32 header = qFromLittleEndian<quint32>(bytes);
    if (header & MemoInline)
        return true;
    const qint64 stored = header & MemoLengthMask;
    const qint64 pageCount = fetch.fileSize / fetch.mdb->fmt->pg_size;
    quint32 pageRow = qFromLittleEndian<quint32>(bytes + 4);
    qint64 found = 0;
    for (qint64 pages = 0; pageRow != 0 && pages <= pageCount; ++pages) {
        void* buffer = nullptr;
        int offset = 0;
        size_t length = 0;
        if ((pageRow >> 8) >= pageCount ||
            mdb_find_pg_row(fetch.mdb, int(pageRow), &buffer, &offset, &length) != 0)
            return false;
        offset &= RowOffsetMask;
        if (offset + qint64(length) > fetch.mdb->fmt->pg_size)
            return false;
        const auto* page = static_cast<const unsigned char*>(buffer);
        if (header & MemoSinglePage)
            return qint64(length) >= stored;
        if (length < 4)
            return false;
        found += qint64(length) - 4;
        pageRow = qFromLittleEndian<quint32>(page + offset);
    }
    return pageRow == 0 && found == stored;
}

QVariant textValue(Fetch& fetch, const MdbColumn* column, const MdbField& field)
{
    if (field.siz == 0)
        return QString(QLatin1String(""));
    const unsigned char* bytes = fetch.mdb->pg_buf + field.start;
    if (column->col_type == MDB_MEMO && !memoIsWhole(fetch, bytes, field.siz)) {
        fetch.error = JetFile::tr("A memo of column %1 is incomplete.").arg(QString::fromUtf8(column->name));
        return {};
    }
    const size_t bindSize = bindSizeFor(fetch, column, bytes, field.siz);
    if (bindSize == 0) {
        fetch.error = JetFile::tr("A memo of column %1 claims more text than the file holds.")
                          .arg(QString::fromUtf8(column->name));
        return {};
    }
    mdb_set_bind_size(fetch.mdb, bindSize);
    char* converted =
        mdb_col_to_string(fetch.mdb, fetch.mdb->pg_buf, field.start, column->col_type, field.siz);
    mdb_set_bind_size(fetch.mdb, MinimumBindSize);
    if (!converted) {
        fetch.error = JetFile::tr("A text of column %1 cannot be read.").arg(QString::fromUtf8(column->name));
        return {};
    }
    const size_t length = std::strlen(converted);
    const QString text = QString::fromUtf8(converted, qsizetype(length));
    g_free(converted);
    // A text that filled the buffer was cut by the reader; better no import than a shortened document.
    if (length + 1 >= bindSize) {
        fetch.error = JetFile::tr("A text of column %1 is too long to be read whole.")
                          .arg(QString::fromUtf8(column->name));
        return {};
    }
    return text;
}

QVariant numberValue(Fetch& fetch, const MdbColumn* column, const MdbField& field)
{
    static const std::map<int, int> sizes{{MDB_BYTE, 1},     {MDB_INT, 2},     {MDB_LONGINT, 4},
                                          {MDB_MONEY, 8},    {MDB_FLOAT, 4},   {MDB_DOUBLE, 8},
                                          {MDB_DATETIME, 8}, {MDB_NUMERIC, 17}};
    if (!fieldFits(fetch, field, sizes.at(column->col_type))) {
        fetch.error = JetFile::tr("A value of column %1 is damaged.").arg(QString::fromUtf8(column->name));
        return {};
    }
    const unsigned char* bytes = fetch.mdb->pg_buf + field.start;
    switch (column->col_type) {
    case MDB_BYTE:
        return qlonglong(bytes[0]);
    case MDB_INT:
        return qlonglong(qFromLittleEndian<qint16>(bytes));
    case MDB_LONGINT:
        return qlonglong(qFromLittleEndian<qint32>(bytes));
    case MDB_MONEY:
        return JetValues::currencyValue(bytes);
    case MDB_FLOAT:
        return double(qFromLittleEndian<float>(bytes));
    case MDB_DOUBLE:
        return qFromLittleEndian<double>(bytes);
    case MDB_NUMERIC:
        return JetValues::decimalText(bytes, column->col_scale).toDouble();
    case MDB_DATETIME: {
        const QDate date = JetValues::dateFromDays(qFromLittleEndian<double>(bytes));
        return date.isValid() ? QVariant(date) : QVariant();
    }
    }
    return {};
}

QVariant fieldValue(Fetch& fetch, const MdbColumn* column, const MdbField& field)
{
    // Yes/No columns keep their value in the null bitmap itself.
    if (column->col_type == MDB_BOOL)
        return bool(!field.is_null);
    if (field.is_null)
        return {};
    switch (column->col_type) {
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
        if (!fieldFits(fetch, field, 0)) {
            fetch.error =
                JetFile::tr("A value of column %1 is damaged.").arg(QString::fromUtf8(column->name));
            return {};
        }
        return textValue(fetch, column, field);
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
    case MDB_DATETIME:
        return numberValue(fetch, column, field);
    default:
        return {}; // pictures and binary data have no place in the program's tables
    }
}

// The reader's own row values lose NULL against "" and dates outside its range, so the row just
// fetched is cracked again and every field decoded from its raw bytes.
bool readCurrentRow(Fetch& fetch, MdbTableDef* table, std::vector<MdbField>& fields, QVariantList& row)
{
    int start = 0;
    size_t length = 0;
    if (table->cur_row == 0 || mdb_find_row(fetch.mdb, int(table->cur_row) - 1, &start, &length) != 0)
        return false;
    start &= RowOffsetMask;
    const int count = mdb_crack_row(table, start, length, fields.data());
    if (count < int(table->num_cols))
        return false;
    row = QVariantList(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const MdbField& field = fields[i];
        if (field.colnum < 0 || unsigned(field.colnum) >= table->num_cols)
            return false;
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, field.colnum));
        row[field.colnum] = fieldValue(fetch, column, field);
        if (!fetch.error.isEmpty())
            return false;
    }
    return true;
}

} // namespace

JetFile::JetFile() = default;

JetFile::~JetFile() = default;

bool JetFile::isSupported()
{
    return true;
}

bool JetFile::open(const QString& path, QString* error)
{
    close();
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        close();
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("%1 cannot be read.").arg(path));
    const QByteArray header = file.read(VersionOffset + 1);
    if (!signatureMatches(header))
        return fail(tr("%1 is not a database file of the old format (.mdb).").arg(path));
    // Such files are whole pages; anything else was cut short, and the reader would run off its end.
    const int pageSize = pageSizeFor(header);
    m_fileSize = file.size();
    if (m_fileSize < 2 * pageSize || m_fileSize % pageSize != 0)
        return fail(tr("%1 is damaged: the file is incomplete.").arg(path));
    file.close();

    m_handle = std::make_unique<Handle>();
    m_handle->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!m_handle->mdb || !mdb_read_catalog(m_handle->mdb, MDB_TABLE))
        return fail(tr("%1 is damaged: its table list cannot be read.").arg(path));
    mdb_set_bind_size(m_handle->mdb, MinimumBindSize);
    m_path = path;
    return true;
}

void JetFile::close()
{
    m_handle.reset();
    m_path.clear();
}

namespace {

MdbCatalogEntry* findTable(MdbHandle* mdb, const QString& name)
{
    if (!mdb || !mdb->catalog)
        return nullptr;
    for (guint i = 0; i < mdb->catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

} // namespace

bool JetFile::hasTable(const QString& name) const
{
    return m_handle && findTable(m_handle->mdb, name) != nullptr;
}

std::optional<JetTable> JetFile::readTable(const QString& name, QString* error)
{
    auto fail = [&](const QString& message) -> std::optional<JetTable> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (!m_handle)
        return fail(tr("No file is open."));
    MdbCatalogEntry* entry = findTable(m_handle->mdb, name);
    if (!entry)
        return fail(tr("%1 holds no table %2.").arg(m_path, name));
    std::unique_ptr<MdbTableDef, TableDeleter> table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()) || table->num_cols == 0 || table->num_cols > MDB_MAX_COLS)
        return fail(tr("%1 is damaged: the columns of table %2 cannot be read.").arg(m_path, name));

    JetTable result;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, i));
        result.columns.append(QString::fromUtf8(column->name));
    }
    Fetch fetch{m_handle->mdb, m_fileSize, {}};
    std::vector<MdbField> fields(MDB_MAX_COLS);
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        QVariantList row;
        if (!readCurrentRow(fetch, table.get(), fields, row)) {
            const QString detail = fetch.error.isEmpty() ? QString() : QLatin1Char(' ') + fetch.error;
            return fail(tr("%1 is damaged: a row of table %2 cannot be read.").arg(m_path, name) + detail);
        }
        result.rows.append(row);
    }
    // Rows on missing pages are simply not found; the count in the table's definition tells.
    if (result.rows.size() != qsizetype(table->num_rows))
        return fail(tr("%1 is damaged: table %2 should hold %3 rows, %4 can be read.")
                        .arg(m_path, name)
                        .arg(table->num_rows)
                        .arg(result.rows.size()));
    return result;
}

#else // no reader library in this build

struct JetFile::Handle
{
};

JetFile::JetFile() = default;

JetFile::~JetFile() = default;

bool JetFile::isSupported()
{
    return false;
}

bool JetFile::open(const QString& path, QString* error)
{
    if (error)
        *error = tr("This build cannot read old database files such as %1.").arg(path);
    return false;
}

void JetFile::close()
{
    m_handle.reset();
    m_path.clear();
}

bool JetFile::hasTable(const QString&) const
{
    return false;
}

std::optional<JetTable> JetFile::readTable(const QString&, QString* error)
{
    if (error)
        *error = tr("This build cannot read old database files.");
    return std::nullopt;
}

#endif
