#pragma once
#include "QWatermarkBase.h"
#include "ST_CROP_THICK.h"

#include <QImage>
#include <QRect>

class QGraphicsScene;
class QTimer;

// The source frame under all layers: the record's picture with the row's
// flips, quarter turn and crop applied. Neither movable nor selectable.
class QCanvasItem : public QWatermarkBase
{
    Q_OBJECT
public:
    explicit QCanvasItem(QGraphicsScene* scene, QGraphicsItem* parent = nullptr);

    void Rotate(double degrees) override;
    void SetSize(double width, double height) override;
    // Rebuilds the displayed frame from the record and takes its size.
    void ItemUpdate() override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    const QImage& DisplayedFrame() const { return m_frame; }

    // The part of a frame of that size a crop keeps, by the converter's rule
    // (CropKeptRect).
    static QRect CropRect(const QSize& size, double left, double top, double right, double bottom)
    {
        return CropKeptRect(size, left, top, right, bottom);
    }

public slots:
    void refreshImage(QRect rect);
    void canvasResize();
    void slotRedraw();

private:
    QRectF m_bounds;
    QTimer* m_timer = nullptr;
    QImage m_frame;
};
