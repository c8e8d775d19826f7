#pragma once
// Strokes coloured from a gradient table, narrowest last, then the fill;
// owns the gradient routines.
#include "TextFill.h"
#include "TextImplGetHeight.h"

#include <QColor>
#include <vector>

namespace QTextDesigner {

class TextGradOutlineLastStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type);
    void Init(QBrush* text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

    // Linear table of t opaque colours from c1 to c2; t < 1 leaves out as it is.
    static void CalculateGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out);
    // Curved table: falls from c1 towards c2 fast at first; t <= 0 empties out.
    static void CalculateCurvedGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out);
    static double GetRadians(double degrees);
    static int Clamp(int v);

protected:
    QColor m_grad1;
    QColor m_grad2;
    TextFill m_fill;
    GradientType m_type = GradientLinear;
};

} // namespace QTextDesigner
