// Project files of the editor: the layers of the canvas saved and opened.
#include "EditorMainWindow.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "QWatermarkBase.h"
#include "canvas/QWatermarkScene.h"

#include <QDir>

namespace {

// The project file reader and writer of the foundation is not in this
// build yet; until it is, these two say so instead of touching anything.
bool ReadProjectLayers(const QString& path, QList<CLayerInfo>* layers, QString* error)
{
    Q_UNUSED(path);
    Q_UNUSED(layers);
    *error = QObject::tr("Project files cannot be read by this build.");
    return false;
}

bool WriteProjectLayers(const QString& path, const QList<QWatermarkBase*>& items, QString* error)
{
    Q_UNUSED(path);
    Q_UNUSED(items);
    *error = QObject::tr("Project files cannot be written by this build.");
    return false;
}

} // namespace

bool EditorMainWindow::OpenProject(const QString& path)
{
    // Read the whole file first: a file that cannot be read leaves the
    // canvas as it was.
    QList<CLayerInfo> records;
    QString error;
    if (!ReadProjectLayers(path, &records, &error)) {
        Tell(tr("The project %1 cannot be opened: %2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }

    // Every layer leaves the canvas, Core's list and the dock through the
    // scene's announcements; the source frame stays as it is.
    const QList<QWatermarkBase*> old = Core::instance()->Layers;
    m_scene->DeleteLayers(old);
    Core::instance()->Layers.clear();
    m_layerDock.Clear();

    for (const CLayerInfo& record : qAsConst(records))
        m_scene->AddLayer(&record);
    if (!error.isEmpty())
        Tell(error);
    return true;
}

bool EditorMainWindow::SaveProject(const QString& path)
{
    QString error;
    if (!WriteProjectLayers(path, Core::instance()->Layers, &error)) {
        Tell(tr("The project %1 cannot be saved: %2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    return true;
}
