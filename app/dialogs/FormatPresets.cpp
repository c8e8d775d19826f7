#include "FormatPresets.h"

#include <QCoreApplication>

namespace FormatPresets {

namespace {

const char* const kContainers[] = {"mp4", "mkv", "avi", "flv", "mov", "mpg", "ts", "mp3", "m4a", "wav"};
const int kContainerCount = int(sizeof(kContainers) / sizeof(kContainers[0]));

bool Valid(int format)
{
    return format >= 0 && format < kContainerCount;
}

} // namespace

QString ContainerName(int format)
{
    return Valid(format) ? QLatin1String(kContainers[format]) : QString();
}

int ContainerIndex(const QString& name)
{
    for (int i = 0; i < kContainerCount; ++i)
        if (name == QLatin1String(kContainers[i]))
            return i;
    return -1;
}

bool IsSoundContainer(int format)
{
    return format == FORMAT_MP3 || format == FORMAT_M4A || format == FORMAT_WAV;
}

QStringList FrameSizes()
{
    return {"128x96 SQCIF", "160x120 QVGA", "176x120", "176x144 QCIF", "192x144", "208x176",
            "220x176", "224x176", "240x180", "320x200", "320x240 VGA", "352x240",
            "352x288 CIF", "480x272", "480x360", "640x480", "800x480", "1280x720",
            "1080x1920", "1920x1080", "2560x1440", "4096x2160"};
}

QString DefaultFrameSize()
{
    return QStringLiteral("1920x1080");
}

QStringList FrameRates(int format)
{
    // MPEG-1/2 program streams take only a few standard rates.
    if (format == FORMAT_MPG)
        return {"20.0 fps", "23.976 fps", "25.0 fps"};
    return {"5.0 fps", "10.0 fps", "14.985 fps", "15.0 fps", "20.0 fps",
            "23.976 fps", "25.0 fps", "29.976 fps", "60 fps"};
}

QString DefaultFrameRate()
{
    return QStringLiteral("25.0 fps");
}

QStringList Aspects()
{
    return {"Auto", "4:3", "16:9", "9:16"};
}

QStringList VideoBitRates(bool quality)
{
    if (quality)
        return {"Auto", QCoreApplication::translate("QFormatDialog", "50 high"), "46", "43", "40", "35", "30",
                "25", "20", "15", "10", "5", QCoreApplication::translate("QFormatDialog", "1 low")};
    return {"Auto", "64 kbps", "128 kbps", "256 kbps", "320 kbps", "448 kbps", "512 kbps",
            "640 kbps", "768 kbps", "1024 kbps", "1536 kbps", "2048 kbps", "3072 kbps", "4096 kbps",
            "5120 kbps", "6144 kbps", "7168 kbps", "8192 kbps", "9216 kbps"};
}

QStringList VideoCodecs(int format)
{
    switch (format) {
    case FORMAT_MP4:
    case FORMAT_MKV:
    case FORMAT_MOV:
        return {"h264", "h265", "xvid", "mpeg4"};
    case FORMAT_AVI:
        return {"h264", "h265", "xvid", "mpeg4", "mjpeg"};
    case FORMAT_FLV:
        return {"h264", "h265"};
    case FORMAT_MPG:
        return {"mpeg1video", "mpeg2video"};
    case FORMAT_TS:
        return {"h264", "mpeg2video"};
    default:
        return {};
    }
}

QString DefaultVideoCodec(int format)
{
    if (format == FORMAT_MPG)
        return QStringLiteral("mpeg2video");
    return VideoCodecs(format).isEmpty() ? QString() : QStringLiteral("h264");
}

QStringList AudioCodecs(int format)
{
    switch (format) {
    case FORMAT_MP4:
        return {"aac", "mp3"};
    case FORMAT_MKV:
        return {"mp3", "mp2", "ac3"};
    case FORMAT_AVI:
        return {"mp3", "mp2", "pcm_s16le"};
    case FORMAT_FLV:
    case FORMAT_MOV:
    case FORMAT_M4A:
        return {"aac"};
    case FORMAT_MPG:
        return {"mp2"};
    case FORMAT_TS:
        return {"aac", "mp2"};
    case FORMAT_MP3:
        return {"mp3"};
    case FORMAT_WAV:
        return {"pcm_s16le"};
    default:
        return {};
    }
}

QString DefaultAudioCodec(int format)
{
    switch (format) {
    case FORMAT_MKV:
        return QStringLiteral("ac3");
    case FORMAT_AVI:
    case FORMAT_MPG:
        return QStringLiteral("mp2");
    default: {
        const QStringList codecs = AudioCodecs(format);
        return codecs.isEmpty() ? QString() : codecs.first();
    }
    }
}

QStringList Channels()
{
    return {"1 channels mono", "2 channels stereo"};
}

QString DefaultChannels()
{
    return QStringLiteral("2 channels stereo");
}

QStringList SampleRates()
{
    return {"8000 Hz", "16000 Hz", "22050 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
}

QString DefaultSampleRate()
{
    return QStringLiteral("44100 Hz");
}

QStringList AudioBitRates()
{
    return {"32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps",
            "128 kbps", "160 kbps", "192 kbps", "224 kbps", "256 kbps", "320 kbps"};
}

QString DefaultAudioBitRate()
{
    return QStringLiteral("64 kbps");
}

} // namespace FormatPresets
