#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVariant>

// Small text helpers with which every statement of the program is built and every value read back.
namespace SqlText {

// The value ready to stand between single quotes: every ' doubled.
QString EscapeQuotes(const QString& value);
// Leading and trailing blanks removed, only blanks: tabs and line breaks stay, unlike trimmed().
QString TrimBlanks(const QString& text);
// "4-Dec-2026": day without leading zero, abbreviated month name of the locale, four-digit year.
// Empty for anything that is not a date (or a text that reads as one).
QString DateText(const QVariant& value, const QLocale& locale = QLocale());
QString DateText(const QDate& date, const QLocale& locale = QLocale());
// Reads a date given as QDate, ISO text, DateText text or the locale's short date.
QDate ReadDate(const QVariant& value, const QLocale& locale = QLocale());
// A database null becomes "" (respectively 0); anything else is returned unchanged.
QVariant NullToText(const QVariant& value);
QVariant NullToZero(const QVariant& value);

} // namespace SqlText
