#include "app/widgets/AboutDialog.h"

#include "app/AppPaths.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString& databasePath, const QString& settingsFile, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tallywick"));
    auto* text = new QLabel(this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setText(tr("<h2>Tallywick %1</h2>"
                     "<p>Invoices, quotations, receipts and other commercial documents for a small business.</p>"
                     "<p>Licensed under the GNU General Public License, version 3 or later.</p>"
                     "<p><b>Data folder:</b> %2<br><b>Database:</b> %3<br><b>Settings:</b> %4</p>")
                      .arg(QStringLiteral(TALLYWICK_VERSION), AppPaths::dataFolder().toHtmlEscaped(),
                           databasePath.toHtmlEscaped(), settingsFile.toHtmlEscaped()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}
