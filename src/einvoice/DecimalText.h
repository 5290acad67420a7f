#pragma once

#include <QString>

// Exact decimal text of a scaled integer, in the machine form the XML needs ("1234.5", never
// grouped): `value` counts units of 10^-decimals; trailing zeros beyond `minDecimals` are dropped.
class DecimalText
{
public:
    static QString write(qint64 value, int decimals, int minDecimals);
    static QString cents(qint64 value) { return write(value, 2, 2); }
};
