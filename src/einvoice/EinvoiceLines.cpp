#include "einvoice/EinvoiceLines.h"

#include "editor/Document.h"
#include "core/NumberText.h"
#include "richtext/RtfReader.h"

#include <QCoreApplication>

#include <limits>

namespace {

using Wide = __int128;

QString tr(const char* text)
{
    return QCoreApplication::translate("EinvoiceLines", text);
}

bool fits(Wide value)
{
    return value <= std::numeric_limits<qint64>::max() && value >= -std::numeric_limits<qint64>::max();
}

Wide divideRounded(Wide numerator, Wide denominator)
{
    const bool negative = numerator < 0;
    const Wide n = negative ? -numerator : numerator;
    const Wide q = (n + denominator / 2) / denominator;
    return negative ? -q : q;
}

// A printed field as cents (money) or hundredths of a percent (discount).
bool readHundredths(const QString& text, const QLocale& locale, qint64& value)
{
    Money money;
    if (NumberText::readMoney(text.trimmed().isEmpty() ? QStringLiteral("0") : text, locale, money) != NumberError::None)
        return false;
    value = money.roundedTo(2);
    return true;
}

// Untouched rows are no items; nor are zero-quantity rows that the page leaves out or prints as
// text only.
bool isBlank(const DocumentRow& row, qint64 quantity, qint64 amount, const QString& text, const DocumentOptions& options)
{
    if (quantity == 0 && (options.hideZeroRows || options.blankZeroRows))
        return true;
    return amount == 0 && quantity == 0 && row.productId.trimmed().isEmpty() && text.isEmpty();
}

struct RowReading
{
    qint64 quantity = 0;
    qint64 price = 0;     // cents
    qint64 discount = 0;  // hundredths of a percent
    qint64 amount = 0;    // cents
};

bool readRow(const DocumentRow& row, const QLocale& locale, RowReading& reading)
{
    qint16 quantity = 0;
    if (NumberText::readQuantity(row.qty.trimmed().isEmpty() ? QStringLiteral("0") : row.qty, locale, quantity)
        != NumberError::None)
        return false;
    reading.quantity = quantity;
    return readHundredths(row.price, locale, reading.price) && readHundredths(row.discount, locale, reading.discount)
        && readHundredths(row.amount, locale, reading.amount);
}

QString moneyText(qint64 cents, const QLocale& locale)
{
    return NumberText::write(Money::fromUnits(cents * 100), locale);
}

// Prices go out never negative: a row that takes money off carries a negative quantity instead.
bool fillPrices(const RowReading& r, EinvoiceLine& line, qint64& exactCents)
{
    const Wide net = Wide(r.price) * (10000 - r.discount);  // millionths
    const Wide exact = Wide(r.quantity) * net;
    if (!fits(net) || !fits(exact / 10000) || !fits(Wide(r.price) * r.discount))
        return false;
    exactCents = qint64(divideRounded(exact, 10000));
    const bool negative = net < 0;
    line.quantity = negative ? -r.quantity : r.quantity;
    line.netPrice = qint64(negative ? -net : net);
    if (r.price > 0 && r.discount > 0 && r.discount < 10000) {
        line.grossPrice = r.price * 10000;
        line.priceDiscount = r.price * r.discount;
    }
    return true;
}

} // namespace

QString EinvoiceLines::plainText(const QString& content)
{
    QString text = RtfReader::readContent(content, RichCharFormat{}).plainText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QChar(0x2028), QLatin1Char('\n'));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text.trimmed();
}

EinvoiceLines::Result EinvoiceLines::read(const Document& document, const EinvoiceTax& tax, const QString& unit,
                                          const QLocale& locale, MissingFields& missing)
{
    Result result;
    for (int i = 0; i < document.rowCount(); ++i) {
        const DocumentRow& row = document.rows.at(i);
        const QString rowName = QString::number(i + 1);
        RowReading reading;
        if (!readRow(row, locale, reading)) {
            result.refusal = tr("Row %1 holds a number that cannot be read. Press \" Calculate\" first.").arg(rowName);
            return result;
        }
        const QString text = plainText(row.description);
        if (isBlank(row, reading.quantity, reading.amount, text, document.options))
            continue;
        EinvoiceLine line;
        line.id = rowName;
        line.productId = row.productId.trimmed();
        line.description = text;
        line.name = text.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (!text.contains(QLatin1Char('\n')))
            line.description.clear();
        if (line.name.isEmpty())
            line.name = line.productId;
        if (line.name.isEmpty())
            missing.add(tr("Description of row %1").arg(rowName), MissingFields::Place::Window,
                        QStringLiteral("rows[%1].description").arg(i), tr("the row's Description box"));
        line.unit = unit;
        line.amount = reading.amount;
        line.tax = tax;
        qint64 exactCents = 0;
        if (!fillPrices(reading, line, exactCents)) {
            result.refusal = tr("Row %1 is too large for an e-invoice.").arg(rowName);
            return result;
        }
        if (exactCents != reading.amount) {
            result.refusal = tr("The amount of row %1 (%2) is not its quantity times its price less discount (%3). "
                                "Press \" Calculate\" and try again.")
                                 .arg(rowName, moneyText(reading.amount, locale), moneyText(exactCents, locale));
            return result;
        }
        result.lines.append(line);
    }
    return result;
}
