#include "core/widgets/HelpPlacement.h"

#include "core/widgets/HelpButton.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QStringList>
#include <QWidget>

namespace {

// The layout that holds the widget directly, searched from the top layout of its parent down.
QLayout* holderOf(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout* found = holderOf(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

// In a column the buttons line up at its right edge; in a cell the control keeps the width.
QHBoxLayout* lineOf(QWidget* control, HelpButton* button, bool inColumn)
{
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(2);
    line->addWidget(control, inColumn ? 0 : 1);
    if (inColumn)
        line->addStretch(1);
    line->addWidget(button);
    return line;
}

bool isHorizontal(const QBoxLayout* box)
{
    return box->direction() == QBoxLayout::LeftToRight || box->direction() == QBoxLayout::RightToLeft;
}

} // namespace

bool HelpPlacement::besideControl(QWidget* control, HelpButton* button)
{
    QWidget* owner = control ? control->parentWidget() : nullptr;
    QLayout* holder = holderOf(owner ? owner->layout() : nullptr, control);
    if (!holder)
        return false;
    // Adding to a layout of the same parent keeps the control's parent, so its tab order stays.
    button->setParent(owner);
    const int index = holder->indexOf(control);
    if (auto* box = qobject_cast<QBoxLayout*>(holder)) {
        if (isHorizontal(box)) {
            box->insertWidget(index + 1, button);
        } else {
            const Qt::Alignment alignment = box->itemAt(index)->alignment();
            delete box->takeAt(index);
            box->insertLayout(index, lineOf(control, button, true));
            box->itemAt(index)->setAlignment(alignment);
        }
        return true;
    }
    if (auto* grid = qobject_cast<QGridLayout*>(holder)) {
        int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        const Qt::Alignment alignment = grid->itemAt(index)->alignment();
        delete grid->takeAt(index);
        grid->addLayout(lineOf(control, button, false), row, column, rowSpan, columnSpan, alignment);
        return true;
    }
    return false;
}

QList<HelpButton*> HelpPlacement::place(QWidget* panel, Dialogs& dialogs, const QList<Entry>& entries)
{
    QList<HelpButton*> placed;
    QStringList keysPlaced;
    for (const Entry& entry : entries) {
        auto* control = panel->findChild<QWidget*>(entry.controlName);
        if (!control || keysPlaced.contains(entry.helpKey))
            continue;
        auto* button = new HelpButton(entry.helpKey, dialogs, panel);
        if (besideControl(control, button)) {
            placed.append(button);
            keysPlaced.append(entry.helpKey);
        }
        else
            delete button;
    }
    return placed;
}
