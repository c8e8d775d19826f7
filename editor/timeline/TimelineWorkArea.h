#pragma once
#include "TimeRange.h"

#include <QObject>

// The span of the timeline that work is limited to, when enabled.
class TimelineWorkArea : public QObject
{
    Q_OBJECT
public:
    explicit TimelineWorkArea(QObject* parent = nullptr);

    // In and out of a work area that covers the whole timeline.
    static const rational kResetIn;
    static const rational kResetOut;

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    const TimeRange& range() const { return range_; }
    void set_range(const TimeRange& range);
    const rational& in() const { return range_.in(); }
    const rational& out() const { return range_.out(); }

signals:
    void EnabledChanged(bool enabled);
    void RangeChanged(const TimeRange& range);

private:
    bool enabled_ = false;
    TimeRange range_;
};
