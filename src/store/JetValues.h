#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Raw column values of the old file format, decoded without the reader library: its own
// conversions lose dates outside its range and format numbers through text.
namespace JetValues {

// Dates are days since 30 Dec 1899; the whole part is the day even below zero, the fraction the
// time of day. Invalid for a value outside the years 100 to 9999 or not a number.
QDate dateFromDays(double days);

// Currency: a 64-bit count of ten-thousandths.
double currencyValue(const unsigned char* bytes);

// Decimal: a sign byte (0x80 negative), then 16 bytes of magnitude as four little-endian 32-bit
// words, most significant word first; `scale` digits after the point. Exact decimal text, e.g. "-12.50".
QString decimalText(const unsigned char* bytes, int scale);

} // namespace JetValues
