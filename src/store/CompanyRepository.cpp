#include "store/CompanyRepository.h"

#include "store/Database.h"

#include <QSqlRecord>

bool CompanyRepository::loadInto(CompanyProfile& profile, QString* error)
{
    const SqlResult result = m_database.query(QStringLiteral("SELECT * FROM tblcompany  WHERE Default = 'Yes' "));
    if (!result.ok) {
        if (error)
            *error = result.error;
        return false;
    }
    if (result.records.isEmpty())
        return true;
    const QSqlRecord& row = result.records.first();
    auto take = [&row](const char* column, QString& field) {
        const QVariant value = row.value(QLatin1String(column));
        if (!value.isNull() && !value.toString().isEmpty())
            field = value.toString();
    };
    take("CompanyName", profile.name);
    take("CompanyAddress", profile.address);
    take("CurrencySymbol", profile.currencySymbol);
    take("TaxName", profile.taxName);
    take("TaxPercent", profile.taxPercent);
    return true;
}

std::optional<CompanyProfile> CompanyRepository::loadDefault(QString* error)
{
    CompanyProfile profile;
    if (!loadInto(profile, error))
        return std::nullopt;
    return profile;
}
