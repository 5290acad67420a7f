#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class Database;
class Dialogs;

// Delete (cmddeletePO): removes the open stored document, then leaves a quiet one-row new document.
class DeleteCommand
{
    Q_DECLARE_TR_FUNCTIONS(DeleteCommand)

public:
    enum class Outcome { Deleted, Refused, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Deleted;
        QString error;
    };

    // What the window does after the rows are gone, in this order.
    struct Hooks
    {
        // Start a blank one-row document without the "new document" question.
        std::function<void()> createQuietNewRow;
        std::function<void()> loadDocs;
    };

    DeleteCommand(Database& database, Dialogs& dialogs);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // `currentDocNumber` is the current-document label's text.
    Result remove(const QString& currentDocNumber);

private:
    Database& m_database;
    Dialogs& m_dialogs;
    Hooks m_hooks;
};
