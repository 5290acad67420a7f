#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>

class Database;

// The sales journal for the accountant: one CSV line per stored document dated FROM..TO (RFC 4180,
// UTF-8, CR LF, a header row), ordered by date then number. Amounts are the document's totals
// recalculated as Open shows them, written with a dot and two decimals whatever the region.
class SalesJournal
{
    Q_DECLARE_TR_FUNCTIONS(SalesJournal)

public:
    struct Result
    {
        bool ok = true;
        QString error;
        QByteArray csv;
        int documents = 0;
    };

    explicit SalesJournal(Database& database) : m_database(database) {}

    // `docType` empty: every type; otherwise only that type (compared without regard to case).
    Result build(const QDate& from, const QDate& to, const QString& docType = QString());

    static QByteArray headerLine();
    // One CSV field: quoted when it holds a comma, a quote or a line break, quotes doubled.
    static QString field(const QString& value);

private:
    QString statement(const QDate& from, const QDate& to, const QString& docType) const;

    Database& m_database;
};
