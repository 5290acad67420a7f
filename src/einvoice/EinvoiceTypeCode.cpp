#include "einvoice/EinvoiceTypeCode.h"

#include <QCoreApplication>

QString EinvoiceTypeCode::forDocumentType(const QString& docType)
{
    const QString type = docType.trimmed();
    const auto is = [&type](const char* name) { return type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("Invoice") || is("Commercial Invoice"))
        return QStringLiteral("380");
    if (is("ProForma Invoice"))
        return QStringLiteral("325");
    if (is("Credit Note"))
        return QStringLiteral("381");
    return {};
}

QString EinvoiceTypeCode::refusal(const QString& docType)
{
    return QCoreApplication::translate("EinvoiceTypeCode",
                                       "A document of type \"%1\" has no electronic invoice. Only an Invoice, a "
                                       "Commercial Invoice, a ProForma Invoice and a Credit Note have one.")
        .arg(docType.trimmed());
}
