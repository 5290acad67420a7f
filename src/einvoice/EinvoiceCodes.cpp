#include "einvoice/EinvoiceCodes.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>

namespace {

bool matches(const QString& text, const char* pattern)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
    return expression.match(text).hasMatch();
}

QSet<QString> knownCurrencies()
{
    QSet<QString> codes;
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales)
        codes.insert(locale.currencySymbol(QLocale::CurrencyIsoCode));
    codes.remove(QString());
    return codes;
}

} // namespace

bool EinvoiceCodes::isCountry(const QString& code)
{
    return matches(code, "[A-Z]{2}") && QLocale::codeToTerritory(code) != QLocale::AnyTerritory;
}

bool EinvoiceCodes::isCurrency(const QString& code)
{
    static const QSet<QString> known = knownCurrencies();
    return matches(code, "[A-Z]{3}") && known.contains(code);
}

bool EinvoiceCodes::isVatId(const QString& id)
{
    // Greece writes EL, not its ISO code; the rest use their ISO code.
    return matches(id, "[A-Z]{2}[0-9A-Za-z+*.]{2,13}") && (id.startsWith(QLatin1String("EL")) || isCountry(id.left(2)));
}

bool EinvoiceCodes::isUnit(const QString& code)
{
    return matches(code, "[0-9A-Z]{2,3}");
}

bool EinvoiceCodes::isPaymentMeans(const QString& code)
{
    return matches(code, "[0-9]{1,2}|ZZZ");
}

bool EinvoiceCodes::needsAccount(const QString& paymentMeans)
{
    return paymentMeans == QLatin1String("30") || paymentMeans == QLatin1String("58");
}
