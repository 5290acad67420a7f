#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QToolButton;
class QWidget;

// The look shared by the editor's fields: field height, the grey of read-only and zero boxes.
namespace GridStyle {

int fieldHeight();
// Bold caption in the desktop's text colour.
void styleHeading(QLabel* label);
QComboBox* editableCombo(QWidget* parent, const QStringList& items);
// The same over a list model shared by many boxes (the grid's rows share theirs).
QComboBox* editableCombo(QWidget* parent, QAbstractItemModel* items);
QToolButton* arrow(QWidget* parent, int arrowType, const QString& toolTip);
// Grey (C0C0C0) background with black text, or the desktop's own box colours.
void setGrey(QWidget* field, bool grey);
bool isGrey(const QWidget* field);

} // namespace GridStyle
