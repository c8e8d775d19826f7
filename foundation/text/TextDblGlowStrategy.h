#pragma once
// A glow band and an inner outline, then the fill.
#include "TextDblOutlineStrategy.h"

namespace QTextDesigner {

class TextDblGlowStrategy : public TextDblOutlineStrategy
{
public:
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
};

} // namespace QTextDesigner
