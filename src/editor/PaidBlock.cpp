#include "editor/PaidBlock.h"

#include "store/SqlText.h"

QString PaidBlock::text(const QString& currencySymbol, const QDateTime& now, const QLocale& locale)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString dashes(57, QLatin1Char('-'));
    const QString time = QLocale::c().toString(now.time(), QStringLiteral("hh:mm AP"));
    return crlf + dashes + crlf
           + tr("Paid On : ") + SqlText::DateText(now.date(), locale) + QStringLiteral("  ") + time + crlf
           + tr("Amt Paid : ") + currencySymbol + crlf
           + tr("Payment Type : ") + crlf
           + tr("Transact No. : ") + crlf
           + tr("Received By : ") + crlf
           + dashes + crlf;
}
