#include "MediaStreams.h"

#include <QFile>

#include "MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

ST_STREAM_FACTS MediaStreams::Probe(const QString& path)
{
    ST_STREAM_FACTS f;
    const MediaInput input(QFile::encodeName(path).constData());
    const AVFormatContext* ctx = input.get();
    if (!ctx)
        return f;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream* s = ctx->streams[i];
        const AVCodecParameters* par = s->codecpar;
        const QString codec = QString::fromLatin1(avcodec_get_name(par->codec_id));
        if (par->codec_type == AVMEDIA_TYPE_VIDEO && !(s->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            if (!f.hasVideo) {
                f.hasVideo = true;
                f.videoCodec = codec;
                f.width = par->width;
                f.height = par->height;
                f.pixelFormat = par->format;
            }
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            if (!f.hasAudio) {
                f.hasAudio = true;
                f.audioCodec = codec;
                f.sampleRate = par->sample_rate;
                f.channels = par->ch_layout.nb_channels;
            }
        } else if (par->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            if (!f.hasSubtitle) {
                f.hasSubtitle = true;
                f.subtitleCodec = codec;
            }
        }
    }
    f.duration = input.Duration();
    f.ok = true;
    return f;
}

bool MediaStreams::SameForConcat(const QList<ST_STREAM_FACTS>& files)
{
    if (files.isEmpty())
        return false;
    const ST_STREAM_FACTS& a = files.first();
    for (const ST_STREAM_FACTS& b : files) {
        if (!b.ok || b.hasVideo != a.hasVideo || b.hasAudio != a.hasAudio)
            return false;
        if (b.hasVideo && (b.videoCodec != a.videoCodec || b.width != a.width || b.height != a.height
                           || b.pixelFormat != a.pixelFormat))
            return false;
        if (b.hasAudio
            && (b.audioCodec != a.audioCodec || b.sampleRate != a.sampleRate || b.channels != a.channels))
            return false;
    }
    return a.hasVideo || a.hasAudio;
}

bool MediaStreams::ContainerAccepts(const QString& container, const QString& codecName)
{
    const QString file = container.contains('.') ? container : "x." + container;
    const QByteArray fileName = QFile::encodeName(file.toLower());
    const AVOutputFormat* fmt = av_guess_format(nullptr, fileName.constData(), nullptr);
    const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(codecName.toLatin1().constData());
    if (!fmt || !desc)
        return false;
    const int r = avformat_query_codec(fmt, desc->id, FF_COMPLIANCE_NORMAL);
    if (r >= 0)
        return r == 1;
    // Muxers that keep no codec list: what they are known to carry.
    const QString name = QString::fromLatin1(fmt->name);
    const QString codec = QString::fromLatin1(desc->name);
    if (name == QLatin1String("mpegts"))
        return QStringList{"aac", "mp3", "mp2", "ac3", "eac3", "opus", "h264", "hevc", "mpeg2video",
                           "dvb_subtitle"}.contains(codec);
    if (name == QLatin1String("mpeg") || name == QLatin1String("vob") || name == QLatin1String("dvd"))
        return QStringList{"mp2", "mp3", "ac3", "mpeg1video", "mpeg2video", "dvd_subtitle"}.contains(codec);
    if (name == QLatin1String("mp3"))
        return codec == QLatin1String("mp3");
    return desc->id == fmt->audio_codec || desc->id == fmt->video_codec || desc->id == fmt->subtitle_codec;
}
