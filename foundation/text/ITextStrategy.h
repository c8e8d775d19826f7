#pragma once
// Text effects drawn as vector outlines: every line of a text becomes glyph
// outlines in one path, which is stroked with one or more pens and filled.
// Each look is a strategy behind ITextStrategy; CanvasHelper owns them.
#include <QPoint>

class QFont;
class QPainter;
class QTextOption;

namespace QTextDesigner {

// 1 selects the curved gradient table, anything else the linear one.
enum GradientType : int {
    GradientLinear = 0,
    GradientCurved = 1
};

class ITextStrategy
{
public:
    virtual ~ITextStrategy() = default;
    virtual ITextStrategy* Clone() = 0;
    // Draws text with its top-left reference at pos; option is ignored.
    virtual bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                            QTextOption* option) = 0;
    // The box DrawString at pos needs; a null output is not written.
    virtual bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                               float* top, float* right, float* bottom) = 0;
};

} // namespace QTextDesigner
