// The editor's actions: layers added from files, subtitles loaded into the
// subtitle table, project files, the layer menu and the source-frame edits
// (crop, quarter turns, flips), each written into both the row's options
// and the source frame's record.
#include "EditorMainWindow.h"
#include "ui_EditorMainWindow.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "FileFolders.h"
#include "ST_CROP_THICK.h"
#include "Timecode.h"
#include "canvas/QCanvasItem.h"
#include "dialogs/CropDialog.h"
#include "subtitles/SubtitleFileDialog.h"
#include "text/VTextPropSheetDialog.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"

#include <QCursor>
#include <QDir>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStandardItemModel>
#include <QTransform>

namespace {

QString MillisecondsText(long long ms)
{
    return Timecode::Int64ToQTime(ms * 1000).toString(QStringLiteral("HH:mm:ss:zzz"));
}

} // namespace

QString EditorMainWindow::DefaultAskFileName(bool save, const QString& caption, const QString& filter)
{
    if (!save)
        return QFileDialog::getOpenFileName(this, caption, QString(), filter);
    // Every name gets the filter's extension unless it ends in it ("show.fr"
    // becomes show.fr.jxo, which Open lists), and the question about
    // replacing a file is about that name.
    return SubtitleFileDialog::GetSaveFileName(this, caption, QString(), filter);
}

void EditorMainWindow::on_actionAdd_Video_triggered()
{
    const QString name = AskFileName(false, tr("Add Video"), GetVideoFileFilter());
    if (name.isEmpty())
        return;
    if (!m_scene->AddLayerVideo(name))
        Tell(tr("The video %1 cannot be read.").arg(QDir::toNativeSeparators(name)));
    qDebug() << "Scene" << m_scene->items().size();
}

void EditorMainWindow::on_actionAdd_Image_triggered()
{
    const QString name = AskFileName(false, tr("Add Image"), GetImageFileFilter());
    if (name.isEmpty())
        return;
    if (!m_scene->AddLayerImage(name))
        Tell(tr("The image %1 cannot be read.").arg(QDir::toNativeSeparators(name)));
}

void EditorMainWindow::on_actionAdd_Text_triggered()
{
    VTextPropSheetDialog dialog;
    dialog.InitDialog();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CWordArtInfo text = dialog.WordArt;
    if (!m_scene->AddLayerText(text))
        Tell(tr("The styled text cannot be added."));
}

void EditorMainWindow::on_actionAdd_Subtitle_triggered()
{
    const QString name = AskFileName(false, tr("Open Subtitle File"), tr("Subtitle File(*.srt *.ass *.ssa)"));
    if (name.isEmpty())
        return;
    if (SubtitleParser::IsTooLarge(name)) {
        Tell(SubtitleParser::TooLargeMessage(name));
        return;
    }
    Core* core = Core::instance();
    if (core->IsValidRow(core->CurrentRow)) {
        ST_OPTS& opts = core->Rows[core->CurrentRow];
        opts.subtitlePath = name;
        opts.subtitle = true;
    }
    OpenSubtitle(name);
}

void EditorMainWindow::OpenSubtitle(const QString& path)
{
    // Read on this thread: a file too large to read in a moment is refused.
    if (SubtitleParser::IsTooLarge(path)) {
        Tell(SubtitleParser::TooLargeMessage(path));
        return;
    }
    // The rows themselves come from the dock's reload below, which keeps
    // the table and Core's events in step.
    m_subtitleModel->setHorizontalHeaderLabels({tr("Start Time"), tr("Stop Time"), tr("Subtitle")});
    Core* core = Core::instance();
    SubtitleParser& parser = core->Subtitle;
    const QString type = path.right(3).toLower();
    bool unreadable = false;
    if (type == QLatin1String("srt")) {
        parser.setFileName(path);
        // Read only: loading must never be able to change the user's file.
        unreadable = !parser.ReadSRTFile();
    } else if (type == QLatin1String("ass") || type == QLatin1String("ssa")) {
        parser.setFileName(path);
        unreadable = !parser.ASSParser();
    } else {
        // Nothing is read: no events of an earlier file stay behind an empty table.
        parser.Events.clear();
    }
    core->SetSubtitle(path);

    m_subtitleStyleNames.clear();
    for (const ST_ASS_STYLE& style : qAsConst(parser.Styles))
        m_subtitleStyleNames << style.Name;
    m_subtitleDock.Reload();
    if (unreadable)
        Tell(tr("The subtitle file %1 cannot be read.").arg(QDir::toNativeSeparators(path)));
}

void EditorMainWindow::AddSubtitle(const QString& text, long long start, long long end)
{
    const QList<QStandardItem*> row = {new QStandardItem(MillisecondsText(start)),
                                       new QStandardItem(MillisecondsText(end)), new QStandardItem(text)};
    m_subtitleModel->appendRow(row);
}

void EditorMainWindow::on_actionOpen_triggered()
{
    const QString name = AskFileName(false, tr("Open Lumacrest Project"), tr("Lumacrest 4.x later Project(*.jxo)"));
    if (!name.isEmpty())
        OpenProject(name);
}

void EditorMainWindow::on_actionSave_triggered()
{
    const QString name = AskFileName(true, tr("Save Lumacrest Project"), tr("Lumacrest 4.x later Project(*.jxo)"));
    if (!name.isEmpty())
        SaveProject(name);
}

void EditorMainWindow::OnMenu()
{
    QMenu menu(this);
    menu.addAction(ui->actionDuplicate);
    menu.addAction(ui->actionDelete);
    menu.addSeparator();
    menu.addAction(ui->actionOptions);
    menu.exec(QCursor::pos());
}

void EditorMainWindow::on_actionDuplicate_triggered()
{
    m_scene->OnItemDuplicate();
}

void EditorMainWindow::on_actionDelete_triggered()
{
    m_scene->OnItemDelete();
}

void EditorMainWindow::on_actionEditText_triggered() {}

void EditorMainWindow::on_actionOptions_triggered()
{
    m_scene->OnItemOptions();
}

QImage EditorMainWindow::CropWorkingImage() const
{
    const QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame)
        return QImage();
    const CLayerInfo* layer = frame->GetLayer();
    QImage image = layer->Image.mirrored(layer->FlipHorizontal, layer->FlipVertical);
    if (layer->Rotation == 1)
        image = image.transformed(QTransform().rotate(90), Qt::FastTransformation);
    else if (layer->Rotation == 2)
        image = image.transformed(QTransform().rotate(-90), Qt::FastTransformation);
    return image;
}

void EditorMainWindow::on_actionCrop_triggered()
{
    Core* core = Core::instance();
    if (!m_scene->CanvasItem() || !core->IsValidRow(core->CurrentRow))
        return;
    QImage image = CropWorkingImage();
    const ST_OPTS& opts = core->Rows.at(core->CurrentRow);
    CropDialog dialog;
    dialog.Crop.left = opts.cropLeft;
    dialog.Crop.top = opts.cropTop;
    dialog.Crop.right = opts.cropRight;
    dialog.Crop.bottom = opts.cropBottom;
    dialog.Crop.changed = opts.crop;
    dialog.SetImage(&image);
    if (dialog.exec() == QDialog::Accepted)
        ApplyCrop(dialog.Crop);
}

void EditorMainWindow::ApplyCrop(const ST_CROP_THICK& crop)
{
    Core* core = Core::instance();
    QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame || !core->IsValidRow(core->CurrentRow))
        return;
    m_scene->KeepPlacements();
    core->Rows[core->CurrentRow].SetCrop(crop);
    frame->GetLayer()->SetCrop(crop);
    frame->ItemUpdate();
    UpdateSceneRect();
    m_scene->ShowPlacements();
}

void EditorMainWindow::UpdateSceneRect()
{
    const QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame)
        return;
    const QRectF rect(0, 0, frame->GetLayer()->Width, frame->GetLayer()->Height);
    m_scene->setSceneRect(rect);
    m_view->setSceneRect(rect);
}

void EditorMainWindow::SetRotation(int code)
{
    Core* core = Core::instance();
    QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame || !core->IsValidRow(core->CurrentRow))
        return;
    m_scene->KeepPlacements();
    frame->GetLayer()->Rotation = code;
    core->Rows[core->CurrentRow].rotate = code;
    frame->ItemUpdate();
    UpdateSceneRect();
    m_scene->ShowPlacements();
}

void EditorMainWindow::on_actionRotate_left_triggered()
{
    const QCanvasItem* frame = m_scene->CanvasItem();
    if (frame)
        SetRotation(frame->GetLayer()->Rotation == 1 ? -1 : 2);
}

void EditorMainWindow::on_actionRotate_right_triggered()
{
    const QCanvasItem* frame = m_scene->CanvasItem();
    if (frame)
        SetRotation(frame->GetLayer()->Rotation == 2 ? -1 : 1);
}

void EditorMainWindow::on_actionFlip_horizontal_triggered()
{
    Core* core = Core::instance();
    QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame || !core->IsValidRow(core->CurrentRow))
        return;
    CLayerInfo* layer = frame->GetLayer();
    layer->FlipHorizontal = !layer->FlipHorizontal;
    core->Rows[core->CurrentRow].hflip = layer->FlipHorizontal;
    frame->ItemUpdate();
}

void EditorMainWindow::on_actionFlip_vertical_triggered()
{
    Core* core = Core::instance();
    QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame || !core->IsValidRow(core->CurrentRow))
        return;
    CLayerInfo* layer = frame->GetLayer();
    layer->FlipVertical = !layer->FlipVertical;
    core->Rows[core->CurrentRow].vflip = layer->FlipVertical;
    frame->ItemUpdate();
}
