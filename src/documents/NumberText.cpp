#include "documents/NumberText.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kScale = 10000.0;
// Keeps every value exact in a double and far from the 64-bit limit.
constexpr double kLimit = 9.0e14;

QString twoDigits(qint64 value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

NumberText::Fixed NumberText::readFixed(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    bool ok = false;
    double number = locale.toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number))
        return {Status::NotANumber, 0};
    if (std::fabs(number) >= kLimit)
        return {Status::OutOfRange, 0};
    return {Status::Ok, qint64(std::llround(number * kScale))};
}

NumberText::Fixed NumberText::readShort(const QString& text, const QLocale& locale)
{
    const Fixed fixed = readFixed(text, locale);
    if (fixed.status != Status::Ok)
        return fixed;
    const double whole = std::nearbyint(double(fixed.value) / kScale);  // default rounding: half to even
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return {Status::OutOfRange, 0};
    return {Status::Ok, qint64(whole)};
}

qint64 NumberText::storedFixed(const QVariant& value)
{
    if (value.isNull())
        return 0;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) >= kLimit)
        return 0;
    return qint64(std::llround(number * kScale));
}

QString NumberText::bare(qint64 tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? quint64(-(tenThousandths + 1)) + 1 : quint64(tenThousandths);
    QString text = QString::number(magnitude / 10000);
    const quint64 fraction = magnitude % 10000;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}

QString NumberText::money(qint64 tenThousandths, const QLocale& locale)
{
    const bool negative = tenThousandths < 0;
    const qint64 magnitude = negative ? -tenThousandths : tenThousandths;
    const qint64 cents = (magnitude + 50) / 100;
    const QString text = locale.toString(cents / 100) + locale.decimalPoint() + twoDigits(cents % 100);
    return negative && cents != 0 ? locale.negativeSign() + text : text;
}

QString NumberText::storedMoney(const QVariant& value, const QLocale& locale)
{
    if (value.isNull())
        return QString();
    return money(storedFixed(value), locale);
}

QString NumberText::trimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}
