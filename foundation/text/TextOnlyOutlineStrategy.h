#pragma once
// One outline stroke and no fill.
#include "TextImplGetHeight.h"

#include <QColor>

namespace QTextDesigner {

class TextOnlyOutlineStrategy : public TextImplGetHeight
{
public:
    void Init(QColor outline, int thickness, bool roundJoins);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_text; // never drawn
    QColor m_outline;
    bool m_roundJoins = false;
};

} // namespace QTextDesigner
