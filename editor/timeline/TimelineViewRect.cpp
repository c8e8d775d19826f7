#include "TimelineViewRect.h"

TimelineViewRect::TimelineViewRect(QGraphicsItem* parent)
    : QGraphicsRectItem(parent)
{
}

void TimelineViewRect::SetYCoords(int y, int height)
{
    y_ = y;
    height_ = height;
    UpdateRect();
}

void TimelineViewRect::ScaleChangedEvent(const double&)
{
    UpdateRect();
}
