#include "TextNoOutlineStrategy.h"

#include "TextPathTools.h"

#include <QFont>
#include <QPainterPath>

namespace QTextDesigner {

using namespace TextPathTools;

void TextNoOutlineStrategy::Init(QColor text)
{
    m_fill.SetColour(text);
}

void TextNoOutlineStrategy::Init(QBrush* text)
{
    m_fill.SetBrush(text);
}

ITextStrategy* TextNoOutlineStrategy::Clone()
{
    auto* copy = new TextNoOutlineStrategy;
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

bool TextNoOutlineStrategy::DrawString(QPainter* painter, QFont* font, const wchar_t* text,
                                       QPoint pos, QTextOption*)
{
    m_fill.Fill(painter, BuildPath(*font, ToQString(text), pos, 0));
    return true;
}

bool TextNoOutlineStrategy::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                          float* top, float* right, float* bottom)
{
    // The thickness-0 box, without the inset.
    Measure(*font, ToQString(text), pos, 0, left, top, right, bottom);
    return true;
}

} // namespace QTextDesigner
