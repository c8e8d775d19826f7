#pragma once
// The picture layers' files looked into on a thread of their own before Run
// queues its rows: a large picture decoded on the GUI thread would freeze
// the window for as long.
#include <QList>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>

#include "LayerFiles.h"

class LayerFileBatch : public QObject
{
    Q_OBJECT
public:
    explicit LayerFileBatch(QObject* parent = nullptr);
    // Ends the reading under way and waits for it.
    ~LayerFileBatch() override;

    // Starts learning the files, once its signals are connected, taking
    // what `kept` holds of the same files and content; work pictures go
    // into `workFolder`.
    void Start(const QStringList& paths, const QString& workFolder, const LayerFiles& kept);
    // Ends the reading under way and what would follow it.
    void Cancel() { m_cancel = true; }
    // What was learnt, once `finished` has been sent.
    QList<ST_LAYER_FILE> Take();

signals:
    // `done` of the files have been learnt.
    void progress(int done);
    void finished();

private:
    std::mutex m_mutex;
    QList<ST_LAYER_FILE> m_learnt;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};
