#include "store/QueryRowReader.h"

#include <QSqlError>

bool QueryRowReader::next()
{
    return m_query.next();
}

QString QueryRowReader::error() const
{
    return m_query.lastError().isValid() ? m_query.lastError().text() : QString();
}

RowReader::Kind QueryRowReader::kind(int column) const
{
    const QVariant value = m_query.value(column);
    if (value.isNull())
        return Kind::Null;
    switch (value.typeId()) {
    case QMetaType::QString:
        return Kind::Text;
    case QMetaType::Double:
    case QMetaType::Float:
        return Kind::Real;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return Kind::Integer;
    default:
        return Kind::Blob; // anything else is read through value()
    }
}

QStringView QueryRowReader::text(int column)
{
    if (m_texts.size() <= column)
        m_texts.resize(column + 1);
    m_texts[column] = m_query.value(column).toString();
    return m_texts.at(column);
}
