#include "core/CloseQuestion.h"

#include "core/Dialogs.h"

CloseQuestion::Outcome CloseQuestion::ask(Dialogs& dialogs, int rowCount)
{
    if (rowCount < 1)
        return Outcome::Close;
    const DialogAnswer answer = dialogs.ask({tr("There is an open document.\r\n\r\nSave before closing?  "),
                                             tr("Close without saving"), DialogIcon::Question,
                                             DialogButtons::YesNoCancel, DialogAnswer::Yes});
    switch (answer) {
    case DialogAnswer::Yes:
        return Outcome::SaveThenClose;
    case DialogAnswer::No:
        return Outcome::Close;
    default:
        return Outcome::StayOpen;
    }
}
