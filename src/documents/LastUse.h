#pragma once

#include <QLocale>
#include <QString>

#include <optional>

class Database;

// What the most recent stored document says about a customer or a product.
class LastUse
{
public:
    struct Customer
    {
        QString address;
        QString shipToTerm;
        QString shipToName;
        QString shipToAddress;
        QString buyerVatId;    // the e-invoice buyer fields, "" when that document had none
        QString buyerCountry;
        bool hasShipTo() const { return !shipToName.isEmpty() || !shipToAddress.isEmpty(); }
    };
    struct Product
    {
        QString description;  // RTF as stored
        QString price;        // in the regional format, two decimals
    };

    static std::optional<Customer> customer(Database& database, const QString& name);
    static std::optional<Product> product(Database& database, const QString& productId, const QLocale& locale);
};
