#pragma once

#include <QCoreApplication>

#include <QString>

// One running copy per user: the first start takes the lock and holds it until it ends.
class SingleInstanceLock
{
    Q_DECLARE_TR_FUNCTIONS(SingleInstanceLock)

public:
    static QString alreadyOpenMessage();
    static QString defaultLockPath();

    explicit SingleInstanceLock(const QString& lockPath = defaultLockPath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this process now holds the lock; false when another running copy does.
    bool acquire();

private:
    QString m_path;
    int m_fd = -1;
};
