#include "TimelineViewBlockItem.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QLinearGradient>
#include <QPainter>

TimelineViewBlockItem::TimelineViewBlockItem(Block block, QGraphicsItem* parent)
    : TimelineViewRect(parent)
    , block_(block)
{
    setBrush(Qt::white);
    setCursor(Qt::DragMoveCursor);
    setFlag(QGraphicsItem::ItemIsSelectable);
    UpdateRect();
}

void TimelineViewBlockItem::UpdateRect()
{
    setRect(0, y_, TimeToScene(block_.length) - 1, height_);
    setPos(TimeToScene(block_.start), 0);
}

void TimelineViewBlockItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    qDebug() << "TimelineViewBlockItem::paint" << GetScale() << timebase();
    const QRectF r = rect();
    qDebug() << r;
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, QColor(92, 92, 92));
    gradient.setColorAt(1, QColor(128, 128, 128));
    painter->fillRect(r, gradient);
    if (isSelected())
        painter->fillRect(r, QColor(0, 0, 0, 64));
    painter->setPen(Qt::white);
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), QPointF(r.left(), r.top() + r.height() - 1));
    painter->drawText(r, Qt::AlignLeft | Qt::AlignTop, QCoreApplication::translate("TimelineViewBlockItem", "Text ABC"));
}
