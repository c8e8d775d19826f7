#pragma once
// A write that fails part way, as on a full disk, for any user (root too).
#include <csignal>
#include <sys/resource.h>

// Lowers this process's file size limit for its lifetime, with the signal
// that limit raises ignored, so a write past it fails with an error as a full
// disk would, whoever runs the test.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_active = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = m_active && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    bool m_active = false;
    void (*m_oldHandler)(int) = nullptr;
};
