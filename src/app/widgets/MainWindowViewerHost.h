#pragma once

#include "viewer/ViewerHost.h"

class MainWindow;
class QCheckBox;
class QComboBox;

// The browser window's link to the main window: the two layout settings live in the main window's
// totals panel, and Generate and Save are the main window's own commands.
class MainWindowViewerHost : public ViewerHost
{
public:
    explicit MainWindowViewerHost(MainWindow& window) : m_window(window) {}

    QString pageRows() const override;
    void setPageRows(const QString& rows) override;
    bool tableBorders() const override;
    void setTableBorders(bool on) override;
    void regenerate() override;
    void save() override;
    bool hasOpenDocument() const override;
    void bringToFront() override;
    QString setting(const QString& key) const override;
    void saveSetting(const QString& key, const QString& value) override;
    QString companyName() const override;
    bool offersEinvoice() const override;
    QByteArray einvoiceXml(QString* refusal) override;

private:
    QComboBox* pageRowsBox() const;
    QCheckBox* bordersBox() const;

    MainWindow& m_window;
};
