#include "LayerPlacement.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

LayerPlacement LayerPlacement::Standing(const QSizeF& canvas, double scale, const QPointF& pos,
                                        const QPointF& origin, const QRectF& box)
{
    LayerPlacement placed;
    if (!(scale > 0.0) || !std::isfinite(scale))
        scale = 1.0;
    placed.origin = origin;
    if (scale == 1.0) {
        placed.frame = canvas;
        placed.pos = pos;
        placed.box = box;
        return placed;
    }
    // Scaled about its turning centre: the same picture unscaled, on a frame
    // as much larger.
    placed.frame = canvas / scale;
    placed.pos = (pos + origin) / scale - origin;
    placed.box = QRectF(box.topLeft() / scale, box.size() / scale);
    return placed;
}

namespace {

// The shift along one side with `room` to spare: none near the first edge,
// all of it near the second, half of it between them.
double Shift(double low, double high, double length, double room)
{
    if (room <= 0.0)
        return 0.0;
    const double before = low;
    const double after = length - high;
    if (before + after > 0.0) {
        const double t = before / (before + after);
        if (t < 1.0 / 3.0)
            return 0.0;
        if (t > 2.0 / 3.0)
            return room;
    }
    return room / 2.0;
}

} // namespace

FrameFit::FrameFit(const QSizeF& placedOn, const QRectF& box, const QSizeF& frame)
{
    const double pw = placedOn.width();
    const double ph = placedOn.height();
    const double fw = frame.width();
    const double fh = frame.height();
    if (!(pw > 0.0 && ph > 0.0 && fw > 0.0 && fh > 0.0))
        return;
    const double sx = fw / pw;
    const double sy = fh / ph;
    // Sides a rounding error apart are one shape: a layer placed on a frame
    // it was scaled on comes back where it was.
    m_sameShape = std::fabs(sx - sy) <= 1e-9 * std::max(sx, sy);
    if (m_sameShape) {
        m_scale = sx;
        return;
    }
    m_scale = std::min(sx, sy);
    if (sx > sy)
        m_offset.setX(Shift(box.left(), box.right(), pw, fw - pw * m_scale));
    else
        m_offset.setY(Shift(box.top(), box.bottom(), ph, fh - ph * m_scale));
}
