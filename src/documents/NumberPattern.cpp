#include "documents/NumberPattern.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& counterToken()
{
    static const QRegularExpression token(QStringLiteral("\\{(#+)\\}"));
    return token;
}

} // namespace

bool NumberPattern::isValid(const QString& pattern, QString* error)
{
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    qsizetype counters = 0;
    auto it = counterToken().globalMatch(pattern);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        ++counters;
        if (match.capturedLength(1) > MaxWidth)
            return fail(tr("The counter {#…} may have at most %1 \"#\".").arg(MaxWidth));
    }
    if (counters != 1)
        return fail(tr("The pattern needs exactly one counter such as {####}."));
    if (pattern.size() > 30 - MaxWidth)
        return fail(tr("The pattern is too long for a document number."));
    return true;
}

QString NumberPattern::format(const QString& pattern, const QDate& date, qint64 counter)
{
    QString text = pattern;
    text.replace(QLatin1String("{YYYY}"), QString::number(date.year()).rightJustified(4, QLatin1Char('0')));
    text.replace(QLatin1String("{YY}"), QString::number(date.year() % 100).rightJustified(2, QLatin1Char('0')));
    text.replace(QLatin1String("{MM}"), QString::number(date.month()).rightJustified(2, QLatin1Char('0')));
    const QRegularExpressionMatch match = counterToken().match(text);
    if (match.hasMatch())
        text.replace(match.capturedStart(), match.capturedLength(),
                     QString::number(counter).rightJustified(match.capturedLength(1), QLatin1Char('0')));
    return text;
}
