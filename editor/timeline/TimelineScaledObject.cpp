#include "TimelineScaledObject.h"

#include <algorithm>
#include <cmath>
#include <limits>

TimelineScaledObject::TimelineScaledObject()
    : maximumScale_(std::numeric_limits<double>::max())
{
}

TimelineScaledObject::~TimelineScaledObject() = default;

void TimelineScaledObject::SetTimebase(const rational& timebase)
{
    timebase_ = timebase;
    timebaseDbl_ = timebase.toDouble();
    TimebaseChangedEvent(timebase);
}

void TimelineScaledObject::SetScale(const double& scale)
{
    // NaN compares false everywhere: take it as below the minimum.
    if (std::isnan(scale) || scale < minimumScale_)
        scale_ = minimumScale_;
    else
        scale_ = std::min(maximumScale_, scale);
    ScaleChangedEvent(scale_);
}

void TimelineScaledObject::SetMinimumScale(const double& minimum)
{
    minimumScale_ = minimum;
    if (minimum > scale_) {
        scale_ = std::min(maximumScale_, minimum);
        ScaleChangedEvent(scale_);
    }
}

void TimelineScaledObject::SetMaximumScale(const double& maximum)
{
    maximumScale_ = maximum;
    if (scale_ > maximum) {
        scale_ = std::max(minimumScale_, maximum);
        ScaleChangedEvent(scale_);
    }
}

double TimelineScaledObject::TimeToScene(const rational& time) const
{
    return time.toDouble() * scale_;
}

bool TimelineScaledObject::IsUsableScale(double scale)
{
    return scale > 0.0 && std::isfinite(scale);
}

rational TimelineScaledObject::SceneToTime(const double& x, const double& scale, const rational& timebase, bool round)
{
    const double tb = timebase.toDouble();
    if (!IsUsableScale(scale) || !(tb > 0.0))
        return rational(0, 0);
    const double units = x / scale / tb;
    const long long n = ClampToInt64(round ? std::floor(units + 0.5) : std::floor(units));
    // Far-off positions stop at the last time a rational can hold.
    const long long limit = std::numeric_limits<long long>::max() / std::max<long long>(1, std::llabs(timebase.numerator()));
    return rational(std::clamp(n, -limit, limit) * timebase.numerator(), timebase.denominator());
}

rational TimelineScaledObject::SceneToTime(const double& x, bool round) const
{
    return SceneToTime(x, scale_, timebase_, round);
}

void TimelineScaledObject::TimebaseChangedEvent(const rational&) {}

void TimelineScaledObject::ScaleChangedEvent(const double&) {}

TimelineScaledWidget::TimelineScaledWidget(QWidget* parent)
    : QWidget(parent)
{
}

int ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, double(std::numeric_limits<int>::min()),
                                       double(std::numeric_limits<int>::max())));
}

long long ClampToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63 as a double: anything at or past it saturates.
    const double top = 9223372036854775807.0;
    if (value >= top)
        return std::numeric_limits<long long>::max();
    if (value <= -top)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}
