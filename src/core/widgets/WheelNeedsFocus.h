#pragma once

#include <QObject>

class QWidget;

// A drop-down list, date picker or spin box under the pointer takes the mouse wheel only while it has
// the keyboard focus; otherwise the wheel scrolls the page it sits on and the value stays as typed.
class WheelNeedsFocus : public QObject
{
    Q_OBJECT

public:
    // One box; it no longer takes the focus from the wheel either.
    static void guard(QWidget* box);
    // Every drop-down list and spin box below `root` at the time of the call.
    static void guardAll(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static WheelNeedsFocus* instance();
};
