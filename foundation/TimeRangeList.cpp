#include "TimeRangeList.h"

#include <algorithm>

void TimeRangeList::InsertTimeRange(const TimeRange& range)
{
    for (int i = 0; i < size(); ++i) {
        const TimeRange& e = at(i);
        if (e == range)
            return;
        if (!(e.out() < range.in()) && !(e.in() > range.out())) {
            // Only this element is merged, even when the union now reaches
            // further elements.
            replace(i, TimeRange::Combine(range, e));
            return;
        }
    }
    append(range);
}

void TimeRangeList::RemoveTimeRange(const TimeRange& removed)
{
    // A copy: the caller may pass one of our own elements, which the walk
    // below deletes or changes.
    const TimeRange range = removed;
    for (int i = 0; i < size();) {
        TimeRange& e = (*this)[i];
        if (range.in() <= e.in() && e.out() <= range.out()) {
            removeAt(i);
            continue;
        }
        if (range.in() > e.in() && range.out() < e.out()) {
            const TimeRange tail(range.out(), e.out());
            e.set_out(range.in());
            append(tail);
        } else if (e.in() < range.in() && range.in() < e.out()) {
            e.set_out(range.in());
        } else if (e.in() < range.out() && range.out() < e.out()) {
            e.set_in(range.out());
        }
        ++i;
    }
}

bool TimeRangeList::ContainsTimeRange(const TimeRange& range, bool inInclusive, bool outInclusive) const
{
    return std::any_of(begin(), end(), [&](const TimeRange& e) { return e.Contains(range, inInclusive, outInclusive); });
}

TimeRangeList TimeRangeList::Intersects(const TimeRange& range) const
{
    TimeRangeList result;
    for (const TimeRange& e : *this) {
        if (e.out() > range.in() && e.in() < range.out())
            result.append(TimeRange(std::max(e.in(), range.in()), std::min(e.out(), range.out())));
    }
    return result;
}
