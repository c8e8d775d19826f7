#include "GuiFunctions.h"

int QFontMetricsWidth(QFontMetrics metrics, const QString& text)
{
    return metrics.horizontalAdvance(text, -1);
}

Qt::KeyboardModifiers FlipControlAndShiftModifiers(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier) {
        modifiers &= ~(Qt::ShiftModifier | Qt::ControlModifier);
        modifiers |= Qt::ControlModifier;
    } else if (modifiers & Qt::ControlModifier) {
        modifiers &= ~Qt::ControlModifier;
        modifiers |= Qt::ShiftModifier;
    }
    return modifiers;
}
