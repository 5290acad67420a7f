#include "html/GenerateChecks.h"

#include "editor/Document.h"
#include "html/DocumentSnapshot.h"
#include "html/PageText.h"

std::optional<GenerateChecks::Failure>
GenerateChecks::firstFailure(const Document& document, const PageCaptions& captions, const QLocale& locale)
{
    const bool moneyFree = document.options.hideMoney;
    if (document.docType.trimmed().isEmpty())
        return Failure{tr("Please enter a document type to issue."), DialogIcon::Exclamation,
                       GenerateFocus::DocType, false};
    if (!moneyFree && !PageText::isZero(document.chargesAmount, locale) &&
        document.chargesName.trimmed().isEmpty())
        return Failure{tr("You have entered a value for \"%1\".  A description is required.")
                           .arg(captions.charges.trimmed()),
                       DialogIcon::Exclamation, GenerateFocus::ChargesName, false};
    if (document.docNumber.trimmed().isEmpty())
        return Failure{tr("Please input a Document No.      "), DialogIcon::Critical,
                       GenerateFocus::DocNumber, !moneyFree};
    return std::nullopt;
}

bool GenerateChecks::hasZeroRows(const Document& document, const QLocale& locale)
{
    for (const DocumentRow& row : document.rows) {
        if (PageText::isZero(row.qty, locale))
            return true;
    }
    return false;
}

std::optional<DialogRequest> GenerateChecks::zeroQuestion(const Document& document, const QLocale& locale)
{
    if (!document.options.hideZeroRows || !hasZeroRows(document, locale))
        return std::nullopt;
    DialogRequest request;
    request.text = tr("One or more rows have zero Qty which will NOT be shown in html doc.") +
                   QStringLiteral("\r\n\r\n") + tr("Continue?  ");
    request.icon = DialogIcon::Exclamation;
    request.buttons = DialogButtons::YesNo;
    request.defaultButton = DialogAnswer::Yes;
    return request;
}
