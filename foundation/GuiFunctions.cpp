#include "GuiFunctions.h"

#include <QTableWidget>

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

int RowOfCellWidget(const QTableWidget* table, int column, const QObject* widget)
{
    if (!table || !widget)
        return -1;
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->cellWidget(row, column) == widget)
            return row;
    return -1;
}
