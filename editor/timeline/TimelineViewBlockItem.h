#pragma once
#include "TimelineViewRect.h"

// One block on a track, drawn from its start time for its length.
class TimelineViewBlockItem : public TimelineViewRect
{
public:
    explicit TimelineViewBlockItem(Block block, QGraphicsItem* parent = nullptr);

    const Block& block() const { return block_; }
    void UpdateRect() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    Block block_;
};
