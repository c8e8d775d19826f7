#pragma once
// Finding a colour in a picture (a screen grab, a converted frame) and
// comparing where it lies with where it should.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>

#include <functional>

namespace ImageChecks {

using Match = std::function<bool(QColor)>;

// The smallest rectangle holding every matching pixel; null when none does.
QRect Box(const QImage& image, const Match& match);

// Every edge of `got` within `slack` of `want`'s; an empty `got` (the colour
// was not found) is never near.
bool Near(const QRectF& got, const QRectF& want, double slack);

// "x,y wxh", for failure messages.
QString Text(const QRectF& r);

} // namespace ImageChecks
