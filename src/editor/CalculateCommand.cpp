#include "editor/CalculateCommand.h"

#include "app/Dialogs.h"
#include "editor/TotalsCalculator.h"

bool CalculateCommand::run(Document& document, const QLocale& locale, Dialogs& dialogs)
{
    const TotalsCalculator::Result result = TotalsCalculator::DoSum(document, locale);
    if (!result.ok)
        dialogs.plain(result.error);
    return result.ok;
}
