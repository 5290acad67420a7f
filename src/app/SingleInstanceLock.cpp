#include "app/SingleInstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

QString SingleInstanceLock::alreadyOpenMessage()
{
    return tr("The application is already open.\r\n\r\nIf it is invisible, press Ctrl Alt Del once & "
                          "select the application to end task.\r\n\r\n");
}

QString SingleInstanceLock::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("Tallywick.lock"));
}

SingleInstanceLock::SingleInstanceLock(const QString& lockPath) : m_lock(std::make_unique<QLockFile>(lockPath))
{
    // Held for the whole run, however long: never considered stale while its process lives.
    m_lock->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::acquire()
{
    if (m_lock->isLocked())
        return true;
    // A lock left by a crashed copy is stale (its process is gone) and is taken over.
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        m_lock->removeStaleLockFile();
        return m_lock->tryLock(0);
    }
    return false;
}
