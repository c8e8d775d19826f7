#pragma once
// Work that reads or removes files is done on a thread of the shared pool,
// so the window never waits for it. Its answer comes back on the program's
// main thread, to an owner living there, and is dropped when the owner has
// gone meanwhile; the work itself holds nothing of the owner's.
#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <atomic>
#include <functional>

namespace OffThread {

// Set once the program ends (EndAll): work that can stop early may look at
// it, besides its own owner's word.
inline std::atomic<bool>& Ending()
{
    static std::atomic<bool> ending{false};
    return ending;
}

// Waits for every piece of work on the pool to end, however long that
// takes: the program never ends with work still running (a file half
// removed, a thread torn down while it reads). Its owners have told their
// work to end by then (a look at a file ends within a read).
inline void EndAll()
{
    Ending() = true;
    QThreadPool::globalInstance()->waitForDone();
}

// For tests: called on the pool's thread before each piece of work, so a
// test can see where it runs and hold it there. Set while no work runs.
inline std::function<void()>& Watcher()
{
    static std::function<void()> watcher;
    return watcher;
}

template <typename Owner, typename Answer>
void Run(Owner* owner, std::function<Answer()> work, std::function<void(const Answer&)> done)
{
    const QPointer<Owner> guard(owner);
    QThreadPool::globalInstance()->start([guard, work, done] {
        if (Watcher())
            Watcher()();
        const Answer answer = work();
        // The program waits for the pool before it ends (EndAll), so it is still there.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, done, answer] {
                if (guard)
                    done(answer);
            },
            Qt::QueuedConnection);
    });
}

} // namespace OffThread
