#include "TextStrategies.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStringList>
#include <cmath>

namespace QTextDesigner {

// ---- fill ------------------------------------------------------------------

void TextFill::SetColour(const QColor& c)
{
    colour = c;
    useColour = true;
}

void TextFill::SetBrush(QBrush* b)
{
    brush = b;
    useColour = false;
    m_owned.reset();
}

void TextFill::Fill(QPainter* painter, const QPainterPath& path) const
{
    if (useColour)
        painter->fillPath(path, QBrush(colour));
    else if (brush)
        painter->fillPath(path, *brush);
}

void TextFill::CloneFrom(const TextFill& source)
{
    if (source.useColour) {
        SetColour(source.colour);
        return;
    }
    if (source.brush) {
        m_owned = std::make_shared<QBrush>(*source.brush);
        brush = m_owned.get();
    } else {
        m_owned.reset();
        brush = nullptr;
    }
    useColour = false;
}

// ---- path helpers ------------------------------------------------------------

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

using namespace TextPathTools;

bool TextImplGetHeight::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                      float* top, float* right, float* bottom)
{
    Measure(*font, ToQString(text), pos, m_thickness, left, top, right, bottom);
    return true;
}

// ---- outline ---------------------------------------------------------------

void TextOutlineStrategy::Init(QColor text, QColor outline, int thickness)
{
    m_fill.SetColour(text);
    m_outline = outline;
    m_thickness = thickness;
}

void TextOutlineStrategy::Init(QBrush* text, QColor outline, int thickness)
{
    m_fill.SetBrush(text);
    m_outline = outline;
    m_thickness = thickness;
}

ITextStrategy* TextOutlineStrategy::Clone()
{
    auto* copy = new TextOutlineStrategy;
    copy->m_thickness = m_thickness;
    copy->m_outline = m_outline;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool TextOutlineStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                                     QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, m_thickness / 2);
    Stroke(painter, path, m_outline, m_thickness);
    m_fill.Fill(painter, path);
    return true;
}

// ---- glow ------------------------------------------------------------------

void TextGlowStrategy::Init(QColor text, QColor glow, int thickness)
{
    m_fill.SetColour(text);
    m_glow = glow;
    m_thickness = thickness;
}

void TextGlowStrategy::Init(QBrush* text, QColor glow, int thickness)
{
    m_fill.SetBrush(text);
    m_glow = glow;
    m_thickness = thickness;
}

ITextStrategy* TextGlowStrategy::Clone()
{
    auto* copy = new TextGlowStrategy;
    copy->m_thickness = m_thickness;
    copy->m_glow = m_glow;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool TextGlowStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                                  QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, m_thickness / 2);
    // Overlapping widening strokes: a translucent glow builds up towards the glyphs.
    for (int width = 1; width <= m_thickness; ++width)
        Stroke(painter, path, m_glow, width);
    m_fill.Fill(painter, path);
    return true;
}

// ---- outline only ------------------------------------------------------------

void TextOnlyOutlineStrategy::Init(QColor outline, int thickness, bool roundJoins)
{
    m_outline = outline;
    m_thickness = thickness;
    m_roundJoins = roundJoins;
}

ITextStrategy* TextOnlyOutlineStrategy::Clone()
{
    auto* copy = new TextOnlyOutlineStrategy;
    copy->Init(m_outline, m_thickness, m_roundJoins);
    return copy;
}

bool TextOnlyOutlineStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                         QPoint pos, QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, m_thickness / 2);
    if (m_roundJoins) {
        Stroke(painter, path, m_outline, m_thickness);
    } else {
        StrokeWithPen(painter, path, QPen(QBrush(m_outline), m_thickness, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    }
    return true;
}

// ---- gradient outline ----------------------------------------------------------

namespace {

// The gradient strategies draw their colours opaque.
QColor Opaque(const QColor& c)
{
    return c.alpha() < 255 ? QColor(c.red(), c.green(), c.blue()) : c;
}

} // namespace

void TextGradOutlineLastStrategy::Init(QColor text, QColor gradColour1, QColor gradColour2,
                                       int thickness, GradientType type)
{
    m_fill.SetColour(text);
    m_grad1 = Opaque(gradColour1);
    m_grad2 = Opaque(gradColour2);
    m_thickness = thickness;
    m_type = type;
}

void TextGradOutlineLastStrategy::Init(QBrush* text, QColor gradColour1, QColor gradColour2,
                                       int thickness, GradientType type)
{
    m_fill.SetBrush(text);
    m_grad1 = Opaque(gradColour1);
    m_grad2 = Opaque(gradColour2);
    m_thickness = thickness;
    m_type = type;
}

ITextStrategy* TextGradOutlineLastStrategy::Clone()
{
    auto* copy = new TextGradOutlineLastStrategy;
    copy->Init(m_fill.colour, m_grad1, m_grad2, m_thickness, m_type);
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

ITextStrategy* TextGradOutlineStrategy::Clone()
{
    auto* copy = new TextGradOutlineStrategy;
    copy->Init(m_fill.colour, m_grad1, m_grad2, m_thickness, m_type);
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

void TextGradOutlineStrategy::CalculateGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out)
{
    TextGradOutlineLastStrategy::CalculateGradient(c1, c2, t, out);
}

bool TextGradOutlineLastStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                             QPoint pos, QTextOption*)
{
    std::vector<QColor> table;
    if (m_type == GradientCurved)
        CalculateCurvedGradient(m_grad1, m_grad2, m_thickness, table);
    else
        CalculateGradient(m_grad1, m_grad2, m_thickness, table);

    const QPainterPath path = BuildPath(*font, ToQString(text), pos, m_thickness / 2);
    // Widest first, so entry 0 (near c1) ends next to the glyphs. A table
    // shorter than the thickness (its image could not be made) only colours
    // the strokes it has entries for.
    for (int width = m_thickness; width >= 1; --width) {
        if (static_cast<size_t>(width - 1) < table.size())
            Stroke(painter, path, table[static_cast<size_t>(width - 1)], width);
    }
    m_fill.Fill(painter, path);
    return true;
}

void TextGradOutlineLastStrategy::CalculateGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out)
{
    if (t < 1)
        return;
    out.clear();
    QLinearGradient gradient(0, 0, t, 0);
    gradient.setColorAt(0, c1);
    gradient.setColorAt(1, c2);
    QImage image(t, 1, QImage::Format_ARGB32);
    if (image.isNull())
        return;
    {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QBrush(gradient));
    }
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out.emplace_back(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
    }
}

void TextGradOutlineLastStrategy::CalculateCurvedGradient(QColor c1, QColor c2, int t,
                                                          std::vector<QColor>& out)
{
    out.clear();
    if (t <= 0)
        return;
    out.reserve(static_cast<size_t>(t));
    auto channel = [](int a, int b, double r) {
        const int v = static_cast<int>(a * r + b * (1.0 - r));
        return v >= 256 ? 255 : (v <= 0 ? 0 : v);
    };
    for (int k = 0; k < t; ++k) {
        const double r = std::sin(static_cast<double>(k) / t * -90.0 * 3.141592653589793 / 180.0) + 1.0;
        out.emplace_back(channel(c1.red(), c2.red(), r), channel(c1.green(), c2.green(), r),
                         channel(c1.blue(), c2.blue(), r));
    }
}

double TextGradOutlineLastStrategy::GetRadians(double degrees)
{
    return degrees * 3.141592653589793 / 180.0;
}

int TextGradOutlineLastStrategy::Clamp(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// ---- fill only -------------------------------------------------------------------

void TextNoOutlineStrategy::Init(QColor text)
{
    m_fill.SetColour(text);
}

void TextNoOutlineStrategy::Init(QBrush* text)
{
    m_fill.SetBrush(text);
}

ITextStrategy* TextNoOutlineStrategy::Clone()
{
    auto* copy = new TextNoOutlineStrategy;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool TextNoOutlineStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                       QPoint pos, QTextOption*)
{
    m_fill.Fill(painter, BuildPath(*font, ToQString(text), pos, 0));
    return true;
}

bool TextNoOutlineStrategy::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                          float* top, float* right, float* bottom)
{
    // The thickness-0 box, without the inset.
    Measure(*font, ToQString(text), pos, 0, left, top, right, bottom);
    return true;
}

// ---- double outline and double glow ----------------------------------------------

void TextDblOutlineStrategy::Init(QColor text, QColor outline1, QColor outline2, int thickness1,
                                  int thickness2)
{
    m_fill.SetColour(text);
    m_outline1 = outline1;
    m_outline2 = outline2;
    m_thickness1 = thickness1;
    m_thickness2 = thickness2;
}

void TextDblOutlineStrategy::Init(QBrush* text, QColor outline1, QColor outline2, int thickness1,
                                  int thickness2)
{
    m_fill.SetBrush(text);
    m_outline1 = outline1;
    m_outline2 = outline2;
    m_thickness1 = thickness1;
    m_thickness2 = thickness2;
}

int TextDblOutlineStrategy::Inset() const
{
    return static_cast<int>(std::floor((m_thickness1 + m_thickness2) * 0.5 + 0.5));
}

void TextDblOutlineStrategy::CopyTo(TextDblOutlineStrategy* other) const
{
    other->m_outline1 = m_outline1;
    other->m_outline2 = m_outline2;
    other->m_thickness1 = m_thickness1;
    other->m_thickness2 = m_thickness2;
    other->m_fill.CloneFrom(m_fill);
}

ITextStrategy* TextDblOutlineStrategy::Clone()
{
    auto* copy = new TextDblOutlineStrategy;
    CopyTo(copy);
    return copy;
}

bool TextDblOutlineStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                        QPoint pos, QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, Inset());
    Stroke(painter, path, m_outline2, m_thickness1 + m_thickness2);
    Stroke(painter, path, m_outline1, m_thickness1);
    m_fill.Fill(painter, path);
    return true;
}

bool TextDblOutlineStrategy::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                           float* top, float* right, float* bottom)
{
    Measure(*font, ToQString(text), pos, m_thickness1 + m_thickness2, left, top, right, bottom);
    return true;
}

ITextStrategy* TextDblGlowStrategy::Clone()
{
    auto* copy = new TextDblGlowStrategy;
    CopyTo(copy);
    return copy;
}

bool TextDblGlowStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                                     QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, Inset());
    for (int width = m_thickness1; width <= m_thickness1 + m_thickness2; ++width)
        Stroke(painter, path, m_outline2, width);
    Stroke(painter, path, m_outline1, m_thickness1);
    m_fill.Fill(painter, path);
    return true;
}

} // namespace QTextDesigner
