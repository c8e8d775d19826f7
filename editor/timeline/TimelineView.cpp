#include "TimelineView.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QGraphicsItem>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

TimelineView::TimelineView(Qt::Alignment alignment, QWidget* parent)
    : TimelineViewBase(parent)
{
    setAlignment(alignment | Qt::AlignLeft);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackgroundRole(QPalette::Window);
    setContextMenuPolicy(Qt::CustomContextMenu);
    SetLimitYAxis(true);
    viewport()->setMouseTracking(true);
    connect(scene(), &QGraphicsScene::selectionChanged, this, &TimelineView::SelectionChanged);
}

int TimelineView::GetTrackY(int track) const
{
    const bool bottom = alignment() & Qt::AlignBottom;
    const int t = track + (bottom ? 1 : 0);
    const int y = t < 1 ? 0 : (kTrackHeight + 1) * t;
    return bottom ? 1 - y : y;
}

int TimelineView::GetTrackHeight(int) const
{
    return kTrackHeight;
}

int TimelineView::SceneToTrack(double y) const
{
    if (alignment() & Qt::AlignBottom)
        y = -y;
    // The smallest track k with y <= 50 (k + 1).
    return std::max(0, ClampToInt(std::ceil(y / kTrackHeight) - 1));
}

TimelineCoordinate TimelineView::ScreenToCoordinate(const QPoint& pt) const
{
    return SceneToCoordinate(mapToScene(pt));
}

TimelineCoordinate TimelineView::SceneToCoordinate(const QPointF& pt) const
{
    return TimelineCoordinate(SceneToTime(pt.x()), Timeline::kTrackTypeNone, SceneToTrack(pt.y()));
}

TimelineViewMouseEvent TimelineView::CreateMouseEvent(const QPoint& pos, Qt::KeyboardModifiers modifiers) const
{
    const QPointF scenePos = mapToScene(pos);
    return TimelineViewMouseEvent(scenePos.x(), GetScale(), timebase(),
                                  TrackReference(Timeline::kTrackTypeNone, SceneToTrack(scenePos.y())), modifiers);
}

QPoint TimelineView::GetScrollCoordinates() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void TimelineView::SetScrollCoordinates(const QPoint& pt)
{
    horizontalScrollBar()->setValue(pt.x());
    verticalScrollBar()->setValue(pt.y());
}

void TimelineView::UserSetTime(const int64_t& time)
{
    SetTime(time);
    emit TimeChanged(time);
}

void TimelineView::SelectAll()
{
    const QList<QGraphicsItem*> all = items();
    for (QGraphicsItem* item : all)
        item->setSelected(true);
}

void TimelineView::DeselectAll()
{
    const QList<QGraphicsItem*> all = items();
    for (QGraphicsItem* item : all)
        item->setSelected(false);
}

void TimelineView::mousePressEvent(QMouseEvent* event)
{
    if (HandPress(event) || PlayheadPress(event))
        return;
    if (dragMode() != GetDefaultDragMode()) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->modifiers());
    emit MousePressed(&timelineEvent);
}

void TimelineView::mouseMoveEvent(QMouseEvent* event)
{
    if (HandMove(event) || PlayheadMove(event))
        return;
    if (dragMode() != GetDefaultDragMode()) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->modifiers());
    emit MouseMoved(&timelineEvent);
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event)
{
    if (HandRelease(event) || PlayheadRelease(event))
        return;
    if (dragMode() != GetDefaultDragMode()) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->modifiers());
    emit MouseReleased(&timelineEvent);
}

void TimelineView::mouseDoubleClickEvent(QMouseEvent* event)
{
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->modifiers());
    emit MouseDoubleClicked(&timelineEvent);
}

void TimelineView::wheelEvent(QWheelEvent* event)
{
    qDebug() << "TimelineView::wheelEvent" << GetScale() << timebase();
    if (WheelEventIsAZoomEvent(event))
        HandleZoomFromScroll(event);
}

void TimelineView::dragEnterEvent(QDragEnterEvent* event)
{
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->keyboardModifiers());
    timelineEvent.SetMimeData(event->mimeData());
    timelineEvent.SetEvent(event);
    emit DragEntered(&timelineEvent);
}

void TimelineView::dragMoveEvent(QDragMoveEvent* event)
{
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->keyboardModifiers());
    timelineEvent.SetMimeData(event->mimeData());
    timelineEvent.SetEvent(event);
    emit DragMoved(&timelineEvent);
}

void TimelineView::dragLeaveEvent(QDragLeaveEvent* event)
{
    emit DragLeft(event);
}

void TimelineView::dropEvent(QDropEvent* event)
{
    TimelineViewMouseEvent timelineEvent = CreateMouseEvent(event->pos(), event->keyboardModifiers());
    timelineEvent.SetMimeData(event->mimeData());
    timelineEvent.SetEvent(event);
    emit DragDropped(&timelineEvent);
}

void TimelineView::drawBackground(QPainter* painter, const QRectF&)
{
    painter->setPen(palette().base().color());
}
