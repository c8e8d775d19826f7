// Decoder threads: packets into frames, video turned upright as the converter
// turns it and then through the caller's filter text, audio through a graph
// to the device format.
#include "ffplay_internal.h"
#include "cmdutils.h"
#include "PictureTurn.h"

#include <QStringList>

#include <cmath>
#include <cstring>
#include <string>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
#include <libavutil/time.h>
}

int decoder_decode_frame(Decoder* d, AVFrame* frame, AVSubtitle* sub)
{
    int ret = AVERROR(EAGAIN);
    for (;;) {
        if (d->queue->serial == d->pkt_serial) {
            do {
                if (d->queue->abort_request)
                    return -1;
                switch (d->avctx->codec_type) {
                case AVMEDIA_TYPE_VIDEO:
                    ret = avcodec_receive_frame(d->avctx, frame);
                    if (ret >= 0)
                        frame->pts = frame->best_effort_timestamp;
                    break;
                case AVMEDIA_TYPE_AUDIO:
                    ret = avcodec_receive_frame(d->avctx, frame);
                    if (ret >= 0) {
                        const AVRational tb = av_make_q(1, frame->sample_rate);
                        if (frame->pts != AV_NOPTS_VALUE)
                            frame->pts = av_rescale_q(frame->pts, d->avctx->pkt_timebase, tb);
                        else if (d->next_pts != AV_NOPTS_VALUE)
                            frame->pts = av_rescale_q(d->next_pts, d->next_pts_tb, tb);
                        if (frame->pts != AV_NOPTS_VALUE) {
                            d->next_pts = frame->pts + frame->nb_samples;
                            d->next_pts_tb = tb;
                        }
                    }
                    break;
                default:
                    break;
                }
                if (ret == AVERROR_EOF) {
                    d->finished = d->pkt_serial.load();
                    avcodec_flush_buffers(d->avctx);
                    return 0;
                }
                if (ret >= 0)
                    return 1;
            } while (ret != AVERROR(EAGAIN));
        }

        do {
            if (d->queue->nb_packets == 0)
                SDL_CondSignal(d->empty_queue_cond);
            if (d->packet_pending) {
                d->packet_pending = 0;
            } else {
                int serial = 0;
                if (packet_queue_get(d->queue, d->pkt, 1, &serial) < 0)
                    return -1;
                d->pkt_serial = serial;
            }
            if (d->queue->serial == d->pkt_serial)
                break;
            av_packet_unref(d->pkt);
        } while (true);

        if (is_flush_packet(d->pkt)) {
            avcodec_flush_buffers(d->avctx);
            d->finished = 0;
            d->next_pts = d->start_pts;
            d->next_pts_tb = d->start_pts_tb;
        } else if (d->avctx->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            int got_frame = 0;
            ret = avcodec_decode_subtitle2(d->avctx, sub, &got_frame, d->pkt);
            if (ret < 0) {
                ret = AVERROR(EAGAIN);
            } else {
                if (got_frame && !d->pkt->data)
                    d->packet_pending = 1;
                ret = got_frame ? 0 : (d->pkt->data ? AVERROR(EAGAIN) : AVERROR_EOF);
            }
            av_packet_unref(d->pkt);
            if (ret == 0)
                return 1;
            if (ret == AVERROR_EOF) {
                d->finished = d->pkt_serial.load();
                return 0;
            }
            continue;
        } else {
            if (avcodec_send_packet(d->avctx, d->pkt) == AVERROR(EAGAIN)) {
                av_log(d->avctx, AV_LOG_ERROR,
                       "Receive_frame and send_packet both returned EAGAIN, which is an API violation.\n");
                d->packet_pending = 1;
                continue;
            }
        }
        if (!d->packet_pending)
            av_packet_unref(d->pkt);
    }
}

int get_video_frame(VideoState* is, AVFrame* frame)
{
    const int got_picture = decoder_decode_frame(&is->viddec, frame, nullptr);
    if (got_picture < 0)
        return -1;
    if (got_picture == 0)
        return 0;

    AVStream* st = is->video_st;
    const double dpts = frame->pts != AV_NOPTS_VALUE ? av_q2d(st->time_base) * frame->pts : NAN;
    frame->sample_aspect_ratio = av_guess_sample_aspect_ratio(is->ic, st, frame);

    if (get_master_sync_type(is) != AV_SYNC_VIDEO_MASTER && frame->pts != AV_NOPTS_VALUE) {
        const double diff = dpts - get_master_clock(is);
        if (!std::isnan(diff) && std::fabs(diff) < AV_NOSYNC_THRESHOLD && diff - is->frame_last_filter_delay < 0
            && is->viddec.pkt_serial == clock_serial(&is->vidclk) && is->videoq.nb_packets) {
            is->frame_drops_early++;
            av_frame_unref(frame);
            return 0;
        }
    }

    // Keep a reference for picture grabs, which must never wait on the decoder.
    {
        std::lock_guard<std::mutex> guard(g_lock);
        av_frame_unref(is->held_picture);
        av_frame_ref(is->held_picture, frame);
    }
    return 1;
}

// Links the parsed filter text (or nothing) between source and sink and puts
// the new filters at the front of the graph's list.
static int configure_filtergraph(AVFilterGraph* graph, const char* filtergraph, AVFilterContext* source_ctx,
                                 AVFilterContext* sink_ctx)
{
    int ret;
    const unsigned nb_filters = graph->nb_filters;
    AVFilterInOut* outputs = nullptr;
    AVFilterInOut* inputs = nullptr;

    if (filtergraph && *filtergraph) {
        outputs = avfilter_inout_alloc();
        inputs = avfilter_inout_alloc();
        if (!outputs || !inputs) {
            ret = AVERROR(ENOMEM);
            goto fail;
        }
        outputs->name = av_strdup("in");
        outputs->filter_ctx = source_ctx;
        outputs->pad_idx = 0;
        outputs->next = nullptr;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink_ctx;
        inputs->pad_idx = 0;
        inputs->next = nullptr;
        if ((ret = avfilter_graph_parse_ptr(graph, filtergraph, &inputs, &outputs, nullptr)) < 0)
            goto fail;
    } else {
        if ((ret = avfilter_link(source_ctx, 0, sink_ctx, 0)) < 0)
            goto fail;
    }

    for (unsigned i = 0; i < graph->nb_filters - nb_filters; i++)
        FFSWAP(AVFilterContext*, graph->filters[i], graph->filters[i + nb_filters]);

    ret = avfilter_graph_config(graph, nullptr);
fail:
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    return ret;
}

static int configure_video_filters(AVFilterGraph* graph, VideoState* is, const char* vfilters, AVFrame* frame)
{
    std::vector<AVPixelFormat> pix_fmts;
    for (Uint32 texture_fmt : renderer_texture_formats())
        for (int j = 0; sdl_texture_format_map[j].format != AV_PIX_FMT_NONE; j++)
            if (texture_fmt == sdl_texture_format_map[j].texture_fmt) {
                pix_fmts.push_back(sdl_texture_format_map[j].format);
                break;
            }
    if (pix_fmts.empty())
        pix_fmts.push_back(AV_PIX_FMT_BGRA);

    std::string sws_flags;
    const AVDictionaryEntry* e = nullptr;
    while ((e = av_dict_get(sws_dict, "", e, AV_DICT_IGNORE_SUFFIX))) {
        sws_flags += std::string(std::strcmp(e->key, "sws_flags") ? e->key : "flags") + "=" + e->value + ":";
    }
    if (!sws_flags.empty())
        sws_flags.pop_back();
    graph->scale_sws_opts = av_strdup(sws_flags.c_str());

    AVStream* st = is->video_st;
    const AVCodecParameters* codecpar = st->codecpar;
    const AVRational fr = av_guess_frame_rate(is->ic, st, nullptr);
    char buffersrc_args[256];
    std::snprintf(buffersrc_args, sizeof(buffersrc_args),
                  "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", frame->width, frame->height,
                  frame->format, st->time_base.num, st->time_base.den, codecpar->sample_aspect_ratio.num,
                  FFMAX(codecpar->sample_aspect_ratio.den, 1));
    if (fr.num && fr.den) {
        const size_t used = std::strlen(buffersrc_args);
        std::snprintf(buffersrc_args + used, sizeof(buffersrc_args) - used, ":frame_rate=%d/%d", fr.num, fr.den);
    }

    AVFilterContext* filt_src = nullptr;
    AVFilterContext* filt_out = nullptr;
    AVFilterContext* last_filter = nullptr;
    int ret = avfilter_graph_create_filter(&filt_src, avfilter_get_by_name("buffer"), "ffplay_buffer",
                                           buffersrc_args, nullptr, graph);
    if (ret < 0)
        return ret;
    ret = avfilter_graph_create_filter(&filt_out, avfilter_get_by_name("buffersink"), "ffplay_buffersink", nullptr,
                                       nullptr, graph);
    if (ret < 0)
        return ret;
    ret = av_opt_set_bin(filt_out, "pix_fmts", reinterpret_cast<const uint8_t*>(pix_fmts.data()),
                         static_cast<int>(pix_fmts.size() * sizeof(AVPixelFormat)), AV_OPT_SEARCH_CHILDREN);
    if (ret < 0)
        return ret;

    // The picture is turned upright first, as the converter turns it before
    // the filters it is given: the layers of the text are placed on the
    // upright picture.
    last_filter = filt_src;
    const uint8_t* matrix = av_stream_get_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, nullptr);
    const QStringList turn = PictureTurn::FromMatrix(reinterpret_cast<const int32_t*>(matrix)).Filters();
    for (int i = 0; i < turn.size(); ++i) {
        const QByteArray name = turn.at(i).section(QLatin1Char('='), 0, 0).toLatin1();
        const QByteArray arg = turn.at(i).section(QLatin1Char('='), 1).toLatin1();
        const QByteArray label = "ffplay_turn" + QByteArray::number(i);
        AVFilterContext* filt_ctx = nullptr;
        ret = avfilter_graph_create_filter(&filt_ctx, avfilter_get_by_name(name.constData()), label.constData(),
                                           arg.isEmpty() ? nullptr : arg.constData(), nullptr, graph);
        if (ret < 0)
            return ret;
        if ((ret = avfilter_link(last_filter, 0, filt_ctx, 0)) < 0)
            return ret;
        last_filter = filt_ctx;
    }

    if ((ret = configure_filtergraph(graph, vfilters, last_filter, filt_out)) < 0)
        return ret;
    is->in_video_filter = filt_src;
    is->out_video_filter = filt_out;
    return 0;
}

int configure_audio_filters(VideoState* is, int force_output_format)
{
    static const AVSampleFormat sample_fmts[] = {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_NONE};
    AVFilterContext* filt_asrc = nullptr;
    AVFilterContext* filt_asink = nullptr;
    std::string asrc_args;
    int ret;

    avfilter_graph_free(&is->agraph);
    if (!(is->agraph = avfilter_graph_alloc()))
        return AVERROR(ENOMEM);
    is->agraph->nb_threads = 0;

    std::string aresample_swr_opts;
    const AVDictionaryEntry* e = nullptr;
    while ((e = av_dict_get(swr_opts, "", e, AV_DICT_IGNORE_SUFFIX)))
        aresample_swr_opts += std::string(e->key) + "=" + e->value + ":";
    if (!aresample_swr_opts.empty())
        aresample_swr_opts.pop_back();
    av_opt_set(is->agraph, "aresample_swr_opts", aresample_swr_opts.c_str(), 0);

    {
        const char* fmt_name = av_get_sample_fmt_name(is->audio_filter_src.fmt);
        asrc_args = "sample_rate=" + std::to_string(is->audio_filter_src.freq) + ":sample_fmt="
            + (fmt_name ? fmt_name : "none") + ":time_base=1/" + std::to_string(is->audio_filter_src.freq);
        char layout[256] = {0};
        if (is->audio_filter_src.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            asrc_args += ":channels=" + std::to_string(is->audio_filter_src.ch_layout.nb_channels);
        else if (av_channel_layout_describe(&is->audio_filter_src.ch_layout, layout, sizeof(layout)) >= 0 && *layout)
            asrc_args += std::string(":channel_layout=") + layout;
    }

    ret = avfilter_graph_create_filter(&filt_asrc, avfilter_get_by_name("abuffer"), "ffplay_abuffer", asrc_args.c_str(),
                                       nullptr, is->agraph);
    if (ret < 0)
        goto end;
    ret = avfilter_graph_create_filter(&filt_asink, avfilter_get_by_name("abuffersink"), "ffplay_abuffersink",
                                       nullptr, nullptr, is->agraph);
    if (ret < 0)
        goto end;
    if ((ret = av_opt_set_bin(filt_asink, "sample_fmts", reinterpret_cast<const uint8_t*>(sample_fmts),
                              sizeof(AVSampleFormat), AV_OPT_SEARCH_CHILDREN))
        < 0)
        goto end;
    if ((ret = av_opt_set_int(filt_asink, "all_channel_counts", 1, AV_OPT_SEARCH_CHILDREN)) < 0)
        goto end;

    if (force_output_format) {
        char layout[256] = {0};
        av_channel_layout_describe(&is->audio_tgt.ch_layout, layout, sizeof(layout));
        const int sample_rates[2] = {is->audio_tgt.freq, -1};
        if ((ret = av_opt_set_int(filt_asink, "all_channel_counts", 0, AV_OPT_SEARCH_CHILDREN)) < 0)
            goto end;
        if ((ret = av_opt_set(filt_asink, "ch_layouts", layout, AV_OPT_SEARCH_CHILDREN)) < 0)
            goto end;
        if ((ret = av_opt_set_bin(filt_asink, "sample_rates", reinterpret_cast<const uint8_t*>(sample_rates),
                                  sizeof(int), AV_OPT_SEARCH_CHILDREN))
            < 0)
            goto end;
    }

    if ((ret = configure_filtergraph(is->agraph, nullptr, filt_asrc, filt_asink)) < 0)
        goto end;
    is->in_audio_filter = filt_asrc;
    is->out_audio_filter = filt_asink;

end:
    if (ret < 0)
        avfilter_graph_free(&is->agraph);
    return ret;
}

// Playback must not hang in "playing" when a decoder stops on an error.
static void end_on_error(VideoState* is)
{
    if (!is->abort_request)
        push_quit_event(is);
}

int audio_thread(void* arg)
{
    auto* is = static_cast<VideoState*>(arg);
    AVFrame* frame = av_frame_alloc();
    int last_serial = -1;
    int ret = 0;
    bool failed = false;

    if (!frame) {
        end_on_error(is);
        return AVERROR(ENOMEM);
    }

    do {
        const int got_frame = decoder_decode_frame(&is->auddec, frame, nullptr);
        if (got_frame < 0)
            goto the_end;
        if (!got_frame)
            continue;

        {
            const bool mono_pair = frame->ch_layout.nb_channels == 1 && is->audio_filter_src.ch_layout.nb_channels == 1;
            const bool fmt_differs = mono_pair
                ? av_get_packed_sample_fmt(static_cast<AVSampleFormat>(frame->format))
                      != av_get_packed_sample_fmt(is->audio_filter_src.fmt)
                : (frame->format != is->audio_filter_src.fmt
                   || frame->ch_layout.nb_channels != is->audio_filter_src.ch_layout.nb_channels);
            const bool reconfigure = fmt_differs
                || av_channel_layout_compare(&is->audio_filter_src.ch_layout, &frame->ch_layout)
                || is->audio_filter_src.freq != frame->sample_rate || is->auddec.pkt_serial != last_serial;
            if (reconfigure) {
                char buf1[1024] = {0};
                char buf2[1024] = {0};
                av_channel_layout_describe(&is->audio_filter_src.ch_layout, buf1, sizeof(buf1));
                av_channel_layout_describe(&frame->ch_layout, buf2, sizeof(buf2));
                av_log(nullptr, AV_LOG_DEBUG,
                       "Audio frame changed from rate:%d ch:%d fmt:%s layout:%s serial:%d to rate:%d ch:%d "
                       "fmt:%s layout:%s serial:%d\n",
                       is->audio_filter_src.freq, is->audio_filter_src.ch_layout.nb_channels,
                       av_get_sample_fmt_name(is->audio_filter_src.fmt), buf1, last_serial, frame->sample_rate,
                       frame->ch_layout.nb_channels,
                       av_get_sample_fmt_name(static_cast<AVSampleFormat>(frame->format)), buf2,
                       is->auddec.pkt_serial.load());
                is->audio_filter_src.fmt = static_cast<AVSampleFormat>(frame->format);
                av_channel_layout_uninit(&is->audio_filter_src.ch_layout);
                if ((ret = av_channel_layout_copy(&is->audio_filter_src.ch_layout, &frame->ch_layout)) < 0) {
                    failed = true;
                    goto the_end;
                }
                is->audio_filter_src.freq = frame->sample_rate;
                last_serial = is->auddec.pkt_serial;
                if ((ret = configure_audio_filters(is, 1)) < 0) {
                    failed = true;
                    goto the_end;
                }
            }
        }

        if ((ret = av_buffersrc_add_frame(is->in_audio_filter, frame)) < 0) {
            failed = true;
            goto the_end;
        }

        while ((ret = av_buffersink_get_frame_flags(is->out_audio_filter, frame, 0)) >= 0) {
            const AVRational tb = av_buffersink_get_time_base(is->out_audio_filter);
            const double pts = frame->pts == AV_NOPTS_VALUE ? NAN : frame->pts * av_q2d(tb);
            // Only frames of the segment the seek started count: a stale frame
            // still draining from before the seek must not end the skipping.
            if (is->seek_skip_audio && is->auddec.pkt_serial == is->audioq.serial) {
                if (!std::isnan(pts) && pts < is->seek_target_sec) {
                    av_frame_unref(frame);
                    continue;
                }
                is->seek_skip_audio = 0;
            }
            QueuedFrame* af = frame_queue_peek_writable(&is->sampq);
            if (!af)
                goto the_end;
            af->pts = pts;
            af->pos = frame->pkt_pos;
            af->serial = is->auddec.pkt_serial;
            af->duration = av_q2d(av_make_q(frame->nb_samples, frame->sample_rate));
            av_frame_move_ref(af->frame, frame);
            frame_queue_push(&is->sampq);
            if (is->audioq.serial != is->auddec.pkt_serial)
                break;
        }
        if (ret == AVERROR_EOF)
            is->auddec.finished = is->auddec.pkt_serial.load();
    } while (ret >= 0 || ret == AVERROR(EAGAIN) || ret == AVERROR_EOF);
    failed = true;

the_end:
    avfilter_graph_free(&is->agraph);
    av_frame_free(&frame);
    if (failed)
        end_on_error(is);
    return ret;
}

int video_thread(void* arg)
{
    auto* is = static_cast<VideoState*>(arg);
    AVFrame* frame = av_frame_alloc();
    AVFilterGraph* graph = nullptr;
    AVFilterContext* filt_out = nullptr;
    AVFilterContext* filt_in = nullptr;
    int last_w = 0;
    int last_h = 0;
    int last_format = -2;
    int last_serial = -1;
    int last_vfilter_idx = -1;
    AVStream* st = is->video_st;
    AVRational frame_rate = av_guess_frame_rate(is->ic, st, nullptr);
    const char* vfilter = is->vfilter.empty() ? nullptr : is->vfilter.c_str();
    const int vfilter_idx = 0;
    bool failed = false;
    int ret = 0;

    if (!frame) {
        end_on_error(is);
        return AVERROR(ENOMEM);
    }

    for (;;) {
        ret = get_video_frame(is, frame);
        if (ret < 0)
            goto the_end;
        if (!ret)
            continue;

        if (last_w != frame->width || last_h != frame->height || last_format != frame->format
            || last_serial != is->viddec.pkt_serial || last_vfilter_idx != vfilter_idx) {
            const char* from_name = av_get_pix_fmt_name(static_cast<AVPixelFormat>(last_format));
            const char* to_name = av_get_pix_fmt_name(static_cast<AVPixelFormat>(frame->format));
            av_log(nullptr, AV_LOG_DEBUG,
                   "Video frame changed from size:%dx%d format:%s serial:%d to size:%dx%d format:%s serial:%d\n",
                   last_w, last_h, from_name ? from_name : "none", last_serial, frame->width, frame->height,
                   to_name ? to_name : "none", is->viddec.pkt_serial.load());
            avfilter_graph_free(&graph);
            graph = avfilter_graph_alloc();
            if (!graph) {
                ret = AVERROR(ENOMEM);
                failed = true;
                goto the_end;
            }
            graph->nb_threads = 0;
            if ((ret = configure_video_filters(graph, is, vfilter, frame)) < 0) {
                av_log(nullptr, AV_LOG_ERROR, "Cannot build the video filter graph: %s\n",
                       av_error_text(ret).c_str());
                failed = true;
                goto the_end;
            }
            filt_in = is->in_video_filter;
            filt_out = is->out_video_filter;
            last_w = frame->width;
            last_h = frame->height;
            last_format = frame->format;
            last_serial = is->viddec.pkt_serial;
            last_vfilter_idx = vfilter_idx;
            frame_rate = av_buffersink_get_frame_rate(filt_out);
        }

        ret = av_buffersrc_add_frame(filt_in, frame);
        if (ret < 0) {
            failed = true;
            goto the_end;
        }

        while (ret >= 0) {
            is->frame_last_returned_time = av_gettime_relative() / 1000000.0;
            ret = av_buffersink_get_frame_flags(filt_out, frame, 0);
            if (ret < 0) {
                if (ret == AVERROR_EOF)
                    is->viddec.finished = is->viddec.pkt_serial.load();
                ret = 0;
                break;
            }
            double delay = av_gettime_relative() / 1000000.0 - is->frame_last_returned_time;
            if (std::fabs(delay) > AV_NOSYNC_THRESHOLD / 10.0)
                delay = 0;
            is->frame_last_filter_delay = delay;

            const AVRational tb = av_buffersink_get_time_base(filt_out);
            const double duration = (frame_rate.num && frame_rate.den) ? av_q2d(av_make_q(frame_rate.den, frame_rate.num)) : 0;
            const double pts = frame->pts == AV_NOPTS_VALUE ? NAN : frame->pts * av_q2d(tb);

            if (is->seek_skip_video && is->viddec.pkt_serial == is->videoq.serial) {
                if (!std::isnan(pts) && pts < is->seek_target_sec) {
                    av_frame_unref(frame);
                    continue;
                }
                is->seek_skip_video = 0;
            }

            QueuedFrame* vp = frame_queue_peek_writable(&is->pictq);
            if (!vp) {
                av_frame_unref(frame);
                goto the_end;
            }
            vp->sar = frame->sample_aspect_ratio;
            vp->uploaded = 0;
            vp->width = frame->width;
            vp->height = frame->height;
            vp->format = frame->format;
            vp->pts = pts;
            vp->duration = duration;
            vp->pos = frame->pkt_pos;
            vp->serial = is->viddec.pkt_serial;
            set_default_window_size(vp->width, vp->height, vp->sar);
            av_frame_move_ref(vp->frame, frame);
            frame_queue_push(&is->pictq);

            if (is->videoq.serial != is->viddec.pkt_serial)
                break;
        }
    }
the_end:
    avfilter_graph_free(&graph);
    av_frame_free(&frame);
    if (failed)
        end_on_error(is);
    return 0;
}

int subtitle_thread(void* arg)
{
    auto* is = static_cast<VideoState*>(arg);
    for (;;) {
        QueuedFrame* sp = frame_queue_peek_writable(&is->subpq);
        if (!sp)
            return 0;
        const int got_subtitle = decoder_decode_frame(&is->subdec, nullptr, &sp->sub);
        if (got_subtitle < 0)
            break;
        if (got_subtitle && sp->sub.format == 0) {
            const double pts = sp->sub.pts != AV_NOPTS_VALUE ? sp->sub.pts / static_cast<double>(AV_TIME_BASE) : 0;
            if (is->seek_skip_subtitle && is->subdec.pkt_serial == is->subtitleq.serial) {
                if (pts < is->seek_target_sec) {
                    avsubtitle_free(&sp->sub);
                    continue;
                }
                is->seek_skip_subtitle = 0;
            }
            sp->pts = pts;
            sp->serial = is->subdec.pkt_serial;
            sp->width = is->subdec.avctx->width;
            sp->height = is->subdec.avctx->height;
            sp->uploaded = 0;
            frame_queue_push(&is->subpq);
        } else if (got_subtitle) {
            avsubtitle_free(&sp->sub);
        }
    }
    return 0;
}
