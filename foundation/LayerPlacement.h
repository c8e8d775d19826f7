#pragma once
// Where a layer was placed, and where it stands on frames of other shapes.
// Layers are one set for every row: each is placed on one frame (the canvas
// it was last moved, resized or added on) and shown on every other frame
// scaled by one factor, so it keeps its aspect, and anchored to the edges it
// was near, so it keeps its place.
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// A layer's place on the frame it was placed on: that frame's size in the
// layer's own pixels, and there the canvas item's position, turning centre
// and bounding box. What the canvas last showed of it is kept beside: a
// layer that no longer stands so was moved, resized or turned there.
struct LayerPlacement
{
    QSizeF frame;         // empty: not known (the canvas it stands on is its frame)
    QPointF pos;
    QPointF origin;
    QRectF box;
    QRectF shownBox;      // as the canvas last laid it out
    QSize shownSize;
    double shownRotation = 0.0;

    bool IsKnown() const { return frame.width() > 0 && frame.height() > 0; }
    // A layer as it stands on a canvas of that size, at that item scale,
    // position, turning centre and bounding box: on a frame of the canvas's
    // size over the scale, in the layer's own pixels.
    static LayerPlacement Standing(const QSizeF& canvas, double scale, const QPointF& pos, const QPointF& origin,
                                   const QRectF& box);
};

// How a layer placed on one frame stands on another: scaled by the smaller
// of the two sides' factors, and along the side with room to spare, kept at
// the edge it was near (its margin there scaled as its size is) or, between
// the two, as far from the centre as it was, scaled alike. A layer inside
// the frame it was placed on is inside the other one. On a frame of the same
// shape it is only scaled.
class FrameFit
{
public:
    FrameFit(const QSizeF& placedOn, const QRectF& box, const QSizeF& frame);

    double Scale() const { return m_scale; }
    // Added after scaling, in the frame's units.
    QPointF Offset() const { return m_offset; }
    bool SameShape() const { return m_sameShape; }
    QRectF Map(const QRectF& r) const
    {
        return QRectF(r.topLeft() * m_scale + m_offset, r.size() * m_scale);
    }

private:
    double m_scale = 1.0;
    QPointF m_offset;
    bool m_sameShape = true;
};
