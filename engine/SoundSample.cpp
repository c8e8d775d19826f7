#include "SoundSample.h"

#include "SoundDecoder.h"

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

namespace {

// About a second, and never much more whatever the packets are.
constexpr int64_t kSampleTime = AV_TIME_BASE;
constexpr size_t kSamplePackets = 2000;
constexpr int kSampleBytes = 4 * 1024 * 1024;

// A file in memory that a muxer writes and a demuxer reads, seeking as in a file.
struct MemoryFile {
    QByteArray bytes;
    int64_t pos = 0;

    static int Write(void* opaque, uint8_t* buffer, int size)
    {
        auto* file = static_cast<MemoryFile*>(opaque);
        if (size <= 0 || file->pos + size > INT32_MAX)
            return AVERROR(ENOSPC);
        if (file->pos + size > file->bytes.size())
            file->bytes.resize(int(file->pos + size));
        std::memcpy(file->bytes.data() + file->pos, buffer, size_t(size));
        file->pos += size;
        return size;
    }
    static int Read(void* opaque, uint8_t* buffer, int size)
    {
        auto* file = static_cast<MemoryFile*>(opaque);
        const int64_t left = file->bytes.size() - file->pos;
        if (left <= 0)
            return AVERROR_EOF;
        const int n = int(qMin<int64_t>(left, size));
        std::memcpy(buffer, file->bytes.constData() + file->pos, size_t(n));
        file->pos += n;
        return n;
    }
    static int64_t Seek(void* opaque, int64_t offset, int whence)
    {
        auto* file = static_cast<MemoryFile*>(opaque);
        if (whence & AVSEEK_SIZE)
            return file->bytes.size();
        whence &= ~AVSEEK_FORCE;
        const int64_t base = whence == SEEK_CUR ? file->pos : whence == SEEK_END ? file->bytes.size() : 0;
        if (base + offset < 0)
            return AVERROR(EINVAL);
        file->pos = base + offset;
        return file->pos;
    }
};

AVIOContext* OpenMemory(MemoryFile* file, bool writing)
{
    constexpr int kBuffer = 64 * 1024;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBuffer));
    AVIOContext* io = buffer ? avio_alloc_context(buffer, kBuffer, writing ? 1 : 0, file,
                                                  writing ? nullptr : &MemoryFile::Read,
                                                  writing ? &MemoryFile::Write : nullptr, &MemoryFile::Seek)
                             : nullptr;
    if (!io)
        av_free(buffer);
    return io;
}

void CloseMemory(AVIOContext** io)
{
    if (!*io)
        return;
    avio_flush(*io);
    av_freep(&(*io)->buffer);
    avio_context_free(io);
}

// What is read back is the sample's alone: no reader opens anything else.
int NoOtherFile(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**)
{
    return AVERROR(EPERM);
}

// The span of packets' stamps.
struct StampSpan {
    int64_t first = INT64_MAX;
    int64_t last = INT64_MIN;
    void Add(const AVPacket* p)
    {
        const int64_t ts = p->pts != AV_NOPTS_VALUE ? p->pts : p->dts;
        if (ts == AV_NOPTS_VALUE)
            return;
        first = qMin(first, ts);
        last = qMax(last, ts + qMax<int64_t>(0, p->duration));
    }
    // In microseconds; 0 for none.
    int64_t Length(AVRational timeBase) const
    {
        return last > first ? av_rescale_q(last - first, timeBase, AV_TIME_BASE_Q) : 0;
    }
};

// The tag the converter gives a copied stream: the source's own where the
// container's tags name the same codec by it, or name none for the codec.
unsigned int CopiedTag(const AVOutputFormat* fmt, const AVCodecParameters* par)
{
    unsigned int tag = 0;
    if (!fmt->codec_tag || av_codec_get_id(fmt->codec_tag, par->codec_tag) == par->codec_id
        || !av_codec_get_tag2(fmt->codec_tag, par->codec_id, &tag))
        return par->codec_tag;
    return 0;
}

// The packets written into the container in memory as the converter writes
// a copied stream; false when the muxer refuses them. With `beside`, the
// same packets again, half a second later, as a second stream: the file
// outlasts the sound, as it does beside a longer picture (Matroska then
// tells a TTA reader a length the sound does not have).
bool WriteInto(const AVOutputFormat* fmt, const char* fileName, int strictness, const AVCodecParameters* par,
               AVRational timeBase, const std::vector<AVPacket*>& packets, bool beside, MemoryFile* file)
{
    AVFormatContext* out = nullptr;
    if (avformat_alloc_output_context2(&out, fmt, nullptr, fileName) < 0 || !out)
        return false;
    out->strict_std_compliance = strictness;
    const int count = beside ? 2 : 1;
    AVIOContext* io = OpenMemory(file, true);
    bool ok = io != nullptr;
    for (int s = 0; ok && s < count; ++s) {
        AVStream* stream = avformat_new_stream(out, nullptr);
        ok = stream && avcodec_parameters_copy(stream->codecpar, par) >= 0;
        if (ok) {
            AVCodecParameters* copied = stream->codecpar;
            copied->codec_tag = CopiedTag(fmt, par);
            // As the converter's copy leaves them.
            if (copied->codec_id == AV_CODEC_ID_AC3
                || (copied->codec_id == AV_CODEC_ID_MP3
                    && (copied->block_align == 1 || copied->block_align == 1152 || copied->block_align == 576)))
                copied->block_align = 0;
            stream->time_base = timeBase;
        }
    }
    if (ok) {
        out->pb = io;
        out->flags |= AVFMT_FLAG_CUSTOM_IO;
        ok = avformat_write_header(out, nullptr) >= 0;
        const int64_t later = av_rescale_q(AV_TIME_BASE / 2, AV_TIME_BASE_Q, timeBase);
        int64_t lastDts[2] = {AV_NOPTS_VALUE, AV_NOPTS_VALUE};
        for (size_t i = 0; ok && i < packets.size() * size_t(count); ++i) {
            const int s = int(i % size_t(count));
            AVPacket* p = av_packet_clone(packets[i / size_t(count)]);
            ok = p != nullptr;
            if (ok) {
                p->stream_index = s;
                p->pos = -1;
                if (s == 1) {
                    p->pts += later;
                    p->dts += later;
                }
                av_packet_rescale_ts(p, timeBase, out->streams[s]->time_base);
                // Stamps that do not go forward (several TrueHD units to one
                // stamp) are moved on, as the converter moves them.
                if (p->dts != AV_NOPTS_VALUE && lastDts[s] != AV_NOPTS_VALUE) {
                    const int64_t least = lastDts[s] + !(fmt->flags & AVFMT_TS_NONSTRICT);
                    if (p->dts < least) {
                        if (p->pts != AV_NOPTS_VALUE && p->pts >= p->dts)
                            p->pts = qMax(p->pts, least);
                        p->dts = least;
                    }
                }
                lastDts[s] = p->dts;
                ok = av_interleaved_write_frame(out, p) >= 0;
            }
            av_packet_free(&p);
        }
        ok = ok && av_write_trailer(out) >= 0;
        avio_flush(io);
    }
    avformat_free_context(out);
    CloseMemory(&io);
    return ok;
}

} // namespace

SoundSample::SoundSample()
    : m_par(avcodec_parameters_alloc())
{
}

SoundSample::~SoundSample()
{
    for (AVPacket*& p : m_packets)
        av_packet_free(&p);
    avcodec_parameters_free(&m_par);
}

bool SoundSample::ReadFrom(AVFormatContext* input, int stream, Part part,
                           bool (*stopped)(const std::atomic<bool>*), const std::atomic<bool>* cancel)
{
    if (!m_par || stream < 0 || unsigned(stream) >= input->nb_streams)
        return false;
    const AVStream* st = input->streams[stream];
    if (avcodec_parameters_copy(m_par, st->codecpar) < 0)
        return false;
    m_timeBaseNum = st->time_base.num;
    m_timeBaseDen = st->time_base.den;
    const int64_t enough = av_rescale_q(kSampleTime, AV_TIME_BASE_Q, st->time_base);
    if (part == Part::End) {
        // From a little before where the file says it ends; the other
        // streams' key packets stay for the seek, which goes by their index.
        const int64_t start = input->start_time != AV_NOPTS_VALUE ? input->start_time : 0;
        for (unsigned i = 0; i < input->nb_streams; ++i)
            input->streams[i]->discard = int(i) == stream ? AVDISCARD_DEFAULT : AVDISCARD_NONKEY;
        if (input->duration <= 0
            || av_seek_frame(input, -1, start + qMax<int64_t>(0, input->duration - 2 * kSampleTime),
                             AVSEEK_FLAG_BACKWARD)
                < 0)
            return false;
    }
    for (unsigned i = 0; i < input->nb_streams; ++i)
        input->streams[i]->discard = int(i) == stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    AVPacket* pkt = av_packet_alloc();
    int64_t next = 0;
    int bytes = 0;
    bool ended = true;
    while (pkt && !(stopped && stopped(cancel)) && av_read_frame(input, pkt) >= 0) {
        if (pkt->stream_index == stream) {
            // Stamps a raw stream lacks, as the converter makes them up.
            if (pkt->dts == AV_NOPTS_VALUE)
                pkt->dts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : next;
            if (pkt->pts == AV_NOPTS_VALUE)
                pkt->pts = pkt->dts;
            next = pkt->dts + qMax<int64_t>(0, pkt->duration);
            m_packets.push_back(av_packet_clone(pkt));
            if (!m_packets.back()) {
                av_packet_unref(pkt);
                break;
            }
            bytes += pkt->size;
            // The end's sample is its last second: older packets go.
            while (part == Part::End && m_packets.size() > 1 && next - m_packets.front()->dts > enough) {
                bytes -= m_packets.front()->size;
                av_packet_free(&m_packets.front());
                m_packets.erase(m_packets.begin());
            }
            if (part == Part::Start
                && (next - m_packets.front()->dts >= enough || m_packets.size() >= kSamplePackets
                    || bytes >= kSampleBytes)) {
                ended = false;
                av_packet_unref(pkt);
                break;
            }
        }
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    m_whole = part == Part::Start && ended;
    // The copy starts the file at its start, as the converter's does.
    const int64_t first = m_packets.empty() || !m_packets.front() ? 0 : m_packets.front()->dts;
    for (AVPacket* p : m_packets) {
        if (!p)
            return false;
        p->pts -= first;
        p->dts -= first;
    }
    return !m_packets.empty();
}

bool SoundSample::Encode(const AVCodec* encoder, const AVChannelLayout& layout, int rate,
                         const AVOutputFormat* container, int strictness)
{
    AVCodecContext* enc = m_par ? OpenEncoder(encoder, layout, rate, container, strictness) : nullptr;
    AVFrame* frame = av_frame_alloc();
    AVPacket* pkt = av_packet_alloc();
    bool ok = enc && frame && pkt;
    if (ok) {
        frame->nb_samples = enc->frame_size > 0 ? enc->frame_size : 1024;
        frame->format = enc->sample_fmt;
        frame->sample_rate = rate;
        ok = av_channel_layout_copy(&frame->ch_layout, &enc->ch_layout) >= 0 && av_frame_get_buffer(frame, 0) >= 0;
    }
    if (ok)
        av_samples_set_silence(frame->extended_data, 0, frame->nb_samples, frame->ch_layout.nb_channels,
                               AVSampleFormat(frame->format));
    const auto receive = [&] {
        while (avcodec_receive_packet(enc, pkt) >= 0) {
            m_packets.push_back(av_packet_clone(pkt));
            av_packet_unref(pkt);
        }
    };
    for (int64_t pts = 0; ok && pts < rate; pts += frame->nb_samples) {
        frame->pts = pts;
        ok = avcodec_send_frame(enc, frame) >= 0;
        if (ok)
            receive();
    }
    if (ok && avcodec_send_frame(enc, nullptr) >= 0)
        receive();
    if (ok) {
        ok = avcodec_parameters_from_context(m_par, enc) >= 0;
        m_timeBaseNum = enc->time_base.num;
        m_timeBaseDen = enc->time_base.den;
    }
    av_packet_free(&pkt);
    av_frame_free(&frame);
    avcodec_free_context(&enc);
    for (const AVPacket* p : m_packets)
        ok = ok && p;
    return ok && !m_packets.empty();
}

AVCodecContext* SoundSample::OpenEncoder(const AVCodec* encoder, const AVChannelLayout& layout, int rate,
                                         const AVOutputFormat* container, int strictness)
{
    AVCodecContext* enc = encoder && rate > 0 ? avcodec_alloc_context3(encoder) : nullptr;
    if (!enc || av_channel_layout_copy(&enc->ch_layout, &layout) < 0) {
        avcodec_free_context(&enc);
        return nullptr;
    }
    enc->sample_fmt = encoder->sample_fmts ? encoder->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    enc->sample_rate = rate;
    enc->time_base = AVRational{1, rate};
    if (container->flags & AVFMT_GLOBALHEADER)
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    enc->strict_std_compliance = strictness;
    // A refusal here is an answer, not a fault to report.
    enc->log_level_offset = AV_LOG_TRACE;
    if (avcodec_open2(enc, encoder, nullptr) < 0)
        avcodec_free_context(&enc);
    return enc;
}

QByteArray SoundSample::Key(const AVCodecParameters* par)
{
    QByteArray key;
    const auto add = [&key](long long value) { key += QByteArray::number(value) + ':'; };
    add(par->codec_id);
    add(par->codec_tag);
    add(par->format);
    add(par->bits_per_coded_sample);
    add(par->bits_per_raw_sample);
    add(par->profile);
    add(par->level);
    add(par->ch_layout.order);
    add(par->ch_layout.nb_channels);
    add(par->ch_layout.order == AV_CHANNEL_ORDER_NATIVE ? (long long)(par->ch_layout.u.mask) : 0);
    add(par->sample_rate);
    add(par->block_align);
    add(par->frame_size);
    add(par->initial_padding);
    add(par->trailing_padding);
    add(par->seek_preroll);
    if (par->extradata && par->extradata_size > 0)
        key += QByteArray(reinterpret_cast<const char*>(par->extradata), par->extradata_size);
    return key;
}

QByteArray SoundSample::Key() const
{
    return m_par ? Key(m_par) : QByteArray();
}

bool SoundSample::Decodes() const
{
    if (m_packets.empty() || !m_par)
        return false;
    const AVRational timeBase{m_timeBaseNum, m_timeBaseDen};
    SoundDecoder decoder(m_par, timeBase);
    StampSpan span;
    for (const AVPacket* p : m_packets) {
        decoder.Feed(p);
        span.Add(p);
    }
    decoder.Feed(nullptr);
    // Stamps of a clock that is no clock (a time scale of 0 or 1) claim
    // many times what the packets hold; a sound cut short or with gaps
    // holds far more than half of its span.
    return decoder.Opened() && decoder.Samples() > 0
        && (timeBase.num <= 0 || timeBase.den <= 0 || decoder.Microseconds() * 2 >= span.Length(timeBase));
}

bool SoundSample::PlaysBackWhole(const AVOutputFormat* container, const char* fileName, int strictness) const
{
    const AVRational timeBase{m_timeBaseNum, m_timeBaseDen};
    if (m_packets.empty() || !m_par)
        return false;
    SoundDecoder before(m_par, timeBase);
    for (const AVPacket* p : m_packets)
        before.Feed(p);
    before.Feed(nullptr);
    // A sound nothing here decodes cannot be shown to come back.
    if (!before.Opened() || before.Samples() <= 0)
        return false;
    // Beside another stream where the container takes one, else alone.
    MemoryFile file;
    if (!WriteInto(container, fileName, strictness, m_par, timeBase, m_packets, true, &file)) {
        file = MemoryFile();
        if (!WriteInto(container, fileName, strictness, m_par, timeBase, m_packets, false, &file))
            return false;
    }
    file.pos = 0;

    AVIOContext* io = OpenMemory(&file, false);
    AVFormatContext* ctx = io ? avformat_alloc_context() : nullptr;
    bool whole = false;
    if (ctx) {
        ctx->pb = io;
        ctx->flags |= AVFMT_FLAG_CUSTOM_IO;
        ctx->io_open = NoOtherFile;
        // A failed open frees the context.
        if (avformat_open_input(&ctx, fileName, nullptr, nullptr) >= 0) {
            // The first sound stream, as written first.
            int s = -1;
            const bool found = avformat_find_stream_info(ctx, nullptr) >= 0;
            for (unsigned i = 0; found && s < 0 && i < ctx->nb_streams; ++i)
                s = ctx->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO ? int(i) : -1;
            // The reader may name the codec otherwise (MP2 as MP3): what it
            // decodes to is what counts.
            if (s >= 0) {
                const AVStream* stream = ctx->streams[s];
                SoundDecoder after(stream->codecpar, stream->time_base);
                StampSpan back;
                AVPacket* pkt = av_packet_alloc();
                while (pkt && av_read_frame(ctx, pkt) >= 0) {
                    if (pkt->stream_index == s) {
                        after.Feed(pkt);
                        back.Add(pkt);
                    }
                    av_packet_unref(pkt);
                }
                av_packet_free(&pkt);
                after.Feed(nullptr);
                StampSpan span;
                for (const AVPacket* p : m_packets)
                    span.Add(p);
                // A few samples may go to the container's own start and end
                // (an encoder's delay, a last short frame); most must come back.
                // Read back as the same codec, and lossless sound as the same
                // samples (24-bit stays 24-bit, big-endian stays so); lossy
                // sound may be read as a kindred codec (MP2 as MP3) and come
                // from a decoder of other samples.
                const AVCodecDescriptor* was = avcodec_descriptor_get(m_par->codec_id);
                const AVCodecDescriptor* is = avcodec_descriptor_get(stream->codecpar->codec_id);
                const bool lossy = was && is && (was->props & is->props & AV_CODEC_PROP_LOSSY);
                whole = (stream->codecpar->codec_id == m_par->codec_id || lossy)
                    && (after.Format() == before.Format() || lossy) && after.Channels() == before.Channels()
                    && after.Rate() == before.Rate() && after.Samples() >= before.Samples() * 7 / 8
                    && back.Length(stream->time_base) >= span.Length(timeBase) * 7 / 8;
            }
            avformat_close_input(&ctx);
        }
    }
    CloseMemory(&io);
    return whole;
}
