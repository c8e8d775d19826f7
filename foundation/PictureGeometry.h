#pragma once
// The geometry of a video's pictures: as the stream stores them, and as the
// converter, the preview and players show them. Read from a stream in one
// place, so every part of the program sees the same picture.
#include "PictureTurn.h"

#include <QSize>

struct AVFormatContext;
struct AVStream;

// The shape of a pixel: num / den as wide as it is high.
struct PixelAspect
{
    int num = 1;
    int den = 1;

    bool IsSquare() const { return num == den; }
    // The aspect of the same pixel a quarter turn later.
    PixelAspect Inverted() const { return {den, num}; }
};

// How the rows of a stream's pictures were taken: all at one moment, or as
// two fields woven line by line, taken at two moments.
enum class PictureFields { Unknown, Progressive, Woven };

struct PictureGeometry
{
    QSize stored;               // the pictures as the stream stores them; empty without a picture
    PictureTurn turn;           // how the converter and players turn them (display matrix)
    PixelAspect storedAspect;   // of a stored pixel; square where the file tells no valid one
    // As the stream's field order tells; where it tells none, as its first
    // decoded pictures are marked, once some were.
    PictureFields fields = PictureFields::Unknown;

    // The pictures as the converter hands them to the filters: turned, so a
    // quarter turn swaps the sides.
    QSize Turned() const;
    // The aspect of a pixel of the turned picture: a quarter turn inverts it.
    PixelAspect TurnedAspect() const;
    // The picture as a player shows it: turned, with the side its pixels'
    // aspect lengthens stretched (none is shrunk). Empty without a picture.
    QSize Shown() const;

    // The geometry of a picture stream of an opened file: the stream's stored
    // size, its display matrix as the converter reads it, and the sample
    // aspect the converter gives its pictures (the container's, else the
    // codec's), and its field order where it tells one.
    static PictureGeometry Read(AVFormatContext* file, AVStream* stream);
};

// The size a picture of width x height pixels of that aspect is shown at:
// the side it lengthens stretched, rounded to the nearest pixel; the size
// itself for square pixels, an invalid aspect, or an aspect no picture has.
QSize ShownPictureSize(int width, int height, int sarNum, int sarDen);
