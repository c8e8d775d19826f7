// The player's building blocks on their own: rotation, option filtering, the
// filter-text array, display fitting, queues with serials, clocks, the picture
// delay rule and the audio device's buffer size.
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "cmdutils.h"
#include "ffplay.h"
#include "ffplay_internal.h"

extern "C" {
#include <libavutil/display.h>
#include <libavutil/time.h>
}

namespace {
struct StreamContext {
    AVFormatContext* ctx = avformat_alloc_context();
    ~StreamContext() { avformat_free_context(ctx); }
    AVStream* add(AVMediaType type, AVCodecID id)
    {
        AVStream* st = avformat_new_stream(ctx, nullptr);
        st->codecpar->codec_type = type;
        st->codecpar->codec_id = id;
        return st;
    }
};

// Leaves non-zero words on the stack where the next call's locals will lie:
// read as a channel layout they say "custom order" with a bogus map pointer,
// so a layout used before it is initialised fails in every build, not only
// where the optimiser happens to leave garbage there. Not instrumented, so no
// guard zones keep the words away from the next frame.
Q_NEVER_INLINE __attribute__((no_sanitize_address)) void dirtyTheStack()
{
    volatile uint32_t junk[4096];
    for (volatile uint32_t& word : junk)
        word = AV_CHANNEL_ORDER_CUSTOM;
}
}  // namespace

class TestPlayerEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        av_log_set_level(AV_LOG_QUIET);
        if (!flush_pkt) {
            flush_pkt = av_packet_alloc();
            flush_pkt->data = reinterpret_cast<uint8_t*>(flush_pkt);
        }
    }

    void rotationFromTheDisplayMatrix_data()
    {
        QTest::addColumn<double>("matrixAngle");
        QTest::addColumn<double>("expected");
        QTest::newRow("-90") << -90.0 << 90.0;
        QTest::newRow("90") << 90.0 << 270.0;
        QTest::newRow("180") << 180.0 << 180.0;
        QTest::newRow("-359.5") << -359.5 << -0.5;
        QTest::newRow("45") << 45.0 << 315.0;
    }
    void rotationFromTheDisplayMatrix()
    {
        QFETCH(double, matrixAngle);
        QFETCH(double, expected);
        StreamContext sc;
        AVStream* st = sc.add(AVMEDIA_TYPE_VIDEO, AV_CODEC_ID_H264);
        QCOMPARE(get_rotation(st), 0.0);
        auto* matrix = reinterpret_cast<int32_t*>(av_stream_new_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, 9 * 4));
        QVERIFY(matrix);
        // The matrix is written so that reading it back gives matrixAngle.
        av_display_rotation_set(matrix, -matrixAngle);
        QVERIFY2(std::fabs(get_rotation(st) - expected) < 0.01, qPrintable(QString::number(get_rotation(st))));
    }

    void growArrayZeroesAndRefusesWithoutEndingTheProcess()
    {
        int count = 0;
        auto* array = static_cast<int*>(grow_array(nullptr, sizeof(int), &count, 3));
        QVERIFY(array);
        QCOMPARE(count, 3);
        QCOMPARE(array[0] + array[1] + array[2], 0);
        array[2] = 7;
        array = static_cast<int*>(grow_array(array, sizeof(int), &count, 5));
        QCOMPARE(count, 5);
        QCOMPARE(array[2], 7);
        QCOMPARE(array[3] + array[4], 0);
        QCOMPARE(grow_array(array, sizeof(int), &count, 2), static_cast<void*>(array));
        QCOMPARE(count, 5);
        // Too big: an error, the array and its count unchanged.
        QCOMPARE(grow_array(array, 8, &count, INT_MAX / 8), static_cast<void*>(nullptr));
        QCOMPARE(count, 5);
        QCOMPARE(array[2], 7);
        av_free(array);
    }

    void codecOptionsAreFilteredPerStream()
    {
        StreamContext sc;
        AVStream* video = sc.add(AVMEDIA_TYPE_VIDEO, AV_CODEC_ID_H264);
        AVStream* audio = sc.add(AVMEDIA_TYPE_AUDIO, AV_CODEC_ID_AAC);
        sc.add(AVMEDIA_TYPE_SUBTITLE, AV_CODEC_ID_ASS);
        QCOMPARE(filter_codec_opts(nullptr, AV_CODEC_ID_H264, sc.ctx, video, nullptr),
                 static_cast<AVDictionary*>(nullptr));

        AVDictionary** none = setup_find_stream_info_opts(sc.ctx, nullptr);
        QVERIFY(none);
        for (int i = 0; i < 3; i++)
            QCOMPARE(none[i], static_cast<AVDictionary*>(nullptr));
        av_freep(&none);

        AVDictionary* opts = nullptr;
        av_dict_set(&opts, "threads:a", "3", 0);      // audio streams only
        av_dict_set(&opts, "flags2", "fast", 0);      // a codec option
        av_dict_set(&opts, "no_such_option", "1", 0);  // known to nobody
        AVDictionary* v = filter_codec_opts(opts, AV_CODEC_ID_H264, sc.ctx, video, nullptr);
        AVDictionary* a = filter_codec_opts(opts, AV_CODEC_ID_AAC, sc.ctx, audio, nullptr);
        QVERIFY(!av_dict_get(v, "threads", nullptr, 0));
        QVERIFY(av_dict_get(v, "flags2", nullptr, 0));
        QVERIFY(!av_dict_get(v, "no_such_option", nullptr, 0));
        QVERIFY(av_dict_get(a, "threads", nullptr, 0));
        QCOMPARE(QByteArray(av_dict_get(a, "threads", nullptr, 0)->value), QByteArray("3"));
        // The caller's dictionary keeps its keys whole.
        QVERIFY(av_dict_get(opts, "threads:a", nullptr, 0));
        av_dict_free(&v);
        av_dict_free(&a);
        av_dict_free(&opts);
    }

    void picturesAreFittedAndCentred()
    {
        SDL_Rect r;
        calculate_display_rect(&r, 0, 0, 800, 600, 1920, 1080, av_make_q(1, 1));
        QCOMPARE(QRect(r.x, r.y, r.w, r.h), QRect(0, 75, 800, 450));
        calculate_display_rect(&r, 0, 0, 768, 576, 720, 576, av_make_q(16, 15));
        QCOMPARE(QRect(r.x, r.y, r.w, r.h), QRect(0, 0, 768, 576));
        calculate_display_rect(&r, 0, 0, 320, 240, 100, 50, av_make_q(0, 1));
        QCOMPARE(QRect(r.x, r.y, r.w, r.h), QRect(0, 40, 320, 160));
        calculate_display_rect(&r, 0, 0, 1, 1, 1920, 1080, av_make_q(1, 1));
        QVERIFY(r.w >= 1 && r.h >= 1);

        screen_width = 800;
        screen_height = 600;
        set_default_window_size(1920, 1080, av_make_q(1, 1));
        QCOMPARE(default_width.load(), 800);
        QCOMPARE(default_height.load(), 450);
        screen_width = 0;
        screen_height = 0;
        set_default_window_size(640, 360, av_make_q(1, 1));
        QCOMPARE(default_height.load(), 360);
        QCOMPARE(default_width.load(), 640);
    }

    void packetQueueSerialsAndFlushes()
    {
        PacketQueue q{};
        QCOMPARE(packet_queue_init(&q), 0);
        AVPacket* pkt = av_packet_alloc();
        // Aborted until started: packets are refused and released.
        QVERIFY(av_new_packet(pkt, 100) == 0);
        QVERIFY(packet_queue_put(&q, pkt) < 0);
        QCOMPARE(q.nb_packets.load(), 0);
        QCOMPARE(pkt->data, static_cast<uint8_t*>(nullptr));

        SDL_LockMutex(q.mutex);
        q.abort_request = 0;
        SDL_UnlockMutex(q.mutex);
        QCOMPARE(packet_queue_put_flush(&q), 0);
        QCOMPARE(q.serial.load(), 1);
        QVERIFY(av_new_packet(pkt, 100) == 0);
        pkt->duration = 40;
        QCOMPARE(packet_queue_put(&q, pkt), 0);
        QCOMPARE(q.nb_packets.load(), 2);
        QCOMPARE(q.size.load(), 100 + 2 * PACKET_NODE_OVERHEAD);
        QCOMPARE(q.duration.load(), int64_t(40));

        int serial = -1;
        QCOMPARE(packet_queue_get(&q, pkt, 0, &serial), 1);
        QVERIFY(is_flush_packet(pkt));
        QCOMPARE(serial, 1);
        av_packet_unref(pkt);
        // A seek: flush everything and start a new segment.
        packet_queue_flush(&q);
        QCOMPARE(q.nb_packets.load(), 0);
        QCOMPARE(q.size.load(), 0);
        QCOMPARE(packet_queue_put_flush(&q), 0);
        QVERIFY(av_new_packet(pkt, 10) == 0);
        QCOMPARE(packet_queue_put(&q, pkt), 0);
        QCOMPARE(packet_queue_get(&q, pkt, 0, &serial), 1);
        QCOMPARE(serial, 2);
        QCOMPARE(packet_queue_get(&q, pkt, 0, &serial), 1);
        QCOMPARE(pkt->size, 10);
        QCOMPARE(serial, 2);
        av_packet_unref(pkt);
        QCOMPARE(packet_queue_get(&q, pkt, 0, &serial), 0);
        packet_queue_abort(&q);
        QCOMPARE(packet_queue_get(&q, pkt, 1, &serial), -1);
        av_packet_free(&pkt);
        packet_queue_destroy(&q);
    }

    void frameRingKeepsTheLastShownEntry()
    {
        PacketQueue q{};
        FrameQueue f{};
        QCOMPARE(packet_queue_init(&q), 0);
        QCOMPARE(frame_queue_init(&f, &q, 3, 1), 0);
        q.abort_request = 0;
        for (int i = 0; i < 3; i++) {
            QueuedFrame* w = frame_queue_peek_writable(&f);
            QVERIFY(w);
            w->pts = i;
            frame_queue_push(&f);
        }
        QCOMPARE(frame_queue_nb_remaining(&f), 3);
        frame_queue_next(&f);  // shown: stays for redrawing
        QCOMPARE(frame_queue_nb_remaining(&f), 2);
        QCOMPARE(frame_queue_peek_last(&f)->pts, 0.0);
        QCOMPARE(frame_queue_peek(&f)->pts, 1.0);
        frame_queue_next(&f);
        QCOMPARE(frame_queue_peek_last(&f)->pts, 1.0);
        QCOMPARE(frame_queue_nb_remaining(&f), 1);
        // An aborted queue releases a waiting writer at once.
        QueuedFrame* w = frame_queue_peek_writable(&f);
        QVERIFY(w);
        frame_queue_push(&f);
        packet_queue_abort(&q);
        QCOMPARE(frame_queue_peek_writable(&f), static_cast<QueuedFrame*>(nullptr));
        frame_queue_destroy(&f);
        packet_queue_destroy(&q);
    }

    void clocksFollowTheirQueueSerial()
    {
        std::atomic<int> queueSerial{1};
        SyncClock c;
        init_clock(&c, &queueSerial);
        QVERIFY(std::isnan(get_clock(&c)));
        set_clock(&c, 5.0, 1);
        QVERIFY(std::fabs(get_clock(&c) - 5.0) < 0.05);
        queueSerial = 2;  // a seek started a new segment
        QVERIFY(std::isnan(get_clock(&c)));
        set_clock(&c, 7.0, 2);
        c.paused = 1;
        QCOMPARE(get_clock(&c), 7.0);

        SyncClock follower;
        init_clock(&follower, nullptr);
        sync_clock_to_slave(&follower, &c);
        QVERIFY(std::fabs(get_clock(&follower) - 7.0) < 0.05);
    }

    void pictureDelayFollowsTheAudioClock()
    {
        auto* is = new VideoState();
        init_clock(&is->vidclk, &is->videoq.serial);
        init_clock(&is->audclk, &is->audioq.serial);
        init_clock(&is->extclk, nullptr);
        is->max_frame_duration = 3600.0;
        StreamContext sc;
        is->audio_st = sc.add(AVMEDIA_TYPE_AUDIO, AV_CODEC_ID_AAC);
        is->vidclk.paused = is->audclk.paused = 1;
        auto delayWith = [&](double video, double audio, double d) {
            set_clock(&is->vidclk, video, 0);
            set_clock(&is->audclk, audio, 0);
            return compute_target_delay(d, is);
        };
        QCOMPARE(delayWith(10.0, 10.0, 0.04), 0.04);                     // in step
        QCOMPARE(delayWith(10.0, 10.03, 0.04), 0.04);                    // within the threshold
        QVERIFY(std::fabs(delayWith(10.0, 10.15, 0.2) - 0.05) < 1e-9);  // video behind: shorten
        QCOMPARE(delayWith(10.0, 10.5, 0.04), 0.0);                     // far behind: at once
        QCOMPARE(delayWith(10.2, 10.0, 0.04), 0.08);                    // ahead: wait twice as long
        QVERIFY(std::fabs(delayWith(10.5, 10.0, 0.2) - 0.7) < 1e-9);    // long pictures add the lead
        QCOMPARE(get_master_sync_type(is), int(AV_SYNC_AUDIO_MASTER));
        is->audio_st = nullptr;
        QCOMPARE(get_master_sync_type(is), int(AV_SYNC_EXTERNAL_CLOCK));
        delete is;
    }

    void positionAndSeeksShareTheFilesTimeline()
    {
        // A stream whose container starts at 2 s, read through the API while
        // no read thread runs: the requests stay where the API put them.
        auto* is = new VideoState();
        init_clock(&is->vidclk, &is->videoq.serial);
        init_clock(&is->audclk, &is->audioq.serial);
        init_clock(&is->extclk, nullptr);
        is->continue_read_thread = SDL_CreateCond();
        is->video_stream = is->audio_stream = is->subtitle_stream = -1;
        is->start_time_us = 2000000;
        is->duration_us = 30000000;
        is->file_open = 1;
        is->extclk.paused = 1;  // no sound: the external clock is the master
        set_clock(&is->extclk, 7.0, 0);
        cur_stream = is;

        QCOMPARE(JxPlayerGetPosition(), qint64(5000000));  // the clock minus the start
        QCOMPARE(JxPlayerGetDuration(), qint64(30000000));
        QCOMPARE(JxPlayerGetPlayState(), 1);
        QCOMPARE(JxPlayerSetPosition(10.0), 0);
        QCOMPARE(is->seek_req.load(), 1);
        QCOMPARE(is->seek_pos, int64_t(12000000));  // 10 s from the start is the container's 12 s
        QCOMPARE(is->seek_rel, int64_t(5000000));
        // A second request before the read thread acts is dropped.
        QCOMPARE(JxPlayerSetPosition(20.0), 0);
        QCOMPARE(is->seek_pos, int64_t(12000000));
        QCOMPARE(is->seek_rel, int64_t(5000000));

        set_clock(&is->extclk, 40.0, 0);
        QCOMPARE(JxPlayerGetPosition(), qint64(30000000));  // capped at the duration
        is->duration_us = AV_NOPTS_VALUE;
        QCOMPARE(JxPlayerGetPosition(), qint64(38000000));  // unknown duration: the clock
        QCOMPARE(JxPlayerGetDuration(), qint64(0));
        set_clock(&is->extclk, NAN, 0);
        QCOMPARE(JxPlayerGetPosition(), qint64(0));  // no clock value yet

        cur_stream = nullptr;
        SDL_DestroyCond(is->continue_read_thread);
        delete is;
    }

    void audioCallbackMixesAtTheVolumeAndIsSilentWhilePaused()
    {
        auto* is = new VideoState();
        QCOMPARE(packet_queue_init(&is->audioq), 0);
        QCOMPARE(frame_queue_init(&is->sampq, &is->audioq, SAMPLE_QUEUE_SIZE, 1), 0);
        is->audioq.abort_request = 0;
        init_clock(&is->audclk, &is->audioq.serial);
        init_clock(&is->vidclk, &is->videoq.serial);
        init_clock(&is->extclk, nullptr);
        is->show_mode = SHOW_MODE_VIDEO;
        const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        for (AudioParams* p : {&is->audio_tgt, &is->audio_src}) {
            p->fmt = AV_SAMPLE_FMT_S16;
            p->freq = 48000;
            QCOMPARE(av_channel_layout_copy(&p->ch_layout, &stereo), 0);
            p->frame_size = 4;
            p->bytes_per_sec = 48000 * 4;
        }
        is->audio_hw_buf_size = 4096;
        is->audio_volume = SDL_MIX_MAXVOLUME;

        // One frame of 256 stereo samples, already in the device format.
        QueuedFrame* af = frame_queue_peek_writable(&is->sampq);
        QVERIFY(af);
        AVFrame* frame = af->frame;
        frame->format = AV_SAMPLE_FMT_S16;
        frame->sample_rate = 48000;
        frame->nb_samples = 256;
        QCOMPARE(av_channel_layout_copy(&frame->ch_layout, &stereo), 0);
        QCOMPARE(av_frame_get_buffer(frame, 0), 0);
        auto* samples = reinterpret_cast<int16_t*>(frame->data[0]);
        for (int i = 0; i < 512; i++)
            samples[i] = static_cast<int16_t>(i % 2 ? -2000 : 1000);
        af->pts = 1.0;
        af->serial = is->audioq.serial;
        frame_queue_push(&is->sampq);

        std::vector<int16_t> out(512, 0x55);
        auto* bytes = reinterpret_cast<Uint8*>(out.data());
        sdl_audio_callback(is, bytes, 1024);
        QCOMPARE(std::memcmp(out.data(), samples, 1024), 0);  // full volume: copied unchanged
        // The clock stands at the frame's end minus the sound still buffered.
        const double expected = 1.0 + 256.0 / 48000 - 2.0 * 4096 / (48000 * 4);
        QVERIFY2(std::fabs(get_clock(&is->audclk) - expected) < 0.02, qPrintable(QString::number(get_clock(&is->audclk))));

        is->audio_volume = 64;  // half volume: the same buffer again
        is->audio_buf_index = 0;
        std::fill(out.begin(), out.end(), 0x55);
        sdl_audio_callback(is, bytes, 1024);
        QCOMPARE(out[0], int16_t(500));
        QCOMPARE(out[1], int16_t(-1000));
        QCOMPARE(out[510], int16_t(500));
        QCOMPARE(out[511], int16_t(-1000));

        is->paused = 1;  // paused: the device goes on and gets silence
        is->audio_buf_index = static_cast<int>(is->audio_buf_size);
        std::fill(out.begin(), out.end(), 0x55);
        sdl_audio_callback(is, bytes, 1024);
        QVERIFY(std::all_of(out.begin(), out.end(), [](int16_t v) { return v == 0; }));

        frame_queue_destroy(&is->sampq);
        packet_queue_destroy(&is->audioq);
        av_channel_layout_uninit(&is->audio_tgt.ch_layout);
        av_channel_layout_uninit(&is->audio_src.ch_layout);
        delete is;
    }

    void latePicturesAreDroppedOnlyWhenAnotherWaits()
    {
        StreamContext sc;
        auto* is = new VideoState();
        QCOMPARE(packet_queue_init(&is->videoq), 0);
        QCOMPARE(frame_queue_init(&is->pictq, &is->videoq, VIDEO_PICTURE_QUEUE_SIZE, 1), 0);
        is->videoq.abort_request = 0;
        init_clock(&is->vidclk, &is->videoq.serial);
        init_clock(&is->audclk, &is->audioq.serial);
        init_clock(&is->extclk, nullptr);
        is->video_st = sc.add(AVMEDIA_TYPE_VIDEO, AV_CODEC_ID_H264);
        is->show_mode = SHOW_MODE_VIDEO;
        is->max_frame_duration = 3600.0;
        // Pictures without a nominal duration are due at once, so the frame
        // timer (a second behind) is never reset to now and every picture
        // but the newest is late, whatever the timing of this test.
        auto push = [&](int64_t number) {
            QueuedFrame* vp = frame_queue_peek_writable(&is->pictq);
            vp->pts = 0.0;
            vp->duration = 0.0;
            vp->pos = number;
            vp->serial = is->videoq.serial;
            frame_queue_push(&is->pictq);
        };
        auto refreshLate = [&]() {
            is->frame_timer = av_gettime_relative() / 1000000.0 - 1.0;
            double remaining = REFRESH_RATE;
            video_refresh(is, &remaining);
        };

        push(0);
        refreshLate();  // alone in the ring: shown however late
        QCOMPARE(is->frames_shown.load(), 1);
        QCOMPARE(is->frame_drops_late.load(), 0);

        push(1);
        push(2);
        refreshLate();  // the late one with another behind it goes; the last is shown
        QCOMPARE(is->frame_drops_late.load(), 1);
        QCOMPARE(is->frames_shown.load(), 2);
        QCOMPARE(frame_queue_peek_last(&is->pictq)->pos, int64_t(2));
        QCOMPARE(frame_queue_nb_remaining(&is->pictq), 0);

        frame_queue_destroy(&is->pictq);
        packet_queue_destroy(&is->videoq);
        delete is;
    }

    void audioDeviceBufferFollowsTheRate_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("samples");
        QTest::newRow("44100") << 44100 << 2048;
        QTest::newRow("48000") << 48000 << 2048;
        QTest::newRow("96000") << 96000 << 4096;
        QTest::newRow("8000") << 8000 << 512;
        // The device's count is 16 bits wide: a zero there opens a device
        // whose callback is asked for nothing, over and over.
        QTest::newRow("983040, past the count's 16 bits") << 983040 << 32768;
        QTest::newRow("2000000") << 2000000 << 32768;
    }
    void audioDeviceBufferFollowsTheRate()
    {
        QFETCH(int, rate);
        QFETCH(int, samples);
        qputenv("SDL_AUDIODRIVER", "dummy");
        QCOMPARE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
        auto* is = new VideoState();
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        AudioParams params{};
        dirtyTheStack();
        const int size = audio_open(is, &stereo, rate, &params);
        QCOMPARE(size, samples * 2 * 2);
        QCOMPARE(params.freq, rate);
        QCOMPARE(params.ch_layout.nb_channels, 2);
        QCOMPARE(params.frame_size, 4);
        QCOMPARE(params.bytes_per_sec, rate * 4);
        SDL_CloseAudioDevice(audio_dev);
        audio_dev = 0;
        av_channel_layout_uninit(&params.ch_layout);
        AudioParams bad{};
        dirtyTheStack();
        QCOMPARE(audio_open(is, &stereo, 0, &bad), -1);
        delete is;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

QTEST_GUILESS_MAIN(TestPlayerEngine)
#include "tst_playerengine.moc"
