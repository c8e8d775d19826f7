#pragma once
// An extruded shadow: stacked copies of the text towards the offset.
#include "ITextStrategy.h"
#include "TextFill.h"

#include <QColor>

namespace QTextDesigner {

class ExtrudeStrategy : public ITextStrategy
{
public:
    // Offsets beyond this many pixels are cut to it: each pixel of offset is
    // one more copy of the text.
    static constexpr int kMaxOffset = 999;

    void Init(QColor text, QColor outline, int thickness, int offsetX, int offsetY);
    void Init(QBrush* text, QColor outline, int thickness, int offsetX, int offsetY);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

private:
    void SetOffsets(int offsetX, int offsetY);

    QColor m_outline;
    int m_thickness = 2;
    int m_offsetX = 0;
    int m_offsetY = 0;
    TextFill m_fill;
};

} // namespace QTextDesigner
