#pragma once
// Shared by the player tests: a hard watchdog so a hung playback fails the
// test instead of blocking the run, and a start helper with a soft timeout.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "ffplay.h"

namespace PlayerTestKit {

// Ends the whole test program when the guarded scope does not finish in time.
class Watchdog
{
public:
    Watchdog(int milliseconds, const char* what)
        : m_thread([this, milliseconds, what]() {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_cond.wait_for(lock, std::chrono::milliseconds(milliseconds), [this]() { return m_done; })) {
                  std::fprintf(stderr, "FAIL! watchdog: %s did not finish within %d ms\n", what, milliseconds);
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_cond.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_done = false;
    std::thread m_thread;
};

struct StartResult {
    bool timedOut = false;
    qint64 elapsedMs = 0;
};

// Plays path with the owner as player-widget owner. After softMs the playback
// is ended from a nested timer (and reported as timed out); a playback that
// cannot even be ended that way trips the watchdog.
inline StartResult Play(const QString& path, QWidget* host, QWidget* owner, int softMs, int width = 320,
                        int height = 240)
{
    StartResult result;
    bool finished = false;
    QTimer soft;
    soft.setSingleShot(true);
    QObject::connect(&soft, &QTimer::timeout, [&]() {
        if (!finished && g_nPlayWindow) {
            result.timedOut = true;
            g_nPlayWindow = 0;
            JxPlayerStop();
        }
    });
    soft.start(softMs);
    Watchdog watchdog(softMs + 20000, "JxPlayerStart");
    QElapsedTimer clock;
    clock.start();
    g_nPlayWindow = 1;
    const QByteArray name = QFile::encodeName(path);
    JxPlayerStart(name.constData(), host, owner, nullptr, 0, 0, width, height);
    finished = true;
    result.elapsedMs = clock.elapsed();
    return result;
}

// Conditions waited for, one after the other, inside the player's loop: each
// step is polled until it returns true (acting as it passes), then the next
// one starts. A step that does not pass within its deadline ends the playback
// and is reported by failedStep(), so nothing depends on fixed delays.
class Steps : public QObject
{
public:
    explicit Steps(int stepDeadlineMs = 10000) : m_deadlineMs(stepDeadlineMs)
    {
        QObject::connect(&m_timer, &QTimer::timeout, this, [this]() { poll(); });
        m_timer.start(10);
        m_clock.start();
    }
    Steps& then(const char* name, std::function<bool()> step)
    {
        m_steps.push_back({name, std::move(step)});
        return *this;
    }
    bool done() const { return m_next == m_steps.size(); }
    // The step that timed out, or the first one never reached.
    QString failedStep() const { return done() ? QString() : QString::fromUtf8(m_steps[m_next].first); }

private:
    void poll()
    {
        if (m_busy || done())
            return;
        m_busy = true;  // a step may run a nested playback
        while (!done() && m_steps[m_next].second()) {
            ++m_next;
            m_clock.restart();
        }
        m_busy = false;
        if (done()) {
            m_timer.stop();
        } else if (m_clock.elapsed() > m_deadlineMs) {
            m_timer.stop();
            g_nPlayWindow = 0;
            JxPlayerStop();
        }
    }

    int m_deadlineMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<std::pair<const char*, std::function<bool()>>> m_steps;
    size_t m_next = 0;
    bool m_busy = false;
};

// The player's owner, as the main window's player widget is: the player calls
// its OnStop when the stream ends or cannot be played. A test program that
// uses it includes "moc_PlayerTestKit.cpp" once.
class Owner : public QWidget
{
    Q_OBJECT
public:
    int stops = 0;
    qint64 positionAtStop = -1;
    int stateAtStop = 0;
public slots:
    void OnStop()
    {
        ++stops;
        g_nPlayWindow = 0;
        stateAtStop = JxPlayerGetPlayState();
        positionAtStop = JxPlayerGetPosition();
        JxPlayerStop();
    }
};

}  // namespace PlayerTestKit
