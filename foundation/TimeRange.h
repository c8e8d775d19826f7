#pragma once
#include <QtGlobal>

#include "rational.h"

// An in/out pair of exact times in seconds, kept ordered (in <= out), with
// its length.
class TimeRange
{
public:
    TimeRange() = default;
    TimeRange(const rational& in, const rational& out);

    const rational& in() const { return in_; }
    const rational& out() const { return out_; }
    const rational& length() const { return length_; }

    void set_in(const rational& in);
    void set_out(const rational& out);
    void set_range(const rational& in, const rational& out);
    // Swaps in and out when out lies before in, and recomputes the length.
    void normalize();

    bool operator==(const TimeRange& other) const;
    bool operator!=(const TimeRange& other) const { return !(*this == other); }

    // False only when other lies wholly before or after this range; the touch
    // flags make a shared end point count as an overlap.
    bool OverlapsWith(const TimeRange& other, bool inTouch = true, bool outTouch = true) const;
    static TimeRange Combine(const TimeRange& a, const TimeRange& b);
    TimeRange CombineWith(const TimeRange& other) const;
    bool Contains(const TimeRange& other, bool inInclusive = true, bool outInclusive = true) const;

private:
    rational in_;
    rational out_;
    rational length_;
};

uint qHash(const TimeRange& range, uint seed = 0);
