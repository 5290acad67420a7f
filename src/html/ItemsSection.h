#pragma once

#include <QString>

struct DocumentRow;
struct DocumentSnapshot;

// The line-item table with its filler rows and totals, then the goods-received box, the notes box
// and the barcode.
class ItemsSection
{
public:
    enum class RowKind
    {
        Normal,
        Struck,
        DescriptionOnly,
        LeftOut
    };

    static QString build(const DocumentSnapshot& snapshot);

    // Pieces the money-free page shares.
    static RowKind rowKind(const DocumentSnapshot& snapshot, const DocumentRow& row);
    static QString descriptionOnlyRow(const DocumentRow& row);
    // The product ID, description and quantity cells, each followed by a line break.
    static QString leadingCells(const DocumentRow& row, bool struck);
    // How many filler rows pad the table to the page-row target.
    static int fillerCount(const DocumentSnapshot& snapshot);
    static QString emptyFillerRow(int cells);
    static QString rule();
    static QString wrap(const QString& rows);
    static QString goodsReceived();
    static QString notesBox(const DocumentSnapshot& snapshot, bool moneyFree);
    static QString barcode(const QString& docNumber);

    static QString header(const QString& currency, bool discountColumn);
    static QString itemRow(const DocumentRow& row, bool struck, bool discountColumn);
    static QString chargesRow(const DocumentSnapshot& snapshot);
    static QString totals(const DocumentSnapshot& snapshot);
    // The rowspan of the totals block.
    static int totalsRowCount(const DocumentSnapshot& snapshot);

private:
    static bool nonTaxableCharges(const DocumentSnapshot& snapshot);
    static bool taxableCharges(const DocumentSnapshot& snapshot);
    static QString cell(const QString& opening, const QString& value, bool struck);
};
