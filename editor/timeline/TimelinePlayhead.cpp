#include "TimelinePlayhead.h"

#include <QPainter>

TimelinePlayhead::TimelinePlayhead(QWidget* parent)
    : QWidget(parent)
{
}

void TimelinePlayhead::Draw(QPainter* painter, const QRectF& rect) const
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(playheadHighlightColor_);
    painter->drawRect(rect);
    painter->setPen(playheadColor_);
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(rect.topLeft(), QPointF(rect.left(), rect.top() + rect.height()));
}
