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
