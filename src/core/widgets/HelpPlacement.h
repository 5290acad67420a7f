#pragma once

#include <QList>
#include <QString>

class Dialogs;
class HelpButton;
class QWidget;

// Puts "?" buttons beside controls that already sit in a layout, so a panel can be built first and
// given its help later, once the window's dialogs exist. The controls keep their parent and their
// place in the tab order; only the layout around them changes.
class HelpPlacement
{
public:
    struct Entry
    {
        QString controlName; // objectName of the control, searched below the panel
        QString helpKey;     // HelpTexts key, also the button's objectName
    };

    // Places the button right of the control: after it in a horizontal row, or on a new row made of
    // the control and the button where the control had a cell (grid) or a line (column) of its own.
    // False when the control sits in no layout of its parent.
    static bool besideControl(QWidget* control, HelpButton* button);

    // One button per key, beside the first control of the entries with that key that exists;
    // returns the buttons placed.
    static QList<HelpButton*> place(QWidget* panel, Dialogs& dialogs, const QList<Entry>& entries);
};
