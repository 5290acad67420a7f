#include "store/JetValues.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

// 1 Jan 100 and 31 Dec 9999, the range the old format accepts.
constexpr double FirstDay = -657434.0;
constexpr double LastDay = 2958465.0;

} // namespace

namespace JetValues {

QDate dateFromDays(double days)
{
    if (!std::isfinite(days))
        return {};
    const double whole = std::trunc(days);
    if (whole < FirstDay || whole > LastDay)
        return {};
    return QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
}

double currencyValue(const unsigned char* bytes)
{
    return static_cast<double>(qFromLittleEndian<qint64>(bytes)) / 10000.0;
}

QString decimalText(const unsigned char* bytes, int scale)
{
    unsigned __int128 magnitude = 0;
    for (int word = 0; word < 4; ++word)
        magnitude = (magnitude << 32) | qFromLittleEndian<quint32>(bytes + 1 + 4 * word);
    const bool negative = (bytes[0] & 0x80) != 0 && magnitude != 0;
    QString digits;
    do {
        digits.prepend(QLatin1Char(char('0' + int(magnitude % 10))));
        magnitude /= 10;
    } while (magnitude != 0);
    scale = qBound(0, scale, 38);
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.prepend(QString(scale - digits.size() + 1, QLatin1Char('0')));
        digits.insert(digits.size() - scale, QLatin1Char('.'));
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace JetValues
