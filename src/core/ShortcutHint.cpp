#include "core/ShortcutHint.h"

#include <QAction>

QString ShortcutHint::tooltip(const QString& text, const QKeySequence& keys)
{
    // "&Save" shows as "Save", "Compact && Backup" as "Compact & Backup".
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain.append(text[i]);
    }
    if (keys.isEmpty())
        return plain;
    return tr("%1 (%2)").arg(plain, keys.toString(QKeySequence::NativeText));
}

void ShortcutHint::apply(QAction* action, const QKeySequence& keys)
{
    action->setShortcut(keys);
    action->setToolTip(tooltip(action->text(), keys));
}
