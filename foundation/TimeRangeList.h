#pragma once
#include <QList>

#include "TimeRange.h"

// Ranges in insertion order: inserting merges with the first range it
// overlaps or touches, removing trims or splits what it cuts through.
class TimeRangeList : public QList<TimeRange>
{
public:
    void InsertTimeRange(const TimeRange& range);
    void RemoveTimeRange(const TimeRange& range);
    bool ContainsTimeRange(const TimeRange& range, bool inInclusive = true, bool outInclusive = true) const;
    // The parts of range that lie in each element it overlaps (touching
    // ends give nothing), in list order.
    TimeRangeList Intersects(const TimeRange& range) const;
};
