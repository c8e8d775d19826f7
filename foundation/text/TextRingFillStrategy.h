#pragma once
// Rings of one colour around the glyphs, then the fill: what the outline and
// glow strategies share; each says which rings it draws.
#include "TextFill.h"
#include "TextImplGetHeight.h"
#include "TextRings.h"

#include <QColor>
#include <vector>

namespace QTextDesigner {

class TextRingFillStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor ring, int thickness);
    void Init(QBrush* text, QColor ring, int thickness);
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

protected:
    // The rings laid under the fill, in drawing order.
    virtual std::vector<TextRings::Ring> Rings() const = 0;
    // Gives copy this strategy's settings and returns it, for Clone.
    ITextStrategy* CopyInto(TextRingFillStrategy* copy) const;

    QColor m_ring;
    TextFill m_fill;
};

} // namespace QTextDesigner
