#pragma once
#include "QPictureLayerItem.h"

#include <QSize>

class QGraphicsScene;

// A styled-text layer on the canvas: the record's text rendered into the
// record's image, drawn into the layer's rectangle. Its resize handle changes
// the font's pixel size instead of stretching the picture: the text is
// re-measured while the drag runs and rendered again on release.
class QWordArtItem : public QPictureLayerItem
{
    Q_OBJECT
public:
    explicit QWordArtItem(QGraphicsScene* scene, QGraphicsItem* parent = nullptr);

    // Size from the rendered image, the handles, the flags and the redraw
    // tick. The caller renders the text into the record's image before.
    void Init();

    // Takes the size of the newly rendered text (callers render first).
    void ItemUpdate() override;
    void UpdateRectFromImage() override;

public slots:
    void slotPressed() override;

protected:
    void ApplyPendingResize() override;

private:
    // The font's pixel size, also for a font given in points.
    int FontPixelSize() const;
    // Record size, text size and rectangle from the rendered image.
    void TakeImageSize();

    QSize m_textSize;
    QSize m_measuredAtPress;
};
