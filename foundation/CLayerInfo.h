#pragma once
// One layer of the watermark canvas: what it shows, where and how it stands,
// its motion, fading, time window, crop, shadow, styled text and picture.
#include "CWordArtInfo.h"
#include "LayerPlacement.h"
#include "PictureGeometry.h"
#include "ST_CROP_THICK.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>

class CLayerInfo
{
public:
    CLayerInfo();
    CLayerInfo(const CLayerInfo& other);
    CLayerInfo& operator=(const CLayerInfo& other);
    virtual ~CLayerInfo();

    // Copies every field, the picture and its clip's geometry included.
    CLayerInfo& Copy(const CLayerInfo& other);
    // Copies every field except the picture and its clip's geometry.
    CLayerInfo& CopyNoImageData(const CLayerInfo* other);
    // Exchanges everything but the pictures of a and b.
    static void SwapLayerNoImageData(CLayerInfo* a, CLayerInfo* b);

    void SetLayerShadow(int angle, int distance, bool on);
    // Derives ShadowX and ShadowY from ShadowAngle and ShadowDistance.
    void ShadowAngleToXY();
    QImage* GetQImage() { return &Image; }
    // Renders WordArt into Image.
    void DrawWordArt();
    // Takes the crop margins and switch (frame layers only crop).
    void SetCrop(const ST_CROP_THICK& crop)
    {
        CropLeft = crop.left;
        CropTop = crop.top;
        CropRight = crop.right;
        CropBottom = crop.bottom;
        CropOn = crop.changed;
    }

    int32_t Transparent = 100;      // opacity in percent
    int32_t Type = 2;               // 0 source frame, 1 video, 2 image, 3 styled text
    QString FileName;
    bool Lock = false;
    int32_t Width = 0;
    int32_t Height = 0;
    float Angle = 0.0f;             // degrees, clockwise
    bool FlipVertical = false;
    bool FlipHorizontal = false;
    int32_t Rotation = -1;          // -1 none, 1 quarter turn clockwise, 2 counter-clockwise
    bool Keep = true;               // keep the aspect ratio on resize
    int32_t Direction = 0;
    int32_t Speed = 50;             // pixels per second
    int32_t Animation = 0;          // 0 None, 1 Left, 2 Right, 3 Top, 4 Bottom
    int32_t Fade = 0;               // 0 none, 1 In, 2 Out, 3 InOut
    int32_t Loop = 0;
    int64_t StartTime = 0;          // microseconds
    int64_t EndTime = 0;            // microseconds, 0 = to the end of the video
    double CropLeft = 0.0;
    double CropTop = 0.0;
    double CropRight = 0.0;
    double CropBottom = 0.0;
    bool CropOn = false;
    bool ShadowOn = false;
    int32_t ShadowAngle = 315;
    int32_t ShadowDistance = 30;
    int32_t ShadowX = 15;
    int32_t ShadowY = 15;
    QColor ShadowColor;
    int32_t x = 0;
    int32_t y = 0;
    // The frame the layer was placed on and its place there, which showing
    // it on the frames of other rows never changes.
    LayerPlacement Placement;
    CWordArtInfo WordArt;
    QImage Image;
    // A video layer's clip as stored, turned and shown, read with the picture
    // Image holds; never saved, as it is a fact of the file.
    PictureGeometry Clip;

private:
    void CopyFields(const CLayerInfo& other);
};
