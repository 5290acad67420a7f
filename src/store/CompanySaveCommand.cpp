#include "store/CompanySaveCommand.h"

#include "core/Dialogs.h"
#include "core/NumberText.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QRegularExpression>

CompanySaveCommand::CompanySaveCommand(Database& database, Dialogs& dialogs, const QLocale& locale)
    : m_database(database), m_dialogs(dialogs), m_locale(locale)
{
}

CompanySaveCommand::Outcome CompanySaveCommand::run(CompanyProfile& profile)
{
    profile.taxPercent = profile.taxPercent.trimmed();
    double percent = 0;
    if (!NumberText::readDouble(profile.taxPercent, m_locale, percent)) {
        m_dialogs.critical(tr("Tax percent should be a number."));
        return Outcome::TaxRefused;
    }
    // "1,000" or "7,5" read as numbers to the user but would change the statement's meaning.
    if (!isPlainSqlNumber(profile.taxPercent)) {
        m_dialogs.critical(tr("Tax percent should be a plain number such as 7 or 7.5, without thousands "
                              "separators or a decimal comma. Nothing was saved."));
        return Outcome::TaxRefused;
    }
    const SqlResult result = m_database.execute(updateStatement(profile));
    if (!result.ok) {
        m_dialogs.critical(tr("The company details could not be saved. Nothing was changed.") + QStringLiteral("\r\n\r\n")
                           + result.error);
        return Outcome::Failed;
    }
    m_dialogs.inform(tr("Settings successfully saved."));
    return Outcome::Saved;
}

QString CompanySaveCommand::updateStatement(const CompanyProfile& profile)
{
    QString sql = QStringLiteral("UPDATE tblcompany SET CompanyName = '") + SqlText::EscapeQuotes(profile.name)
                  + QStringLiteral("', CompanyAddress = '") + SqlText::EscapeQuotes(profile.address)
                  + QStringLiteral("', CurrencySymbol = '") + SqlText::EscapeQuotes(profile.currencySymbol)
                  + QStringLiteral("', TaxName = '") + SqlText::EscapeQuotes(profile.taxName)
                  + QStringLiteral("', TaxPercent = ") + profile.taxPercent;
    EinvoiceCompany einvoice = profile.einvoice;
    for (const auto& [column, field] : CompanyRepository::einvoiceColumns(einvoice))
        sql += QStringLiteral(", %1 = '").arg(QLatin1String(column)) + SqlText::EscapeQuotes(*field) + QLatin1Char('\'');
    sql += QStringLiteral(", RoundLines = '") + (einvoice.roundLinesToCents ? QStringLiteral("Yes") : QStringLiteral("No"));
    return sql + QStringLiteral("' WHERE Default = 'Yes' ");
}

bool CompanySaveCommand::isPlainSqlNumber(const QString& text)
{
    static const QRegularExpression plain(
        QStringLiteral("\\A[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?\\z"));
    return plain.match(text).hasMatch();
}
