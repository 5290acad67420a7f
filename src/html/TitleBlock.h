#pragma once

#include <QString>

struct DocumentSnapshot;

// The block under the heading: the optional ship-to box, the bill-to box and the table of document
// number, date, terms and issuer.
class TitleBlock
{
public:
    // `moneyFree` is the page without money values: no ship-to row, bill-to box on the left.
    static QString build(const DocumentSnapshot& snapshot, bool moneyFree = false);
    static QString addressBox(const QString& term, const QString& name, const QString& address);
    static bool hasShipTo(const DocumentSnapshot& snapshot);

private:
    static QString numberTable(const DocumentSnapshot& snapshot, bool moneyFree);
};
