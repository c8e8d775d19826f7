// Clocks, audio output through SDL's audio device, pause and the picture delay.
#include "ffplay_internal.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <libavutil/time.h>
}

// ---- clocks ----

static double clock_read_locked(SyncClock* c, double now)
{
    if (c->queue_serial && *c->queue_serial != c->serial)
        return NAN;
    if (c->paused)
        return c->pts;
    return c->pts_drift + now - (now - c->last_updated) * (1.0 - c->speed);
}

double get_clock(SyncClock* c)
{
    std::lock_guard<std::mutex> guard(c->lock);
    return clock_read_locked(c, av_gettime_relative() / 1000000.0);
}

static void set_clock_at_locked(SyncClock* c, double pts, int serial, double time)
{
    c->pts = pts;
    c->last_updated = time;
    c->pts_drift = c->pts - time;
    c->serial = serial;
}

void set_clock_at(SyncClock* c, double pts, int serial, double time)
{
    std::lock_guard<std::mutex> guard(c->lock);
    set_clock_at_locked(c, pts, serial, time);
}

void set_clock(SyncClock* c, double pts, int serial)
{
    set_clock_at(c, pts, serial, av_gettime_relative() / 1000000.0);
}

void set_clock_speed(SyncClock* c, double speed)
{
    std::lock_guard<std::mutex> guard(c->lock);
    const double now = av_gettime_relative() / 1000000.0;
    set_clock_at_locked(c, clock_read_locked(c, now), c->serial, now);
    c->speed = speed;
}

void init_clock(SyncClock* c, std::atomic<int>* queue_serial)
{
    std::lock_guard<std::mutex> guard(c->lock);
    c->speed = 1.0;
    c->paused = 0;
    c->queue_serial = queue_serial;
    set_clock_at_locked(c, NAN, -1, av_gettime_relative() / 1000000.0);
}

int clock_serial(SyncClock* c)
{
    std::lock_guard<std::mutex> guard(c->lock);
    return c->serial;
}

double clock_last_updated(SyncClock* c)
{
    std::lock_guard<std::mutex> guard(c->lock);
    return c->last_updated;
}

double clock_pts(SyncClock* c)
{
    std::lock_guard<std::mutex> guard(c->lock);
    return c->pts;
}

void sync_clock_to_slave(SyncClock* c, SyncClock* slave)
{
    double slaveClock;
    int slaveSerial;
    {
        std::lock_guard<std::mutex> guard(slave->lock);
        slaveClock = clock_read_locked(slave, av_gettime_relative() / 1000000.0);
        slaveSerial = slave->serial;
    }
    const double clock = get_clock(c);
    if (!std::isnan(slaveClock) && (std::isnan(clock) || std::fabs(clock - slaveClock) > AV_NOSYNC_THRESHOLD))
        set_clock(c, slaveClock, slaveSerial);
}

int get_master_sync_type(VideoState* is)
{
    if (is->av_sync_type == AV_SYNC_VIDEO_MASTER)
        return is->video_st ? AV_SYNC_VIDEO_MASTER : AV_SYNC_AUDIO_MASTER;
    if (is->av_sync_type == AV_SYNC_AUDIO_MASTER)
        return is->audio_st ? AV_SYNC_AUDIO_MASTER : AV_SYNC_EXTERNAL_CLOCK;
    return AV_SYNC_EXTERNAL_CLOCK;
}

SyncClock* master_clock(VideoState* is)
{
    switch (get_master_sync_type(is)) {
    case AV_SYNC_VIDEO_MASTER:
        return &is->vidclk;
    case AV_SYNC_AUDIO_MASTER:
        return &is->audclk;
    default:
        return &is->extclk;
    }
}

double get_master_clock(VideoState* is)
{
    return get_clock(master_clock(is));
}

void check_external_clock_speed(VideoState* is)
{
    const int video = is->video_stream;
    const int audio = is->audio_stream;
    double speed;
    {
        std::lock_guard<std::mutex> guard(is->extclk.lock);
        speed = is->extclk.speed;
    }
    if ((video >= 0 && is->videoq.nb_packets <= EXTERNAL_CLOCK_MIN_FRAMES)
        || (audio >= 0 && is->audioq.nb_packets <= EXTERNAL_CLOCK_MIN_FRAMES)) {
        set_clock_speed(&is->extclk, FFMAX(EXTERNAL_CLOCK_SPEED_MIN, speed - EXTERNAL_CLOCK_SPEED_STEP));
    } else if ((video < 0 || is->videoq.nb_packets > EXTERNAL_CLOCK_MAX_FRAMES)
               && (audio < 0 || is->audioq.nb_packets > EXTERNAL_CLOCK_MAX_FRAMES)) {
        set_clock_speed(&is->extclk, FFMIN(EXTERNAL_CLOCK_SPEED_MAX, speed + EXTERNAL_CLOCK_SPEED_STEP));
    } else if (speed != 1.0) {
        set_clock_speed(&is->extclk, speed + EXTERNAL_CLOCK_SPEED_STEP * (1.0 - speed) / std::fabs(1.0 - speed));
    }
}

static void clock_set_paused(SyncClock* c, int paused)
{
    std::lock_guard<std::mutex> guard(c->lock);
    c->paused = paused;
}

// GUI thread only.
void stream_toggle_pause(VideoState* is)
{
    if (is->paused) {
        is->frame_timer += av_gettime_relative() / 1000000.0 - clock_last_updated(&is->vidclk);
        if (is->read_pause_return != AVERROR(ENOSYS))
            clock_set_paused(&is->vidclk, 0);
        set_clock(&is->vidclk, get_clock(&is->vidclk), clock_serial(&is->vidclk));
    }
    set_clock(&is->extclk, get_clock(&is->extclk), clock_serial(&is->extclk));
    const int paused = !is->paused;
    is->paused = paused;
    clock_set_paused(&is->audclk, paused);
    clock_set_paused(&is->vidclk, paused);
    clock_set_paused(&is->extclk, paused);
}

double compute_target_delay(double delay, VideoState* is)
{
    double diff = 0;
    if (get_master_sync_type(is) != AV_SYNC_VIDEO_MASTER) {
        diff = get_clock(&is->vidclk) - get_master_clock(is);
        const double threshold = FFMAX(AV_SYNC_THRESHOLD_MIN, FFMIN(AV_SYNC_THRESHOLD_MAX, delay));
        if (!std::isnan(diff) && std::fabs(diff) < is->max_frame_duration) {
            if (diff <= -threshold)
                delay = FFMAX(0, delay + diff);
            else if (diff >= threshold && delay > AV_SYNC_FRAMEDUP_THRESHOLD)
                delay = delay + diff;
            else if (diff >= threshold)
                delay = 2 * delay;
        }
    }
    av_log(nullptr, AV_LOG_TRACE, "video: delay=%0.3f A-V=%f\n", delay, -diff);
    return delay;
}

// ---- audio device ----

int audio_open(VideoState* is, const AVChannelLayout* wanted_layout, int wanted_sample_rate,
               AudioParams* audio_hw_params)
{
    static const int next_nb_channels[] = {0, 0, 1, 6, 2, 6, 4, 6};
    static const int next_sample_rates[] = {0, 44100, 48000, 96000, 192000};
    int next_sample_rate_idx = FF_ARRAY_ELEMS(next_sample_rates) - 1;

    AVChannelLayout layout{};  // the copy below frees what it overwrites
    av_channel_layout_copy(&layout, wanted_layout);
    int wanted_nb_channels = layout.nb_channels;
    if (const char* env = SDL_getenv("SDL_AUDIO_CHANNELS")) {
        wanted_nb_channels = std::atoi(env);
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, wanted_nb_channels);
    }
    if (layout.order != AV_CHANNEL_ORDER_NATIVE || layout.nb_channels != wanted_nb_channels) {
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, wanted_nb_channels);
    }
    wanted_nb_channels = layout.nb_channels;

    SDL_AudioSpec wanted_spec{};
    SDL_AudioSpec spec{};
    wanted_spec.channels = static_cast<Uint8>(FFMAX(0, FFMIN(255, wanted_nb_channels)));
    wanted_spec.freq = wanted_sample_rate;
    if (wanted_spec.freq <= 0 || wanted_spec.channels <= 0) {
        av_log(nullptr, AV_LOG_ERROR, "Invalid sample rate or channel count!\n");
        av_channel_layout_uninit(&layout);
        return -1;
    }
    while (next_sample_rate_idx && next_sample_rates[next_sample_rate_idx] >= wanted_spec.freq)
        next_sample_rate_idx--;
    wanted_spec.format = AUDIO_S16SYS;
    wanted_spec.silence = 0;
    // SDL's sample count is 16 bits wide: above about 983 kHz the power of two
    // would wrap to 0, and a device of no samples calls back without end.
    wanted_spec.samples = static_cast<Uint16>(FFMIN(
        32768, FFMAX(SDL_AUDIO_MIN_BUFFER_SIZE,
                     2 << av_log2(static_cast<unsigned>(wanted_spec.freq / SDL_AUDIO_MAX_CALLBACKS_PER_SEC)))));
    wanted_spec.callback = sdl_audio_callback;
    wanted_spec.userdata = is;

    SDL_AudioDeviceID dev;
    while (!(dev = SDL_OpenAudioDevice(nullptr, 0, &wanted_spec, &spec,
                                       SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE))) {
        av_log(nullptr, AV_LOG_WARNING, "SDL_OpenAudio (%d channels, %d Hz): %s\n", wanted_spec.channels,
               wanted_spec.freq, SDL_GetError());
        wanted_spec.channels = static_cast<Uint8>(next_nb_channels[FFMIN(7, wanted_spec.channels)]);
        if (!wanted_spec.channels) {
            wanted_spec.freq = next_sample_rates[next_sample_rate_idx--];
            wanted_spec.channels = static_cast<Uint8>(wanted_nb_channels);
            if (!wanted_spec.freq) {
                av_log(nullptr, AV_LOG_ERROR, "No more combinations to try, audio open failed\n");
                av_channel_layout_uninit(&layout);
                return -1;
            }
        }
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, wanted_spec.channels);
    }
    if (spec.format != AUDIO_S16SYS) {
        av_log(nullptr, AV_LOG_ERROR, "SDL advised audio format %d is not supported!\n", spec.format);
        SDL_CloseAudioDevice(dev);
        av_channel_layout_uninit(&layout);
        return -1;
    }
    if (spec.channels != wanted_spec.channels) {
        av_channel_layout_uninit(&layout);
        av_channel_layout_default(&layout, spec.channels);
        if (layout.order != AV_CHANNEL_ORDER_NATIVE) {
            av_log(nullptr, AV_LOG_ERROR, "SDL advised channel count %d is not supported!\n", spec.channels);
            SDL_CloseAudioDevice(dev);
            av_channel_layout_uninit(&layout);
            return -1;
        }
    }

    audio_hw_params->fmt = AV_SAMPLE_FMT_S16;
    audio_hw_params->freq = spec.freq;
    av_channel_layout_uninit(&audio_hw_params->ch_layout);
    av_channel_layout_copy(&audio_hw_params->ch_layout, &layout);
    av_channel_layout_uninit(&layout);
    audio_hw_params->frame_size =
        av_samples_get_buffer_size(nullptr, audio_hw_params->ch_layout.nb_channels, 1, audio_hw_params->fmt, 1);
    audio_hw_params->bytes_per_sec = av_samples_get_buffer_size(
        nullptr, audio_hw_params->ch_layout.nb_channels, audio_hw_params->freq, audio_hw_params->fmt, 1);
    if (audio_hw_params->bytes_per_sec <= 0 || audio_hw_params->frame_size <= 0) {
        av_log(nullptr, AV_LOG_ERROR, "av_samples_get_buffer_size failed\n");
        SDL_CloseAudioDevice(dev);
        return -1;
    }
    audio_dev = dev;
    return static_cast<int>(spec.size);
}

// Copies the newest samples into the audio view's ring.
static void update_sample_display(VideoState* is, const int16_t* samples, int samples_size)
{
    std::lock_guard<std::mutex> guard(is->sample_lock);
    int size = samples_size / static_cast<int>(sizeof(int16_t));
    while (size > 0) {
        int len = SAMPLE_ARRAY_SIZE - is->sample_array_index;
        if (len > size)
            len = size;
        std::memcpy(is->sample_array + is->sample_array_index, samples, len * sizeof(int16_t));
        samples += len;
        is->sample_array_index += len;
        if (is->sample_array_index >= SAMPLE_ARRAY_SIZE)
            is->sample_array_index = 0;
        size -= len;
    }
}

// Takes the next sample frame and converts it to the device format into
// is->audio_buf. Returns its size in bytes, or a negative value (silence).
static int audio_decode_frame(VideoState* is)
{
    if (is->paused)
        return -1;

    QueuedFrame* af;
    do {
        if (!(af = frame_queue_peek_readable(&is->sampq)))
            return -1;
        frame_queue_next(&is->sampq);
    } while (af->serial != is->audioq.serial);

    AVFrame* frame = af->frame;
    const int data_size = av_samples_get_buffer_size(nullptr, frame->ch_layout.nb_channels, frame->nb_samples,
                                                     static_cast<AVSampleFormat>(frame->format), 1);
    const int wanted_nb_samples = frame->nb_samples;

    if (frame->format != is->audio_src.fmt || av_channel_layout_compare(&frame->ch_layout, &is->audio_src.ch_layout)
        || frame->sample_rate != is->audio_src.freq || (wanted_nb_samples != frame->nb_samples && !is->swr_ctx)) {
        swr_free(&is->swr_ctx);
        swr_alloc_set_opts2(&is->swr_ctx, &is->audio_tgt.ch_layout, is->audio_tgt.fmt, is->audio_tgt.freq,
                            &frame->ch_layout, static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0,
                            nullptr);
        if (!is->swr_ctx || swr_init(is->swr_ctx) < 0) {
            char src_layout[128] = {0};
            char dst_layout[128] = {0};
            av_channel_layout_describe(&frame->ch_layout, src_layout, sizeof(src_layout));
            av_channel_layout_describe(&is->audio_tgt.ch_layout, dst_layout, sizeof(dst_layout));
            av_log(nullptr, AV_LOG_ERROR,
                   "Cannot create sample rate converter for conversion of %d Hz %s %d channels to %d Hz %s %d "
                   "channels!\n",
                   frame->sample_rate, av_get_sample_fmt_name(static_cast<AVSampleFormat>(frame->format)),
                   frame->ch_layout.nb_channels, is->audio_tgt.freq, av_get_sample_fmt_name(is->audio_tgt.fmt),
                   is->audio_tgt.ch_layout.nb_channels);
            swr_free(&is->swr_ctx);
            return -1;
        }
        av_channel_layout_uninit(&is->audio_src.ch_layout);
        if (av_channel_layout_copy(&is->audio_src.ch_layout, &frame->ch_layout) < 0)
            return -1;
        is->audio_src.freq = frame->sample_rate;
        is->audio_src.fmt = static_cast<AVSampleFormat>(frame->format);
    }

    int resampled_data_size;
    if (is->swr_ctx) {
        const uint8_t** in = const_cast<const uint8_t**>(frame->extended_data);
        const int out_count = static_cast<int>(
            static_cast<int64_t>(wanted_nb_samples) * is->audio_tgt.freq / frame->sample_rate + 256);
        const int out_size = av_samples_get_buffer_size(nullptr, is->audio_tgt.ch_layout.nb_channels, out_count,
                                                        is->audio_tgt.fmt, 0);
        if (out_size < 0) {
            av_log(nullptr, AV_LOG_ERROR, "av_samples_get_buffer_size() failed\n");
            return -1;
        }
        av_fast_malloc(&is->audio_buf1, &is->audio_buf1_size, static_cast<size_t>(out_size));
        if (!is->audio_buf1)
            return AVERROR(ENOMEM);
        uint8_t** out = &is->audio_buf1;
        const int len2 = swr_convert(is->swr_ctx, out, out_count, in, frame->nb_samples);
        if (len2 < 0) {
            av_log(nullptr, AV_LOG_ERROR, "swr_convert() failed\n");
            return -1;
        }
        if (len2 == out_count) {
            av_log(nullptr, AV_LOG_WARNING, "audio buffer is probably too small\n");
            if (swr_init(is->swr_ctx) < 0)
                swr_free(&is->swr_ctx);
        }
        is->audio_buf = is->audio_buf1;
        resampled_data_size = len2 * is->audio_tgt.ch_layout.nb_channels * av_get_bytes_per_sample(is->audio_tgt.fmt);
    } else {
        is->audio_buf = frame->data[0];
        resampled_data_size = data_size;
    }

    if (!std::isnan(af->pts))
        is->audio_clock = af->pts + static_cast<double>(frame->nb_samples) / frame->sample_rate;
    else
        is->audio_clock = NAN;
    is->audio_clock_serial = af->serial;

    if (is->show_mode != SHOW_MODE_VIDEO && resampled_data_size > 0)
        update_sample_display(is, reinterpret_cast<const int16_t*>(is->audio_buf), resampled_data_size);
    return resampled_data_size;
}

void sdl_audio_callback(void* opaque, Uint8* stream, int len)
{
    auto* is = static_cast<VideoState*>(opaque);
    const int64_t callbackTime = av_gettime_relative();
    audio_callback_time = callbackTime;

    while (len > 0) {
        if (is->audio_buf_index >= static_cast<int>(is->audio_buf_size)) {
            const int audio_size = audio_decode_frame(is);
            if (audio_size < 0) {
                is->audio_buf = nullptr;
                is->audio_buf_size = static_cast<unsigned>(SDL_AUDIO_MIN_BUFFER_SIZE / is->audio_tgt.frame_size
                                                           * is->audio_tgt.frame_size);
            } else {
                is->audio_buf_size = static_cast<unsigned>(audio_size);
            }
            is->audio_buf_index = 0;
        }
        int len1 = static_cast<int>(is->audio_buf_size) - is->audio_buf_index;
        if (len1 > len)
            len1 = len;
        const int volume = is->audio_volume;
        if (!is->muted && is->audio_buf && volume == SDL_MIX_MAXVOLUME) {
            std::memcpy(stream, is->audio_buf + is->audio_buf_index, static_cast<size_t>(len1));
        } else {
            std::memset(stream, 0, static_cast<size_t>(len1));
            if (!is->muted && is->audio_buf)
                SDL_MixAudioFormat(stream, is->audio_buf + is->audio_buf_index, AUDIO_S16SYS,
                                   static_cast<Uint32>(len1), volume);
        }
        len -= len1;
        stream += len1;
        is->audio_buf_index += len1;
    }
    is->audio_write_buf_size = static_cast<int>(is->audio_buf_size) - is->audio_buf_index;
    if (!std::isnan(is->audio_clock)) {
        set_clock_at(&is->audclk,
                     is->audio_clock
                         - static_cast<double>(2 * is->audio_hw_buf_size + is->audio_write_buf_size)
                               / is->audio_tgt.bytes_per_sec,
                     is->audio_clock_serial, callbackTime / 1000000.0);
        sync_clock_to_slave(&is->extclk, &is->audclk);
    }
}
