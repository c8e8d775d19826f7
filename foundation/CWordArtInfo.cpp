#include "CWordArtInfo.h"

#include <cstring>

namespace {

// Stores value into field and marks the record modified, only on a change.
template <typename T>
void StoreOnChange(T& field, const T& value, bool& modified)
{
    if (field == value)
        return;
    field = value;
    modified = true;
}

} // namespace

CWordArtInfo::CWordArtInfo()
    : BkgdColor(Qt::white)
    , TextColor1(Qt::white)
    , TextColor2(Qt::white)
    , OutlineColor1(127, 127, 127)
    , OutlineColor2(Qt::black)
    , Text(QStringLiteral(""))
    , ShadowColor(128, 128, 128)
    , ColorBackground(Qt::black)
{
    // Nothing reads the font description before it is set; start it zeroed so
    // copies never carry indeterminate bytes.
    std::memset(&LogFont, 0, sizeof(LogFont));
}

CWordArtInfo& CWordArtInfo::operator=(const CWordArtInfo& other)
{
    return Copy(other);
}

CWordArtInfo& CWordArtInfo::Copy(const CWordArtInfo& other)
{
    if (this == &other)
        return *this;
    BkgdColor = other.BkgdColor;
    TextColor1 = other.TextColor1;
    TextColor2 = other.TextColor2;
    OutlineColor1 = other.OutlineColor1;
    OutlineColor2 = other.OutlineColor2;
    TextEffect = other.TextEffect;
    TextPath = other.TextPath;
    Text = other.Text;
    RenderEnabled = other.RenderEnabled;
    OutlineAlpha1 = other.OutlineAlpha1;
    OutlineAlpha2 = other.OutlineAlpha2;
    OutlineThickness1 = other.OutlineThickness1;
    OutlineThickness2 = other.OutlineThickness2;
    TextPosX = other.TextPosX;
    TextPosY = other.TextPosY;
    TextAngle = other.TextAngle;
    std::memcpy(&LogFont, &other.LogFont, sizeof(LogFont));
    Font = other.Font;
    FontSize = other.FontSize;
    ShadowOffsetX = other.ShadowOffsetX;
    ShadowOffsetY = other.ShadowOffsetY;
    ShadowAlpha = other.ShadowAlpha;
    EnableShadow = other.EnableShadow;
    ShadowColor = other.ShadowColor;
    ShadowThickness = other.ShadowThickness;
    PngRendering = other.PngRendering;
    TextGradient = other.TextGradient;
    Modified = other.Modified;
    DiffusedShadow = other.DiffusedShadow;
    ExtrudedText = other.ExtrudedText;
    BegAlpha = other.BegAlpha;
    EndAlpha = other.EndAlpha;
    Shown = other.Shown;
    EnableReflection = other.EnableReflection;
    EnableBackground = other.EnableBackground;
    BackgroundAlpha = other.BackgroundAlpha;
    ColorBackground = other.ColorBackground;
    BackgroundThickness = other.BackgroundThickness;
    BackgroundRound = other.BackgroundRound;
    DialogEnabled = other.DialogEnabled;
    DialogStyle = other.DialogStyle;
    Name = other.Name;
    return *this;
}

void CWordArtInfo::SetBkgdColor(QColor color)
{
    BkgdColor = color;
    Modified = true;
}

void CWordArtInfo::SetTextColor1(QColor color) { StoreOnChange(TextColor1, color, Modified); }
void CWordArtInfo::SetTextColor2(QColor color) { StoreOnChange(TextColor2, color, Modified); }
void CWordArtInfo::SetOutlineColor1(QColor color) { StoreOnChange(OutlineColor1, color, Modified); }
void CWordArtInfo::SetOutlineColor2(QColor color) { StoreOnChange(OutlineColor2, color, Modified); }
void CWordArtInfo::SetShadowColor(QColor color) { StoreOnChange(ShadowColor, color, Modified); }
void CWordArtInfo::SetTextEffect(::TextEffect effect) { StoreOnChange(TextEffect, effect, Modified); }
void CWordArtInfo::SetTextPath(::TextPath path) { StoreOnChange(TextPath, path, Modified); }

void CWordArtInfo::SetText(const QString& text)
{
    // "\n", "\r" and "\t" typed as two characters become the control
    // characters, except a pair that ends the text.
    QString out;
    out.reserve(text.size());
    const int length = text.size();
    for (int i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 2 < length) {
            const QChar next = text.at(i + 1);
            QChar replacement;
            if (next == QLatin1Char('n'))
                replacement = QLatin1Char('\n');
            else if (next == QLatin1Char('r'))
                replacement = QLatin1Char('\r');
            else if (next == QLatin1Char('t'))
                replacement = QLatin1Char('\t');
            if (!replacement.isNull()) {
                out.append(replacement);
                ++i;
                continue;
            }
        }
        out.append(c);
    }
    Text = out;
    Modified = true;
}

void CWordArtInfo::Render(bool enabled)
{
    RenderEnabled = enabled;
}

void CWordArtInfo::SetOutlineAlpha1(unsigned char alpha) { StoreOnChange(OutlineAlpha1, alpha, Modified); }
void CWordArtInfo::SetOutlineAlpha2(unsigned char alpha) { StoreOnChange(OutlineAlpha2, alpha, Modified); }
void CWordArtInfo::SetOutlineThickness1(int thickness) { StoreOnChange(OutlineThickness1, thickness, Modified); }
void CWordArtInfo::SetOutlineThickness2(int thickness) { StoreOnChange(OutlineThickness2, thickness, Modified); }
void CWordArtInfo::SetTextPosX(int x) { StoreOnChange(TextPosX, x, Modified); }
void CWordArtInfo::SetTextPosY(int y) { StoreOnChange(TextPosY, y, Modified); }

void CWordArtInfo::SetTextAngle(int angle)
{
    TextAngle = angle * 10;
    Modified = true;
}

void CWordArtInfo::SetLogFont(const tagLOGFONTW* logFont)
{
    std::memcpy(&LogFont, logFont, sizeof(LogFont));
    Modified = true;
}

void CWordArtInfo::SetFontSize(int size) { StoreOnChange(FontSize, size, Modified); }
void CWordArtInfo::SetEnableShadow(bool enabled) { StoreOnChange(EnableShadow, enabled, Modified); }
void CWordArtInfo::SetShadowAlpha(int alpha) { StoreOnChange(ShadowAlpha, alpha, Modified); }
void CWordArtInfo::SetShadowOffsetX(int x) { StoreOnChange(ShadowOffsetX, x, Modified); }
void CWordArtInfo::SetShadowOffsetY(int y) { StoreOnChange(ShadowOffsetY, y, Modified); }
void CWordArtInfo::SetShadowThickness(int thickness) { StoreOnChange(ShadowThickness, thickness, Modified); }
void CWordArtInfo::EnablePngRendering(bool enabled) { StoreOnChange(PngRendering, enabled, Modified); }
void CWordArtInfo::EnableTextGradient(bool enabled) { StoreOnChange(TextGradient, enabled, Modified); }
void CWordArtInfo::SetDiffusedShadow(bool enabled) { StoreOnChange(DiffusedShadow, enabled, Modified); }
void CWordArtInfo::SetExtrudedText(bool enabled) { StoreOnChange(ExtrudedText, enabled, Modified); }
void CWordArtInfo::SetEnableReflection(bool enabled) { StoreOnChange(EnableReflection, enabled, Modified); }
void CWordArtInfo::SetBegAlpha(float alpha) { StoreOnChange(BegAlpha, alpha, Modified); }
void CWordArtInfo::SetEndAlpha(float alpha) { StoreOnChange(EndAlpha, alpha, Modified); }
void CWordArtInfo::SetShown(float shown) { StoreOnChange(Shown, shown, Modified); }
