#pragma once

#include <QObject>

class QComboBox;

// Opens a drop-down's list as soon as the box receives the focus.
class DropDownOnFocus : public QObject
{
    Q_OBJECT

public:
    static void install(QComboBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DropDownOnFocus(QComboBox* box);

    QComboBox* m_box;
};
