#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

// A number series' pattern such as "INV-{YYYY}-{####}": {YYYY} {YY} {MM} stand for the date's
// year and month, and one counter {#…} is written with at least as many digits as it has "#".
class NumberPattern
{
    Q_DECLARE_TR_FUNCTIONS(NumberPattern)

public:
    static constexpr int MaxWidth = 9;

    // A pattern needs exactly one counter of 1..MaxWidth "#"; `error` says what is wrong.
    static bool isValid(const QString& pattern, QString* error = nullptr);
    static QString format(const QString& pattern, const QDate& date, qint64 counter);
};
