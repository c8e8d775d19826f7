#include "TextOnlyOutlineStrategy.h"

#include "TextPathTools.h"

#include <QFont>
#include <QPainterPath>
#include <QPen>

namespace QTextDesigner {

using namespace TextPathTools;

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

} // namespace QTextDesigner
