#include "documents/SalesJournal.h"

#include "documents/IssuedValues.h"
#include "documents/OpenCommand.h"
#include "editor/TotalsCalculator.h"
#include "store/CompanyRepository.h"
#include "store/Database.h"
#include "store/SqlText.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString crlf = QStringLiteral("\r\n");

// One document's rows as Open reads them, recalculated in the machine's number format.
class JournalDocument
{
public:
    explicit JournalDocument(const CompanyProfile& company) : m_company(company) {}

    bool empty() const { return m_rows == 0; }
    QString number() const { return m_number; }

    void add(const QSqlRecord& record)
    {
        if (m_rows++ == 0) {
            m_document = Document();
            m_document.company = m_company;
            OpenCommand::readHeader(record, m_document, QLocale::c());
            IssuedValues::read(record, m_document, m_company, QLocale::c());
            m_number = m_document.docNumber;
        }
        m_document.rows.append(OpenCommand::readRow(record, QLocale::c()));
    }

    QString line()
    {
        // The accountant needs every amount: paid and balance even where the page leaves them out,
        // the subtotal even of a document issued without tax.
        Document& d = m_document;
        d.options.hidePaid = false;
        if (d.paid.isEmpty())
            d.paid = QStringLiteral("0.00");
        if (d.options.hideTax)
            d.company.taxPercent = QStringLiteral("0");
        d.options.hideTax = false;
        TotalsCalculator::DoSum(d, QLocale::c());
        const QStringList fields{d.docType,
                                 d.docNumber,
                                 d.docDate.toString(Qt::ISODate),
                                 d.billToName,
                                 d.subtotal,
                                 d.company.taxName,
                                 d.company.taxPercent,
                                 d.taxAmount,
                                 d.chargesAmount.isEmpty() ? QStringLiteral("0.00") : d.chargesAmount,
                                 d.total,
                                 d.paid,
                                 d.balance};
        QStringList quoted;
        for (const QString& value : fields)
            quoted << SalesJournal::field(value);
        m_rows = 0;
        return quoted.join(QLatin1Char(',')) + crlf;
    }

private:
    CompanyProfile m_company;
    Document m_document;
    QString m_number;
    int m_rows = 0;
};

} // namespace

QByteArray SalesJournal::headerLine()
{
    return QByteArrayLiteral("type,number,date,customer,subtotal,tax name,tax percent,tax amount,charges,total,"
                             "paid,balance\r\n");
}

QString SalesJournal::field(const QString& value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\r'))
        && !value.contains(QLatin1Char('\n')))
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString SalesJournal::statement(const QDate& from, const QDate& to, const QString& docType) const
{
    const QLocale locale = m_database.locale();
    QString sql = QStringLiteral("SELECT * FROM tbldoc WHERE DocDate >= #") + SqlText::DateText(from, locale)
                  + QStringLiteral("# AND DocDate <= #") + SqlText::DateText(to, locale) + QStringLiteral("#");
    if (!docType.isEmpty())
        sql += QStringLiteral(" AND DocType = '") + SqlText::EscapeQuotes(docType) + QStringLiteral("'");
    return sql + QStringLiteral(" ORDER BY DocDate, Docnumber, ID");
}

SalesJournal::Result SalesJournal::build(const QDate& from, const QDate& to, const QString& docType)
{
    Result result;
    CompanyProfile company;
    if (!CompanyRepository(m_database).loadInto(company, &result.error)) {
        result.ok = false;
        return result;
    }
    QString text = QString::fromLatin1(headerLine());
    JournalDocument current(company);
    const SqlResult done = m_database.forEachRow(statement(from, to, docType), [&](const QSqlQuery& query) {
        const QSqlRecord record = query.record();
        const QString number = record.value(QStringLiteral("Docnumber")).toString();
        // Numbers compare without regard to case, as the store does.
        if (!current.empty() && current.number().compare(number, Qt::CaseInsensitive) != 0) {
            text += current.line();
            ++result.documents;
        }
        current.add(record);
        return true;
    });
    if (!done.ok) {
        result.ok = false;
        result.error = done.error;
        return result;
    }
    if (!current.empty()) {
        text += current.line();
        ++result.documents;
    }
    result.csv = text.toUtf8();
    return result;
}
