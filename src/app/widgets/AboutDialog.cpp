#include "app/widgets/AboutDialog.h"

#include "core/AppPaths.h"
#include "core/widgets/AppIcon.h"
#include "app/widgets/UserGuide.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* linkLabel(const QString& html, QWidget* parent)
{
    auto* label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutDialog::AboutDialog(const QString& databasePath, const QString& settingsFile, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tallywick"));
    setWindowIcon(AppIcon::icon());

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("PicLogo"));
    logo->setPixmap(AppIcon::pixmap(96));
    logo->setAlignment(Qt::AlignTop);

    auto* title = new QLabel(tr("<h2>Tallywick %1</h2>").arg(QStringLiteral(TALLYWICK_VERSION)), this);
    title->setObjectName(QStringLiteral("lblAboutTitle"));
    auto* blurb = new QLabel(
        tr("Invoices, quotations, receipts and other commercial documents for a small business."), this);
    blurb->setWordWrap(true);
    QLabel* licence =
        linkLabel(tr("Licensed under the <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU "
                     "General Public License, version 3</a> or later. It comes with ABSOLUTELY NO "
                     "WARRANTY."),
                  this);
    licence->setObjectName(QStringLiteral("lblLicence"));

    auto* form = new QFormLayout;
    addPath(form, QStringLiteral("lblDataFolder"), tr("Data folder:"), AppPaths::dataFolder(), false);
    addPath(form, QStringLiteral("lblDatabase"), tr("Database:"), databasePath, true);
    addPath(form, QStringLiteral("lblSettingsFile"), tr("Settings:"), settingsFile, true);
    addPath(form, QStringLiteral("lblGuide"), tr("User guide:"), UserGuide::location(), false);
    form->addRow(tr("Qt:"), new QLabel(QString::fromLatin1(qVersion()), this));

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(blurb);
    text->addWidget(licence);
    text->addLayout(form);

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(560);
}

QString AboutDialog::pathLink(const QString& path, bool linkFolder)
{
    if (path.isEmpty())
        return tr("(none)");
    const QString target = linkFolder ? QFileInfo(path).absolutePath() : path;
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded).toHtmlEscaped(), path.toHtmlEscaped());
}

void AboutDialog::addPath(QFormLayout* form, const QString& name, const QString& label, const QString& path,
                          bool linkFolder)
{
    QLabel* value = linkLabel(pathLink(path, linkFolder), this);
    value->setObjectName(name);
    value->setToolTip(linkFolder ? tr("Click to open the folder that holds this file.")
                                 : tr("Click to open."));
    form->addRow(label, value);
}
