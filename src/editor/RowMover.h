#pragma once

struct Document;
struct DocumentRow;

// Moves the contents of a row one place; item numbers and quantity colours stay with the place.
class RowMover
{
public:
    // `row` is 1-based as on screen; false (nothing changed) when there is no neighbour.
    static bool moveUp(Document& document, int row);
    static bool moveDown(Document& document, int row);
    // Swaps the six content texts of two rows.
    static void swapContents(DocumentRow& a, DocumentRow& b);
};
