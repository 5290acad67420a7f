#include "store/SqlText.h"

#include "core/ShortDateFormat.h"

namespace SqlText {

QString EscapeQuotes(const QString& value)
{
    if (!value.contains(QLatin1Char('\'')))
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return escaped;
}

QString TrimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QString DateText(const QDate& date, const QLocale& locale)
{
    if (!date.isValid())
        return QString();
    return QString::number(date.day()) + QLatin1Char('-') + locale.monthName(date.month(), QLocale::ShortFormat)
           + QLatin1Char('-') + QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

QString DateText(const QVariant& value, const QLocale& locale)
{
    return DateText(ReadDate(value, locale), locale);
}

namespace {

QDate readDayMonthYear(const QString& text, const QLocale& locale)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 3)
        return QDate();
    bool dayOk = false;
    bool yearOk = false;
    const int day = parts[0].trimmed().toInt(&dayOk);
    const int year = parts[2].trimmed().toInt(&yearOk);
    if (!dayOk || !yearOk)
        return QDate();
    const QString monthText = parts[1].trimmed();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int month = 1; month <= 12; ++month) {
        for (const QLocale& candidate : {locale, english}) {
            if (monthText.compare(candidate.monthName(month, QLocale::ShortFormat), Qt::CaseInsensitive) == 0
                || monthText.compare(candidate.monthName(month, QLocale::LongFormat), Qt::CaseInsensitive) == 0)
                return QDate(year, month, day);
        }
    }
    return QDate();
}

} // namespace

QDate ReadDate(const QVariant& value, const QLocale& locale)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    if (!value.canConvert<QString>())
        return QDate();
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QDate();
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (date.isValid())
        return date;
    date = readDayMonthYear(text, locale);
    if (date.isValid())
        return date;
    date = locale.toDate(text, QLocale::ShortFormat);
    if (date.isValid()) {
        // Two-digit years of the short format mean this century.
        if (date.year() < 1950)
            date = date.addYears(100);
        return date;
    }
    // The program's own short dates: the regional form with a four-digit year, or day-month-year in
    // the locale's own digits and month names.
    for (const QString& setting : {QString(), ShortDateFormat::DayMonthYear}) {
        date = ShortDateFormat::read(text, locale, setting);
        if (date.isValid())
            return date;
    }
    return locale.toDate(text, QLocale::LongFormat);
}

QVariant NullToText(const QVariant& value)
{
    if (value.isNull())
        return QString(QLatin1String(""));
    return value;
}

QVariant NullToZero(const QVariant& value)
{
    if (value.isNull())
        return QVariant::fromValue<qint16>(0);
    return value;
}

} // namespace SqlText
