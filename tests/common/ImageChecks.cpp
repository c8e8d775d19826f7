#include "ImageChecks.h"

#include <QtGlobal>

namespace ImageChecks {

QRect Box(const QImage& image, const Match& match)
{
    int l = image.width(), t = image.height(), r = -1, b = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y))) {
                l = qMin(l, x);
                t = qMin(t, y);
                r = qMax(r, x);
                b = qMax(b, y);
            }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

bool Near(const QRectF& got, const QRectF& want, double slack)
{
    return !got.isEmpty() && qAbs(got.left() - want.left()) <= slack && qAbs(got.top() - want.top()) <= slack
        && qAbs(got.right() - want.right()) <= slack && qAbs(got.bottom() - want.bottom()) <= slack;
}

QString Text(const QRectF& r)
{
    return QString::number(r.x()) + QLatin1Char(',') + QString::number(r.y()) + QLatin1Char(' ')
        + QString::number(r.width()) + QLatin1Char('x') + QString::number(r.height());
}

} // namespace ImageChecks
