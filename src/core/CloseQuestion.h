#pragma once

#include <QCoreApplication>

class Dialogs;

// What to do when the main window is asked to close.
class CloseQuestion
{
    Q_DECLARE_TR_FUNCTIONS(CloseQuestion)

public:
    enum class Outcome { Close, SaveThenClose, StayOpen };

    // Asked only while the grid holds rows.
    static Outcome ask(Dialogs& dialogs, int rowCount);
};
