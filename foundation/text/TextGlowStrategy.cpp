#include "TextGlowStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QPainterPath>

namespace QTextDesigner {

using namespace TextPathTools;

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
    std::vector<TextRings::Ring> rings;
    for (int width = 1; width <= TextRings::RingWidth(m_thickness); ++width)
        rings.push_back({m_glow, width});
    TextRings::Draw(painter, path, rings);
    m_fill.Fill(painter, path);
    return true;
}

} // namespace QTextDesigner
