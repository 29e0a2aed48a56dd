#include "lockfileinstancelock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

LockFileInstanceLock::LockFileInstanceLock(const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_path = dir + QStringLiteral("/青空初夏の贈り物.lock");
}

LockFileInstanceLock::~LockFileInstanceLock() = default;

bool LockFileInstanceLock::tryLock()
{
    if (m_lock && m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // A running copy may hold the lock for days: only a dead holder makes it stale.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
