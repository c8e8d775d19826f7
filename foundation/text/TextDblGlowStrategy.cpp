#include "TextDblGlowStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QPainterPath>

namespace QTextDesigner {

using namespace TextPathTools;

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
    std::vector<TextRings::Ring> rings;
    const int inner = TextRings::RingWidth(m_thickness1);
    const int outer = TextRings::RingWidth(static_cast<long long>(m_thickness1) + m_thickness2);
    for (int width = inner; width <= outer; ++width)
        rings.push_back({m_outline2, width});
    rings.push_back({m_outline1, inner});
    TextRings::Draw(painter, path, rings);
    m_fill.Fill(painter, path);
    return true;
}

} // namespace QTextDesigner
