#include "TextDblOutlineStrategy.h"

#include "TextPathTools.h"
#include "TextRings.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>

namespace QTextDesigner {

using namespace TextPathTools;

void TextDblOutlineStrategy::Init(QColor text, QColor outline1, QColor outline2, int thickness1,
                                  int thickness2)
{
    m_fill.SetColour(text);
    m_outline1 = outline1;
    m_outline2 = outline2;
    m_thickness1 = thickness1;
    m_thickness2 = thickness2;
}

void TextDblOutlineStrategy::Init(QBrush* text, QColor outline1, QColor outline2, int thickness1,
                                  int thickness2)
{
    m_fill.SetBrush(text);
    m_outline1 = outline1;
    m_outline2 = outline2;
    m_thickness1 = thickness1;
    m_thickness2 = thickness2;
}

int TextDblOutlineStrategy::Inset() const
{
    return static_cast<int>(std::floor((m_thickness1 + m_thickness2) * 0.5 + 0.5));
}

void TextDblOutlineStrategy::CopyTo(TextDblOutlineStrategy* other) const
{
    other->m_outline1 = m_outline1;
    other->m_outline2 = m_outline2;
    other->m_thickness1 = m_thickness1;
    other->m_thickness2 = m_thickness2;
    other->m_fill.CloneFrom(m_fill);
}

ITextStrategy* TextDblOutlineStrategy::Clone()
{
    auto* copy = new TextDblOutlineStrategy;
    CopyTo(copy);
    return copy;
}

bool TextDblOutlineStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                        QPoint pos, QTextOption*)
{
    const QPainterPath path = BuildPath(*font, ToQString(text), pos, Inset());
    const int outer = TextRings::RingWidth(static_cast<long long>(m_thickness1) + m_thickness2);
    TextRings::Draw(painter, path, {{m_outline2, outer}, {m_outline1, TextRings::RingWidth(m_thickness1)}});
    m_fill.Fill(painter, path);
    return true;
}

bool TextDblOutlineStrategy::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                           float* top, float* right, float* bottom)
{
    Measure(*font, ToQString(text), pos, m_thickness1 + m_thickness2, left, top, right, bottom);
    return true;
}

} // namespace QTextDesigner
