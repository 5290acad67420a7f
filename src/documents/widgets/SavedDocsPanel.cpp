#include "documents/widgets/SavedDocsPanel.h"

SavedDocsPanel::SavedDocsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameSavedDoc"));
}
