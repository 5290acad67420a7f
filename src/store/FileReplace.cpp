#include "store/FileReplace.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool FileReplace::copyOver(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1: %2").arg(from, source.errorString()));
    // QSaveFile writes a sibling and renames it over the target on commit.
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("%1: %2").arg(to, target.errorString()));
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            return fail(error, QStringLiteral("%1: %2").arg(from, source.errorString()));
        if (target.write(chunk) != chunk.size())
            return fail(error, QStringLiteral("%1: %2").arg(to, target.errorString()));
    }
    if (!target.commit())
        return fail(error, QStringLiteral("%1: %2").arg(to, target.errorString()));
    return true;
}

bool FileReplace::moveOver(const QString& from, const QString& to, QString* error)
{
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()), code);
    if (!code)
        return true;
    if (!copyOver(from, to, error))
        return false;
    QFile::remove(from);
    return true;
}

bool FileReplace::writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    return fail(error,
                QCoreApplication::translate("FileReplace", "Cannot write %1: %2").arg(path, file.errorString()));
}
