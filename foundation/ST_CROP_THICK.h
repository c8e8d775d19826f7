#pragma once
#include <QMetaType>
#include <QRect>
#include <QSize>

// A crop result: the margin cut off each side as a fraction (0..1) of the
// displayed frame's width or height, and whether a crop was made at all.
struct ST_CROP_THICK
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    bool changed = false;
};

Q_DECLARE_METATYPE(ST_CROP_THICK)

// The pixels a crop keeps of a frame of that size, given the margins cut off
// each side as fractions (out-of-range values and NaN are clamped to 0..1).
// An odd kept size is raised to even, or lowered where raising would leave
// the frame; it keeps at least one pixel pair; empty for an empty frame. The filter graph, the canvas and
// the crop dialog all crop by this one rule.
QRect CropKeptRect(const QSize& frame, double left, double top, double right, double bottom);
