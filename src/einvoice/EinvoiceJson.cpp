#include "einvoice/EinvoiceJson.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

class KeyReader
{
public:
    KeyReader(const QJsonObject& object, const QString& path, QString& error)
        : m_object(object), m_path(path), m_error(error)
    {
    }

    void text(const char* key, QString& field)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined() || !m_error.isEmpty())
            return;
        if (!value.isString())
            return fail(key, QStringLiteral("a string"));
        field = value.toString();
    }

    void flag(const char* key, bool& field)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined() || !m_error.isEmpty())
            return;
        if (!value.isBool())
            return fail(key, QStringLiteral("true or false"));
        field = value.toBool();
    }

    void date(const char* key, QDate& field)
    {
        QString text;
        this->text(key, text);
        if (text.isEmpty() || !m_error.isEmpty())
            return;
        field = QDate::fromString(text, Qt::ISODate);
        if (!field.isValid())
            fail(key, QStringLiteral("a date written yyyy-mm-dd"));
    }

private:
    void fail(const char* key, const QString& expected)
    {
        const QString name = m_path.isEmpty() ? QLatin1String(key) : m_path + QLatin1Char('.') + QLatin1String(key);
        m_error = QStringLiteral("The key \"%1\" must be %2.").arg(name, expected);
    }

    QJsonObject m_object;
    QString m_path;
    QString& m_error;
};

void readCompany(const QJsonObject& object, EinvoiceCompany& c, QString& error)
{
    KeyReader r(object, QStringLiteral("company"), error);
    r.text("legalName", c.legalName);
    r.text("vatId", c.vatId);
    r.text("taxNumber", c.taxNumber);
    r.text("registrationId", c.registrationId);
    r.text("street", c.street);
    r.text("postCode", c.postCode);
    r.text("city", c.city);
    r.text("countryCode", c.countryCode);
    r.text("email", c.email);
    r.text("phone", c.phone);
    r.text("currencyCode", c.currencyCode);
    r.text("iban", c.iban);
    r.text("bic", c.bic);
    r.text("paymentMeans", c.paymentMeans);
    r.text("defaultUnit", c.defaultUnit);
    r.text("dueDays", c.dueDays);
    r.text("exemptionReason", c.exemptionReason);
    r.flag("roundLinesToCents", c.roundLinesToCents);
}

} // namespace

EinvoiceJson::ReadResult EinvoiceJson::read(const QByteArray& json)
{
    ReadResult result;
    const QJsonDocument parsed = QJsonDocument::fromJson(json);
    if (!parsed.isObject()) {
        result.error = QStringLiteral("The document must be one JSON object.");
        return result;
    }
    const QJsonObject top = parsed.object();
    KeyReader r(top, QString(), result.error);
    r.text("buyerCountry", result.fields.buyerCountry);
    r.text("buyerVatId", result.fields.buyerVatId);
    r.text("buyerReference", result.fields.buyerReference);
    r.date("dueDate", result.fields.dueDate);
    const QJsonValue company = top.value(QLatin1String("company"));
    if (company.isObject())
        readCompany(company.toObject(), result.company, result.error);
    result.ok = result.error.isEmpty();
    return result;
}

QStringList EinvoiceJson::documentKeys()
{
    return {QStringLiteral("buyerCountry"), QStringLiteral("buyerVatId"), QStringLiteral("buyerReference"),
            QStringLiteral("dueDate")};
}

QStringList EinvoiceJson::companyKeys()
{
    return {QStringLiteral("legalName"),    QStringLiteral("vatId"),           QStringLiteral("taxNumber"),
            QStringLiteral("registrationId"),
            QStringLiteral("street"),       QStringLiteral("postCode"),        QStringLiteral("city"),
            QStringLiteral("countryCode"),  QStringLiteral("email"),           QStringLiteral("phone"),
            QStringLiteral("currencyCode"), QStringLiteral("iban"),            QStringLiteral("bic"),
            QStringLiteral("paymentMeans"), QStringLiteral("defaultUnit"),     QStringLiteral("dueDays"),
            QStringLiteral("exemptionReason"), QStringLiteral("roundLinesToCents")};
}
