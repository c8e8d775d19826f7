#include "ButtonItem.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

ButtonItem::ButtonItem(int dir, const QBrush& brush, const QIcon& icon, QGraphicsItem* parent)
    : QGraphicsItem(parent)
    , m_dir(dir)
    , m_icon(icon)
    , m_brush(brush)
{
    setAcceptHoverEvents(true);
    setFlag(QGraphicsItem::ItemIgnoresTransformations, true);
    setCursor(Qt::PointingHandCursor);
    setObjectName(QStringLiteral("ButtonItem"));
}

void ButtonItem::setState(int state)
{
    if (state == m_state)
        return;
    if (state < 3)
        setVisible(state == 1 || state == 2);
    m_state = state;
}

QRectF ButtonItem::boundingRect() const
{
    return QRectF(-12, -12, 24, 24);
}

void ButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    if (m_icon.isNull())
        return;
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QIcon::Mode mode = (option && (option->state & QStyle::State_MouseOver)) ? QIcon::Active : QIcon::Normal;
    // A missing icon file paints nothing; the handle still works.
    m_icon.paint(painter, boundingRect().toRect(), Qt::AlignCenter, mode, QIcon::Off);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void ButtonItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    QGraphicsItem* item = parentItem();
    if (m_selectsParent && item && scene()) {
        scene()->clearSelection();
        item->setSelected(true);
    }
    m_parentRotationAtPress = item ? item->rotation() : 0.0;
    m_pressPoint = event->scenePos();
    m_pressed = true;
    update();
    emit pressed();
}

void ButtonItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_pressed) {
        event->ignore();
        return;
    }
    event->accept();
    const QPointF M = event->scenePos();
    const QPointF P = m_pressPoint;
    emit dragging(M - P, event->modifiers());
    QGraphicsItem* item = parentItem();
    if (!item)
        return;

    const QPointF C = item->mapToScene(item->boundingRect().center());
    const double a1 = std::atan2(double(float(M.y() - C.y())), M.x() - C.x());
    const double a0 = std::atan2(double(float(P.y() - C.y())), P.x() - C.x());
    const double angle = (a1 - a0) * 180.0 / M_PI + m_parentRotationAtPress;
    emit rotated(double(qRound(angle)), double(qRound(m_parentRotationAtPress)));

    const QPointF O = item->mapFromScene(item->pos());
    const QPointF Mi = item->mapFromScene(M);
    const QPointF Pi = item->mapFromScene(P);
    // A press on the item's own origin gives no finite factor; the items
    // ignore factors that are not finite.
    const double sx = (Mi.x() - O.x()) / (Pi.x() - O.x());
    const double sy = (Mi.y() - O.y()) / (Pi.y() - O.y());
    emit resized(sx, sy);
    qDebug("ButtonItem::mouseMoveEvent x=%f,y=%f %f %f", sx, sy, O.x(), O.y());
}

void ButtonItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    const bool wasPressed = m_pressed;
    m_pressed = false;
    m_pressPoint = QPointF();
    update();
    if (wasPressed && contains(mapFromScene(event->scenePos())))
        emit clicked();
    emit resize();
}

void ButtonItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}

SizeHandleRect::SizeHandleRect(QGraphicsItem* parent, int dir, bool dot)
    : QGraphicsRectItem(-8, -8, 16, 16, parent)
    , m_dir(dir)
    , m_dot(dot)
{
    setVisible(false);
    setFlag(QGraphicsItem::ItemIgnoresTransformations, true);
    setAcceptHoverEvents(true);
}

void SizeHandleRect::setState(int state)
{
    if (state != m_state) {
        if (state < 3)
            setVisible(state == 1 || state == 2);
        m_state = state;
    }
    m_fill = QColor(QStringLiteral("white"));
    update();
}

void SizeHandleRect::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    m_fill = Qt::blue;
    update();
    QGraphicsRectItem::hoverEnterEvent(event);
}

void SizeHandleRect::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    m_fill = QColor(QStringLiteral("white"));
    update();
    QGraphicsRectItem::hoverLeaveEvent(event);
}

void SizeHandleRect::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (m_dot) {
        painter->setPen(QPen(Qt::red, 1));
        painter->setBrush(Qt::green);
        painter->drawEllipse(rect().center(), 3, 3);
    } else {
        painter->setPen(Qt::SolidLine);
        painter->setBrush(m_fill);
        painter->drawRect(rect());
    }
}
