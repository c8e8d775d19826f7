#include "SeekableWidget.h"

#include "TimelinePoints.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

SeekableWidget::SeekableWidget(QWidget* parent)
    : TimelineScaledWidget(parent)
{
    playhead_.SetPlayheadColor(QColor(141, 198, 63));
    const QFontMetrics metrics = fontMetrics();
    textHeight_ = metrics.height();
    playheadWidth_ = metrics.horizontalAdvance(QStringLiteral("H"));
}

void SeekableWidget::ConnectTimelinePoints(TimelinePoints* points)
{
    const auto repaint = qOverload<>(&QWidget::update);
    if (points_) {
        disconnect(points_->workarea(), &TimelineWorkArea::RangeChanged, this, repaint);
        disconnect(points_->workarea(), &TimelineWorkArea::EnabledChanged, this, repaint);
    }
    points_ = points;
    if (points_) {
        connect(points_->workarea(), &TimelineWorkArea::RangeChanged, this, repaint);
        connect(points_->workarea(), &TimelineWorkArea::EnabledChanged, this, repaint);
    }
    update();
}

void SeekableWidget::SetTime(const int64_t& time)
{
    time_ = time;
    update();
}

void SeekableWidget::SetScroll(int scroll)
{
    scroll_ = scroll;
    update();
}

void SeekableWidget::SeekToScreenPoint(int x)
{
    SeekToX(x);
}

void SeekableWidget::SeekToX(int x)
{
    time_ = std::max<int64_t>(0, ScreenToUnitRounded(x));
    update();
    emit TimeChanged(time_);
}

double SeekableWidget::ScreenToUnitFloat(int x) const
{
    // A scale or timebase of 0 maps every pixel to time 0.
    if (!IsUsableScale(GetScale()) || !(timebase_dbl() > 0.0))
        return 0.0;
    return (static_cast<double>(x) + scroll_) / GetScale() / timebase_dbl();
}

int64_t SeekableWidget::ScreenToUnit(int x) const
{
    return ClampToInt64(std::floor(ScreenToUnitFloat(x)));
}

int64_t SeekableWidget::ScreenToUnitRounded(int x) const
{
    return ClampToInt64(std::floor(ScreenToUnitFloat(x) + 0.5));
}

int SeekableWidget::UnitToScreen(int64_t unit) const
{
    return ClampToInt(std::floor(static_cast<double>(unit) * GetScale() * timebase_dbl()) - scroll_);
}

int SeekableWidget::TimeToScreen(const rational& time) const
{
    return ClampToInt(std::floor(time.toDouble() * GetScale()) - scroll_);
}

void SeekableWidget::mousePressEvent(QMouseEvent* event)
{
    SeekToX(qRound(event->localPos().x()));
}

void SeekableWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        SeekToX(qRound(event->localPos().x()));
}

void SeekableWidget::ScaleChangedEvent(const double&)
{
    update();
}

void SeekableWidget::DrawTimelinePoints(QPainter* painter, int bottom)
{
    if (!points_)
        return;
    const int w = width();
    const TimelineWorkArea* area = points_->workarea();
    if (area->enabled()) {
        const int left = std::max(0, TimeToScreen(area->in()));
        const int right = area->out() == TimelineWorkArea::kResetOut ? w : std::min(TimeToScreen(area->out()), w);
        if (right > left)
            painter->fillRect(QRect(QPoint(left, 0), QPoint(right - 1, height() - 1)), palette().highlight());
    }
    const QList<TimelineMarker*>& markers = points_->markers()->list();
    if (bottom < 1 || markers.isEmpty())
        return;
    const int top = bottom - textHeight_;
    painter->setPen(Qt::black);
    painter->setBrush(Qt::green);
    for (const TimelineMarker* marker : markers) {
        const int left = TimeToScreen(marker->time().in());
        const int right = TimeToScreen(marker->time().out());
        if (right < 0 || left >= w)
            continue;
        if (marker->time().length().isNull()) {
            DrawPlayhead(painter, left, bottom);
            continue;
        }
        const QRect box(QPoint(std::max(0, left), top), QPoint(std::min(w, right) - 1, bottom - 1));
        painter->drawRect(box);
        if (!marker->name().isEmpty())
            painter->drawText(box, marker->name(), QTextOption());
    }
}

void SeekableWidget::DrawPlayhead(QPainter* painter, int x, int y)
{
    const int h = textHeight_;
    const int half = playheadWidth_ / 2;
    // Wide arithmetic: x may sit at the far ends of int at extreme scales.
    if (static_cast<long long>(x) + half < 0 || static_cast<long long>(x) - half > width())
        return;
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QPoint points[] = {{x, y},
                             {x - half, y - h / 3},
                             {x - half, y - h},
                             {x + half + 1, y - h},
                             {x + half + 1, y - h / 3},
                             {x + 1, y}};
    painter->drawPolygon(points, 6);
    painter->setRenderHint(QPainter::Antialiasing, false);
}
