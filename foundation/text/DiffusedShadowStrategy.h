#pragma once
// A shadow built from widening strokes and repeated fills.
#include "TextFill.h"
#include "TextImplGetHeight.h"

#include <QColor>

namespace QTextDesigner {

class DiffusedShadowStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor outline, int thickness, bool fillOnce);
    void Init(QBrush* text, QColor outline, int thickness, bool fillOnce);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_outline;
    bool m_fillOnce = false;
    TextFill m_fill; // drawing uses its colour only
};

} // namespace QTextDesigner
