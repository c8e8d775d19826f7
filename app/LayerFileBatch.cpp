#include "LayerFileBatch.h"

LayerFileBatch::LayerFileBatch(QObject* parent)
    : QObject(parent)
{
}

void LayerFileBatch::Start(const QStringList& paths, const QString& workFolder, const LayerFiles& kept)
{
    m_thread = std::thread([this, paths, workFolder, kept] {
        for (const QString& path : paths) {
            ST_LAYER_FILE facts = LayerFiles::Learn(path, workFolder, &m_cancel, &kept);
            if (m_cancel)
                return;
            int done = 0;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_learnt << facts;
                done = m_learnt.size();
            }
            // Queued to the owner's thread.
            emit progress(done);
        }
        if (!m_cancel)
            emit finished();
    });
}

LayerFileBatch::~LayerFileBatch()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

QList<ST_LAYER_FILE> LayerFileBatch::Take()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::move(m_learnt);
}
