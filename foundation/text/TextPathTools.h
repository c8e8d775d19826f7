#pragma once
// Shared drawing helpers of the text strategies.
#include <QPoint>
#include <QString>

class QColor;
class QFont;
class QPainter;
class QPainterPath;
class QPen;

namespace QTextDesigner {

// Shared drawing helpers of the strategies.
namespace TextPathTools {
QString ToQString(const wchar_t* text);
// One path holding every line of text, line i on the baseline
// (pos + inset, pos + inset + ascent + i * height).
QPainterPath BuildPath(const QFont& font, const QString& text, QPoint pos, int inset);
// Strokes path with the pen, as QPainter::drawPath does.
void StrokeWithPen(QPainter* painter, const QPainterPath& path, const QPen& pen);
// Strokes path with a round-capped, round-joined pen of the colour.
void Stroke(QPainter* painter, const QPainterPath& path, const QColor& colour, int width);
// The box of text with thickness t: inset round(t / 2), one line height wider
// than the widest line, t larger each way.
void Measure(const QFont& font, const QString& text, QPoint pos, int thickness, float* left,
             float* top, float* right, float* bottom);
}

} // namespace QTextDesigner
