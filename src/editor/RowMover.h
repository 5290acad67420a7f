#pragma once

struct DocumentRow;

// Moves the contents of a row one place; item numbers and quantity colours stay with the place.
class RowMover
{
public:
    // Swaps the six content texts of two rows.
    static void swapContents(DocumentRow& a, DocumentRow& b);
};
