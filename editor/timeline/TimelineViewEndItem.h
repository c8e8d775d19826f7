#pragma once
#include "TimelineViewRect.h"

// The invisible item past the timeline's end that keeps some room after it.
class TimelineViewEndItem : public TimelineViewRect
{
public:
    explicit TimelineViewEndItem(QGraphicsItem* parent = nullptr);

    void SetEndTime(const rational& time);
    void SetEndPadding(int padding);
    void UpdateRect() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    rational endTime_{0, 0};
    int endPadding_ = 0;
};
