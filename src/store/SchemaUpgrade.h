#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Brings an older database up to the program's schema. The file records its version in tblschema;
// every step above it runs once, in one transaction together with the version it reaches, so a
// failure leaves the file exactly as it was. Steps only add (columns, tables, indexes), never drop,
// so no stored row is lost. A file newer than the program is left untouched. Steps run one at a time
// across every connection to the database, so desks starting together never repeat one.
class SchemaUpgrade
{
    Q_DECLARE_TR_FUNCTIONS(SchemaUpgrade)

public:
    struct Column
    {
        QString table;
        QString name;
        QString type;
    };
    struct Step
    {
        int version = 0;
        QList<Column> columns;    // added when missing
        QStringList statements;   // run after the columns
    };

    // The steps in order; a new feature appends one with the next version number.
    static const QList<Step>& steps();
    static int latestVersion();

    // The version the file records; 0 for a file that has never been upgraded, -1 on failure.
    static int versionOf(Database& database);
    enum class Transactions { OnePerStep, InCallersTransaction };
    static constexpr Transactions InCallersTransaction = Transactions::InCallersTransaction;
    // Runs the missing steps; false with `error` when one failed (that step is rolled back). A caller
    // that holds a transaction (a file being made) has the steps run inside it and ends it itself.
    static bool run(Database& database, QString* error = nullptr, Transactions transactions = Transactions::OnePerStep);

private:
    static bool runStep(Database& database, const Step& step, Transactions transactions, QString* error);
};
