#pragma once

struct DocumentOptions;

// "Hide Money Value" and "Show Balance Only": the balance line can only be asked for while money
// values are hidden, so unticking the first also unticks and disables the second.
class MoneyFreeOption
{
public:
    // What a click on "Hide Money Value" does to the options.
    static void setHideMoney(DocumentOptions& options, bool hideMoney);
    // Whether "Show Balance Only" can be ticked.
    static bool showBalanceEnabled(const DocumentOptions& options);
};
