#include "core/Money.h"

#include <cmath>
#include <limits>

namespace {

using Wide = __int128;

// Integer division rounding halves away from zero.
Wide divideRounded(Wide numerator, Wide denominator)
{
    const bool negative = (numerator < 0) != (denominator < 0);
    const Wide n = numerator < 0 ? -numerator : numerator;
    const Wide d = denominator < 0 ? -denominator : denominator;
    const Wide q = (n + d / 2) / d;
    return negative ? -q : q;
}

std::optional<Money> fromWide(Wide units)
{
    if (units > std::numeric_limits<qint64>::max() || units < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return Money::fromUnits(qint64(units));
}

} // namespace

std::optional<Money> Money::fromDouble(double value)
{
    const double scaled = std::round(value * double(Scale));
    if (!std::isfinite(scaled) || scaled >= 9.2233720368547758e18 || scaled < -9.2233720368547758e18)
        return std::nullopt;
    return Money(qint64(scaled));
}

qint64 Money::roundedTo(int decimals) const
{
    qint64 divisor = 1;
    for (int i = decimals; i < 4; ++i)
        divisor *= 10;
    return qint64(divideRounded(m_units, divisor));
}

std::optional<Money> Money::add(Money a, Money b)
{
    return fromWide(Wide(a.m_units) + Wide(b.m_units));
}

std::optional<Money> Money::subtract(Money a, Money b)
{
    return fromWide(Wide(a.m_units) - Wide(b.m_units));
}

std::optional<Money> Money::lineAmount(qint16 quantity, Money price, Money discountPercent)
{
    // In ten-thousandths: q × p × (1 000 000 − d) / 1 000 000, rounded once at the end.
    constexpr Wide hundredPercent = Wide(100) * Scale * Scale;
    const Wide remaining = hundredPercent - Wide(discountPercent.m_units) * Scale;
    Wide product = 0;
    if (__builtin_mul_overflow(Wide(quantity) * Wide(price.m_units), remaining, &product))
        return std::nullopt;
    return fromWide(divideRounded(product, hundredPercent));
}

std::optional<Money> Money::lineAmountInCents(qint16 quantity, Money price, Money discountPercent)
{
    // Cents × hundredths of a percent: q × p × (10000 − d) / 10000 is the amount in cents.
    const Wide cents = Wide(quantity) * Wide(price.roundedTo(2)) * (Wide(10000) - Wide(discountPercent.roundedTo(2)));
    return fromWide(divideRounded(cents, Wide(10000)) * Wide(100));
}

std::optional<Money> Money::percentToCents(Money base, Money ratePercent)
{
    // base × rate is in 10^-8; one hundredth of it in cents is a division by 10^8.
    Wide product = 0;
    if (__builtin_mul_overflow(Wide(base.m_units), Wide(ratePercent.m_units), &product))
        return std::nullopt;
    const Wide cents = divideRounded(product, Wide(100000000));
    Wide units = 0;
    if (__builtin_mul_overflow(cents, Wide(100), &units))
        return std::nullopt;
    return fromWide(units);
}

std::optional<Money> Money::percentInDouble(Money base, Money ratePercent)
{
    return fromDouble(base.toDouble() * ratePercent.toDouble() / 100.0);
}
