#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// A query's rows one at a time, forward only, each column read as the type it is stored as: a long
// list reads its texts and numbers without a QVariant per value. A view stays valid until next().
class RowReader
{
public:
    enum class Kind
    {
        Null,
        Integer,
        Real,
        Text,
        Blob
    };

    virtual ~RowReader() = default;

    // The next row; false at the end or on an error (then error() says which).
    virtual bool next() = 0;
    virtual QString error() const = 0;

    virtual Kind kind(int column) const = 0;
    virtual QStringView text(int column) = 0; // for Kind::Text
    virtual qint64 integer(int column) = 0;   // for Kind::Integer
    virtual double real(int column) = 0;      // for Kind::Integer and Kind::Real
    // The value as a QSqlQuery on the same connection gives it.
    virtual QVariant value(int column) = 0;
};
