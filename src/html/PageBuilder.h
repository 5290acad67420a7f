#pragma once

#include <QString>

struct DocumentSnapshot;

// The whole printable page of a document as one string, before it is encoded for the file.
class PageBuilder
{
public:
    // The page with money values, or without them when the document hides money.
    static QString build(const DocumentSnapshot& snapshot);
    static QString standardPage(const DocumentSnapshot& snapshot);
    static QString moneyFreePage(const DocumentSnapshot& snapshot);
    // The frame around body and items: head with style sheet, footer; before the final replacements.
    static QString frame(const QString& title, bool borders, const QString& body, const QString& items);
};
