#pragma once

#include <QWidget>

// The settings panel: company profile, letterhead and database pages.
class SettingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget* parent = nullptr);
};
