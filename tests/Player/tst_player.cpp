// Headless playback through the player's API: dummy SDL drivers, generated
// clips, every start guarded by a watchdog.
#include <QtTest>

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <atomic>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <malloc.h>
#include <memory>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include "AllocatorSettings.h"
#include "FifoGuard.h"
#include "PlayerTestKit.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

using PlayerTestKit::Owner;
using PlayerTestKit::Play;
using PlayerTestKit::Steps;

// The owner's stop handler, reached by name like the real windows' handlers.
// Calls check every intervalMs (inside the player's loop) until it returns true.
template <class Check>
static void PollUntil(QObject* context, int intervalMs, Check check)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, check]() mutable {
        if (check())
            timer->stop();
    });
    timer->start(intervalMs);
}

static std::atomic<int> s_volumeWarnings{0};
static void countVolumeWarnings(void*, int, const char* format, va_list args)
{
    if (std::strcmp(format, "-volume=%d > 100, setting to 100\n"))
        return;
    va_list copy;
    va_copy(copy, args);
    if (va_arg(copy, int) == 128)
        ++s_volumeWarnings;
    va_end(copy);
}

// The allocator is set up as the program sets it up, before any thread; any
// later change of its settings (unsafe while other threads allocate) is
// counted here.
[[maybe_unused]] static const bool s_allocatorSet = (ApplyAllocatorSettings(), true);
static std::atomic<int> s_malloptCalls{0};
extern "C" int mallopt(int param, int value) noexcept
{
    ++s_malloptCalls;
    static const auto real = reinterpret_cast<int (*)(int, int)>(dlsym(RTLD_NEXT, "mallopt"));
    return real ? real(param, value) : 0;
}

// How many of the pages are in memory.
static int residentPages(const QSet<char*>& pages)
{
    int count = 0;
    for (char* page : pages) {
        unsigned char in = 0;
        if (mincore(page, 1, &in) == 0 && (in & 1))
            ++count;
    }
    return count;
}

// Writes every page of a buffer of the given size, then frees it.
static void useBuffer(size_t size)
{
    volatile char* buffer = static_cast<char*>(std::malloc(size));
    for (size_t at = 0; at < size; at += 4096)
        buffer[at] = 1;
    std::free(const_cast<char*>(buffer));
}

static JxPlayerStats Stats()
{
    JxPlayerStats stats;
    JxPlayerGetStats(&stats);
    return stats;
}

static bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 70 && qBlue(c) < 70; }
static bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 70 && qGreen(c) < 70; }
static bool isBlack(QRgb c) { return qRed(c) < 20 && qGreen(c) < 20 && qBlue(c) < 20; }

class TestPlayer : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_malloptCalls = 0;
    QString m_video;      // 1 s with sound
    QString m_long;       // 4 s with sound
    QString m_red;        // solid red with sound
    QString m_halves;     // left half blue, right half red, no sound
    QString m_ts;         // MPEG-TS, starts at about 1.4 s
    QString m_audio;      // sound only
    QWidget m_host;

    // Runs a playback of the halves clip with the filter text and returns the
    // last presented picture of the player window.
    QImage screenWithFilter(const char* filter, const QString& clip = QString())
    {
        if (filter)
            JxPlayerAddVfilter(filter);
        Owner owner;
        QImage screen;
        QObject context;
        // The clips are still pictures: the first one drawn will do.
        PollUntil(&context, 50, [&]() {
            return JxPlayerReadScreen(&screen) && !isBlack(screen.pixel(screen.width() / 2, screen.height() / 2));
        });
        const auto run = Play(clip.isEmpty() ? m_halves : clip, &m_host, &owner, 15000);
        if (run.timedOut)
            return QImage();
        return screen;
    }

private slots:
    void initTestCase()
    {
        av_log_set_level(AV_LOG_ERROR);
        QVERIFY(m_dir.isValid());
        const QString d = m_dir.path();
        m_video = TestMedia::MakeVideo(d, "video.mp4", 1.0);
        m_long = TestMedia::MakeVideo(d, "long.mp4", 4.0, 320, 240, 25, {"-g", "50"});
        m_red = TestMedia::MakeSolidVideo(d, "red", "red.mp4", 1.5);
        m_audio = TestMedia::MakeAudio(d, "audio.mp3", 1.0);
        m_halves = QDir(d).filePath("halves.mp4");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i",
                                         "color=c=red:size=320x240:rate=25,"
                                         "drawbox=x=0:y=0:w=160:h=240:color=blue:t=fill",
                                         "-t", "1.2", "-pix_fmt", "yuv420p", m_halves}));
        m_ts = TestMedia::MakeVideo(d, "clip.ts", 4.0, 320, 240, 25, {"-g", "25", "-f", "mpegts"});
        QVERIFY(!m_video.isEmpty() && !m_long.isEmpty() && !m_red.isEmpty() && !m_audio.isEmpty()
                && !m_ts.isEmpty());
        QVERIFY(TestMedia::Probe(m_ts).ok);
        m_host.resize(320, 240);
        m_malloptCalls = s_malloptCalls;
    }

    // Starts and stops leave the allocator's settings alone.
    void cleanupTestCase() { QCOMPARE(s_malloptCalls.load(), m_malloptCalls); }

    void withoutStreamTheFunctionsReturnTheirIdleValues()
    {
        QCOMPARE(JxPlayerPause(), -1);
        QCOMPARE(JxPlayerStop(), 0);
        QCOMPARE(JxPlayerStop(), 0);
        QCOMPARE(JxPlayerGetPosition(), qint64(0));
        QCOMPARE(JxPlayerSetPosition(3.0), -1);
        QCOMPARE(JxPlayerGetDuration(), qint64(0));
        QCOMPARE(JxPlayerResize(0, 0, 100, 100), 0);
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(JxPlayerGetVolume(), -1);
        QCOMPARE(JxPlayerSetVolume(64), -1);
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::green);
        QCOMPARE(JxPlayerGetPicture(&image, 8, 8), 0);
        QCOMPARE(image.pixel(0, 0), QColor(Qt::green).rgb());
        QCOMPARE(JxPlayerGetPicture(nullptr, 8, 8), 0);
    }

    void playingToTheEndCallsTheStopHandlerOnce()
    {
        Owner owner;
        qint64 duration = 0;
        int state = 0;
        Steps steps;
        steps.then("file open", [&]() {
            duration = JxPlayerGetDuration();
            state = JxPlayerGetPlayState();
            return duration > 0;
        });
        const auto run = Play(m_video, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);
        QCOMPARE(owner.stateAtStop, 1);
        QVERIFY2(run.elapsedMs >= 800, qPrintable(QString::number(run.elapsedMs)));
        QVERIFY(qAbs(duration - 1000000) < 100000);
        QCOMPARE(state, 1);
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(g_nPlayWindow, 0);
    }

    void positionAdvancesWhilePlayingAndHoldsWhilePaused()
    {
        // The position is the sound clock: each callback of the device sets it,
        // stamped with the callback's start, and it runs on with real time.
        Owner owner;
        qint64 p1 = -1, p2 = -1, p3 = -1, p4 = -1, p5 = -1, passed = 0;  // µs
        double pausedAt = 0, heldAt = 0;
        int pausedState = 0, pauseResult = 1;
        JxPlayerStats atPause, whilePaused;
        Steps steps;
        steps.then("playing", [&]() { return (p1 = JxPlayerGetPosition()) > 50000; })
            .then("advancing", [&]() {
                const double setAt = Stats().clock_set_at;
                if ((p2 = JxPlayerGetPosition()) < p1 + 300000)
                    return false;
                pauseResult = JxPlayerPause();
                p3 = JxPlayerGetPosition();
                pausedAt = QDeadlineTimer::current().deadlineNSecs() / 1e9;  // the clock's own time base
                passed = static_cast<qint64>((pausedAt - setAt) * 1000000);
                pausedState = JxPlayerGetPlayState();
                atPause = Stats();
                return true;
            })
            // Set by a callback begun after the pause: the sound is played out.
            .then("sound played out",
                  [&]() { return (heldAt = Stats().clock_set_at) > pausedAt && (p4 = JxPlayerGetPosition()) >= 0; })
            // Half a second of the device's time later, still paused.
            .then("paused a while", [&]() {
                if (Stats().clock_set_at < heldAt + 0.5)
                    return false;
                p5 = JxPlayerGetPosition();
                whilePaused = Stats();
                return JxPlayerPause() == 0;
            })
            .then("advancing again", [&]() {
                if (JxPlayerGetPosition() < p5 + 250000)
                    return false;
                g_nPlayWindow = 0;
                JxPlayerStop();
                return true;
            });
        const auto run = Play(m_long, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 0);  // stopped by its owner before the end
        QCOMPARE(pauseResult, 0);
        QCOMPARE(pausedState, 2);
        // Paused, the clock keeps its last setting: behind the reading before by
        // the time since then at most, ahead by that and one device buffer.
        const qint64 buffer = atPause.sound_buffer_us;
        QVERIFY2(qAbs(p3 - p2) <= passed + buffer, qPrintable(QString("%1 %2").arg(p3 - p2).arg(passed)));
        // The device plays out what it had: the frame under way and one buffer.
        QVERIFY2(qAbs(p4 - p3) <= 2 * buffer, qPrintable(QString::number(p4 - p3)));
        // Then it holds, and the picture on screen is the one of the pause.
        QCOMPARE(p5, p4);
        QCOMPARE(whilePaused.frames_shown, atPause.frames_shown);
        QCOMPARE(whilePaused.shown_pts, atPause.shown_pts);
    }

    void aSeekWhilePausedShowsOnePictureAndStaysPaused()
    {
        Owner owner;
        JxPlayerStats atPause, afterSeek;
        int stateAfterSeek = 0, stopsWhilePaused = -1;
        QElapsedTimer sinceSeek;
        Steps steps;
        steps.then("playing", [&]() {
                if (JxPlayerGetPosition() < 300000)
                    return false;
                JxPlayerPause();
                JxPlayerGetStats(&atPause);
                JxPlayerSetPosition(2.0);
                return true;
            })
            .then("picture of the new segment", [&]() {
                JxPlayerStats s;
                if (!JxPlayerGetStats(&s) || s.shown_serial == atPause.shown_serial)
                    return false;
                sinceSeek.start();
                return true;
            })
            // Long enough for a second picture, were it shown.
            .then("still paused", [&]() {
                if (sinceSeek.elapsed() < 600)
                    return false;
                JxPlayerGetStats(&afterSeek);
                stateAfterSeek = JxPlayerGetPlayState();
                stopsWhilePaused = owner.stops;
                JxPlayerPause();  // resume: plays on to the end
                return true;
            });
        const auto run = Play(m_long, &m_host, &owner, 20000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(stateAfterSeek, 2);
        QCOMPARE(stopsWhilePaused, 0);
        QCOMPARE(afterSeek.frames_shown, atPause.frames_shown + 1);
        QVERIFY(afterSeek.shown_serial != atPause.shown_serial);
        QVERIFY2(qAbs(afterSeek.shown_pts - 2.0) < 0.05, qPrintable(QString::number(afterSeek.shown_pts)));
        QCOMPARE(owner.stops, 1);
    }

    void pausedAtTheEndNoStopUntilResumed()
    {
        Owner owner;
        int stopsWhilePaused = -1;
        QElapsedTimer paused;
        Steps steps;
        steps.then("near the end", [&]() {
                if (JxPlayerGetPosition() < 700000 || JxPlayerPause() != 0)
                    return false;
                paused.start();
                return true;
            })
            // Paused for more than the rest of the clip, read to its end by
            // now (a paused stream is still read): still no stop.
            .then("paused at the end", [&]() {
                if (paused.elapsed() < 1500)
                    return false;
                stopsWhilePaused = owner.stops;
                return JxPlayerPause() == 0;
            });
        const auto run = Play(m_video, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(stopsWhilePaused, 0);
        QCOMPARE(owner.stops, 1);
    }

    void seekLandsAtOrJustAfterItsTarget_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("target");
        QTest::newRow("mp4 forward") << QString("long") << 2.5;
        QTest::newRow("mpegts forward") << QString("ts") << 2.2;
        QTest::newRow("mpegts backward") << QString("ts-back") << 0.5;
    }
    void seekLandsAtOrJustAfterItsTarget()
    {
        QFETCH(QString, file);
        QFETCH(double, target);
        const bool backward = file == "ts-back";
        const QString path = file == "long" ? m_long : m_ts;
        Owner owner;
        qint64 before = -1, landed = -1, settled = -1, later = -1;
        double firstPicture = -1;  // seconds on the file's timeline
        int first = 1;
        int serialBefore = -1;
        QElapsedTimer sinceSeek;
        qint64 settledAfterMs = 0;
        qint64 landedAfterMs = 0;
        QObject context;
        // Ask once the playback has got going (past 1.2 s for the backward seek).
        PollUntil(&context, 10, [&]() {
            const qint64 now = JxPlayerGetPosition();
            if (now < (backward ? 1200000 : 200000))
                return false;
            before = now;
            JxPlayerStats stats;
            JxPlayerGetStats(&stats);
            serialBefore = stats.shown_serial;
            sinceSeek.start();
            first = JxPlayerSetPosition(target);
            // The first reading once a picture of the new segment is on screen.
            PollUntil(&context, 5, [&]() {
                JxPlayerStats s;
                const qint64 pos = JxPlayerGetPosition();
                if (!JxPlayerGetStats(&s) || s.shown_serial == serialBefore)
                    return false;
                if (firstPicture < 0)
                    firstPicture = s.shown_pts;
                if (pos <= 0)
                    return false;
                landed = pos;
                landedAfterMs = sinceSeek.elapsed();
                // Read again once the clock as the player keeps it has reached
                // the target, and once it has moved past that reading.
                PollUntil(&context, 5, [&]() {
                    const double kept = Stats().clock_kept;
                    if (settled < 0 && kept >= target) {
                        settled = JxPlayerGetPosition();
                        settledAfterMs = sinceSeek.elapsed();
                    }
                    if (settled < 0 || kept * 1000000 <= settled)
                        return false;
                    later = JxPlayerGetPosition();
                    g_nPlayWindow = 0;
                    JxPlayerStop();
                    return true;
                });
                return true;
            });
            return true;
        });
        const auto run = Play(path, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QCOMPARE(first, 0);
        QVERIFY2(before > 0, qPrintable(QString::number(before)));
        const qint64 t = static_cast<qint64>(target * 1000000);
        // The audio clock counts the device's buffered sound as not yet heard,
        // so the very first reading may stand up to two device buffers
        // (about 0.1 s) before the target. Past the target, a reading is
        // allowed the time that really passed since the seek was asked for.
        QVERIFY2(landed >= t - 100000 && landed <= t + 300000 + landedAfterMs * 1000,
                 qPrintable(QString("landed %1 target %2").arg(landed).arg(t)));
        QVERIFY2(settled >= t && settled <= t + 300000 + settledAfterMs * 1000,
                 qPrintable(QString("settled %1 target %2").arg(settled).arg(t)));
        QVERIFY2(later > settled, qPrintable(QString("later %1 settled %2").arg(later).arg(settled)));
        // The first picture after the seek is the one at the target (25 fps).
        QVERIFY2(firstPicture >= target - 0.001 && firstPicture < target + 0.1,
                 qPrintable(QString("first picture %1 target %2").arg(firstPicture).arg(target)));
    }

    void grabOfASolidRedSourceIsRedAtTheRequestedSize()
    {
        Owner owner;
        QImage small, large, tall;
        QObject context;
        bool untouchedStayedNull = false;
        PollUntil(&context, 50, [&]() {
            JxPlayerGetPicture(&small, 64, 48);
            if (small.isNull())
                return false;  // nothing decoded yet
            JxPlayerGetPicture(&large, 400, 300);
            // A narrow, tall size once made the scaler write past the picture.
            JxPlayerGetPicture(&tall, 200, 1920);
            QImage untouched;
            JxPlayerGetPicture(&untouched, 0, 48);
            JxPlayerGetPicture(&untouched, -5, -5);
            untouchedStayedNull = untouched.isNull();
            return true;
        });
        const auto run = Play(m_red, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY(untouchedStayedNull);
        QCOMPARE(small.size(), QSize(64, 48));
        QCOMPARE(small.format(), QImage::Format_RGB32);
        QCOMPARE(large.size(), QSize(400, 300));
        QCOMPARE(tall.size(), QSize(200, 1920));
        for (const QImage* image : {&small, &large, &tall})
            for (const QPoint& p : {QPoint(0, 0), QPoint(image->width() / 2, image->height() / 2),
                                    QPoint(image->width() - 1, image->height() - 1)})
                QVERIFY2(isRed(image->pixel(p)), qPrintable(QColor(image->pixel(p)).name()));
    }

    void filterTextIsApplied()
    {
        const QImage plain = screenWithFilter(nullptr);
        QCOMPARE(plain.size(), QSize(320, 240));
        QVERIFY(isBlue(plain.pixel(40, 120)));
        QVERIFY(isRed(plain.pixel(280, 120)));

        const QImage flipped = screenWithFilter("hflip");
        QCOMPARE(flipped.size(), QSize(320, 240));
        QVERIFY(isRed(flipped.pixel(40, 120)));
        QVERIFY(isBlue(flipped.pixel(280, 120)));

        // 100x50 fitted into 320x240 is 320x160, centred: black bands above and below.
        const QImage cropped = screenWithFilter("crop=100:50");
        QCOMPARE(cropped.size(), QSize(320, 240));
        QVERIFY(isBlack(cropped.pixel(160, 20)));
        QVERIFY(isBlack(cropped.pixel(160, 225)));
        QVERIFY(isBlue(cropped.pixel(20, 120)));
        QVERIFY(isRed(cropped.pixel(300, 120)));

        // Every start empties the list: the next start plays unfiltered.
        const QImage again = screenWithFilter(nullptr);
        QVERIFY(isBlue(again.pixel(40, 120)));

        // A text added while a stream plays goes with that stream's stop.
        {
            Owner owner;
            Steps steps;
            steps.then("playing", [&]() {
                if (JxPlayerGetPlayState() != 1)
                    return false;
                JxPlayerAddVfilter("hflip");
                g_nPlayWindow = 0;
                JxPlayerStop();
                return true;
            });
            QVERIFY(!Play(m_video, &m_host, &owner, 15000).timedOut);
            QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        }
        const QImage afterStop = screenWithFilter(nullptr);
        QVERIFY(isBlue(afterStop.pixel(40, 120)));

        // Only the first text added before a start is used.
        JxPlayerAddVfilter("hflip");
        const QImage firstOnly = screenWithFilter("crop=100:50");
        QCOMPARE(firstOnly.size(), QSize(320, 240));
        QVERIFY(isRed(firstOnly.pixel(40, 120)));
        QVERIFY(isBlue(firstOnly.pixel(280, 120)));
        QVERIFY(!isBlack(firstOnly.pixel(160, 20)));
    }

    void rotatedVideoIsTurnedUpright()
    {
        // Display matrix of a quarter turn: the halves clip shows as 240x320,
        // pillarboxed in the 320x240 window, its left (blue) half at the bottom.
        const QString rotated = m_dir.filePath("rotated.mp4");
        QVERIFY(TestMedia::RunConverter({"-i", m_halves, "-c", "copy", "-metadata:s:v:0", "rotate=90", rotated}));
        const QImage screen = screenWithFilter(nullptr, rotated);
        QCOMPARE(screen.size(), QSize(320, 240));
        QVERIFY(isBlack(screen.pixel(20, 120)));
        QVERIFY(isBlack(screen.pixel(300, 120)));
        QVERIFY(isRed(screen.pixel(160, 30)));
        QVERIFY(isBlue(screen.pixel(160, 210)));
    }

    void textSubtitleStreamsAreIgnored()
    {
        const QString srt = m_dir.filePath("cue.srt");
        QFile f(srt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1\n00:00:00,000 --> 00:00:00,800\nHello\n");
        f.close();
        const QString withSubs = m_dir.filePath("subs.mkv");
        QVERIFY(TestMedia::RunConverter({"-i", m_video, "-i", srt, "-c:v", "copy", "-c:a", "copy", "-c:s", "srt",
                                         withSubs}));
        Owner owner;
        const auto run = Play(withSubs, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QCOMPARE(owner.stops, 1);
        QVERIFY(run.elapsedMs >= 800);
    }

    void unplayableInputsEndThroughTheStopHandler_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("empty name") << "empty";
        QTest::newRow("garbage file") << "garbage";
        QTest::newRow("unparsable filter") << "filter";
        QTest::newRow("unknown filter") << "unknown";
        QTest::newRow("neither picture nor sound") << "subtitles only";
        // Opening a pipe waits for a writer; a script would open what it names.
        QTest::newRow("a pipe") << "pipe";
        QTest::newRow("a concat script naming a pipe") << "script";
        // Played from what was opened: the name is not opened again.
        QTest::newRow("a file whose name becomes a pipe once opened") << "swapped";
    }
    void unplayableInputsEndThroughTheStopHandler()
    {
        QFETCH(QString, kind);
        QString path = m_video;
        std::unique_ptr<FifoGuard> pipe;
        std::unique_ptr<PipeSwap> swap;
        if (kind == "missing")
            path = m_dir.filePath("no-such-file.mp4");
        else if (kind == "empty")
            path.clear();
        else if (kind == "garbage") {
            path = m_dir.filePath("garbage.mp4");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray junk;
            for (int i = 0; i < 100000; i++)
                junk.append(static_cast<char>((i * 7919 + 13) % 251));
            f.write(junk);
        } else if (kind == "subtitles only") {
            path = m_dir.filePath("only.srt");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("1\n00:00:00,000 --> 00:00:01,000\nHello\n");
        } else if (kind == "pipe" || kind == "script") {
            path = m_dir.filePath("fifo-" + kind + ".mp4");
            pipe = std::make_unique<FifoGuard>(path);
            QVERIFY(pipe->Made());
            if (kind == "script") {
                path = m_dir.filePath("script.mp4");
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("ffconcat version 1.0\nfile fifo-script.mp4\n");
            }
        } else if (kind == "swapped") {
            path = m_dir.filePath("swapped.mp4");
            QVERIFY(QFile::copy(m_video, path));
            swap = std::make_unique<PipeSwap>(path);
        } else if (kind == "filter") {
            JxPlayerAddVfilter("crop=(((");
        } else {
            JxPlayerAddVfilter("no_such_filter_name=1");
        }
        Owner owner;
        const auto run = Play(path, &m_host, &owner, 10000);
        QVERIFY(!run.timedOut);
        QCOMPARE(owner.stops, 1);
        QVERIFY(run.elapsedMs < 5000);
        QCOMPARE(JxPlayerGetPlayState(), 4);
        if (pipe)
            QVERIFY(!pipe->WasOpened());
        if (swap)
            QVERIFY(swap->Pipe() && !swap->Pipe()->WasOpened());
    }

    void audioOnlyFilesPlay()
    {
        Owner owner;
        JxPlayerStats stats;
        Steps steps;
        steps.then("position advancing", [&]() { return JxPlayerGetPosition() > 100000 && JxPlayerGetStats(&stats); });
        const auto run = Play(m_audio, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);
        QCOMPARE(stats.show_mode, 2);
        QVERIFY(run.elapsedMs >= 800);
    }

    void coverArtIsShownAndQueuedAgainAfterASeek()
    {
        const QString picture = TestMedia::MakeImage(m_dir.path(), "cover.png", 64, 64, "red");
        const QString withCover = m_dir.filePath("cover.mp3");
        QVERIFY(!picture.isEmpty());
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=sample_rate=44100:duration=1.5", "-i", picture,
                                         "-map", "0", "-map", "1", "-c:a", "libmp3lame", "-c:v", "png",
                                         "-disposition:v:0", "attached_pic", withCover}));
        Owner owner;
        JxPlayerStats stats;
        QImage before, after;
        int serialBefore = -1;
        Steps steps;
        steps.then("cover shown", [&]() {
                if (!JxPlayerGetStats(&stats) || stats.frames_shown < 1 || JxPlayerGetPosition() < 300000
                    || !JxPlayerReadScreen(&before))
                    return false;
                serialBefore = stats.shown_serial;
                return JxPlayerSetPosition(0.2) == 0;
            })
            .then("cover shown again", [&]() {
                return JxPlayerGetStats(&stats) && stats.shown_serial != serialBefore && JxPlayerReadScreen(&after);
            });
        const auto run = Play(withCover, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);  // plays to the end of the sound
        QVERIFY2(run.elapsedMs >= 1200, qPrintable(QString::number(run.elapsedMs)));
        QCOMPARE(stats.show_mode, 0);
        QVERIFY(stats.shown_serial != serialBefore);  // the picture came again after the seek
        for (const QImage* screen : {&before, &after}) {
            QCOMPARE(screen->size(), QSize(320, 240));
            QVERIFY(isRed(screen->pixel(160, 120)));
        }
    }

    void aSampleRateChangeKeepsTheDeviceFormat()
    {
        // Two sound-only MPEG-TS parts, 44.1 kHz then 48 kHz, one after the other.
        const QString first = m_dir.filePath("rate1.ts");
        const QString second = m_dir.filePath("rate2.ts");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=sample_rate=44100:duration=1", "-c:a", "mp2",
                                         "-f", "mpegts", first}));
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=sample_rate=48000:duration=1", "-c:a", "mp2",
                                         "-output_ts_offset", "1", "-f", "mpegts", second}));
        const QString joined = m_dir.filePath("rates.ts");
        QFile out(joined);
        QVERIFY(out.open(QIODevice::WriteOnly));
        for (const QString& part : {first, second}) {
            QFile in(part);
            QVERIFY(in.open(QIODevice::ReadOnly));
            out.write(in.readAll());
        }
        out.close();

        Owner owner;
        int rateEarly = 0, rateLate = 0;
        qint64 positionLate = -1;
        Steps steps;
        steps.then("sound playing", [&]() { return JxPlayerGetPosition() > 0 && (rateEarly = cur_stream->audio_tgt.freq) > 0; })
            .then("into the second part", [&]() {
                positionLate = JxPlayerGetPosition();
                rateLate = cur_stream->audio_tgt.freq;
                return positionLate > 1100000;
            });
        const auto run = Play(joined, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);
        QVERIFY(rateEarly > 0);
        QCOMPARE(rateLate, rateEarly);
        QVERIFY2(positionLate > 1000000 && positionLate < 1900000, qPrintable(QString::number(positionLate)));
        QVERIFY2(run.elapsedMs >= 1800, qPrintable(QString::number(run.elapsedMs)));
    }

    void resizingWhilePlayingIsSafe()
    {
        Owner owner;
        const QList<QSize> sizes{{200, 150}, {640, 360}, {320, 240}, {97, 61}, {800, 600}, {1, 1}, {480, 270}};
        QSize screenSize;
        int result = 0;
        Steps steps;
        steps.then("first picture", [&]() {
            JxPlayerStats stats;
            return JxPlayerGetStats(&stats) && stats.frames_shown > 0;
        });
        // One size per turn of the player's loop, each with pictures drawn.
        for (const QSize& size : sizes)
            steps.then("resize", [&, size]() {
                result |= JxPlayerResize(10, 10, size.width(), size.height());
                return true;
            });
        steps.then("picture at the last size", [&]() {
            QImage screen;
            if (JxPlayerReadScreen(&screen))
                screenSize = screen.size();
            if (screenSize != QSize(480, 270))
                return false;
            owner.OnStop();
            return true;
        });
        const auto run = Play(m_long, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(result, 0);
        QCOMPARE(owner.stops, 1);
        QCOMPARE(screenSize, QSize(480, 270));
        QCOMPARE(m_host.size(), QSize(480, 270));
        m_host.setMinimumSize(0, 0);
        m_host.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_host.resize(320, 240);
    }

    void narrowingTheSpectrumViewWhileItScrollsIsSafe()
    {
        // The spectrum's column runs across the window; a resize narrower than
        // where it stands must not draw outside the new, smaller texture.
        const QString sound = TestMedia::MakeAudio(m_dir.path(), "spectrum.mp3", 3.0);
        QVERIFY(!sound.isEmpty());
        Owner owner;
        int columnBefore = -1, columnAfter = -1, widthAfter = -1;
        Steps steps;
        steps.then("column far across", [&]() {
                columnBefore = cur_stream->xpos;
                return columnBefore > 20 && JxPlayerResize(0, 0, 8, 120) == 0;
            })
            .then("column drawn in the narrow view", [&]() {
                columnAfter = cur_stream->xpos;
                widthAfter = cur_stream->width;
                if (columnAfter >= 8)
                    return false;
                g_nPlayWindow = 0;
                JxPlayerStop();
                return true;
            });
        const auto run = Play(sound, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QVERIFY2(columnBefore > 20, qPrintable(QString::number(columnBefore)));  // one column per 0.02 s
        QCOMPARE(widthAfter, 8);
        QVERIFY2(columnAfter >= 0 && columnAfter < 8, qPrintable(QString::number(columnAfter)));
        m_host.setMinimumSize(0, 0);
        m_host.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_host.resize(320, 240);
    }

    void stopWhileOpeningThenANewStartPlaysTheNewFile()
    {
        Owner first;
        QObject context;
        int staleGeneration = 0;
        QTimer::singleShot(0, &context, [&]() {
            if (cur_stream)
                staleGeneration = cur_stream->generation;
            first.OnStop();
        });
        const auto early = Play(m_long, &m_host, &first, 10000);
        QVERIFY(!early.timedOut);
        QCOMPARE(first.stops, 1);
        QVERIFY2(first.positionAtStop < 1000000, qPrintable(QString::number(first.positionAtStop)));  // not played on
        QVERIFY(staleGeneration > 0);

        // A quit event of the stopped stream must not end the next one.
        SDL_Event stale{};
        stale.type = FF_QUIT_EVENT;
        stale.user.code = staleGeneration;
        SDL_PushEvent(&stale);

        Owner second;
        const auto run = Play(m_video, &m_host, &second, 15000);
        QVERIFY(!run.timedOut);
        QCOMPARE(second.stops, 1);
        QVERIFY2(run.elapsedMs >= 800, qPrintable(QString::number(run.elapsedMs)));
        QVERIFY(second.positionAtStop > 500000);
    }

    void unknownDurationReportsTheClock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("live matroska with sound") << "live";
        QTest::newRow("raw H.264 without timestamps") << "raw";
    }
    void unknownDurationReportsTheClock()
    {
        QFETCH(QString, kind);
        const bool live = kind == "live";
        // Matroska written as a live stream carries no duration; a raw H.264
        // stream has neither a duration nor any time stamps, so no clock.
        const QString path = m_dir.filePath(live ? "live.mkv" : "raw.h264");
        QStringList args{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25"};
        if (live)
            args << "-f" << "lavfi" << "-i" << "sine=sample_rate=44100";
        args << "-t" << "1.5" << "-pix_fmt" << "yuv420p";
        if (live)
            args << "-c:v" << "libx264" << "-live" << "1" << path;
        else
            args << "-f" << "h264" << path;
        QVERIFY(TestMedia::RunConverter(args));
        Owner owner;
        qint64 duration = -1, position = -1, highest = -1;
        double kept = -1;  // the clock as the player keeps it
        QObject context;
        PollUntil(&context, 20, [&]() {
            position = JxPlayerGetPosition();
            duration = JxPlayerGetDuration();
            highest = qMax(highest, position);
            kept = qMax(kept, Stats().clock_kept);
            return false;
        });
        const auto run = Play(path, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QCOMPARE(owner.stops, 1);
        QCOMPARE(duration, qint64(0));
        // The reported position runs on with real time between the settings of
        // the clock; the clock as the player keeps it stays within the sound.
        if (live)
            QVERIFY2(highest > 700000 && kept < 1.7, qPrintable(QString("%1 %2").arg(highest).arg(kept)));
        else
            QCOMPARE(highest, qint64(0));
    }

    void aStartWhilePlayingReplacesTheStreamWithItsOwnFilter()
    {
        Owner first, second;
        QImage nestedScreen;
        int stateAfter = 0, firstStopsBeforeSecond = -1;
        Steps steps;
        steps.then("first playing", [&]() {
            if (JxPlayerGetPlayState() != 1)
                return false;
            // A nested start from a slot: the filter added for it must survive
            // the replaced stream's stop.
            JxPlayerAddVfilter("hflip");
            QObject inner;
            PollUntil(&inner, 50, [&]() {
                if (firstStopsBeforeSecond < 0)
                    firstStopsBeforeSecond = first.stops;
                return JxPlayerReadScreen(&nestedScreen) && !isBlack(nestedScreen.pixel(160, 120));
            });
            Play(m_halves, &m_host, &second, 15000);
            stateAfter = JxPlayerGetPlayState();
            return true;
        });
        const auto run = Play(m_long, &m_host, &first, 20000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        // The first owner was told at once, before the second stream played.
        QCOMPARE(first.stops, 1);
        QCOMPARE(firstStopsBeforeSecond, 1);
        QCOMPARE(second.stops, 1);
        QCOMPARE(stateAfter, 4);
        QVERIFY2(first.positionAtStop < 3000000, qPrintable(QString::number(first.positionAtStop)));  // not at its end
        QCOMPARE(nestedScreen.size(), QSize(320, 240));
        QVERIFY(isRed(nestedScreen.pixel(40, 120)));
        QVERIFY(isBlue(nestedScreen.pixel(280, 120)));
    }

    // The pictures a preview decoded leave memory with Stop, wherever the
    // decoder threads' arenas keep them.
    void stopGivesBackTheDecodedPictures()
    {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("the sanitizer's allocator keeps freed memory itself");
#endif
        const QString clip = TestMedia::MakeVideo(m_dir.path(), "large.mp4", 2.0, 1280, 720);
        QVERIFY(!clip.isEmpty());
        // Once a program has freed a large buffer, glibc keeps buffers of a
        // picture's size in the threads' arenas instead of mapping them.
        useBuffer(16 << 20);
        const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
        Owner owner;
        QSet<char*> pages;
        int beforeStop = -1, afterStop = -1;
        Steps steps;
        steps.then("pictures decoded", [&]() {
            if (!cur_stream)
                return false;
            {
                std::lock_guard<std::mutex> guard(g_lock);
                for (const AVBufferRef* buf : cur_stream->held_picture->buf) {
                    if (!buf)
                        continue;
                    const uintptr_t end = uintptr_t(buf->data) + buf->size;
                    for (uintptr_t at = (uintptr_t(buf->data) + page - 1) & ~(page - 1); at + page <= end; at += page)
                        pages.insert(reinterpret_cast<char*>(at));
                }
            }
            if (JxPlayerGetPosition() < 1000000)
                return false;
            beforeStop = residentPages(pages);
            g_nPlayWindow = 0;
            JxPlayerStop();
            afterStop = residentPages(pages);
            return true;
        });
        const auto run = Play(clip, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QVERIFY2(beforeStop > pages.size() * 9 / 10, qPrintable(QString::number(beforeStop)));
        QVERIFY2(afterStop < pages.size() / 10, qPrintable(QString::number(afterStop)));
    }

    // What Stop gives back costs the playback nothing: after a preview,
    // buffers of a picture's size are reused, not mapped and faulted in anew
    // for every picture.
    void pictureSizedBuffersAreReusedAfterAPreview()
    {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("the sanitizer's allocator maps large buffers itself");
#endif
        Owner owner;
        QVERIFY(!Play(m_video, &m_host, &owner, 15000).timedOut);
        // About a 4K picture, below the ceiling of glibc's own threshold.
        constexpr size_t kSize = 24 << 20;
        useBuffer(kSize);
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        for (int i = 0; i < 8; ++i)
            useBuffer(kSize);
        getrusage(RUSAGE_SELF, &after);
        // Mapped anew, each use would fault in all of its pages.
        const long faults = after.ru_minflt - before.ru_minflt;
        QVERIFY2(faults < long(kSize / 4096), qPrintable(QString::number(faults)));
    }

    void destroyingTheHostEndsThePlaybackThroughItsOwner()
    {
        Owner owner;
        auto* host = new QWidget;
        host->resize(320, 240);
        Steps steps;
        steps.then("playing", [&]() {
            if (JxPlayerGetPosition() < 200000)
                return false;
            delete host;
            return true;
        });
        const auto run = Play(m_long, host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);
        QVERIFY2(owner.positionAtStop < 3000000, qPrintable(QString::number(owner.positionAtStop)));  // not at the end
        QCOMPARE(JxPlayerGetPlayState(), 4);
    }

    void volumeStaysWithinTheMixerRange()
    {
        // Every start after the first finds the volume already rewritten to
        // the mixer's 128, warns about it and still plays at full volume.
        s_volumeWarnings = 0;
        av_log_set_callback(countVolumeWarnings);
        Owner owner;
        int high = 0, low = 0, mid = 0, read = 0, initial = 0;
        Steps steps;
        steps.then("first picture", [&]() {
            JxPlayerStats stats;
            if (!JxPlayerGetStats(&stats) || stats.frames_shown < 1)
                return false;
            initial = JxPlayerGetVolume();
            high = JxPlayerSetVolume(500);
            low = JxPlayerSetVolume(-3);
            mid = JxPlayerSetVolume(64);
            read = JxPlayerGetVolume();
            g_nPlayWindow = 0;
            JxPlayerStop();
            return true;
        });
        const auto run = Play(m_video, &m_host, &owner, 15000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        av_log_set_callback(av_log_default_callback);
        QCOMPARE(s_volumeWarnings.load(), 1);
        QCOMPARE(startup_volume, 128);
        QCOMPARE(initial, 128);  // every start plays at full volume
        QCOMPARE(high, 128);
        QCOMPARE(low, 0);
        QCOMPARE(mid, 64);
        QCOMPARE(read, 64);
    }
};

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
#include "moc_PlayerTestKit.cpp"
