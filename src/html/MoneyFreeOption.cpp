#include "html/MoneyFreeOption.h"

#include "editor/Document.h"

void MoneyFreeOption::setHideMoney(DocumentOptions& options, bool hideMoney)
{
    options.hideMoney = hideMoney;
    if (!hideMoney)
        options.showBalanceOnly = false;
}

bool MoneyFreeOption::showBalanceEnabled(const DocumentOptions& options)
{
    return options.hideMoney;
}
