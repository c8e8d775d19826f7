#pragma once
// One outline stroke, then the fill.
#include "TextRingFillStrategy.h"

namespace QTextDesigner {

class TextOutlineStrategy : public TextRingFillStrategy
{
public:
    ITextStrategy* Clone() override;

protected:
    std::vector<TextRings::Ring> Rings() const override;
};

} // namespace QTextDesigner
