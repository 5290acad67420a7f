#include "core/widgets/WheelNeedsFocus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

WheelNeedsFocus* WheelNeedsFocus::instance()
{
    // Lives as long as the application; one filter serves every box.
    static WheelNeedsFocus* filter = new WheelNeedsFocus(qApp);
    return filter;
}

void WheelNeedsFocus::guard(QWidget* box)
{
    if (!box)
        return;
    // With the default wheel focus a turn of the wheel would focus the box first and then change it.
    if ((box->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
        box->setFocusPolicy(Qt::StrongFocus);
    box->removeEventFilter(instance());
    box->installEventFilter(instance());
}

void WheelNeedsFocus::guardAll(QWidget* root)
{
    for (QComboBox* box : root->findChildren<QComboBox*>())
        guard(box);
    for (QAbstractSpinBox* box : root->findChildren<QAbstractSpinBox*>())
        guard(box);
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* box = static_cast<QWidget*>(watched);
    const QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == box || box->isAncestorOf(focused)))
        return false;
    // Ignored and not handled: the application hands the wheel on to the page below.
    event->ignore();
    return true;
}
