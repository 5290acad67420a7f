#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

class Database;
class Dialogs;
struct Document;

// Save (cmdsave) and "Save File" (cmdSave2): checks, questions, recalculation, and the document's
// rows replacing the stored ones of its number, all or nothing.
class SaveCommand
{
    Q_DECLARE_TR_FUNCTIONS(SaveCommand)

public:
    enum class Outcome { Saved, Refused, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Saved;
        bool focusDocNumber = false;  // the check or question wants the number field focused
        QString error;                // Failed: what went wrong (the window shows nothing)
    };

    // What the window does around the success message and after it.
    struct Hooks
    {
        // The current-document label: its caption and whether it is highlighted (while the message shows).
        std::function<void(const QString& caption, bool highlighted)> currentLabel;
        std::function<void()> loadDocs;
    };

    SaveCommand(Database& database, Dialogs& dialogs, const QLocale& locale = QLocale());

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // The save date written into the rows; today unless set.
    void setSaveDate(const QDate& date) { m_saveDate = date; }

    // On success `document` holds the recalculated values and names the saved number as current.
    Result save(Document& document);
    // cmdSave2: forwards to save() when the Save button is shown.
    Result saveFile(Document& document, bool saveButtonVisible);

    static QString nonNumericMessage();
    // A number that was free when the save began was taken by another desk before its rows went in.
    static QString takenMeanwhileMessage(const QString& number);

private:
    Result refused(bool focusDocNumber = false) const;
    Result nonNumeric();
    Result failed(const QString& error) const;
    bool checkNumber(const QString& untrimmed, const QString& number, Result& result);
    bool checkRows(const Document& document, Result& result);
    bool confirmReplace(const QString& number, const QString& currentDocNumber, bool& replace, Result& result);
    Result write(const Document& document, const QString& number, const QStringList& inserts, bool mustStayFree);
    void finish(Document& document, const QString& number, const QString& reminder);

    Database& m_database;
    Dialogs& m_dialogs;
    QLocale m_locale;
    QDate m_saveDate;
    Hooks m_hooks;
};
