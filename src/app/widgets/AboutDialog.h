#pragma once

#include <QDialog>

// The small about window: name, version, licence and where the data lives.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const QString& databasePath, const QString& settingsFile, QWidget* parent = nullptr);
};
