#pragma once
// A named pipe for tests of code that must never open one. Opening a pipe
// for reading waits for a writer: should the code under test do so, the
// guard's watchdog comes as that writer once its deadline passes, so the test
// fails instead of hanging (and the window it closes does not wait for ever).
#include "MediaInput.h"

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoGuard
{
public:
    explicit FifoGuard(const QString& path, int deadlineMs = 20000)
        : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        if (m_made)
            m_watchdog = std::thread([this, deadlineMs] {
                std::unique_lock<std::mutex> lock(m_mutex);
                if (m_wake.wait_for(lock, std::chrono::milliseconds(deadlineMs), [this] { return m_done; }))
                    return;
                // Past the deadline every reader is let go, however often it comes back.
                while (!m_wake.wait_for(lock, std::chrono::milliseconds(50), [this] { return m_done; }))
                    Release();
            });
    }
    ~FifoGuard()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        if (m_watchdog.joinable())
            m_watchdog.join();
        Release();
    }
    FifoGuard(const FifoGuard&) = delete;
    FifoGuard& operator=(const FifoGuard&) = delete;

    bool Made() const { return m_made; }
    // Whether anything has held the pipe open for reading: now, or when
    // the watchdog had to release it.
    bool WasOpened()
    {
        Release();
        return m_released;
    }

private:
    // A writer that opens without waiting succeeds only while a reader has
    // the pipe open; its close gives that reader the end of the data.
    void Release()
    {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            m_released = true;
            ::close(fd);
        }
    }

    QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_released{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_watchdog;
};

// Puts a guarded pipe under a file's name the moment the code under test has
// opened that file, for its lifetime: what was opened must be what is read,
// and the name is never opened again.
class PipeSwap
{
public:
    explicit PipeSwap(const QString& path)
    {
        std::lock_guard<std::mutex> lock(Shared().mutex);
        Shared().target = QFile::encodeName(path);
        MediaInput::AfterOpen = &PipeSwap::Swap;
    }
    ~PipeSwap()
    {
        MediaInput::AfterOpen = nullptr;
        std::unique_ptr<FifoGuard> pipe;
        std::lock_guard<std::mutex> lock(Shared().mutex);
        Shared().target.clear();
        pipe = std::move(Shared().pipe);
    }
    PipeSwap(const PipeSwap&) = delete;
    PipeSwap& operator=(const PipeSwap&) = delete;

    // The pipe now under the name; null while the file was not opened.
    FifoGuard* Pipe()
    {
        std::lock_guard<std::mutex> lock(Shared().mutex);
        return Shared().pipe.get();
    }

private:
    struct State {
        std::mutex mutex;
        QByteArray target;
        std::unique_ptr<FifoGuard> pipe;
    };
    static State& Shared()
    {
        static State state;
        return state;
    }
    static void Swap(const char* path)
    {
        std::lock_guard<std::mutex> lock(Shared().mutex);
        if (Shared().pipe || Shared().target != path)
            return;
        ::unlink(path);
        Shared().pipe = std::make_unique<FifoGuard>(QFile::decodeName(path), 5000);
    }
};
