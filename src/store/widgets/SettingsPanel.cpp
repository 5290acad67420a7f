#include "store/widgets/SettingsPanel.h"

SettingsPanel::SettingsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameSettings"));
}
