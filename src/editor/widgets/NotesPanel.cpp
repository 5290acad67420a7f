#include "editor/widgets/NotesPanel.h"

#include "editor/Document.h"

NotesPanel::NotesPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frameNote"));
}

void NotesPanel::readInto(Document&) const {}

void NotesPanel::showFrom(const Document&) {}
