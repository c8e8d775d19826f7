#include "ThreadedObject.h"

ThreadedObject::~ThreadedObject() = default;

void ThreadedObject::LockDeletes()
{
    deleteLocks_.ref();
}

void ThreadedObject::UnlockDeletes()
{
    deleteLocks_.deref();
}

bool ThreadedObject::AreDeletesLocked() const
{
    return deleteLocks_.loadAcquire() > 0;
}

void ThreadedObject::LockMutex()
{
    mutex_.lock();
}

void ThreadedObject::UnlockMutex()
{
    mutex_.unlock();
}

bool ThreadedObject::TryLockMutex(int timeout)
{
    return mutex_.tryLock(timeout);
}
