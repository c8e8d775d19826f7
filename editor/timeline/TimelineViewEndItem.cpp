#include "TimelineViewEndItem.h"

TimelineViewEndItem::TimelineViewEndItem(QGraphicsItem* parent)
    : TimelineViewRect(parent)
{
}

void TimelineViewEndItem::SetEndTime(const rational& time)
{
    endTime_ = time;
    UpdateRect();
}

void TimelineViewEndItem::SetEndPadding(int padding)
{
    endPadding_ = padding;
    UpdateRect();
}

void TimelineViewEndItem::UpdateRect()
{
    setRect(0, 0, 1, 1);
    setPos(TimeToScene(endTime_) + endPadding_, 0);
}

void TimelineViewEndItem::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) {}
