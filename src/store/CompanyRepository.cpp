#include "store/CompanyRepository.h"

#include "store/Database.h"

#include <QSqlRecord>

QList<std::pair<const char*, QString*>> CompanyRepository::einvoiceColumns(EinvoiceCompany& e)
{
    return {{"LegalName", &e.legalName},   {"VatId", &e.vatId},
            {"TaxNumber", &e.taxNumber},   {"RegistrationId", &e.registrationId},
            {"Street", &e.street},         {"PostCode", &e.postCode},
            {"City", &e.city},             {"CountryCode", &e.countryCode},
            {"Email", &e.email},           {"Phone", &e.phone},
            {"CurrencyCode", &e.currencyCode}, {"Iban", &e.iban},
            {"Bic", &e.bic},               {"PaymentMeans", &e.paymentMeans},
            {"DefaultUnit", &e.defaultUnit}, {"DueDays", &e.dueDays},
            {"ExemptionReason", &e.exemptionReason}};
}

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
    EinvoiceCompany& e = profile.einvoice;
    for (const auto& [column, field] : einvoiceColumns(e))
        take(column, *field);
    const QVariant round = row.value(QStringLiteral("RoundLines"));
    if (!round.isNull() && !round.toString().isEmpty())
        e.roundLinesToCents = round.toString() == QLatin1String("Yes");
    return true;
}

std::optional<CompanyProfile> CompanyRepository::loadDefault(QString* error)
{
    CompanyProfile profile;
    if (!loadInto(profile, error))
        return std::nullopt;
    return profile;
}
