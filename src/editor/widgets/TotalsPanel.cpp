#include "editor/widgets/TotalsPanel.h"

#include "editor/Document.h"

TotalsPanel::TotalsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameBottom"));
}

void TotalsPanel::readInto(Document&) const {}

void TotalsPanel::showFrom(const Document&) {}
