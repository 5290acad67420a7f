#pragma once

#include <QByteArray>
#include <QString>

// Replacing a file so that, at every moment, the target name holds either the old or the new file
// whole: the new bytes go to a sibling first and rename(2) swaps them in.
class FileReplace
{
public:
    // Copies `from` over `to` (created or replaced).
    static bool copyOver(const QString& from, const QString& to, QString* error = nullptr);
    // Moves `from` over `to`: a rename on the same file system, else a copy and removal.
    static bool moveOver(const QString& from, const QString& to, QString* error = nullptr);
    // Writes `bytes` as the whole of `path` (created or replaced); the error names the path.
    static bool writeWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};
