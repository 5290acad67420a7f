#pragma once

#include <QStringList>

// What an import of an old database file wrote.
struct JetImportSummary
{
    enum class Company
    {
        Imported,
        KeptHasDocuments,
        KeptNoDefaultRow
    };

    int documents = 0;   // documents written
    int rows = 0;        // their line-item rows
    QStringList skipped; // numbers of documents already stored, left out
    Company company = Company::KeptNoDefaultRow;
    QString companyName;        // of the imported default company row
    QStringList missingColumns; // the program's columns the file lacks, left empty (NULL)
};
