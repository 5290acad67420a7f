#include "einvoice/DecimalText.h"

QString DecimalText::write(qint64 value, int decimals, int minDecimals)
{
    // Unsigned so that the most negative value has a magnitude too.
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals - digits.size() + 1, QLatin1Char('0')));
    QString whole = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);
    while (fraction.size() > minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    QString text = negative && (magnitude != 0) ? QStringLiteral("-") : QString();
    text += whole;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return text;
}
