#pragma once
#include "TimelineCoordinate.h"
#include "TimelineViewBase.h"
#include "TimelineViewMouseEvent.h"

class QDragLeaveEvent;

// The track area of the timeline: tracks of fixed height, and mouse and
// drag events handed on in timeline terms.
class TimelineView : public TimelineViewBase
{
    Q_OBJECT
public:
    TimelineView(Qt::Alignment alignment, QWidget* parent = nullptr);

    int GetTrackY(int track) const;
    int GetTrackHeight(int track) const;
    int SceneToTrack(double y) const;
    int ConnectedTrackType() const { return -1; }

    TimelineCoordinate ScreenToCoordinate(const QPoint& pt) const;
    TimelineCoordinate SceneToCoordinate(const QPointF& pt) const;
    TimelineViewMouseEvent CreateMouseEvent(const QPoint& pos, Qt::KeyboardModifiers modifiers) const;

    QPoint GetScrollCoordinates() const;
    void SetScrollCoordinates(const QPoint& pt);
    void UserSetTime(const int64_t& time);
    void SelectAll();
    void DeselectAll();

signals:
    void MousePressed(TimelineViewMouseEvent* event);
    void MouseMoved(TimelineViewMouseEvent* event);
    void MouseReleased(TimelineViewMouseEvent* event);
    void MouseDoubleClicked(TimelineViewMouseEvent* event);
    void DragEntered(TimelineViewMouseEvent* event);
    void DragMoved(TimelineViewMouseEvent* event);
    void DragLeft(QDragLeaveEvent* event);
    void DragDropped(TimelineViewMouseEvent* event);
    void SelectionChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    static const int kTrackHeight = 50;
};
