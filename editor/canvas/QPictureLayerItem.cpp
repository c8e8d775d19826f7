#include "QPictureLayerItem.h"

#include "ButtonItem.h"
#include "FilterText.h"

#include <QCursor>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTimer>
#include <cmath>

namespace {

// A layer's side in whole pixels: at least one, whatever the input.
int PixelSide(double value)
{
    if (!std::isfinite(value) || value < 1.0)
        return 1;
    return FilterText::Trunc(value);
}

} // namespace

QPictureLayerItem::QPictureLayerItem(QGraphicsScene* scene, QGraphicsItem* parent, const QString& name)
    : QWatermarkBase(parent)
{
    setCursor(Qt::SizeAllCursor);
    setObjectName(name);
    UpdateShadow();
    if (scene)
        m_canvasRect = scene->sceneRect();
}

void QPictureLayerItem::InitItem()
{
    if (m_handles.isEmpty()) {
        CreateHandles();
        for (ButtonItem* handle : m_handles) {
            if (handle->dir() == ButtonItem::RotateCorner) {
                connect(handle, &ButtonItem::rotated, this, &QPictureLayerItem::slotRotated);
            } else if (handle->dir() == ButtonItem::ResizeCorner) {
                connect(handle, &ButtonItem::pressed, this, &QPictureLayerItem::slotPressed);
                connect(handle, &ButtonItem::resized, this, &QPictureLayerItem::slotResized);
                connect(handle, &ButtonItem::resize, this, &QPictureLayerItem::slotResize);
            }
        }
    }
    setFlags(QGraphicsItem::ItemUsesExtendedStyleOption | QGraphicsItem::ItemIsMovable
             | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    updatehandles();
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &QPictureLayerItem::slotRedraw);
        m_timer->start(40);
    }
}

float QPictureLayerItem::Ratio(int image, int shown)
{
    return shown > 0 ? float(image) / float(shown) : 1.0f;
}

void QPictureLayerItem::Rotate(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    m_angle = degrees;
    SetOriginKeepingPosition(boundingRect().center());
    setRotation(degrees);
    updatehandles();
}

void QPictureLayerItem::Resize(double width, double height)
{
    if (width < 0 || height < 0)
        return;
    SetOriginKeepingPosition(boundingRect().topLeft());
    SetSize(width, height);
}

void QPictureLayerItem::SetSize(double width, double height)
{
    // A resize to nothing or a damaged value never leaves a layer without a
    // positive whole size.
    if (!std::isfinite(width) || !std::isfinite(height))
        return;
    if (m_Layer.Keep && m_imageRect.width() > 0 && m_imageRect.height() > 0) {
        const float ratio = float(m_imageRect.width()) / float(m_imageRect.height());
        height = qRound(width / double(ratio));
    }
    const int w = PixelSide(width);
    const int h = PixelSide(height);
    prepareGeometryChange();
    m_Layer.Width = w;
    m_Layer.Height = h;
    m_imageRect.setSize(QSize(w, h));
    m_kx = Ratio(m_Layer.Image.width(), w);
    m_ky = Ratio(m_Layer.Image.height(), h);
    updatehandles();
}

QPolygonF QPictureLayerItem::SceneCorners() const
{
    const QRectF r(0, 0, m_imageRect.width(), m_imageRect.height());
    return mapToScene(QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}));
}

QRectF QPictureLayerItem::GetPosRect()
{
    return SceneCorners().boundingRect();
}

QRectF QPictureLayerItem::ImageRect() const
{
    return QRectF(m_imageRect);
}

QRectF QPictureLayerItem::boundingRect() const
{
    QRectF r = ImageRect();
    if (m_shadowOn) {
        if (m_shadowDx < 0)
            r.setLeft(r.left() + m_shadowDx);
        else
            r.setRight(r.right() + m_shadowDx);
        if (m_shadowDy < 0)
            r.setTop(r.top() + m_shadowDy);
        else
            r.setBottom(r.bottom() + m_shadowDy);
    }
    return r;
}

void QPictureLayerItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    painter->save();
    ++m_paintCount;
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF r = ImageRect();
    if (!m_Layer.Image.isNull())
        painter->drawImage(r, m_Layer.Image);
    if (option && (option->state & QStyle::State_Selected)) {
        const QTransform t = painter->worldTransform();
        const QRectF unit = t.mapRect(QRectF(0, 0, 1, 1));
        const QRectF mapped = t.mapRect(r);
        if (qMax(unit.width(), unit.height()) > 1e-12 && mapped.width() >= 1 && mapped.height() >= 1) {
            const QRectF outline = r.adjusted(-0.5, -0.5, 0.5, 0.5);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(Qt::white, 0, Qt::SolidLine));
            painter->drawRect(outline);
            painter->setPen(QPen(QColor(29, 159, 228), 0, Qt::DashLine));
            painter->drawRect(outline);
        }
    }
    painter->restore();
}

void QPictureLayerItem::refreshImage(QRect rect)
{
    update(rect.x() - 2, rect.y() - 2, rect.width() + 4, rect.height() + 4);
}

void QPictureLayerItem::slotRotated(qreal angle, qreal before)
{
    if (m_Layer.Lock || !std::isfinite(angle) || !std::isfinite(before))
        return;
    m_angle = angle;
    m_angleBefore = before;
    m_rotatePending = true;
    m_operation = OpRotating;
}

void QPictureLayerItem::slotResized(qreal sx, qreal sy)
{
    // Negative factors (a drag past the origin) freeze the size; factors
    // that are not finite come from a press on the origin itself.
    if (m_Layer.Lock || !std::isfinite(sx) || !std::isfinite(sy) || sx < 0 || sy < 0)
        return;
    m_scaleX = sx;
    m_scaleY = sy;
    m_resizePending = true;
}

void QPictureLayerItem::slotResize()
{
    if (m_Layer.Lock)
        return;
    m_resizeFinished = true;
    m_operation = OpResized;
}

void QPictureLayerItem::canvasResize()
{
    prepareGeometryChange();
}

void QPictureLayerItem::slotRedraw()
{
    if (m_repaintPending) {
        m_repaintPending = false;
        update();
    }
    ApplyPendingResize();
    if (m_rotatePending) {
        m_rotatePending = false;
        SetOriginKeepingPosition(boundingRect().center());
        setRotation(m_angle);
        updatehandles();
    }
}

QVariant QPictureLayerItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionHasChanged && scene()) {
        m_moved = true;
    } else if (change == ItemSelectedHasChanged) {
        if (parentItem() && qgraphicsitem_cast<QGraphicsItemGroup*>(parentItem())) {
            setSelected(false);
            return false;
        }
        setState(value.toBool() ? 2 : 0);
    }
    return QWatermarkBase::itemChange(change, value);
}
