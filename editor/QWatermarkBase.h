#pragma once
#include "CLayerInfo.h"

#include <QGraphicsObject>
#include <QList>
#include <QPointF>
#include <QRectF>

class ButtonItem;

// What a layer item's handles show: 0 hidden, 1 and 2 shown; other values
// are stored without changing visibility.
using SelectionHandleState = int;

// Base of every layer item on the editor canvas: carries the layer's record
// by value, its four corner handles and the state of the drag in progress.
// The conversion engine reads layers only through the inline GetLayer, the
// virtual GetPosRect and QGraphicsItem's own zValue and rotation, so it needs
// this header but not the editor library.
class QWatermarkBase : public QGraphicsObject
{
    Q_OBJECT
public:
    // Operation states: what the last mouse action on the item was.
    enum Operation { OpIdle = 0, OpResized = 3, OpRotating = 4, OpBodyPressed = 5 };

    explicit QWatermarkBase(QGraphicsItem* parent = nullptr, bool unused = false);
    ~QWatermarkBase() override;

    // The record held by value in the item; never null.
    CLayerInfo* GetLayer() { return &m_Layer; }
    const CLayerInfo* GetLayer() const { return &m_Layer; }
    QImage* GetQImage() { return &m_Layer.Image; }

    // Fades the item out and deletes it.
    virtual void dispose();
    virtual int handleCount() const;
    // Position of the last handle of that dir, (0, 0) without one.
    virtual QPointF handlePos(int dir) const;
    // Position of the handle across from handle dir i (list order).
    virtual QPointF opposite(int i);
    // Puts every handle on its corner of ImageRect().
    virtual void updatehandles();
    virtual void Rotate(double degrees);
    virtual void Resize(double width, double height);
    virtual void SetSize(double width, double height);
    virtual void ItemUpdate();
    virtual void UpdateRectFromImage();
    // The layer's axis-aligned bounding box in scene pixels (pixels of the
    // source frame after flips, quarter turn and crop). Empty in the base.
    virtual QRectF GetPosRect();
    // The image rectangle in item coordinates; empty in the base.
    virtual QRectF ImageRect() const;

    // Where the layer is placed: as the canvas of that size shows it, where
    // it was moved, resized or turned since the canvas laid it out or no
    // frame is known for it; else as it was placed, whatever the canvas
    // shows. Inline, as the graph builder reads it.
    LayerPlacement Placement(const QSizeF& canvas)
    {
        const LayerPlacement& placed = m_Layer.Placement;
        const QRectF box = GetPosRect();
        if (placed.IsKnown() && box == placed.shownBox && placed.shownSize == QSize(m_Layer.Width, m_Layer.Height)
            && rotation() == placed.shownRotation)
            return placed;
        return LayerPlacement::Standing(canvas, scale(), pos(), transformOriginPoint(), box);
    }

    double GetAngle() const { return m_angle; }
    double GetBeforeAngle() const { return m_angleBefore; }
    QPointF GetScale() const { return QPointF(m_scaleX, m_scaleY); }
    void SetMove(bool moved) { m_moved = moved; }
    bool IsMove() const { return m_moved; }
    void UpdateShadow();
    // Shows the record's opacity on the canvas, as the conversion draws it.
    void ShowOpacity();
    void SetLayer(CLayerInfo*) {}
    void setState(SelectionHandleState state);
    int OperationState() const { return m_operation; }
    void SetOperationState(int state) { m_operation = state; }
    // Asks the item's redraw tick for a repaint.
    void SetRepaintPending(bool pending = true) { m_repaintPending = pending; }
    bool IsRepaintPending() const { return m_repaintPending; }
    const QList<ButtonItem*>& Handles() const { return m_handles; }

    // Which part lies under a scene point: a handle's dir (1 to 4; the last
    // created wins), 5 the item's body, 0 nothing.
    int collidesWithHandle(const QPointF& scenePoint, double unused = 1.0) const;
    // Which corner a handle becomes when dragged across the opposite one.
    int swapHandle(int dir, const QPointF& p) const;

signals:
    void sigClose();
    void sigDClicked();
    void sigMenu();

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

    // Builds the menu, close, rotate and resize handles; the menu and close
    // handles' clicks become sigMenu and sigClose. The concrete item connects
    // the rotate and resize drags to its own slots.
    void CreateHandles();
    // Moves the transform origin without the item jumping on the scene.
    void SetOriginKeepingPosition(const QPointF& origin);

    int m_operation = OpIdle;
    bool m_repaintPending = false;
    CLayerInfo m_Layer;
    QList<ButtonItem*> m_handles;
    double m_angle = 0.0;
    double m_angleBefore = 0.0;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    bool m_moved = false;
    bool m_shadowOn = false;
    int m_shadowDx = 0;
    int m_shadowDy = 0;
};
