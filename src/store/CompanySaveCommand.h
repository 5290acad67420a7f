#pragma once

#include "store/CompanyProfile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class Database;
class Dialogs;

// "Save" of the company fields: writes them over the default company row.
class CompanySaveCommand
{
    Q_DECLARE_TR_FUNCTIONS(CompanySaveCommand)

public:
    enum class Outcome {
        Saved,           // the row was updated (or there is no default row to update)
        TaxRefused,      // the tax percent is no number; the caller puts the focus on it
        Failed,          // the database refused the statement; nothing was written
    };

    CompanySaveCommand(Database& database, Dialogs& dialogs, const QLocale& locale = QLocale());

    // Trims the tax percent in `profile` (as the box then shows it) and saves the profile.
    Outcome run(CompanyProfile& profile);

    // The statement that writes `profile` over the default row; the tax percent goes in bare.
    static QString updateStatement(const CompanyProfile& profile);
    // True when the text can stand bare in a statement as a number: digits, one '.', sign, exponent.
    static bool isPlainSqlNumber(const QString& text);

private:
    Database& m_database;
    Dialogs& m_dialogs;
    QLocale m_locale;
};
