#pragma once
// Widening glow strokes, then the fill.
#include "TextRingFillStrategy.h"

namespace QTextDesigner {

class TextGlowStrategy : public TextRingFillStrategy
{
public:
    ITextStrategy* Clone() override;

protected:
    std::vector<TextRings::Ring> Rings() const override;
};

} // namespace QTextDesigner
