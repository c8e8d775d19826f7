#include "MediaStreams.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "MediaInput.h"
#include "SoundDecoder.h"
#include "SoundSample.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
#include <libavutil/samplefmt.h>
}

namespace {

std::atomic<int> g_lengthReadings{0};

// Stamps are whatever a damaged file holds: sums and spans of them saturate
// instead of overflowing.
int64_t Plus(int64_t a, int64_t b)
{
    int64_t sum;
    return __builtin_add_overflow(a, b, &sum) ? (b > 0 ? INT64_MAX : INT64_MIN) : sum;
}

int64_t Span(int64_t first, int64_t end)
{
    int64_t span;
    return end <= first ? 0 : __builtin_sub_overflow(end, first, &span) ? INT64_MAX : span;
}

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
// says enough or the file ends, widening each stream's first and last stamp
// and handing each of their packets to `each`.
template <typename Done, typename Each>
void ReadStamps(AVFormatContext* ctx, int video, int audio, int64_t first[2], int64_t last[2], Done done, Each each)
{
    AVPacket* pkt = av_packet_alloc();
    while (pkt && !done() && av_read_frame(ctx, pkt) >= 0) {
        const int which = pkt->stream_index == video ? 0 : pkt->stream_index == audio ? 1 : -1;
        const long long ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        if (which >= 0 && ts != AV_NOPTS_VALUE) {
            const AVRational tb = ctx->streams[pkt->stream_index]->time_base;
            first[which] = qMin(first[which], av_rescale_q(ts, tb, AV_TIME_BASE_Q));
            last[which] = qMax(last[which], av_rescale_q(Plus(ts, qMax<int64_t>(0, pkt->duration)), tb, AV_TIME_BASE_Q));
        }
        if (which >= 0)
            each(pkt);
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
}

template <typename Done>
void ReadStamps(AVFormatContext* ctx, int video, int audio, int64_t first[2], int64_t last[2], Done done)
{
    ReadStamps(ctx, video, audio, first, last, done, [](const AVPacket*) {});
}

void Spans(const int64_t first[2], const int64_t last[2], long long* videoSpan, long long* audioSpan)
{
    if (videoSpan && last[0] > first[0])
        *videoSpan = Span(first[0], last[0]);
    if (audioSpan && last[1] > first[1])
        *audioSpan = Span(first[1], last[1]);
}

// The span of the time stamps of the packets of two streams (-1: none),
// going on from what `first` and `last` already hold. The first stamps come
// from the head of the file, the last ones from its tail: reading a long
// file through would hold up whoever asks for minutes.
void PacketSpansFrom(AVFormatContext* ctx, int video, int audio, int64_t first[2], int64_t last[2],
                     long long* videoSpan, long long* audioSpan)
{
    constexpr int64_t kTailBytes = 1024 * 1024;
    constexpr int kHeadPackets = 4096;
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

void PacketSpans(AVFormatContext* ctx, int video, int audio, long long* videoSpan, long long* audioSpan)
{
    int64_t first[2] = {INT64_MAX, INT64_MAX};
    int64_t last[2] = {INT64_MIN, INT64_MIN};
    PacketSpansFrom(ctx, video, audio, first, last, videoSpan, audioSpan);
}

// One stream's packets met on one read, in microseconds of the file's own clock.
struct StreamRead {
    int64_t first = INT64_MAX;      // the stream's first stamp
    int64_t end = INT64_MIN;        // the end of its last packet
    int64_t lastStart = INT64_MIN;  // the stamp of its last packet
    long long decodedBefore = 0;    // what the decoder had given before that packet
    bool met() const { return first != INT64_MAX; }
};

void Discard(AVFormatContext* ctx, int stream, AVDiscard others)
{
    for (unsigned i = 0; i < ctx->nb_streams; ++i)
        ctx->streams[i]->discard = int(i) == stream ? AVDISCARD_DEFAULT : others;
}

// Reads on from where the file stands, widening `seen` and handing the
// stream's packets to `decoder` (if any), until the file ends; or, given a
// time `at` to look at, until the stream reaches it (true), or until the
// other streams go on `window` past the stream's last packet, or past their
// own first one without it (false).
bool ReadStream(AVFormatContext* ctx, int stream, StreamRead* seen, SoundDecoder* decoder = nullptr,
                int64_t at = INT64_MAX, int64_t window = 0)
{
    AVPacket* pkt = av_packet_alloc();
    int64_t quietFrom = INT64_MAX;
    bool reached = false;
    bool quiet = false;
    while (pkt && !reached && !quiet && av_read_frame(ctx, pkt) >= 0) {
        const long long ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        if (ts != AV_NOPTS_VALUE) {
            const AVRational tb = ctx->streams[pkt->stream_index]->time_base;
            const int64_t stamp = av_rescale_q(ts, tb, AV_TIME_BASE_Q);
            if (pkt->stream_index == stream) {
                const int64_t end = av_rescale_q(Plus(ts, qMax<int64_t>(0, pkt->duration)), tb, AV_TIME_BASE_Q);
                seen->first = qMin(seen->first, stamp);
                seen->end = qMax(seen->end, end);
                if (stamp >= seen->lastStart && decoder) {
                    seen->lastStart = stamp;
                    seen->decodedBefore = decoder->Microseconds();
                }
                if (decoder)
                    decoder->Feed(pkt);
                quietFrom = end;
                reached = stamp >= at;
            } else {
                quietFrom = qMin(quietFrom, stamp);
                quiet = window > 0 && Span(quietFrom, stamp) >= window;
            }
        }
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    return reached;
}

// The end of the stream a read met, as it plays: a sound's last packet may
// decode to less than its stamps claim (a short last frame), or to nothing.
int64_t PlayedEnd(const StreamRead& read, SoundDecoder* decoder)
{
    if (!decoder)
        return read.end;
    decoder->Feed(nullptr);
    if (!decoder->Opened() || read.lastStart == INT64_MIN)
        return read.end;
    return qMin<int64_t>(read.end, Plus(read.lastStart, decoder->Microseconds() - read.decodedBefore));
}

// Back to the file's head for another stream's reading.
bool Rewind(AVFormatContext* ctx)
{
    return av_seek_frame(ctx, -1, 0, AVSEEK_FLAG_BACKWARD) >= 0 || av_seek_frame(ctx, -1, 0, AVSEEK_FLAG_BYTE) >= 0;
}

// A place where a container's reader can start afresh: a byte offset, and
// the time there in the stream's time base.
struct Mark {
    int64_t pos;
    int64_t ts;
};

uint32_t BigEndian(const QByteArray& bytes, int at, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | uint8_t(bytes.at(at + i));
    return value;
}

// FLV's tags in the tail of a file that starts at `base`, walked from the
// last one back: each tag is followed by its own size.
QList<Mark> FlvTags(const QByteArray& tail, int64_t base)
{
    QList<Mark> marks;
    int end = tail.size();
    while (end >= 4) {
        const uint32_t size = BigEndian(tail, end - 4, 4);
        if (size < 11 || size > uint32_t(end - 4))
            break;
        const int start = end - 4 - int(size);
        const int type = uint8_t(tail.at(start)) & 0x1F;
        if ((type != 8 && type != 9 && type != 18) || BigEndian(tail, start + 1, 3) + 11 != size)
            break;
        // Milliseconds: 24 bits, and 8 more above them.
        marks.prepend({base + start, int32_t(BigEndian(tail, start + 4, 3) | (BigEndian(tail, start + 7, 1) << 24))});
        end = start;
    }
    return marks;
}

// An EBML number (an element's size) at `at`: its length, 0 where none is.
int EbmlNumber(const QByteArray& bytes, int at, uint64_t* value)
{
    if (at < 0 || at >= bytes.size())
        return 0;
    const uint8_t lead = uint8_t(bytes.at(at));
    int length = 1;
    while (length <= 8 && !(lead & (0x80 >> (length - 1))))
        ++length;
    if (length > 8 || at + length > bytes.size())
        return 0;
    *value = lead & (0xFF >> length);
    for (int i = 1; i < length; ++i)
        *value = (*value << 8) | uint8_t(bytes.at(at + i));
    return length;
}

// Matroska's clusters in the tail of a file that starts at `base`, each with
// the time it starts at: its first child but a checksum or padding.
QList<Mark> MatroskaClusters(const QByteArray& tail, int64_t base)
{
    static const QByteArray cluster("\x1F\x43\xB6\x75", 4);
    QList<Mark> marks;
    for (int at = tail.lastIndexOf(cluster); at >= 0; at = at > 0 ? tail.lastIndexOf(cluster, at - 1) : -1) {
        uint64_t value = 0;
        int next = at + 4;
        int length = EbmlNumber(tail, next, &value);
        next += length;
        while (length > 0 && next < tail.size() && (uint8_t(tail.at(next)) == 0xBF || uint8_t(tail.at(next)) == 0xEC)) {
            length = EbmlNumber(tail, next + 1, &value);
            next = value < uint64_t(tail.size()) ? next + 1 + length + int(value) : tail.size();
        }
        if (length == 0 || next >= tail.size() || uint8_t(tail.at(next)) != 0xE7)
            continue;
        length = EbmlNumber(tail, next + 1, &value);
        const int bytes = int(qMin<uint64_t>(value, 9));
        if (length == 0 || bytes < 1 || bytes > 7 || next + 1 + length + bytes > tail.size())
            continue;
        int64_t time = 0;
        for (int i = 0; i < bytes; ++i)
            time = (time << 8) | uint8_t(tail.at(next + 1 + length + i));
        marks.prepend({base + at, time});
    }
    return marks;
}

// Containers whose readers seek only through an index, which they may lack
// (FLV never has one of its own), and which mark places to start from.
bool KeepsMarks(const AVFormatContext* ctx)
{
    const QByteArray format(ctx->iformat->name);
    return format == "flv" || format.startsWith("matroska");
}

// The end of a stream, searched for from the file's end where the container
// keeps marks its reader can start from (see ProbePlayed): its tail is read
// (a little, then four times as much, up to a sixteenth of the file), the
// mark two seconds before its last one (else its first) is handed to the
// reader as an index entry to seek by, and the stream read from there to
// the end. False where the container keeps no such marks (KeepsMarks), or
// the stream is not met so near the end; the file then stands anywhere.
bool SearchFromEnd(AVFormatContext* ctx, int index, const StreamRead& head, bool sound, int64_t* end, int64_t* stamped)
{
    constexpr int64_t kTailTime = 2 * AV_TIME_BASE;
    const bool flv = QByteArray(ctx->iformat->name) == "flv";
    const int64_t size = ctx->pb ? avio_size(ctx->pb) : -1;
    if (!KeepsMarks(ctx) || size <= 0)
        return false;
    AVStream* stream = ctx->streams[index];
    const auto micro = [stream](int64_t ts) { return av_rescale_q(ts, stream->time_base, AV_TIME_BASE_Q); };
    for (int64_t want = qMax<int64_t>(64 * 1024, size / 128);; want *= 4) {
        const int length = int(qMin<int64_t>(want, qMin<int64_t>(size, 256 * 1024 * 1024)));
        QByteArray tail(length, Qt::Uninitialized);
        if (avio_seek(ctx->pb, size - length, SEEK_SET) < 0
            || avio_read(ctx->pb, reinterpret_cast<unsigned char*>(tail.data()), length) != length)
            return false;
        const QList<Mark> marks = flv ? FlvTags(tail, size - length) : MatroskaClusters(tail, size - length);
        QList<Mark> tried;
        for (int i = marks.size() - 1; i >= 0 && tried.isEmpty(); --i) {
            if (micro(marks.at(i).ts) <= Plus(micro(marks.last().ts), -kTailTime))
                tried << marks.at(i);
        }
        if (!marks.isEmpty() && (tried.isEmpty() || tried.first().pos != marks.first().pos))
            tried << marks.first();
        Discard(ctx, index, AVDISCARD_ALL);
        for (const Mark& from : qAsConst(tried)) {
            av_add_index_entry(stream, from.pos, from.ts, 0, 0, AVINDEX_KEYFRAME);
            if (av_seek_frame(ctx, index, from.ts, AVSEEK_FLAG_BACKWARD) < 0)
                continue;
            std::optional<SoundDecoder> decoding;
            if (sound)
                decoding.emplace(stream->codecpar, stream->time_base);
            StreamRead read;
            ReadStream(ctx, index, &read, decoding ? &*decoding : nullptr);
            if (read.met() && read.end > head.end) {
                *stamped = read.end;
                *end = PlayedEnd(read, decoding ? &*decoding : nullptr);
                return true;
            }
        }
        if (length >= size / 16 || length >= size)
            return false;
    }
}

// The end of a stream, its head read: near the file's end, never by reading
// a long file through (see ProbePlayedSound). `told` is where the file says
// it ends, INT64_MIN when it does not say. A sound's end is decoded; where
// its packets' stamps claim it ends goes into `stamped`.
int64_t StreamEnd(AVFormatContext* ctx, int index, const StreamRead& head, int64_t told, bool sound, int64_t* stamped)
{
    constexpr int64_t kWholeRead = 2 * 1024 * 1024;
    constexpr int64_t kTailTime = 2 * AV_TIME_BASE;
    constexpr int64_t kWindow = 5 * AV_TIME_BASE;
    const int64_t size = ctx->pb ? avio_size(ctx->pb) : -1;
    const AVStream* stream = ctx->streams[index];
    StreamRead rest = head;
    std::optional<SoundDecoder> decoding;
    if (sound)
        decoding.emplace(stream->codecpar, stream->time_base);
    SoundDecoder* decoder = decoding ? &*decoding : nullptr;
    // Seeks by time go through the file's own index or stamps. Not by bytes:
    // after such a seek some demuxers make stamps up (WAV, MP3 and AVI count
    // on from where they were) and Matroska's may read from its start.
    const auto seek = [ctx](int64_t at) { return av_seek_frame(ctx, -1, at, AVSEEK_FLAG_BACKWARD) >= 0; };
    ctx->flags |= AVFMT_FLAG_FAST_SEEK;
    if (size > kWholeRead && KeepsMarks(ctx)) {
        int64_t end = INT64_MIN;
        if (SearchFromEnd(ctx, index, head, sound, &end, stamped))
            return end;
        // On from the head, as if there had been no search.
        Rewind(ctx);
        Discard(ctx, index, AVDISCARD_ALL);
    }
    if ((size < 0 || size > kWholeRead) && told != INT64_MIN && told > head.end) {
        const int64_t from = qMax(head.end, Plus(told, -kTailTime));
        // The other streams' key packets stay: their index is what a seek goes by.
        Discard(ctx, index, AVDISCARD_NONKEY);
        if (seek(from)) {
            StreamRead tail;
            ReadStream(ctx, index, &tail, decoder);
            if (tail.met() && tail.end > head.end) {
                *stamped = tail.end;
                return PlayedEnd(tail, decoder);
            }
            // The stream ends before the file does: halve the stretch between
            // the last place it was met and the first where it was not, with
            // a short read at each, the other streams' key packets marking
            // the time.
            int64_t lo = head.end;
            int64_t hi = from;
            int64_t end = head.end;
            for (int step = 0; step < 40 && Span(lo, hi) > AV_TIME_BASE / 10; ++step) {
                const int64_t mid = Plus(lo, Span(lo, hi) / 2);
                StreamRead near;
                if (!seek(mid))
                    break;
                const bool reached = ReadStream(ctx, index, &near, nullptr, mid, kWindow);
                end = qMax(end, near.end);
                if (reached)
                    lo = near.end;
                else if (near.met())
                    break; // met before the middle, then not for a while: it ends there
                else
                    hi = mid;
            }
            return *stamped = end;
        }
        // A file that does not seek is read on through.
    }
    ReadStream(ctx, index, &rest, decoder);
    *stamped = rest.end;
    return PlayedEnd(rest, decoder);
}

// Where a stream starts and ends as it plays (see ProbePlayedSound); no
// span (end not past first) when it plays nothing. Its first packets, up to
// two seconds of them, are read at the file's head; a sound's go through
// its decoder too.
struct PlayedSpan {
    int64_t first = INT64_MAX;
    int64_t end = INT64_MIN;
    int64_t stamped = INT64_MIN; // where its packets' stamps say it ends
    bool decodes = false;        // a picture's first packets give a picture here (or no decoder here reads it)
    long long length() const { return Span(first, end); }
};

PlayedSpan PlayedSpanOf(AVFormatContext* ctx, int index, bool sound, int picture = -1)
{
    constexpr int64_t kHeadTime = 2000000;
    constexpr int kHeadPackets = 256;
    const AVStream* stream = ctx->streams[index];
    std::optional<SoundDecoder> decoder;
    if (sound)
        decoder.emplace(stream->codecpar, stream->time_base);
    // A picture stream (this one, or one read beside this sound from the
    // file's head) has its first packets decoded until one gives a picture:
    // a stream whose pictures do not decode is none, whatever its header says.
    std::optional<SoundDecoder> pictures;
    if (picture >= 0)
        pictures.emplace(ctx->streams[picture]->codecpar, ctx->streams[picture]->time_base);
    int64_t first[2] = {INT64_MAX, INT64_MAX};
    int64_t last[2] = {INT64_MIN, INT64_MIN};
    int packets = 0;
    Discard(ctx, index, AVDISCARD_ALL);
    if (picture >= 0)
        ctx->streams[picture]->discard = AVDISCARD_DEFAULT;
    ReadStamps(
        ctx, picture == index ? -1 : picture, index, first, last,
        [&] { return packets >= kHeadPackets || Span(first[1], last[1]) >= kHeadTime; },
        [&](const AVPacket* pkt) {
            if (pkt->stream_index == index) {
                ++packets;
                if (decoder)
                    decoder->Feed(pkt);
            }
            if (pkt->stream_index == picture && pictures->Pictures() == 0)
                pictures->Feed(pkt);
        });
    Discard(ctx, index, AVDISCARD_ALL);
    PlayedSpan span;
    if (pictures)
        pictures->Feed(nullptr);
    span.decodes = !pictures || pictures->Pictures() > 0 || !pictures->Opened();
    if (first[1] == INT64_MAX)
        return span;
    span.first = first[1];
    if (sound) {
        decoder->Feed(nullptr);
        const long long claimed = Span(first[1], last[1]);
        // Packets that decode to less than half their time (or that no
        // decoder here reads) do not play, whatever their stamps say.
        if (claimed > 0 && decoder->Microseconds() < claimed / 2) {
            span.end = Plus(span.first, decoder->Microseconds());
            span.stamped = last[1];
            return span;
        }
    }
    StreamRead head;
    head.first = first[1];
    head.end = last[1];
    // Where the file says it ends: the longer of its own and the stream's length.
    const int64_t start = ctx->start_time != AV_NOPTS_VALUE ? ctx->start_time : 0;
    int64_t told = ctx->duration > 0 ? Plus(start, ctx->duration) : INT64_MIN;
    const long long own = HeaderLength(stream);
    if (own > 0)
        told = qMax<int64_t>(told, Plus(av_rescale_q(stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0,
                                                     stream->time_base, AV_TIME_BASE_Q),
                                        own));
    span.end = StreamEnd(ctx, index, head, told, sound, &span.stamped);
    return span;
}


// Whether the file's own index lists packets past its end: it was cut short
// (a download ended early), whatever it still plays.
bool IndexPastEnd(AVFormatContext* ctx)
{
    const int64_t size = ctx->pb ? avio_size(ctx->pb) : -1;
    if (size <= 0)
        return false;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        AVStream* s = ctx->streams[i];
        const int entries = avformat_index_get_entries_count(s);
        const AVIndexEntry* last = entries > 0 ? avformat_index_get_entry(s, entries - 1) : nullptr;
        if (last && last->pos >= size)
            return true;
    }
    return false;
}

// A layout's name as the converter takes it ("5.1", "stereo"); empty for
// one that names no channels.
QString LayoutName(const AVChannelLayout& layout)
{
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC || layout.nb_channels <= 0)
        return QString();
    QByteArray name(64, '\0');
    int needed = av_channel_layout_describe(&layout, name.data(), size_t(name.size()));
    if (needed > name.size()) {
        name.resize(needed);
        needed = av_channel_layout_describe(&layout, name.data(), size_t(name.size()));
    }
    return needed > 0 ? QString::fromLatin1(name.constData()) : QString();
}

enum class Measure { Header, Lengths, PlayedSound, Played };

ST_STREAM_FACTS ProbeFile(const QString& path, Measure measure, const std::atomic<bool>* cancel = nullptr)
{
    ST_STREAM_FACTS f;
    const MediaInput input(QFile::encodeName(path).constData(), 0, cancel);
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
                f.pixelFormat = par->format;
                f.picture = PictureGeometry::Read(ctx, ctx->streams[i]);
                f.videoDuration = HeaderLength(s);
                video = int(i);
            }
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            if (!f.hasAudio) {
                f.hasAudio = true;
                f.audioCodec = codec;
                f.sampleRate = par->sample_rate;
                f.channels = par->ch_layout.nb_channels;
                f.channelLayout = LayoutName(par->ch_layout);
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
    if (measure == Measure::PlayedSound && f.hasAudio) {
        f.audioDuration = PlayedSpanOf(ctx, audio, true).length();
        return f;
    }
    if (measure == Measure::Played && (f.hasAudio || f.hasVideo)) {
        PlayedSpan sound;
        PlayedSpan picture;
        if (f.hasAudio) {
            sound = PlayedSpanOf(ctx, audio, true, f.hasVideo ? video : -1);
            f.audioDuration = sound.length();
        }
        if (f.hasVideo && (!f.hasAudio || Rewind(ctx))) {
            picture = PlayedSpanOf(ctx, video, false, f.hasAudio ? -1 : video);
            f.videoDuration = picture.length();
        }
        if (f.hasVideo) {
            // Looked at from the file's head, beside the sound where there is one.
            f.pictureFails = !(f.hasAudio ? sound : picture).decodes;
        }
        // From the first stream's start to the last one's end, as the
        // packets' stamps say: sound that decodes short is the sound's fault.
        const int64_t first = qMin(sound.first, picture.first);
        const int64_t end = qMax(sound.stamped, picture.stamped);
        f.duration = Span(first, end);
        f.cut = IndexPastEnd(ctx);
        return f;
    }
    if (measure == Measure::Lengths && ((f.hasVideo && f.videoDuration <= 0) || (f.hasAudio && f.audioDuration <= 0))) {
        ++g_lengthReadings;
        PacketSpans(ctx, f.videoDuration <= 0 ? video : -1, f.audioDuration <= 0 ? audio : -1, &f.videoDuration,
                    &f.audioDuration);
    }
    return f;
}

// What the muxer's codec list, or what we know of a muxer without one, says
// it can carry of pictures and subtitles.
bool Listed(const AVOutputFormat* fmt, const AVCodecDescriptor* desc)
{
    const int r = avformat_query_codec(fmt, desc->id, FF_COMPLIANCE_NORMAL);
    if (r >= 0)
        return r == 1;
    // Muxers that keep no codec list: what they are known to carry.
    const QString name = QString::fromLatin1(fmt->name);
    const QString codec = QString::fromLatin1(desc->name);
    if (name == QLatin1String("mpegts"))
        return QStringList{"h264", "hevc", "mpeg2video", "dvb_subtitle"}.contains(codec);
    if (name == QLatin1String("mpeg") || name == QLatin1String("vob") || name == QLatin1String("dvd"))
        return QStringList{"mpeg1video", "mpeg2video", "dvd_subtitle"}.contains(codec);
    if (name == QLatin1String("mp3"))
        return false;
    return desc->id == fmt->video_codec || desc->id == fmt->subtitle_codec;
}

// The converter is run without "-strict": its muxers refuse what is
// experimental in them (FLAC in MP4, say), though their lists name it, and
// it refuses experimental encoders.
constexpr int kConverterStrictness = FF_COMPLIANCE_NORMAL;

// The output format of a container named by a file name or an extension,
// with the file name it was guessed from.
const AVOutputFormat* OutputFormat(const QString& container, QByteArray* fileName)
{
    const QString file = container.contains('.') ? container : "x." + container;
    *fileName = QFile::encodeName(file.toLower());
    return av_guess_format(nullptr, fileName->constData(), nullptr);
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
// picture or subtitle stream of the codec as it is.
bool MuxerTakes(const AVOutputFormat* fmt, const char* fileName, const AVCodecDescriptor* desc)
{
    AVCodecParameters* par = avcodec_parameters_alloc();
    if (!par)
        return false;
    par->codec_type = desc->type;
    par->codec_id = desc->id;
    if (desc->type == AVMEDIA_TYPE_VIDEO) {
        par->width = 320;
        par->height = 240;
        par->format = AV_PIX_FMT_YUV420P;
    }
    // Made-up parameters may lack what a real stream carries: only a
    // refusal that the strictness alone makes counts.
    const bool takes = WritesHeader(fmt, fileName, par, kConverterStrictness)
        || !WritesHeader(fmt, fileName, par, FF_COMPLIANCE_EXPERIMENTAL);
    avcodec_parameters_free(&par);
    return takes;
}

// Whether the encoder opens with that layout and rate, as the converter
// opens it, and the muxer starts a file with what it makes.
bool EncoderStartsFile(const AVOutputFormat* fmt, const char* fileName, const AVCodec* encoder,
                       const AVChannelLayout& layout, int rate)
{
    AVCodecContext* ctx = SoundSample::OpenEncoder(encoder, layout, rate, fmt, kConverterStrictness);
    AVCodecParameters* par = avcodec_parameters_alloc();
    const bool starts = ctx && par && avcodec_parameters_from_context(par, ctx) >= 0
        && WritesHeader(fmt, fileName, par, kConverterStrictness);
    avcodec_parameters_free(&par);
    avcodec_free_context(&ctx);
    return starts;
}

// The layouts to try for a sound of `channels` (0: unknown, taken as two)
// named `own`: the counts the encoder lists nearest first, the most up to
// the sound's own before the fewest above it; of one count, the sound's own
// layout, then the usual one, then the others. An encoder that lists none
// takes any: the sound's count, then stereo and mono.
QList<AVChannelLayout> LayoutChoices(const AVCodec* encoder, int channels, const QString& own)
{
    const int wanted = channels > 0 ? channels : 2;
    QList<AVChannelLayout> choices;
    const auto add = [&choices](const AVChannelLayout& l) {
        for (const AVChannelLayout& c : qAsConst(choices)) {
            if (!av_channel_layout_compare(&c, &l))
                return;
        }
        choices.append(l);
    };
    if (!encoder->ch_layouts) {
        for (int n : {wanted, 2, 1}) {
            if (n <= wanted) {
                AVChannelLayout l;
                av_channel_layout_default(&l, n);
                add(l);
            }
        }
        return choices;
    }
    QList<int> counts;
    for (const AVChannelLayout* l = encoder->ch_layouts; l->nb_channels; ++l) {
        if (l->order == AV_CHANNEL_ORDER_NATIVE && !counts.contains(l->nb_channels))
            counts.append(l->nb_channels);
    }
    std::sort(counts.begin(), counts.end(), [wanted](int a, int b) {
        if ((a > wanted) != (b > wanted))
            return a <= wanted;
        return a <= wanted ? a > b : a < b;
    });
    AVChannelLayout ownLayout{};
    const bool named = !own.isEmpty() && av_channel_layout_from_string(&ownLayout, own.toLatin1().constData()) >= 0
        && ownLayout.order == AV_CHANNEL_ORDER_NATIVE;
    for (int n : qAsConst(counts)) {
        AVChannelLayout usual;
        av_channel_layout_default(&usual, n);
        for (int pass = 0; pass < 3; ++pass) {
            for (const AVChannelLayout* l = encoder->ch_layouts; l->nb_channels; ++l) {
                if (l->order != AV_CHANNEL_ORDER_NATIVE || l->nb_channels != n)
                    continue;
                if ((pass == 0 && named && !av_channel_layout_compare(l, &ownLayout))
                    || (pass == 1 && !av_channel_layout_compare(l, &usual)) || pass == 2)
                    add(*l);
            }
        }
    }
    av_channel_layout_uninit(&ownLayout);
    return choices;
}

// The rates to try for a sound of `rate` (0: unknown, taken as 44100): the
// encoder's own list, or, where it has none, the sound's rate and the usual
// ones; from the sound's own upwards (nothing of it is lost), then downwards.
QList<int> RateChoices(const AVCodec* encoder, int rate)
{
    const int wanted = rate > 0 ? rate : 44100;
    QList<int> rates;
    if (encoder->supported_samplerates) {
        for (const int* r = encoder->supported_samplerates; *r; ++r)
            rates.append(*r);
    } else {
        rates = {wanted, 96000, 88200, 48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000};
    }
    std::sort(rates.begin(), rates.end(), [wanted](int a, int b) {
        if ((a >= wanted) != (b >= wanted))
            return a >= wanted;
        return a >= wanted ? a < b : a > b;
    });
    rates.erase(std::unique(rates.begin(), rates.end()), rates.end());
    return rates;
}

// The encoder of a codec named by its codec name ("mp3") or encoder name
// ("libmp3lame"); else the container's own.
const AVCodec* SoundEncoder(const AVOutputFormat* fmt, const QString& codec)
{
    if (codec.isEmpty())
        return fmt->audio_codec != AV_CODEC_ID_NONE ? avcodec_find_encoder(fmt->audio_codec) : nullptr;
    const QByteArray name = codec.toLatin1();
    if (const AVCodec* byName = avcodec_find_encoder_by_name(name.constData()))
        return byName;
    const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(name.constData());
    return desc ? avcodec_find_encoder(desc->id) : nullptr;
}

// Answers established by a trial, by what decides them: a question asked
// again (for every row and step) is not tried again. An answer below 0
// tells nothing of the key (the trial was cut short, or what it read was
// the file's own damage) and is not kept. Safe from any thread.
int Established(const QByteArray& key, const std::function<int()>& trial)
{
    static std::mutex lock;
    static std::map<QByteArray, int> answers;
    {
        const std::lock_guard<std::mutex> held(lock);
        const auto known = answers.find(key);
        if (known != answers.end())
            return known->second;
    }
    const int answer = trial();
    if (answer >= 0) {
        const std::lock_guard<std::mutex> held(lock);
        answers.emplace(key, answer);
    }
    return answer;
}

// The sound streams a step writes of an opened file. Without a stream
// choice the converter takes one: the most channels, where a stream it has
// met packets of while looking into the file, and then one marked as the
// default, count before any number of channels; of equals the first. A
// stream of no channels that is neither is never taken.
QList<int> WrittenSound(const AVFormatContext* ctx, SoundStreams streams)
{
    QList<int> written;
    long long best = 0;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream* s = ctx->streams[i];
        if (s->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        if (streams != SoundStreams::Chosen) {
            written.append(int(i));
            if (streams == SoundStreams::First)
                break;
            continue;
        }
        const long long score = s->codecpar->ch_layout.nb_channels
            + 100000000LL * !!(s->event_flags & AVSTREAM_EVENT_FLAG_NEW_PACKETS)
            + 5000000LL * !!(s->disposition & AV_DISPOSITION_DEFAULT);
        if (score > best) {
            best = score;
            written = {int(i)};
        }
    }
    return written;
}

bool Stopped(const std::atomic<bool>* cancel)
{
    if (void (*check)() = MediaStreams::TrialCheck.load())
        check();
    return cancel && cancel->load();
}

// Whether sound that the converter's encoder of a codec makes, in stereo
// (or the nearest it and the container take), comes back whole from the
// container; false where the converter runs no such encoder.
bool EncodedSoundPlaysBack(const AVOutputFormat* fmt, const char* fileName, const AVCodecDescriptor* desc)
{
    const AVCodec* encoder = avcodec_find_encoder(desc->id);
    if (!encoder || (encoder->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
        return false;
    const QList<int> rates = RateChoices(encoder, 44100);
    const QList<AVChannelLayout> layouts = LayoutChoices(encoder, 2, QStringLiteral("stereo"));
    // Each try opens the encoder: a bounded number of them.
    for (int i = 0; i < layouts.size() * rates.size() && i < 16; ++i) {
        const AVChannelLayout& layout = layouts.at(i / rates.size());
        const int rate = rates.at(i % rates.size());
        if (EncoderStartsFile(fmt, fileName, encoder, layout, rate)) {
            SoundSample sample;
            return sample.Encode(encoder, layout, rate, fmt, kConverterStrictness)
                && sample.PlaysBackWhole(fmt, fileName, kConverterStrictness);
        }
    }
    return false;
}

} // namespace

ST_STREAM_FACTS MediaStreams::Probe(const QString& path)
{
    return ProbeFile(path, Measure::Header);
}

ST_STREAM_FACTS MediaStreams::ProbeLengths(const QString& path)
{
    return ProbeFile(path, Measure::Lengths);
}

ST_STREAM_FACTS MediaStreams::ProbePlayedSound(const QString& path)
{
    return ProbeFile(path, Measure::PlayedSound);
}

ST_STREAM_FACTS MediaStreams::ProbePlayed(const QString& path, const std::atomic<bool>* cancel)
{
    return ProbeFile(path, Measure::Played, cancel);
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
        if (b.hasVideo && (b.videoCodec != a.videoCodec || b.picture.stored != a.picture.stored
                           || b.pixelFormat != a.pixelFormat))
            return false;
        // The joined file shows every picture as the first one is shown.
        const PictureTurn& at = a.picture.turn;
        const PixelAspect& aa = a.picture.storedAspect;
        const PixelAspect& ba = b.picture.storedAspect;
        if (b.hasVideo
            && (b.picture.turn.degrees != at.degrees || b.picture.turn.mirrored != at.mirrored
                || qint64(ba.num) * aa.den != qint64(aa.num) * ba.den))
            return false;
        if (b.hasAudio
            && (b.audioCodec != a.audioCodec || b.sampleRate != a.sampleRate || b.channels != a.channels))
            return false;
    }
    return a.hasVideo || a.hasAudio;
}

bool MediaStreams::ContainerAccepts(const QString& container, const QString& codecName)
{
    QByteArray fileName;
    const AVOutputFormat* fmt = OutputFormat(container, &fileName);
    const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(codecName.toLatin1().constData());
    if (!fmt || !desc)
        return false;
    return Established(QByteArray(fmt->name) + '#' + desc->name, [&] {
               return int(desc->type == AVMEDIA_TYPE_AUDIO
                              ? EncodedSoundPlaysBack(fmt, fileName.constData(), desc)
                              : Listed(fmt, desc) && MuxerTakes(fmt, fileName.constData(), desc));
           })
        == 1;
}

std::atomic<void (*)()> MediaStreams::TrialCheck{nullptr};

bool MediaStreams::SoundCopies(const QString& container, const QString& path, QString* refusedCodec,
                               SoundStreams streams)
{
    QString codec;
    const SoundCopy copy = TrySoundCopy(container, path, streams, &codec);
    if (refusedCodec && copy != SoundCopy::Whole)
        *refusedCodec = codec;
    return copy == SoundCopy::Whole;
}

SoundCopy MediaStreams::TrySoundCopy(const QString& container, const QString& path, SoundStreams streams,
                                     QString* codec, const std::atomic<bool>* cancel)
{
    enum Answer { Cut = -1, Refused = 0, Whole = 1 };
    QByteArray fileName;
    const AVOutputFormat* fmt = OutputFormat(container, &fileName);
    const MediaInput input(QFile::encodeName(path).constData(), 0, cancel);
    AVFormatContext* ctx = fmt ? input.get() : nullptr;
    if (Stopped(cancel))
        return SoundCopy::Cancelled;
    // A file of media the libraries do not read (more streams than they
    // take, a broken header): whatever sound it has cannot be read.
    if (fmt && input.outcome() == MediaInput::Unreadable)
        return SoundCopy::Damaged;
    const QList<int> written = ctx ? WrittenSound(ctx, streams) : QList<int>();
    bool read = false;
    for (int i : written) {
        const AVCodecParameters* sound = ctx->streams[i]->codecpar;
        if (codec)
            *codec = QString::fromLatin1(avcodec_get_name(sound->codec_id));
        // Another stream's trial read on: back to the start.
        if (read && av_seek_frame(ctx, -1, 0, AVSEEK_FLAG_BACKWARD) < 0
            && av_seek_frame(ctx, -1, 0, AVSEEK_FLAG_BYTE) < 0)
            return SoundCopy::Damaged;
        read = true;
        // Whether the file holds its sound whole is its own: looked at each time.
        SoundSample start;
        const bool met = start.ReadFrom(ctx, i, SoundSample::Part::Start, Stopped, cancel);
        if (Stopped(cancel))
            return SoundCopy::Cancelled;
        // A codec this library knows of but does not decode may still play
        // elsewhere: only the container's trial tells of it.
        const bool decodable = sound->codec_id == AV_CODEC_ID_NONE || avcodec_find_decoder(sound->codec_id);
        if (!met || (decodable && !start.Decodes()))
            return SoundCopy::Damaged;
        // Streams of the same parameters come back alike: each is tried once,
        // at its start and at its end.
        const int answer = Established(QByteArray(fmt->name) + '/' + SoundSample::Key(sound), [&] {
            if (!start.PlaysBackWhole(fmt, fileName.constData(), kConverterStrictness))
                return int(Refused);
            // A file whose end cannot be reached apart is judged by its start.
            SoundSample end;
            const bool ended = start.Whole() || !end.ReadFrom(ctx, i, SoundSample::Part::End, Stopped, cancel);
            if (Stopped(cancel))
                return int(Cut);
            return int(ended || end.PlaysBackWhole(fmt, fileName.constData(), kConverterStrictness) ? Whole : Refused);
        });
        if (answer != Whole)
            return answer == Cut ? SoundCopy::Cancelled : SoundCopy::Refused;
    }
    return written.isEmpty() ? SoundCopy::NoSound : SoundCopy::Whole;
}

ST_SOUND_ENCODING MediaStreams::OwnSoundEncoding(const QString& path)
{
    ST_SOUND_ENCODING own;
    const MediaInput input(QFile::encodeName(path).constData());
    const QList<int> first = input.get() ? WrittenSound(input.get(), SoundStreams::First) : QList<int>();
    if (first.isEmpty())
        return own;
    const AVCodecParameters* par = input.get()->streams[first.first()]->codecpar;
    const AVCodec* encoder = avcodec_find_encoder(par->codec_id);
    if (!encoder || (encoder->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
        return own;
    own.encoder = QString::fromLatin1(encoder->name);
    own.channels = par->ch_layout.nb_channels;
    own.sampleRate = par->sample_rate;
    // The samples the source decodes to, where the encoder takes them.
    for (const AVSampleFormat* f = encoder->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == par->format)
            own.sampleFormat = QString::fromLatin1(av_get_sample_fmt_name(*f));
    }
    return own;
}

ST_SOUND_ENCODING MediaStreams::SoundEncoding(const QString& container, const ST_STREAM_FACTS& sound,
                                              const QString& codec)
{
    QByteArray fileName;
    const AVOutputFormat* fmt = OutputFormat(container, &fileName);
    const AVCodec* encoder = fmt ? SoundEncoder(fmt, codec) : nullptr;
    if (!encoder || encoder->type != AVMEDIA_TYPE_AUDIO)
        return {};
    // Asked for every mix: each question is worked out once.
    using Key = std::tuple<const AVOutputFormat*, const AVCodec*, int, std::string, int>;
    static std::mutex lock;
    static std::map<Key, ST_SOUND_ENCODING> answers;
    const Key key(fmt, encoder, sound.channels, sound.channelLayout.toStdString(), sound.sampleRate);
    {
        const std::lock_guard<std::mutex> held(lock);
        const auto known = answers.find(key);
        if (known != answers.end())
            return known->second;
    }
    ST_SOUND_ENCODING chosen;
    // Each try opens the encoder: a bounded number of them.
    int tries = 64;
    const QList<int> rates = RateChoices(encoder, sound.sampleRate);
    const QList<AVChannelLayout> layouts = LayoutChoices(encoder, sound.channels, sound.channelLayout);
    for (int i = 0; i < layouts.size() * rates.size() && tries-- > 0; ++i) {
        const AVChannelLayout& layout = layouts.at(i / rates.size());
        const int rate = rates.at(i % rates.size());
        if (EncoderStartsFile(fmt, fileName.constData(), encoder, layout, rate)) {
            chosen.encoder = QString::fromLatin1(encoder->name);
            chosen.channels = layout.nb_channels;
            if (encoder->ch_layouts)
                chosen.layout = LayoutName(layout);
            chosen.sampleRate = rate;
            break;
        }
    }
    const std::lock_guard<std::mutex> held(lock);
    answers.emplace(key, chosen);
    return chosen;
}

QSize MediaStreams::ChromaSteps(const QString& encoder, const QString& container)
{
    const AVCodec* codec = nullptr;
    if (!encoder.isEmpty()) {
        // As the converter reads "-c:v": an encoder's name, else a codec's
        // name for its encoder.
        const QByteArray name = encoder.toLatin1();
        codec = avcodec_find_encoder_by_name(name.constData());
        if (!codec) {
            if (const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(name.constData()))
                codec = avcodec_find_encoder(desc->id);
        }
    } else {
        QByteArray fileName;
        const AVOutputFormat* fmt = OutputFormat(container, &fileName);
        if (fmt && fmt->video_codec != AV_CODEC_ID_NONE)
            codec = avcodec_find_encoder(fmt->video_codec);
    }
    int log2w = 0;
    int log2h = 0;
    if (codec && codec->pix_fmts) {
        for (const AVPixelFormat* format = codec->pix_fmts; *format != AV_PIX_FMT_NONE; ++format) {
            if (const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(*format)) {
                log2w = qMax(log2w, int(desc->log2_chroma_w));
                log2h = qMax(log2h, int(desc->log2_chroma_h));
            }
        }
    }
    return QSize(1 << log2w, 1 << log2h);
}
