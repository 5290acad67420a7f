#include "core/ShortDateFormat.h"

#include "core/SettingsStore.h"

namespace {

// Regional short formats often carry a two-digit year ("M/d/yy"); a four-digit year keeps the text
// unambiguous when it is read back, as in a purge bound or a stored date.
QString withFullYear(QString pattern)
{
    if (pattern.contains(QStringLiteral("yyyy")))
        return pattern;
    const qsizetype at = pattern.indexOf(QStringLiteral("yy"));
    if (at >= 0)
        pattern.replace(at, 2, QStringLiteral("yyyy"));
    return pattern;
}

} // namespace

QString ShortDateFormat::pattern(const QLocale& locale, const QString& setting)
{
    if (isDayMonthYear(setting))
        return DayMonthYear;
    return withFullYear(locale.dateFormat(QLocale::ShortFormat));
}

QString ShortDateFormat::pattern(const QLocale& locale, const SettingsStore& settings)
{
    return pattern(locale, settings.get(SettingsStore::DateFormat));
}

QString ShortDateFormat::format(QDate date, const QLocale& locale, const QString& setting)
{
    if (!date.isValid())
        return QString();
    return locale.toString(date, pattern(locale, setting));
}

QString ShortDateFormat::format(QDate date, const QLocale& locale, const SettingsStore& settings)
{
    return format(date, locale, settings.get(SettingsStore::DateFormat));
}

QString ShortDateFormat::pageText(QDate date, const QLocale& locale, const QString& setting)
{
    if (isDayMonthYear(setting))
        return format(date, locale, setting);
    return locale.toString(date, QLocale::ShortFormat);
}

QDate ShortDateFormat::read(const QString& text, const QLocale& locale, const QString& setting)
{
    return locale.toDate(text.trimmed(), pattern(locale, setting));
}
