#pragma once
// The figures of a start (header only, Qt alone): the start-up probe and the
// benchmark's reference window take them alike.
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

namespace StartupFigures {

// The monotonic clock in nanoseconds, the same in every process.
inline long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The process's resident memory in kB, -1 when unknown.
inline long long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The number of shared libraries mapped into the process, -1 when unknown.
inline int SharedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> paths;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.indexOf(".so", slash) >= 0)
            paths.insert(line.mid(slash));
    }
    return paths.size();
}

// Calls `done` once, after the window's first paint has been handled (the
// zero timer runs when the repaint, flush included, is over).
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget* window, std::function<void()> done)
        : QObject(window)
        , m_done(std::move(done))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_done);
        }
        return false;
    }

private:
    std::function<void()> m_done;
    bool m_seen = false;
};

// Prints the clock at the window's first paint and, with `memory`, the
// resident memory and the number of shared libraries loaded a second later,
// each on a line of its own; then ends the event loop.
inline void ReportStart(QWidget* window, bool memory)
{
    new FirstPaint(window, [window, memory] {
        std::printf("%lld\n", MonotonicNs());
        std::fflush(stdout);
        if (!memory) {
            QCoreApplication::exit(0);
            return;
        }
        QTimer::singleShot(1000, window, [] {
            std::printf("%lld\n%d\n", ResidentKb(), SharedLibraries());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
}

} // namespace StartupFigures
