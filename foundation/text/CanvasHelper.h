#pragma once
// The facade through which styled text is drawn: it owns the text strategy and
// one configured shadow (four shadow strategies of one kind), writes the
// translucent shadow straight into the target image's pixels, then draws the
// text over it.
#include "ITextStrategy.h"

#include <QColor>
#include <QPoint>
#include <memory>

class QBrush;
class QImage;

namespace QTextDesigner {

class CanvasHelper
{
public:
    CanvasHelper();
    virtual ~CanvasHelper();
    CanvasHelper(const CanvasHelper&) = delete;
    CanvasHelper& operator=(const CanvasHelper&) = delete;

    // Reflection settings are kept but nothing draws a reflection.
    void Reflection(float begAlpha, float endAlpha, float shown);
    bool ProcessReflection() { return false; }

    void EnableShadow(bool enable) { m_shadowEnabled = enable; }
    void SetNullShadow();
    void Shadow(QColor colour, int thickness, QPoint offset);
    void DiffusedShadow(QColor colour, int thickness, QPoint offset);
    void Extrude(QColor colour, int thickness, QPoint offset);

    void TextGlow(QColor text, QColor glow, int thickness);
    void TextGlow(QBrush* text, QColor glow, int thickness);
    void TextOutline(QColor text, QColor outline, int thickness);
    void TextOutline(QBrush* text, QColor outline, int thickness);
    void TextDblOutline(QColor text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    void TextDblOutline(QBrush* text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    void TextDblGlow(QColor text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    void TextDblGlow(QBrush* text, QColor outline1, QColor outline2, int thickness1, int thickness2);
    void TextGradOutline(QColor text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type);
    void TextGradOutline(QBrush* text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type);
    void TextGradOutlineLast(QColor text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type);
    void TextGradOutlineLast(QBrush* text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type);
    void TextNoOutline(QColor text);
    void TextNoOutline(QBrush* text);
    void TextOnlyOutline(QColor outline, int thickness, bool roundJoins);
    void SetNullTextEffect();

    // The box of the text and, with a shadow on, of the shadow outline; left
    // and top are written only by a strategy that is asked, null outputs never.
    bool MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                       float* right, float* bottom);

    // The image the caller's painter paints on (borrowed); shadow pixels are written into it.
    void SetQImage(QImage* image) { m_canvas = image; }
    QImage* GetQImage() const { return m_canvas; }
    void SetShadowBkgd(QColor colour, int width, int height);
    // Takes the image over.
    void SetShadowBkgd(QImage* image);

    bool DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos, QTextOption* option);

private:
    bool ShadowConfigured() const;
    void SetText(std::unique_ptr<ITextStrategy> strategy);
    bool RenderShadow(QFont* font, const wchar_t* text, QPoint pos);

    std::unique_ptr<ITextStrategy> m_text;
    std::unique_ptr<ITextStrategy> m_shadowOutline;
    std::unique_ptr<ITextStrategy> m_maskOutline;
    std::unique_ptr<ITextStrategy> m_solidText;
    std::unique_ptr<ITextStrategy> m_maskText;
    QPoint m_shadowOffset;
    QColor m_shadowColour;
    std::unique_ptr<QImage> m_shadowBkgd;
    QImage* m_canvas = nullptr;
    bool m_shadowEnabled = false;
    float m_begAlpha = 0.6f;
    float m_endAlpha = 0.01f;
    float m_shown = 0.8f;
};

} // namespace QTextDesigner
