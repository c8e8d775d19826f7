#pragma once
#include "TimelinePlayhead.h"
#include "TimelineScaledObject.h"

#include <cstdint>

class TimelinePoints;

// Base of the timeline's seekable strips: knows the current time and the
// scroll shared with the track view, seeks on clicks and drags, and draws
// the work area, the markers and the playhead shape.
class SeekableWidget : public TimelineScaledWidget
{
    Q_OBJECT
public:
    explicit SeekableWidget(QWidget* parent = nullptr);

    void ConnectTimelinePoints(TimelinePoints* points);
    TimelinePoints* timeline_points() const { return points_; }

    const int64_t& GetTime() const { return time_; }
    int GetScroll() const { return scroll_; }
    void SeekToScreenPoint(int x);

    // x is a widget x, unit a time in timeline units. Positions are clamped
    // to int and units to 64 bits, so no scale can overflow them.
    double ScreenToUnitFloat(int x) const;
    int64_t ScreenToUnit(int x) const;
    int64_t ScreenToUnitRounded(int x) const;
    int UnitToScreen(int64_t unit) const;
    int TimeToScreen(const rational& time) const;

public slots:
    void SetTime(const int64_t& time);
    void SetScroll(int scroll);

signals:
    void TimeChanged(const int64_t& time);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void ScaleChangedEvent(const double& scale) override;

    void DrawTimelinePoints(QPainter* painter, int bottom);
    void DrawPlayhead(QPainter* painter, int x, int y);

    int text_height() const { return textHeight_; }
    int playhead_width() const { return playheadWidth_; }
    const TimelinePlayhead& playhead() const { return playhead_; }

private:
    void SeekToX(int x);

    int64_t time_ = 0;
    TimelinePlayhead playhead_;
    TimelinePoints* points_ = nullptr;
    int scroll_ = 0;
    int textHeight_;
    int playheadWidth_;
};
