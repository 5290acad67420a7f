#include "documents/DocStatements.h"

#include "editor/Document.h"
#include "editor/EmptyToZero.h"
#include "store/SqlText.h"

namespace {

// Plain decimal notation for a statement: "." and no grouping, trailing zeros dropped (1250, 9.99, -0.5).
QString bare(Money value)
{
    QString text = NumberText::write(value, QLocale::c(), 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// Number columns take a field as the totals read it, a blank one as 0; the first failure is kept.
class NumberWriter
{
public:
    explicit NumberWriter(const QLocale& locale) : m_locale(locale) {}

    QString fixed(const QString& text)
    {
        Money value;
        return keep(NumberText::readMoney(field(text), m_locale, value)) ? bare(value) : QString();
    }
    QString whole(const QString& text)
    {
        qint16 value = 0;
        return keep(NumberText::readQuantity(field(text), m_locale, value)) ? QString::number(value) : QString();
    }
    NumberError error() const { return m_error; }

private:
    static QString field(const QString& text) { return EmptyToZero(text.trimmed()); }

    bool keep(NumberError error)
    {
        if (m_error == NumberError::None)
            m_error = error;
        return error == NumberError::None;
    }

    QLocale m_locale;
    NumberError m_error = NumberError::None;
};

} // namespace

QString DocStatements::quoted(const QString& value)
{
    return SqlText::EscapeQuotes(value);
}

QString DocStatements::yesNo(bool ticked)
{
    return ticked ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString DocStatements::selectByNumber(const QString& number)
{
    return QStringLiteral("SELECT * FROM tbldoc WHERE (DOCnumber='") + quoted(number) + QStringLiteral("') ");
}

QString DocStatements::deleteByNumber(const QString& number)
{
    return QStringLiteral("DELETE FROM tbldoc WHERE DOCnumber='") + quoted(number) + QStringLiteral("' ");
}

QString DocStatements::deleteByLabel(const QString& label)
{
    return QStringLiteral("DELETE FROM tbldoc WHERE DOCnumber = '") + quoted(label) + QStringLiteral("' ");
}

QString DocStatements::selectByNumberOrdered(const QString& number, bool ascending)
{
    return QStringLiteral("SELECT * FROM tbldoc WHERE DOCnumber='") + quoted(number)
           + (ascending ? QStringLiteral("' ORDER BY ID ASC") : QStringLiteral("' ORDER BY ID DESC"));
}

QString DocStatements::countRows(const QString& number)
{
    return QStringLiteral("SELECT COUNT(*) AS POcount FROM tbldoc WHERE DOCnumber='") + quoted(number)
           + QStringLiteral("' ");
}

QString DocStatements::distinctNumbers()
{
    return QStringLiteral("SELECT DISTINCT DocNumber FROM tbldoc");
}

QString DocStatements::selectListOrdered(const QString& sortClause)
{
    return QStringLiteral("SELECT DocNumber, DocType, Total, Paid, DocDate, CompanyName, Address FROM tbldoc ORDER BY ")
           + sortClause + QStringLiteral("  ");
}

QString DocStatements::countNumbers()
{
    return QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT DocNumber FROM tbldoc)");
}

namespace {

QString direction(bool descending)
{
    return descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
}

} // namespace

QString DocStatements::listKeyClasses(const QString& key, bool descending)
{
    // Values equal to the sort are one class; min and max of the text tell whether they differ in case.
    return QStringLiteral("SELECT %1, min(%1 || ''), max(%1 || '') FROM tbldoc GROUP BY %1 ORDER BY %1%2")
        .arg(key, direction(descending));
}

QString DocStatements::matching(const QString& key, const QVariant& value, const char* comparison)
{
    if (value.isNull())
        return key + QStringLiteral(" IS NULL");
    const QString op = QLatin1Char(' ') + QLatin1String(comparison) + QLatin1Char(' ');
    if (value.typeId() == QMetaType::QString)
        return key + op + QLatin1Char('\'') + quoted(value.toString()) + QLatin1Char('\'');
    return key + op + QString::number(value.toDouble(), 'g', 17);
}

QString DocStatements::listClassRows(const QString& key, bool descending, const QVariant& value)
{
    return QStringLiteral("SELECT ID, %1 FROM tbldoc WHERE %2 ORDER BY %1%3, ID%3")
        .arg(key, matching(key, value, "="), direction(descending));
}

QString DocStatements::numberKeys(const QString& key, const QString& number)
{
    return QStringLiteral("SELECT DISTINCT %1 FROM tbldoc WHERE DocNumber = '%2'").arg(key, quoted(number));
}

QString DocStatements::keyClassOf(const QString& key, const QVariant& value)
{
    return QStringLiteral("SELECT %1, min(%1 || ''), max(%1 || '') FROM tbldoc WHERE %2 GROUP BY %1")
        .arg(key, matching(key, value, "="));
}

QString DocStatements::keyBefore(const QString& key, bool descending, const QVariant& value)
{
    return QStringLiteral("SELECT %1 FROM tbldoc WHERE %2 ORDER BY %1%3 LIMIT 1")
        .arg(key, matching(key, value, descending ? ">" : "<"), direction(!descending));
}

QString DocStatements::firstRowOf(const QString& key, bool descending, const QString& number)
{
    return QStringLiteral("SELECT DocNumber, DocType, Total, Paid, DocDate, CompanyName, Address, ID FROM tbldoc "
                          "WHERE DocNumber = '%1' ORDER BY %2%3, ID%3 LIMIT 1")
        .arg(quoted(number), key, direction(descending));
}

QString DocStatements::listFirstRows(const QString& key, bool descending)
{
    // Per number, the first of its rows in the list's order (the index on number and key finds it);
    // rows without a number come as one more number.
    const QString order = QStringLiteral("%1%2, ID%2").arg(key, direction(descending));
    return QStringLiteral("SELECT DocNumber, DocType, Total, Paid, DocDate, CompanyName, Address, ID FROM tbldoc "
                          "WHERE ID IN (SELECT (SELECT s.ID FROM tbldoc AS s WHERE s.DocNumber = d.n ORDER BY s.")
           + order
           + QStringLiteral(" LIMIT 1) FROM (SELECT DISTINCT DocNumber AS n FROM tbldoc) AS d UNION ALL SELECT ID FROM "
                            "(SELECT ID FROM tbldoc WHERE DocNumber IS NULL ORDER BY ")
           + order + QStringLiteral(" LIMIT 1)) ORDER BY ") + order;
}

namespace {

const char* const kListColumns = "DocNumber, DocType, Total, Paid, DocDate, CompanyName, Address, ID";

} // namespace

QString DocStatements::keyClassesAfter(const QString& key, bool descending, const QVariant& after, int limit,
                                       bool caseCheck)
{
    const QString bound = after.isNull() ? key + QStringLiteral(" IS NOT NULL")
                                         : matching(key, after, descending ? "<" : ">");
    const QString columns = caseCheck ? QStringLiteral("%1, min(%1 || ''), max(%1 || '')").arg(key) : key;
    return QStringLiteral("SELECT %1 FROM tbldoc WHERE %2 GROUP BY %3 ORDER BY %3%4 LIMIT %5")
        .arg(columns, bound, key, direction(descending), QString::number(limit));
}

QString DocStatements::keysBySeeks(const QString& key, bool descending)
{
    // Each next key by one index seek from the last, rather than a walk over every row's key.
    return QStringLiteral(
               "WITH RECURSIVE k(v) AS (SELECT %2(%1) FROM tbldoc UNION ALL SELECT (SELECT %2(%1) FROM "
               "tbldoc WHERE %1 %3 k.v) FROM k WHERE k.v IS NOT NULL) SELECT v FROM k WHERE v IS NOT NULL")
        .arg(key, descending ? QStringLiteral("max") : QStringLiteral("min"),
             descending ? QStringLiteral("<") : QStringLiteral(">"));
}

QString DocStatements::nullKeyClass(const QString& key)
{
    return QStringLiteral("SELECT ID FROM tbldoc WHERE %1 IS NULL LIMIT 1").arg(key);
}

QString DocStatements::numbersAfter(const QVariant& after, int limit)
{
    const QString bound = after.isNull() ? QStringLiteral("DocNumber IS NOT NULL") : matching(QStringLiteral("DocNumber"), after, ">");
    return QStringLiteral("SELECT DISTINCT DocNumber FROM tbldoc WHERE %1 ORDER BY DocNumber LIMIT %2")
        .arg(bound, QString::number(limit));
}

QString DocStatements::firstRowsOfNumbers(const QString& key, bool descending, const QVariant& after,
                                          const QVariant& last)
{
    const QString number = QStringLiteral("DocNumber");
    const QString from = after.isNull() ? number + QStringLiteral(" IS NOT NULL") : matching(number, after, ">");
    const QString order = QStringLiteral("%1%2, s.ID%2").arg(key, direction(descending));
    const QString to = last.isNull() ? QString() : QStringLiteral(" AND ") + matching(number, last, "<=");
    return QStringLiteral(
               "SELECT %1 FROM tbldoc WHERE ID IN (SELECT (SELECT s.ID FROM tbldoc AS s WHERE "
               "s.DocNumber = d.n ORDER BY s.%2 LIMIT 1) FROM (SELECT DISTINCT DocNumber AS n FROM tbldoc "
               "WHERE %3%4) AS d)")
        .arg(QLatin1String(kListColumns), order, from, to);
}

QString DocStatements::firstRowWithoutNumber(const QString& key, bool descending)
{
    return QStringLiteral("SELECT %1 FROM tbldoc WHERE DocNumber IS NULL ORDER BY %2%3, ID%3 LIMIT 1")
        .arg(QLatin1String(kListColumns), key, direction(descending));
}

DocStatements::Insert DocStatements::insertRow(const Document& document, int index, const QDate& saveDate,
                                               const QLocale& locale)
{
    const DocumentRow& row = document.rows.at(index);
    NumberWriter number(locale);
    const QString serial = number.whole(row.serial.trimmed().isEmpty() ? QString::number(index + 1) : row.serial);
    const QString qty = number.whole(row.qty);
    const QString price = number.fixed(row.price);
    const QString discount = number.fixed(row.discount);
    const QString amount = number.fixed(row.amount);
    const QString paid = number.fixed(document.paid);
    const QString total = number.fixed(document.total);
    const QString delivery = number.fixed(document.chargesAmount);
    if (number.error() != NumberError::None)
        return {number.error(), QString()};

    const DocumentOptions& flags = document.options;
    QString sql = QStringLiteral(
        "INSERT INTO tbldoc (CompanyName,Address,Docnumber,DocDate,PaymentTerm,Serial,ProductID,Description,Qty,"
        "Price,Discount,Amount,SaveDate,Notes,Paid,Total,HideTax,SalePerson,HidePaid,NoDisc,GoodsRcvd,DocType,"
        "Delivery,DeliveryName,DeliveryTaxable,PrintBarcode,ShipTo,ShipToCus,ShipToAddress,BillTo)");
    sql += QStringLiteral("VALUES ('") + quoted(document.billToName);
    sql += QStringLiteral("', '") + quoted(document.billToAddress);
    sql += QStringLiteral("', '") + quoted(SqlText::TrimBlanks(document.docNumber));
    sql += QStringLiteral("', #") + SqlText::DateText(document.docDate, locale);
    sql += QStringLiteral("#, '") + quoted(document.paymentTerm);
    sql += QStringLiteral("', ") + serial;
    sql += QStringLiteral(", '") + quoted(row.productId);
    sql += QStringLiteral("', '") + quoted(row.description);
    sql += QStringLiteral("', ") + qty;
    sql += QStringLiteral(", ") + price;
    sql += QStringLiteral(", ") + discount;
    sql += QStringLiteral(", ") + amount;
    sql += QStringLiteral(", #") + SqlText::DateText(saveDate, locale);
    sql += QStringLiteral("#, '") + quoted(document.notes);
    sql += QStringLiteral("', ") + paid;
    sql += QStringLiteral(", ") + total;
    sql += QStringLiteral(", '") + yesNo(flags.hideTax);
    sql += QStringLiteral("', '") + quoted(document.salePerson);
    sql += QStringLiteral("', '") + yesNo(flags.hidePaid);
    sql += QStringLiteral("', '") + yesNo(flags.noDiscount);
    sql += QStringLiteral("', '") + yesNo(flags.goodsReceived);
    sql += QStringLiteral("', '") + quoted(document.docType);
    sql += QStringLiteral("', ") + delivery;
    sql += QStringLiteral(", '") + quoted(document.chargesName);
    sql += QStringLiteral("', '") + yesNo(document.chargesTaxable);
    sql += QStringLiteral("', '") + yesNo(flags.printBarcode);
    sql += QStringLiteral("' , '") + quoted(document.shipToTerm);
    sql += QStringLiteral("', '") + quoted(document.shipToName);
    sql += QStringLiteral("', '") + quoted(document.shipToAddress);
    sql += QStringLiteral("', '") + quoted(document.billToTerm);
    sql += QStringLiteral("') ");
    return {NumberError::None, sql};
}
