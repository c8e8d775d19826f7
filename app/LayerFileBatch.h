#pragma once
// The layers' files looked into on the shared pool before Run queues its
// rows, one after the other: a large picture decoded, or a video probed, on
// the GUI thread would freeze the window for as long.
#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>

#include <atomic>
#include <memory>

#include "LayerFiles.h"

class LayerFileBatch : public QObject
{
    Q_OBJECT
public:
    explicit LayerFileBatch(QObject* parent = nullptr);
    // Ends the reading under way, which then gives nothing.
    ~LayerFileBatch() override;

    // Starts learning the files, once its signals are connected: each a
    // name and whether a video layer reads it. What `kept` holds of the
    // same files and content is taken; work pictures go into `workFolder`.
    void Start(const QList<QPair<QString, bool>>& files, const QString& workFolder, const LayerFiles& kept);
    // Ends the reading under way and what would follow it.
    void Cancel() { *m_cancel = true; }
    // What was learnt, once `finished` has been sent.
    QList<ST_LAYER_FILE> Take() { return std::move(m_learnt); }

signals:
    // `done` of the files have been learnt.
    void progress(int done);
    void finished();

private:
    void LearnNext();

    QList<QPair<QString, bool>> m_files;
    QString m_workFolder;
    std::shared_ptr<const LayerFiles> m_kept;
    QList<ST_LAYER_FILE> m_learnt;
    // Shared with the work on the pool, which may outlive this.
    std::shared_ptr<std::atomic<bool>> m_cancel = std::make_shared<std::atomic<bool>>(false);
};
