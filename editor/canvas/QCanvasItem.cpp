#include "QCanvasItem.h"

#include "ST_CROP_THICK.h"

#include <QPainter>
#include <QTimer>
#include <QTransform>
#include <cmath>

QCanvasItem::QCanvasItem(QGraphicsScene*, QGraphicsItem* parent)
    : QWatermarkBase(parent)
{
    m_Layer.Type = 0;
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &QCanvasItem::slotRedraw);
    m_timer->start(40);
}

void QCanvasItem::Rotate(double)
{
    prepareGeometryChange();
    m_bounds = QRectF(0, 0, m_Layer.Image.width(), m_Layer.Image.height());
}

void QCanvasItem::SetSize(double width, double height)
{
    if (!std::isfinite(width) || !std::isfinite(height) || width < 0 || height < 0)
        return;
    prepareGeometryChange();
    m_bounds = QRectF(0, 0, width, height);
}

void QCanvasItem::ItemUpdate()
{
    QImage frame = m_Layer.Image;
    if (!frame.isNull()) {
        if (m_Layer.FlipHorizontal || m_Layer.FlipVertical)
            frame = frame.mirrored(m_Layer.FlipHorizontal, m_Layer.FlipVertical);
        if (m_Layer.Rotation == 1)
            frame = frame.transformed(QTransform().rotate(90));
        else if (m_Layer.Rotation == 2)
            frame = frame.transformed(QTransform().rotate(-90));
        if (m_Layer.CropOn) {
            const QRect keep = CropKeptRect(frame.size(), m_Layer.CropLeft, m_Layer.CropTop, m_Layer.CropRight,
                                            m_Layer.CropBottom);
            frame = keep.isEmpty() ? QImage() : frame.copy(keep);
        }
    }
    m_frame = frame;
    m_Layer.Width = m_frame.width();
    m_Layer.Height = m_frame.height();
    prepareGeometryChange();
    m_bounds = QRectF(0, 0, m_frame.width(), m_frame.height());
    m_repaintPending = true;
}

QRectF QCanvasItem::boundingRect() const
{
    return m_bounds;
}

void QCanvasItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    if (!m_frame.isNull())
        painter->drawImage(QPointF(0, 0), m_frame);
}

void QCanvasItem::refreshImage(QRect rect)
{
    update(rect.x() - 2, rect.y() - 2, rect.width() + 4, rect.height() + 4);
}

void QCanvasItem::canvasResize()
{
    prepareGeometryChange();
}

void QCanvasItem::slotRedraw()
{
    if (m_repaintPending) {
        m_repaintPending = false;
        update();
    }
}
