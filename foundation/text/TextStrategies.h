#pragma once
// Text effects drawn as vector outlines: every line of a text becomes glyph
// outlines in one path, which is stroked with one or more pens and filled.
// Each look is a strategy behind ITextStrategy; CanvasHelper owns them.
#include <QBrush>
#include <QColor>
#include <QPoint>
#include <memory>
#include <vector>

class QFont;
class QPainter;
class QPainterPath;
class QPen;
class QTextOption;

namespace QTextDesigner {

// 1 selects the curved gradient table, anything else the linear one.
enum GradientType : int {
    GradientLinear = 0,
    GradientCurved = 1
};

// What the fill of a text uses: a colour, or a brush borrowed from the caller.
// A cloned strategy owns a copy of the brush, so it never outlives the
// caller's brush with a dangling pointer.
class TextFill
{
public:
    void SetColour(const QColor& colour);
    void SetBrush(QBrush* brush);
    void Fill(QPainter* painter, const QPainterPath& path) const;
    // Takes the colour, or a private copy of the brush, from source.
    void CloneFrom(const TextFill& source);

    QColor colour;
    QBrush* brush = nullptr;
    bool useColour = true;

private:
    std::shared_ptr<QBrush> m_owned;
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

class TextImplGetHeight : public ITextStrategy
{
public:
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

protected:
    int m_thickness = 2;
};

class TextOutlineStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor outline, int thickness);
    void Init(QBrush* text, QColor outline, int thickness);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_outline;
    TextFill m_fill;
};

class TextGlowStrategy : public TextImplGetHeight
{
public:
    void Init(QColor text, QColor glow, int thickness);
    void Init(QBrush* text, QColor glow, int thickness);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_glow;
    TextFill m_fill;
};

class TextOnlyOutlineStrategy : public TextImplGetHeight
{
public:
    void Init(QColor outline, int thickness, bool roundJoins);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;

private:
    QColor m_text; // never drawn
    QColor m_outline;
    bool m_roundJoins = false;
};

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

// Draws as TextGradOutlineLastStrategy does.
class TextGradOutlineStrategy : public TextGradOutlineLastStrategy
{
public:
    ITextStrategy* Clone() override;
    void CalculateGradient(QColor c1, QColor c2, int t, std::vector<QColor>& out);
};

class TextNoOutlineStrategy : public ITextStrategy
{
public:
    void Init(QColor text);
    void Init(QBrush* text);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

private:
    TextFill m_fill;
};

class TextDblOutlineStrategy : public ITextStrategy
{
public:
    void Init(QColor text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    void Init(QBrush* text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom) override;

protected:
    int Inset() const;
    void CopyTo(TextDblOutlineStrategy* other) const;

    QColor m_outline1; // inner outline
    QColor m_outline2; // outer outline (the glow of TextDblGlowStrategy)
    int m_thickness1 = 2;
    int m_thickness2 = 2;
    TextFill m_fill;
};

class TextDblGlowStrategy : public TextDblOutlineStrategy
{
public:
    ITextStrategy* Clone() override;
    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                    QTextOption* option) override;
};

} // namespace QTextDesigner
