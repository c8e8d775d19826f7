#include "QImageFuns.h"

#include <algorithm>

namespace {

bool ColumnVisible(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(x, y)) != 0)
            return true;
    }
    return false;
}

bool RowVisible(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) != 0)
            return true;
    }
    return false;
}

} // namespace

QRect QImageFuns::AutoExpand(QImage* image, int margin)
{
    const int w = image->width();
    const int h = image->height();

    int left = 0;
    while (left < w && !ColumnVisible(*image, left))
        ++left;
    int rightClear = 0;
    while (rightClear < w && !ColumnVisible(*image, w - 1 - rightClear))
        ++rightClear;
    int top = 0;
    while (top < h && !RowVisible(*image, top))
        ++top;
    int bottomClear = 0;
    while (bottomClear < h && !RowVisible(*image, h - 1 - bottomClear))
        ++bottomClear;

    return QRect(QPoint(std::max(left - margin, 0), std::max(top - margin, 0)),
                 QPoint(w + std::min(margin - rightClear, 0), h + std::min(margin - bottomClear, 0)));
}
