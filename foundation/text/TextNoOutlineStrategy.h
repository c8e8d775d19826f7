#pragma once
// The fill only.
#include "ITextStrategy.h"
#include "TextFill.h"

#include <QColor>

namespace QTextDesigner {

class TextNoOutlineStrategy : public ITextStrategy
{
public:
    void Init(QColor text);
    void Init(QBrush* text);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

private:
    TextFill m_fill;
};

} // namespace QTextDesigner
