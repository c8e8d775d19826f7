#pragma once
#include <QBrush>
#include <QGraphicsItem>
#include <QIcon>
#include <QObject>
#include <QPointF>

// A corner handle of a layer item: menu, close, resize or rotate. It keeps
// its size at every zoom and turns mouse drags into factors and angles for
// its layer item.
class ButtonItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
public:
    enum Dir { Menu = 1, Close = 2, ResizeCorner = 3, RotateCorner = 4 };

    ButtonItem(int dir, const QBrush& brush, const QIcon& icon, QGraphicsItem* parent);

    int dir() const { return m_dir; }
    qreal width() const { return 24; }
    qreal height() const { return 24; }
    void move(double x, double y) { setPos(x, y); }
    void setSelectsParent(bool selects) { m_selectsParent = selects; }
    void setState(int state);
    int state() const { return m_state; }
    bool isPressed() const { return m_pressed; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void dragging(const QPointF& delta, Qt::KeyboardModifiers modifiers);
    void pressed();
    void clicked();
    void doubleClicked();
    void rotated(qreal angle, qreal before);
    void resized(qreal sx, qreal sy);
    void resize();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    int m_dir;
    QIcon m_icon;
    QBrush m_brush;   // kept for the handle's look; the icon is what is drawn
    bool m_selectsParent = true;
    QPointF m_pressPoint;
    // A press anywhere, the scene origin included, is a press in progress.
    bool m_pressed = false;
    double m_parentRotationAtPress = 0.0;
    int m_state = 2;
};

// A square size handle; nothing in the program creates one.
class SizeHandleRect : public QGraphicsRectItem
{
public:
    SizeHandleRect(QGraphicsItem* parent, int dir, bool dot);
    int dir() const { return m_dir; }
    void move(double x, double y) { setPos(x, y); }
    void setState(int state);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int m_dir;
    bool m_dot;
    int m_state = 0;
    QColor m_fill = QColor(QStringLiteral("white"));
};
