#include "TextGradOutlineLastStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace QTextDesigner {

using namespace TextPathTools;

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
    const int widest = static_cast<int>(std::min<long long>(m_thickness, static_cast<long long>(table.size())));
    std::vector<TextRings::Ring> rings;
    for (int width = widest; width >= 1; --width)
        rings.push_back({table[static_cast<size_t>(width - 1)], width});
    TextRings::Draw(painter, path, rings);
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
    // A new image holds whatever memory held: a translucent stop would be
    // blended over it, so the pixels start transparent.
    image.fill(Qt::transparent);
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

} // namespace QTextDesigner
