#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <functional>

class Dialogs;
class SettingsStore;

// The letterhead choices of the settings panel: the two heading alignments, the layout with logo and
// the logo file. Each choice is stored the moment it changes; the panel only mirrors this state.
class LetterheadSettings
{
    Q_DECLARE_TR_FUNCTIONS(LetterheadSettings)

public:
    static constexpr int NoLayout = -1;
    static constexpr int LayoutCount = 3;

    struct LogoPicture
    {
        enum class Status { Loaded, FileMissing, NotAPicture };
        Status status = Status::Loaded;
        QImage image;
        QString error;
    };
    using LogoLoader = std::function<LogoPicture(const QString& path)>;

    // `loader` reads a logo file; by default the image formats Qt knows (GIF and JPEG among them).
    LetterheadSettings(SettingsStore& settings, Dialogs& dialogs, LogoLoader loader = {});

    bool alignLeft() const { return m_alignLeft; }
    bool addressRight() const { return m_addressRight; }
    int layout() const { return m_layout; }
    QString logoPath() const { return m_logoPath; }
    bool noFileNoticeVisible() const { return m_noFileVisible; }
    const QImage& logo() const { return m_logo; }

    // Opening the panel, in two halves around the company reload and the showing of the panel:
    // logo and stored layout first, the alignment boxes last.
    void openLogoAndLayout();
    void applyStoredAlignment();
    void closePanel();

    // The user's actions (or the code acting as if the user clicked).
    void setAlignLeft(bool checked);
    void setAddressRight(bool checked);
    void chooseLayout(int index);
    void browseLogo();
    void unselectLayout();
    void removeLogo();

    static QString noFileNotice();
    static QString fileDialogTitle();
    static QString fileDialogFilter();
    static LogoPicture loadPicture(const QString& path);

private:
    void showLogoFrom(const QString& path);
    void updateNoFileNotice();
    static bool equalsOne(const QString& value);

    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    LogoLoader m_loader;
    bool m_alignLeft = false;
    bool m_addressRight = false;
    int m_layout = NoLayout;
    QString m_logoPath;
    bool m_noFileVisible = false;
    QImage m_logo;
};
