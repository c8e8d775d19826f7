// Project files of the editor: the layers of the canvas saved and opened.
#include "EditorMainWindow.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "FileFolders.h"
#include "JxOFile.h"
#include "QWatermarkBase.h"
#include "canvas/QWatermarkScene.h"

namespace {

// At most this many layers are named in a message; the rest are counted.
constexpr int kListedLayers = 12;

QString Listed(const QStringList& lines)
{
    QStringList shown = lines.mid(0, kListedLayers);
    if (lines.size() > kListedLayers)
        shown << EditorMainWindow::tr("... and %1 more.").arg(lines.size() - kListedLayers);
    return shown.join(QLatin1Char('\n'));
}

bool WriteProjectLayers(const QString& path, const QList<QWatermarkBase*>& items, const QSize& canvas,
                        QString* error)
{
    JxOFile file;
    file.ProjectPath = path;
    for (QWatermarkBase* item : items) {
        if (!item)
            continue;
        // Saved positions are whole pixels of the frame the layer was placed
        // on, which is saved with it.
        CLayerInfo* layer = item->GetLayer();
        const LayerPlacement placed = item->Placement(QSizeF(canvas));
        layer->x = int(placed.pos.x());
        layer->y = int(placed.pos.y());
        layer->Angle = float(item->rotation());
        CLayerInfo record(*layer);
        record.Placement = placed;
        file.AppendLayer(record, placed.pos, placed.origin, item->rotation(), item->zValue());
    }
    return file.Save(error);
}

} // namespace

bool EditorMainWindow::OpenProject(const QString& path)
{
    // Read the whole file first: a file that cannot be read leaves the
    // canvas as it was.
    JxOFile file;
    file.ProjectPath = path;
    QString error;
    if (!file.Open(&error)) {
        // The reader's text names the file and what is wrong with it.
        Tell(error.isEmpty() ? tr("The project %1 cannot be opened.").arg(ShownPath(path)) : error);
        return false;
    }

    // Every layer leaves the canvas, Core's list and the dock through the
    // scene's announcements; the source frame stays as it is. The dock is
    // emptied first: emptied row by row it would lay its rows out again
    // after each one.
    const QList<QWatermarkBase*> old = Core::instance()->Layers;
    m_layerDock.Clear();
    m_scene->DeleteLayers(old);
    Core::instance()->Layers.clear();

    // Every record becomes a layer: one whose picture cannot be read stands
    // as a placeholder, so that saving again loses nothing.
    QStringList unreadable;
    m_layerDock.BeginAdding();
    for (int i = 0; i < file.LayerList.size(); ++i) {
        const CLayerInfo& record = file.LayerList.at(i);
        bool placeholder = false;
        QWatermarkBase* item = m_scene->AddLayer(&record, &placeholder);
        // A styled-text layer keeps its saved name, which names its picture
        // in the filter graph: the opened project gives the graph it was
        // saved with (the graph builder keeps those pictures apart).
        if (item && record.Type == 3 && !record.FileName.isEmpty())
            item->GetLayer()->FileName = record.FileName;
        if (placeholder)
            unreadable << tr("Layer %1: %2").arg(QString::number(i + 1), ShownPath(record.FileName));
    }
    m_layerDock.EndAdding();

    QStringList damaged;
    for (const JxOFile::DamagedLayer& layer : qAsConst(file.Damaged))
        damaged << tr("Layer %1: %2").arg(QString::number(layer.index + 1), layer.fields.join(QStringLiteral(", ")));
    QStringList parts;
    if (!unreadable.isEmpty())
        parts << tr("The pictures of these layers cannot be read. Each is kept as a grey box of its saved size "
                    "and saved again unchanged:")
                     + QLatin1Char('\n') + Listed(unreadable);
    if (!damaged.isEmpty())
        parts << tr("These layers held damaged values, which were read as 0 or brought into range:")
                     + QLatin1Char('\n') + Listed(damaged);
    if (!parts.isEmpty())
        Tell(tr("The project %1 was opened with every layer.").arg(ShownPath(path)) + QStringLiteral("\n\n")
             + parts.join(QStringLiteral("\n\n")));
    return true;
}

bool EditorMainWindow::SaveProject(const QString& path)
{
    QString error;
    if (!WriteProjectLayers(path, Core::instance()->Layers, m_scene->CanvasSize(), &error)) {
        Tell(error.isEmpty() ? tr("The project %1 cannot be saved.").arg(ShownPath(path)) : error);
        return false;
    }
    return true;
}
