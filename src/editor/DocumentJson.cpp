#include "editor/DocumentJson.h"

#include "core/LineBreaks.h"
#include "editor/StrictJsonCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace {

// The first character no field can hold: C0 controls other than tab, CR and LF.
std::optional<QChar> controlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return c;
    }
    return std::nullopt;
}

// A key as a message can show it: control characters as \u escapes, not as themselves.
QString escapedControls(const QString& key)
{
    QString shown;
    for (const QChar c : key) {
        if (c.unicode() < 0x20)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

// Reads the members of one JSON object into fields, refusing unknown keys and wrong types.
class ObjectReader
{
public:
    ObjectReader(const QJsonObject& object, QString path, QString& error)
        : m_object(object), m_path(std::move(path)), m_error(error)
    {
    }

    void text(const char* key, QString& field)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined() || failed())
            return;
        if (!value.isString())
            return fail(key, QStringLiteral("a string"));
        const QString text = value.toString();
        if (const std::optional<QChar> control = controlCharacter(text)) {
            m_error = QStringLiteral("The key \"%1\" holds the control character U+%2, which no field can hold.")
                          .arg(name(QLatin1String(key)))
                          .arg(control->unicode(), 4, 16, QLatin1Char('0'));
            return;
        }
        field = LineBreaks::toCrLf(text);
    }

    void flag(const char* key, bool& field)
    {
        const QJsonValue value = take(key);
        if (value.isUndefined() || failed())
            return;
        if (!value.isBool())
            return fail(key, QStringLiteral("true or false"));
        field = value.toBool();
    }

    // Returns the nested object, or an empty one when absent; `present` tells which.
    QJsonObject object(const char* key, bool* present = nullptr)
    {
        const QJsonValue value = take(key);
        if (present)
            *present = !value.isUndefined();
        if (value.isUndefined() || failed())
            return {};
        if (!value.isObject()) {
            fail(key, QStringLiteral("an object"));
            return {};
        }
        return value.toObject();
    }

    QJsonArray array(const char* key, bool* present)
    {
        const QJsonValue value = take(key);
        *present = !value.isUndefined();
        if (value.isUndefined() || failed())
            return {};
        if (!value.isArray()) {
            fail(key, QStringLiteral("an array"));
            return {};
        }
        return value.toArray();
    }

    void ignore(const char* key) { take(key); }

    // Call last: any key not taken is unknown.
    void finish()
    {
        if (failed())
            return;
        for (auto it = m_object.begin(); it != m_object.end(); ++it) {
            if (!m_taken.contains(it.key())) {
                m_error = QStringLiteral("Unknown key \"%1\".").arg(escapedControls(name(it.key())));
                return;
            }
        }
    }

    bool failed() const { return !m_error.isEmpty(); }
    QString name(const QString& key) const { return m_path.isEmpty() ? key : m_path + QLatin1Char('.') + key; }

private:
    QJsonValue take(const char* key)
    {
        const QString k = QLatin1String(key);
        m_taken.insert(k);
        return m_object.value(k);
    }

    void fail(const char* key, const QString& expected)
    {
        m_error = QStringLiteral("The key \"%1\" must be %2.").arg(name(QLatin1String(key)), expected);
    }

    QJsonObject m_object;
    QString m_path;
    QString& m_error;
    QSet<QString> m_taken;
};

void readParty(ObjectReader& parent, const char* key, QString& term, QString& name, QString& address,
               QString& error)
{
    const QJsonObject object = parent.object(key);
    ObjectReader party(object, parent.name(QLatin1String(key)), error);
    party.text("term", term);
    party.text("name", name);
    party.text("address", address);
    party.finish();
}

void readRows(ObjectReader& parent, QList<DocumentRow>& rows, int maxRows, QString& error)
{
    bool present = false;
    const QJsonArray array = parent.array("rows", &present);
    if (parent.failed() || !present)
        return;
    // No rows is what a document holds before rows are created, and what is written for it.
    if (array.size() > maxRows) {
        error = QStringLiteral("The key \"rows\" must hold at most %1 rows%2.")
                    .arg(maxRows)
                    .arg(maxRows == CreateRowsCommand::MultiLineMaxRows
                             ? QStringLiteral(" while descriptions are shown over several lines")
                             : QString());
        return;
    }
    rows.clear();
    for (qsizetype i = 0; i < array.size() && error.isEmpty(); ++i) {
        const QString path = QStringLiteral("rows[%1]").arg(i);
        if (!array[i].isObject()) {
            error = QStringLiteral("The key \"%1\" must be an object.").arg(path);
            return;
        }
        DocumentRow row;
        ObjectReader reader(array[i].toObject(), path, error);
        reader.text("productId", row.productId);
        reader.text("description", row.description);
        reader.text("qty", row.qty);
        reader.text("price", row.price);
        reader.text("discount", row.discount);
        reader.text("amount", row.amount);
        reader.ignore("serial");
        reader.finish();
        row.serial = QString::number(i + 1);
        rows.append(row);
    }
}

void readOptions(ObjectReader& parent, DocumentOptions& options, QString& error)
{
    ObjectReader reader(parent.object("options"), QStringLiteral("options"), error);
    reader.flag("hideTax", options.hideTax);
    reader.flag("hidePaid", options.hidePaid);
    reader.flag("noDiscount", options.noDiscount);
    reader.flag("goodsReceived", options.goodsReceived);
    reader.flag("printBarcode", options.printBarcode);
    reader.flag("hideMoney", options.hideMoney);
    reader.flag("showBalanceOnly", options.showBalanceOnly);
    reader.flag("hideZeroRows", options.hideZeroRows);
    reader.flag("blankZeroRows", options.blankZeroRows);
    reader.flag("tableBorders", options.tableBorders);
    reader.flag("externalBrowser", options.externalBrowser);
    reader.finish();
}

// Exactly yyyy-mm-dd: no time, no blanks, no other ISO form.
QDate readIsoDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("\\A[0-9]{4}-[0-9]{2}-[0-9]{2}\\z"));
    if (!form.match(text).hasMatch())
        return QDate();
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

// A count the "Page Rows" list offers or could offer, written as the list writes it.
bool isPageRowCount(const QString& text)
{
    bool ok = false;
    const int count = text.toInt(&ok);
    return ok && count >= 1 && count <= DocumentJson::MaxPageRows && text == QString::number(count);
}

void readEinvoiceCompany(ObjectReader& reader, EinvoiceCompany& c)
{
    reader.text("legalName", c.legalName);
    reader.text("vatId", c.vatId);
    reader.text("taxNumber", c.taxNumber);
    reader.text("registrationId", c.registrationId);
    reader.text("street", c.street);
    reader.text("postCode", c.postCode);
    reader.text("city", c.city);
    reader.text("countryCode", c.countryCode);
    reader.text("email", c.email);
    reader.text("phone", c.phone);
    reader.text("currencyCode", c.currencyCode);
    reader.text("iban", c.iban);
    reader.text("bic", c.bic);
    reader.text("paymentMeans", c.paymentMeans);
    reader.text("defaultUnit", c.defaultUnit);
    reader.text("dueDays", c.dueDays);
    reader.text("exemptionReason", c.exemptionReason);
    reader.flag("roundLinesToCents", c.roundLinesToCents);
}

void readEinvoiceFields(ObjectReader& top, EinvoiceDocumentFields& fields, QString& error)
{
    top.text("buyerCountry", fields.buyerCountry);
    top.text("buyerVatId", fields.buyerVatId);
    top.text("buyerReference", fields.buyerReference);
    QString due;
    top.text("dueDate", due);
    if (top.failed() || due.isEmpty())
        return;
    fields.dueDate = readIsoDate(due);
    if (!fields.dueDate.isValid())
        error = QStringLiteral("The key \"dueDate\" must be a date written yyyy-mm-dd.");
}

} // namespace

QJsonObject DocumentJson::companyToJson(const CompanyProfile& company)
{
    const EinvoiceCompany& e = company.einvoice;
    return QJsonObject{{QStringLiteral("name"), company.name},
                       {QStringLiteral("address"), company.address},
                       {QStringLiteral("currencySymbol"), company.currencySymbol},
                       {QStringLiteral("taxName"), company.taxName},
                       {QStringLiteral("taxPercent"), company.taxPercent},
                       {QStringLiteral("legalName"), e.legalName},
                       {QStringLiteral("vatId"), e.vatId},
                       {QStringLiteral("taxNumber"), e.taxNumber},
                       {QStringLiteral("registrationId"), e.registrationId},
                       {QStringLiteral("street"), e.street},
                       {QStringLiteral("postCode"), e.postCode},
                       {QStringLiteral("city"), e.city},
                       {QStringLiteral("countryCode"), e.countryCode},
                       {QStringLiteral("email"), e.email},
                       {QStringLiteral("phone"), e.phone},
                       {QStringLiteral("currencyCode"), e.currencyCode},
                       {QStringLiteral("iban"), e.iban},
                       {QStringLiteral("bic"), e.bic},
                       {QStringLiteral("paymentMeans"), e.paymentMeans},
                       {QStringLiteral("defaultUnit"), e.defaultUnit},
                       {QStringLiteral("dueDays"), e.dueDays},
                       {QStringLiteral("exemptionReason"), e.exemptionReason},
                       {QStringLiteral("roundLinesToCents"), e.roundLinesToCents}};
}

DocumentJson::ReadResult DocumentJson::read(const QByteArray& json, int maxRows)
{
    ReadResult result;
    if (json.size() > MaxBytes) {
        result.error = QStringLiteral("The document is larger than %1 MiB.").arg(MaxBytes / (1024 * 1024));
        return result;
    }
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("The document is not valid JSON: %1 at offset %2.")
                           .arg(parseError.errorString())
                           .arg(parseError.offset);
        return result;
    }
    if (!parsed.isObject()) {
        result.error = QStringLiteral("The document must be one JSON object.");
        return result;
    }
    result.error = StrictJsonCheck::problem(json);
    if (!result.error.isEmpty())
        return result;
    QString& error = result.error;
    Document& doc = result.document;
    doc.billToTerm.clear();
    ObjectReader top(parsed.object(), QString(), error);
    top.text("docType", doc.docType);
    top.text("docNumber", doc.docNumber);
    QString date;
    top.text("docDate", date);
    if (!top.failed() && !date.isEmpty()) {
        doc.docDate = readIsoDate(date);
        if (!doc.docDate.isValid())
            error = QStringLiteral("The key \"docDate\" must be a date written yyyy-mm-dd.");
    }
    top.text("paymentTerm", doc.paymentTerm);
    top.text("salePerson", doc.salePerson);
    readParty(top, "billTo", doc.billToTerm, doc.billToName, doc.billToAddress, error);
    readParty(top, "shipTo", doc.shipToTerm, doc.shipToName, doc.shipToAddress, error);
    readRows(top, doc.rows, maxRows, error);
    {
        ObjectReader charges(top.object("charges"), QStringLiteral("charges"), error);
        charges.text("name", doc.chargesName);
        charges.text("amount", doc.chargesAmount);
        charges.flag("taxable", doc.chargesTaxable);
        charges.finish();
    }
    top.text("paid", doc.paid);
    top.text("notes", doc.notes);
    top.text("pageRows", doc.pageRows);
    if (!top.failed() && !isPageRowCount(doc.pageRows))
        error = QStringLiteral("The key \"pageRows\" must be a whole number from 1 to %1.").arg(MaxPageRows);
    readOptions(top, doc.options, error);
    {
        ObjectReader company(top.object("company", &result.hasCompany), QStringLiteral("company"), error);
        company.text("name", doc.company.name);
        company.text("address", doc.company.address);
        company.text("currencySymbol", doc.company.currencySymbol);
        company.text("taxName", doc.company.taxName);
        company.text("taxPercent", doc.company.taxPercent);
        readEinvoiceCompany(company, doc.company.einvoice);
        company.finish();
    }
    {
        ObjectReader letterhead(top.object("letterhead", &result.hasLetterhead), QStringLiteral("letterhead"),
                                error);
        letterhead.text("logoPath", doc.letterhead.logoPath);
        letterhead.text("layout", doc.letterhead.layout);
        letterhead.text("alignLeft", doc.letterhead.alignLeft);
        letterhead.text("addressRight", doc.letterhead.addressRight);
        letterhead.finish();
    }
    top.object("totals");  // output only
    readEinvoiceFields(top, doc.einvoice, error);
    top.finish();
    if (!parsed.object().contains(QLatin1String("billTo")))
        doc.billToTerm = QStringLiteral("To:");
    result.ok = error.isEmpty();
    return result;
}

QJsonObject DocumentJson::toJson(const Document& doc)
{
    QJsonArray rows;
    for (const DocumentRow& row : doc.rows) {
        rows.append(QJsonObject{{QStringLiteral("serial"), row.serial},
                                {QStringLiteral("productId"), row.productId},
                                {QStringLiteral("description"), row.description},
                                {QStringLiteral("qty"), row.qty},
                                {QStringLiteral("price"), row.price},
                                {QStringLiteral("discount"), row.discount},
                                {QStringLiteral("amount"), row.amount}});
    }
    const DocumentOptions& o = doc.options;
    return QJsonObject{
        {QStringLiteral("docType"), doc.docType},
        {QStringLiteral("docNumber"), doc.docNumber},
        {QStringLiteral("docDate"), doc.docDate.toString(Qt::ISODate)},
        {QStringLiteral("paymentTerm"), doc.paymentTerm},
        {QStringLiteral("salePerson"), doc.salePerson},
        {QStringLiteral("billTo"), QJsonObject{{QStringLiteral("term"), doc.billToTerm},
                                               {QStringLiteral("name"), doc.billToName},
                                               {QStringLiteral("address"), doc.billToAddress}}},
        {QStringLiteral("shipTo"), QJsonObject{{QStringLiteral("term"), doc.shipToTerm},
                                               {QStringLiteral("name"), doc.shipToName},
                                               {QStringLiteral("address"), doc.shipToAddress}}},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("charges"), QJsonObject{{QStringLiteral("name"), doc.chargesName},
                                                {QStringLiteral("amount"), doc.chargesAmount},
                                                {QStringLiteral("taxable"), doc.chargesTaxable}}},
        {QStringLiteral("paid"), doc.paid},
        {QStringLiteral("notes"), doc.notes},
        {QStringLiteral("pageRows"), doc.pageRows},
        {QStringLiteral("options"),
         QJsonObject{{QStringLiteral("hideTax"), o.hideTax},
                     {QStringLiteral("hidePaid"), o.hidePaid},
                     {QStringLiteral("noDiscount"), o.noDiscount},
                     {QStringLiteral("goodsReceived"), o.goodsReceived},
                     {QStringLiteral("printBarcode"), o.printBarcode},
                     {QStringLiteral("hideMoney"), o.hideMoney},
                     {QStringLiteral("showBalanceOnly"), o.showBalanceOnly},
                     {QStringLiteral("hideZeroRows"), o.hideZeroRows},
                     {QStringLiteral("blankZeroRows"), o.blankZeroRows},
                     {QStringLiteral("tableBorders"), o.tableBorders},
                     {QStringLiteral("externalBrowser"), o.externalBrowser}}},
        {QStringLiteral("buyerCountry"), doc.einvoice.buyerCountry},
        {QStringLiteral("buyerVatId"), doc.einvoice.buyerVatId},
        {QStringLiteral("buyerReference"), doc.einvoice.buyerReference},
        {QStringLiteral("dueDate"), doc.einvoice.dueDate.isValid() ? doc.einvoice.dueDate.toString(Qt::ISODate) : QString()},
        {QStringLiteral("company"), companyToJson(doc.company)},
        {QStringLiteral("letterhead"), QJsonObject{{QStringLiteral("logoPath"), doc.letterhead.logoPath},
                                                   {QStringLiteral("layout"), doc.letterhead.layout},
                                                   {QStringLiteral("alignLeft"), doc.letterhead.alignLeft},
                                                   {QStringLiteral("addressRight"), doc.letterhead.addressRight}}},
        {QStringLiteral("totals"), QJsonObject{{QStringLiteral("subtotal"), doc.subtotal},
                                               {QStringLiteral("taxLabel"), doc.taxLabel},
                                               {QStringLiteral("taxAmount"), doc.taxAmount},
                                               {QStringLiteral("total"), doc.total},
                                               {QStringLiteral("balance"), doc.balance}}},
    };
}

QByteArray DocumentJson::write(const Document& document)
{
    return QJsonDocument(toJson(document)).toJson(QJsonDocument::Indented);
}
