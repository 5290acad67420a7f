#include "documents/LastUse.h"

#include "core/NumberText.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QSqlQuery>

namespace {

QString text(const QSqlQuery& query, int column)
{
    return query.isNull(column) ? QString() : query.value(column).toString();
}

} // namespace

std::optional<LastUse::Customer> LastUse::customer(Database& database, const QString& name)
{
    std::optional<Customer> found;
    database.forEachRow(QStringLiteral("SELECT Address, ShipTo, ShipToCus, ShipToAddress, BuyerVatId, BuyerCountry "
                                       "FROM tbldoc WHERE "
                                       "CompanyName = '")
                            + SqlText::EscapeQuotes(name) + QStringLiteral("' ORDER BY ID DESC"),
                        [&found](const QSqlQuery& query) {
                            found = Customer{text(query, 0), text(query, 1), text(query, 2), text(query, 3),
                                             text(query, 4).trimmed(), text(query, 5).trimmed()};
                            return false;
                        });
    return found;
}

std::optional<LastUse::Product> LastUse::product(Database& database, const QString& productId, const QLocale& locale)
{
    std::optional<Product> found;
    database.forEachRow(QStringLiteral("SELECT Description, Price FROM tbldoc WHERE ProductID = '")
                            + SqlText::EscapeQuotes(productId) + QStringLiteral("' ORDER BY ID DESC"),
                        [&found, &locale](const QSqlQuery& query) {
                            const QString price = query.isNull(1) ? QString()
                                                  : NumberText::write(Money::fromDouble(query.value(1).toDouble())
                                                                          .value_or(Money()),
                                                                      locale);
                            found = Product{text(query, 0), price};
                            return false;
                        });
    return found;
}
