#include "cli/CappedRead.h"

#include <QString>

std::optional<QByteArray> CappedRead::read(QIODevice& device, qint64 limit)
{
    if (!device.isSequential() && device.size() > limit)
        return std::nullopt;
    QByteArray bytes;
    constexpr qint64 Piece = 64 * 1024;
    while (true) {
        const QByteArray piece = device.read(Piece);
        if (piece.isEmpty())
            break;  // the end, or a read error (which a blocking file or pipe only has at the end)
        if (bytes.size() + piece.size() > limit)
            return std::nullopt;
        bytes += piece;
    }
    return bytes;
}

QString CappedRead::tooLarge(const QString& what, qint64 limit)
{
    return QStringLiteral("%1 is larger than %2 MiB; nothing was read.").arg(what).arg(limit / (1024 * 1024));
}
