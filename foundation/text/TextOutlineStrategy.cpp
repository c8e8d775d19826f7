#include "TextOutlineStrategy.h"

namespace QTextDesigner {

ITextStrategy* TextOutlineStrategy::Clone()
{
    return CopyInto(new TextOutlineStrategy);
}

std::vector<TextRings::Ring> TextOutlineStrategy::Rings() const
{
    return {{m_ring, TextRings::RingWidth(m_thickness)}};
}

} // namespace QTextDesigner
