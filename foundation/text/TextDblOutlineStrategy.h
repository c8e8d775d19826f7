#pragma once
// An outer and an inner outline, then the fill.
#include "ITextStrategy.h"
#include "TextFill.h"

#include <QColor>

namespace QTextDesigner {

class TextDblOutlineStrategy : public ITextStrategy
{
public:
    void Init(QColor text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    void Init(QBrush* text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

protected:
    int Inset() const;
    void CopyTo(TextDblOutlineStrategy* other) const;

    QColor m_outline1; // inner outline
    QColor m_outline2; // outer outline (the glow of TextDblGlowStrategy)
    int m_thickness1 = 2;
    int m_thickness2 = 2;
    TextFill m_fill;
};

} // namespace QTextDesigner
