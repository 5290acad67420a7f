#pragma once

#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QComboBox;
class QToolButton;
class QWidget;

// The look shared by the editor's fields: field height, the grey of read-only and zero boxes.
namespace GridStyle {

int fieldHeight();
QString heading();
QComboBox* editableCombo(QWidget* parent, const QStringList& items);
// The same over a list model shared by many boxes (the grid's rows share theirs).
QComboBox* editableCombo(QWidget* parent, QAbstractItemModel* items);
QToolButton* arrow(QWidget* parent, int arrowType, const QString& toolTip);
// Grey (C0C0C0) or white background.
void setGrey(QWidget* field, bool grey);
bool isGrey(const QWidget* field);

} // namespace GridStyle
