#include "editor/RowMover.h"

#include "editor/Document.h"

#include <utility>

void RowMover::swapContents(DocumentRow& a, DocumentRow& b)
{
    std::swap(a.productId, b.productId);
    std::swap(a.description, b.description);
    std::swap(a.qty, b.qty);
    std::swap(a.price, b.price);
    std::swap(a.discount, b.discount);
    std::swap(a.amount, b.amount);
}

bool RowMover::moveUp(Document& document, int row)
{
    return moveDown(document, row - 1);
}

bool RowMover::moveDown(Document& document, int row)
{
    if (row < 1 || row >= document.rowCount())
        return false;
    swapContents(document.rows[row - 1], document.rows[row]);
    return true;
}
