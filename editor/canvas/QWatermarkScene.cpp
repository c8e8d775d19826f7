#include "QWatermarkScene.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "FileFolders.h"
#include "MediaFunctions.h"
#include "MediaInput.h"
#include "QCanvasItem.h"
#include "QWatermarkItem.h"
#include "QWatermarkView.h"
#include "QWordArtItem.h"
#include "dialogs/LayerDialog.h"
#include "text/VTextPropSheetDialog.h"

#include <QDebug>
#include <QFile>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QTransform>
#include <cmath>

namespace {

// A scene coordinate as the whole pixel the options dialog shows.
int TruncPixel(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<int>(qBound(-1e9, std::trunc(value), 1e9));
}

// The values the options dialog edits, to tell what the user changed.
struct LayerFields {
    int width, height;
    bool keep;
    int x, y, opacity;
    float angle;
    int animation, fade, speed, loop;
    int64_t start, end;
    static LayerFields From(const LayerDialog& d)
    {
        return {d.Width, d.Height, d.Keep, d.X, d.Y, d.Opacity, d.Angle,
                d.Animation, d.Fade, d.Speed, d.Loop, d.StartTime, d.EndTime};
    }
};

} // namespace

QWatermarkScene::QWatermarkScene(QObject* parent)
    : QGraphicsScene(parent)
{
    setBackgroundBrush(QBrush(Qt::darkGray));
}

// Layers still on the scene go with it; Core drops them as they are destroyed.
QWatermarkScene::~QWatermarkScene() = default;

QSize QWatermarkScene::CanvasSize() const
{
    if (!m_canvas)
        return QSize();
    const CLayerInfo* layer = m_canvas->GetLayer();
    return QSize(layer->Width, layer->Height);
}

void QWatermarkScene::InitCanvas(const QString& path)
{
    Core* core = Core::instance();
    // A stale row (or none) must not be read: the canvas stays as it is.
    if (!core->IsValidRow(core->CurrentRow))
        return;
    const ST_OPTS& opts = core->Rows.at(core->CurrentRow);
    KeepPlacements();

    const QList<QGraphicsItem*> all = items();
    for (QGraphicsItem* graphics : all) {
        auto* frame = qobject_cast<QCanvasItem*>(graphics->toGraphicsObject());
        if (frame && frame->GetLayer()->Type == 0 && frame->zValue() < 1) {
            qDebug() << "InitCanvas: replacing" << frame->GetLayer()->FileName;
            if (frame == m_canvas)
                m_canvas = nullptr;
            Retire(frame);
        }
    }

    auto* item = new QCanvasItem(this);
    m_duration = 0;
    const QByteArray encoded = path.toUtf8();
    // The frame as the converter and the preview show it: turned upright and
    // at the aspect of its pixels. Layers are placed on that picture.
    GetShownMediaImage(encoded.constData(), item->GetQImage(), 0, &m_duration);
    CLayerInfo* layer = item->GetLayer();
    layer->Type = 0;
    layer->FileName = path;
    item->setZValue(0);
    layer->FlipHorizontal = opts.hflip;
    layer->FlipVertical = opts.vflip;
    layer->Rotation = opts.rotate;
    // The layers are placed against the cropped frame, as the filter graph
    // crops it: the row's crop belongs to the frame as well.
    layer->SetCrop(opts.Crop());
    item->ItemUpdate();
    m_canvas = item;
    connect(item, &QWatermarkBase::sigMenu, this, &QWatermarkScene::slotMenu, Qt::QueuedConnection);
    addItem(item);

    QImage frame = item->DisplayedFrame();
    if (m_view)
        m_view->setCanvasSize(&frame, false);
    setSceneRect(0, 0, frame.width(), frame.height());
    ShowPlacements();
}

QList<QWatermarkBase*> QWatermarkScene::LayerItems() const
{
    QList<QWatermarkBase*> layers;
    const QList<QGraphicsItem*> all = items();
    for (QGraphicsItem* graphics : all) {
        auto* layer = qobject_cast<QWatermarkBase*>(graphics->toGraphicsObject());
        if (layer && layer != m_canvas && layer->GetLayer()->Type != 0)
            layers << layer;
    }
    return layers;
}

void QWatermarkScene::KeepPlacements()
{
    const QSizeF canvas(CanvasSize());
    for (QWatermarkBase* item : LayerItems())
        item->GetLayer()->Placement = item->Placement(canvas);
}

void QWatermarkScene::ShowPlacements()
{
    for (QWatermarkBase* item : LayerItems())
        Show(item);
}

void QWatermarkScene::Show(QWatermarkBase* item)
{
    CLayerInfo* layer = item->GetLayer();
    const QSizeF canvas(CanvasSize());
    LayerPlacement& placed = layer->Placement;
    // A layer without a frame of its own was placed on this one.
    if (!placed.IsKnown())
        placed = item->Placement(canvas);
    if (!placed.IsKnown())
        return;
    double scale = 1.0;
    QPointF pos = placed.pos;
    if (!canvas.isEmpty() && canvas != placed.frame) {
        // Scaled about its turning centre, then moved so that its box lies
        // where the conversion puts it.
        const FrameFit fit(placed.frame, placed.box, canvas);
        scale = fit.Scale();
        pos = fit.Map(placed.box).topLeft() - placed.box.topLeft() * scale + (placed.pos + placed.origin) * scale
            - placed.origin;
    }
    item->setTransformOriginPoint(placed.origin);
    item->setScale(scale);
    item->setPos(pos);
    placed.shownBox = item->GetPosRect();
    placed.shownSize = QSize(layer->Width, layer->Height);
    placed.shownRotation = item->rotation();
}

namespace {

// What stands in for a layer whose picture cannot be read: a grey box with
// a cross, drawn scaled to the layer's size.
QImage PlaceholderPicture()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(128, 128, 128, 160));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(230, 230, 230), 3));
    painter.drawRect(QRectF(1.5, 1.5, 61, 61));
    painter.drawLine(QPointF(2, 2), QPointF(62, 62));
    painter.drawLine(QPointF(62, 2), QPointF(2, 62));
    return image;
}

} // namespace

QWatermarkItem* QWatermarkScene::NewPictureItem(int kind, const QString& path, const CLayerInfo* record,
                                                bool* placeholder)
{
    QImage image;
    PictureGeometry clip;
    if (kind == 1) {
        // The clip's first picture as a player shows it: upright, unmirrored,
        // at the aspect of its pixels. The graph shows the clip the same way.
        GetShownMediaImage(QFile::encodeName(path).constData(), &image, 0, nullptr, &clip);
    } else {
        // A device or pipe named as a layer's file could be read without end.
        QFile file;
        if (MediaInput::OpenRegular(path, &file))
            image = ReadLayerPicture(&file);
    }
    const bool unreadable = image.isNull() || image.width() <= 0 || image.height() <= 0
        || !PictureSizeAllowed(image.width(), image.height());
    if (placeholder)
        *placeholder = unreadable;
    if (unreadable) {
        qWarning().noquote() << "Cannot read the picture of layer" << ShownPath(path);
        // A new layer needs its picture for a size; a project's layer is kept.
        if (!record)
            return nullptr;
    }
    auto* item = new QWatermarkItem(this);
    CLayerInfo* layer = item->GetLayer();
    if (record)
        layer->CopyNoImageData(record);
    layer->Image = unreadable ? PlaceholderPicture() : image;
    layer->Clip = clip;
    layer->FileName = path;
    item->Init();
    layer->Type = kind;
    if (record) {
        // A project's layer is shown at its saved size, as the conversion
        // draws it, resized or not; a placeholder is saved again as it was read.
        if (record->Width > 0 && record->Height > 0) {
            const bool keep = layer->Keep;
            layer->Keep = false;
            item->SetSize(record->Width, record->Height);
            layer->Keep = keep;
        }
        if (unreadable) {
            layer->Width = record->Width;
            layer->Height = record->Height;
        }
    }
    return item;
}

void QWatermarkScene::Place(QWatermarkBase* item, bool selected, qreal z)
{
    item->setZValue(z);
    connect(item, &QWatermarkBase::sigClose, this, &QWatermarkScene::slotClose, Qt::QueuedConnection);
    connect(item, &QWatermarkBase::sigMenu, this, &QWatermarkScene::slotMenu, Qt::QueuedConnection);
    if (item->GetLayer()->Type == 3)
        connect(item, &QWatermarkBase::sigDClicked, this, &QWatermarkScene::slotDClick, Qt::QueuedConnection);
    addItem(item);
    Show(item);
    if (selected)
        item->setSelected(true);
    emit itemAddedHM(item);
}

QWatermarkBase* QWatermarkScene::AddLayerVideo(const QString& path)
{
    ClearSelectedItem();
    QWatermarkItem* item = NewPictureItem(1, path, nullptr);
    if (item)
        Place(item, true, m_z++);
    return item;
}

QWatermarkBase* QWatermarkScene::AddLayerImage(const QString& path)
{
    ClearSelectedItem();
    QWatermarkItem* item = NewPictureItem(2, path, nullptr);
    if (item)
        Place(item, true, m_z++);
    return item;
}

QWatermarkBase* QWatermarkScene::CreateTextItem(const CWordArtInfo& info, const CLayerInfo* record)
{
    auto* item = new QWordArtItem(this);
    CLayerInfo* layer = item->GetLayer();
    if (record)
        layer->CopyNoImageData(record);
    layer->WordArt = info;
    layer->DrawWordArt();
    item->Init();
    return item;
}

QWatermarkBase* QWatermarkScene::AddLayerText(const CWordArtInfo& info, double, double)
{
    ClearSelectedItem();
    QWatermarkBase* item = CreateTextItem(info, nullptr);
    if (!item)
        return nullptr;
    item->GetLayer()->FileName = tr("Text") + QString::number(m_z);
    ++m_z;
    item->GetLayer()->Type = 3;
    item->GetLayer()->Keep = false;
    Place(item, true, m_z++);
    return item;
}

QWatermarkBase* QWatermarkScene::AddLayer(const CLayerInfo* record, bool* placeholder)
{
    if (placeholder)
        *placeholder = false;
    if (!record)
        return nullptr;
    QWatermarkBase* item = nullptr;
    switch (record->Type) {
    case 3:
        item = CreateTextItem(record->WordArt, record);
        if (item) {
            item->GetLayer()->FileName = tr("Text") + QString::number(m_z);
            ++m_z;
            item->GetLayer()->Type = 3;
        }
        break;
    case 1:
    case 2:
        item = NewPictureItem(record->Type, record->FileName, record, placeholder);
        break;
    default:
        break;
    }
    if (!item)
        return nullptr;
    // The file places a layer turned about its top-left corner; on the canvas
    // it turns about its centre, as the rotate handle turns it, placed so that
    // it covers the same pixels (and is saved again where it was read).
    const QPointF centre = item->ImageRect().center();
    item->setTransformOriginPoint(centre);
    const double angle = std::isfinite(double(record->Angle)) ? double(record->Angle) : 0.0;
    item->setRotation(angle);
    item->setPos(QPointF(record->x, record->y) - centre + QTransform().rotate(angle).map(centre));
    item->ShowOpacity();
    // A project that names the frame a layer was placed on places it there;
    // one saved without places it on the frame it is opened on, as it did.
    LayerPlacement placed;
    if (record->Placement.IsKnown()) {
        placed.frame = record->Placement.frame;
        placed.pos = item->pos();
        placed.origin = item->transformOriginPoint();
        placed.box = item->GetPosRect();
    }
    item->GetLayer()->Placement = placed;
    Place(item, false, m_z++);
    return item;
}

QList<QWatermarkBase*> QWatermarkScene::SelectedLayers() const
{
    QList<QWatermarkBase*> layers;
    const QList<QGraphicsItem*> selected = selectedItems();
    for (QGraphicsItem* graphics : selected) {
        auto* layer = qobject_cast<QWatermarkBase*>(graphics->toGraphicsObject());
        if (layer && layer->GetLayer()->Type != 0)
            layers << layer;
    }
    return layers;
}

QList<QWatermarkBase*> QWatermarkScene::TargetLayers() const
{
    QList<QWatermarkBase*> layers = SelectedLayers();
    auto* from = qobject_cast<QWatermarkBase*>(sender());
    if (from && from->scene() == this && from->GetLayer()->Type != 0 && !layers.contains(from))
        layers << from;
    return layers;
}

void QWatermarkScene::ClearSelectedItem()
{
    const QList<QWatermarkBase*> layers = TargetLayers();
    for (QWatermarkBase* layer : layers)
        layer->setSelected(false);
}

void QWatermarkScene::Retire(QWatermarkBase* item)
{
    removeItem(item);
    // Receivers of the announcement (Core, the layer dock) may still hold the
    // pointer in the current call chain: destroy it from the event loop.
    item->deleteLater();
}

void QWatermarkScene::DeleteLayers(const QList<QWatermarkBase*>& layers)
{
    for (QWatermarkBase* item : layers) {
        // A layer asked twice (two queued close requests) goes once.
        if (!item || item->scene() != this || item == m_canvas)
            continue;
        emit itemDeleteHM(item);
        Retire(item);
    }
}

void QWatermarkScene::OnItemDelete()
{
    const QList<QWatermarkBase*> layers = TargetLayers();
    if (layers.isEmpty())
        return;
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Are you sure to delete the layer ?"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setButtonText(QMessageBox::Ok, tr("Ok"));
    box.setButtonText(QMessageBox::Cancel, tr("Cancel"));
    if (box.exec() != QMessageBox::Ok)
        return;
    DeleteLayers(layers);
}

void QWatermarkScene::OnItemDuplicate()
{
    const QList<QWatermarkBase*> layers = TargetLayers();
    for (QWatermarkBase* layer : layers) {
        layer->setSelected(false);
        const CLayerInfo* record = layer->GetLayer();
        switch (record->Type) {
        case 1:
            AddLayerVideo(record->FileName);
            break;
        case 2:
            AddLayerImage(record->FileName);
            break;
        case 3:
            AddLayerText(record->WordArt, 0.0, 0.0);
            break;
        default:
            break;
        }
    }
}

void QWatermarkScene::OnItemOptions()
{
    // Each dialog runs an event loop: a layer deleted meanwhile is skipped.
    QList<QPointer<QWatermarkBase>> layers;
    for (QWatermarkBase* target : TargetLayers())
        layers << target;
    for (const QPointer<QWatermarkBase>& item : layers) {
        if (!item || item->scene() != this)
            continue;
        CLayerInfo* record = item->GetLayer();
        double rotation = item->rotation();
        if (!std::isfinite(rotation))
            rotation = 0.0;

        // Sizes and places in pixels of this frame, as the canvas shows a
        // layer placed on another one.
        const double scale = item->scale() > 0.0 ? item->scale() : 1.0;
        const auto corner = [&item, scale]() {
            return item->transformOriginPoint() * (1.0 - scale);
        };
        LayerDialog dialog;
        dialog.Width = scale == 1.0 ? record->Width : qRound(record->Width * scale);
        dialog.Height = scale == 1.0 ? record->Height : qRound(record->Height * scale);
        dialog.Keep = record->Keep;
        dialog.X = TruncPixel(item->pos().x() + corner().x());
        dialog.Y = TruncPixel(item->pos().y() + corner().y());
        dialog.Opacity = record->Transparent;
        dialog.Animation = record->Animation;
        dialog.Fade = record->Fade;
        dialog.Speed = record->Speed;
        dialog.Loop = record->Loop;
        dialog.StartTime = record->StartTime;
        dialog.EndTime = record->EndTime;
        dialog.Angle = static_cast<float>(rotation < 0.0 ? rotation + 360.0 : rotation);
        // What the dialog was given: a field it hands back unchanged keeps the
        // layer's own value, so an untouched OK does not round the position or
        // turn -30 degrees into 330.
        const LayerFields shown = LayerFields::From(dialog);

        dialog.InitDialog();
        if (dialog.exec() != QDialog::Accepted || !item || item->scene() != this)
            continue;
        const LayerFields got = LayerFields::From(dialog);

        // A side of 0 has no picture to show: the layer keeps its size.
        const bool sized = (got.width != shown.width || got.height != shown.height) && got.width > 0 && got.height > 0;
        if (got.keep != shown.keep)
            record->Keep = got.keep;
        if (got.opacity != shown.opacity)
            record->Transparent = qBound(0, got.opacity, 100);
        if (got.speed != shown.speed)
            record->Speed = got.speed;
        if (got.animation != shown.animation)
            record->Animation = got.animation;
        if (got.fade != shown.fade)
            record->Fade = got.fade;
        if (got.loop != shown.loop)
            record->Loop = got.loop;
        if (got.start != shown.start)
            record->StartTime = got.start;
        if (got.end != shown.end)
            record->EndTime = got.end;
        if (got.x != shown.x)
            record->x = got.x;
        if (got.y != shown.y)
            record->y = got.y;
        const bool turned = got.angle != shown.angle && std::isfinite(got.angle);
        if (turned)
            record->Angle = got.angle;

        if (sized)
            item->SetSize(got.width / scale, got.height / scale); // writes the record's width and height
        if (sized || turned) {
            // Turned about its centre, as the rotate handle and project
            // loading do, without the layer jumping.
            const QPointF before = item->mapToScene(QPointF(0, 0));
            item->setTransformOriginPoint(item->ImageRect().center());
            item->setPos(item->pos() - (item->mapToScene(QPointF(0, 0)) - before));
        }
        if (turned)
            item->setRotation(got.angle);
        if (got.x != shown.x || got.y != shown.y)
            item->setPos(got.x != shown.x ? got.x - corner().x() : item->pos().x(),
                         got.y != shown.y ? got.y - corner().y() : item->pos().y());
        item->ShowOpacity();
        item->SetRepaintPending();
        item->update();
        emit itemChangedHM(item);
    }
}

void QWatermarkScene::slotClose()
{
    OnItemDelete();
}

void QWatermarkScene::slotDClick()
{
    const QList<QWatermarkBase*> layers = TargetLayers();
    if (layers.size() != 1 || layers.first()->GetLayer()->Type != 3)
        return;
    const QPointer<QWatermarkBase> item(layers.first());
    VTextPropSheetDialog dialog;
    dialog.WordArt = item->GetLayer()->WordArt;
    dialog.InitDialog();
    dialog.SetText();
    // The dialog runs an event loop: the layer may be gone when it returns.
    if (dialog.exec() != QDialog::Accepted || !item || item->scene() != this)
        return;
    CLayerInfo* record = item->GetLayer();
    record->WordArt = dialog.WordArt;
    record->DrawWordArt();
    item->ItemUpdate();
}

void QWatermarkScene::slotMenu()
{
    if (!selectedItems().isEmpty())
        emit itemMenuHM();
}

void QWatermarkScene::drawBackground(QPainter* painter, const QRectF& rect)
{
    QGraphicsScene::drawBackground(painter, rect);
    // The background texture has no picture among the resources: the frame
    // area stays the plain background until the source frame covers it.
}

void QWatermarkScene::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    mouseEvent(event);
    m_pressPoint = m_lastPoint = event->scenePos();
    if (event->button() != Qt::LeftButton)
        return;
    m_pressedPart = 0;
    const QList<QWatermarkBase*> layers = SelectedLayers();
    if (layers.isEmpty())
        emit itemPressHM(nullptr);
    for (QWatermarkBase* layer : layers)
        emit itemPressHM(layer);
    if (selectedItems().size() == 1 && layers.size() == 1) {
        layers.first()->SetMove(false);
        m_pressedPart = layers.first()->collidesWithHandle(event->scenePos(), m_view ? m_view->zoom() : 100.0);
    }
}

void QWatermarkScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    mouseEvent(event);
    m_lastPoint = event->scenePos();
    const QList<QWatermarkBase*> layers = SelectedLayers();
    if (!layers.isEmpty() && layers.first()->IsMove() && m_view)
        m_view->SetRedrawPending();
}

void QWatermarkScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    mouseEvent(event);
    const QList<QWatermarkBase*> layers = SelectedLayers();
    if (selectedItems().size() != 1 || layers.size() != 1)
        return;
    QWatermarkBase* layer = layers.first();
    switch (layer->OperationState()) {
    case QWatermarkBase::OpResized:
        emit itemResizeHM(layer->GetLayer(), layer->GetScale());
        break;
    case QWatermarkBase::OpRotating:
        emit itemRotateHM(layer->GetLayer(), layer->GetBeforeAngle(), layer->GetAngle());
        break;
    default:
        if (layer->IsMove())
            emit itemMovedHM(layer->GetLayer(), layer->pos());
        break;
    }
}

void QWatermarkScene::mouseEvent(QGraphicsSceneMouseEvent* event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMouseMove:
        QGraphicsScene::mouseMoveEvent(event);
        break;
    case QEvent::GraphicsSceneMousePress:
        QGraphicsScene::mousePressEvent(event);
        break;
    case QEvent::GraphicsSceneMouseRelease:
        QGraphicsScene::mouseReleaseEvent(event);
        break;
    default:
        break;
    }
}

void QWatermarkScene::keyPressEvent(QKeyEvent* event)
{
    m_arrowDown = false;
    QPointF offset;
    switch (event->key()) {
    case Qt::Key_Left:
        offset = QPointF(-1, 0);
        break;
    case Qt::Key_Up:
        offset = QPointF(0, -1);
        break;
    case Qt::Key_Right:
        offset = QPointF(1, 0);
        break;
    case Qt::Key_Down:
        offset = QPointF(0, 1);
        break;
    default:
        break;
    }
    if (!offset.isNull()) {
        m_arrowDown = true;
        m_nudgeX += offset.x();
        m_nudgeY += offset.y();
        const QList<QGraphicsItem*> selected = selectedItems();
        for (QGraphicsItem* item : selected)
            item->moveBy(offset.x(), offset.y());
    }
    qDebug() << "nudge" << m_nudgeX << m_nudgeY;
    qDebug("QGraphicsScene::keyPressEvent");
    QGraphicsScene::keyPressEvent(event);
}

void QWatermarkScene::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        QGraphicsScene::keyReleaseEvent(event);
        return;
    }
    const QList<QWatermarkBase*> layers = SelectedLayers();
    if (m_arrowDown && !layers.isEmpty())
        emit itemMovedHM(layers.first()->GetLayer(), layers.first()->scenePos());
    qDebug("QGraphicsScene::keyReleaseEvent");
    qDebug() << (m_arrowDown ? "true" : "false") << m_nudgeX << m_nudgeY;
    m_nudgeX = 0.0;
    m_nudgeY = 0.0;
    QGraphicsScene::keyReleaseEvent(event);
}
