// Picture timing and drawing: which picture is due, late drops, subtitles,
// fitting into the player window, and the audio view for sound-only files.
#include "ffplay_internal.h"

#include <cmath>
#include <cstring>
#include <vector>

extern "C" {
#include <libavutil/time.h>
}

const TextureFormatEntry sdl_texture_format_map[] = {
    {AV_PIX_FMT_RGB8, SDL_PIXELFORMAT_RGB332},
    {AV_PIX_FMT_RGB444, SDL_PIXELFORMAT_RGB444},
    {AV_PIX_FMT_RGB555, SDL_PIXELFORMAT_RGB555},
    {AV_PIX_FMT_BGR555, SDL_PIXELFORMAT_BGR555},
    {AV_PIX_FMT_RGB565, SDL_PIXELFORMAT_RGB565},
    {AV_PIX_FMT_BGR565, SDL_PIXELFORMAT_BGR565},
    {AV_PIX_FMT_RGB24, SDL_PIXELFORMAT_RGB24},
    {AV_PIX_FMT_BGR24, SDL_PIXELFORMAT_BGR24},
    {AV_PIX_FMT_0RGB32, SDL_PIXELFORMAT_RGB888},
    {AV_PIX_FMT_0BGR32, SDL_PIXELFORMAT_BGR888},
    {AV_PIX_FMT_NE(RGB0, 0BGR), SDL_PIXELFORMAT_RGBX8888},
    {AV_PIX_FMT_NE(BGR0, 0RGB), SDL_PIXELFORMAT_BGRX8888},
    {AV_PIX_FMT_RGB32, SDL_PIXELFORMAT_ARGB8888},
    {AV_PIX_FMT_RGB32_1, SDL_PIXELFORMAT_RGBA8888},
    {AV_PIX_FMT_BGR32, SDL_PIXELFORMAT_ABGR8888},
    {AV_PIX_FMT_BGR32_1, SDL_PIXELFORMAT_BGRA8888},
    {AV_PIX_FMT_YUV420P, SDL_PIXELFORMAT_IYUV},
    {AV_PIX_FMT_YUYV422, SDL_PIXELFORMAT_YUY2},
    {AV_PIX_FMT_UYVY422, SDL_PIXELFORMAT_UYVY},
    {AV_PIX_FMT_NONE, SDL_PIXELFORMAT_UNKNOWN},
};

int realloc_texture(SDL_Texture** texture, Uint32 new_format, int new_width, int new_height,
                    SDL_BlendMode blendmode, int init_texture)
{
    Uint32 format;
    int access, w, h;
    if (!*texture || SDL_QueryTexture(*texture, &format, &access, &w, &h) < 0 || new_width != w
        || new_height != h || new_format != format) {
        if (*texture)
            SDL_DestroyTexture(*texture);
        if (!(*texture = SDL_CreateTexture(pSDLrenderer, new_format, SDL_TEXTUREACCESS_STREAMING, new_width,
                                           new_height)))
            return -1;
        if (SDL_SetTextureBlendMode(*texture, blendmode) < 0)
            return -1;
        if (init_texture) {
            void* pixels;
            int pitch;
            if (SDL_LockTexture(*texture, nullptr, &pixels, &pitch) < 0)
                return -1;
            std::memset(pixels, 0, static_cast<size_t>(pitch) * new_height);
            SDL_UnlockTexture(*texture);
        }
        av_log(nullptr, AV_LOG_VERBOSE, "Created %dx%d texture with %s.\n", new_width, new_height,
               SDL_GetPixelFormatName(new_format));
    }
    return 0;
}

void calculate_display_rect(SDL_Rect* rect, int scr_xleft, int scr_ytop, int scr_width, int scr_height,
                            int pic_width, int pic_height, AVRational pic_sar)
{
    AVRational aspect_ratio = pic_sar;
    if (av_cmp_q(aspect_ratio, av_make_q(0, 1)) <= 0)
        aspect_ratio = av_make_q(1, 1);
    aspect_ratio = av_mul_q(aspect_ratio, av_make_q(pic_width, FFMAX(pic_height, 1)));

    int64_t height = scr_height;
    int64_t width = av_rescale(height, aspect_ratio.num, FFMAX(aspect_ratio.den, 1)) & ~1;
    if (width > scr_width) {
        width = scr_width;
        height = aspect_ratio.num > 0 ? av_rescale(width, aspect_ratio.den, aspect_ratio.num) & ~1 : scr_height;
    }
    const int64_t x = (scr_width - width) / 2;
    const int64_t y = (scr_height - height) / 2;
    rect->x = static_cast<int>(scr_xleft + x);
    rect->y = static_cast<int>(scr_ytop + y);
    rect->w = FFMAX(static_cast<int>(width), 1);
    rect->h = FFMAX(static_cast<int>(height), 1);
}

void set_default_window_size(int width, int height, AVRational sar)
{
    SDL_Rect rect;
    int max_width = screen_width ? screen_width.load() : INT_MAX;
    int max_height = screen_height ? screen_height.load() : INT_MAX;
    if (max_width == INT_MAX && max_height == INT_MAX)
        max_height = height;
    calculate_display_rect(&rect, 0, 0, max_width, max_height, width, height, sar);
    default_width = rect.w;
    default_height = rect.h;
}

static void get_sdl_pix_fmt_and_blendmode(int format, Uint32* sdl_pix_fmt, SDL_BlendMode* sdl_blendmode)
{
    *sdl_blendmode = SDL_BLENDMODE_NONE;
    *sdl_pix_fmt = SDL_PIXELFORMAT_UNKNOWN;
    if (format == AV_PIX_FMT_RGB32 || format == AV_PIX_FMT_RGB32_1 || format == AV_PIX_FMT_BGR32
        || format == AV_PIX_FMT_BGR32_1)
        *sdl_blendmode = SDL_BLENDMODE_BLEND;
    for (int i = 0; sdl_texture_format_map[i].format != AV_PIX_FMT_NONE; i++) {
        if (format == sdl_texture_format_map[i].format) {
            *sdl_pix_fmt = sdl_texture_format_map[i].texture_fmt;
            return;
        }
    }
}

static int upload_texture(SDL_Texture** tex, AVFrame* frame, SwsContext** img_convert_ctx)
{
    int ret = 0;
    Uint32 sdl_pix_fmt;
    SDL_BlendMode sdl_blendmode;
    get_sdl_pix_fmt_and_blendmode(frame->format, &sdl_pix_fmt, &sdl_blendmode);
    const Uint32 texture_fmt = sdl_pix_fmt == SDL_PIXELFORMAT_UNKNOWN ? static_cast<Uint32>(SDL_PIXELFORMAT_ARGB8888)
                                                                      : sdl_pix_fmt;
    if (realloc_texture(tex, texture_fmt,
                        frame->width, frame->height, sdl_blendmode, 0)
        < 0)
        return -1;
    switch (sdl_pix_fmt) {
    case SDL_PIXELFORMAT_UNKNOWN:
        *img_convert_ctx = sws_getCachedContext(*img_convert_ctx, frame->width, frame->height,
                                                static_cast<AVPixelFormat>(frame->format), frame->width,
                                                frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr, nullptr);
        if (*img_convert_ctx) {
            uint8_t* pixels[4];
            int pitch[4];
            if (!SDL_LockTexture(*tex, nullptr, reinterpret_cast<void**>(pixels), pitch)) {
                sws_scale(*img_convert_ctx, frame->data, frame->linesize, 0, frame->height, pixels, pitch);
                SDL_UnlockTexture(*tex);
            }
        } else {
            av_log(nullptr, AV_LOG_FATAL, "Cannot initialize the conversion context\n");
            ret = -1;
        }
        break;
    case SDL_PIXELFORMAT_IYUV:
        if (frame->linesize[0] > 0 && frame->linesize[1] > 0 && frame->linesize[2] > 0) {
            ret = SDL_UpdateYUVTexture(*tex, nullptr, frame->data[0], frame->linesize[0], frame->data[1],
                                       frame->linesize[1], frame->data[2], frame->linesize[2]);
        } else if (frame->linesize[0] < 0 && frame->linesize[1] < 0 && frame->linesize[2] < 0) {
            const int ch = AV_CEIL_RSHIFT(frame->height, 1);
            ret = SDL_UpdateYUVTexture(*tex, nullptr, frame->data[0] + frame->linesize[0] * (frame->height - 1),
                                       -frame->linesize[0], frame->data[1] + frame->linesize[1] * (ch - 1),
                                       -frame->linesize[1], frame->data[2] + frame->linesize[2] * (ch - 1),
                                       -frame->linesize[2]);
        } else {
            av_log(nullptr, AV_LOG_ERROR, "Mixed negative and positive linesizes are not supported.\n");
            return -1;
        }
        break;
    default:
        if (frame->linesize[0] < 0)
            ret = SDL_UpdateTexture(*tex, nullptr, frame->data[0] + frame->linesize[0] * (frame->height - 1),
                                    -frame->linesize[0]);
        else
            ret = SDL_UpdateTexture(*tex, nullptr, frame->data[0], frame->linesize[0]);
        break;
    }
    return ret;
}

static void set_sdl_yuv_conversion_mode(AVFrame* frame)
{
    SDL_YUV_CONVERSION_MODE mode = SDL_YUV_CONVERSION_AUTOMATIC;
    if (frame && (frame->format == AV_PIX_FMT_YUV420P || frame->format == AV_PIX_FMT_YUYV422
                  || frame->format == AV_PIX_FMT_UYVY422)) {
        if (frame->color_range == AVCOL_RANGE_JPEG)
            mode = SDL_YUV_CONVERSION_JPEG;
        else if (frame->colorspace == AVCOL_SPC_BT709)
            mode = SDL_YUV_CONVERSION_BT709;
        else if (frame->colorspace == AVCOL_SPC_BT470BG || frame->colorspace == AVCOL_SPC_SMPTE170M
                 || frame->colorspace == AVCOL_SPC_SMPTE240M)
            mode = SDL_YUV_CONVERSION_BT601;
    }
    SDL_SetYUVConversionMode(mode);
}

static void video_image_display(VideoState* is)
{
    QueuedFrame* vp = frame_queue_peek_last(&is->pictq);
    QueuedFrame* sp = nullptr;
    SDL_Rect rect;

    if (is->subtitle_st) {
        if (frame_queue_nb_remaining(&is->subpq) > 0) {
            sp = frame_queue_peek(&is->subpq);
            if (vp->pts >= sp->pts + static_cast<float>(sp->sub.start_display_time) / 1000) {
                if (!sp->uploaded) {
                    if (!sp->width || !sp->height) {
                        sp->width = vp->width;
                        sp->height = vp->height;
                    }
                    if (realloc_texture(&is->sub_texture, SDL_PIXELFORMAT_ARGB8888, sp->width, sp->height,
                                        SDL_BLENDMODE_BLEND, 1)
                        < 0)
                        return;
                    for (unsigned i = 0; i < sp->sub.num_rects; i++) {
                        AVSubtitleRect* sub_rect = sp->sub.rects[i];
                        sub_rect->x = av_clip(sub_rect->x, 0, sp->width);
                        sub_rect->y = av_clip(sub_rect->y, 0, sp->height);
                        sub_rect->w = av_clip(sub_rect->w, 0, sp->width - sub_rect->x);
                        sub_rect->h = av_clip(sub_rect->h, 0, sp->height - sub_rect->y);
                        if (sub_rect->w <= 0 || sub_rect->h <= 0)
                            continue;
                        is->sub_convert_ctx = sws_getCachedContext(
                            is->sub_convert_ctx, sub_rect->w, sub_rect->h, AV_PIX_FMT_PAL8, sub_rect->w,
                            sub_rect->h, AV_PIX_FMT_BGRA, 0, nullptr, nullptr, nullptr);
                        if (!is->sub_convert_ctx) {
                            av_log(nullptr, AV_LOG_FATAL, "Cannot initialize the conversion context\n");
                            return;
                        }
                        uint8_t* pixels[4];
                        int pitch[4];
                        SDL_Rect r{sub_rect->x, sub_rect->y, sub_rect->w, sub_rect->h};
                        if (!SDL_LockTexture(is->sub_texture, &r, reinterpret_cast<void**>(pixels), pitch)) {
                            sws_scale(is->sub_convert_ctx, sub_rect->data, sub_rect->linesize, 0, sub_rect->h,
                                      pixels, pitch);
                            SDL_UnlockTexture(is->sub_texture);
                        }
                    }
                    sp->uploaded = 1;
                }
            } else {
                sp = nullptr;
            }
        }
    }

    calculate_display_rect(&rect, is->xleft, is->ytop, is->width, is->height, vp->width, vp->height, vp->sar);
    set_sdl_yuv_conversion_mode(vp->frame);

    if (!vp->uploaded) {
        if (upload_texture(&is->vid_texture, vp->frame, &is->img_convert_ctx) < 0) {
            set_sdl_yuv_conversion_mode(nullptr);
            return;
        }
        vp->uploaded = 1;
        vp->flip_v = vp->frame->linesize[0] < 0;
    }

    SDL_RenderCopyEx(pSDLrenderer, is->vid_texture, nullptr, &rect, 0, nullptr,
                     vp->flip_v ? SDL_FLIP_VERTICAL : SDL_FLIP_NONE);
    set_sdl_yuv_conversion_mode(nullptr);
    if (sp)
        SDL_RenderCopy(pSDLrenderer, is->sub_texture, nullptr, &rect);
}

static inline int compute_mod(int a, int b)
{
    return a < 0 ? a % b + b : a % b;
}

static void video_audio_display(VideoState* s)
{
    int rdft_bits, nb_freq;
    for (rdft_bits = 1; (1 << rdft_bits) < 2 * s->height; rdft_bits++) {
    }
    nb_freq = 1 << (rdft_bits - 1);
    const int channels = FFMAX(1, s->audio_tgt.ch_layout.nb_channels);
    const int mode = s->show_mode;

    // Take a consistent copy of the ring: the audio callback writes it.
    std::vector<int16_t> ring;
    int i_start;
    {
        std::lock_guard<std::mutex> guard(s->sample_lock);
        if (!s->paused) {
            const int data_used = mode == SHOW_MODE_WAVES ? s->width : (2 * nb_freq);
            int n = 2 * channels;
            int delay = s->audio_write_buf_size;
            delay /= n;
            const int64_t callback_time = audio_callback_time;
            if (callback_time) {
                const int64_t time_diff = av_gettime_relative() - callback_time;
                delay -= static_cast<int>((time_diff * s->audio_tgt.freq) / 1000000);
            }
            delay += 2 * data_used;
            if (delay < data_used)
                delay = data_used;
            i_start = compute_mod(s->sample_array_index - delay * channels, SAMPLE_ARRAY_SIZE);
            int x = i_start;
            if (mode == SHOW_MODE_WAVES) {
                int h = INT_MIN;
                for (int i = 0; i < 1000; i += channels) {
                    const int idx = (SAMPLE_ARRAY_SIZE + x - i) % SAMPLE_ARRAY_SIZE;
                    const int a = s->sample_array[idx];
                    const int b = s->sample_array[(idx + 4 * channels) % SAMPLE_ARRAY_SIZE];
                    const int c = s->sample_array[(idx + 5 * channels) % SAMPLE_ARRAY_SIZE];
                    const int d = s->sample_array[(idx + 9 * channels) % SAMPLE_ARRAY_SIZE];
                    const int score = a - d;
                    if (h < score && (b ^ c) < 0) {
                        h = score;
                        i_start = idx;
                    }
                }
            }
            s->last_i_start = i_start;
        } else {
            i_start = s->last_i_start;
        }
        const int columns = mode == SHOW_MODE_WAVES ? s->width : 2 * nb_freq;
        const int needed = FFMAX(0, columns) * channels + channels;
        ring.resize(static_cast<size_t>(needed));
        for (int k = 0, idx = i_start; k < needed; k++) {
            ring[static_cast<size_t>(k)] = s->sample_array[idx];
            if (++idx >= SAMPLE_ARRAY_SIZE)
                idx = 0;
        }
    }

    if (mode == SHOW_MODE_WAVES) {
        SDL_SetRenderDrawColor(pSDLrenderer, 255, 255, 255, 255);
        const int h = s->height / channels;
        const int h2 = (h * 9) / 20;
        for (int ch = 0; ch < channels; ch++) {
            size_t i = static_cast<size_t>(ch);
            const int y1 = s->ytop + ch * h + (h / 2);
            for (int x = 0; x < s->width && i < ring.size(); x++) {
                // Positive samples rise above the centre line, negative ones fall below.
                const int y = (ring[i] * h2) / 32768;
                SDL_Rect r{s->xleft + x, y >= 0 ? y1 - y : y1, 1, y >= 0 ? y : -y};
                SDL_RenderFillRect(pSDLrenderer, &r);
                i += static_cast<size_t>(channels);
            }
        }
        SDL_SetRenderDrawColor(pSDLrenderer, 0, 0, 255, 255);
        for (int ch = 1; ch < channels; ch++) {
            SDL_Rect r{s->xleft, s->ytop + ch * h, s->width, 1};
            SDL_RenderFillRect(pSDLrenderer, &r);
        }
        return;
    }

    if (realloc_texture(&s->vis_texture, SDL_PIXELFORMAT_ARGB8888, s->width, s->height, SDL_BLENDMODE_NONE, 1) < 0)
        return;
    const int nb_display_channels = FFMIN(channels, 2);
    if (rdft_bits != s->rdft_bits) {
        av_rdft_end(s->rdft);
        av_free(s->rdft_data);
        s->rdft = av_rdft_init(rdft_bits, DFT_R2C);
        s->rdft_bits = rdft_bits;
        s->rdft_data = static_cast<FFTSample*>(av_malloc_array(nb_freq, 4 * sizeof(*s->rdft_data)));
    }
    if (!s->rdft || !s->rdft_data) {
        av_log(nullptr, AV_LOG_ERROR, "Failed to allocate buffers for RDFT, switching to waves display\n");
        s->show_mode = SHOW_MODE_WAVES;
        return;
    }
    FFTSample* data[2];
    for (int ch = 0; ch < nb_display_channels; ch++) {
        data[ch] = s->rdft_data + 2 * nb_freq * ch;
        size_t i = static_cast<size_t>(ch);
        for (int x = 0; x < 2 * nb_freq; x++) {
            const double w = (x - nb_freq) * (1.0 / nb_freq);
            data[ch][x] = static_cast<FFTSample>((i < ring.size() ? ring[i] : 0) * (1.0 - w * w));
            i += static_cast<size_t>(channels);
        }
        av_rdft_calc(s->rdft, data[ch]);
    }
    // A resize may have left the column outside the narrower texture.
    if (s->xpos >= s->width)
        s->xpos = s->xleft;
    SDL_Rect rect{s->xpos, 0, 1, s->height};
    uint32_t* pixels;
    int pitch;
    if (!SDL_LockTexture(s->vis_texture, &rect, reinterpret_cast<void**>(&pixels), &pitch)) {
        pitch >>= 2;
        pixels += pitch * s->height;
        for (int y = 0; y < s->height && y < nb_freq; y++) {
            const double w = 1 / std::sqrt(static_cast<double>(nb_freq));
            int a = static_cast<int>(std::sqrt(w * std::sqrt(data[0][2 * y + 0] * data[0][2 * y + 0]
                                                             + data[0][2 * y + 1] * data[0][2 * y + 1])));
            int b = nb_display_channels == 2
                ? static_cast<int>(std::sqrt(w * std::hypot(data[1][2 * y + 0], data[1][2 * y + 1])))
                : a;
            a = FFMIN(a, 255);
            b = FFMIN(b, 255);
            pixels -= pitch;
            *pixels = static_cast<uint32_t>((a << 16) + (b << 8) + ((a + b) >> 1));
        }
        SDL_UnlockTexture(s->vis_texture);
    }
    SDL_RenderCopy(pSDLrenderer, s->vis_texture, nullptr, nullptr);
    if (!s->paused)
        s->xpos++;
    if (s->xpos >= s->width)
        s->xpos = s->xleft;
}

void forget_textures(VideoState* is)
{
    // The renderer that made them is gone; SDL freed them with it.
    is->vid_texture = nullptr;
    is->sub_texture = nullptr;
    is->vis_texture = nullptr;
    for (FrameQueue* f : {&is->pictq, &is->subpq}) {
        SDL_LockMutex(f->mutex);
        const int count = f->size;
        for (int i = 0; i < count; i++)
            f->queue[(f->rindex + i) % f->max_size].uploaded = 0;
        SDL_UnlockMutex(f->mutex);
    }
    is->force_refresh = 1;
}

void video_display(VideoState* is)
{
    if (!pSDLrenderer)
        return;
    if (!is->width) {
        int w = screen_width ? screen_width.load() : default_width.load();
        int h = screen_height ? screen_height.load() : default_height.load();
        if (const char* title = window_title)
            SDL_SetWindowTitle(pSDLwindow, title);
        // Through Qt, never SDL: Qt must know whether the host is on screen.
        show_host();
        is->width = w;
        is->height = h;
        is->audio_volume = SDL_MIX_MAXVOLUME;
    }
    SDL_SetRenderDrawColor(pSDLrenderer, 0, 0, 0, 255);
    SDL_RenderClear(pSDLrenderer);
    if (is->audio_st && is->show_mode != SHOW_MODE_VIDEO)
        video_audio_display(is);
    else if (is->video_st)
        video_image_display(is);
    SDL_RenderPresent(pSDLrenderer);
}

static double vp_duration(VideoState* is, QueuedFrame* vp, QueuedFrame* nextvp)
{
    if (vp->serial == nextvp->serial) {
        const double duration = nextvp->pts - vp->pts;
        if (std::isnan(duration) || duration <= 0 || duration > is->max_frame_duration)
            return vp->duration;
        return duration;
    }
    return 0.0;
}

static void update_video_pts(VideoState* is, double pts, int serial)
{
    set_clock(&is->vidclk, pts, serial);
    sync_clock_to_slave(&is->extclk, &is->vidclk);
}

void video_refresh(void* opaque, double* remaining_time)
{
    auto* is = static_cast<VideoState*>(opaque);
    double time;

    if (!is->paused && get_master_sync_type(is) == AV_SYNC_EXTERNAL_CLOCK && is->realtime)
        check_external_clock_speed(is);

    if (is->show_mode != SHOW_MODE_VIDEO && is->audio_st) {
        time = av_gettime_relative() / 1000000.0;
        if (is->force_refresh || is->last_vis_time + rdftspeed < time) {
            video_display(is);
            is->last_vis_time = time;
        }
        *remaining_time = FFMIN(*remaining_time, is->last_vis_time + rdftspeed - time);
    }

    if (is->video_st) {
    retry:
        if (frame_queue_nb_remaining(&is->pictq) == 0) {
            // nothing to do, no picture to display in the queue
        } else {
            QueuedFrame* lastvp = frame_queue_peek_last(&is->pictq);
            QueuedFrame* vp = frame_queue_peek(&is->pictq);

            if (vp->serial != is->videoq.serial) {
                frame_queue_next(&is->pictq);
                goto retry;
            }
            if (lastvp->serial != vp->serial)
                is->frame_timer = av_gettime_relative() / 1000000.0;
            if (is->paused)
                goto display;

            const double last_duration = vp_duration(is, lastvp, vp);
            const double delay = compute_target_delay(last_duration, is);
            time = av_gettime_relative() / 1000000.0;
            if (time < is->frame_timer + delay) {
                *remaining_time = FFMIN(is->frame_timer + delay - time, *remaining_time);
                goto display;
            }
            is->frame_timer += delay;
            if (delay > 0 && time - is->frame_timer > AV_SYNC_THRESHOLD_MAX)
                is->frame_timer = time;

            SDL_LockMutex(is->pictq.mutex);
            if (!std::isnan(vp->pts))
                update_video_pts(is, vp->pts, vp->serial);
            SDL_UnlockMutex(is->pictq.mutex);

            if (frame_queue_nb_remaining(&is->pictq) > 1) {
                QueuedFrame* nextvp = frame_queue_peek_next(&is->pictq);
                const double duration = vp_duration(is, vp, nextvp);
                if (!is->step && time > is->frame_timer + duration) {
                    is->frame_drops_late++;
                    frame_queue_next(&is->pictq);
                    goto retry;
                }
            }

            if (is->subtitle_st) {
                while (frame_queue_nb_remaining(&is->subpq) > 0) {
                    QueuedFrame* sp = frame_queue_peek(&is->subpq);
                    QueuedFrame* sp2 = frame_queue_nb_remaining(&is->subpq) > 1 ? frame_queue_peek_next(&is->subpq)
                                                                                 : nullptr;
                    const double vpts = clock_pts(&is->vidclk);
                    if (sp->serial != is->subtitleq.serial
                        || (vpts > (sp->pts + static_cast<float>(sp->sub.end_display_time) / 1000))
                        || (sp2 && vpts > (sp2->pts + static_cast<float>(sp2->sub.start_display_time) / 1000))) {
                        if (sp->uploaded && is->sub_texture) {
                            for (unsigned i = 0; i < sp->sub.num_rects; i++) {
                                AVSubtitleRect* sub_rect = sp->sub.rects[i];
                                uint8_t* pixels;
                                int pitch;
                                SDL_Rect r{sub_rect->x, sub_rect->y, sub_rect->w, sub_rect->h};
                                if (r.w <= 0 || r.h <= 0)
                                    continue;
                                if (!SDL_LockTexture(is->sub_texture, &r, reinterpret_cast<void**>(&pixels), &pitch)) {
                                    for (int j = 0; j < sub_rect->h; j++, pixels += pitch)
                                        std::memset(pixels, 0, static_cast<size_t>(sub_rect->w) << 2);
                                    SDL_UnlockTexture(is->sub_texture);
                                }
                            }
                        }
                        frame_queue_next(&is->subpq);
                    } else {
                        break;
                    }
                }
            }

            frame_queue_next(&is->pictq);
            is->frames_shown++;
            is->force_refresh = 1;
            if (is->step && !is->paused)
                stream_toggle_pause(is);
        }
    display:
        if (is->force_refresh && is->show_mode == SHOW_MODE_VIDEO && is->pictq.rindex_shown) {
            video_display(is);
            const QueuedFrame* shown = frame_queue_peek_last(&is->pictq);
            const int64_t start = is->start_time_us;
            is->shown_pts = shown->pts - (start == AV_NOPTS_VALUE ? 0.0 : start / 1000000.0);
            const int serial = shown->serial;
            if (serial != is->shown_serial) {
                is->shown_serial = serial;
                is->shown_serial_time = av_gettime_relative();
            }
        }
    }
    is->force_refresh = 0;
}
