#pragma once
#include "QWatermarkBase.h"

#include <QRect>

class QGraphicsScene;
class QTimer;

// An image or video layer on the canvas: one still picture (the image file,
// or the video's first frame) drawn scaled into the layer's rectangle. Handle
// drags are stored by the slots and applied by the 40 ms redraw tick.
class QWatermarkItem : public QWatermarkBase
{
    Q_OBJECT
public:
    explicit QWatermarkItem(QGraphicsScene* scene, QGraphicsItem* parent = nullptr);

    // Size from the record's image, the handles, the flags and the redraw
    // tick. The record's image is set before.
    void Init();

    void Rotate(double degrees) override;
    void Resize(double width, double height) override;
    void SetSize(double width, double height) override;
    void ItemUpdate() override;
    void UpdateRectFromImage() override;
    QRectF GetPosRect() override;
    QRectF ImageRect() const override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    int PaintCount() const { return m_paintCount; }

public slots:
    void refreshImage(QRect rect);
    void slotPressed();
    void slotRotated(qreal angle, qreal before);
    void slotResized(qreal sx, qreal sy);
    void slotResize();
    void canvasResize();
    void slotRedraw();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
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
