#pragma once
#include "QPictureLayerItem.h"

class QGraphicsScene;

// An image or video layer on the canvas: one still picture (the image file,
// or the video's first frame) drawn scaled into the layer's rectangle.
class QWatermarkItem : public QPictureLayerItem
{
    Q_OBJECT
public:
    explicit QWatermarkItem(QGraphicsScene* scene, QGraphicsItem* parent = nullptr);

    // Size from the record's image, the handles, the flags and the redraw
    // tick. The record's image is set before.
    void Init();

    void ItemUpdate() override;
    void UpdateRectFromImage() override;
    QRectF GetPosRect() override;

public slots:
    void slotPressed() override;

protected:
    void ApplyPendingResize() override;
};
