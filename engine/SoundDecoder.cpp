#include "SoundDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}

SoundDecoder::SoundDecoder(const AVCodecParameters* par, const AVRational& timeBase)
{
    const AVCodec* decoder = avcodec_find_decoder(par->codec_id);
    m_dec = decoder ? avcodec_alloc_context3(decoder) : nullptr;
    m_frame = av_frame_alloc();
    if (m_dec && m_frame && avcodec_parameters_to_context(m_dec, par) >= 0) {
        m_dec->pkt_timebase = timeBase;
        m_dec->log_level_offset = AV_LOG_TRACE;
        m_opened = avcodec_open2(m_dec, decoder, nullptr) >= 0;
    }
}

SoundDecoder::~SoundDecoder()
{
    avcodec_free_context(&m_dec);
    av_frame_free(&m_frame);
}

void SoundDecoder::Feed(const AVPacket* packet)
{
    if (!m_opened || avcodec_send_packet(m_dec, packet) < 0)
        return;
    while (avcodec_receive_frame(m_dec, m_frame) >= 0) {
        if (m_frame->sample_rate > 0) {
            m_samples += m_frame->nb_samples;
            m_microseconds += av_rescale(m_frame->nb_samples, AV_TIME_BASE, m_frame->sample_rate);
            m_channels = m_frame->ch_layout.nb_channels;
            m_rate = m_frame->sample_rate;
            m_format = m_frame->format;
        } else if (m_frame->width > 0 && m_frame->height > 0) {
            ++m_pictures;
        }
        av_frame_unref(m_frame);
    }
}
