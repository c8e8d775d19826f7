#pragma once
// Image helpers for the styled-text renderer.
#include <QImage>
#include <QRect>

class QImageFuns
{
public:
    QImageFuns() {}

    // The box of the image's visible (non-transparent) pixels, widened by
    // margin and kept inside the image on the left and top; on the right and
    // bottom it reaches one past the last visible pixel when there is room.
    // A fully transparent image gives an empty rectangle.
    static QRect AutoExpand(QImage* image, int margin);
};
