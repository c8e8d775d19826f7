#include "SourceBatch.h"

namespace {

SourceBatch::ProbeHookFunction& ProbeHook()
{
    static SourceBatch::ProbeHookFunction hook;
    return hook;
}

} // namespace

SourceBatch::SourceBatch(QObject* parent)
    : QObject(parent)
{
}

SourceBatch::~SourceBatch()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_waiting.clear();
        m_interrupt = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

ST_OPTS SourceBatch::Record(const QString& path, const std::atomic<bool>* cancel, ProbeDepth depth)
{
    ST_OPTS opts;
    InitOpts(&opts);
    InitSubtitleFile(&opts, path);
    opts.media = ProbeMediaInfo(path, cancel, depth);
    opts.width = opts.media.width;
    opts.height = opts.media.height;
    opts.path = path;
    opts.trimStart = 0;
    opts.trimEnd = opts.media.duration;
    return opts;
}

void SourceBatch::Add(const QStringList& paths)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.insert(m_waiting.end(), paths.begin(), paths.end());
    }
    // Started on the first batch, so a program that adds nothing runs no thread.
    if (!m_thread.joinable())
        m_thread = std::thread([this] { Work(); });
    m_wake.notify_one();
}

void SourceBatch::Cancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_waiting.clear();
    m_done.clear();
    ++m_generation;
    m_interrupt = true;
}

QList<ST_OPTS> SourceBatch::Take(int most)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<ST_OPTS> taken = m_done.mid(0, most);
    m_done.erase(m_done.begin(), m_done.begin() + taken.size());
    return taken;
}

void SourceBatch::SetProbeHook(ProbeHookFunction hook)
{
    ProbeHook() = std::move(hook);
}

void SourceBatch::Work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_waiting.empty(); });
        if (m_stop)
            return;
        const QString path = m_waiting.front();
        m_waiting.pop_front();
        const quint64 generation = m_generation;
        m_interrupt = false;
        lock.unlock();
        if (ProbeHook())
            ProbeHook()(path, m_interrupt);
        ST_OPTS record = Record(path, &m_interrupt, ProbeDepth::Pictures);
        lock.lock();
        if (generation != m_generation || m_stop)
            continue;
        const bool first = m_done.isEmpty();
        m_done.append(std::move(record));
        if (first) {
            // Queued to the owner's thread; sent without the lock held.
            lock.unlock();
            emit ready();
            lock.lock();
        }
    }
}
