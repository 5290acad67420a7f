#pragma once

#include <QtGlobal>

#include <optional>

// A fixed-point amount: a 64-bit count of ten-thousandths. Every operation that could leave the
// 64-bit range answers std::nullopt, which the totals report as an overflow.
class Money
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    // Rounds to four places, halves away from zero.
    static std::optional<Money> fromDouble(double value);

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    double toDouble() const { return double(m_units) / double(Scale); }
    // The value rounded to `decimals` places (0..4), halves away from zero, as a count of
    // 10^-decimals.
    qint64 roundedTo(int decimals) const;

    static std::optional<Money> add(Money a, Money b);
    static std::optional<Money> subtract(Money a, Money b);
    // Q × (P − D × P / 100), exact, then held in four places.
    static std::optional<Money> lineAmount(qint16 quantity, Money price, Money discountPercent);
    // The same from the price and discount as two places print them, rounded once to cents: a
    // line amount that a reader can recompute from the printed figures.
    static std::optional<Money> lineAmountInCents(qint16 quantity, Money price, Money discountPercent);
    // S × R / 100 rounded to two places, halves away from zero.
    static std::optional<Money> percentToCents(Money base, Money ratePercent);
    // S × R / 100 computed in double precision and converted back to four places.
    static std::optional<Money> percentInDouble(Money base, Money ratePercent);

    constexpr bool operator==(const Money&) const = default;

private:
    explicit constexpr Money(qint64 units) : m_units(units) {}

    qint64 m_units = 0;
};
