#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Database;

// One document type's number series as tblseries keeps it.
struct SeriesDefinition
{
    QString docType;
    QString pattern;
    bool yearlyRestart = false;
    qint64 counter = 0;   // the counter of the last saved number
    int counterYear = 0;  // the year of that number's document

    bool operator==(const SeriesDefinition&) const = default;
};

// Gapless document numbers per type. The counter moves only when a document carrying the offered
// number is saved (inside the save's transaction), so an offered number that was never saved is
// offered again; numbers already stored (typed by hand) are stepped over.
class NumberSeries
{
    Q_DECLARE_TR_FUNCTIONS(NumberSeries)

public:
    explicit NumberSeries(Database& database) : m_database(database) {}

    QList<SeriesDefinition> all(QString* error = nullptr);
    // The series of a document type (compared without regard to case).
    std::optional<SeriesDefinition> find(const QString& docType, QString* error = nullptr);
    // Replaces the patterns and restart choices; counters of types kept stay where they are.
    bool saveAll(const QList<SeriesDefinition>& series, QString* error = nullptr);

    // The counter the next number of a document dated `date` gets, ignoring stored numbers.
    static qint64 nextCounter(const SeriesDefinition& series, const QDate& date);
    // The next free number for a document of `docType` dated `date`; empty without a series.
    QString nextNumber(const QString& docType, const QDate& date);
    // The statement that moves the counter when `number` is the series' next number; empty otherwise.
    // Called inside the save's transaction: it locks the series row, which the statement then moves.
    // A statement that fails leaves its message in `error`.
    QString advanceStatement(const QString& docType, const QString& number, const QDate& date,
                             QString* error = nullptr);

private:
    struct Offer
    {
        QString number;
        qint64 counter = 0;
    };
    std::optional<Offer> offer(const SeriesDefinition& series, const QDate& date);
    bool isStored(const QString& number);

    Database& m_database;
};
