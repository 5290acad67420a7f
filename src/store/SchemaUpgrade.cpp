#include "store/SchemaUpgrade.h"

#include "store/Database.h"

#include <QSqlDatabase>
#include <QSqlRecord>

namespace {

QSqlDatabase connectionOf(Database& database)
{
    return QSqlDatabase::database(database.connectionName(), false);
}

bool hasTable(Database& database, const QString& table)
{
    const QStringList tables = connectionOf(database).tables();
    for (const QString& name : tables) {
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool hasColumn(Database& database, const QString& table, const QString& column)
{
    const QSqlRecord record = connectionOf(database).record(table);
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QList<SchemaUpgrade::Column> einvoiceColumns()
{
    QList<SchemaUpgrade::Column> columns;
    const char* company[] = {"LegalName", "VatId", "TaxNumber", "RegistrationId", "Street", "PostCode", "City",
                             "CountryCode", "Email", "Phone", "CurrencyCode", "Iban", "Bic", "PaymentMeans",
                             "DefaultUnit", "DueDays", "ExemptionReason", "RoundLines"};
    for (const char* name : company)
        columns.append({QStringLiteral("tblcompany"), QLatin1String(name), QStringLiteral("TEXT")});
    for (const char* name : {"BuyerCountry", "BuyerVatId", "BuyerReference"})
        columns.append({QStringLiteral("tbldoc"), QLatin1String(name), QStringLiteral("TEXT")});
    columns.append({QStringLiteral("tbldoc"), QStringLiteral("DueDate"), QStringLiteral("DATE")});
    return columns;
}

} // namespace

const QList<SchemaUpgrade::Step>& SchemaUpgrade::steps()
{
    static const QList<Step> all{
        // A document keeps the tax, currency and money options it was issued with.
        {1,
         {{QStringLiteral("tbldoc"), QStringLiteral("TaxName"), QStringLiteral("TEXT")},
          {QStringLiteral("tbldoc"), QStringLiteral("TaxPercent"), QStringLiteral("NUMERIC")},
          {QStringLiteral("tbldoc"), QStringLiteral("CurrencySymbol"), QStringLiteral("TEXT")},
          {QStringLiteral("tbldoc"), QStringLiteral("HideMoney"), QStringLiteral("TEXT")},
          {QStringLiteral("tbldoc"), QStringLiteral("ShowBalance"), QStringLiteral("TEXT")}},
         {}},
        // Number series: one row per document type that has one.
        {2,
         {},
         {QStringLiteral("CREATE TABLE tblseries (DocType TEXT, Pattern TEXT, YearlyRestart TEXT, "
                         "Counter INTEGER, CounterYear INTEGER)")}},
        // Customer and product look-ups by name, most recent row first.
        {3,
         {},
         {QStringLiteral("CREATE INDEX tbldoc_customer ON tbldoc (CompanyName, ID)"),
          QStringLiteral("CREATE INDEX tbldoc_product ON tbldoc (ProductID, ID, Serial)")}},
        // Electronic invoices: the company's identifiers, address, bank and defaults, and per document
        // the buyer's country, VAT identifier and reference and the due date. Empty means the default.
        {4, einvoiceColumns(), {}},
    };
    return all;
}

int SchemaUpgrade::latestVersion()
{
    return steps().isEmpty() ? 0 : steps().constLast().version;
}

int SchemaUpgrade::versionOf(Database& database)
{
    if (!database.isOpen())
        return -1;
    if (!hasTable(database, QStringLiteral("tblschema")))
        return 0;
    const SqlResult result = database.query(QStringLiteral("SELECT Version FROM tblschema"));
    if (!result.ok)
        return -1;
    int version = 0;
    for (const QSqlRecord& record : result.records)
        version = qMax(version, record.value(0).toInt());
    return version;
}

bool SchemaUpgrade::run(Database& database, QString* error, Transactions transactions)
{
    const int current = versionOf(database);
    if (current < 0) {
        if (error)
            *error = tr("The database's schema version cannot be read.");
        return false;
    }
    for (const Step& step : steps()) {
        if (step.version > current && !runStep(database, step, transactions, error))
            return false;
    }
    return true;
}

bool SchemaUpgrade::runStep(Database& database, const Step& step, Transactions transactions, QString* error)
{
    const bool ownTransaction = transactions == Transactions::OnePerStep;
    auto fail = [&](const QString& message) {
        if (ownTransaction)
            database.rollback();
        if (error)
            *error = message;
        return false;
    };
    if (ownTransaction && !database.beginTransaction()) {
        if (error)
            *error = tr("The database cannot start a transaction.");
        return false;
    }
    // Several desks may start at once on a server: one upgrades, the others wait for it and then
    // find the step done, so what was read before the lock is read again.
    if (!database.lockSchema())
        return fail(tr("The database could not be brought up to date (step %1).").arg(step.version));
    const int current = versionOf(database);
    if (current < 0)
        return fail(tr("The database's schema version cannot be read."));
    if (current >= step.version)
        return !ownTransaction || database.commit()
            || fail(tr("The database could not be brought up to date (step %1).").arg(step.version));

    QStringList statements;
    if (!hasTable(database, QStringLiteral("tblschema")))
        statements << QStringLiteral("CREATE TABLE tblschema (Version INTEGER)");
    for (const Column& column : step.columns) {
        if (!hasColumn(database, column.table, column.name))
            statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(column.table, column.name, column.type);
    }
    statements << step.statements;
    statements << QStringLiteral("DELETE FROM tblschema")
               << QStringLiteral("INSERT INTO tblschema (Version) VALUES (%1)").arg(step.version);
    for (const QString& sql : std::as_const(statements)) {
        const SqlResult done = database.execute(sql);
        if (!done.ok)
            return fail(tr("The database could not be brought up to date (step %1): %2").arg(step.version).arg(done.error));
    }
    if (ownTransaction && !database.commit())
        return fail(tr("The database could not be brought up to date (step %1).").arg(step.version));
    return true;
}
