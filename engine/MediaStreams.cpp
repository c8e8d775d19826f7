#include "MediaStreams.h"

#include <QFile>
#include <QRegularExpression>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

#include "MediaInput.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
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
                f.turn = PictureTurn::FromMatrix(reinterpret_cast<const int32_t*>(
                    av_stream_get_side_data(s, AV_PKT_DATA_DISPLAYMATRIX, nullptr)));
                const AVRational sar = av_guess_sample_aspect_ratio(ctx, ctx->streams[i], nullptr);
                if (sar.num > 0 && sar.den > 0) {
                    f.sarNum = sar.num;
                    f.sarDen = sar.den;
                }
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

// What the muxer's codec list, or what we know of a muxer without one, says
// it can carry.
bool Listed(const AVOutputFormat* fmt, const AVCodecDescriptor* desc)
{
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

// Copies a muxer writes but its own reader does not give back whole.
bool ReadBackWhole(const AVOutputFormat* fmt, const AVCodecDescriptor* desc)
{
    // Matroska's reader rebuilds a TTA stream's header from the length of
    // the whole file: a stream that ends before the picture loses its last
    // frame (up to a second).
    return !(desc->id == AV_CODEC_ID_TTA && qstrcmp(fmt->name, "matroska") == 0);
}

// The converter is run without "-strict": its muxers refuse what is
// experimental in them (FLAC in MP4, say), though their lists name it.
constexpr int kConverterStrictness = FF_COMPLIANCE_NORMAL;

// The parameters a sound encoder of the codec gives its stream, its own
// header data included, where the codec has an encoder that opens. Some
// muxers will not start without that data (FLAC or Vorbis in Matroska).
bool EncoderParameters(const AVCodecDescriptor* desc, AVCodecParameters* par)
{
    const AVCodec* encoder = avcodec_find_encoder(desc->id);
    if (!encoder)
        return false;
    AVCodecContext* ctx = avcodec_alloc_context3(encoder);
    if (!ctx)
        return false;
    ctx->sample_fmt = encoder->sample_fmts ? encoder->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    // The common rates, as the encoder lists them.
    ctx->sample_rate = 44100;
    if (const int* rates = encoder->supported_samplerates) {
        ctx->sample_rate = rates[0];
        for (const int* r = rates; *r; ++r) {
            if (*r == 44100 || (*r == 48000 && ctx->sample_rate != 44100))
                ctx->sample_rate = *r;
        }
    }
    const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    const AVChannelLayout* layout = &stereo;
    if (const AVChannelLayout* layouts = encoder->ch_layouts) {
        layout = &layouts[0];
        for (const AVChannelLayout* l = layouts; l->nb_channels; ++l) {
            if (!av_channel_layout_compare(l, &stereo))
                layout = l;
        }
    }
    bool made = av_channel_layout_copy(&ctx->ch_layout, layout) >= 0;
    ctx->time_base = AVRational{1, ctx->sample_rate};
    ctx->bit_rate = 128000;
    ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // Only its parameters are wanted, from whichever encoder there is.
    ctx->strict_std_compliance = FF_COMPLIANCE_EXPERIMENTAL;
    // Nothing is encoded: what it would say on closing means nothing.
    ctx->log_level_offset = AV_LOG_TRACE;
    made = made && avcodec_open2(ctx, encoder, nullptr) >= 0 && avcodec_parameters_from_context(par, ctx) >= 0;
    avcodec_free_context(&ctx);
    return made;
}

// Whether the muxer writes the header of a file of that name, into memory,
// for one stream of `par`.
bool WritesHeader(const AVOutputFormat* fmt, const char* fileName, const AVCodecParameters* par, int strictness)
{
    AVFormatContext* ctx = nullptr;
    if (avformat_alloc_output_context2(&ctx, fmt, nullptr, fileName) < 0 || !ctx)
        return false;
    ctx->strict_std_compliance = strictness;
    bool written = false;
    AVStream* stream = avformat_new_stream(ctx, nullptr);
    if (stream && avcodec_parameters_copy(stream->codecpar, par) >= 0 && avio_open_dyn_buf(&ctx->pb) >= 0) {
        stream->time_base = par->codec_type == AVMEDIA_TYPE_AUDIO && par->sample_rate > 0
            ? AVRational{1, par->sample_rate}
            : AVRational{1, 1000};
        if (par->codec_type == AVMEDIA_TYPE_VIDEO)
            stream->avg_frame_rate = AVRational{25, 1};
        written = avformat_write_header(ctx, nullptr) >= 0;
        uint8_t* bytes = nullptr;
        avio_close_dyn_buf(ctx->pb, &bytes);
        av_free(bytes);
        ctx->pb = nullptr;
    }
    avformat_free_context(ctx);
    return written;
}

// Whether the muxer, at the converter's strictness, starts a file with one
// stream of the codec as it is.
bool MuxerTakes(const AVOutputFormat* fmt, const char* fileName, const AVCodecDescriptor* desc)
{
    AVCodecParameters* par = avcodec_parameters_alloc();
    if (!par)
        return false;
    par->codec_type = desc->type;
    par->codec_id = desc->id;
    // Sound streams as an encoder makes them; pictures and subtitles bare
    // (opening a picture encoder costs far more, and some of them print).
    const bool real = desc->type == AVMEDIA_TYPE_AUDIO && EncoderParameters(desc, par);
    if (!real && desc->type == AVMEDIA_TYPE_AUDIO) {
        par->sample_rate = 44100;
        const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        av_channel_layout_copy(&par->ch_layout, &stereo);
    } else if (desc->type == AVMEDIA_TYPE_VIDEO) {
        par->width = 320;
        par->height = 240;
        par->format = AV_PIX_FMT_YUV420P;
    }
    bool takes = WritesHeader(fmt, fileName, par, kConverterStrictness);
    // Made-up parameters may lack what a real stream carries: then only a
    // refusal that the strictness alone makes counts.
    if (!takes && !real)
        takes = !WritesHeader(fmt, fileName, par, FF_COMPLIANCE_EXPERIMENTAL);
    avcodec_parameters_free(&par);
    return takes;
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
        // The joined file shows every picture as the first one is shown.
        if (b.hasVideo
            && (b.turn.degrees != a.turn.degrees || b.turn.mirrored != a.turn.mirrored
                || qint64(b.sarNum) * a.sarDen != qint64(a.sarNum) * b.sarDen))
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
    // Asked for every row and step: each pair is tried once.
    static std::mutex lock;
    static std::map<std::pair<const AVOutputFormat*, AVCodecID>, bool> answers;
    const auto key = std::make_pair(fmt, desc->id);
    {
        const std::lock_guard<std::mutex> held(lock);
        const auto known = answers.find(key);
        if (known != answers.end())
            return known->second;
    }
    const bool accepts
        = Listed(fmt, desc) && ReadBackWhole(fmt, desc) && MuxerTakes(fmt, fileName.constData(), desc);
    const std::lock_guard<std::mutex> held(lock);
    answers.emplace(key, accepts);
    return accepts;
}
