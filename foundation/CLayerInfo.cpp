#include "CLayerInfo.h"

#include <climits>

CLayerInfo::CLayerInfo()
    : FileName(QStringLiteral(""))
    , ShadowColor(0, 0, 0, 180)
{
}

CLayerInfo::CLayerInfo(const CLayerInfo& other)
    : CLayerInfo()
{
    Copy(other);
}

CLayerInfo& CLayerInfo::operator=(const CLayerInfo& other)
{
    return Copy(other);
}

CLayerInfo::~CLayerInfo() = default;

CLayerInfo& CLayerInfo::Copy(const CLayerInfo& other)
{
    if (this == &other)
        return *this;
    CopyFields(other);
    Image = other.Image;
    Clip = other.Clip;
    return *this;
}

CLayerInfo& CLayerInfo::CopyNoImageData(const CLayerInfo* other)
{
    CopyFields(*other);
    return *this;
}

void CLayerInfo::SwapLayerNoImageData(CLayerInfo* a, CLayerInfo* b)
{
    CLayerInfo temp;
    temp.CopyNoImageData(a);
    a->CopyNoImageData(b);
    b->CopyNoImageData(&temp);
}

void CLayerInfo::SetLayerShadow(int angle, int distance, bool on)
{
    ShadowAngle = angle;
    ShadowDistance = distance;
    ShadowOn = on;
    ShadowAngleToXY();
}

namespace {

// numerator / 90 times d, + 0.5 and truncated toward zero, as the canvas
// items have always placed their shadows; a whole product is taken as it is,
// so the four main directions keep the full distance (90 degrees and
// distance 30 is exactly (-30, 0)). Computed exactly in integers: rounding
// in floating point made some whole products land just beside the whole
// number, one short on the negative side only, so mirrored angles differed.
int ShadowPart(int numerator, int d)
{
    const long long p = static_cast<long long>(numerator) * d;
    long long result;
    if (p % 90 == 0)
        result = p / 90;
    else
        result = static_cast<long long>((2 * static_cast<__int128>(p) + 90) / 180);   // trunc(p / 90 + 0.5)
    return static_cast<int>(qBound<long long>(INT_MIN, result, INT_MAX));
}

} // namespace

void CLayerInfo::ShadowAngleToXY()
{
    const int a = ShadowAngle;
    const int d = ShadowDistance;
    if (a <= 90) {
        ShadowX = ShadowPart(a, -d);
        ShadowY = ShadowPart(90 - a, d);
    } else if (a <= 180) {
        ShadowX = ShadowPart(180 - a, -d);
        ShadowY = ShadowPart(a - 90, -d);
    } else if (a <= 270) {
        ShadowX = ShadowPart(a - 180, d);
        ShadowY = ShadowPart(270 - a, -d);
    } else if (a <= 360) {
        ShadowX = ShadowPart(360 - a, d);
        ShadowY = ShadowPart(a - 270, d);
    }
}

void CLayerInfo::CopyFields(const CLayerInfo& other)
{
    Transparent = other.Transparent;
    Type = other.Type;
    FileName = other.FileName;
    Lock = other.Lock;
    Width = other.Width;
    Height = other.Height;
    Angle = other.Angle;
    FlipVertical = other.FlipVertical;
    FlipHorizontal = other.FlipHorizontal;
    Rotation = other.Rotation;
    Keep = other.Keep;
    Direction = other.Direction;
    Speed = other.Speed;
    Animation = other.Animation;
    Fade = other.Fade;
    Loop = other.Loop;
    StartTime = other.StartTime;
    EndTime = other.EndTime;
    CropLeft = other.CropLeft;
    CropTop = other.CropTop;
    CropRight = other.CropRight;
    CropBottom = other.CropBottom;
    CropOn = other.CropOn;
    ShadowOn = other.ShadowOn;
    ShadowAngle = other.ShadowAngle;
    ShadowDistance = other.ShadowDistance;
    ShadowX = other.ShadowX;
    ShadowY = other.ShadowY;
    ShadowColor = other.ShadowColor;
    x = other.x;
    y = other.y;
    Placement = other.Placement;
    WordArt = other.WordArt;
}
