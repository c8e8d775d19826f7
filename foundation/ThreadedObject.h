#pragma once
#include <QAtomicInt>
#include <QMutex>

// A mutex and a counter of holders that keep the object from being deleted.
class ThreadedObject
{
public:
    virtual ~ThreadedObject();

    void LockDeletes();
    void UnlockDeletes();
    bool AreDeletesLocked() const;

    void LockMutex();
    void UnlockMutex();
    // True when the mutex was taken within timeout milliseconds.
    bool TryLockMutex(int timeout);

private:
    QMutex mutex_;
    QAtomicInt deleteLocks_;
};
