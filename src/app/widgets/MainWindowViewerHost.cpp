#include "app/widgets/MainWindowViewerHost.h"

#include "app/widgets/MainWindow.h"
#include "editor/widgets/EditorController.h"
#include "einvoice/EinvoiceExport.h"
#include "einvoice/EinvoiceTypeCode.h"
#include "core/SettingsStore.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/TotalsPanel.h"

#include <QCheckBox>
#include <QComboBox>

QComboBox* MainWindowViewerHost::pageRowsBox() const
{
    return m_window.totals()->findChild<QComboBox*>(QStringLiteral("cbolines"));
}

QCheckBox* MainWindowViewerHost::bordersBox() const
{
    return m_window.totals()->findChild<QCheckBox*>(QStringLiteral("chkTableBorder"));
}

QString MainWindowViewerHost::pageRows() const
{
    const QComboBox* box = pageRowsBox();
    return box ? box->currentText() : QString();
}

void MainWindowViewerHost::setPageRows(const QString& rows)
{
    // The list is editable and starts at 2, so "1" from the browser goes in as text.
    if (QComboBox* box = pageRowsBox())
        box->setCurrentText(rows);
}

bool MainWindowViewerHost::tableBorders() const
{
    const QCheckBox* box = bordersBox();
    return box && box->isChecked();
}

void MainWindowViewerHost::setTableBorders(bool on)
{
    if (QCheckBox* box = bordersBox())
        box->setChecked(on);
}

void MainWindowViewerHost::regenerate()
{
    m_window.generatePage();
}

void MainWindowViewerHost::save()
{
    m_window.saveDocument();
}

bool MainWindowViewerHost::hasOpenDocument() const
{
    return m_window.grid()->rowCount() > 0;
}

void MainWindowViewerHost::bringToFront()
{
    if (m_window.isMinimized())
        m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
}

QString MainWindowViewerHost::setting(const QString& key) const
{
    return m_window.settings().get(key);
}

void MainWindowViewerHost::saveSetting(const QString& key, const QString& value)
{
    m_window.settings().save(key, value);
}

QString MainWindowViewerHost::companyName() const
{
    return m_window.document().company.name;
}

bool MainWindowViewerHost::offersEinvoice() const
{
    return !EinvoiceTypeCode::forDocumentType(m_window.document().docType).isEmpty();
}

QByteArray MainWindowViewerHost::einvoiceXml(QString* refusal)
{
    const EinvoiceExport::Result exported = EinvoiceExport::toXml(m_window.document(), m_window.editor()->numberLocale());
    if (refusal)
        *refusal = exported.message;
    return exported.ok ? exported.xml : QByteArray();
}
