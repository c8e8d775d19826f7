#pragma once
// What a sound stream's packets decode to, counted as they are handed in:
// the samples, and the channels, rate and sample format of the last frame.
// A picture stream's decoder counts the pictures it gives.
#include <cstdint>

struct AVCodecContext;
struct AVCodecParameters;
struct AVFrame;
struct AVPacket;
struct AVRational;

class SoundDecoder
{
public:
    // The decoder of the stream's codec, opened with its parameters; a
    // sound it cannot read is what callers look for, so nothing is logged.
    SoundDecoder(const AVCodecParameters* par, const AVRational& timeBase);
    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    bool Opened() const { return m_opened; }
    // One packet; null ends the stream and drains the decoder.
    void Feed(const AVPacket* packet);

    long long Samples() const { return m_samples; }
    long long Microseconds() const { return m_microseconds; }
    int Channels() const { return m_channels; }
    int Rate() const { return m_rate; }
    int Format() const { return m_format; }
    long long Pictures() const { return m_pictures; }

private:
    AVCodecContext* m_dec = nullptr;
    AVFrame* m_frame = nullptr;
    bool m_opened = false;
    long long m_samples = 0;
    long long m_microseconds = 0;
    int m_channels = 0;
    int m_rate = 0;
    int m_format = -1;
    long long m_pictures = 0;
};
