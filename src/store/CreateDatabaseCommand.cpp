#include "store/CreateDatabaseCommand.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>

namespace {
const QString NewFileName = QStringLiteral("Company.mdb");
}

CreateDatabaseCommand::CreateDatabaseCommand(Dialogs& dialogs, SettingsStore& settings, PathDisplay showPath)
    : m_dialogs(dialogs), m_settings(settings), m_showPath(std::move(showPath))
{
}

void CreateDatabaseCommand::run(const QString& databaseInUse, const QString& dataFolder)
{
    const QString target = QDir(dataFolder).filePath(NewFileName);
    m_dialogs.warn(tr("This will create 'Company.mdb' in the application directory.\r\n\r\n"));

    if (QFile::exists(target)) {
        m_dialogs.critical(tr("Database 'Company.mdb' in application directory already exists."));
        m_settings.save(SettingsStore::CompanyDatabase, target);
        announce(target, tr("Please relaunch this program to use  ") + target
                             + QStringLiteral("  automatically."));
        return;
    }
    QFile source(databaseInUse);
    if (!source.copy(target)) {
        m_dialogs.plain(source.errorString() + QStringLiteral(" ") + QString::number(int(source.error())));
        return;
    }
    if (m_settings.get(SettingsStore::CompanyDatabase) != target)
        m_settings.save(SettingsStore::CompanyDatabase, target);
    announce(target, tr("Success. Please relaunch this program to use  ") + target
                         + QStringLiteral("  automatically."));
}

void CreateDatabaseCommand::announce(const QString& target, const QString& text)
{
    if (m_showPath)
        m_showPath(target, true);
    m_dialogs.warn(text);
    if (m_showPath)
        m_showPath(target, false);
}

QString CreateDatabaseCommand::helpText(const QString& databaseInUse, const QString& dataFolder)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = tr("By clicking the button on the left, you will create a new database 'Company.mdb' "
                                  "in this application directory ->  ")
                   + dataFolder + QStringLiteral(". ") + crlf;
    const QString ownCopy = QDir(dataFolder).filePath(NewFileName);
    if (databaseInUse.toLower() == ownCopy.toLower()) {
        text += crlf
                + tr("However you have already created it and are now using 'Company.mdb' in the "
                                 "application directory  ->  ")
                + dataFolder + QStringLiteral(". ");
        return text;
    }
    text += crlf + tr("This is a copy of your current database   -   ") + databaseInUse + crlf + crlf
            + tr("The new 'Company.mdb' in this application directory -  ") + dataFolder
            + tr("  - will then be used automatically by this program on the next launch.") + crlf
            + crlf + QString(50, QLatin1Char('-')) + crlf + crlf
            + tr("Please note that on Windows 7 and 8 a database installed under Program Files directory "
                             "may be periodically overwritten by its original version due to an incomprehensible "
                             "security function in the OS. ")
            + crlf + crlf
            + tr("If you experience this problem please re-install this program outside the Program "
                             "Files directory and use this button again. ");
    return text;
}
