#include "TextImplGetHeight.h"

#include "TextPathTools.h"

#include <QFont>

namespace QTextDesigner {

using namespace TextPathTools;

bool TextImplGetHeight::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left,
                                      float* top, float* right, float* bottom)
{
    Measure(*font, ToQString(text), pos, m_thickness, left, top, right, bottom);
    return true;
}

} // namespace QTextDesigner
