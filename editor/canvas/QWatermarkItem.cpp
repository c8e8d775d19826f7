#include "QWatermarkItem.h"

#include "FilterText.h"

#include <QCursor>
#include <QDebug>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QPainter>
#include <QPolygonF>
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

QWatermarkItem::QWatermarkItem(QGraphicsScene* scene, QGraphicsItem* parent)
    : QWatermarkBase(parent)
{
    setCursor(Qt::SizeAllCursor);
    setObjectName(QStringLiteral("QWatermarkItem"));
    UpdateShadow();
    if (scene)
        m_canvasRect = scene->sceneRect();
}

void QWatermarkItem::Init()
{
    const int w = m_Layer.Image.width();
    const int h = m_Layer.Image.height();
    m_imageRect = QRect(0, 0, w, h);
    m_Layer.Width = w;
    m_Layer.Height = h;
    if (m_handles.isEmpty())
        CreateHandles();
    setFlags(QGraphicsItem::ItemUsesExtendedStyleOption | QGraphicsItem::ItemIsMovable
             | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    updatehandles();
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &QWatermarkItem::slotRedraw);
        m_timer->start(40);
    }
}

void QWatermarkItem::Rotate(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    m_angle = degrees;
    SetOriginKeepingPosition(boundingRect().center());
    setRotation(degrees);
    updatehandles();
}

void QWatermarkItem::Resize(double width, double height)
{
    if (width < 0 || height < 0)
        return;
    SetOriginKeepingPosition(boundingRect().topLeft());
    SetSize(width, height);
}

void QWatermarkItem::SetSize(double width, double height)
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
    m_kx = float(m_Layer.Image.width()) / float(w);
    m_ky = float(m_Layer.Image.height()) / float(h);
    updatehandles();
}

void QWatermarkItem::ItemUpdate()
{
    m_repaintPending = true;
}

void QWatermarkItem::UpdateRectFromImage()
{
    prepareGeometryChange();
    const double kx = (std::isfinite(m_kx) && m_kx > 0) ? double(m_kx) : 1.0;
    const double ky = (std::isfinite(m_ky) && m_ky > 0) ? double(m_ky) : 1.0;
    m_imageRect = QRect(0, 0, FilterText::Trunc(m_Layer.Image.width() / kx),
                        FilterText::Trunc(m_Layer.Image.height() / ky));
    updatehandles();
}

QRectF QWatermarkItem::GetPosRect()
{
    const QRectF r(0, 0, m_imageRect.width(), m_imageRect.height());
    const QPolygonF corners = mapToScene(QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}));
    qDebug() << "GetPosRect" << corners;
    return corners.boundingRect();
}

QRectF QWatermarkItem::ImageRect() const
{
    return QRectF(m_imageRect);
}

QRectF QWatermarkItem::boundingRect() const
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

void QWatermarkItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
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

void QWatermarkItem::refreshImage(QRect rect)
{
    update(rect.x() - 2, rect.y() - 2, rect.width() + 4, rect.height() + 4);
}

void QWatermarkItem::slotPressed()
{
    if (m_Layer.Lock)
        return;
    m_imageRectAtPress = m_imageRect;
    if (m_Layer.Type == 3)
        m_fontPixelSizeAtPress = m_Layer.WordArt.Font.pixelSize();
}

void QWatermarkItem::slotRotated(qreal angle, qreal before)
{
    if (m_Layer.Lock || !std::isfinite(angle) || !std::isfinite(before))
        return;
    m_angle = angle;
    m_angleBefore = before;
    m_rotatePending = true;
    m_operation = OpRotating;
}

void QWatermarkItem::slotResized(qreal sx, qreal sy)
{
    // Negative factors (a drag past the origin) freeze the size; factors
    // that are not finite come from a press on the origin itself.
    if (m_Layer.Lock || !std::isfinite(sx) || !std::isfinite(sy) || sx < 0 || sy < 0)
        return;
    m_scaleX = sx;
    m_scaleY = sy;
    m_resizePending = true;
}

void QWatermarkItem::slotResize()
{
    if (m_Layer.Lock)
        return;
    m_resizeFinished = true;
    m_operation = OpResized;
}

void QWatermarkItem::canvasResize()
{
    prepareGeometryChange();
}

void QWatermarkItem::slotRedraw()
{
    if (m_repaintPending) {
        m_repaintPending = false;
        update();
    }
    if (m_resizePending) {
        m_resizePending = false;
        SetOriginKeepingPosition(boundingRect().topLeft());
        double w = std::round(m_imageRectAtPress.width() * m_scaleX);
        double h = std::round(m_imageRectAtPress.height() * m_scaleY);
        if (w == 0)
            w = 1;
        if (h == 0)
            h = 1;
        SetSize(w, h);
    }
    if (m_resizeFinished)
        m_resizeFinished = false;
    if (m_rotatePending) {
        m_rotatePending = false;
        SetOriginKeepingPosition(boundingRect().center());
        setRotation(m_angle);
        updatehandles();
    }
}

QVariant QWatermarkItem::itemChange(GraphicsItemChange change, const QVariant& value)
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
