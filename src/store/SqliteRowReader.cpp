#include "store/SqliteRowReader.h"

#include <memory>
#include <sqlite3.h>

SqliteRowReader::~SqliteRowReader()
{
    sqlite3_finalize(m_statement);
}

std::unique_ptr<SqliteRowReader> SqliteRowReader::prepare(sqlite3* connection, const QString& sql,
                                                          const QVariantList& values, QString* error)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare16_v2(connection, sql.constData(), int(sql.size() * sizeof(QChar)), &statement,
                             nullptr) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(connection));
        sqlite3_finalize(statement);
        return nullptr;
    }
    std::unique_ptr<SqliteRowReader> reader(new SqliteRowReader(connection, statement));
    if (!reader->bind(values)) {
        if (error)
            *error = reader->m_error;
        return nullptr;
    }
    return reader;
}

bool SqliteRowReader::bind(const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values.at(i);
        int result = SQLITE_MISUSE;
        if (value.isNull()) {
            result = sqlite3_bind_null(m_statement, i + 1);
        } else if (value.typeId() == QMetaType::QString) {
            const QString text = value.toString();
            result = sqlite3_bind_text16(m_statement, i + 1, text.constData(),
                                         int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::Double) {
            result = sqlite3_bind_double(m_statement, i + 1, value.toDouble());
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            result = sqlite3_bind_int64(m_statement, i + 1, value.toLongLong());
        }
        if (result != SQLITE_OK) {
            m_error = QStringLiteral("Cannot bind value %1").arg(i + 1);
            return false;
        }
    }
    return true;
}

bool SqliteRowReader::next()
{
    if (!m_error.isEmpty())
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        m_error = QString::fromUtf8(sqlite3_errmsg(m_connection));
    return false;
}

RowReader::Kind SqliteRowReader::kind(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return Kind::Null;
    case SQLITE_INTEGER:
        return Kind::Integer;
    case SQLITE_FLOAT:
        return Kind::Real;
    case SQLITE_BLOB:
        return Kind::Blob;
    default:
        return Kind::Text;
    }
}

QStringView SqliteRowReader::text(int column)
{
    const void* text = sqlite3_column_text16(m_statement, column);
    const qsizetype bytes = sqlite3_column_bytes16(m_statement, column);
    return QStringView(static_cast<const QChar*>(text), bytes / qsizetype(sizeof(QChar)));
}

qint64 SqliteRowReader::integer(int column)
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteRowReader::real(int column)
{
    return sqlite3_column_double(m_statement, column);
}

// As the driver does: integers as qlonglong, reals as double, blobs as bytes, null as a null text.
QVariant SqliteRowReader::value(int column)
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
                                   sqlite3_column_bytes(m_statement, column)));
    default:
        return QVariant(text(column).toString());
    }
}
