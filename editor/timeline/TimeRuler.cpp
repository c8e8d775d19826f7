#include "TimeRuler.h"

#include "Core.h"
#include "TimelinePoints.h"
#include "Timecode.h"

#include <QDebug>
#include <QPainter>

#include <climits>
#include <cmath>

TimeRuler::TimeRuler(bool text_visible, bool cache_status_visible, QWidget* parent)
    : TimeRuler(text_visible, cache_status_visible, parent, "TimeRuler::paintEvent")
{
}

TimeRuler::TimeRuler(bool text_visible, bool cache_status_visible, QWidget* parent, const char* paintName)
    : SeekableWidget(parent)
    , paintName_(paintName)
    , cacheStatusHeight_(text_height() / 4)
    , minimumGap_(fontMetrics().horizontalAdvance(QStringLiteral("H")))
    , textVisible_(text_visible)
    , cacheStatusVisible_(cache_status_visible)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    UpdateHeight();
    connect(Core::instance(), &Core::TimecodeDisplayChanged, this, qOverload<>(&QWidget::update));
}

void TimeRuler::UpdateHeight()
{
    setFixedHeight(text_height() * (textVisible_ ? 2 : 1) + (cacheStatusVisible_ ? cacheStatusHeight_ : 0)
                   + text_height());
}

int TimeRuler::CacheStatusHeight() const
{
    return fontMetrics().height() / 4;
}

void TimeRuler::SetCacheStatusLength(const rational& length)
{
    if (!cacheStatusVisible_)
        return;
    cacheLength_ = length;
    dirtyRanges_.RemoveTimeRange(TimeRange(length, rational(2147483647, 1)));
    update();
}

void TimeRuler::CacheInvalidatedRange(const TimeRange& range)
{
    if (!cacheStatusVisible_)
        return;
    dirtyRanges_.InsertTimeRange(range);
    update();
}

void TimeRuler::CacheTimeReady(const rational& time)
{
    if (!cacheStatusVisible_)
        return;
    dirtyRanges_.RemoveTimeRange(TimeRange(time, time + timebase()));
    update();
}

void TimeRuler::TimebaseChangedEvent(const rational& timebase)
{
    frameRate_ = timebase.flipped().toDouble();
    update();
}

TimeRuler::Spacing TimeRuler::TickSpacing() const
{
    Spacing spacing;
    const double tb = timebase_dbl();
    const double unit = tb * GetScale();
    // A scale or timebase of 0 (or one beyond doubles) has no pixel per time:
    // no interval could ever reach the gap.
    if (!(tb > 0.0) || !(unit > 0.0) || !std::isfinite(unit) || minimumGap_ < 1)
        return spacing;
    // Whole frames up to one second, counted without summing frame by frame.
    double frames = std::ceil(1.0 / tb);
    if (frames * tb < 1.0)
        frames += 1.0;
    const double second = frames * tb * GetScale();
    const double minute = second * 60;
    const double hour = minute * 60;
    const double day = hour * 24;
    const double g2 = 2.0 * minimumGap_;
    double longInterval;
    double shortInterval;
    double subdivisions;
    if (g2 > day) {
        longInterval = -1;
        shortInterval = day;
        subdivisions = 0;
    } else if (g2 > hour) {
        longInterval = day;
        shortInterval = hour;
        subdivisions = 24;
    } else if (g2 > minute) {
        longInterval = hour;
        shortInterval = minute;
        subdivisions = 60;
    } else if (g2 > second) {
        longInterval = minute;
        shortInterval = second;
        subdivisions = 60;
    } else {
        longInterval = second;
        shortInterval = unit;
        subdivisions = unit < g2 ? std::floor(frameRate_ + 0.5) : 0;
    }
    if (!std::isfinite(shortInterval) || shortInterval <= 0.0)
        return spacing;
    if (shortInterval < minimumGap_) {
        if (longInterval < 0) {
            while (shortInterval < minimumGap_)
                shortInterval *= 2;
        } else {
            // The largest divisor d of the subdivisions with long / d at least
            // the gap; divisors come in pairs, so only up to the square root.
            const long long count = subdivisions >= 1 && subdivisions < 9e18 ? static_cast<long long>(subdivisions) : 0;
            long long best = 0;
            for (long long d = 1; count > 0 && d <= count / d; ++d) {
                if (count % d != 0)
                    continue;
                for (long long divisor : {d, count / d}) {
                    if (divisor > best && longInterval / static_cast<double>(divisor) >= minimumGap_)
                        best = divisor;
                }
            }
            shortInterval = best > 0 ? longInterval / static_cast<double>(best) : longInterval;
        }
    }
    spacing.longInterval = longInterval;
    spacing.shortInterval = shortInterval;
    return spacing;
}

void TimeRuler::paintEvent(QPaintEvent*)
{
    qDebug() << paintName_ << GetScale() << timebase();
    if (timebase().isNull())
        return;
    QPainter painter(this);
    if (timeline_points()) {
        int markerBottom = height() - text_height();
        if (cacheStatusVisible_)
            markerBottom -= cacheStatusHeight_;
        if (textVisible_)
            markerBottom -= cacheStatusHeight_;
        DrawTimelinePoints(&painter, markerBottom);
    }

    const Spacing spacing = TickSpacing();
    painter.setPen(palette().color(QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    const int bottom = height() - (cacheStatusVisible_ ? cacheStatusHeight_ : 0);
    const int fontHeight = painter.fontMetrics().height();
    const int labelTop = bottom - fontHeight;
    const int shortTop = bottom - fontHeight / 2;
    const Timecode::Display display = Core::instance()->GetTimecodeDisplay();
    bool started = false;
    long long lastLong = 0;
    long long lastShort = 0;
    int lastLabelEnd = INT_MIN;
    for (int x = -200; x < width() + 200; ++x) {
        const double p = static_cast<double>(x) + GetScroll();
        const long long longIndex = spacing.longInterval > 0 ? ClampToInt64(std::floor(p / spacing.longInterval)) : 0;
        const long long shortIndex = spacing.shortInterval > 0 ? ClampToInt64(std::floor(p / spacing.shortInterval)) : 0;
        // The first column only sets where the counting starts.
        if (!started) {
            started = true;
            lastLong = longIndex;
            lastShort = shortIndex;
            continue;
        }
        if (spacing.longInterval > 0 && longIndex != lastLong) {
            lastLong = longIndex;
            if (textVisible_) {
                const QString label = Timecode::timestamp_to_timecode(ScreenToUnit(x), timebase(), display, false);
                const int w = painter.fontMetrics().horizontalAdvance(label);
                const int start = x - w / 2;
                if (start > lastLabelEnd) {
                    painter.drawText(QRect(x - 100, 0, 200, text_height()), Qt::AlignHCenter | Qt::AlignBottom, label);
                    lastLabelEnd = start + w;
                }
            }
            painter.drawLine(x, labelTop, x, bottom);
        }
        if (spacing.shortInterval > 0 && shortIndex != lastShort) {
            lastShort = shortIndex;
            painter.drawLine(x, shortTop, x, bottom);
        }
    }

    if (cacheStatusVisible_) {
        const int xEnd = std::min(TimeToScreen(cacheLength_), width());
        const int top = height() - cacheStatusHeight_;
        if (xEnd >= 1) {
            painter.fillRect(QRect(0, top, xEnd, cacheStatusHeight_), Qt::green);
            for (const TimeRange& range : qAsConst(dirtyRanges_)) {
                const int start = TimeToScreen(range.in());
                const int end = TimeToScreen(range.out());
                if (end >= 0 && start < width()) {
                    const int left = std::max(start, 0);
                    const int right = std::min(end, width());
                    if (right > left)
                        painter.fillRect(QRect(left, top, right - left, cacheStatusHeight_), Qt::red);
                }
            }
        }
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(playhead().GetPlayheadColor());
    DrawPlayhead(&painter, UnitToScreen(GetTime()), bottom);
}
