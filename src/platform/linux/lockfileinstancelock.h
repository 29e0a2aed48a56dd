// The single-instance lock as a lock file in the user's runtime folder. The file
// records the holder's process id, so a lock left by a crashed copy is taken over.
#pragma once

#include "instancelock.h"

#include <QLockFile>
#include <QString>

#include <memory>

class LockFileInstanceLock : public InstanceLock
{
public:
    // folder: where the lock lives; empty for the user's runtime folder.
    explicit LockFileInstanceLock(const QString &folder = QString());
    ~LockFileInstanceLock() override;
    bool tryLock() override;
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
