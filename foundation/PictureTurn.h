#pragma once
// How a video's stored pictures are turned to be shown: the display matrix
// of the stream, read as the converter's automatic rotation reads it. The
// converter turns every picture so before the filters the program adds, and
// players show it so; the canvas and the preview turn it the same way.
#include <cstdint>

class QImage;
class QStringList;

struct PictureTurn
{
    int degrees = 0;       // clockwise: 0, 90, 180 or 270, or the odd angle the converter's rotate filter takes
    bool mirrored = false; // after the turn, mirrored left to right

    bool IsNone() const { return degrees == 0 && !mirrored; }
    // A quarter turn: the width and height of the picture swap.
    bool Swaps() const { return degrees == 90 || degrees == 270; }
    // The converter's own filters for the turn, in order, each "name" or
    // "name=argument"; empty when the picture stays as stored.
    QStringList Filters() const;
    // The picture turned so; an odd angle keeps the size and fills the
    // uncovered corners black, as the rotate filter does.
    QImage Apply(const QImage& picture) const;

    // From a display matrix of nine values (null: none), by the converter's
    // rule: the angle it reads, and for a mirrored matrix the flips it adds.
    static PictureTurn FromMatrix(const int32_t* matrix);
};
