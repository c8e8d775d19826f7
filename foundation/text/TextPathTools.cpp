#include "TextPathTools.h"

#include <QColor>
#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace QTextDesigner {

namespace TextPathTools {

QString ToQString(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text, -1) : QString();
}

QPainterPath BuildPath(const QFont& font, const QString& text, QPoint pos, int inset)
{
    const QFontMetrics metrics(font);
    const int ascent = metrics.ascent();
    const int height = metrics.height();
    QPainterPath path;
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    for (int i = 0; i < lines.size(); ++i)
        path.addText(QPointF(pos.x() + inset, pos.y() + inset + ascent + i * height), font, lines.at(i));
    return path;
}

namespace {

// The rasterizer slows down sharply on the outline of a wide stroke around a
// whole line of text (it works through it in many small bands); the strokes
// of a few glyphs at a time are far cheaper. Splits at sub-path starts.
QList<QPainterPath> SplitSubpaths(const QPainterPath& path, int maxElements)
{
    QList<QPainterPath> parts;
    QPainterPath current;
    int count = 0;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (count >= maxElements) {
                parts.append(current);
                current = QPainterPath();
                count = 0;
            }
            current.moveTo(e.x, e.y);
            ++count;
            break;
        case QPainterPath::LineToElement:
            current.lineTo(e.x, e.y);
            ++count;
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < path.elementCount()) {
                const QPainterPath::Element c1 = path.elementAt(i + 1);
                const QPainterPath::Element c2 = path.elementAt(i + 2);
                current.cubicTo(e.x, e.y, c1.x, c1.y, c2.x, c2.y);
                i += 2;
                count += 3;
            }
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    if (count > 0)
        parts.append(current);
    return parts;
}

constexpr int kPartElements = 20;

} // namespace

void StrokeWithPen(QPainter* painter, const QPainterPath& path, const QPen& pen)
{
    const QColor colour = pen.color();
    const bool plain = painter->compositionMode() == QPainter::CompositionMode_SourceOver
        && pen.widthF() > 1.0 && path.elementCount() > kPartElements;
    if (!plain) {
        painter->setPen(pen);
        painter->drawPath(path);
        return;
    }
    if (colour.alpha() == 0)
        return; // draws nothing over what is there
    const QList<QPainterPath> parts = SplitSubpaths(path, kPartElements);
    if (colour.alpha() == 255) {
        // Opaque: the parts' strokes together cover what the whole stroke covers.
        painter->setPen(pen);
        for (const QPainterPath& part : parts)
            painter->drawPath(part);
        return;
    }
    // Translucent: where parts overlap they must not add up, so their union
    // is drawn opaque into a layer that is then laid on with the colour's alpha.
    QPaintDevice* device = painter->device();
    const QTransform toDevice = painter->combinedTransform();
    const qreal grow = pen.widthF();
    const QRect area = toDevice.mapRect(path.boundingRect().adjusted(-grow, -grow, grow, grow)).toAlignedRect()
                           .intersected(QRect(0, 0, device->width(), device->height()));
    if (area.isEmpty())
        return;
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull()) {
        painter->setPen(pen);
        painter->drawPath(path);
        return;
    }
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHints(painter->renderHints());
        layerPainter.setTransform(toDevice * QTransform::fromTranslate(-area.left(), -area.top()));
        QPen opaque = pen;
        opaque.setColor(QColor(colour.red(), colour.green(), colour.blue()));
        layerPainter.setPen(opaque);
        for (const QPainterPath& part : parts)
            layerPainter.drawPath(part);
    }
    painter->save();
    painter->resetTransform();
    painter->setOpacity(painter->opacity() * colour.alphaF());
    painter->drawImage(area.topLeft(), layer);
    painter->restore();
    painter->setPen(pen);
}

void Stroke(QPainter* painter, const QPainterPath& path, const QColor& colour, int width)
{
    StrokeWithPen(painter, path, QPen(QBrush(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Measure(const QFont& font, const QString& text, QPoint pos, int thickness, float* left,
             float* top, float* right, float* bottom)
{
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int height = metrics.height();
    const int half = static_cast<int>(std::lround(thickness * 0.5));
    const int l = pos.x() + half;
    const int t = pos.y() + half;
    if (left)
        *left = static_cast<float>(l);
    if (top)
        *top = static_cast<float>(t);
    if (right)
        *right = static_cast<float>(l + (widest + height + thickness));
    if (bottom)
        *bottom = static_cast<float>(t + (lines.size() * height + thickness));
}

} // namespace TextPathTools

} // namespace QTextDesigner
