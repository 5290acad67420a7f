#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class SettingsStore;

// The program's own short date: the regional short format of the locale, or day-month-year
// ("dd-MMM-yyyy") when the user picks it on the settings page. The choice lives in the setting
// "DateFormat": "" for the regional format, "dd-MMM-yyyy" for day-month-year.
class ShortDateFormat
{
public:
    static inline const QString DayMonthYear = QStringLiteral("dd-MMM-yyyy");

    // The pattern in force for a setting value; any value other than "dd-MMM-yyyy" means regional.
    static QString pattern(const QLocale& locale, const QString& setting);
    static QString pattern(const QLocale& locale, const SettingsStore& settings);

    // The date as text; "" for an invalid date.
    static QString format(QDate date, const QLocale& locale, const QString& setting);
    static QString format(QDate date, const QLocale& locale, const SettingsStore& settings);

    // The date row of the printed page: the locale's own short form, year as the locale writes it,
    // or day-month-year when chosen.
    static QString pageText(QDate date, const QLocale& locale, const QString& setting);

    // Reads a text written by format() back; an invalid date when it is not one.
    static QDate read(const QString& text, const QLocale& locale, const QString& setting);

    // The setting value that stores the user's choice.
    static QString settingFor(bool dayMonthYear) { return dayMonthYear ? DayMonthYear : QString(); }
    static bool isDayMonthYear(const QString& setting) { return setting == DayMonthYear; }
};
