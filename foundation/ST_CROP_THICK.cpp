#include "ST_CROP_THICK.h"

#include <QtGlobal>

namespace {

double Fraction(double value)
{
    if (!(value > 0.0))   // NaN and negatives
        return 0.0;
    return value < 1.0 ? value : 1.0;
}

} // namespace

QRect CropKeptRect(const QSize& frame, double left, double top, double right, double bottom)
{
    const int width = frame.width();
    const int height = frame.height();
    if (width <= 0 || height <= 0)
        return QRect();
    left = Fraction(left);
    top = Fraction(top);
    right = Fraction(right);
    bottom = Fraction(bottom);
    // Every product below lies within -size..size, so the casts cannot overflow.
    int cw = static_cast<int>((1.0 - left - right) * width);
    int ch = static_cast<int>((1.0 - top - bottom) * height);
    // The encoders want even sizes: lower an odd one, never past the frame,
    // and keep at least one pixel pair.
    cw = qBound(qMin(2, width), cw - (cw % 2), width - (width % 2));
    ch = qBound(qMin(2, height), ch - (ch % 2), height - (height % 2));
    const int cx = qMin(static_cast<int>(left * width), width - cw);
    const int cy = qMin(static_cast<int>(top * height), height - ch);
    return QRect(cx, cy, cw, ch);
}
