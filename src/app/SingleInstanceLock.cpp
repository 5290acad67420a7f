#include "app/SingleInstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

SingleInstanceLock::SingleInstanceLock(const QString& lockPath) : m_path(lockPath) {}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstanceLock::acquire()
{
    if (m_fd >= 0)
        return true;
    // The system's lock on the open file: it ends with the process however that ends, so a copy
    // that crashed leaves nothing stale behind, and taking it writes nothing to the disk.
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
