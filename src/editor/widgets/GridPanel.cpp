#include "editor/widgets/GridPanel.h"

#include "editor/Document.h"

GridPanel::GridPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame1"));
}

void GridPanel::readInto(Document&) const {}

void GridPanel::showFrom(const Document&) {}

int GridPanel::rowCount() const
{
    return 0;
}
