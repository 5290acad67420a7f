#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>

class Database;
class Dialogs;

// "Compact && Backup Database" (cmdcompact): a dated copy of the file, compaction into a temporary
// file, the swap, with the connection closed meanwhile and reopened after.
class CompactCommand
{
    Q_DECLARE_TR_FUNCTIONS(CompactCommand)

public:
    enum class Outcome { Compacted, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Compacted;
        QString error;
        bool reopened = true;  // the connection is open again (on the database's own path)
    };

    // The progress label lblprocess: shown with its text, or hidden.
    using Progress = std::function<void(bool visible, const QString& text)>;

    // `tempFolder`: where the temporary compaction file goes (the data folder).
    CompactCommand(Database& database, Dialogs& dialogs, const QString& tempFolder);

    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // The clock for the backup suffix and the message; the real date unless set.
    void setClock(std::function<QDate()> clock) { m_clock = std::move(clock); }

    // `sourcePath` is the file shown in the settings page (txtDb); empty means the open database.
    Result run(const QString& sourcePath = QString());

    static QString tempFileName() { return QStringLiteral("~temp3xcxx83826.mdb"); }
    static QString progressText();

private:
    bool compactFile(const QString& source, const QString& temp, QString* error, bool* locked);
    void reportFailure(const QString& error, bool locked);
    bool reopen(const QString& path, Result& result);
    void showProgress(bool visible);
    QDate today() const;

    Database& m_database;
    Dialogs& m_dialogs;
    QString m_tempFolder;
    Progress m_progress;
    std::function<QDate()> m_clock;
};
