#pragma once
#include "SeekableWidget.h"
#include "TimeRangeList.h"

// The strip above the timeline: ticks and timecode labels at a spacing
// chosen from the zoom, an optional playback-cache bar, the markers, the
// work area and the playhead.
class TimeRuler : public SeekableWidget
{
    Q_OBJECT
public:
    TimeRuler(bool text_visible, bool cache_status_visible, QWidget* parent = nullptr);

    void UpdateHeight();
    int CacheStatusHeight() const;

    // The tick spacing in pixels chosen for the current scale and timebase:
    // the labelled (long) interval, -1 for none, and the short one, -1 for
    // none. No tick at all when the scale or timebase maps no time.
    struct Spacing
    {
        double longInterval = -1;
        double shortInterval = -1;
    };
    Spacing TickSpacing() const;

public slots:
    void SetCacheStatusLength(const rational& length);
    void CacheInvalidatedRange(const TimeRange& range);
    void CacheTimeReady(const rational& time);

protected:
    // For a widget of another class name that is the same ruler.
    TimeRuler(bool text_visible, bool cache_status_visible, QWidget* parent, const char* paintName);

    void paintEvent(QPaintEvent* event) override;
    void TimebaseChangedEvent(const rational& timebase) override;

private:
    const char* paintName_;
    int cacheStatusHeight_;
    int minimumGap_;
    bool textVisible_;
    double frameRate_ = 0.0;
    bool cacheStatusVisible_;
    rational cacheLength_{0, 0};
    TimeRangeList dirtyRanges_;
};
