// The player's API functions, the start-up sequence and the display loop.
#include "ffplay.h"
#include "ffplay_internal.h"
#include "cmdutils.h"
#include "MediaFunctions.h"
#include "PictureTurn.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#include <QCoreApplication>
#include <QDebug>
#include <QImage>
#include <QMetaObject>
#include <QWidget>

extern "C" {
#include <libavdevice/avdevice.h>
#include <libavutil/time.h>
}

// ---- process-wide state ----
VideoState* cur_stream = nullptr;
SDL_mutex* JxPlayer_video_state_mutex = nullptr;
std::mutex g_lock;
QPointer<QWidget> g_pSDLWidget;
QPointer<QWidget> g_pPlayerWidget;
QPointer<QWidget> g_pEditorMainWindow;
int is_SDL_init = 0;
SDL_Window* pSDLwindow = nullptr;
SDL_Renderer* pSDLrenderer = nullptr;
bool g_native_window = false;
std::atomic<int> screen_width{0};
std::atomic<int> screen_height{0};
std::atomic<int> default_width{640};
std::atomic<int> default_height{480};
AVPacket* flush_pkt = nullptr;
bool cursor_hidden = false;
std::atomic<char*> window_title{nullptr};
int startup_volume = 100;
double rdftspeed = 0.02;
std::atomic<int> seek_by_bytes{-1};
std::atomic<bool> infinite_buffer{false};
std::atomic<SDL_AudioDeviceID> audio_dev{0};
std::atomic<int64_t> audio_callback_time{0};
AVDictionary* format_opts = nullptr;
AVDictionary* codec_opts = nullptr;
AVDictionary* sws_dict = nullptr;
AVDictionary* swr_opts = nullptr;

static char** vfilters_list = nullptr;
static int nb_vfilters = 0;
static int g_generation = 0;
static std::mutex g_renderer_formats_lock;
static std::vector<Uint32> g_renderer_formats;

std::vector<Uint32> renderer_texture_formats()
{
    std::lock_guard<std::mutex> guard(g_renderer_formats_lock);
    return g_renderer_formats;
}

void set_renderer_texture_formats(const SDL_RendererInfo& info)
{
    std::lock_guard<std::mutex> guard(g_renderer_formats_lock);
    g_renderer_formats.assign(info.texture_formats, info.texture_formats + info.num_texture_formats);
}

std::string av_error_text(int errnum)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {0};
    av_strerror(errnum, text, sizeof(text));
    return text;
}

void push_quit_event(VideoState* is)
{
    SDL_Event event{};
    event.type = FF_QUIT_EVENT;
    event.user.data1 = is;
    event.user.code = is->generation;
    SDL_PushEvent(&event);
}

static void free_vfilters()
{
    for (int i = 0; i < nb_vfilters; i++)
        av_free(vfilters_list[i]);
    av_freep(&vfilters_list);
    nb_vfilters = 0;
}

namespace {
// The video-state mutex, taken by every API call but JxPlayerStart and
// JxPlayerAddVfilter; never held while Qt's events run.
class StateLock
{
public:
    StateLock()
    {
        if (JxPlayer_video_state_mutex)
            SDL_LockMutex(JxPlayer_video_state_mutex);
    }
    ~StateLock()
    {
        if (JxPlayer_video_state_mutex)
            SDL_UnlockMutex(JxPlayer_video_state_mutex);
    }
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;
};
}  // namespace

static int current_generation()
{
    return cur_stream ? cur_stream->generation : 0;
}

static void destroy_window_and_renderer()
{
    unwatch_host();
    if (pSDLrenderer)
        SDL_DestroyRenderer(pSDLrenderer);
    pSDLrenderer = nullptr;
    if (pSDLwindow)
        SDL_DestroyWindow(pSDLwindow);
    pSDLwindow = nullptr;
    std::lock_guard<std::mutex> guard(g_renderer_formats_lock);
    g_renderer_formats.clear();
}

static QWidget* current_owner()
{
    return g_pPlayerWidget ? g_pPlayerWidget.data() : g_pEditorMainWindow.data();
}

static bool call_stop_handler(QWidget* owner)
{
    return owner && QMetaObject::invokeMethod(owner, "OnStop", Qt::DirectConnection);
}

void show_host()
{
    if (g_pSDLWidget && !g_pSDLWidget->isVisible())
        g_pSDLWidget->show();
}

void player_host_lost()
{
    // The renderer draws into the host's window: it goes first, now. The
    // owner is told from the display loop, outside the host's destruction.
    destroy_window_and_renderer();
    if (cur_stream) {
        forget_textures(cur_stream);
        push_quit_event(cur_stream);
    }
}

// Runs the owner's stop handler; without an owner (or when it left the
// playback running) the player ends it itself, so nothing stays "playing".
static void stop_through_owner(int generation)
{
    if (g_pSDLWidget)
        g_pSDLWidget->hide();
    const bool called = call_stop_handler(current_owner());
    if (!called || (generation && current_generation() == generation && *play_window_flag)) {
        *play_window_flag = 0;
        if (generation == 0 || current_generation() == generation)
            JxPlayerStop();
    }
}

// Runs SDL's and Qt's pending events: SDL's pump does not run Qt's on X11,
// and the owner's slots (pause, seek, stop, resize) must run while playing.
static void pump_events()
{
    SDL_PumpEvents();
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

static void event_loop(int generation)
{
    SDL_Event event;
    auto running = [generation]() { return *play_window_flag && current_generation() == generation; };

    while (running()) {
        pump_events();
        if (!running())
            break;
        double remaining_time = 0.0;
        bool got_event = false;
        while (running()) {
            if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
                got_event = true;
                break;
            }
            if (!cursor_hidden) {
                SDL_ShowCursor(0);
                cursor_hidden = true;
            }
            if (remaining_time > 0.0)
                av_usleep(static_cast<unsigned>(remaining_time * 1000000.0));
            remaining_time = REFRESH_RATE;
            VideoState* is = cur_stream;
            if (is->step_req.exchange(0) && is->video_st) {
                // A seek while paused: show one new picture, then pause again.
                // Without pictures there is nothing to step to: stay paused.
                if (is->paused)
                    stream_toggle_pause(is);
                is->step = 1;
            }
            if (is->show_mode != SHOW_MODE_NONE && (!is->paused || is->force_refresh))
                video_refresh(is, &remaining_time);
            pump_events();
        }
        if (!got_event)
            break;
        const bool ours = event.type == FF_QUIT_EVENT && event.user.code == generation;
        if (ours || event.type == SDL_QUIT) {
            if (current_generation() == generation)
                stop_through_owner(generation);
        }
        // Every other event, and quit events of older streams, are dropped.
    }
}

int JxPlayerStart(const char* fileName, QWidget* host, QWidget* playerOwner, QWidget* editorOwner, int x, int y,
                  int width, int height)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    // The start owns a copy of the first filter text; the list is emptied at
    // once, so no pointer of this start survives it.
    const std::string vfilter = (nb_vfilters > 0 && vfilters_list[0]) ? vfilters_list[0] : "";
    free_vfilters();

    // A start while another owner's stream plays replaces it: that owner is
    // told through its stop handler, so it does not stay "playing". The play
    // flag its handler clears belongs to this start.
    if (cur_stream) {
        QWidget* previous = current_owner();
        if (previous && previous != (playerOwner ? playerOwner : editorOwner)) {
            const int wanted = *play_window_flag;
            if (g_pSDLWidget && g_pSDLWidget != host)
                g_pSDLWidget->hide();
            call_stop_handler(previous);
            *play_window_flag = wanted;
        }
        JxPlayerStop();
    }

    g_pSDLWidget = host;
    g_pPlayerWidget = playerOwner;
    g_pEditorMainWindow = editorOwner;
    avdevice_register_all();
    avformat_network_init();

    if (!std::getenv("SDL_AUDIO_ALSA_SET_BUFFER_SIZE"))
        setenv("SDL_AUDIO_ALSA_SET_BUFFER_SIZE", "1", 1);

    if (!is_SDL_init) {
        // SIGINT and SIGTERM stay with the application.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER)) {
            av_log(nullptr, AV_LOG_FATAL, "Could not initialize SDL - %s\n", SDL_GetError());
            av_log(nullptr, AV_LOG_FATAL, "(Did you set the DISPLAY variable?)\n");
            avformat_network_deinit();
            stop_through_owner(0);
            return 0;
        }
        // Without a sound device the preview still plays its pictures.
        if (SDL_InitSubSystem(SDL_INIT_AUDIO))
            av_log(nullptr, AV_LOG_WARNING, "Could not initialize SDL audio - %s\n", SDL_GetError());
        is_SDL_init = 1;
    }
    SDL_EventState(SDL_SYSWMEVENT, SDL_IGNORE);
    SDL_EventState(SDL_USEREVENT, SDL_IGNORE);

    if (!flush_pkt) {
        flush_pkt = av_packet_alloc();
        if (flush_pkt)
            flush_pkt->data = reinterpret_cast<uint8_t*>(flush_pkt);
    }

    if (flush_pkt)
        pSDLwindow = create_player_window(host, width, height);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    if (pSDLwindow) {
        if (host)
            qDebug() << "player host" << host->geometry() << "at" << host->mapToGlobal(QPoint(0, 0));
        screen_width = width;
        screen_height = height;
        if (width > 0 && height > 0) {
            // The host's own window is sized through Qt, so Qt's geometry and
            // the window agree; SDL is then told the same size.
            if (g_native_window && host)
                host->resize(width, height);
            SDL_SetWindowSize(pSDLwindow, width, height);
        }
        pSDLrenderer = create_player_renderer(pSDLwindow);
    }
    if (!pSDLwindow || !pSDLrenderer || renderer_texture_formats().empty()) {
        av_log(nullptr, AV_LOG_FATAL, "Failed to create window or renderer: %s", SDL_GetError());
        destroy_window_and_renderer();
        avformat_network_deinit();
        SDL_Quit();
        is_SDL_init = 0;
        stop_through_owner(0);
        return 0;
    }

    if (!JxPlayer_video_state_mutex)
        JxPlayer_video_state_mutex = SDL_CreateMutex();

    VideoState* is = JxPlayer_video_state_mutex ? stream_open(fileName, vfilter) : nullptr;
    if (is) {
        is->generation = ++g_generation;
        if (g_generation == INT32_MAX)
            g_generation = 0;
        is->read_tid = SDL_CreateThread(read_thread, "read_thread", is);
        if (!is->read_tid) {
            av_log(nullptr, AV_LOG_FATAL, "SDL_CreateThread(): %s\n", SDL_GetError());
            stream_close(is);
            is = nullptr;
        }
    }
    if (!is) {
        destroy_window_and_renderer();
        stop_through_owner(0);
        return 0;
    }
    {
        StateLock lock;
        cur_stream = is;
    }
    watch_host(host);
    if (!*play_window_flag)
        return 0;
    event_loop(is->generation);
    return 0;
}

int JxPlayerPause()
{
    StateLock lock;
    if (!cur_stream)
        return -1;
    stream_toggle_pause(cur_stream);
    cur_stream->step = 0;
    return 0;
}

int JxPlayerStop()
{
    StateLock lock;
    if (!cur_stream)
        return 0;
    stream_close(cur_stream);
    cur_stream = nullptr;
    destroy_window_and_renderer();
    free_vfilters();
    // What the stream's threads freed goes back to the system (the allocator
    // is set up for this at the program's start, see AllocatorSettings.h).
    malloc_trim(0);
    return 0;
}

int64_t JxPlayerGetPosition()
{
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is || !is->file_open)
        return 0;
    const double clock = get_master_clock(is);
    if (std::isnan(clock))
        return 0;
    int64_t pos = static_cast<int64_t>(clock * 1000000.0);
    const int64_t start = is->start_time_us;
    if (start != AV_NOPTS_VALUE)
        pos -= start;
    const int64_t duration = is->duration_us;
    if (duration != AV_NOPTS_VALUE && duration > 0)
        pos = FFMIN(pos, duration);
    return FFMAX(pos, 0);
}

int JxPlayerSetPosition(double seconds)
{
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is)
        return -1;
    if (!std::isfinite(seconds))
        return 0;
    if (!is->seek_req) {
        // The position and the seek share one timeline: the file's own start
        // (MPEG-TS and MPEG-PS files rarely start at 0) is added back here.
        const double master = get_master_clock(is);
        const int64_t start = is->file_open && is->start_time_us != AV_NOPTS_VALUE ? is->start_time_us.load() : 0;
        const double clamped = FFMAX(-9.0e12, FFMIN(9.0e12, seconds));
        const int64_t target = static_cast<int64_t>(clamped * 1000000.0) + start;
        int64_t rel = 0;
        if (!std::isnan(master))
            rel = static_cast<int64_t>(std::trunc(clamped - (master - start / 1000000.0))) * 1000000;
        is->seek_pos = target;
        is->seek_rel = rel;
        is->seek_flags &= ~AVSEEK_FLAG_BYTE;
        is->seek_req = 1;
        SDL_CondSignal(is->continue_read_thread);
    }
    return 0;
}

int64_t JxPlayerGetDuration()
{
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is || !is->file_open)
        return 0;
    const int64_t duration = is->duration_us;
    return duration == AV_NOPTS_VALUE ? 0 : duration;
}

int JxPlayerResize(int x, int y, int width, int height)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is)
        return 0;
    width = FFMAX(1, FFMIN(width, 16384));
    height = FFMAX(1, FFMIN(height, 16384));
    if (g_pSDLWidget)
        g_pSDLWidget->setFixedSize(width, height);
    screen_width = width;
    screen_height = height;
    if (pSDLwindow) {
        SDL_SetWindowSize(pSDLwindow, width, height);
        // The textures belong to the old renderer and go with it.
        if (pSDLrenderer)
            SDL_DestroyRenderer(pSDLrenderer);
        forget_textures(is);
        pSDLrenderer = create_player_renderer(pSDLwindow);
    }
    is->width = width;
    is->height = height;
    return 0;
}

int JxPlayerGetPlayState()
{
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is)
        return 4;
    if (is->abort_request)
        return 3;
    return is->paused ? 2 : 1;
}

int JxPlayerGetVolume()
{
    StateLock lock;
    return cur_stream ? cur_stream->audio_volume.load() : -1;
}

int JxPlayerSetVolume(int volume)
{
    StateLock lock;
    if (!cur_stream)
        return -1;
    const int kept = av_clip(volume, 0, SDL_MIX_MAXVOLUME);
    cur_stream->audio_volume = kept;
    return kept;
}

int JxPlayerAddVfilter(const char* filterText)
{
    char* copy = av_strdup(filterText);
    if (!copy)
        return AVERROR(ENOMEM);
    int count = nb_vfilters;
    void* grown = grow_array(vfilters_list, sizeof(*vfilters_list), &count, nb_vfilters + 1);
    if (!grown) {
        av_free(copy);
        return AVERROR(ENOMEM);
    }
    vfilters_list = static_cast<char**>(grown);
    vfilters_list[nb_vfilters] = copy;
    nb_vfilters = count;
    return 0;
}

int JxPlayerGetPicture(QImage* out, int width, int height)
{
    if (!out || width <= 0 || height <= 0 || width > 16384 || height > 16384)
        return 0;
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is)
        return 0;
    AVFrame* picture = av_frame_alloc();
    if (!picture)
        return 0;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        if (is->held_picture->data[0])
            av_frame_ref(picture, is->held_picture);
    }
    if (picture->data[0] && picture->width > 0 && picture->height > 0) {
        // Turned as the player shows it, before the layers of its graph: the
        // picture is scaled to the size that the turn makes width x height.
        const uint8_t* matrix = is->video_st
            ? av_stream_get_side_data(is->video_st, AV_PKT_DATA_DISPLAYMATRIX, nullptr)
            : nullptr;
        const PictureTurn turn = PictureTurn::FromMatrix(reinterpret_cast<const int32_t*>(matrix));
        const int w = turn.Swaps() ? height : width;
        const int h = turn.Swaps() ? width : height;
        QImage image(w, h, QImage::Format_RGB32);
        if (!image.isNull() && ScaleFrameToImage(picture, w, h, &image))
            *out = turn.Apply(image);
    }
    av_frame_free(&picture);
    return 0;
}

bool JxPlayerGetStats(JxPlayerStats* stats)
{
    StateLock lock;
    VideoState* is = cur_stream;
    if (!is || !stats)
        return false;
    stats->frames_shown = is->frames_shown;
    stats->drops_early = is->frame_drops_early;
    stats->drops_late = is->frame_drops_late;
    stats->av_diff = (is->audio_st && is->video_st) ? get_clock(&is->audclk) - get_clock(&is->vidclk) : NAN;
    stats->show_mode = is->show_mode;
    stats->native_window = g_native_window;
    stats->gl_window = pSDLwindow && (SDL_GetWindowFlags(pSDLwindow) & SDL_WINDOW_OPENGL);
    stats->shown_serial = is->shown_serial;
    stats->shown_serial_time = is->shown_serial_time;
    stats->shown_pts = is->shown_pts;
    SyncClock* master = master_clock(is);
    const int64_t start = is->file_open ? is->start_time_us.load() : AV_NOPTS_VALUE;
    stats->clock_kept = clock_pts(master) - (start == AV_NOPTS_VALUE ? 0 : start / 1000000.0);
    stats->clock_set_at = clock_last_updated(master);
    if (is->audio_st && is->audio_tgt.bytes_per_sec > 0)
        stats->sound_buffer_us = int64_t(1000000) * is->audio_hw_buf_size / is->audio_tgt.bytes_per_sec;
    return true;
}

bool JxPlayerReadScreen(QImage* out)
{
    StateLock lock;
    if (!out || !pSDLrenderer)
        return false;
    int w = 0;
    int h = 0;
    if (SDL_GetRendererOutputSize(pSDLrenderer, &w, &h) || w <= 0 || h <= 0)
        return false;
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()
        || SDL_RenderReadPixels(pSDLrenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, image.bits(),
                                static_cast<int>(image.bytesPerLine())))
        return false;
    *out = image;
    return true;
}
