#pragma once
// Small Qt helpers used by the rulers, keyboard handling and tables.
#include <QFontMetrics>
#include <QString>
#include <Qt>

class QObject;
class QTableWidget;

// Horizontal advance of the whole text.
int QFontMetricsWidth(QFontMetrics metrics, const QString& text);

// Shift becomes Control (Shift with Control gives Control alone); Control
// alone becomes Shift; anything else is returned unchanged.
Qt::KeyboardModifiers FlipControlAndShiftModifiers(Qt::KeyboardModifiers modifiers);

// The row whose cell in column holds widget (an editor placed in the table);
// -1 when none does.
int RowOfCellWidget(const QTableWidget* table, int column, const QObject* widget);
