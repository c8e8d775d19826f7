#include "TextOutlineStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QPainterPath>

namespace QTextDesigner {

using namespace TextPathTools;

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
    TextRings::Draw(painter, path, {{m_outline, TextRings::RingWidth(m_thickness)}});
    m_fill.Fill(painter, path);
    return true;
}

} // namespace QTextDesigner
