#pragma once

#include "core/Money.h"

#include <QLocale>
#include <QString>

// Why a field's text could not be read as a number.
enum class NumberError { None, TypeMismatch, Overflow };

// Numbers as the fields hold them: the regional number format for writing and reading, grouping
// accepted on reading, money always with two decimals.
class NumberText
{
public:
    // Reads a number into four places (extra places halve away from zero).
    static NumberError readMoney(const QString& text, const QLocale& locale, Money& value);
    // Reads a number to the nearest 16-bit integer, an exact half going to the even neighbour.
    static NumberError readQuantity(const QString& text, const QLocale& locale, qint16& value);
    // The value rounded to `decimals` places (halves away from zero) in the regional format.
    static QString write(Money value, const QLocale& locale, int decimals = 2);
    static QString zero(const QLocale& locale) { return write(Money(), locale); }
    // The description and number " Calculate" shows for a failed reading.
    static QString errorText(NumberError error);
    // Any number the region's format (or the plain machine form) can read.
    static bool readDouble(const QString& text, const QLocale& locale, double& value);

private:
    static QString canonical(const QString& text, const QLocale& locale);
};
