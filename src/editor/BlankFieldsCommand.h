#pragma once

#include <QDate>

class OptionBoxes;
struct Document;

// `BlankFields`: clears the header, notes and totals of a document (not its rows). Boxes whose value
// changes run their click behaviour, as a user's click would.
class BlankFieldsCommand
{
public:
    static void run(Document& document, OptionBoxes& boxes, const QDate& today = QDate::currentDate());
};
