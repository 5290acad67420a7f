#include "editor/CalculateCommand.h"

#include "core/Dialogs.h"
#include "editor/TotalsCalculator.h"

bool CalculateCommand::run(Document& document, const QLocale& locale, Dialogs& dialogs)
{
    const TotalsCalculator::Result result = TotalsCalculator::DoSum(document, locale);
    if (!result.ok)
        dialogs.plain(result.error);
    return result.ok;
}
