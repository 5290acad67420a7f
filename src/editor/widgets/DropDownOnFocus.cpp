#include "editor/widgets/DropDownOnFocus.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

DropDownOnFocus::DropDownOnFocus(QComboBox* box) : QObject(box), m_box(box) {}

void DropDownOnFocus::install(QComboBox* box)
{
    auto* filter = new DropDownOnFocus(box);
    box->installEventFilter(filter);
    if (box->lineEdit())
        box->lineEdit()->installEventFilter(filter);
}

bool DropDownOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus coming back from the list itself or from another window must not reopen it.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            QTimer::singleShot(0, m_box, [box = m_box] {
                if (box->hasFocus() && !box->view()->isVisible())
                    box->showPopup();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
