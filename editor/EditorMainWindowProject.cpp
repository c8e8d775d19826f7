// Project files of the editor: the layers of the canvas saved and opened.
#include "EditorMainWindow.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "JxOFile.h"
#include "QWatermarkBase.h"
#include "canvas/QWatermarkScene.h"

#include <QDir>

namespace {

// Reads every layer record of a project; nothing else is touched.
bool ReadProjectLayers(const QString& path, QList<CLayerInfo>* layers, QString* error)
{
    JxOFile file;
    file.ProjectPath = path;
    if (!file.Open(error))
        return false;
    *layers = file.LayerList;
    return true;
}

bool WriteProjectLayers(const QString& path, const QList<QWatermarkBase*>& items, QString* error)
{
    JxOFile file;
    file.ProjectPath = path;
    for (QWatermarkBase* item : items) {
        if (!item)
            continue;
        // Saved positions are whole pixels of the displayed frame.
        CLayerInfo* layer = item->GetLayer();
        layer->x = int(item->pos().x());
        layer->y = int(item->pos().y());
        layer->Angle = float(item->rotation());
        file.AppendLayer(*layer, QPointF(layer->x, layer->y), item->transformOriginPoint(), item->rotation(),
                         item->zValue());
    }
    return file.Save(error);
}

} // namespace

bool EditorMainWindow::OpenProject(const QString& path)
{
    // Read the whole file first: a file that cannot be read leaves the
    // canvas as it was.
    QList<CLayerInfo> records;
    QString error;
    if (!ReadProjectLayers(path, &records, &error)) {
        // The reader's text names the file and what is wrong with it.
        Tell(error.isEmpty() ? tr("The project %1 cannot be opened.").arg(QDir::toNativeSeparators(path)) : error);
        return false;
    }

    // Every layer leaves the canvas, Core's list and the dock through the
    // scene's announcements; the source frame stays as it is.
    // The dock is emptied first: emptied row by row it would lay its rows out
    // again after each one.
    const QList<QWatermarkBase*> old = Core::instance()->Layers;
    m_layerDock.Clear();
    m_scene->DeleteLayers(old);
    Core::instance()->Layers.clear();

    m_layerDock.BeginAdding();
    for (const CLayerInfo& record : qAsConst(records)) {
        QWatermarkBase* item = m_scene->AddLayer(&record);
        // A styled-text layer keeps its saved name, which names its picture
        // in the filter graph: the opened project gives the graph it was
        // saved with (the graph builder keeps those pictures apart).
        if (item && record.Type == 3 && !record.FileName.isEmpty())
            item->GetLayer()->FileName = record.FileName;
    }
    m_layerDock.EndAdding();
    if (!error.isEmpty())
        Tell(error);
    return true;
}

bool EditorMainWindow::SaveProject(const QString& path)
{
    QString error;
    if (!WriteProjectLayers(path, Core::instance()->Layers, &error)) {
        Tell(error.isEmpty() ? tr("The project %1 cannot be saved.").arg(QDir::toNativeSeparators(path)) : error);
        return false;
    }
    return true;
}
