#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>

class Database;
class Dialogs;

// "Delete Documents Issued from" (cmdDeleteDocs): every stored row dated within the period, both
// ends included, after an optional compact-and-backup and a confirmation.
class PurgeCommand
{
    Q_DECLARE_TR_FUNCTIONS(PurgeCommand)

public:
    enum class Outcome { Purged, Cancelled, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Purged;
        QString error;
    };

    struct Hooks
    {
        std::function<void()> compact;  // the whole compact-and-backup command
        std::function<void()> loadDocs;
        // Just before the delete: the query that selects the numbers whose rows are about to go.
        std::function<void(const QString& numbersQuery)> deleting;
    };

    // Dates are shown and written in the regional format the database reads its literals with.
    PurgeCommand(Database& database, Dialogs& dialogs);
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // The program's short date setting ("" regional, "dd-MMM-yyyy"): the question and the upper bound
    // show the days in it, as the date pickers do.
    void setDateFormat(const QString& setting) { m_dateFormat = setting; }

    Result run(const QDate& from, const QDate& to);

    static QString statement(const QDate& from, const QDate& to, const QLocale& locale,
                             const QString& dateFormat = QString());
    // The distinct document numbers that statement() would delete rows of.
    static QString affectedNumbers(const QDate& from, const QDate& to, const QLocale& locale,
                                   const QString& dateFormat = QString());
    static QString helpText(const QString& buttonCaption);

private:
    static QString period(const QDate& from, const QDate& to, const QLocale& locale, const QString& dateFormat);

    Database& m_database;
    Dialogs& m_dialogs;
    QLocale m_locale;
    Hooks m_hooks;
    QString m_dateFormat;
};
