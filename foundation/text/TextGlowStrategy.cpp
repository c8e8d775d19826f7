#include "TextGlowStrategy.h"

namespace QTextDesigner {

ITextStrategy* TextGlowStrategy::Clone()
{
    return CopyInto(new TextGlowStrategy);
}

std::vector<TextRings::Ring> TextGlowStrategy::Rings() const
{
    // Overlapping widening strokes: a translucent glow builds up towards the glyphs.
    std::vector<TextRings::Ring> rings;
    for (int width = 1; width <= TextRings::RingWidth(m_thickness); ++width)
        rings.push_back({m_ring, width});
    return rings;
}

} // namespace QTextDesigner
