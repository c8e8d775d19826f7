#pragma once
// Source files looked into on a thread of their own: probing a long list on
// the GUI thread would freeze the window for seconds.
#include <QObject>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "ST_OPTS.h"

class SourceBatch : public QObject
{
    Q_OBJECT
public:
    explicit SourceBatch(QObject* parent = nullptr);
    // Drops what waits and ends the probe under way.
    ~SourceBatch() override;

    // The record of a new source row: cleared, with the subtitle file beside
    // the source and what the probe found; a probe ended by `cancel` found
    // nothing. The batch's own thread reads its pictures' stamps too.
    static ST_OPTS Record(const QString& path, const std::atomic<bool>* cancel = nullptr,
                          ProbeDepth depth = ProbeDepth::Headers);

    // Queues files behind those still waiting, in order.
    void Add(const QStringList& paths);
    // Drops the files waiting and the records not yet taken, and ends the
    // probe under way.
    void Cancel();
    // Up to `most` records, in the order the files were given.
    QList<ST_OPTS> Take(int most);

    // Tests hold the worker here, on its thread, before each file is probed,
    // as a slow probe would; `cancel` is what ends the probe.
    using ProbeHookFunction = std::function<void(const QString& path, const std::atomic<bool>& cancel)>;
    static void SetProbeHook(ProbeHookFunction hook);

signals:
    // Records wait to be taken; sent once until they are.
    void ready();

private:
    void Work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<QString> m_waiting;
    QList<ST_OPTS> m_done;
    // Counts cancellations: a record probed under an older count is stale.
    quint64 m_generation = 0;
    bool m_stop = false;
    // Set to end the probe under way; cleared, under the lock, as each starts.
    std::atomic<bool> m_interrupt{false};
    std::thread m_thread;
};
