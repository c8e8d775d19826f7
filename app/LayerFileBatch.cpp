#include "LayerFileBatch.h"

#include "OffThread.h"

LayerFileBatch::LayerFileBatch(QObject* parent)
    : QObject(parent)
{
}

LayerFileBatch::~LayerFileBatch()
{
    Cancel();
}

void LayerFileBatch::Start(const QList<QPair<QString, bool>>& files, const QString& workFolder, const LayerFiles& kept)
{
    m_files = files;
    m_workFolder = workFolder;
    m_kept = std::make_shared<const LayerFiles>(kept);
    LearnNext();
}

void LayerFileBatch::LearnNext()
{
    if (m_learnt.size() == m_files.size()) {
        emit finished();
        return;
    }
    const QPair<QString, bool> file = m_files.at(m_learnt.size());
    const QString workFolder = m_workFolder;
    const std::shared_ptr<const LayerFiles> kept = m_kept;
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    OffThread::Run<LayerFileBatch, ST_LAYER_FILE>(
        this,
        [file, workFolder, kept, cancel] {
            return file.second ? LayerFiles::LearnVideo(file.first, cancel.get())
                               : LayerFiles::Learn(file.first, workFolder, cancel.get(), kept.get());
        },
        [this](const ST_LAYER_FILE& facts) {
            if (*m_cancel)
                return;
            m_learnt << facts;
            emit progress(int(m_learnt.size()));
            LearnNext();
        });
}
