#include "CropWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
const int kHandle = 16;
const int kHalf = kHandle / 2;
} // namespace

CropWnd::CropWnd(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &CropWnd::OnUpdateUI);
    m_timer.start();
}

void CropWnd::SetImage(const QImage& frame, const ST_CROP_THICK& given)
{
    m_frame = frame;
    m_frameWidth = frame.width();
    m_frameHeight = frame.height();
    m_given = given;
    m_display = FrameRect();
    m_repaintPending = true;
}

void CropWnd::SetRatio(float ratio)
{
    if (std::isfinite(ratio) && ratio > 0.0f)
        m_ratio = ratio;
}

QRectF CropWnd::Fit(double width, double height, const QRectF& area)
{
    const double W = area.width() - 1.0;
    const double H = area.height() - 1.0;
    if (!(width > 0.0) || !(height > 0.0) || !(W > 0.0) || !(H > 0.0) || !std::isfinite(width)
        || !std::isfinite(height))
        return QRectF();
    double w = std::trunc(width);
    double h = std::trunc(height);
    if (width > W || height > H) {
        const double s = qMin(W / width, H / height);
        w = qMax(1.0, std::trunc(width * s));
        h = qMax(1.0, std::trunc(height * s));
    }
    const double left = area.left() + static_cast<long long>(W - w) / 2;
    const double top = area.top() + static_cast<long long>(H - h) / 2;
    return QRectF(left, top, w + 1.0, h + 1.0);
}

QRectF CropWnd::FrameRect() const
{
    if (m_frame.isNull())
        return QRectF();
    return Fit(m_frameWidth, m_frameHeight, QRectF(rect()));
}

void CropWnd::EmitCrop(bool changed)
{
    const QRectF& D = m_display;
    if (D.width() < 1.0 || D.height() < 1.0)
        return;
    ST_CROP_THICK crop;
    crop.left = (m_crop.x() - D.x()) / D.width();
    crop.top = (m_crop.y() - D.y()) / D.height();
    crop.right = (D.x() + D.width() - (m_crop.x() + m_crop.width())) / D.width();
    crop.bottom = (D.y() + D.height() - (m_crop.y() + m_crop.height())) / D.height();
    crop.changed = changed;
    emit sigCrop(crop);
}

void CropWnd::OnCrop()
{
    EmitCrop(m_given.changed);
}

void CropWnd::OnResizeCrop()
{
    const QRectF F = FrameRect();
    m_display = F;
    if (F.isEmpty()) {
        m_crop = QRectF();
        return;
    }
    if (m_given.changed) {
        // The margins as the release computed them, so reopening the dialog
        // shows the same rectangle.
        const double x = m_given.left * F.width() + F.left();
        const double y = m_given.top * F.height() + F.top();
        const double width = F.right() - F.width() * m_given.right - x;
        const double height = F.bottom() - F.height() * m_given.bottom - y;
        if (width > 0.0 && height > 0.0 && std::isfinite(width) && std::isfinite(height)) {
            m_crop = QRectF(x, y, width, height);
            return;
        }
    }
    WholeFrame(F);
}

void CropWnd::WholeFrame(const QRectF& F)
{
    // The frame's own rectangle: fitting the frame once more into it can lose
    // a pixel to truncation, and that pixel would come back as a margin the
    // user never drew.
    m_crop = F;
}

void CropWnd::Reset()
{
    const QRectF F = FrameRect();
    m_display = F;
    WholeFrame(F);
    m_given = ST_CROP_THICK();
    emit sigCrop(m_given);
    m_repaintPending = true;
}

void CropWnd::ResetRatio()
{
    const QRectF F = FrameRect();
    m_display = F;
    const float L = static_cast<float>(qMax(m_frameWidth, m_frameHeight));
    m_crop = Fit(std::trunc(L), std::trunc(L / m_ratio), F);
    m_given.changed = true;
    EmitCrop(true);
    m_repaintPending = true;
}

void CropWnd::OnUpdateUI()
{
    if (m_repaintPending) {
        m_repaintPending = false;
        update();
    }
}

int CropWnd::TrackerHitTestHandles(const QPoint& point) const
{
    for (int i = 0; i < 4; ++i)
        if (m_handles[i].contains(point))
            return i;
    return m_crop.contains(point) ? 4 : -1;
}

void CropWnd::UpdateHandles()
{
    const double x = m_crop.x(), y = m_crop.y(), w = m_crop.width(), h = m_crop.height();
    const QPointF corners[4] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    for (int i = 0; i < 4; ++i)
        m_handles[i] = QRect(static_cast<int>(corners[i].x() - kHalf), static_cast<int>(corners[i].y() - kHalf),
                             kHandle, kHandle);
}

void CropWnd::DrawTracker(QPainter* painter)
{
    QPen halo(QColor(255, 255, 255, 120), 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    halo.setCosmetic(true);
    QPen line(QColor(29, 159, 228), 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    line.setCosmetic(true);

    UpdateHandles();
    const double x = m_crop.x(), y = m_crop.y(), w = m_crop.width(), h = m_crop.height();
    QPainterPath path;
    for (const QRect& handle : m_handles)
        path.addEllipse(QRectF(handle));
    path.moveTo(x + kHalf, y);
    path.lineTo(x + w - kHalf, y);
    path.moveTo(x + w, y + kHalf);
    path.lineTo(x + w, y + h - kHalf);
    path.moveTo(x + kHalf, y + h);
    path.lineTo(x + w - kHalf, y + h);
    path.moveTo(x, y + kHalf);
    path.lineTo(x, y + h - kHalf);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(halo);
    painter->drawPath(path);
    painter->setPen(line);
    painter->drawPath(path);
}

void CropWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    if (m_frame.isNull())
        return;
    m_display = FrameRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(m_display, m_frame);
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawTracker(&painter);
}

void CropWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Laid out once, at the first layout; later resizes keep the rectangle.
    if (m_crop.width() == 0.0) {
        OnResizeCrop();
        m_repaintPending = true;
    }
}

void CropWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    UpdateHandles();
    m_dragging = true;
    m_pressPoint = event->localPos().toPoint();
    m_handle = TrackerHitTestHandles(m_pressPoint);
    m_pressRect = m_crop;
}

void CropWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->localPos().toPoint();
    UpdateHandles();
    switch (TrackerHitTestHandles(point)) {
    case 0:
    case 2:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case 1:
    case 3:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case 4:
        setCursor(Qt::PointingHandCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
    if (m_dragging)
        Drag(point);
    m_repaintPending = true;
}

void CropWnd::Drag(const QPoint& point)
{
    m_given.changed = true;
    const QRectF& D = m_display;
    const QRectF& P = m_pressRect;
    double dx = point.x() - m_pressPoint.x();
    double dy = point.y() - m_pressPoint.y();
    const bool free = m_free;
    QRectF next;
    QPointF corner;
    switch (m_handle) {
    case 0: {
        const double left = P.x() + dx;
        const double width = P.right() - left;
        const double top = free ? P.y() + dy : P.bottom() - width / m_ratio;
        next = QRectF(left, top, width, P.bottom() - top);
        corner = next.topLeft();
        break;
    }
    case 1: {
        const double width = P.right() + dx - P.left();
        const double top = free ? P.y() + dy : P.bottom() - width / m_ratio;
        next = QRectF(P.left(), top, width, P.bottom() - top);
        corner = QPointF(P.left() + width, top);
        break;
    }
    case 2: {
        const double width = P.right() + dx - P.left();
        const double bottom = free ? P.bottom() + dy : P.y() + width / m_ratio;
        next = QRectF(P.left(), P.top(), width, bottom - P.top());
        corner = QPointF(P.left() + width, bottom);
        break;
    }
    case 3: {
        const double left = P.x() + dx;
        const double width = P.right() - left;
        const double bottom = free ? P.bottom() + dy : P.y() + width / m_ratio;
        next = QRectF(left, P.top(), width, bottom - P.top());
        corner = QPointF(left, bottom);
        break;
    }
    case 4: {
        if (P.left() + dx < D.left())
            dx = std::trunc(D.left() - P.left());
        if (P.top() + dy < D.top())
            dy = std::trunc(D.top() - P.top());
        if (P.right() + dx > D.right())
            dx = std::trunc(D.right() - P.right());
        if (P.bottom() + dy > D.bottom())
            dy = std::trunc(D.bottom() - P.bottom());
        const QRectF moved = P.translated(dx, dy);
        if (D.contains(moved.topLeft()) && D.contains(moved.topRight()) && D.contains(moved.bottomLeft())
            && D.contains(moved.bottomRight()))
            m_crop = moved;
        return;
    }
    default:
        return;
    }
    // A step that turns the rectangle inside out or carries its corner off
    // the picture is ignored; the drag goes on.
    if (next.width() > 0.0 && next.height() > 0.0 && D.contains(corner))
        m_crop = next;
}

void CropWnd::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
    EmitCrop(m_given.changed);
}
