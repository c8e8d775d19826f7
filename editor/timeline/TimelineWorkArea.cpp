#include "TimelineWorkArea.h"

const rational TimelineWorkArea::kResetIn(0, 0);
const rational TimelineWorkArea::kResetOut(2147483647, 1);

TimelineWorkArea::TimelineWorkArea(QObject* parent)
    : QObject(parent)
{
}

void TimelineWorkArea::set_enabled(bool enabled)
{
    enabled_ = enabled;
    emit EnabledChanged(enabled_);
}

void TimelineWorkArea::set_range(const TimeRange& range)
{
    range_ = range;
    emit RangeChanged(range_);
}
