#pragma once

#include "editor/Document.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class Database;
class Dialogs;
class QSqlRecord;

// Open (cmdgetDOC): the stored document named by the list text, read back into a document value.
class OpenCommand
{
    Q_DECLARE_TR_FUNCTIONS(OpenCommand)

public:
    enum class Outcome { Opened, Ignored, NotFound, Cancelled, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Ignored;
        Document document;  // Opened: the stored document, recalculated, named as current
        QString error;
        bool clearListText = false;  // the list's text is to be emptied
    };

    OpenCommand(Database& database, Dialogs& dialogs, const QLocale& locale = QLocale());

    // `current` is the document on screen: what the stored rows do not say is kept from it.
    // `documentOpen`: a document is open in the editor, so closing it is asked first.
    Result open(const QString& listText, const Document& current, bool documentOpen);

    // Header fields of a stored row applied onto a document (flags "Yes" tick, "No"/empty/missing
    // untick, any other value leaves the box as it was).
    static void readHeader(const QSqlRecord& record, Document& document, const QLocale& locale);
    static DocumentRow readRow(const QSqlRecord& record, const QLocale& locale);

private:
    Result failure(const QString& error);

    Database& m_database;
    Dialogs& m_dialogs;
    QLocale m_locale;
};
