#include "TimelineViewBase.h"

#include "TimelineViewEndItem.h"
#include "Timecode.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

const double TimelineViewBase::kMaximumScale = 8192.0;

namespace {
bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

// The same mouse event as if the left button did it.
QMouseEvent AsLeftButton(const QMouseEvent* event)
{
    return QMouseEvent(event->type(), event->localPos(), event->windowPos(), event->screenPos(), Qt::LeftButton,
                       Qt::LeftButton, event->modifiers());
}
}

TimelineViewBase::TimelineViewBase(QWidget* parent)
    : QGraphicsView(parent)
{
    setScene(&scene_);
    endItem_ = new TimelineViewEndItem();
    // The panel hands its scale to every item; the end item stays within the
    // view's own range, as the view does.
    endItem_->SetMaximumScale(kMaximumScale);
    scene_.addItem(endItem_);
    playheadStyle_.SetPlayheadColor(QColor(141, 198, 63));
    playheadStyle_.SetPlayheadHighlightColor(QColor(141, 198, 63, 0));
    SetScale(1.0);
    SetDefaultDragMode(QGraphicsView::NoDrag);
    connect(&scene_, &QGraphicsScene::changed, this, &TimelineViewBase::UpdateSceneRect);
    SetMaximumScale(kMaximumScale);
}

TimelineViewBase::~TimelineViewBase()
{
    // A cleared scene no longer owns the end item.
    if (!endItem_->scene())
        delete endItem_;
}

rational TimelineViewBase::GetPlayheadTime() const
{
    return Timecode::timestamp_to_time(playhead_, timebase());
}

double TimelineViewBase::GetPlayheadX() const
{
    return TimeToScene(GetPlayheadTime());
}

void TimelineViewBase::SetDefaultDragMode(QGraphicsView::DragMode mode)
{
    defaultDragMode_ = mode;
    setDragMode(mode);
}

void TimelineViewBase::SetEndTime(const rational& time)
{
    endItem_->SetEndTime(time);
}

void TimelineViewBase::SetLimitYAxis(bool limit)
{
    limitYAxis_ = limit;
    UpdateSceneRect();
}

void TimelineViewBase::SetTime(const int64_t& time)
{
    playhead_ = time;
    PageScrollToPlayhead();
    viewport()->update();
}

void TimelineViewBase::UpdateSceneRect()
{
    QRectF r = scene_.itemsBoundingRect();
    if (limitYAxis_) {
        const double minimumHeight = horizontalScrollBar()->geometry().top() - 2;
        if (alignment() & Qt::AlignBottom) {
            r.setTop(r.top() - height() / 2);
            r.setBottom(0);
            if (r.height() < minimumHeight)
                r.setTop(-minimumHeight);
        } else {
            r.setBottom(r.bottom() + height() / 2);
            r.setTop(0);
            if (r.height() < minimumHeight)
                r.setHeight(minimumHeight);
        }
    }
    r.setLeft(0);
    endItem_->SetEndPadding(width() / 2);
    const QRectF current = sceneRect();
    if (Near(current.x(), r.x()) && Near(current.y(), r.y()) && Near(current.width(), r.width())
        && Near(current.height(), r.height()))
        return;
    setSceneRect(r);
}

void TimelineViewBase::PageScrollToPlayhead()
{
    const long long x = ClampToInt(std::floor(GetPlayheadX() + 0.5));
    const long long vw = viewport()->width();
    const long long margin = vw / 16;
    QScrollBar* bar = horizontalScrollBar();
    const long long v = bar->value();
    if (x < v)
        bar->setValue(ClampToInt(double(x + margin - vw)));
    else if (x > v + vw)
        bar->setValue(ClampToInt(double(x - margin)));
}

void TimelineViewBase::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    UpdateSceneRect();
}

void TimelineViewBase::drawForeground(QPainter* painter, const QRectF& rect)
{
    QGraphicsView::drawForeground(painter, rect);
    if (timebase().isNull())
        return;
    const double w = TimeToScene(timebase());
    const double x = GetPlayheadX();
    playheadLeft_ = x;
    playheadRight_ = x + w;
    // Only what lies in the exposed part is drawn, however far off the
    // playhead is.
    if (x + w < rect.left() || x > rect.right())
        return;
    playheadStyle_.Draw(painter, QRectF(x, rect.top(), w, rect.height()));
}

void TimelineViewBase::ScaleChangedEvent(const double& scale)
{
    endItem_->SetScale(scale);
    viewport()->update();
}

void TimelineViewBase::TimebaseChangedEvent(const rational&)
{
    viewport()->update();
}

bool TimelineViewBase::PlayheadPress(QMouseEvent* event)
{
    const QPointF scenePos = mapToScene(event->pos());
    draggingPlayhead_ = scenePos.x() >= playheadLeft_ && scenePos.x() < playheadRight_;
    return draggingPlayhead_;
}

bool TimelineViewBase::PlayheadMove(QMouseEvent* event)
{
    if (!draggingPlayhead_)
        return false;
    const QPointF scenePos = mapToScene(event->pos());
    const int64_t time = std::max<long long>(0, Timecode::time_to_timestamp(SceneToTime(scenePos.x()), timebase()));
    playhead_ = time;
    PageScrollToPlayhead();
    viewport()->update();
    emit TimeChanged(time);
    return true;
}

bool TimelineViewBase::PlayheadRelease(QMouseEvent*)
{
    if (!draggingPlayhead_)
        return false;
    draggingPlayhead_ = false;
    return true;
}

bool TimelineViewBase::HandPress(QMouseEvent* event)
{
    if (event->button() != Qt::MiddleButton)
        return false;
    dragModeBeforeHand_ = dragMode();
    setDragMode(QGraphicsView::ScrollHandDrag);
    handDragging_ = true;
    QMouseEvent left = AsLeftButton(event);
    QGraphicsView::mousePressEvent(&left);
    return true;
}

bool TimelineViewBase::HandMove(QMouseEvent* event)
{
    if (!handDragging_)
        return false;
    QMouseEvent left = AsLeftButton(event);
    QGraphicsView::mouseMoveEvent(&left);
    return true;
}

bool TimelineViewBase::HandRelease(QMouseEvent* event)
{
    if (!handDragging_)
        return false;
    QMouseEvent left = AsLeftButton(event);
    QGraphicsView::mouseReleaseEvent(&left);
    setDragMode(dragModeBeforeHand_);
    handDragging_ = false;
    return true;
}

bool TimelineViewBase::HandleZoomFromScroll(QWheelEvent* event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0)
        return false;
    emit ScaleChanged(delta < 0 ? GetScale() * 0.5 : GetScale() * 2.0);
    return true;
}

bool TimelineViewBase::WheelEventIsAZoomEvent(QWheelEvent*) const
{
    return true;
}
