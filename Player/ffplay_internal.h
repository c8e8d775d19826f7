#pragma once
// Internal state of the preview player, shared by its source files: the
// process-wide globals, the stream state VideoState, the queues, the clocks
// and the functions one part of the engine calls in another.
//
// Threads: the GUI thread (API, display loop), the read thread, one decoder
// thread per stream kind and SDL's audio thread. Every field that more than
// one of them touches is atomic or guarded by a named mutex.
#include <atomic>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include <QPointer>
#include <QWidget>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/avfft.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <SDL.h>

class MediaInput;

constexpr int MAX_QUEUE_SIZE = 15 * 1024 * 1024;
constexpr int MIN_FRAMES = 25;
constexpr int EXTERNAL_CLOCK_MIN_FRAMES = 2;
constexpr int EXTERNAL_CLOCK_MAX_FRAMES = 10;
constexpr int SDL_AUDIO_MIN_BUFFER_SIZE = 512;
constexpr int SDL_AUDIO_MAX_CALLBACKS_PER_SEC = 30;
constexpr double AV_SYNC_THRESHOLD_MIN = 0.04;
constexpr double AV_SYNC_THRESHOLD_MAX = 0.1;
constexpr double AV_SYNC_FRAMEDUP_THRESHOLD = 0.1;
constexpr double AV_NOSYNC_THRESHOLD = 10.0;
constexpr double EXTERNAL_CLOCK_SPEED_MIN = 0.900;
constexpr double EXTERNAL_CLOCK_SPEED_MAX = 1.010;
constexpr double EXTERNAL_CLOCK_SPEED_STEP = 0.001;
constexpr int AUDIO_DIFF_AVG_NB = 20;
constexpr double REFRESH_RATE = 0.01;
constexpr int SAMPLE_ARRAY_SIZE = 8 * 65536;
constexpr int VIDEO_PICTURE_QUEUE_SIZE = 3;
constexpr int SUBPICTURE_QUEUE_SIZE = 16;
constexpr int SAMPLE_QUEUE_SIZE = 9;
constexpr int FRAME_QUEUE_SIZE = 16;
constexpr int PACKET_NODE_OVERHEAD = 104;  // counted per queued packet against the queue limit
// Quit event of the player: data1 = the stream, code = the stream's generation.
constexpr Uint32 FF_QUIT_EVENT = SDL_USEREVENT + 2;

enum { AV_SYNC_AUDIO_MASTER, AV_SYNC_VIDEO_MASTER, AV_SYNC_EXTERNAL_CLOCK };
enum ShowMode { SHOW_MODE_NONE = -1, SHOW_MODE_VIDEO = 0, SHOW_MODE_WAVES, SHOW_MODE_RDFT };

struct PacketNode {
    AVPacket* pkt;
    PacketNode* next;
    int serial;
};

struct PacketQueue {
    PacketNode* first_pkt;
    PacketNode* last_pkt;
    // Written under the mutex; read without it by the read thread's limits.
    std::atomic<int> nb_packets;
    std::atomic<int> size;
    std::atomic<int64_t> duration;
    std::atomic<int> abort_request;
    std::atomic<int> serial;
    SDL_mutex* mutex;
    SDL_cond* cond;
};

struct QueuedFrame {
    AVFrame* frame;
    AVSubtitle sub;
    int serial;
    double pts;       // seconds, NaN when unknown
    double duration;  // seconds
    int64_t pos;
    int width;
    int height;
    int format;
    AVRational sar;
    int uploaded;
    int flip_v;
};

struct FrameQueue {
    QueuedFrame queue[FRAME_QUEUE_SIZE];
    int rindex;  // consumer only
    int windex;  // producer only
    std::atomic<int> size;
    int max_size;
    int keep_last;
    std::atomic<int> rindex_shown;
    SDL_mutex* mutex;
    SDL_cond* cond;
    PacketQueue* pktq;
};

struct SyncClock {
    std::mutex lock;
    double pts;
    double pts_drift;
    double last_updated;
    double speed;
    int serial;
    int paused;
    std::atomic<int>* queue_serial;
};

struct AudioParams {
    int freq;
    AVChannelLayout ch_layout;
    AVSampleFormat fmt;
    int frame_size;
    int bytes_per_sec;
};

struct Decoder {
    AVPacket* pkt;
    PacketQueue* queue;
    AVCodecContext* avctx;
    std::atomic<int> pkt_serial;
    std::atomic<int> finished;
    int packet_pending;
    SDL_cond* empty_queue_cond;
    int64_t start_pts;
    AVRational start_pts_tb;
    int64_t next_pts;
    AVRational next_pts_tb;
    SDL_Thread* decoder_tid;
};

struct VideoState {
    SDL_Thread* read_tid;
    std::atomic<int> abort_request;
    std::atomic<int> force_refresh;
    std::atomic<int> paused;
    int last_paused;  // read thread
    std::atomic<int> queue_attachments_req;
    std::atomic<int> seek_req;
    int seek_flags;
    int64_t seek_pos;  // µs on the container's timeline
    int64_t seek_rel;
    std::atomic<int> read_pause_return;
    AVFormatContext* ic;  // read thread until closed
    MediaInput* input;    // owns ic and the file it reads
    // Published by the read thread once the file is open (µs; AV_NOPTS_VALUE unknown).
    std::atomic<int> file_open;
    std::atomic<int64_t> start_time_us;
    std::atomic<int64_t> duration_us;
    std::atomic<int> realtime;

    SyncClock audclk;
    SyncClock vidclk;
    SyncClock extclk;

    FrameQueue pictq;
    FrameQueue subpq;
    FrameQueue sampq;

    Decoder auddec;
    Decoder viddec;
    Decoder subdec;

    std::atomic<int> audio_stream;
    int av_sync_type;

    // Audio callback thread only.
    double audio_clock;
    int audio_clock_serial;
    double audio_diff_cum;
    double audio_diff_avg_coef;
    double audio_diff_threshold;
    int audio_diff_avg_count;
    std::atomic<AVStream*> audio_st;
    PacketQueue audioq;
    int audio_hw_buf_size;
    uint8_t* audio_buf;
    uint8_t* audio_buf1;
    unsigned int audio_buf_size;
    unsigned int audio_buf1_size;
    int audio_buf_index;
    std::atomic<int> audio_write_buf_size;
    std::atomic<int> audio_volume;
    std::atomic<int> muted;
    AudioParams audio_src;
    AudioParams audio_filter_src;
    AudioParams audio_tgt;
    SwrContext* swr_ctx;
    std::atomic<int> frame_drops_early;
    std::atomic<int> frame_drops_late;
    std::atomic<int> frames_shown;
    // Serial of the picture on screen and when the first picture of that
    // serial was drawn (µs, monotonic): tells how long a seek took to show.
    std::atomic<int> shown_serial;
    std::atomic<int64_t> shown_serial_time;
    std::atomic<double> shown_pts;  // seconds, the file's own timeline (start time removed)

    std::atomic<int> show_mode;
    std::mutex sample_lock;  // the audio view's ring, written by the callback
    int16_t sample_array[SAMPLE_ARRAY_SIZE];
    int sample_array_index;
    int last_i_start;
    RDFTContext* rdft;
    int rdft_bits;
    FFTSample* rdft_data;
    int xpos;
    double last_vis_time;
    SDL_Texture* vis_texture;
    SDL_Texture* sub_texture;
    SDL_Texture* vid_texture;

    std::atomic<int> subtitle_stream;
    std::atomic<AVStream*> subtitle_st;
    PacketQueue subtitleq;

    double frame_timer;  // GUI thread
    double frame_last_returned_time;
    std::atomic<double> frame_last_filter_delay;
    std::atomic<int> video_stream;
    std::atomic<AVStream*> video_st;
    PacketQueue videoq;
    std::atomic<double> max_frame_duration;
    SwsContext* img_convert_ctx;
    SwsContext* sub_convert_ctx;
    int eof;

    char* filename;
    int width, height, xleft, ytop;
    std::atomic<int> step;
    std::atomic<int> step_req;  // a seek while paused asks the GUI thread to show one picture

    std::string vfilter;  // copy of the filter text of this start
    AVFilterContext* in_video_filter;
    AVFilterContext* out_video_filter;
    AVFilterContext* in_audio_filter;
    AVFilterContext* out_audio_filter;
    AVFilterGraph* agraph;

    std::atomic<double> seek_target_sec;
    std::atomic<int> seek_skip_audio;
    std::atomic<int> seek_skip_video;
    std::atomic<int> seek_skip_subtitle;

    SDL_cond* continue_read_thread;

    // The last decoded picture, for picture grabs (guarded by g_lock).
    AVFrame* held_picture;
    int generation;  // tells this stream's quit events from older ones
};

// ---- process-wide state ----
extern VideoState* cur_stream;
extern SDL_mutex* JxPlayer_video_state_mutex;
extern std::mutex g_lock;
extern QPointer<QWidget> g_pSDLWidget;
extern QPointer<QWidget> g_pPlayerWidget;
extern QPointer<QWidget> g_pEditorMainWindow;
extern int is_SDL_init;
extern SDL_Window* pSDLwindow;
extern SDL_Renderer* pSDLrenderer;
extern bool g_native_window;
extern std::atomic<int> screen_width;
extern std::atomic<int> screen_height;
extern std::atomic<int> default_width;
extern std::atomic<int> default_height;
extern AVPacket* flush_pkt;
extern bool cursor_hidden;
extern std::atomic<char*> window_title;
extern int startup_volume;
extern double rdftspeed;
extern std::atomic<int> seek_by_bytes;
extern std::atomic<bool> infinite_buffer;
extern std::atomic<SDL_AudioDeviceID> audio_dev;
extern std::atomic<int64_t> audio_callback_time;
extern AVDictionary* format_opts;
extern AVDictionary* codec_opts;
extern AVDictionary* sws_dict;
extern AVDictionary* swr_opts;

// Texture formats of the current renderer, read by the video thread when it
// builds its graph while the GUI thread may re-create the renderer.
std::vector<Uint32> renderer_texture_formats();
void set_renderer_texture_formats(const SDL_RendererInfo& info);

// ---- helpers ----
std::string av_error_text(int errnum);
void push_quit_event(VideoState* is);
inline bool is_flush_packet(const AVPacket* pkt) { return pkt->data && pkt->data == flush_pkt->data; }

// ---- queues (ffplay_queue.cpp) ----
int packet_queue_init(PacketQueue* q);
int packet_queue_put(PacketQueue* q, AVPacket* pkt);
int packet_queue_put_flush(PacketQueue* q);
int packet_queue_put_nullpacket(PacketQueue* q, AVPacket* pkt, int stream_index);
int packet_queue_get(PacketQueue* q, AVPacket* pkt, int block, int* serial);
void packet_queue_flush(PacketQueue* q);
void packet_queue_abort(PacketQueue* q);
void packet_queue_destroy(PacketQueue* q);
int frame_queue_init(FrameQueue* f, PacketQueue* pktq, int max_size, int keep_last);
void frame_queue_destroy(FrameQueue* f);
void frame_queue_signal(FrameQueue* f);
QueuedFrame* frame_queue_peek(FrameQueue* f);
QueuedFrame* frame_queue_peek_next(FrameQueue* f);
QueuedFrame* frame_queue_peek_last(FrameQueue* f);
QueuedFrame* frame_queue_peek_writable(FrameQueue* f);
QueuedFrame* frame_queue_peek_readable(FrameQueue* f);
void frame_queue_push(FrameQueue* f);
void frame_queue_next(FrameQueue* f);
int frame_queue_nb_remaining(FrameQueue* f);
int decoder_init(Decoder* d, AVCodecContext* avctx, PacketQueue* queue, SDL_cond* empty_queue_cond);
int decoder_start(Decoder* d, int (*fn)(void*), const char* thread_name, void* arg);
void decoder_abort(Decoder* d, FrameQueue* fq);
void decoder_destroy(Decoder* d);

// ---- clocks and audio (ffplay_audio.cpp) ----
double get_clock(SyncClock* c);
void set_clock_at(SyncClock* c, double pts, int serial, double time);
void set_clock(SyncClock* c, double pts, int serial);
void set_clock_speed(SyncClock* c, double speed);
void init_clock(SyncClock* c, std::atomic<int>* queue_serial);
void sync_clock_to_slave(SyncClock* c, SyncClock* slave);
int clock_serial(SyncClock* c);
double clock_last_updated(SyncClock* c);
double clock_pts(SyncClock* c);
int get_master_sync_type(VideoState* is);
SyncClock* master_clock(VideoState* is);
double get_master_clock(VideoState* is);
void check_external_clock_speed(VideoState* is);
void stream_toggle_pause(VideoState* is);
double compute_target_delay(double delay, VideoState* is);
int audio_open(VideoState* is, const AVChannelLayout* wanted_layout, int wanted_sample_rate,
               AudioParams* audio_hw_params);
void sdl_audio_callback(void* opaque, Uint8* stream, int len);

// ---- decoders and filters (ffplay_decode.cpp) ----
int decoder_decode_frame(Decoder* d, AVFrame* frame, AVSubtitle* sub);
int get_video_frame(VideoState* is, AVFrame* frame);
int configure_audio_filters(VideoState* is, int force_output_format);
int audio_thread(void* arg);
int video_thread(void* arg);
int subtitle_thread(void* arg);

// ---- display (ffplay_display.cpp) ----
struct TextureFormatEntry {
    AVPixelFormat format;
    Uint32 texture_fmt;
};
extern const TextureFormatEntry sdl_texture_format_map[];
void video_refresh(void* opaque, double* remaining_time);
void video_display(VideoState* is);
int realloc_texture(SDL_Texture** texture, Uint32 new_format, int new_width, int new_height,
                    SDL_BlendMode blendmode, int init_texture);
void set_default_window_size(int width, int height, AVRational sar);
void calculate_display_rect(SDL_Rect* rect, int scr_xleft, int scr_ytop, int scr_width, int scr_height,
                            int pic_width, int pic_height, AVRational pic_sar);
// Forgets every texture of the stream (after the renderer was re-created).
void forget_textures(VideoState* is);

// ---- read thread and stream opening (ffplay_read.cpp) ----
int decode_interrupt_cb(void* ctx);
int read_thread(void* arg);
int stream_component_open(VideoState* is, int stream_index);
void stream_component_close(VideoState* is, int stream_index);
void stream_close(VideoState* is);
VideoState* stream_open(const char* filename, const std::string& vfilter);

// ---- player window (ffplay_window.cpp) ----
// Creates the drawing surface: the host's own X11 window when Qt and SDL both
// run on X11, else a hidden SDL window. Sets g_native_window.
SDL_Window* create_player_window(QWidget* host, int width, int height);
SDL_Renderer* create_player_renderer(SDL_Window* window);
// Watches the host of the playing stream (one at a time): Qt's repaints and
// exposes ask for the last picture again; the end of its native window, or of
// the widget, calls player_host_lost(). unwatch_host() is safe from inside the
// watcher's own calls.
void watch_host(QWidget* host);
void unwatch_host();
// The host's window is going away: releases the renderer at once and ends the
// stream from the display loop through its owner (ffplay.cpp).
void player_host_lost();
// Shows the host through Qt when the first picture is drawn (ffplay.cpp).
void show_host();

// The callers' play flag, g_nPlayWindow: the program's own, handed to the
// module when it is loaded (PlayerModule.cpp), or the one beside the engine
// when it is linked in directly (ffplay_direct.cpp).
extern int* play_window_flag;

// Statistics for the benchmark and tests.
struct JxPlayerStats {
    int frames_shown = 0;
    int drops_early = 0;
    int drops_late = 0;
    double av_diff = 0;  // audio clock - video clock, seconds (NaN when unknown)
    int show_mode = -1;
    bool native_window = false;
    bool gl_window = false;  // SDL made the player window an OpenGL one (the GL driver is loaded)
    int shown_serial = 0;
    int64_t shown_serial_time = 0;  // av_gettime_relative() clock
    double shown_pts = 0;           // the picture on screen, seconds from the file's start
    // The master clock as the player keeps it: its last setting (seconds on
    // the position's timeline, NaN when unset) and when it was made (seconds,
    // av_gettime_relative() clock); the position runs on from there.
    double clock_kept = NAN;
    double clock_set_at = 0;
    int64_t sound_buffer_us = 0;  // one buffer of the sound device, 0 without sound
};
bool JxPlayerGetStats(JxPlayerStats* stats);
// Reads the player window's last presented picture (tests only; GUI thread).
bool JxPlayerReadScreen(class QImage* out);
