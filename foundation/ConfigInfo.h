#pragma once
#include <QString>
#include <QStringList>

// Video settings of a named format entry.
struct VideoInfo
{
    QString Codec;
    QString BitRate;
    QString Size;
    QString Aspect;
    QString FrameRate;
};

// Audio settings of a named format entry.
struct AudioInfo
{
    QString Codec;
    QString BitRate;
    QString Channels;
    QString Sample;
};

// A named format entry with the choices offered for it.
struct ConfigInfo
{
    QString Name;
    VideoInfo Video;
    AudioInfo Audio;
    QStringList VideoCodecs;
    QStringList VideoSizes;
    QStringList AudioCodecs;
    QStringList AudioSamples;
};
