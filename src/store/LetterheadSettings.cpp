#include "store/LetterheadSettings.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"

#include <QFileInfo>
#include <QImageReader>

LetterheadSettings::LetterheadSettings(SettingsStore& settings, Dialogs& dialogs, LogoLoader loader)
    : m_settings(settings), m_dialogs(dialogs), m_loader(loader ? std::move(loader) : &LetterheadSettings::loadPicture)
{
}

QString LetterheadSettings::noFileNotice()
{
    return tr("Logo file does not exist.  Please browse for logo or click 'Remove Logo' button. ");
}

QString LetterheadSettings::fileDialogTitle()
{
    return tr("Please select the image file");
}

QString LetterheadSettings::fileDialogFilter()
{
    return tr("Image Files (*.gif;*.jpg)|*.gif;*.jpg");
}

LetterheadSettings::LogoPicture LetterheadSettings::loadPicture(const QString& path)
{
    QImageReader reader(path);
    LogoPicture picture;
    picture.image = reader.read();
    if (!picture.image.isNull())
        return picture;
    picture.status = reader.error() == QImageReader::FileNotFoundError ? LogoPicture::Status::FileMissing
                                                                        : LogoPicture::Status::NotAPicture;
    picture.error = reader.errorString();
    return picture;
}

void LetterheadSettings::openLogoAndLayout()
{
    m_logoPath = m_settings.get(SettingsStore::CompanyLogoPath);
    if (!m_logoPath.isEmpty()) {
        if (!QFileInfo::exists(m_logoPath))
            m_noFileVisible = true;
        else
            showLogoFrom(m_logoPath);
    }
    const QString stored = m_settings.get(SettingsStore::Layout);
    if (!stored.isEmpty()) {
        bool ok = false;
        const int index = stored.trimmed().toInt(&ok);
        // A value no option has (edited by hand) selects nothing rather than stopping the panel.
        if (ok && index >= 0 && index < LayoutCount)
            chooseLayout(index);
    }
}

void LetterheadSettings::showLogoFrom(const QString& path)
{
    m_noFileVisible = false;
    const LogoPicture picture = m_loader(path);
    switch (picture.status) {
    case LogoPicture::Status::Loaded:
        m_logo = picture.image;
        return;
    case LogoPicture::Status::FileMissing:
        m_logo = QImage();
        m_noFileVisible = true;
        m_dialogs.warn(tr("The Company logo filepath does not exist.") + QStringLiteral("\r\n\r\n")
                       + tr("Please reset."));
        return;
    case LogoPicture::Status::NotAPicture:
        // Shown, but the panel still opens: the user can browse for another file there.
        m_logo = QImage();
        m_dialogs.plain(picture.error);
        return;
    }
}

void LetterheadSettings::applyStoredAlignment()
{
    if (equalsOne(m_settings.get(SettingsStore::AlignLeft)))
        setAlignLeft(true);
    if (equalsOne(m_settings.get(SettingsStore::AddressRight)))
        setAddressRight(true);
}

bool LetterheadSettings::equalsOne(const QString& value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    return ok && number == 1.0;
}

void LetterheadSettings::closePanel()
{
    m_logo = QImage();
}

// A check box reacts only to a change of its value, so unchecking an unchecked box stores nothing.
void LetterheadSettings::setAlignLeft(bool checked)
{
    if (checked == m_alignLeft)
        return;
    m_alignLeft = checked;
    if (checked)
        setAddressRight(false);
    m_settings.save(SettingsStore::AlignLeft, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void LetterheadSettings::setAddressRight(bool checked)
{
    if (checked == m_addressRight)
        return;
    m_addressRight = checked;
    if (checked)
        setAlignLeft(false);
    m_settings.save(SettingsStore::AddressRight, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void LetterheadSettings::chooseLayout(int index)
{
    if (index < 0 || index >= LayoutCount)
        return;
    m_layout = index;
    m_settings.save(SettingsStore::Layout, QString::number(index));
    if (m_logoPath.isEmpty()) {
        m_dialogs.inform(tr("You have selected a letterhead layout with your Company logo. ")
                         + QStringLiteral("\r\n\r\n") + tr("Please browse now for the image file."));
        browseLogo();
    }
}

void LetterheadSettings::browseLogo()
{
    const QString chosen = m_dialogs.chooseOpenFile(fileDialogTitle(), fileDialogFilter());
    if (chosen.isEmpty()) {
        updateNoFileNotice();
        return;
    }
    m_logoPath = chosen;
    m_settings.save(SettingsStore::CompanyLogoPath, chosen);
    const LogoPicture picture = m_loader(chosen);
    const bool loaded = picture.status == LogoPicture::Status::Loaded;
    m_logo = loaded ? picture.image : QImage();
    updateNoFileNotice();
    if (loaded && m_layout == NoLayout)
        m_dialogs.inform(tr("Please select a Layout option now."));
}

void LetterheadSettings::updateNoFileNotice()
{
    m_noFileVisible = !QFileInfo::exists(m_logoPath);
}

void LetterheadSettings::unselectLayout()
{
    m_layout = NoLayout;
    m_settings.save(SettingsStore::Layout, QString());
    m_noFileVisible = false;
}

void LetterheadSettings::removeLogo()
{
    m_logoPath.clear();
    m_settings.save(SettingsStore::CompanyLogoPath, QString());
    unselectLayout();
    m_logo = QImage();
}
