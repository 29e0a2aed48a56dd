// One running copy per user.
#pragma once

class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the lock; false when another copy holds it.
    // A lock left behind by a copy that crashed does not count.
    virtual bool tryLock() = 0;
};
