#include "TextRings.h"

#include "TextPathTools.h"

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace QTextDesigner {

namespace TextRings {

namespace {

// Distance table resolution: sixteen bands per pixel are finer than the
// eye sees on an antialiased edge.
constexpr int kBandsPerPixel = 16;
// A part of a split path holds at least this many elements.
constexpr int kPartElements = 20;

struct Contour {
    QPainterPath path;
    QRectF bounds;
    int elements = 0;
};

// The closed contours of a path, each with the box of its control points
// (which holds its curves).
std::vector<Contour> Contours(const QPainterPath& path)
{
    std::vector<Contour> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement || contours.empty()) {
            contours.emplace_back();
            contours.back().path.moveTo(e.x, e.y);
            ++contours.back().elements;
            continue;
        }
        Contour& c = contours.back();
        if (e.type == QPainterPath::LineToElement) {
            c.path.lineTo(e.x, e.y);
            ++c.elements;
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPainterPath::Element c1 = path.elementAt(i + 1);
            const QPainterPath::Element c2 = path.elementAt(i + 2);
            c.path.cubicTo(e.x, e.y, c1.x, c1.y, c2.x, c2.y);
            c.elements += 3;
            i += 2;
        }
    }
    for (Contour& c : contours)
        c.bounds = c.path.controlPointRect();
    return contours;
}

// Groups of contours that can be filled apart without changing a pixel: a
// new group starts only at a contour whose box keeps a pixel's distance from
// the current group's box, so no hole is cut off from its glyph and no pixel
// is shared by two groups.
QList<QPainterPath> IndependentParts(const QPainterPath& path)
{
    QList<QPainterPath> parts;
    QPainterPath current;
    QRectF currentBounds;
    int count = 0;
    for (const Contour& c : Contours(path)) {
        const bool apart = !currentBounds.adjusted(-1.5, -1.5, 1.5, 1.5).intersects(c.bounds);
        if (count >= kPartElements && apart) {
            parts.append(current);
            current = QPainterPath();
            currentBounds = QRectF();
            count = 0;
        }
        current.addPath(c.path);
        currentBounds = count == 0 ? c.bounds : currentBounds.united(c.bounds);
        count += c.elements;
    }
    if (count > 0)
        parts.append(current);
    for (QPainterPath& part : parts)
        part.setFillRule(path.fillRule());
    return parts;
}

bool FastPathUsable(QPainter* painter)
{
    return painter && painter->isActive() && painter->device()
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver
        && painter->combinedTransform().type() <= QTransform::TxTranslate;
}

// Premultiplied colour of all rings laid over each other at each distance
// band from the outline.
std::vector<QRgb> BandColours(const std::vector<Ring>& rings, int bands, bool antialiased)
{
    std::vector<QRgb> table(static_cast<size_t>(bands), 0u);
    for (int i = 0; i < bands; ++i) {
        const double d = double(i) / kBandsPerPixel;
        double r = 0, g = 0, b = 0, a = 0;
        for (const Ring& ring : rings) {
            const double half = std::max(ring.width, 1) * 0.5;
            const double cover = antialiased ? std::clamp(half - d + 0.5, 0.0, 1.0) : (d <= half ? 1.0 : 0.0);
            const double sa = ring.colour.alphaF() * cover;
            if (sa <= 0)
                continue;
            r = ring.colour.redF() * sa + r * (1 - sa);
            g = ring.colour.greenF() * sa + g * (1 - sa);
            b = ring.colour.blueF() * sa + b * (1 - sa);
            a = sa + a * (1 - sa);
        }
        auto byte = [](double v) { return std::clamp(int(std::lround(v * 255.0)), 0, 255); };
        const int alpha = byte(a);
        table[static_cast<size_t>(i)] = qRgba(std::min(byte(r), alpha), std::min(byte(g), alpha),
                                              std::min(byte(b), alpha), alpha);
    }
    return table;
}

// Paints the rings into layer (premultiplied, the mask's size) from the
// coverage mask of the glyphs. Each pixel's signed distance to the outline
// comes from the nearest boundary pixel (exact two-pass Euclidean transform
// on pixel centres) corrected by that pixel's own coverage, which tells how
// far the edge lies from its centre: fractional distances keep the ring
// edges antialiased.
void PaintBands(const QImage& mask, QImage& layer, const std::vector<QRgb>& bands)
{
    const int w = mask.width();
    const int h = mask.height();
    const size_t n = size_t(w) * size_t(h);
    auto cov = [&mask](int x, int y) { return int(mask.constScanLine(y)[x]); };

    // Boundary pixels: partly covered, or covered next to an empty one.
    std::vector<uint8_t> seed(n, 0);
    for (int y = 0; y < h; ++y) {
        const uchar* row = mask.constScanLine(y);
        const uchar* above = y > 0 ? mask.constScanLine(y - 1) : nullptr;
        const uchar* below = y + 1 < h ? mask.constScanLine(y + 1) : nullptr;
        for (int x = 0; x < w; ++x) {
            const int c = row[x];
            if (c == 0)
                continue;
            const bool edge = c < 255 || (x > 0 && row[x - 1] == 0) || (x + 1 < w && row[x + 1] == 0)
                || (above && above[x] == 0) || (below && below[x] == 0);
            seed[size_t(y) * size_t(w) + size_t(x)] = edge ? 1 : 0;
        }
    }

    // Pass 1, along the columns (walked row by row for the cache): the
    // nearest boundary row in each pixel's column, -1 for none.
    std::vector<int> nearest(n, -1);
    std::vector<int> last(size_t(w), -1);
    for (int y = 0; y < h; ++y) {
        const size_t base = size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            if (seed[base + size_t(x)])
                last[size_t(x)] = y;
            nearest[base + size_t(x)] = last[size_t(x)];
        }
    }
    std::fill(last.begin(), last.end(), -1);
    for (int y = h - 1; y >= 0; --y) {
        const size_t base = size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            if (seed[base + size_t(x)])
                last[size_t(x)] = y;
            const int up = nearest[base + size_t(x)];
            const int down = last[size_t(x)];
            if (up < 0 || (down >= 0 && down - y < y - up))
                nearest[base + size_t(x)] = down;
        }
    }

    // Pass 2, along the rows: the lower envelope of the parabolas
    // (x - q)^2 + f(q) gives each pixel its nearest boundary pixel.
    const double inf = std::numeric_limits<double>::infinity();
    const long count = long(bands.size());
    const double reach = double(count) / kBandsPerPixel + 1.0;
    const double reach2 = reach * reach;
    std::vector<double> f(static_cast<size_t>(w));
    std::vector<int> v(static_cast<size_t>(w));
    std::vector<double> z(size_t(w) + 1);
    for (int y = 0; y < h; ++y) {
        const size_t base = size_t(y) * size_t(w);
        int k = -1;
        for (int q = 0; q < w; ++q) {
            const int r = nearest[base + size_t(q)];
            const double fq = r < 0 ? inf : double(y - r) * double(y - r);
            f[size_t(q)] = fq;
            if (r < 0)
                continue;
            if (k < 0) {
                k = 0;
                v[0] = q;
                z[0] = -inf;
                z[1] = inf;
                continue;
            }
            double s = 0;
            for (;;) {
                const int p = v[size_t(k)];
                s = ((fq + double(q) * q) - (f[size_t(p)] + double(p) * p)) / (2.0 * (q - p));
                if (s > z[size_t(k)])
                    break;
                --k; // z[0] is -inf: k stays at 0 or above
            }
            ++k;
            v[size_t(k)] = q;
            z[size_t(k)] = s;
            z[size_t(k) + 1] = inf;
        }
        if (k < 0)
            continue;
        QRgb* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        const uchar* own = mask.constScanLine(y);
        int j = 0;
        for (int x = 0; x < w; ++x) {
            while (z[size_t(j) + 1] < x)
                ++j;
            const int p = v[size_t(j)];
            const double d2 = double(x - p) * double(x - p) + f[size_t(p)];
            if (d2 > reach2)
                continue;
            const int qy = nearest[base + size_t(p)];
            const double edgeOffset = 0.5 - cov(p, qy) / 255.0; // centre of q to the edge, outward positive
            const double distance = std::sqrt(d2);
            const double signedDistance = own[x] >= 128 ? edgeOffset - distance : edgeOffset + distance;
            const long band = static_cast<long>(std::fabs(signedDistance) * kBandsPerPixel + 0.5);
            if (band < count)
                out[x] = bands[size_t(band)];
        }
    }
}

} // namespace

void FillPath(QPainter* painter, const QPainterPath& path, const QBrush& brush)
{
    if (!painter)
        return;
    if (path.elementCount() <= kPartElements) {
        painter->fillPath(path, brush);
        return;
    }
    const QList<QPainterPath> parts = IndependentParts(path);
    for (const QPainterPath& part : parts)
        painter->fillPath(part, brush);
}

namespace {

// Rings of one pixel or more, none of them transparent.
void DrawField(QPainter* painter, const QPainterPath& path, const std::vector<Ring>& shown, qint64 fieldPixels)
{
    int widest = 1;
    for (const Ring& ring : shown)
        widest = std::max(widest, ring.width);
    auto strokeEach = [&]() {
        for (const Ring& ring : shown)
            TextPathTools::Stroke(painter, path, ring.colour, ring.width);
    };
    if (!FastPathUsable(painter)) {
        strokeEach();
        return;
    }

    // Every pixel a ring can reach, as far as the device (with the reach
    // beyond it, so glyphs just outside still cast their rings inside).
    const QTransform toDevice = painter->combinedTransform();
    const int margin = widest / 2 + 4;
    const QPaintDevice* device = painter->device();
    const QRect deviceArea = QRect(0, 0, device->width(), device->height()).adjusted(-margin, -margin, margin, margin);
    const QRect area = toDevice.mapRect(path.controlPointRect()).toAlignedRect()
                           .adjusted(-margin, -margin, margin, margin).intersected(deviceArea);
    if (area.isEmpty())
        return;
    // Tall areas are worked through in strips, each with the margin of rows
    // around it that its rings can reach from.
    const qint64 rowsFit = std::min(fieldPixels, kMaxFieldPixels) / area.width() - 2 * margin;
    if (rowsFit < 1) {
        strokeEach();
        return;
    }
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);
    const std::vector<QRgb> colours = BandColours(shown, (widest / 2 + 2) * kBandsPerPixel, antialiased);
    for (int top = area.top(); top <= area.bottom(); top += int(rowsFit)) {
        const QRect strip(area.left(), top, area.width(), int(std::min<qint64>(rowsFit, area.bottom() - top + 1)));
        const QRect field = strip.adjusted(0, -margin, 0, margin).intersected(area);
        QImage mask(field.size(), QImage::Format_Alpha8);
        QImage layer(field.size(), QImage::Format_ARGB32_Premultiplied);
        if (mask.isNull() || layer.isNull()) {
            // Out of memory: the first strip can still fall back to strokes.
            if (top == area.top())
                strokeEach();
            return;
        }
        mask.fill(0);
        layer.fill(0);
        {
            QPainter maskPainter(&mask);
            maskPainter.setRenderHint(QPainter::Antialiasing, true);
            maskPainter.setTransform(toDevice * QTransform::fromTranslate(-field.left(), -field.top()));
            FillPath(&maskPainter, path, QBrush(Qt::black));
        }
        PaintBands(mask, layer, colours);
        painter->save();
        painter->resetTransform();
        painter->drawImage(strip.topLeft(), layer, QRect(0, strip.top() - field.top(), strip.width(), strip.height()));
        painter->restore();
    }
}

} // namespace

void Draw(QPainter* painter, const QPainterPath& path, const std::vector<Ring>& rings, qint64 fieldPixels)
{
    if (!painter || path.isEmpty())
        return;
    std::vector<Ring> run;
    auto flush = [&]() {
        if (!run.empty())
            DrawField(painter, path, run, fieldPixels);
        run.clear();
    };
    for (const Ring& ring : rings) {
        if (ring.colour.alpha() == 0)
            continue; // a transparent stroke changes nothing under SourceOver
        if (ring.width <= 0) {
            // The one-pixel pen is the painter's own thin line, which is cheap.
            flush();
            TextPathTools::Stroke(painter, path, ring.colour, 0);
            continue;
        }
        run.push_back({ring.colour, RingWidth(ring.width)});
    }
    flush();
}

} // namespace TextRings

} // namespace QTextDesigner
