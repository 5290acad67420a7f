#pragma once

#include "store/CompanyProfile.h"

#include <optional>

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

private:
    Database& m_database;
};
