#pragma once
// One outline stroke, then the fill.
#include "TextFill.h"
#include "TextImplGetHeight.h"

#include <QColor>

namespace QTextDesigner {

class TextOutlineStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor outline, int thickness);
    void Init(QBrush* text, QColor outline, int thickness);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_outline;
    TextFill m_fill;
};

} // namespace QTextDesigner
