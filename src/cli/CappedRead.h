#pragma once

#include <QByteArray>
#include <QIODevice>

#include <optional>

// An input read whole only when it is no larger than `limit`: a pipe or a file, read in pieces so
// that an oversized one costs no more than `limit` of memory before it is refused.
class CappedRead
{
public:
    static constexpr qint64 Limit = 16 * 1024 * 1024;

    // Nothing when the input holds more than `limit` bytes.
    static std::optional<QByteArray> read(QIODevice& device, qint64 limit = Limit);
    // "… is larger than 16 MiB; …" for `what` (a file name, or "Standard input").
    static QString tooLarge(const QString& what, qint64 limit = Limit);
};
