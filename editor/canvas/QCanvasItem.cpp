#include "QCanvasItem.h"

#include "FilterText.h"

#include <QPainter>
#include <QTimer>
#include <QTransform>
#include <cmath>

namespace {

double Fraction(double value)
{
    if (!(value > 0.0))   // NaN and negatives
        return 0.0;
    return value < 1.0 ? value : 1.0;
}

} // namespace

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

QRect QCanvasItem::CropRect(const QSize& size, double left, double top, double right, double bottom)
{
    const int width = size.width();
    const int height = size.height();
    if (width <= 0 || height <= 0)
        return QRect();
    left = Fraction(left);
    top = Fraction(top);
    right = Fraction(right);
    bottom = Fraction(bottom);
    int cw = FilterText::Trunc((1.0 - left - right) * width);
    int ch = FilterText::Trunc((1.0 - top - bottom) * height);
    // The encoders want even sizes: lower an odd one, never past the frame,
    // and keep at least one pixel pair; the filter graph crops the same way.
    cw = qBound(qMin(2, width), cw - (cw % 2), width - (width % 2));
    ch = qBound(qMin(2, height), ch - (ch % 2), height - (height % 2));
    const int cx = qMin(FilterText::Trunc(left * width), width - cw);
    const int cy = qMin(FilterText::Trunc(top * height), height - ch);
    return QRect(cx, cy, cw, ch);
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
            const QRect keep = CropRect(frame.size(), m_Layer.CropLeft, m_Layer.CropTop, m_Layer.CropRight,
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
