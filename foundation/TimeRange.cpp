#include "TimeRange.h"

#include <algorithm>

TimeRange::TimeRange(const rational& in, const rational& out)
    : in_(in)
    , out_(out)
{
    normalize();
}

void TimeRange::set_in(const rational& in)
{
    in_ = in;
    normalize();
}

void TimeRange::set_out(const rational& out)
{
    out_ = out;
    normalize();
}

void TimeRange::set_range(const rational& in, const rational& out)
{
    in_ = in;
    out_ = out;
    normalize();
}

void TimeRange::normalize()
{
    if (out_ < in_)
        std::swap(in_, out_);
    length_ = out_ - in_;
}

bool TimeRange::operator==(const TimeRange& other) const
{
    return in_ == other.in_ && out_ == other.out_;
}

bool TimeRange::OverlapsWith(const TimeRange& other, bool inTouch, bool outTouch) const
{
    const bool before = inTouch ? other.out_ < in_ : other.out_ <= in_;
    const bool after = outTouch ? other.in_ > out_ : other.in_ >= out_;
    return !before && !after;
}

TimeRange TimeRange::Combine(const TimeRange& a, const TimeRange& b)
{
    return TimeRange(std::min(a.in_, b.in_), std::max(a.out_, b.out_));
}

TimeRange TimeRange::CombineWith(const TimeRange& other) const
{
    return Combine(other, *this);
}

bool TimeRange::Contains(const TimeRange& other, bool inInclusive, bool outInclusive) const
{
    const bool inOk = inInclusive ? other.in_ >= in_ : other.in_ > in_;
    const bool outOk = outInclusive ? other.out_ <= out_ : other.out_ < out_;
    return inOk && outOk;
}

uint qHash(const TimeRange& range, uint seed)
{
    return qHash(range.in(), seed) ^ qHash(range.out(), seed);
}
