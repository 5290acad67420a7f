#pragma once

#include <QString>
#include <QVariant>

#include <optional>

class QWebEnginePage;

// Runs a script in the shown page and waits for its result, so commands can work on the page as the
// user sees it (edits included) in one straight sequence.
class PageScript
{
public:
    static std::optional<QVariant> run(QWebEnginePage& page, const QString& script, int timeoutMs = 30000);

    // Makes the page editable in place, for last touches before printing.
    static QString makeEditable();
    // The page's markup as shown, without the attributes that made it editable.
    static QString shownMarkup();
};
