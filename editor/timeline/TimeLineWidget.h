#pragma once
#include "TimelineCoordinate.h"
#include "TimelineScaledObject.h"

#include <cstdint>

class ResizableScrollBar;
class TimeRuler;
class TimelineView;

// The timeline panel: a time ruler, a track view and a scroll bar sharing
// one timebase and one scale, kept in step with each other.
class TimeLineWidget : public TimelineScaledWidget
{
    Q_OBJECT
public:
    explicit TimeLineWidget(QWidget* parent = nullptr);

    TimeRuler* ruler() const { return ruler_; }
    TimelineView* view() const { return view_; }
    ResizableScrollBar* scrollbar() const { return scrollbar_; }
    const rational& timeline_length() const { return timelineLength_; }

    int GetTrackY(const TrackReference& track) const;
    int GetTrackHeight(const TrackReference& track) const;
    // start and end in microseconds, taken in whole seconds.
    void AddBlock(qint64 start, qint64 end);
    void AddBlock(Block block, TrackReference track);
    // Takes every block off the view and deletes it.
    void Clear();

public slots:
    void SetScale(double scale);
    void CenterScrollOnPlayhead();
    void UpdateMaximumScroll();
    void ScrollBarResized(double factor);

signals:
    void TimeChanged(const int64_t& time);
    void TimebaseChanged(const rational& timebase);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void TimebaseChangedEvent(const rational& timebase) override;
    void ScaleChangedEvent(const double& scale) override;

private:
    rational timelineLength_{0, 0};
    TimeRuler* ruler_;
    TimelineView* view_;
    ResizableScrollBar* scrollbar_;
};
