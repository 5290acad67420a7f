#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

class Database;

// The saved-document list as the command line prints it, read in one pass: each number's first row
// comes from the engine already in the list's order and its line is encoded as UTF-8 as it arrives,
// so no entry is kept as a string of its own. Only the classes (for the separators) are read first.
// The bytes are handed over whole, since the pass may still give up at the last row.
class SavedDocsStream
{
public:
    struct Lines
    {
        QString countLabel;
        QByteArray entries; // separators included, each line ending in '\n'
    };

    // Nothing when the lines could differ from LoadDocs's entries (a server's engine orders alike
    // only by chance, numbers outside ASCII are folded across the whole list, rows that arrive out of
    // the placed order) or when reading fails: the caller then lists through LoadDocs.
    static std::optional<Lines> read(Database& database, int order, const QLocale& locale = QLocale(),
                                     const QString& dateFormat = QString());
};
