#include "MediaFunctions.h"
#include "MediaInput.h"
#include "PictureGeometry.h"
#include "ST_MEDIA_INFO.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/intreadwrite.h>
#include <libswscale/swscale.h>
}

namespace {

// A real video stream: cover art travels as a video stream marked as an
// attached picture and is not one.
bool IsVideoStream(const AVStream* stream)
{
    return stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
        && !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

// Demuxers of files that hold pictures, not videos: the image pipes.
bool IsPictureKind(const AVInputFormat* format)
{
    const char* suffix = "_pipe";
    const size_t length = std::strlen(format->name);
    return length > std::strlen(suffix) && std::strcmp(format->name + length - std::strlen(suffix), suffix) == 0;
}

float RateOf(AVRational r)
{
    if (r.num == 0 || r.den == 0)
        return 0.0f;
    const double value = static_cast<double>(r.num) / r.den;
    if (!std::isfinite(value) || value <= 0.0)
        return 0.0f;
    return static_cast<float>(value);
}

float FrameRateOf(const AVStream* stream)
{
    if (stream->r_frame_rate.num != 0 && stream->r_frame_rate.den != 0)
        return RateOf(stream->r_frame_rate);
    return RateOf(stream->avg_frame_rate);
}

// The largest picture decoded: 16384 pixels a side and 64 megapixels in all
// (8K video is 33). A file may claim any size in a few bytes; decoding what
// it claims could take gigabytes.
constexpr int kMaxPictureSide = 16384;
constexpr long long kMaxPicturePixels = 1LL << 26;

struct FrameDeleter {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct CodecDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};

// Receives one picture from the decoder; true when one came.
bool ReceivePicture(AVCodecContext* dec, AVFrame* frame)
{
    const int ret = avcodec_receive_frame(dec, frame);
    return ret >= 0;
}

// What the stamps of a stream's pictures tell of its rate.
struct StampRate {
    bool usable = false;
    double rate = 0;     // pictures a second at the usual interval between them
    bool uneven = false; // pictures lie off that interval's grid, or some are missing from it
};

// A rate kept for less than this in all, between pictures shown in a rush
// (a recorder catching up), is no usual rate: each of the stream's other
// pictures would be repeated for it many times over.
constexpr double kBurstSeconds = 0.5;

// The usual interval of the pictures whose presentation stamps, sorted, are
// `stamps`, and whether they keep to it. It is near the gap that the most
// gaps are about one of (between half and one and a half of it), and then
// measured over the runs of gaps within a quarter of it (a phone's jitter,
// stamps rounded to milliseconds) until it holds still: a run spans its
// pictures whatever each one's jitter, so a long clip drifts off no grid,
// and lost pictures and pauses are left out. Stamps are uneven where more
// than one gap in twenty lies further than a tick and 2 % from the grid, or
// a picture is missing from it: melt and AVI would show the pictures after
// the gap at a frame of their own count, not of their time.
StampRate RateOfStamps(const std::vector<int64_t>& stamps, AVRational timeBase)
{
    StampRate result;
    if (stamps.size() < 2 || timeBase.num <= 0 || timeBase.den <= 0)
        return result;
    // Stamps may lie anywhere in 64 bits: a span that does not fit tells no rate.
    if (__int128(stamps.back()) - stamps.front() > INT64_MAX)
        return result;
    std::vector<int64_t> gaps;
    for (size_t i = 1; i < stamps.size(); ++i)
        if (stamps[i] > stamps[i - 1])
            gaps.push_back(stamps[i] - stamps[i - 1]);
    if (gaps.empty())
        return result;
    std::sort(gaps.begin(), gaps.end());
    const double tick = av_q2d(timeBase);
    std::vector<double> sums(gaps.size() + 1, 0.0);
    for (size_t i = 0; i < gaps.size(); ++i)
        sums[i + 1] = sums[i] + double(gaps[i]);
    const double least = std::min(kBurstSeconds, sums.back() * tick / 4);
    size_t best = 0;
    double usual = 0;
    for (size_t i = 0, lo = 0, hi = 0; i < gaps.size(); ++i) {
        const double gap = double(gaps[i]);
        while (double(gaps[lo]) < gap / 2)
            ++lo;
        while (hi < gaps.size() && double(gaps[hi]) < gap * 1.5)
            ++hi;
        const double sum = sums[hi] - sums[lo];
        if (hi - lo > best && sum * tick >= least) {
            best = hi - lo;
            usual = sum / double(hi - lo);
        }
    }
    for (int round = 0; round < 8 && usual > 0; ++round) {
        double along = 0;
        double square = 0;
        for (size_t i = 1, start = 0; i <= stamps.size(); ++i) {
            if (i < stamps.size() && std::abs(double(stamps[i] - stamps[i - 1]) / usual - 1) <= 0.25)
                continue;
            // A run of single intervals ends: its slope over the count of
            // its pictures, which the first and last one's jitter tilt little.
            const size_t n = i - start;
            double mean = 0;
            for (size_t k = start; k < i; ++k)
                mean += double(stamps[k] - stamps[start]) / double(n);
            for (size_t k = start; k < i; ++k) {
                along += (double(k - start) - double(n - 1) / 2) * (double(stamps[k] - stamps[start]) - mean);
                square += (double(k - start) - double(n - 1) / 2) * (double(k - start) - double(n - 1) / 2);
            }
            start = i;
        }
        usual = along / square;
    }
    // Given with three decimals, the rate never reads 0.
    const double rate = 1.0 / (usual * tick);
    if (best == 0 || !std::isfinite(rate) || rate < 1e-3 || rate >= 1e6)
        return result;
    size_t stray = 0;
    bool missing = false;
    for (const int64_t gap : gaps) {
        const double whole = std::round(double(gap) / usual);
        stray += whole < 1 || std::abs(double(gap) - whole * usual) > 1.0 + 0.02 * usual;
        missing = missing || whole >= 2;
    }
    result.usable = true;
    result.rate = rate;
    result.uneven = stray * 20 > gaps.size() || missing;
    return result;
}

// The stamps of every picture from the container's index, where it lists
// each one (mp4 and mov sample tables, AVI's index) and not its key
// pictures alone: no picture is read. One of key pictures lists half the
// pictures the header counts at most, unless all are keys; a whole one may
// leave out a few (AVI's empty chunks). The index holds decoding stamps,
// which keep a picture's interval to the next through reordering.
bool IndexStamps(AVStream* stream, size_t most, std::vector<int64_t>* stamps)
{
    const int entries = avformat_index_get_entries_count(stream);
    if (stream->nb_frames <= 0 || entries < 0.9 * double(stream->nb_frames))
        return false;
    for (int i = 0; i < entries && stamps->size() < most; ++i) {
        const AVIndexEntry* entry = avformat_index_get_entry(stream, i);
        if (entry && !(entry->flags & AVINDEX_DISCARD_FRAME) && entry->timestamp != AV_NOPTS_VALUE)
            stamps->push_back(entry->timestamp);
    }
    std::sort(stamps->begin(), stamps->end());
    return true;
}

// The presentation stamps of the pictures read so far, sorted, less those
// that a picture not yet read could still come before: the ones past the
// last decoding stamp, and as many as pictures have been seen to come
// ahead of their turn.
std::vector<int64_t> ShownSoFar(const std::vector<int64_t>& read, int64_t lastDecoded, int delay, bool whole)
{
    std::vector<int64_t> shown = read;
    std::sort(shown.begin(), shown.end());
    if (whole)
        return shown;
    long ahead = delay;
    for (size_t i = 0; i < read.size(); ++i)
        ahead = std::max(ahead, long(std::lower_bound(shown.begin(), shown.end(), read[i]) - shown.begin()) - long(i));
    if (lastDecoded != AV_NOPTS_VALUE)
        shown.erase(std::upper_bound(shown.begin(), shown.end(), lastDecoded), shown.end());
    shown.resize(shown.size() > size_t(ahead) ? shown.size() - size_t(ahead) : 0);
    return shown;
}

// The usual rate of a stream's pictures from their stamps into
// info->pictureRate (0 when they tell none), and whether they lie unevenly.
// The stamps come from the index where it lists every picture; else the
// pictures are read, a number of them and not of bytes, so big pictures
// count as small ones: those the probe has read already come again from
// memory, and reading ends once half a second and at least 16 of them have
// come at the stream's own rate, or after 300.
void MeasurePictureRate(AVFormatContext* fmt, int index, const std::atomic<bool>* cancel, ST_MEDIA_INFO* info)
{
    constexpr size_t kFewest = 16;
    constexpr size_t kMost = 300;
    constexpr size_t kMostIndexed = 4096; // no picture is read for these
    AVStream* stream = fmt->streams[index];
    std::vector<int64_t> stamps;
    StampRate measured;
    if (IndexStamps(stream, kMostIndexed, &stamps)) {
        measured = RateOfStamps(stamps, stream->time_base);
    } else {
        std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
        if (!packet)
            return;
        const auto constant = [&](const StampRate& r) {
            return r.usable && !r.uneven && info->fps > 0 && std::abs(r.rate / info->fps - 1) <= 0.01;
        };
        constexpr int kPackets = 4096; // of any stream
        std::vector<int64_t> read;
        int64_t lastDecoded = AV_NOPTS_VALUE;
        bool ended = false; // every picture of the stream was read
        for (int packets = 0; read.size() < kMost && packets < kPackets && !(cancel && *cancel); ++packets) {
            ended = av_read_frame(fmt, packet.get()) < 0;
            if (ended)
                break;
            const bool picture = packet->stream_index == index && !(packet->flags & AV_PKT_FLAG_DISCARD);
            const int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (picture && pts != AV_NOPTS_VALUE) {
                read.push_back(pts);
                if (packet->dts != AV_NOPTS_VALUE)
                    lastDecoded = packet->dts;
            }
            av_packet_unref(packet.get());
            if (picture && read.size() >= kFewest && read.size() % 4 == 0) {
                const std::vector<int64_t> shown = ShownSoFar(read, lastDecoded, stream->codecpar->video_delay, false);
                if (shown.size() >= kFewest
                    && (double(shown.back()) - double(shown.front())) * av_q2d(stream->time_base) >= 0.5
                    && constant(RateOfStamps(shown, stream->time_base)))
                    break;
            }
        }
        stamps = ShownSoFar(read, lastDecoded, stream->codecpar->video_delay, ended);
        measured = RateOfStamps(stamps, stream->time_base);
    }
    if (!measured.usable)
        return;
    info->pictureRate = static_cast<float>(measured.rate);
    info->unevenStamps = measured.uneven;
}

} // namespace

namespace {

thread_local long long t_probeBeyondHeaders = 0;

// One open of a file: the values every caller reads, from the streams'
// headers; at Pictures depth the picture stream's stamps too. Nothing is
// decoded: the graph deinterlaces whichever pictures are marked as woven.
ST_MEDIA_INFO ProbeOpened(const char* path, const std::atomic<bool>* cancel = nullptr,
                          ProbeDepth depth = ProbeDepth::Headers)
{
    ST_MEDIA_INFO info;
    MediaInput input(path, 0, cancel);
    info.refused = input.outcome() == MediaInput::ReadsOtherFiles;
    info.recognised = input.Recognised();
    AVFormatContext* fmt = input.get();
    if (!fmt)
        return info;
    info.opened = true;
    info.still = IsPictureKind(fmt->iformat);
    int video = -1;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* stream = fmt->streams[i];
        const QString codec = QString::fromLatin1(avcodec_get_name(stream->codecpar->codec_id));
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO && !info.hasAudio) {
            info.hasAudio = true;
            info.audioCodec = codec;
            if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
                info.audioDuration = av_rescale_q(stream->duration, stream->time_base, AVRational{1, AV_TIME_BASE});
        }
        if (!IsVideoStream(stream))
            continue;
        if (!info.hasVideo)
            info.videoCodec = codec;
        info.hasVideo = true;
        // The last video stream of the file decides, as it always has.
        info.picture = PictureGeometry::Read(fmt, fmt->streams[i]);
        info.width = info.picture.Turned().width();
        info.height = info.picture.Turned().height();
        info.fps = FrameRateOf(stream);
        info.averageFps = RateOf(stream->avg_frame_rate);
        video = static_cast<int>(i);
    }
    info.bitRate = fmt->bit_rate;
    info.duration = input.Duration();
    if (depth != ProbeDepth::Pictures)
        return info;
    const long long header = input.BytesRead();
    if (video >= 0)
        MeasurePictureRate(fmt, video, cancel, &info);
    t_probeBeyondHeaders += input.BytesRead() - header;
    return info;
}

} // namespace

void GetMediaInfo(const char* path, int* width, int* height, long long* duration,
                  float* fps, long long* bitRate, QString* /*unused*/)
{
    const ST_MEDIA_INFO info = ProbeOpened(path);
    if (!info.opened)
        return;
    if (info.hasVideo) {
        *width = info.width;
        *height = info.height;
        if (fps)
            *fps = info.PictureRate();
    }
    if (bitRate)
        *bitRate = info.bitRate;
    *duration = info.duration;
}

namespace {

// What looks at Pictures depth learnt, by the path looked at.
QHash<QString, ST_MEDIA_INFO>& Learnt()
{
    static QHash<QString, ST_MEDIA_INFO> learnt;
    return learnt;
}

std::mutex& LearntMutex()
{
    static std::mutex mutex;
    return mutex;
}

// The size, times and place on disk of a file; false when it cannot be had.
bool Stamp(const QString& path, ST_MEDIA_INFO* info)
{
    struct stat file;
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return false;
    info->fileSize = file.st_size;
    info->modified = qint64(file.st_mtim.tv_sec) * 1000 + file.st_mtim.tv_nsec / 1000000;
    info->device = file.st_dev;
    info->inode = file.st_ino;
    info->changed = qint64(file.st_ctim.tv_sec) * 1000000000 + file.st_ctim.tv_nsec;
    return true;
}

} // namespace

bool ST_MEDIA_INFO::DescribesFile(const QString& file) const
{
    if (path.isEmpty() || file != path)
        return false;
    ST_MEDIA_INFO now;
    return Stamp(file, &now) && now.fileSize == fileSize && now.modified == modified && now.device == device
        && now.inode == inode && now.changed == changed;
}

bool ST_MEDIA_INFO::VariableRate() const
{
    // Stamps of a constant rate fall on its base rate, each frame of it
    // taken; their rounding (milliseconds) moves the usual interval far less.
    return fps > 0 && pictureRate > 0 && (unevenStamps || std::abs(pictureRate / fps - 1.0f) > 0.01f);
}

float ST_MEDIA_INFO::PictureRate() const
{
    return VariableRate() ? pictureRate : fps;
}

QSize ST_MEDIA_INFO::ShownSize() const
{
    return picture.Shown();
}

ST_MEDIA_INFO::Unfit ST_MEDIA_INFO::UnfitAs() const
{
    if (refused)
        return Unfit::ReadsOtherFiles;
    if (!opened)
        return recognised ? Unfit::Damaged : Unfit::NotMedia;
    if (still && !hasAudio)
        return Unfit::StillPicture;
    return hasVideo || hasAudio ? Unfit::None : Unfit::NoPictureOrSound;
}

ST_MEDIA_INFO ProbeMediaInfo(const QString& path, const std::atomic<bool>* cancel, ProbeDepth depth)
{
    // The stamp is taken first: a file written while it is probed is
    // probed again next time.
    ST_MEDIA_INFO stamp;
    Stamp(path, &stamp);
    ST_MEDIA_INFO info = ProbeOpened(QFile::encodeName(path).constData(), cancel, depth);
    // A file that does not open has told all it can, at any depth.
    if (depth == ProbeDepth::Pictures && !(cancel && *cancel))
        info.depth = ProbeDepth::Pictures;
    info.path = path;
    info.fileSize = stamp.fileSize;
    info.modified = stamp.modified;
    info.device = stamp.device;
    info.inode = stamp.inode;
    info.changed = stamp.changed;
    if (info.depth == ProbeDepth::Pictures) {
        std::lock_guard<std::mutex> lock(LearntMutex());
        // Bounded: a long session adds files without end.
        if (Learnt().size() >= 4096)
            Learnt().clear();
        Learnt().insert(path, info);
    }
    return info;
}

long long ProbeBytesBeyondHeaders()
{
    return t_probeBeyondHeaders;
}

ST_MEDIA_INFO LearntMediaInfo(const QString& path)
{
    ST_MEDIA_INFO info;
    {
        std::lock_guard<std::mutex> lock(LearntMutex());
        info = Learnt().value(path);
    }
    return info.DescribesFile(path) ? info : ST_MEDIA_INFO();
}

void MediaInfoMoved(const QString& from, const QString& to)
{
    ST_MEDIA_INFO now;
    if (from == to || !Stamp(to, &now))
        return;
    std::lock_guard<std::mutex> lock(LearntMutex());
    ST_MEDIA_INFO info = Learnt().take(from);
    // A rename changes the change time and nothing else.
    if (info.path.isEmpty() || now.device != info.device || now.inode != info.inode || now.fileSize != info.fileSize
        || now.modified != info.modified)
        return;
    info.path = to;
    info.changed = now.changed;
    Learnt().insert(to, info);
}

ST_MEDIA_INFO CurrentMediaInfo(const ST_MEDIA_INFO& known, const QString& path)
{
    const bool describes = known.DescribesFile(path);
    if (describes && known.depth == ProbeDepth::Pictures)
        return known;
    const ST_MEDIA_INFO learnt = LearntMediaInfo(path);
    if (!learnt.path.isEmpty())
        return learnt;
    return describes ? known : ProbeMediaInfo(path);
}

namespace {

enum class Decoded {
    Nothing, // no video stream, no decoder, or a size not allowed: no picture
    Black,   // the decoder opened but completed no picture
    Picture,
};

// The first picture the decoder completes after seeking back to the key
// frame at or before time, into *picture as an image of `format`
// (Format_RGB32, or Format_ARGB32 to keep the picture's transparency) of the
// stream's size; an opaque black one when nothing decodes. With `shown`,
// the picture as a player shows it, and *shown the geometry that made it so.
Decoded DecodePicture(AVFormatContext* fmt, long long time, QImage::Format format, QImage* picture,
                      PictureGeometry* shown = nullptr)
{
    int index = -1;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        if (IsVideoStream(fmt->streams[i])) {
            index = static_cast<int>(i);
            break;
        }
    }
    if (index < 0)
        return Decoded::Nothing;
    AVStream* stream = fmt->streams[index];
    if (!PictureSizeAllowed(stream->codecpar->width, stream->codecpar->height))
        return Decoded::Nothing;
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return Decoded::Nothing;
    std::unique_ptr<AVCodecContext, CodecDeleter> dec(avcodec_alloc_context3(codec));
    if (!dec || avcodec_parameters_to_context(dec.get(), stream->codecpar) < 0)
        return Decoded::Nothing;
    dec->pkt_timebase = stream->time_base;
    // A size that only the decoded data tells is bounded by the decoder.
    dec->max_pixels = kMaxPicturePixels;
    if (avcodec_open2(dec.get(), codec, nullptr) < 0)
        return Decoded::Nothing;

    std::unique_ptr<AVFrame, FrameDeleter> frame(av_frame_alloc());
    std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    if (!frame || !packet)
        return Decoded::Nothing;

    // Seek in the stream's own time base, counted from the stream's start.
    if (stream->time_base.num > 0 && stream->time_base.den > 0) {
        int64_t ts = av_rescale_q(time, AV_TIME_BASE_Q, stream->time_base);
        if (stream->start_time != AV_NOPTS_VALUE)
            ts += stream->start_time;
        av_seek_frame(fmt, index, ts, AVSEEK_FLAG_BACKWARD);
        avcodec_flush_buffers(dec.get());
    }

    bool got = false;
    bool draining = false;
    while (!got) {
        if (!draining) {
            const int ret = av_read_frame(fmt, packet.get());
            if (ret < 0) {
                // End of file: drain what the decoder still holds.
                draining = true;
                avcodec_send_packet(dec.get(), nullptr);
            } else {
                if (packet->stream_index == index)
                    avcodec_send_packet(dec.get(), packet.get());
                av_packet_unref(packet.get());
            }
            got = ReceivePicture(dec.get(), frame.get());
        } else {
            got = ReceivePicture(dec.get(), frame.get());
            if (!got)
                break;
        }
    }
    if (got)
        qDebug().noquote() << "finish----------------";

    int w = stream->codecpar->width;
    int h = stream->codecpar->height;
    if (got && (w <= 0 || h <= 0)) {
        w = frame->width;
        h = frame->height;
    }
    if (w <= 0 || h <= 0 || !PictureSizeAllowed(w, h) || (got && !PictureSizeAllowed(frame->width, frame->height)))
        return Decoded::Nothing;

    QImage image(w, h, format);
    if (image.isNull())
        return Decoded::Nothing;
    Decoded decoded = Decoded::Picture;
    if (!got || frame->width <= 0 || frame->height <= 0 || !ScaleFrameToImage(frame.get(), w, h, &image)) {
        image.fill(Qt::black);
        decoded = Decoded::Black;
    }
    if (shown) {
        // Turned first, as the converter turns it; then stretched to the
        // aspect of its pixels, which a quarter turn inverts.
        PictureGeometry geometry = PictureGeometry::Read(fmt, stream);
        // The picture decoded anyway tells what the stream does not.
        if (geometry.fields == PictureFields::Unknown && decoded == Decoded::Picture)
            geometry.fields = frame->interlaced_frame ? PictureFields::Woven : PictureFields::Progressive;
        image = geometry.turn.Apply(image);
        const PixelAspect aspect = geometry.TurnedAspect();
        const QSize size = ShownPictureSize(image.width(), image.height(), aspect.num, aspect.den);
        if (size != image.size())
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (image.isNull())
            return Decoded::Nothing;
        *shown = geometry;
    }
    *picture = image;
    return decoded;
}

} // namespace

namespace {

// The frame at `time` of a file, as stored or as a player shows it.
void ReadMediaImage(const char* path, QImage* image, long long time, long long* duration, PictureGeometry* shown)
{
    MediaInput input(path, kMaxPicturePixels);
    AVFormatContext* fmt = input.get();
    if (!fmt)
        return;
    if (duration)
        *duration = input.Duration();
    if (!image)
        return;
    if (!shown)
        av_dump_format(fmt, 0, path, 0);
    DecodePicture(fmt, time, QImage::Format_RGB32, image, shown);
}

} // namespace

void GetMediaImage(const char* path, QImage* image, long long time, long long* duration)
{
    ReadMediaImage(path, image, time, duration, nullptr);
}

void GetShownMediaImage(const char* path, QImage* image, long long time, long long* duration,
                        PictureGeometry* geometry)
{
    PictureGeometry read;
    ReadMediaImage(path, image, time, duration, geometry ? geometry : &read);
}

QImage GetMediaPicture(int fd)
{
    // No name: an extension would have the sequence reader take the file.
    MediaInput input(fd, "", kMaxPicturePixels);
    AVFormatContext* fmt = input.get();
    if (!fmt || !IsPictureKind(fmt->iformat))
        return QImage();
    QImage picture;
    if (DecodePicture(fmt, 0, QImage::Format_ARGB32, &picture) != Decoded::Picture)
        return QImage();
    return picture;
}

namespace {

// A file in the very format of one picture codec that animates (GIF,
// APNG): its reader is named as the codec, whose data the libraries know
// as an image type. A container of pictures (a motion JPEG film) is none.
bool IsAnimatedPictureKind(const AVInputFormat* format, const AVStream* stream)
{
    const AVCodecDescriptor* codec = avcodec_descriptor_get(stream->codecpar->codec_id);
    if (!codec || !codec->mime_types || std::strcmp(format->name, codec->name) != 0)
        return false;
    for (const char* const* type = codec->mime_types; *type; ++type) {
        if (std::strncmp(*type, "image/", 6) == 0)
            return true;
    }
    return false;
}

// The plays an animation's file asks for, 0 for ever, from what its demuxer
// hands over: an APNG's animation chunk among its header chunks, a GIF's
// looping extension among the blocks before its first picture, which open
// its first packet. A GIF without one plays once, and its count is the
// plays, as the demuxer plays them when told to loop.
int PlaysOf(const AVCodecParameters* codec, const AVPacket* first)
{
    if (codec->codec_id == AV_CODEC_ID_APNG) {
        const uint8_t* chunks = codec->extradata;
        for (long long at = 0; chunks && at + 12 <= codec->extradata_size; at += 12LL + AV_RB32(chunks + at)) {
            if (AV_RL32(chunks + at + 4) == MKTAG('a', 'c', 'T', 'L') && at + 16 <= codec->extradata_size)
                return int(std::min<uint32_t>(AV_RB32(chunks + at + 12), INT_MAX));
        }
        return 0;
    }
    const uint8_t* gif = first->data;
    const int size = first->size;
    // The header and screen descriptor, then the colour table its flags tell.
    int at = size > 13 ? 13 + ((gif[10] & 0x80) ? 3 << ((gif[10] & 7) + 1) : 0) : size;
    while (at + 2 < size && gif[at] == 0x21) {
        const uint8_t* block = gif + at + 2;
        if (gif[at + 1] == 0xFF && at + 18 <= size && block[0] == 11
            && (!std::memcmp(block + 1, "NETSCAPE2.0", 11) || !std::memcmp(block + 1, "ANIMEXTS1.0", 11))
            && block[12] >= 3 && block[13] == 1)
            return block[14] | (block[15] << 8);
        // Its data blocks, each led by its length, up to an empty one.
        at += 2;
        while (at < size && gif[at] != 0)
            at += gif[at] + 1;
        ++at;
    }
    return 1;
}

// The pictures of one play and its length, from the packets' times alone:
// nothing is decoded.
void CountPlay(AVFormatContext* fmt, int index, ST_PICTURE_READER* reader)
{
    std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    if (!packet)
        return;
    int64_t first = AV_NOPTS_VALUE;
    int64_t end = AV_NOPTS_VALUE;
    int frames = 0;
    while (av_read_frame(fmt, packet.get()) >= 0) {
        if (packet->stream_index == index) {
            if (++frames == 1)
                reader->plays = PlaysOf(fmt->streams[index]->codecpar, packet.get());
            if (packet->pts != AV_NOPTS_VALUE) {
                first = first == AV_NOPTS_VALUE ? packet->pts : std::min(first, packet->pts);
                const int64_t stop = packet->pts + std::max<int64_t>(packet->duration, 0);
                end = end == AV_NOPTS_VALUE ? stop : std::max(end, stop);
            }
        }
        av_packet_unref(packet.get());
    }
    reader->frames = frames;
    if (frames > 1 && first != AV_NOPTS_VALUE && end > first)
        reader->playTime = av_rescale_q(end - first, fmt->streams[index]->time_base, AV_TIME_BASE_Q);
}

// The kind of file the libraries take fd's first bytes for; null for none.
const AVInputFormat* ProbedKind(int fd)
{
    std::vector<unsigned char> head(4096 + AVPROBE_PADDING_SIZE, 0);
    const ssize_t got = ::pread(fd, head.data(), 4096, 0);
    AVProbeData probe = {"", head.data(), int(std::max<ssize_t>(got, 0)), nullptr};
    return av_probe_input_format(&probe, 1);
}

} // namespace

ST_PICTURE_READER MediaPictureReader(int fd, const std::atomic<bool>* cancel)
{
    ST_PICTURE_READER reader;
    // Four 32-bit channels a pixel hold the largest picture allowed, and
    // room for its headers: a still picture's file of more holds something
    // else after it (a picture grown to gigabytes), which the libraries
    // would read through to its end, here and on each play.
    struct stat file;
    if (::fstat(fd, &file) != 0)
        return reader;
    const AVInputFormat* kind = file.st_size > kMaxPicturePixels * 16 ? ProbedKind(fd) : nullptr;
    reader.oversized = kind && IsPictureKind(kind);
    if (reader.oversized)
        return reader;
    MediaInput input(fd, "", kMaxPicturePixels, cancel);
    AVFormatContext* fmt = input.get();
    if (!fmt)
        return reader;
    const bool still = IsPictureKind(fmt->iformat);
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream* stream = fmt->streams[i];
        if (!IsVideoStream(stream))
            continue;
        const AVCodecParameters* picture = stream->codecpar;
        if ((!still && !IsAnimatedPictureKind(fmt->iformat, stream)) || picture->width <= 0 || picture->height <= 0
            || !PictureSizeAllowed(picture->width, picture->height))
            return reader;
        reader.name = QString::fromLatin1(fmt->iformat->name);
        reader.frames = 1;
        if (!still)
            CountPlay(fmt, int(i), &reader);
        return reader;
    }
    return reader;
}

QImage ReadLayerPicture(QFile* file)
{
    QImage image;
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    bool refused = false;
    if (reader.canRead()) {
        // A picture may claim any size in a few bytes: it is not decoded
        // above the size frames are.
        const QSize claimed = reader.size();
        refused = claimed.isValid() && !PictureSizeAllowed(claimed.width(), claimed.height());
        if (!refused)
            image = reader.read();
    }
    // A kind the toolkit has no reader for, or one its reader takes and
    // cannot decode, is read as the converter reads it, from the same file.
    if (image.isNull() && !refused)
        image = GetMediaPicture(file->handle());
    if (image.isNull() || image.width() <= 0 || image.height() <= 0
        || !PictureSizeAllowed(image.width(), image.height()))
        return QImage();
    return image;
}

bool PictureSizeAllowed(int width, int height)
{
    return width <= kMaxPictureSide && height <= kMaxPictureSide
        && static_cast<long long>(width) * height <= kMaxPicturePixels;
}

bool ScaleFrameToImage(const AVFrame* frame, int width, int height, QImage* out)
{
    if (!frame || !out || !frame->data[0] || frame->width <= 0 || frame->height <= 0 || width <= 0 || height <= 0
        || out->size() != QSize(width, height)
        || (out->format() != QImage::Format_RGB32 && out->format() != QImage::Format_ARGB32))
        return false;
    SwsContext* sws = sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                     width, height, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!sws)
        return false;
    // The scaler's vector code may write past the end of a tightly packed
    // picture (seen with narrow, tall frames), so it scales into a padded
    // buffer of FFmpeg's own, copied line by line.
    std::unique_ptr<AVFrame, FrameDeleter> scaled(av_frame_alloc());
    bool done = false;
    if (scaled) {
        scaled->format = AV_PIX_FMT_BGRA;
        scaled->width = width;
        scaled->height = height;
        if (av_frame_get_buffer(scaled.get(), 64) >= 0
            && sws_scale(sws, frame->data, frame->linesize, 0, frame->height, scaled->data, scaled->linesize) > 0) {
            const size_t lineBytes = size_t(width) * 4;
            for (int y = 0; y < height; ++y)
                std::memcpy(out->scanLine(y), scaled->data[0] + size_t(y) * size_t(scaled->linesize[0]), lineBytes);
            done = true;
        }
    }
    sws_freeContext(sws);
    return done;
}

QString GetCodecID(int codecId)
{
#define CODEC(name) {AV_CODEC_ID_##name, #name}
    static const QHash<int, const char*> names = {
        CODEC(MPEG1VIDEO), CODEC(MPEG2VIDEO), CODEC(H261), CODEC(H263), CODEC(RV10),
        CODEC(RV20), CODEC(MJPEG), CODEC(MJPEGB), CODEC(LJPEG), CODEC(SP5X),
        CODEC(JPEGLS), CODEC(MPEG4), CODEC(RAWVIDEO), CODEC(MSMPEG4V1), CODEC(MSMPEG4V2),
        CODEC(MSMPEG4V3), CODEC(WMV1), CODEC(WMV2), CODEC(H263P), CODEC(H263I),
        CODEC(FLV1), CODEC(SVQ1), CODEC(SVQ3), CODEC(DVVIDEO), CODEC(HUFFYUV),
        CODEC(CYUV), CODEC(H264), CODEC(INDEO3), CODEC(VP3), CODEC(THEORA),
        CODEC(ASV1), CODEC(ASV2), CODEC(FFV1), {AV_CODEC_ID_4XM, "4XM"}, CODEC(VCR1),
        CODEC(CLJR), CODEC(MDEC), CODEC(ROQ), CODEC(INTERPLAY_VIDEO), CODEC(XAN_WC3),
        CODEC(XAN_WC4), CODEC(RPZA), CODEC(CINEPAK), CODEC(WS_VQA), CODEC(MSRLE),
        CODEC(MSVIDEO1), CODEC(IDCIN), {AV_CODEC_ID_8BPS, "8BPS"}, CODEC(SMC), CODEC(FLIC),
        CODEC(TRUEMOTION1), CODEC(VMDVIDEO), CODEC(MSZH), CODEC(ZLIB), CODEC(QTRLE),
        CODEC(TSCC), CODEC(ULTI), CODEC(QDRAW), CODEC(VIXL), CODEC(QPEG),
        CODEC(PNG), CODEC(PPM), CODEC(PBM), CODEC(PGM), CODEC(PGMYUV),
        CODEC(PAM), CODEC(FFVHUFF), CODEC(RV30), CODEC(RV40), CODEC(VC1),
        CODEC(WMV3), CODEC(LOCO), CODEC(WNV1), CODEC(AASC), CODEC(INDEO2),
        CODEC(FRAPS), CODEC(TRUEMOTION2), CODEC(BMP), CODEC(CSCD), CODEC(MMVIDEO),
        CODEC(ZMBV), CODEC(AVS), CODEC(SMACKVIDEO), CODEC(NUV), CODEC(KMVC),
        CODEC(FLASHSV), CODEC(CAVS), CODEC(JPEG2000), CODEC(VMNC), CODEC(VP5),
        CODEC(VP6), CODEC(VP6F), CODEC(TARGA), CODEC(DSICINVIDEO), CODEC(TIERTEXSEQVIDEO),
        CODEC(TIFF), CODEC(GIF), CODEC(DXA), CODEC(DNXHD), CODEC(THP),
        CODEC(SGI), CODEC(C93), CODEC(BETHSOFTVID), CODEC(PTX), CODEC(TXD),
        CODEC(VP6A), CODEC(AMV), {AV_CODEC_ID_HEVC, "H265"}, CODEC(SNOW),
        CODEC(PCM_S16LE), CODEC(PCM_S16BE), CODEC(PCM_U16LE), CODEC(PCM_U16BE), CODEC(PCM_S8),
        CODEC(PCM_U8), CODEC(PCM_MULAW), CODEC(PCM_ALAW), CODEC(PCM_S32LE), CODEC(PCM_S32BE),
        CODEC(PCM_U32LE), CODEC(PCM_U32BE), CODEC(PCM_S24LE), CODEC(PCM_S24BE), CODEC(PCM_U24LE),
        CODEC(PCM_U24BE), CODEC(PCM_S24DAUD), CODEC(PCM_ZORK),
        CODEC(ADPCM_IMA_QT), CODEC(ADPCM_IMA_WAV), CODEC(ADPCM_IMA_DK3), CODEC(ADPCM_IMA_DK4),
        CODEC(ADPCM_IMA_WS), CODEC(ADPCM_IMA_SMJPEG), CODEC(ADPCM_MS), CODEC(ADPCM_4XM),
        CODEC(ADPCM_XA), CODEC(ADPCM_ADX), CODEC(ADPCM_EA), CODEC(ADPCM_G726),
        CODEC(ADPCM_CT), CODEC(ADPCM_SWF), CODEC(ADPCM_YAMAHA), CODEC(ADPCM_SBPRO_4),
        CODEC(ADPCM_SBPRO_3), CODEC(ADPCM_SBPRO_2), CODEC(ADPCM_THP), CODEC(ADPCM_IMA_AMV),
        CODEC(AMR_NB), CODEC(AMR_WB), CODEC(RA_144), CODEC(RA_288),
        CODEC(ROQ_DPCM), CODEC(INTERPLAY_DPCM), CODEC(XAN_DPCM), CODEC(SOL_DPCM),
        CODEC(MP2), CODEC(MP3), CODEC(AAC), CODEC(AC3), CODEC(DTS),
        CODEC(VORBIS), CODEC(DVAUDIO), CODEC(WMAV1), CODEC(WMAV2), CODEC(MACE3),
        CODEC(MACE6), CODEC(VMDAUDIO), CODEC(FLAC), CODEC(MP3ADU), CODEC(MP3ON4),
        CODEC(SHORTEN), CODEC(ALAC), CODEC(WESTWOOD_SND1), CODEC(GSM), CODEC(QDM2),
        CODEC(COOK), CODEC(TRUESPEECH), CODEC(TTA), CODEC(SMACKAUDIO), CODEC(QCELP),
        CODEC(WAVPACK), CODEC(DSICINAUDIO), CODEC(IMC), CODEC(MUSEPACK7), CODEC(MLP),
        CODEC(GSM_MS), CODEC(ATRAC3), CODEC(APE), CODEC(NELLYMOSER), CODEC(MUSEPACK8),
        CODEC(SPEEX), CODEC(WMAVOICE), CODEC(WMAPRO), CODEC(WMALOSSLESS), CODEC(ATRAC3P),
        CODEC(EAC3), CODEC(SIPR), CODEC(MP1), CODEC(SONIC), CODEC(SONIC_LS),
        CODEC(DVD_SUBTITLE), CODEC(DVB_SUBTITLE), CODEC(TEXT), CODEC(XSUB),
        CODEC(MPEG2TS),
    };
#undef CODEC
    const auto it = names.constFind(codecId);
    if (it == names.constEnd())
        return QStringLiteral("NONE");
    return QString::fromLatin1(it.value());
}
