#include "PictureTurn.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <cmath>

extern "C" {
#include <libavutil/display.h>
}

PictureTurn PictureTurn::FromMatrix(const int32_t* matrix)
{
    PictureTurn turn;
    if (!matrix)
        return turn;
    // The converter's reading: the angle rounded to a degree, clockwise,
    // brought into [0, 360) with values just below 360 taken as 0.
    double theta = -std::round(av_display_rotation_get(matrix));
    if (!std::isfinite(theta))
        return turn;
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    // A mirrored matrix reads as a turn whose flips it undoes; the converter
    // tells them by the signs of the matrix, and so does this.
    if (std::fabs(theta - 90) < 1.0) {
        turn.degrees = 90;
        turn.mirrored = matrix[3] > 0;        // a transpose: a quarter turn mirrored
    } else if (std::fabs(theta - 180) < 1.0) {
        const bool h = matrix[0] < 0;
        const bool v = matrix[4] < 0;
        turn.degrees = v ? 180 : 0;           // both flips: a half turn
        turn.mirrored = h != v;
    } else if (std::fabs(theta - 270) < 1.0) {
        turn.degrees = 270;
        turn.mirrored = matrix[3] < 0;
    } else if (std::fabs(theta) > 1.0) {
        turn.degrees = int(theta);
    } else if (matrix[4] < 0) {
        turn.degrees = 180;                   // an upside-down mirror image: a vertical flip
        turn.mirrored = true;
    }
    return turn;
}

QStringList PictureTurn::Filters() const
{
    switch (degrees) {
    case 0:
        return mirrored ? QStringList{QStringLiteral("hflip")} : QStringList();
    case 90:
        return {mirrored ? QStringLiteral("transpose=cclock_flip") : QStringLiteral("transpose=clock")};
    case 180:
        return mirrored ? QStringList{QStringLiteral("vflip")}
                        : QStringList{QStringLiteral("hflip"), QStringLiteral("vflip")};
    case 270:
        return {mirrored ? QStringLiteral("transpose=clock_flip") : QStringLiteral("transpose=cclock")};
    default:
        return {QStringLiteral("rotate=") + QString::number(degrees) + QStringLiteral("*PI/180")};
    }
}

QImage PictureTurn::Apply(const QImage& picture) const
{
    if (picture.isNull() || IsNone())
        return picture;
    QImage turned;
    switch (degrees) {
    case 0:
        turned = picture;
        break;
    case 90:
    case 270:
        turned = picture.transformed(QTransform().rotate(degrees));
        break;
    case 180:
        turned = picture.mirrored(true, true);
        break;
    default: {
        turned = QImage(picture.size(), picture.format());
        turned.fill(Qt::black);
        QPainter painter(&turned);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(picture.width() / 2.0, picture.height() / 2.0);
        painter.rotate(degrees);
        painter.drawImage(QPointF(-picture.width() / 2.0, -picture.height() / 2.0), picture);
        return turned;
    }
    }
    return mirrored ? turned.mirrored(true, false) : turned;
}
