#include "ResizableScrollBar.h"

#include "TimelineScaledObject.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
// How close to a handle end the pointer must be to grab it, in pixels.
const int kEdgeReach = 10;
}

ResizableScrollBar::ResizableScrollBar(QWidget* parent)
    : QScrollBar(parent)
{
    Init();
}

ResizableScrollBar::ResizableScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    Init();
}

void ResizableScrollBar::Init()
{
    setSingleStep(20);
    setMaximum(0);
    setMouseTracking(true);
    edge_ = kNone;
    resizing_ = false;
}

QRect ResizableScrollBar::HandleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

int ResizableScrollBar::AlongBar(const QMouseEvent* event) const
{
    return orientation() == Qt::Horizontal ? qRound(event->localPos().x()) : qRound(event->localPos().y());
}

void ResizableScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (edge_ == kNone) {
        QScrollBar::mousePressEvent(event);
        return;
    }
    resizing_ = true;
    lastPos_ = AlongBar(event);
}

void ResizableScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (resizing_) {
        resizing_ = false;
        return;
    }
    QScrollBar::mouseReleaseEvent(event);
}

void ResizableScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!resizing_) {
        const QRect handle = HandleRect();
        const bool horizontal = orientation() == Qt::Horizontal;
        const int pos = AlongBar(event);
        const int start = horizontal ? handle.left() : handle.top();
        const int end = horizontal ? handle.right() : handle.bottom();
        if (std::abs(pos - start) <= kEdgeReach)
            edge_ = kStart;
        else if (std::abs(pos - end) <= kEdgeReach)
            edge_ = kEnd;
        else
            edge_ = kNone;
        if (edge_ == kNone)
            unsetCursor();
        else
            setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        QScrollBar::mouseMoveEvent(event);
        return;
    }

    const int x = AlongBar(event);
    long long d = static_cast<long long>(x) - lastPos_;
    lastPos_ = x;
    if (edge_ == kStart)
        d = -d;
    const QRect handle = HandleRect();
    const long long length = handle.width();
    const long long stretched = length + d;
    if (stretched == 0 || stretched > INT_MAX || stretched < INT_MIN)
        return;
    emit RequestScale(static_cast<double>(length) / static_cast<double>(stretched));
    if (edge_ == kEnd) {
        setValue(ClampToInt(std::floor(value() * static_cast<double>(length) / static_cast<double>(stretched) + 0.5)));
    } else {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
        setValue(QStyle::sliderValueFromPosition(minimum(), maximum(), x - groove.left(),
                                                 groove.width() - static_cast<int>(stretched), option.upsideDown));
    }
}
