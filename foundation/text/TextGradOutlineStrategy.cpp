#include "TextGradOutlineStrategy.h"

namespace QTextDesigner {

ITextStrategy* TextGradOutlineStrategy::Clone()
{
    auto* copy = new TextGradOutlineStrategy;
    copy->Init(m_fill.colour, m_grad1, m_grad2, m_thickness, m_type);
    copy->m_fill.CloneFrom(m_fill);
    return copy;
}

void TextGradOutlineStrategy::CalculateGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out)
{
    TextGradOutlineLastStrategy::CalculateGradient(c1, c2, t, out);
}

} // namespace QTextDesigner
