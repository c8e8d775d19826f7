#include "PictureGeometry.h"
#include "MediaFunctions.h"

#include <QtGlobal>

#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
}

QSize PictureGeometry::Turned() const
{
    return turn.Swaps() ? stored.transposed() : stored;
}

PixelAspect PictureGeometry::TurnedAspect() const
{
    return turn.Swaps() ? storedAspect.Inverted() : storedAspect;
}

QSize PictureGeometry::Shown() const
{
    const QSize turned = Turned();
    const PixelAspect aspect = TurnedAspect();
    return ShownPictureSize(turned.width(), turned.height(), aspect.num, aspect.den);
}

PictureGeometry PictureGeometry::Read(AVFormatContext* file, AVStream* stream)
{
    PictureGeometry geometry;
    if (!stream)
        return geometry;
    geometry.stored = QSize(stream->codecpar->width, stream->codecpar->height);
    const uint8_t* matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr);
    geometry.turn = PictureTurn::FromMatrix(reinterpret_cast<const int32_t*>(matrix));
    const AVRational sar = av_guess_sample_aspect_ratio(file, stream, nullptr);
    if (sar.num > 0 && sar.den > 0)
        geometry.storedAspect = PixelAspect{sar.num, sar.den};
    const AVFieldOrder order = stream->codecpar->field_order;
    if (order != AV_FIELD_UNKNOWN)
        geometry.fields = order == AV_FIELD_PROGRESSIVE ? PictureFields::Progressive : PictureFields::Woven;
    return geometry;
}

QSize ShownPictureSize(int width, int height, int sarNum, int sarDen)
{
    if (width <= 0 || height <= 0)
        return QSize();
    if (sarNum <= 0 || sarDen <= 0 || sarNum == sarDen)
        return QSize(width, height);
    // Beyond any picture allowed, and still an int.
    constexpr double kBeyond = 1 << 20;
    QSize shown(width, height);
    if (sarNum > sarDen)
        shown.setWidth(int(qMin<double>(std::lround(double(width) * sarNum / sarDen), kBeyond)));
    else
        shown.setHeight(int(qMin<double>(std::lround(double(height) * sarDen / sarNum), kBeyond)));
    // An aspect no picture has would make a picture no one could hold.
    if (!PictureSizeAllowed(shown.width(), shown.height()))
        return QSize(width, height);
    return shown;
}
