// Rendering of the styled-text record through the text-effect canvas.
#include "CWordArtInfo.h"

#include "QImageFuns.h"
#include "text/CanvasHelper.h"

#include <QFontInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSize>
#include <algorithm>
#include <cmath>
#include <string>

using QTextDesigner::CanvasHelper;

namespace {

// Larger images than this are refused rather than allocated: the shadow pass
// makes three more of the same size.
constexpr int kMaxImageSide = 32767;
constexpr qint64 kMaxImagePixels = 64LL * 1024 * 1024;

QColor Rgb(const QColor& c)
{
    return QColor(c.red(), c.green(), c.blue());
}

QColor Rgb(const QColor& c, int alpha)
{
    return QColor(c.red(), c.green(), c.blue(), std::clamp(alpha, 0, 255));
}

int Length(int value)
{
    return std::clamp(value, 0, CWordArtInfo::kMaxEffectLength);
}

int Offset(int value)
{
    return std::clamp(value, -CWordArtInfo::kMaxEffectLength, CWordArtInfo::kMaxEffectLength);
}

// Font capped at the largest pixel size the renderer draws.
QFont CappedFont(const QFont& font)
{
    QFont capped = font;
    const int cap = CWordArtInfo::kMaxFontPixelSize;
    if (capped.pixelSize() > cap)
        capped.setPixelSize(cap);
    else if (capped.pixelSize() <= 0 && QFontInfo(capped).pixelSize() > cap)
        capped.setPixelSize(cap);
    return capped;
}

std::wstring WideText(const QString& text)
{
    return text.toStdWString();
}

} // namespace

bool CWordArtInfo::SetTextEffect(CanvasHelper* canvas, QBrush* brush)
{
    if (!canvas)
        return false;
    const QColor c1 = Rgb(OutlineColor1, OutlineAlpha1);
    const QColor c2 = Rgb(OutlineColor2, OutlineAlpha2);
    const int t1 = Length(OutlineThickness1);
    const int t2 = Length(OutlineThickness2);
    const QColor fill = Rgb(TextColor1);
    switch (TextEffect) {
    case TE_GLOW:
        brush ? canvas->TextGlow(brush, c1, t1) : canvas->TextGlow(fill, c1, t1);
        break;
    case TE_OUTLINE:
        brush ? canvas->TextOutline(brush, c1, t1) : canvas->TextOutline(fill, c1, t1);
        break;
    case TE_DBL_OUTLINE:
        brush ? canvas->TextDblOutline(brush, c1, c2, t1, t2) : canvas->TextDblOutline(fill, c1, c2, t1, t2);
        break;
    case TE_GRAD_OUTLINE:
        brush ? canvas->TextGradOutline(brush, c1, c2, t1 + t2, QTextDesigner::GradientLinear)
              : canvas->TextGradOutline(fill, c1, c2, t1 + t2, QTextDesigner::GradientLinear);
        break;
    case TE_NO_OUTLINE:
        brush ? canvas->TextNoOutline(brush) : canvas->TextNoOutline(fill);
        break;
    case TE_ONLY_OUTLINE:
        canvas->TextOnlyOutline(c1, t1, false);
        break;
    case TE_DBL_GLOW:
        brush ? canvas->TextDblGlow(brush, c1, c2, t1, t2) : canvas->TextDblGlow(fill, c1, c2, t1, t2);
        break;
    }
    return true;
}

QFont CWordArtInfo::PrepareCanvas(CanvasHelper& canvas, const wchar_t* text, float* m1, float* m2,
                                  float* m3, float* m4)
{
    QFont font = CappedFont(Font);
    FontSize = font.pixelSize();
    int t = 0;
    bool inset = true;
    switch (TextEffect) {
    case TE_GLOW:
    case TE_OUTLINE:
        t = Length(OutlineThickness1);
        break;
    case TE_DBL_OUTLINE:
    case TE_GRAD_OUTLINE:
        t = Length(OutlineThickness1) + Length(OutlineThickness2);
        break;
    default:
        inset = false;
        break;
    }
    TextPosX = TextPosY = 0;
    if (inset) {
        if (EnableShadow)
            t = std::max(t, Length(ShadowThickness));
        TextPosX = TextPosY = t / 2;
    }

    SetTextEffect(&canvas, nullptr);
    if (EnableReflection)
        canvas.Reflection(BegAlpha, EndAlpha, Shown);
    canvas.EnableShadow(EnableShadow);
    if (EnableShadow) {
        canvas.SetNullShadow();
        const QColor colour = Rgb(ShadowColor, ShadowAlpha);
        const int thickness = Length(ShadowThickness);
        const QPoint offset(Offset(ShadowOffsetX), Offset(ShadowOffsetY));
        if (ExtrudedText)
            canvas.Extrude(colour, thickness, offset);
        else if (DiffusedShadow)
            canvas.DiffusedShadow(colour, thickness, offset);
        else
            canvas.Shadow(colour, thickness, offset);
    }
    canvas.MeasureString(&font, text, QPoint(TextPosX, TextPosY), m1, m2, m3, m4);
    return font;
}

QPoint CWordArtInfo::DrawPoint() const
{
    QPoint point(TextPosX, TextPosY);
    if (EnableShadow) {
        // A shadow cast up or left must stay inside the image.
        const int ox = Offset(ShadowOffsetX);
        const int oy = Offset(ShadowOffsetY);
        point += QPoint(ox < 0 ? -ox : 0, oy < 0 ? -oy : 0);
    }
    return point;
}

bool CWordArtInfo::DrawEffectText(QImage* out, bool)
{
    if (!out)
        return false;
    const std::wstring text = WideText(Text);
    float m1 = 0, m2 = 0, m3 = 0, m4 = 0;
    CanvasHelper canvas;
    QFont font = PrepareCanvas(canvas, text.c_str(), &m1, &m2, &m3, &m4);

    const int width = qRound(m3);
    const int height = qRound(m4);
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide
        || qint64(width) * height > kMaxImagePixels) {
        *out = QImage();
        return false;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) {
        *out = QImage();
        return false;
    }
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        canvas.SetQImage(&image);
        canvas.SetShadowBkgd(Rgb(BkgdColor), image.width(), image.height());
        DrawPrepared(canvas, &painter, font, text.c_str(), m4);
    }

    const QRect visible = QImageFuns::AutoExpand(&image, 0);
    const QImage trimmed = visible.isValid() ? image.copy(visible) : QImage();
    if (!EnableBackground) {
        *out = trimmed;
        return true;
    }
    const int pad = Length(BackgroundThickness);
    QImage boxed(trimmed.width() + 2 * pad, trimmed.height() + 2 * pad, QImage::Format_ARGB32);
    if (boxed.isNull()) {
        *out = trimmed;
        return true;
    }
    boxed.fill(Qt::transparent);
    {
        QPainter painter(&boxed);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(Rgb(ColorBackground, BackgroundAlpha)));
        const qreal round = Length(BackgroundRound);
        painter.drawRoundedRect(QRectF(boxed.rect()), round, round, Qt::AbsoluteSize);
        if (!trimmed.isNull())
            painter.drawImage(QPoint(pad, pad), trimmed);
    }
    *out = boxed;
    return true;
}

void CWordArtInfo::DrawEffectText(QPainter* painter, int* w, int* h)
{
    if (!painter)
        return;
    const std::wstring text = WideText(Text);
    float m1 = 0, m2 = 0, m3 = 0, m4 = 0;
    CanvasHelper canvas;
    QFont font = PrepareCanvas(canvas, text.c_str(), &m1, &m2, &m3, &m4);
    if (w)
        *w = qRound(m3);
    if (h)
        *h = qRound(m4);
    DrawPrepared(canvas, painter, font, text.c_str(), m4);
}

void CWordArtInfo::DrawPrepared(CanvasHelper& canvas, QPainter* painter, QFont& font, const wchar_t* text,
                                float height)
{
    if (!Modified)
        return;
    // The canvas keeps a pointer to the brush until it has drawn.
    QBrush gradientBrush;
    if (TextGradient) {
        QLinearGradient gradient(0, 0, 0, height);
        gradient.setColorAt(0, Rgb(TextColor1));
        gradient.setColorAt(1, Rgb(TextColor2));
        gradientBrush = QBrush(gradient);
        SetTextEffect(&canvas, &gradientBrush);
    }
    canvas.DrawString(painter, &font, text, DrawPoint(), nullptr);
}

QSize CWordArtInfo::GetTextSize()
{
    const std::wstring text = WideText(Text);
    float m1 = 0, m2 = 0, m3 = 0, m4 = 0;
    CanvasHelper canvas;
    PrepareCanvas(canvas, text.c_str(), &m1, &m2, &m3, &m4);
    return QSize(static_cast<int>(m3), static_cast<int>(m4));
}

QSize CWordArtInfo::GetTextSize(const wchar_t* text)
{
    QString face;
    for (uint32_t code : LogFont.lfFaceName) {
        if (code == 0)
            break;
        face.append(QString::fromUcs4(&code, 1));
    }
    QFont font;
    font.setFamily(face);
    font.setPointSize(FontSize);
    font.setItalic(LogFont.lfItalic != 0);
    font.setUnderline(LogFont.lfUnderline != 0);
    CanvasHelper canvas;
    canvas.TextOutline(QColor(Qt::black), QColor(Qt::black), Length(OutlineThickness1));
    float m1 = 0, m2 = 0, m3 = 0, m4 = 0;
    canvas.MeasureString(&font, text, QPoint(TextPosX, TextPosY), &m1, &m2, &m3, &m4);
    return QSize(static_cast<int>(m3), static_cast<int>(m4));
}
