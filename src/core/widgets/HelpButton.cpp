#include "core/widgets/HelpButton.h"

#include "core/Dialogs.h"
#include "core/HelpTexts.h"

HelpButton::HelpButton(const QString& helpKey, Dialogs& dialogs, QWidget* parent)
    : QToolButton(parent), m_dialogs(dialogs)
{
    setObjectName(helpKey);
    setText(QStringLiteral("?"));
    setToolTip(tr("Help"));
    setAutoRaise(true);
    // Explaining a field must not take the focus away from it.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, &HelpButton::explain);
}

void HelpButton::explain()
{
    const QString text = HelpTexts::text(helpKey());
    if (!text.isEmpty())
        m_dialogs.inform(text);
}
