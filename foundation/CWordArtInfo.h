#pragma once
// The styled-text record of a text layer: text, font, effect colours and
// thicknesses, shadow, reflection and background box. A plain value class.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <cstdint>

class QBrush;
class QImage;
class QPainter;
class QSize;
namespace QTextDesigner {
class CanvasHelper;
}

// Text effect codes; the renderer draws each with its own strategy.
enum TextEffect : int32_t {
    TE_GLOW = 0,          // glow, then the fill
    TE_OUTLINE = 1,       // one outline, then the fill
    TE_DBL_OUTLINE = 2,   // outer and inner outline, then the fill
    TE_GRAD_OUTLINE = 3,  // gradient-coloured outline, then the fill
    TE_NO_OUTLINE = 4,    // the fill only
    TE_ONLY_OUTLINE = 5,  // one outline, no fill
    TE_DBL_GLOW = 6       // two glows, then the fill
};

// Path code; kept and copied, nothing interprets it.
enum TextPath : int32_t {
    TP_NONE = 0
};

// Windows-shaped font description (176 bytes), copied as a block.
struct tagLOGFONTW {
    int64_t lfHeight;
    int64_t lfWidth;
    int64_t lfEscapement;
    int64_t lfOrientation;
    int64_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    uint32_t lfFaceName[32];
};
static_assert(sizeof(tagLOGFONTW) == 176, "tagLOGFONTW must keep its 176-byte layout");

class CWordArtInfo
{
public:
    CWordArtInfo();
    CWordArtInfo(const CWordArtInfo& other) = default;
    CWordArtInfo& operator=(const CWordArtInfo& other);
    ~CWordArtInfo() = default;

    CWordArtInfo& Copy(const CWordArtInfo& other);

    // Getters
    QColor GetBkgdColor() const { return BkgdColor; }
    QColor GetTextColor1() const { return TextColor1; }
    QColor GetTextColor2() const { return TextColor2; }
    QColor GetOutlineColor1() const { return OutlineColor1; }
    QColor GetOutlineColor2() const { return OutlineColor2; }
    ::TextEffect GetTextEffect() const { return TextEffect; }
    ::TextPath GetTextPath() const { return TextPath; }
    QString GetText() const { return Text; }
    unsigned char GetOutlineAlpha1() const { return OutlineAlpha1; }
    unsigned char GetOutlineAlpha2() const { return OutlineAlpha2; }
    int GetOutlineThickness1() const { return OutlineThickness1; }
    int GetOutlineThickness2() const { return OutlineThickness2; }
    int GetTextPosX() const { return TextPosX; }
    int GetTextPosY() const { return TextPosY; }
    int GetTextAngle() const { return TextAngle; }
    int GetFontSize() const { return FontSize; }
    bool GetEnableShadow() const { return EnableShadow; }
    int GetShadowAlpha() const { return ShadowAlpha; }
    int GetShadowOffsetX() const { return ShadowOffsetX; }
    int GetShadowOffsetY() const { return ShadowOffsetY; }
    QColor GetShadowColor() const { return ShadowColor; }
    int GetShadowThickness() const { return ShadowThickness; }
    bool IsEnablePngRendering() const { return PngRendering; }
    bool IsEnableTextGradient() const { return TextGradient; }
    bool GetDiffusedShadow() const { return DiffusedShadow; }
    bool GetExtrudedText() const { return ExtrudedText; }
    bool IsEnableReflection() const { return EnableReflection; }
    float GetBegAlpha() const { return BegAlpha; }
    float GetEndAlpha() const { return EndAlpha; }
    float GetShown() const { return Shown; }
    tagLOGFONTW* GetLogFont() { return &LogFont; }
    const tagLOGFONTW* GetLogFont() const { return &LogFont; }

    // Setters: most store and mark the record modified only on a real change.
    void SetBkgdColor(QColor color);
    void SetTextColor1(QColor color);
    void SetTextColor2(QColor color);
    void SetOutlineColor1(QColor color);
    void SetOutlineColor2(QColor color);
    void SetShadowColor(QColor color);
    void SetTextEffect(::TextEffect effect);
    void SetTextPath(::TextPath path);
    // Stores the text with "\n", "\r" and "\t" pairs turned into the characters.
    void SetText(const QString& text);
    void Render(bool enabled);
    void SetOutlineAlpha1(unsigned char alpha);
    void SetOutlineAlpha2(unsigned char alpha);
    void SetOutlineThickness1(int thickness);
    void SetOutlineThickness2(int thickness);
    void SetTextPosX(int x);
    void SetTextPosY(int y);
    // Stored in tenths of a degree.
    void SetTextAngle(int angle);
    void SetLogFont(const tagLOGFONTW* logFont);
    void SetFontSize(int size);
    void SetEnableShadow(bool enabled);
    void SetShadowAlpha(int alpha);
    void SetShadowOffsetX(int x);
    void SetShadowOffsetY(int y);
    void SetShadowThickness(int thickness);
    void EnablePngRendering(bool enabled);
    void EnableTextGradient(bool enabled);
    void SetDiffusedShadow(bool enabled);
    void SetExtrudedText(bool enabled);
    // The field of the same name is written directly by the editor pages, so
    // the setter carries a distinct name.
    void SetEnableReflection(bool enabled);
    void SetBegAlpha(float alpha);
    void SetEndAlpha(float alpha);
    void SetShown(float shown);
    void UpdateFromLogFont() {}

    // Rendering. Fonts larger than this many pixels are drawn at this size:
    // the image grows with the square of it.
    static constexpr int kMaxFontPixelSize = 2000;
    // Thicknesses, offsets and box paddings are drawn at most this large:
    // every pixel of them is one more stroke or text copy.
    static constexpr int kMaxEffectLength = 999;
    // Renders the text into *out (replaced), trimmed to its visible pixels and
    // set on the background box when that is on. Returns false, with *out
    // null, when the image would be too large to make.
    bool DrawEffectText(QImage* out, bool unused);
    // Draws with the caller's painter at the record's position, without
    // image, trimming or box; stores the measured size in *w and *h.
    void DrawEffectText(QPainter* painter, int* w, int* h);
    // What DrawEffectText covers before trimming.
    QSize GetTextSize();
    // text measured with a font built from LogFont.
    QSize GetTextSize(const wchar_t* text);
    // Installs the text strategy of TextEffect on canvas, filling with brush
    // when given; false only for a null canvas.
    bool SetTextEffect(QTextDesigner::CanvasHelper* canvas, QBrush* brush);

    // Fields, written directly by the editor pages and the project reader.
    QColor BkgdColor;
    QColor TextColor1;
    QColor TextColor2;
    QColor OutlineColor1;
    QColor OutlineColor2;
    ::TextEffect TextEffect = TE_GLOW;
    ::TextPath TextPath = TP_NONE;
    QString Text;
    bool RenderEnabled = true;
    unsigned char OutlineAlpha1 = 24;
    unsigned char OutlineAlpha2 = 255;
    int OutlineThickness1 = 14;
    int OutlineThickness2 = 8;
    int TextPosX = 10;
    int TextPosY = 10;
    int TextAngle = 0;
    tagLOGFONTW LogFont;
    QFont Font;
    int FontSize = 10;
    int ShadowOffsetX = 4;
    int ShadowOffsetY = 4;
    int ShadowAlpha = 128;
    bool EnableShadow = false;
    QColor ShadowColor;
    int ShadowThickness = 4;
    bool PngRendering = true;
    bool TextGradient = false;
    bool Modified = true;
    bool DiffusedShadow = false;
    bool ExtrudedText = false;
    float BegAlpha = 0.4f;
    float EndAlpha = 0.01f;
    float Shown = 0.7f;
    bool EnableReflection = false;
    bool EnableBackground = false;
    int BackgroundAlpha = 100;
    QColor ColorBackground;
    int BackgroundThickness = 10;
    int BackgroundRound = 0;
    bool DialogEnabled = false;
    int DialogStyle = 0;
    // Preset name shown by the styled-text presets; copied with the record but
    // not kept in project files.
    QString Name;

private:
    // Shared set-up of the rendering calls: fills canvas, writes FontSize and
    // the text position, measures. Returns the font to draw with.
    QFont PrepareCanvas(QTextDesigner::CanvasHelper& canvas, const wchar_t* text, float* m1,
                        float* m2, float* m3, float* m4);
    QPoint DrawPoint() const;
    // Draws the prepared text with its fill (the gradient over the text
    // height when set); nothing when the text has not been modified.
    void DrawPrepared(QTextDesigner::CanvasHelper& canvas, QPainter* painter, QFont& font, const wchar_t* text,
                      float height);
};
