#pragma once

#include "store/JetImportSummary.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class Database;
class JetFile;
struct JetTable;

// Copies the documents and the company profile of an old database file (".mdb") into the
// program's open database: every column, rows in ID order, one transaction. A document whose
// number is already stored is left out and reported, so importing twice duplicates nothing. The
// company rows replace the database's own only while it holds no documents.
class JetImporter
{
    Q_DECLARE_TR_FUNCTIONS(JetImporter)

public:
    explicit JetImporter(Database& database) : m_database(database) {}

    // On failure nothing has been written and `error` says why.
    std::optional<JetImportSummary> importFile(const QString& jetPath, QString* error = nullptr);

    // The summary as lines for a message or the terminal.
    static QStringList describe(const JetImportSummary& summary);

private:
    bool importDocuments(const JetTable& documents, bool emptyBefore, JetImportSummary& summary,
                         QString* error);
    bool importCompany(const JetTable& companies, bool emptyBefore, JetImportSummary& summary,
                       QString* error);
    std::optional<bool> isStored(const QVariant& number, QString* error);

    Database& m_database;
};
