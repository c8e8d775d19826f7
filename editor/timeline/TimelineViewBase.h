#pragma once
#include "TimelinePlayhead.h"
#include "TimelineScaledObject.h"

#include <QGraphicsScene>
#include <QGraphicsView>

#include <cstdint>

class TimelineViewEndItem;

// A graphics view of timeline items with a playhead over the scene: page-wise
// scrolling that keeps the playhead in sight, playhead dragging, hand
// scrolling with the middle button and zoom requests from the wheel.
class TimelineViewBase : public QGraphicsView, public TimelineScaledObject
{
    Q_OBJECT
public:
    static const double kMaximumScale;

    explicit TimelineViewBase(QWidget* parent = nullptr);
    ~TimelineViewBase() override;

    // In timeline units; the time in seconds; its scene x.
    const int64_t& GetPlayheadUnits() const { return playhead_; }
    rational GetPlayheadTime() const;
    double GetPlayheadX() const;

    void SetDefaultDragMode(QGraphicsView::DragMode mode);
    QGraphicsView::DragMode GetDefaultDragMode() const { return defaultDragMode_; }
    void SetEndTime(const rational& time);
    void SetLimitYAxis(bool limit);
    TimelineViewEndItem* EndItem() const { return endItem_; }

public slots:
    void SetTime(const int64_t& time);
    void UpdateSceneRect();
    void PageScrollToPlayhead();

signals:
    void TimeChanged(const int64_t& time);
    void ScaleChanged(double scale);
    void RequestCenterScrollOnPlayhead();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void ScaleChangedEvent(const double& scale) override;
    void TimebaseChangedEvent(const rational& timebase) override;

    bool PlayheadPress(QMouseEvent* event);
    bool PlayheadMove(QMouseEvent* event);
    bool PlayheadRelease(QMouseEvent* event);
    bool HandPress(QMouseEvent* event);
    bool HandMove(QMouseEvent* event);
    bool HandRelease(QMouseEvent* event);
    bool HandleZoomFromScroll(QWheelEvent* event);
    bool WheelEventIsAZoomEvent(QWheelEvent* event) const;

private:
    int64_t playhead_ = 0;
    TimelinePlayhead playheadStyle_;
    double playheadLeft_ = -1.0;
    double playheadRight_ = -1.0;
    bool draggingPlayhead_ = false;
    bool handDragging_ = false;
    QGraphicsView::DragMode dragModeBeforeHand_ = QGraphicsView::NoDrag;
    TimelineViewEndItem* endItem_ = nullptr;
    QGraphicsScene scene_;
    bool limitYAxis_ = false;
    QGraphicsView::DragMode defaultDragMode_ = QGraphicsView::NoDrag;
};
