#include "TextDblGlowStrategy.h"

#include "TextPathTools.h"

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
    for (int width = m_thickness1; width <= m_thickness1 + m_thickness2; ++width)
        Stroke(painter, path, m_outline2, width);
    Stroke(painter, path, m_outline1, m_thickness1);
    m_fill.Fill(painter, path);
    return true;
}

} // namespace QTextDesigner
