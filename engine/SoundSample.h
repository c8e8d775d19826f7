#pragma once
// About a second of one sound stream's packets, to learn whether such sound,
// copied into a container as the converter copies a stream, comes back
// whole: the packets are written into the container in memory, read back by
// the container's reader and decoded, and set against what they decode to
// as they are. A muxer that takes a stream proves nothing: some write sound
// that their reader then gives back only in part, or stamped short.
#include <QByteArray>

#include <atomic>
#include <vector>

struct AVChannelLayout;
struct AVCodec;
struct AVCodecContext;
struct AVCodecParameters;
struct AVFormatContext;
struct AVOutputFormat;
struct AVPacket;

class SoundSample
{
public:
    SoundSample();
    ~SoundSample();
    SoundSample(const SoundSample&) = delete;
    SoundSample& operator=(const SoundSample&) = delete;

    // The first packets of a stream of an opened file, or its last ones (a
    // stream may end in a frame its container tells wrongly); false when it
    // has none there. Once `stopped()` says so, it reads no further packet.
    enum class Part { Start, End };
    bool ReadFrom(AVFormatContext* input, int stream, Part part, bool (*stopped)(const std::atomic<bool>*) = nullptr,
                  const std::atomic<bool>* cancel = nullptr);
    // Whether the packets read from the start are the whole stream.
    bool Whole() const { return m_whole; }
    // Silence made by an encoder with that layout and rate, opened as the
    // converter opens it for the container; false when it does not open.
    bool Encode(const AVCodec* encoder, const AVChannelLayout& layout, int rate, const AVOutputFormat* container,
                int strictness);

    // An encoder opened with that layout and rate as the converter opens it
    // for the container; null when it does not open. The caller frees it.
    static AVCodecContext* OpenEncoder(const AVCodec* encoder, const AVChannelLayout& layout, int rate,
                                       const AVOutputFormat* container, int strictness);

    // What decides the answer for a stream: its codec parameters as the
    // copy hands them to the container's writer.
    static QByteArray Key(const AVCodecParameters* par);
    QByteArray Key() const;

    // Whether the packets decode here, as they are, to sound of about the
    // time their stamps span: false for packets of a codec this library
    // does not know, of parameters no decoder opens with, of bytes that
    // decode to nothing, or stamped far beyond what they hold.
    bool Decodes() const;

    // Whether the packets, written into the container (the file name tells
    // its kind) at the strictness the converter runs with, read back decode
    // to the same channels, rate and sample format, with nearly all their
    // samples and the span of their stamps.
    bool PlaysBackWhole(const AVOutputFormat* container, const char* fileName, int strictness) const;

private:
    AVCodecParameters* m_par = nullptr;
    int m_timeBaseNum = 1;
    int m_timeBaseDen = 1;
    std::vector<AVPacket*> m_packets;
    bool m_whole = false;
};
