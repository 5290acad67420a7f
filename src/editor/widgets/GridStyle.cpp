#include "editor/widgets/GridStyle.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace GridStyle {

namespace {

const QColor Grey(0xC0, 0xC0, 0xC0);

// Typed text is never added to the list, and the box starts with nothing picked.
QComboBox* editableAndEmpty(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    return combo;
}

} // namespace

int fieldHeight()
{
    static const int height = [] {
        QComboBox probe;
        probe.setEditable(true);
        return probe.sizeHint().height();
    }();
    return height;
}

void styleHeading(QLabel* label)
{
    // The desktop's own text colour (no style sheet, which would keep the colours of the moment it
    // was applied), so that headings read on a light and a dark palette alike.
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

QComboBox* editableCombo(QWidget* parent, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    return editableAndEmpty(combo);
}

QComboBox* editableCombo(QWidget* parent, QAbstractItemModel* items)
{
    auto* combo = new QComboBox(parent);
    combo->setModel(items);
    return editableAndEmpty(combo);
}

QToolButton* arrow(QWidget* parent, int arrowType, const QString& toolTip)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(Qt::ArrowType(arrowType));
    button->setAutoRaise(true);
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void setGrey(QWidget* field, bool grey)
{
    if (isGrey(field) == grey && field->property("greySet").isValid())
        return;
    // Grey boxes carry their own dark text; white ones go back to the desktop's colours, dark or light.
    QPalette palette;
    if (grey) {
        palette.setColor(QPalette::Base, Grey);
        palette.setColor(QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
    field->setProperty("greySet", true);
    field->setProperty("grey", grey);
}

bool isGrey(const QWidget* field)
{
    return field->property("grey").toBool();
}

} // namespace GridStyle
