#include "DiffusedShadowStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace QTextDesigner {

using namespace TextPathTools;

void DiffusedShadowStrategy::Init(QColor text, QColor outline, int thickness, bool fillOnce)
{
    m_fill.SetColour(text);
    m_outline = outline;
    m_thickness = thickness;
    m_fillOnce = fillOnce;
}

void DiffusedShadowStrategy::Init(QBrush* text, QColor outline, int thickness, bool fillOnce)
{
    m_fill.SetBrush(text);
    m_outline = outline;
    m_thickness = thickness;
    m_fillOnce = fillOnce;
}

ITextStrategy* DiffusedShadowStrategy::Clone()
{
    auto* copy = new DiffusedShadowStrategy;
    copy->m_thickness = m_thickness;
    copy->m_outline = m_outline;
    copy->m_fillOnce = m_fillOnce;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool DiffusedShadowStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                        QPoint pos, QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, m_thickness / 2);
    std::vector<TextRings::Ring> rings;
    for (int width = 1; width <= TextRings::RingWidth(m_thickness); ++width)
        rings.push_back({m_outline, width});
    TextRings::Draw(painter, path, rings);
    // Repeated fills of a translucent colour build up its coverage.
    const int fills = m_fillOnce ? 1 : std::max(m_thickness, 0);
    const QBrush brush(m_fill.colour);
    for (int i = 0; i < fills; ++i)
        TextRings::FillPath(painter, path, brush);
    return true;
}

} // namespace QTextDesigner
