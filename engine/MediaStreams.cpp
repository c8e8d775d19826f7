#include "MediaStreams.h"

#include <QFile>
#include <QRegularExpression>

#include <atomic>
#include <cstdint>

#include "MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

std::atomic<int> g_lengthReadings{0};

// A stream's length as the file's header gives it; 0 when it gives none.
long long HeaderLength(const AVStream* s)
{
    if (s->duration != AV_NOPTS_VALUE && s->duration > 0)
        return av_rescale_q(s->duration, s->time_base, AV_TIME_BASE_Q);
    // Matroska keeps a track's length in a tag, "HH:MM:SS.nnnnnnnnn".
    const AVDictionaryEntry* tag = av_dict_get(s->metadata, "DURATION", nullptr, 0);
    if (!tag)
        return 0;
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,6}):(\\d{1,2}):(\\d{1,2})(?:\\.(\\d{1,9}))?$"));
    const QRegularExpressionMatch m = clock.match(QString::fromLatin1(tag->value).trimmed());
    if (!m.hasMatch())
        return 0;
    const long long seconds
        = m.captured(1).toLongLong() * 3600 + m.captured(2).toLongLong() * 60 + m.captured(3).toLongLong();
    return seconds * 1000000 + m.captured(4).leftJustified(9, QLatin1Char('0')).toLongLong() / 1000;
}

// Reads packets of the two streams (the others are skipped) until `done`
// says enough or the file ends, widening each stream's first and last stamp.
template <typename Done>
void ReadStamps(AVFormatContext* ctx, int video, int audio, int64_t first[2], int64_t last[2], Done done)
{
    AVPacket* pkt = av_packet_alloc();
    while (pkt && !done() && av_read_frame(ctx, pkt) >= 0) {
        const int which = pkt->stream_index == video ? 0 : pkt->stream_index == audio ? 1 : -1;
        const long long ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        if (which >= 0 && ts != AV_NOPTS_VALUE) {
            const AVRational tb = ctx->streams[pkt->stream_index]->time_base;
            first[which] = qMin(first[which], av_rescale_q(ts, tb, AV_TIME_BASE_Q));
            last[which] = qMax(last[which], av_rescale_q(ts + qMax<int64_t>(0, pkt->duration), tb, AV_TIME_BASE_Q));
        }
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
}

void Spans(const int64_t first[2], const int64_t last[2], long long* videoSpan, long long* audioSpan)
{
    if (videoSpan && last[0] > first[0])
        *videoSpan = last[0] - first[0];
    if (audioSpan && last[1] > first[1])
        *audioSpan = last[1] - first[1];
}

// The span of the time stamps of the packets of two streams (-1: none). The
// first stamps come from the head of the file, the last ones from its tail:
// reading a long file through would hold up whoever asks for minutes.
void PacketSpans(AVFormatContext* ctx, int video, int audio, long long* videoSpan, long long* audioSpan)
{
    constexpr int64_t kTailBytes = 1024 * 1024;
    constexpr int kHeadPackets = 4096;
    int64_t first[2] = {INT64_MAX, INT64_MAX};
    int64_t last[2] = {INT64_MIN, INT64_MIN};
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        if (int(i) != video && int(i) != audio)
            ctx->streams[i]->discard = AVDISCARD_ALL;
    }
    const auto seen = [&](int which, int stream) { return stream < 0 || first[which] != INT64_MAX; };
    int headPackets = 0;
    ReadStamps(ctx, video, audio, first, last,
               [&] { return ++headPackets > kHeadPackets || (seen(0, video) && seen(1, audio)); });
    const int64_t size = ctx->pb ? avio_size(ctx->pb) : -1;
    // A stream not met at the head may start anywhere: read it all.
    if (size > 2 * kTailBytes && seen(0, video) && seen(1, audio)) {
        const int64_t headLast[2] = {last[0], last[1]};
        if (av_seek_frame(ctx, -1, size - kTailBytes, AVSEEK_FLAG_BYTE) >= 0) {
            ReadStamps(ctx, video, audio, first, last, [] { return false; });
            // Every stream met again near the end: its last stamp is known.
            if ((video < 0 || last[0] > headLast[0]) && (audio < 0 || last[1] > headLast[1]))
                return Spans(first, last, videoSpan, audioSpan);
        }
        // A stream that ends long before the file does: read it all.
        av_seek_frame(ctx, -1, 0, AVSEEK_FLAG_BYTE);
    }
    ReadStamps(ctx, video, audio, first, last, [] { return false; });
    Spans(first, last, videoSpan, audioSpan);
}

ST_STREAM_FACTS ProbeFile(const QString& path, bool measure)
{
    ST_STREAM_FACTS f;
    const MediaInput input(QFile::encodeName(path).constData());
    AVFormatContext* ctx = input.get();
    if (!ctx)
        return f;
    int video = -1;
    int audio = -1;
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
                f.videoDuration = HeaderLength(s);
                video = int(i);
            }
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            if (!f.hasAudio) {
                f.hasAudio = true;
                f.audioCodec = codec;
                f.sampleRate = par->sample_rate;
                f.channels = par->ch_layout.nb_channels;
                f.audioDuration = HeaderLength(s);
                audio = int(i);
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
    if (measure && ((f.hasVideo && f.videoDuration <= 0) || (f.hasAudio && f.audioDuration <= 0))) {
        ++g_lengthReadings;
        PacketSpans(ctx, f.videoDuration <= 0 ? video : -1, f.audioDuration <= 0 ? audio : -1, &f.videoDuration,
                    &f.audioDuration);
    }
    return f;
}

} // namespace

ST_STREAM_FACTS MediaStreams::Probe(const QString& path)
{
    return ProbeFile(path, false);
}

ST_STREAM_FACTS MediaStreams::ProbeLengths(const QString& path)
{
    return ProbeFile(path, true);
}

int MediaStreams::LengthReadings()
{
    return g_lengthReadings;
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
