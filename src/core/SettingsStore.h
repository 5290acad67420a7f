#pragma once

#include <QString>

#include <memory>

class QSettings;

// The user's remembered choices: named strings under "Tallywick"/"Tallywick", group "Settings".
// A key that was never written reads as "". Every writer stores at the moment of the choice.
class SettingsStore
{
public:
    // Keys of the group, one registry for the whole program.
    static inline const QString CompanyDatabase = QStringLiteral("CompanyDatabase");
    static inline const QString CompanyLogoPath = QStringLiteral("CompanyLogoPath");
    static inline const QString Layout = QStringLiteral("Layout");
    static inline const QString AlignLeft = QStringLiteral("AlignLeft");
    static inline const QString AddressRight = QStringLiteral("AddressRight");
    static inline const QString BillToTerm = QStringLiteral("cboCus");
    static inline const QString MultiLine = QStringLiteral("MultiLine");
    static inline const QString HtmlLines = QStringLiteral("HtmlLines");
    static inline const QString DateFormat = QStringLiteral("DateFormat");
    // Paper, orientation and margins chosen in Page Setup; the folder PDF files were last saved in.
    static inline const QString PageSetup = QStringLiteral("PageSetup");
    static inline const QString PdfFolder = QStringLiteral("PdfFolder");
    // Where the documents live: "" this computer's file, "Server" the shared server named by the
    // keys after it (never a password: the server's own means of login apply).
    static inline const QString DatabasePlace = QStringLiteral("DatabasePlace");
    static inline const QString ServerHost = QStringLiteral("ServerHost");
    static inline const QString ServerPort = QStringLiteral("ServerPort");
    static inline const QString ServerDatabase = QStringLiteral("ServerDatabase");
    static inline const QString ServerUser = QStringLiteral("ServerUser");

    // The user's own settings.
    SettingsStore();
    // A store kept in the given INI file, for tests and for isolated runs.
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString get(const QString& key) const;
    void save(const QString& key, const QString& value);
    // A value no one chose (a default filled in): read back at once, written to the file when the
    // program next waits for input rather than while the window is still being put up.
    void saveSoon(const QString& key, const QString& value);
    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
