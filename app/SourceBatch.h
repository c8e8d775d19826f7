#pragma once
// Source files looked into on a thread of their own: probing a long list on
// the GUI thread would freeze the window for seconds.
#include <QObject>
#include <QStringList>

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
    // Drops what waits and waits for the file being probed.
    ~SourceBatch() override;

    // The record of a new source row: cleared, with the subtitle file beside
    // the source and what the probe found.
    static ST_OPTS Record(const QString& path);

    // Queues files behind those still waiting, in order.
    void Add(const QStringList& paths);
    // Drops the files waiting and the records not yet taken; the one being
    // probed is dropped when it is done.
    void Cancel();
    // Up to `most` records, in the order the files were given.
    QList<ST_OPTS> Take(int most);

    // Tests hold the worker here, on its thread, before each file is probed.
    static void SetProbeHook(std::function<void(const QString&)> hook);

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
    std::thread m_thread;
};
