#include "ExtrudeStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace QTextDesigner {

using namespace TextPathTools;

void ExtrudeStrategy::SetOffsets(int offsetX, int offsetY)
{
    m_offsetX = std::clamp(offsetX, -kMaxOffset, kMaxOffset);
    m_offsetY = std::clamp(offsetY, -kMaxOffset, kMaxOffset);
}

void ExtrudeStrategy::Init(QColor text, QColor outline, int thickness, int offsetX, int offsetY)
{
    m_fill.SetColour(text);
    m_outline = outline;
    m_thickness = thickness;
    SetOffsets(offsetX, offsetY);
}

void ExtrudeStrategy::Init(QBrush* text, QColor outline, int thickness, int offsetX, int offsetY)
{
    m_fill.SetBrush(text);
    m_outline = outline;
    m_thickness = thickness;
    SetOffsets(offsetX, offsetY);
}

ITextStrategy* ExtrudeStrategy::Clone()
{
    auto* copy = new ExtrudeStrategy;
    copy->m_thickness = m_thickness;
    copy->m_offsetX = m_offsetX;
    copy->m_offsetY = m_offsetY;
    copy->m_outline = m_outline;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool ExtrudeStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                                 QTextOption*)
{
    const int n = std::min(std::abs(m_offsetX), std::abs(m_offsetY));
    if (n == 0)
        return true;
    const QFontMetrics metrics(*font);
    const int ascent = metrics.ascent();
    const int height = metrics.height();
    const QStringList lines = ToQString(text).split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    // Copy 0 at pos, each later one a step back towards pos - offset, on top.
    for (int i = 0; i < n; ++i) {
        const int dx = -(m_offsetX * i) / n;
        const int dy = -(m_offsetY * i) / n;
        QPainterPath path;
        for (int j = 0; j < lines.size(); ++j)
            path.addText(QPointF(pos.x() + dx, pos.y() + ascent + j * height + dy), *font, lines.at(j));
        TextRings::Draw(painter, path, {{m_outline, TextRings::RingWidth(m_thickness)}});
        m_fill.Fill(painter, path);
    }
    return true;
}

bool ExtrudeStrategy::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                    float* top, float* right, float* bottom)
{
    Measure(*font, ToQString(text), pos, m_thickness, left, top, right, bottom);
    return true;
}

} // namespace QTextDesigner
