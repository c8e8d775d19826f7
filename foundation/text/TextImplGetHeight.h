#pragma once
// Base of the strategies with one thickness: their box.
#include "ITextStrategy.h"

namespace QTextDesigner {

class TextImplGetHeight : public ITextStrategy
{
public:
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

protected:
    int m_thickness = 2;
};

} // namespace QTextDesigner
