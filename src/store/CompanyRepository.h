#pragma once

#include "store/CompanyProfile.h"

#include <QList>

#include <optional>
#include <utility>

class Database;

// The company row whose Default is 'Yes'.
class CompanyRepository
{
public:
    explicit CompanyRepository(Database& database) : m_database(database) {}

    // Fills `profile` from the default row: a column that is empty or null leaves its field as it
    // was. Returns false with `error` on a database failure; no default row is no failure.
    bool loadInto(CompanyProfile& profile, QString* error = nullptr);
    std::optional<CompanyProfile> loadDefault(QString* error = nullptr);

    // The e-invoice text fields with the tblcompany column of each (RoundLines, a Yes/No flag, aside).
    static QList<std::pair<const char*, QString*>> einvoiceColumns(EinvoiceCompany& einvoice);

private:
    Database& m_database;
};
