#pragma once
// Small Qt helpers used by the rulers and keyboard handling.
#include <QFontMetrics>
#include <QString>
#include <Qt>

// Horizontal advance of the whole text.
int QFontMetricsWidth(QFontMetrics metrics, const QString& text);

// Shift becomes Control (Shift with Control gives Control alone); Control
// alone becomes Shift; anything else is returned unchanged.
Qt::KeyboardModifiers FlipControlAndShiftModifiers(Qt::KeyboardModifiers modifiers);
