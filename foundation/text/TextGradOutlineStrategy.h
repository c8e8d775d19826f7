#pragma once
#include "TextGradOutlineLastStrategy.h"

namespace QTextDesigner {

// Draws as TextGradOutlineLastStrategy does.
class TextGradOutlineStrategy : public TextGradOutlineLastStrategy
{
public:
    ITextStrategy* Clone() override;
    void CalculateGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out);
};

} // namespace QTextDesigner
