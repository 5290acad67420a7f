#pragma once

#include <QString>

struct DocumentSnapshot;

// The items section of the page without money values: product, description and quantity only, an
// optional balance line instead of the totals.
class MoneyFreeItems
{
public:
    static QString build(const DocumentSnapshot& snapshot);
    static QString header();
    static QString balanceLine(const DocumentSnapshot& snapshot);
};
