// The read thread: opens the file, chooses and opens the streams, carries out
// seeks and keeps the packet queues filled; and the stream state's teardown.
#include "ffplay_internal.h"
#include "cmdutils.h"

#include "MediaInput.h"

#include <cmath>
#include <cstring>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavutil/avstring.h>
#include <libavutil/opt.h>
#include <libavutil/time.h>
}

int decode_interrupt_cb(void* ctx)
{
    auto* is = static_cast<VideoState*>(ctx);
    return is->abort_request;
}

static int stream_has_enough_packets(AVStream* st, int stream_id, PacketQueue* queue)
{
    return stream_id < 0 || !st || queue->abort_request || (st->disposition & AV_DISPOSITION_ATTACHED_PIC)
        || (queue->nb_packets > MIN_FRAMES
            && (!queue->duration || av_q2d(st->time_base) * queue->duration > 1.0));
}

static int is_realtime(AVFormatContext* s)
{
    if (!std::strcmp(s->iformat->name, "rtp") || !std::strcmp(s->iformat->name, "rtsp")
        || !std::strcmp(s->iformat->name, "sdp"))
        return 1;
    if (s->pb && s->url && (!std::strncmp(s->url, "rtp:", 4) || !std::strncmp(s->url, "udp:", 4)))
        return 1;
    return 0;
}

int stream_component_open(VideoState* is, int stream_index)
{
    AVFormatContext* ic = is->ic;
    AVDictionary* opts = nullptr;
    const AVDictionaryEntry* t = nullptr;
    AVChannelLayout ch_layout{};
    int sample_rate;
    int ret = 0;

    if (stream_index < 0 || stream_index >= static_cast<int>(ic->nb_streams))
        return -1;

    AVCodecContext* avctx = avcodec_alloc_context3(nullptr);
    if (!avctx)
        return AVERROR(ENOMEM);

    ret = avcodec_parameters_to_context(avctx, ic->streams[stream_index]->codecpar);
    if (ret < 0)
        goto fail;
    avctx->pkt_timebase = ic->streams[stream_index]->time_base;

    {
        const AVCodec* codec = avcodec_find_decoder(avctx->codec_id);
        if (!codec) {
            av_log(nullptr, AV_LOG_WARNING, "No decoder could be found for codec %s\n",
                   avcodec_get_name(avctx->codec_id));
            ret = AVERROR(EINVAL);
            goto fail;
        }
        avctx->codec_id = codec->id;
        avctx->lowres = 0;

        opts = filter_codec_opts(codec_opts, avctx->codec_id, ic, ic->streams[stream_index], codec);
        if (!av_dict_get(opts, "threads", nullptr, 0))
            av_dict_set(&opts, "threads", "auto", 0);
        // No "refcounted_frames": the option is gone and would make the open fail.
        if ((ret = avcodec_open2(avctx, codec, &opts)) < 0)
            goto fail;
        if ((t = av_dict_get(opts, "", nullptr, AV_DICT_IGNORE_SUFFIX))) {
            av_log(nullptr, AV_LOG_ERROR, "Option %s not found.\n", t->key);
            ret = AVERROR_OPTION_NOT_FOUND;
            goto fail;
        }
    }

    is->eof = 0;
    ic->streams[stream_index]->discard = AVDISCARD_DEFAULT;
    switch (avctx->codec_type) {
    case AVMEDIA_TYPE_AUDIO: {
        is->audio_filter_src.freq = avctx->sample_rate;
        av_channel_layout_uninit(&is->audio_filter_src.ch_layout);
        ret = av_channel_layout_copy(&is->audio_filter_src.ch_layout, &avctx->ch_layout);
        if (ret < 0)
            goto fail;
        is->audio_filter_src.fmt = avctx->sample_fmt;
        if ((ret = configure_audio_filters(is, 0)) < 0)
            goto fail;
        AVFilterContext* sink = is->out_audio_filter;
        sample_rate = av_buffersink_get_sample_rate(sink);
        ret = av_buffersink_get_ch_layout(sink, &ch_layout);
        if (ret < 0)
            goto fail;

        if ((ret = audio_open(is, &ch_layout, sample_rate, &is->audio_tgt)) < 0)
            goto fail;
        is->audio_hw_buf_size = ret;
        is->audio_src.freq = is->audio_tgt.freq;
        is->audio_src.fmt = is->audio_tgt.fmt;
        is->audio_src.frame_size = is->audio_tgt.frame_size;
        is->audio_src.bytes_per_sec = is->audio_tgt.bytes_per_sec;
        av_channel_layout_uninit(&is->audio_src.ch_layout);
        av_channel_layout_copy(&is->audio_src.ch_layout, &is->audio_tgt.ch_layout);
        is->audio_buf_size = 0;
        is->audio_buf_index = 0;
        is->audio_diff_avg_coef = std::exp(std::log(0.01) / AUDIO_DIFF_AVG_NB);
        is->audio_diff_avg_count = 0;
        is->audio_diff_threshold = static_cast<double>(is->audio_hw_buf_size) / is->audio_tgt.bytes_per_sec;

        is->audio_stream = stream_index;
        is->audio_st = ic->streams[stream_index];

        if ((ret = decoder_init(&is->auddec, avctx, &is->audioq, is->continue_read_thread)) < 0)
            goto fail;
        avctx = nullptr;  // owned by the decoder now
        if ((is->ic->iformat->flags & (AVFMT_NOBINSEARCH | AVFMT_NOGENSEARCH | AVFMT_NO_BYTE_SEEK))
            && !is->ic->iformat->read_seek) {
            is->auddec.start_pts = is->audio_st.load()->start_time;
            is->auddec.start_pts_tb = is->audio_st.load()->time_base;
        }
        if ((ret = decoder_start(&is->auddec, audio_thread, "audio_decoder", is)) < 0)
            goto out;
        SDL_PauseAudioDevice(audio_dev, 0);
        break;
    }
    case AVMEDIA_TYPE_VIDEO:
        is->video_stream = stream_index;
        is->video_st = ic->streams[stream_index];
        if ((ret = decoder_init(&is->viddec, avctx, &is->videoq, is->continue_read_thread)) < 0)
            goto fail;
        avctx = nullptr;
        if ((ret = decoder_start(&is->viddec, video_thread, "video_decoder", is)) < 0)
            goto out;
        is->queue_attachments_req = 1;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        is->subtitle_stream = stream_index;
        is->subtitle_st = ic->streams[stream_index];
        if ((ret = decoder_init(&is->subdec, avctx, &is->subtitleq, is->continue_read_thread)) < 0)
            goto fail;
        avctx = nullptr;
        if ((ret = decoder_start(&is->subdec, subtitle_thread, "subtitle_decoder", is)) < 0)
            goto out;
        break;
    default:
        break;
    }
    goto out;

fail:
    avcodec_free_context(&avctx);
out:
    av_channel_layout_uninit(&ch_layout);
    av_dict_free(&opts);
    return ret;
}

void stream_component_close(VideoState* is, int stream_index)
{
    AVFormatContext* ic = is->ic;
    if (stream_index < 0 || stream_index >= static_cast<int>(ic->nb_streams))
        return;
    AVCodecParameters* codecpar = ic->streams[stream_index]->codecpar;

    switch (codecpar->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        decoder_abort(&is->auddec, &is->sampq);
        if (audio_dev) {
            SDL_CloseAudioDevice(audio_dev);
            audio_dev = 0;
        }
        decoder_destroy(&is->auddec);
        swr_free(&is->swr_ctx);
        av_freep(&is->audio_buf1);
        is->audio_buf1_size = 0;
        is->audio_buf = nullptr;
        if (is->rdft) {
            av_rdft_end(is->rdft);
            is->rdft = nullptr;
            is->rdft_bits = 0;
        }
        av_freep(&is->rdft_data);
        break;
    case AVMEDIA_TYPE_VIDEO:
        decoder_abort(&is->viddec, &is->pictq);
        decoder_destroy(&is->viddec);
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        decoder_abort(&is->subdec, &is->subpq);
        decoder_destroy(&is->subdec);
        break;
    default:
        break;
    }

    ic->streams[stream_index]->discard = AVDISCARD_ALL;
    switch (codecpar->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        is->audio_st = nullptr;
        is->audio_stream = -1;
        break;
    case AVMEDIA_TYPE_VIDEO:
        is->video_st = nullptr;
        is->video_stream = -1;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        is->subtitle_st = nullptr;
        is->subtitle_stream = -1;
        break;
    default:
        break;
    }
}

// Waits up to 10 ms for the decoders to ask for more, or for a seek.
static void wait_for_more(VideoState* is, SDL_mutex* wait_mutex)
{
    SDL_LockMutex(wait_mutex);
    SDL_CondWaitTimeout(is->continue_read_thread, wait_mutex, 10);
    SDL_UnlockMutex(wait_mutex);
}

int read_thread(void* arg)
{
    auto* is = static_cast<VideoState*>(arg);
    AVFormatContext* ic = nullptr;
    int err, ret;
    int st_index[AVMEDIA_TYPE_NB];
    AVPacket* pkt = nullptr;
    SDL_mutex* wait_mutex = SDL_CreateMutex();
    int scan_all_pmts_set = 0;
    int read_errors = 0;
    const AVDictionaryEntry* t;

    if (!wait_mutex) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateMutex(): %s\n", SDL_GetError());
        ret = AVERROR(ENOMEM);
        goto fail;
    }

    std::memset(st_index, -1, sizeof(st_index));
    is->eof = 0;

    pkt = av_packet_alloc();
    if (!pkt) {
        av_log(nullptr, AV_LOG_FATAL, "Could not allocate packet.\n");
        ret = AVERROR(ENOMEM);
        goto fail;
    }
    if (!av_dict_get(format_opts, "scan_all_pmts", nullptr, AV_DICT_MATCH_CASE)) {
        av_dict_set(&format_opts, "scan_all_pmts", "1", AV_DICT_DONT_OVERWRITE);
        scan_all_pmts_set = 1;
    }
    {
        // Open with a private copy so the process-wide dictionary stays empty.
        AVDictionary* open_opts = nullptr;
        av_dict_copy(&open_opts, format_opts, 0);
        if (scan_all_pmts_set)
            av_dict_set(&format_opts, "scan_all_pmts", nullptr, AV_DICT_MATCH_CASE);
        // A preview opens a regular file of a kind that reads that file
        // alone, once, and reads it through that descriptor: a pipe would
        // hold the open for ever, a script or playlist would open what it
        // names, and a name opened again could be another file by then.
        is->input = new (std::nothrow) MediaInput(is->filename, decode_interrupt_cb, is, &open_opts);
        if (!is->input || is->input->outcome() != MediaInput::Opened) {
            const MediaInput::Outcome outcome = is->input ? is->input->outcome() : MediaInput::Unreadable;
            if (outcome != MediaInput::Cancelled)
                av_log(nullptr, AV_LOG_ERROR, "%s: %s\n", is->filename,
                       outcome == MediaInput::Unreadable ? "cannot be read" : "not a media file of its own");
            av_dict_free(&open_opts);
            ret = -1;
            goto fail;
        }
        ic = is->input->get();
        if (scan_all_pmts_set)
            av_dict_set(&open_opts, "scan_all_pmts", nullptr, AV_DICT_MATCH_CASE);
        if ((t = av_dict_get(open_opts, "", nullptr, AV_DICT_IGNORE_SUFFIX))) {
            av_log(nullptr, AV_LOG_ERROR, "Option %s not found.\n", t->key);
            av_dict_free(&open_opts);
            ret = AVERROR_OPTION_NOT_FOUND;
            goto fail;
        }
        av_dict_free(&open_opts);
    }
    is->ic = ic;

    av_format_inject_global_side_data(ic);
    {
        AVDictionary** opts = setup_find_stream_info_opts(ic, codec_opts);
        const unsigned orig_nb_streams = ic->nb_streams;
        err = avformat_find_stream_info(ic, opts);
        if (opts) {
            for (unsigned i = 0; i < orig_nb_streams; i++)
                av_dict_free(&opts[i]);
            av_freep(&opts);
        }
        if (err < 0) {
            av_log(nullptr, AV_LOG_WARNING, "%s: could not find codec parameters\n", is->filename);
            ret = -1;
            goto fail;
        }
    }

    if (ic->pb)
        ic->pb->eof_reached = 0;
    if (seek_by_bytes < 0) {
        const int by_bytes = !!(ic->iformat->flags & AVFMT_TS_DISCONT) && std::strcmp("ogg", ic->iformat->name);
        int unset = -1;
        seek_by_bytes.compare_exchange_strong(unset, by_bytes);
    }
    is->max_frame_duration = (ic->iformat->flags & AVFMT_TS_DISCONT) ? 10.0 : 3600.0;
    is->start_time_us = ic->start_time;
    is->duration_us = ic->duration;
    is->file_open = 1;

    if (!window_title.load()) {
        if (const AVDictionaryEntry* title = av_dict_get(ic->metadata, "title", nullptr, 0)) {
            char* text = av_asprintf("%s - %s", title->value, "(null)");
            char* expected = nullptr;
            if (!window_title.compare_exchange_strong(expected, text))
                av_free(text);
        }
    }

    is->realtime = is_realtime(ic);
    av_dump_format(ic, 0, is->filename, 0);

    for (unsigned i = 0; i < ic->nb_streams; i++)
        ic->streams[i]->discard = AVDISCARD_ALL;

    st_index[AVMEDIA_TYPE_VIDEO] = av_find_best_stream(ic, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    st_index[AVMEDIA_TYPE_AUDIO] =
        av_find_best_stream(ic, AVMEDIA_TYPE_AUDIO, -1, st_index[AVMEDIA_TYPE_VIDEO], nullptr, 0);
    st_index[AVMEDIA_TYPE_SUBTITLE] = av_find_best_stream(
        ic, AVMEDIA_TYPE_SUBTITLE, -1,
        st_index[AVMEDIA_TYPE_AUDIO] >= 0 ? st_index[AVMEDIA_TYPE_AUDIO] : st_index[AVMEDIA_TYPE_VIDEO], nullptr, 0);

    is->show_mode = SHOW_MODE_NONE;
    if (st_index[AVMEDIA_TYPE_VIDEO] >= 0) {
        AVStream* st = ic->streams[st_index[AVMEDIA_TYPE_VIDEO]];
        AVCodecParameters* codecpar = st->codecpar;
        const AVRational sar = av_guess_sample_aspect_ratio(ic, st, nullptr);
        if (codecpar->width)
            set_default_window_size(codecpar->width, codecpar->height, sar);
    }

    if (st_index[AVMEDIA_TYPE_AUDIO] >= 0)
        stream_component_open(is, st_index[AVMEDIA_TYPE_AUDIO]);
    ret = -1;
    if (st_index[AVMEDIA_TYPE_VIDEO] >= 0)
        ret = stream_component_open(is, st_index[AVMEDIA_TYPE_VIDEO]);
    if (is->show_mode == SHOW_MODE_NONE)
        is->show_mode = ret >= 0 ? SHOW_MODE_VIDEO : SHOW_MODE_RDFT;
    if (st_index[AVMEDIA_TYPE_SUBTITLE] >= 0)
        stream_component_open(is, st_index[AVMEDIA_TYPE_SUBTITLE]);

    if (is->video_stream < 0 && is->audio_stream < 0) {
        av_log(nullptr, AV_LOG_FATAL, "Failed to open file '%s' or configure filtergraph\n", is->filename);
        ret = -1;
        goto fail;
    }
    if (is->realtime)
        infinite_buffer = true;

    for (;;) {
        if (is->abort_request)
            break;
        if (is->paused != is->last_paused) {
            is->last_paused = is->paused;
            if (is->paused)
                is->read_pause_return = av_read_pause(ic);
            else
                av_read_play(ic);
        }
        if (is->seek_req) {
            const int64_t seek_target = is->seek_pos;
            int64_t seek_min = is->seek_rel > 0 ? seek_target - is->seek_rel + 2 : INT64_MIN;
            const int64_t seek_max = is->seek_rel < 0 ? seek_target - is->seek_rel - 2 : INT64_MAX;
            int64_t demux_target = seek_target;
            // MPEG-TS and MPEG-PS seek to any packet, not to a key frame, so the
            // decoder would show nothing until the next key frame after the
            // target. Start a second earlier; the decoders skip to the target.
            if (!(is->seek_flags & AVSEEK_FLAG_BYTE) && (ic->iformat->flags & AVFMT_TS_DISCONT)
                && seek_target > INT64_MIN + AV_TIME_BASE) {
                demux_target = seek_target - AV_TIME_BASE;
                seek_min = FFMIN(seek_min, demux_target);
            }
            ret = avformat_seek_file(is->ic, -1, seek_min, demux_target, seek_max, is->seek_flags);
            if (ret < 0) {
                av_log(nullptr, AV_LOG_ERROR, "%s: error while seeking\n", is->ic->url);
            } else {
                if (is->audio_stream >= 0) {
                    packet_queue_flush(&is->audioq);
                    packet_queue_put_flush(&is->audioq);
                }
                if (is->subtitle_stream >= 0) {
                    packet_queue_flush(&is->subtitleq);
                    packet_queue_put_flush(&is->subtitleq);
                }
                if (is->video_stream >= 0) {
                    packet_queue_flush(&is->videoq);
                    packet_queue_put_flush(&is->videoq);
                }
                if (is->seek_flags & AVSEEK_FLAG_BYTE)
                    set_clock(&is->extclk, NAN, 0);
                else
                    set_clock(&is->extclk, seek_target / static_cast<double>(AV_TIME_BASE), 0);
            }
            is->seek_target_sec = seek_target / static_cast<double>(AV_TIME_BASE);
            is->seek_skip_audio = 1;
            is->seek_skip_video = 1;
            is->seek_skip_subtitle = 1;
            is->queue_attachments_req = 1;
            is->eof = 0;
            // A seek while paused shows one new picture: the GUI thread
            // unpauses for a single step when it sees this request.
            if (is->paused)
                is->step_req = 1;
            is->seek_req = 0;
        }
        if (is->queue_attachments_req) {
            AVStream* vst = is->video_st;
            if (vst && (vst->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
                if ((ret = av_packet_ref(pkt, &vst->attached_pic)) < 0)
                    goto fail;
                packet_queue_put(&is->videoq, pkt);
                packet_queue_put_nullpacket(&is->videoq, pkt, is->video_stream);
            }
            is->queue_attachments_req = 0;
        }

        if (!infinite_buffer
            && (is->audioq.size + is->videoq.size + is->subtitleq.size > MAX_QUEUE_SIZE
                || (stream_has_enough_packets(is->audio_st, is->audio_stream, &is->audioq)
                    && stream_has_enough_packets(is->video_st, is->video_stream, &is->videoq)
                    && stream_has_enough_packets(is->subtitle_st, is->subtitle_stream, &is->subtitleq)))) {
            wait_for_more(is, wait_mutex);
            continue;
        }
        if (!is->paused && !is->step_req
            && (!is->audio_st
                || (is->auddec.finished == is->audioq.serial && frame_queue_nb_remaining(&is->sampq) == 0))
            && (!is->video_st
                || (is->viddec.finished == is->videoq.serial && frame_queue_nb_remaining(&is->pictq) == 0))) {
            ret = AVERROR_EOF;  // played to the end: the quit event ends the playback
            goto fail;
        }
        ret = av_read_frame(ic, pkt);
        if (ret < 0) {
            if ((ret == AVERROR_EOF || avio_feof(ic->pb)) && !is->eof) {
                if (is->video_stream >= 0)
                    packet_queue_put_nullpacket(&is->videoq, pkt, is->video_stream);
                if (is->audio_stream >= 0)
                    packet_queue_put_nullpacket(&is->audioq, pkt, is->audio_stream);
                if (is->subtitle_stream >= 0)
                    packet_queue_put_nullpacket(&is->subtitleq, pkt, is->subtitle_stream);
                is->eof = 1;
            }
            if (ic->pb && ic->pb->error) {
                // A read error must end the playback, not leave it hanging.
                av_log(nullptr, AV_LOG_ERROR, "%s: read error: %s\n", is->filename,
                       av_error_text(ic->pb->error).c_str());
                ret = ic->pb->error;
                goto fail;
            }
            // Demuxers may fail a read now and then; one that keeps failing
            // (about half a second of retries) ends the playback.
            if (ret != AVERROR_EOF && ret != AVERROR(EAGAIN) && !avio_feof(ic->pb)) {
                if (++read_errors > 50) {
                    av_log(nullptr, AV_LOG_ERROR, "%s: read error: %s\n", is->filename, av_error_text(ret).c_str());
                    goto fail;
                }
            } else {
                read_errors = 0;
            }
            wait_for_more(is, wait_mutex);
            continue;
        }
        is->eof = 0;
        read_errors = 0;
        if (pkt->stream_index == is->audio_stream) {
            packet_queue_put(&is->audioq, pkt);
        } else if (pkt->stream_index == is->video_stream && is->video_st
                   && !(is->video_st.load()->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            packet_queue_put(&is->videoq, pkt);
        } else if (pkt->stream_index == is->subtitle_stream) {
            packet_queue_put(&is->subtitleq, pkt);
        } else {
            av_packet_unref(pkt);
        }
    }
    ret = 0;

fail:
    // A context never handed over is closed with its file.
    if (!is->ic) {
        delete is->input;
        is->input = nullptr;
    }
    av_packet_free(&pkt);
    if (ret != 0 && !is->abort_request)
        push_quit_event(is);
    if (wait_mutex)
        SDL_DestroyMutex(wait_mutex);
    return 0;
}

VideoState* stream_open(const char* filename, const std::string& vfilter)
{
    auto* is = new (std::nothrow) VideoState();
    if (!is)
        return nullptr;
    is->video_stream = -1;
    is->audio_stream = -1;
    is->subtitle_stream = -1;
    is->start_time_us = AV_NOPTS_VALUE;
    is->duration_us = AV_NOPTS_VALUE;
    is->last_paused = 0;
    is->filename = av_strdup(filename ? filename : "");
    is->vfilter = vfilter;
    is->held_picture = av_frame_alloc();
    if (!is->filename || !is->held_picture)
        goto fail;
    is->ytop = 0;
    is->xleft = 0;

    if (frame_queue_init(&is->pictq, &is->videoq, VIDEO_PICTURE_QUEUE_SIZE, 1) < 0)
        goto fail;
    if (frame_queue_init(&is->subpq, &is->subtitleq, SUBPICTURE_QUEUE_SIZE, 0) < 0)
        goto fail;
    if (frame_queue_init(&is->sampq, &is->audioq, SAMPLE_QUEUE_SIZE, 1) < 0)
        goto fail;
    if (packet_queue_init(&is->videoq) < 0 || packet_queue_init(&is->audioq) < 0
        || packet_queue_init(&is->subtitleq) < 0)
        goto fail;
    if (!(is->continue_read_thread = SDL_CreateCond())) {
        av_log(nullptr, AV_LOG_FATAL, "SDL_CreateCond(): %s\n", SDL_GetError());
        goto fail;
    }
    init_clock(&is->vidclk, &is->videoq.serial);
    init_clock(&is->audclk, &is->audioq.serial);
    init_clock(&is->extclk, nullptr);  // follows its own serial
    is->audio_clock_serial = -1;
    if (startup_volume < 0)
        av_log(nullptr, AV_LOG_WARNING, "-volume=%d < 0, setting to 0\n", startup_volume);
    if (startup_volume > 100)
        av_log(nullptr, AV_LOG_WARNING, "-volume=%d > 100, setting to 100\n", startup_volume);
    startup_volume = av_clip(startup_volume, 0, 100);
    startup_volume = av_clip(SDL_MIX_MAXVOLUME * startup_volume / 100, 0, SDL_MIX_MAXVOLUME);
    is->audio_volume = startup_volume;
    is->muted = 0;
    is->av_sync_type = AV_SYNC_AUDIO_MASTER;
    return is;

fail:
    stream_close(is);
    return nullptr;
}

void stream_close(VideoState* is)
{
    if (!is)
        return;
    is->abort_request = 1;
    if (is->read_tid)
        SDL_WaitThread(is->read_tid, nullptr);
    is->read_tid = nullptr;

    if (is->ic) {
        if (is->audio_stream >= 0)
            stream_component_close(is, is->audio_stream);
        if (is->video_stream >= 0)
            stream_component_close(is, is->video_stream);
        if (is->subtitle_stream >= 0)
            stream_component_close(is, is->subtitle_stream);
        is->ic = nullptr;
    }
    delete is->input;

    packet_queue_destroy(&is->videoq);
    packet_queue_destroy(&is->audioq);
    packet_queue_destroy(&is->subtitleq);

    frame_queue_destroy(&is->pictq);
    frame_queue_destroy(&is->sampq);
    frame_queue_destroy(&is->subpq);
    if (is->continue_read_thread)
        SDL_DestroyCond(is->continue_read_thread);
    sws_freeContext(is->img_convert_ctx);
    sws_freeContext(is->sub_convert_ctx);
    av_free(is->filename);
    if (is->vis_texture)
        SDL_DestroyTexture(is->vis_texture);
    if (is->vid_texture)
        SDL_DestroyTexture(is->vid_texture);
    if (is->sub_texture)
        SDL_DestroyTexture(is->sub_texture);
    avfilter_graph_free(&is->agraph);
    av_channel_layout_uninit(&is->audio_src.ch_layout);
    av_channel_layout_uninit(&is->audio_filter_src.ch_layout);
    av_channel_layout_uninit(&is->audio_tgt.ch_layout);
    av_frame_free(&is->held_picture);
    delete is;
}
