#pragma once
// Stroke rings around glyph outlines, computed from a distance field instead
// of one wide painter stroke per ring: the glyphs are rasterised once into a
// coverage mask, an exact Euclidean distance transform gives every pixel its
// distance to the outline, and all rings (a glow is many of them) become one
// colour per distance band, laid on in one image.
#include <QColor>
#include <QtGlobal>
#include <limits>
#include <vector>

class QPainter;
class QPainterPath;
class QBrush;

namespace QTextDesigner {

namespace TextRings {

// One round-capped, round-joined stroke of the outline: it covers what lies
// within width / 2 of the outline on both sides. Width 0 or less is the
// painter's one-pixel pen, drawn by the painter itself.
struct Ring {
    QColor colour;
    int width = 0;
};

// Rings are drawn at most this wide: far beyond any thickness a styled text
// asks for, and it keeps the band tables and margins in range.
constexpr int kMaxRingWidth = 4000;
// A width for a ring, sums of thicknesses included, cut to kMaxRingWidth.
inline int RingWidth(long long width)
{
    const long long lowest = std::numeric_limits<int>::min();
    return width > kMaxRingWidth ? kMaxRingWidth : static_cast<int>(width < lowest ? lowest : width);
}

// The working arrays (about ten bytes a pixel) cover at most this many
// pixels at a time; a taller area is worked through in strips.
constexpr qint64 kMaxFieldPixels = 16LL * 1024 * 1024;

// Draws the rings in order (later ones on top) as strokes of path would be
// drawn with painter, antialiased as the painter is. fieldPixels lowers the
// strip size.
void Draw(QPainter* painter, const QPainterPath& path, const std::vector<Ring>& rings,
          qint64 fieldPixels = kMaxFieldPixels);

// Fills path as QPainter::fillPath does; a long line of glyphs is filled a
// few glyphs at a time, which the rasteriser does several times faster.
void FillPath(QPainter* painter, const QPainterPath& path, const QBrush& brush);

} // namespace TextRings

} // namespace QTextDesigner
