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
    const int x = static_cast<int>(left * width);
    const int y = static_cast<int>(top * height);
    int cw = static_cast<int>((1.0 - left - right) * width);
    int ch = static_cast<int>((1.0 - top - bottom) * height);
    // The encoders want even sizes: an odd one grows by one, or shrinks by
    // one where growing would leave the frame; at least one pixel pair stays.
    const auto even = [](int size, int at, int frame) {
        if (size % 2 != 0)
            size += at + size + 1 <= frame ? 1 : -1;
        return qBound(qMin(2, frame), size, frame - (frame % 2));
    };
    cw = even(cw, x, width);
    ch = even(ch, y, height);
    const int cx = qMin(x, width - cw);
    const int cy = qMin(y, height - ch);
    return QRect(cx, cy, cw, ch);
}
