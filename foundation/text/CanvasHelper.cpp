#include "CanvasHelper.h"

#include "DiffusedShadowStrategy.h"
#include "ExtrudeStrategy.h"
#include "TextDblGlowStrategy.h"
#include "TextDblOutlineStrategy.h"
#include "TextGlowStrategy.h"
#include "TextGradOutlineStrategy.h"
#include "TextNoOutlineStrategy.h"
#include "TextOnlyOutlineStrategy.h"
#include "TextOutlineStrategy.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace QTextDesigner {

CanvasHelper::CanvasHelper()
    : m_shadowColour(0, 0, 0)
{
}

CanvasHelper::~CanvasHelper() = default;

void CanvasHelper::Reflection(float begAlpha, float endAlpha, float shown)
{
    m_begAlpha = begAlpha;
    m_endAlpha = endAlpha;
    m_shown = shown;
}

void CanvasHelper::SetNullShadow()
{
    // The mask-text slot stays until the next shadow setter; without the other
    // three the shadow counts as unconfigured.
    m_solidText.reset();
    m_shadowOutline.reset();
    m_maskOutline.reset();
}

bool CanvasHelper::ShadowConfigured() const
{
    return m_shadowOutline && m_maskOutline && m_solidText && m_maskText;
}

namespace {

const QColor kClear(0, 0, 0, 0);
const QColor kWhite(255, 255, 255);

// Offsets as far as an extrusion draws them; beyond that a shadow lies far
// outside any text image anyway.
QPoint BoundedOffset(QPoint offset)
{
    const int limit = ExtrudeStrategy::kMaxOffset;
    return QPoint(std::clamp(offset.x(), -limit, limit), std::clamp(offset.y(), -limit, limit));
}

QColor WhiteWithAlpha(const QColor& colour)
{
    return QColor(255, 255, 255, colour.alpha());
}

} // namespace

void CanvasHelper::Shadow(QColor colour, int thickness, QPoint offset)
{
    offset = BoundedOffset(offset);
    m_shadowOffset = offset;
    m_shadowColour = colour;
    auto make = [](QColor text, QColor outline, int t) {
        auto s = std::make_unique<TextOutlineStrategy>();
        s->Init(text, outline, t);
        return s;
    };
    m_shadowOutline = make(kClear, colour, thickness);
    m_maskOutline = make(kClear, WhiteWithAlpha(colour), thickness);
    m_solidText = make(kWhite, kClear, 0);
    m_maskText = make(WhiteWithAlpha(colour), kClear, 0);
}

void CanvasHelper::DiffusedShadow(QColor colour, int thickness, QPoint offset)
{
    offset = BoundedOffset(offset);
    m_shadowOffset = offset;
    m_shadowColour = colour;
    auto make = [thickness](QColor text, QColor outline, bool fillOnce) {
        auto s = std::make_unique<DiffusedShadowStrategy>();
        s->Init(text, outline, thickness, fillOnce);
        return s;
    };
    m_shadowOutline = make(kClear, colour, false);
    m_maskOutline = make(kClear, WhiteWithAlpha(colour), true);
    m_solidText = make(kWhite, kClear, false);
    m_maskText = make(WhiteWithAlpha(colour), kClear, false);
}

void CanvasHelper::Extrude(QColor colour, int thickness, QPoint offset)
{
    offset = BoundedOffset(offset);
    m_shadowOffset = offset;
    m_shadowColour = colour;
    auto make = [thickness, offset](QColor text, QColor outline) {
        auto s = std::make_unique<ExtrudeStrategy>();
        s->Init(text, outline, thickness, offset.x(), offset.y());
        return s;
    };
    m_shadowOutline = make(kClear, colour);
    m_maskOutline = make(kClear, WhiteWithAlpha(colour));
    m_solidText = make(kWhite, kClear);
    m_maskText = make(WhiteWithAlpha(colour), kClear);
}

void CanvasHelper::SetText(std::unique_ptr<ITextStrategy> strategy)
{
    m_text = std::move(strategy);
}

void CanvasHelper::SetNullTextEffect()
{
    m_text.reset();
}

// Each text setter makes a new strategy, gives it one Init and keeps it.
#define LC_TEXT_SETTER(Setter, Strategy, Params, Args) \
    void CanvasHelper::Setter Params                   \
    {                                                  \
        auto s = std::make_unique<Strategy>();         \
        s->Init Args;                                  \
        SetText(std::move(s));                         \
    }

LC_TEXT_SETTER(TextGlow, TextGlowStrategy, (QColor text, QColor glow, int thickness), (text, glow, thickness))
LC_TEXT_SETTER(TextGlow, TextGlowStrategy, (QBrush* text, QColor glow, int thickness), (text, glow, thickness))
LC_TEXT_SETTER(TextOutline, TextOutlineStrategy, (QColor text, QColor outline, int thickness), (text, outline, thickness))
LC_TEXT_SETTER(TextOutline, TextOutlineStrategy, (QBrush* text, QColor outline, int thickness), (text, outline, thickness))
LC_TEXT_SETTER(TextDblOutline, TextDblOutlineStrategy,
               (QColor text, QColor outline1, QColor outline2, int thickness1, int thickness2),
               (text, outline1, outline2, thickness1, thickness2))
LC_TEXT_SETTER(TextDblOutline, TextDblOutlineStrategy,
               (QBrush* text, QColor outline1, QColor outline2, int thickness1, int thickness2),
               (text, outline1, outline2, thickness1, thickness2))
LC_TEXT_SETTER(TextDblGlow, TextDblGlowStrategy,
               (QColor text, QColor outline1, QColor outline2, int thickness1, int thickness2),
               (text, outline1, outline2, thickness1, thickness2))
LC_TEXT_SETTER(TextDblGlow, TextDblGlowStrategy,
               (QBrush* text, QColor outline1, QColor outline2, int thickness1, int thickness2),
               (text, outline1, outline2, thickness1, thickness2))
LC_TEXT_SETTER(TextGradOutline, TextGradOutlineStrategy,
               (QColor text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type),
               (text, gradColour1, gradColour2, thickness, type))
LC_TEXT_SETTER(TextGradOutline, TextGradOutlineStrategy,
               (QBrush* text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type),
               (text, gradColour1, gradColour2, thickness, type))
LC_TEXT_SETTER(TextGradOutlineLast, TextGradOutlineLastStrategy,
               (QColor text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type),
               (text, gradColour1, gradColour2, thickness, type))
LC_TEXT_SETTER(TextGradOutlineLast, TextGradOutlineLastStrategy,
               (QBrush* text, QColor gradColour1, QColor gradColour2, int thickness, GradientType type),
               (text, gradColour1, gradColour2, thickness, type))
LC_TEXT_SETTER(TextNoOutline, TextNoOutlineStrategy, (QColor text), (text))
LC_TEXT_SETTER(TextNoOutline, TextNoOutlineStrategy, (QBrush* text), (text))
LC_TEXT_SETTER(TextOnlyOutline, TextOnlyOutlineStrategy, (QColor outline, int thickness, bool roundJoins),
               (outline, thickness, roundJoins))

#undef LC_TEXT_SETTER

bool CanvasHelper::MeasureString(QFont* font, const wchar_t* text, QPoint pos, float* left, float* top,
                                 float* right, float* bottom)
{
    float r1 = 0, b1 = 0;
    if (m_text && !m_text->MeasureString(font, text, pos, left, top, &r1, &b1))
        return false;
    float r2 = 0, b2 = 0;
    if (m_shadowEnabled && ShadowConfigured()
        && !m_shadowOutline->MeasureString(font, text, pos, left, top, &r2, &b2))
        return false;
    // The pair is taken whole, not the larger of each.
    const bool textWins = r1 > r2 || b1 > b2;
    if (right)
        *right = textWins ? r1 : r2;
    if (bottom)
        *bottom = textWins ? b1 : b2;
    return true;
}

void CanvasHelper::SetShadowBkgd(QColor colour, int width, int height)
{
    m_shadowBkgd = std::make_unique<QImage>(width, height, QImage::Format_ARGB32);
    if (!m_shadowBkgd->isNull()) {
        QPainter painter(m_shadowBkgd.get());
        painter.fillRect(m_shadowBkgd->rect(), colour);
    }
}

void CanvasHelper::SetShadowBkgd(QImage* image)
{
    if (image == m_shadowBkgd.get())
        return;
    m_shadowBkgd.reset(image);
}

namespace {

// The value written into the canvas for an ARGB32 shadow pixel, in the canvas's own format.
void PutShadowPixel(QImage& canvas, uchar* line, int x, int y, QRgb argb)
{
    switch (canvas.format()) {
    case QImage::Format_ARGB32:
        reinterpret_cast<QRgb*>(line)[x] = argb;
        break;
    case QImage::Format_ARGB32_Premultiplied:
        reinterpret_cast<QRgb*>(line)[x] = qPremultiply(argb);
        break;
    default:
        canvas.setPixel(x, y, argb);
        break;
    }
}

} // namespace

bool CanvasHelper::RenderShadow(QFont* font, const wchar_t* text, QPoint pos)
{
    QImage& canvas = *m_canvas;
    if (canvas.isNull())
        return false;
    // The working images are always ARGB32 of the canvas's size, whatever the
    // canvas's own format; each is addressed through its own rows.
    const QSize size = canvas.size();
    QImage textMask(size, QImage::Format_ARGB32);
    QImage colourCopy(size, QImage::Format_ARGB32);
    QImage outlineMask(size, QImage::Format_ARGB32);
    if (textMask.isNull() || colourCopy.isNull() || outlineMask.isNull())
        return false;
    textMask.fill(QColor(0, 0, 0));
    colourCopy.fill(QColor(255, 255, 255));
    outlineMask.fill(QColor(0, 0, 0));

    const QPoint shadowPos = pos + m_shadowOffset;
    bool ok = true;
    {
        QPainter textPainter(&textMask);
        QPainter outlinePainter(&outlineMask);
        outlinePainter.setRenderHint(QPainter::Antialiasing, true);
        QPainter colourPainter(&colourCopy);
        ok = m_maskText->DrawString(&textPainter, font, text, shadowPos, nullptr)
            && m_maskOutline->DrawString(&outlinePainter, font, text, shadowPos, nullptr)
            && m_solidText->DrawString(&colourPainter, font, text, shadowPos, nullptr)
            && m_shadowOutline->DrawString(&colourPainter, font, text, shadowPos, nullptr);
    }
    if (!ok)
        return false;

    const QRgb shadowOpaque = qRgba(m_shadowColour.red(), m_shadowColour.green(), m_shadowColour.blue(), 255);
    for (int y = 0; y < size.height(); ++y) {
        QRgb* maskRow = reinterpret_cast<QRgb*>(textMask.scanLine(y));
        const QRgb* outlineRow = reinterpret_cast<const QRgb*>(outlineMask.constScanLine(y));
        QRgb* colourRow = reinterpret_cast<QRgb*>(colourCopy.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int b = qBlue(maskRow[x]);
            const int o = qBlue(outlineRow[x]);
            if (b > o) {
                colourRow[x] = shadowOpaque;
            } else if (o != 0) {
                colourRow[x] = shadowOpaque;
                maskRow[x] = outlineRow[x];
            }
        }
    }

    // The shadow replaces what lies under it, with the mask as its alpha.
    const QRgb rgb = qRgb(m_shadowColour.red(), m_shadowColour.green(), m_shadowColour.blue()) & 0x00ffffffu;
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* maskRow = reinterpret_cast<const QRgb*>(textMask.constScanLine(y));
        uchar* line = canvas.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const uint m = static_cast<uint>(qBlue(maskRow[x]));
            if (m != 0)
                PutShadowPixel(canvas, line, x, y, (m << 24) | rgb);
        }
    }
    return true;
}

bool CanvasHelper::DrawString(QPainter* painter, QFont* font, const wchar_t* text, QPoint pos,
                              QTextOption* option)
{
    if (!painter)
        return false;
    if (m_shadowEnabled && m_canvas && m_shadowBkgd && ShadowConfigured()) {
        if (!RenderShadow(font, text, pos))
            return false;
    }
    if (!m_text)
        return true;
    painter->setRenderHint(QPainter::Antialiasing, true);
    return m_text->DrawString(painter, font, text, pos, option);
}

} // namespace QTextDesigner
