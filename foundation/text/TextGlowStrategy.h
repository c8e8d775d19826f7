#pragma once
// Widening glow strokes, then the fill.
#include "TextFill.h"
#include "TextImplGetHeight.h"

#include <QColor>

namespace QTextDesigner {

class TextGlowStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor glow, int thickness);
    void Init(QBrush* text, QColor glow, int thickness);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_glow;
    TextFill m_fill;
};

} // namespace QTextDesigner
