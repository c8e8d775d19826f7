#pragma once
#include <QMetaType>

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
