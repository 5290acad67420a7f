#include "core/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

// Digits with an optional sign and one optional point: the machine form the program itself writes
// for literal defaults such as "0.00", readable in any region.
const QRegularExpression& plainNumber()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([+-]?)(\\d*)(?:\\.(\\d*))?\\s*$"));
    return pattern;
}

// Exact decimal digits into ten-thousandths; false when the value leaves the 64-bit range.
bool digitsToUnits(bool negative, const QString& whole, const QString& fraction, qint64& units)
{
    __int128 value = 0;
    for (QChar digit : whole) {
        value = value * 10 + digit.digitValue();
        if (value > (__int128(1) << 70))
            return false;
    }
    for (int i = 0; i < 4; ++i)
        value = value * 10 + (i < fraction.size() ? fraction[i].digitValue() : 0);
    if (fraction.size() > 4 && fraction[4].digitValue() >= 5)
        value += 1;
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint64>::max() || value < std::numeric_limits<qint64>::min())
        return false;
    units = qint64(value);
    return true;
}

} // namespace

QString NumberText::canonical(const QString& text, const QLocale& locale)
{
    QString out = text.trimmed();
    if (!locale.groupSeparator().isEmpty())
        out.remove(locale.groupSeparator());
    out.replace(locale.decimalPoint(), QStringLiteral("."));
    out.replace(locale.negativeSign(), QStringLiteral("-"));
    out.replace(locale.positiveSign(), QStringLiteral("+"));
    return out;
}

bool NumberText::readDouble(const QString& text, const QLocale& locale, double& value)
{
    bool ok = false;
    value = locale.toDouble(text, &ok);
    if (ok)
        return true;
    if (!plainNumber().match(text).hasMatch())
        return false;
    value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok;
}

NumberError NumberText::readMoney(const QString& text, const QLocale& locale, Money& value)
{
    double approximate = 0;
    if (!readDouble(text, locale, approximate) || !std::isfinite(approximate))
        return NumberError::TypeMismatch;
    bool ok = false;
    locale.toDouble(text, &ok);
    QRegularExpressionMatch match = plainNumber().match(ok ? canonical(text, locale) : text);
    if (match.hasMatch() && !(match.captured(2).isEmpty() && match.captured(3).isEmpty())) {
        qint64 units = 0;
        if (!digitsToUnits(match.captured(1) == QLatin1String("-"), match.captured(2), match.captured(3), units))
            return NumberError::Overflow;
        value = Money::fromUnits(units);
        return NumberError::None;
    }
    // Exponent forms are read through double precision.
    const auto converted = Money::fromDouble(approximate);
    if (!converted)
        return NumberError::Overflow;
    value = *converted;
    return NumberError::None;
}

NumberError NumberText::readQuantity(const QString& text, const QLocale& locale, qint16& value)
{
    double number = 0;
    if (!readDouble(text, locale, number) || std::isnan(number))
        return NumberError::TypeMismatch;
    const double whole = std::nearbyint(number);  // default rounding: halves to even
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return NumberError::Overflow;
    value = qint16(whole);
    return NumberError::None;
}

QString NumberText::write(Money value, const QLocale& locale, int decimals)
{
    const qint64 rounded = value.roundedTo(decimals);
    qint64 divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    const quint64 magnitude = rounded < 0 ? quint64(0) - quint64(rounded) : quint64(rounded);
    QString text = locale.toString(qulonglong(magnitude / quint64(divisor)));
    if (decimals > 0) {
        text += locale.decimalPoint();
        text += QStringLiteral("%1").arg(qulonglong(magnitude % quint64(divisor)), decimals, 10, QLatin1Char('0'));
    }
    return rounded < 0 ? locale.negativeSign() + text : text;
}

QString NumberText::errorText(NumberError error)
{
    switch (error) {
    case NumberError::TypeMismatch:
        return QCoreApplication::translate("NumberText", "Type mismatch") + QStringLiteral(" 13");
    case NumberError::Overflow:
        return QCoreApplication::translate("NumberText", "Overflow") + QStringLiteral(" 6");
    case NumberError::None:
        break;
    }
    return QString();
}
