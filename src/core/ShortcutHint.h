#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

class QAction;

// Shortcuts are shown where the user looks for them: in the tooltip as "Save (Ctrl+S)".
class ShortcutHint
{
    Q_DECLARE_TR_FUNCTIONS(ShortcutHint)

public:
    // The text with the key sequence in brackets; the text alone when there is no sequence.
    static QString tooltip(const QString& text, const QKeySequence& keys);
    // Gives the action the shortcut and a tooltip naming it (menu entries show the shortcut by themselves).
    static void apply(QAction* action, const QKeySequence& keys);
};
