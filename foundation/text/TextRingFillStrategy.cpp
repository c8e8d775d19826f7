#include "TextRingFillStrategy.h"

#include "TextPathTools.h"

#include <QFont>
#include <QPainterPath>

namespace QTextDesigner {

using namespace TextPathTools;

void TextRingFillStrategy::Init(QColor text, QColor ring, int thickness)
{
    m_fill.SetColour(text);
    m_ring = ring;
    m_thickness = thickness;
}

void TextRingFillStrategy::Init(QBrush* text, QColor ring, int thickness)
{
    m_fill.SetBrush(text);
    m_ring = ring;
    m_thickness = thickness;
}

ITextStrategy* TextRingFillStrategy::CopyInto(TextRingFillStrategy* copy) const
{
    copy->m_thickness = m_thickness;
    copy->m_ring = m_ring;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool TextRingFillStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                                      QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, m_thickness / 2);
    TextRings::Draw(painter, path, Rings());
    m_fill.Fill(painter, path);
    return true;
}

} // namespace QTextDesigner
