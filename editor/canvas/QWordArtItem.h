#pragma once
#include "QWatermarkBase.h"

#include <QRect>
#include <QSize>

class QGraphicsScene;
class QTimer;

// A styled-text layer on the canvas: the record's text rendered into the
// record's image, drawn into the layer's rectangle. Its resize handle changes
// the font's pixel size instead of stretching the picture: the text is
// re-measured while the drag runs and rendered again on release. Handle drags
// are stored by the slots and applied by the 40 ms redraw tick.
class QWordArtItem : public QWatermarkBase
{
    Q_OBJECT
public:
    explicit QWordArtItem(QGraphicsScene* scene, QGraphicsItem* parent = nullptr);

    // Size from the rendered image, the handles, the flags and the redraw
    // tick. The caller renders the text into the record's image before.
    void Init();

    void Rotate(double degrees) override;
    void Resize(double width, double height) override;
    void SetSize(double width, double height) override;
    // Takes the size of the newly rendered text (callers render first).
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
    // The font's pixel size, also for a font given in points.
    int FontPixelSize() const;
    // Record size, text size and rectangle from the rendered image.
    void TakeImageSize();

    QTimer* m_timer = nullptr;
    QRectF m_canvasRect;
    QRect m_imageRect;
    QRect m_imageRectAtPress;
    QSize m_textSize;
    int m_fontPixelSizeAtPress = 0;
    QSize m_measuredAtPress;
    float m_kx = 1.0f;
    float m_ky = 1.0f;
    bool m_resizePending = false;
    bool m_rotatePending = false;
    bool m_resizeFinished = false;
    int m_paintCount = 0;
};
