#pragma once
#include "QWatermarkBase.h"

#include <QPolygonF>
#include <QRect>

class QGraphicsScene;
class QTimer;

// What image, video and styled-text layers share on the canvas: one picture
// (the record's image) drawn scaled into the layer's rectangle, the shadow
// in the bounding box, the selection outline, and handle drags stored by the
// slots and applied by the 40 ms redraw tick. Each kind says what a resize
// drag does and how the rectangle follows its picture.
class QPictureLayerItem : public QWatermarkBase
{
    Q_OBJECT
public:
    void Rotate(double degrees) override;
    void Resize(double width, double height) override;
    void SetSize(double width, double height) override;
    QRectF GetPosRect() override;
    QRectF ImageRect() const override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    int PaintCount() const { return m_paintCount; }

public slots:
    void refreshImage(QRect rect);
    // The press on the resize handle: each kind keeps what a resize scales.
    virtual void slotPressed() = 0;
    void slotRotated(qreal angle, qreal before);
    void slotResized(qreal sx, qreal sy);
    void slotResize();
    void canvasResize();
    void slotRedraw();

protected:
    QPictureLayerItem(QGraphicsScene* scene, QGraphicsItem* parent, const QString& name);

    // Handles, flags and the redraw tick; the rectangle is set before.
    void InitItem();
    // The corners of the layer's rectangle on the scene.
    QPolygonF SceneCorners() const;
    // The redraw tick's share of a resize drag and of its release.
    virtual void ApplyPendingResize() = 0;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

    // Picture size over shown size; 1 where there is nothing to compare.
    static float Ratio(int image, int shown);

    QTimer* m_timer = nullptr;
    QRectF m_canvasRect;
    QRect m_imageRect;
    QRect m_imageRectAtPress;
    int m_fontPixelSizeAtPress = 0;
    float m_kx = 1.0f;
    float m_ky = 1.0f;
    bool m_resizePending = false;
    bool m_rotatePending = false;
    bool m_resizeFinished = false;
    int m_paintCount = 0;
};
