// Preview playback against the system's ffplay on the same display: a 20 s
// 1080p30 H.264 clip with sound, drawn into a 1280x720 window.
//
// Figures, per pair of runs (both players in the same loop, the order
// swapped every pair), then min/median/max of the ratios: frames dropped, CPU
// seconds, audio/video difference near the end, and the time from a seek
// request to the first new picture on screen. The clip carries a white
// marker in a black band whose x position encodes the playing time, so both
// players are timed the same way, by reading the screen.
//
// Run under X with SDL_AUDIODRIVER=dummy when the machine has no sound
// device, e.g. xvfb-run -a -s "-screen 0 1920x1080x24" ./bench_player [pairs]
// (3 pairs by default). Without a display the player runs headless and the
// ffplay and on-screen seek figures are skipped.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <dlfcn.h>
#include <sys/resource.h>
#include <thread>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "AllocatorSettings.h"
#include "BenchKit.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

extern "C" {
#include <libavutil/time.h>
}

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr double kSeconds = 20.0;
constexpr double kMarkerPixelsPerSecond = 60.0;  // 90 source pixels per second at 2/3 scale
constexpr int kMarkerRow = 26;

QString g_clip;

double CpuSeconds(int who)
{
    rusage ru{};
    getrusage(who, &ru);
    return ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec + ru.ru_stime.tv_usec / 1e6;
}

// Xlib and XTest through dlopen: the bench needs them only to read the screen
// and to press a key in ffplay's window.
struct X11 {
    void* xlib = nullptr;
    void* xtst = nullptr;
    void* (*OpenDisplay)(const char*) = nullptr;
    int (*CloseDisplay)(void*) = nullptr;
    unsigned long (*DefaultRootWindow)(void*) = nullptr;
    void* (*GetImage)(void*, unsigned long, int, int, unsigned, unsigned, unsigned long, int) = nullptr;
    int (*DestroyImage)(void*) = nullptr;
    unsigned char (*KeysymToKeycode)(void*, unsigned long) = nullptr;
    int (*Flush)(void*) = nullptr;
    int (*InitThreads)() = nullptr;
    int (*FakeKeyEvent)(void*, unsigned, int, unsigned long) = nullptr;
    int (*FakeMotionEvent)(void*, int, int, int, unsigned long) = nullptr;
    bool ok = false;

    X11()
    {
        xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
        xtst = dlopen("libXtst.so.6", RTLD_NOW);
        if (!xlib || !xtst)
            return;
        OpenDisplay = reinterpret_cast<decltype(OpenDisplay)>(dlsym(xlib, "XOpenDisplay"));
        CloseDisplay = reinterpret_cast<decltype(CloseDisplay)>(dlsym(xlib, "XCloseDisplay"));
        DefaultRootWindow = reinterpret_cast<decltype(DefaultRootWindow)>(dlsym(xlib, "XDefaultRootWindow"));
        GetImage = reinterpret_cast<decltype(GetImage)>(dlsym(xlib, "XGetImage"));
        DestroyImage = reinterpret_cast<decltype(DestroyImage)>(dlsym(xlib, "XDestroyImage"));
        KeysymToKeycode = reinterpret_cast<decltype(KeysymToKeycode)>(dlsym(xlib, "XKeysymToKeycode"));
        Flush = reinterpret_cast<decltype(Flush)>(dlsym(xlib, "XFlush"));
        InitThreads = reinterpret_cast<decltype(InitThreads)>(dlsym(xlib, "XInitThreads"));
        FakeKeyEvent = reinterpret_cast<decltype(FakeKeyEvent)>(dlsym(xtst, "XTestFakeKeyEvent"));
        FakeMotionEvent = reinterpret_cast<decltype(FakeMotionEvent)>(dlsym(xtst, "XTestFakeMotionEvent"));
        ok = OpenDisplay && CloseDisplay && DefaultRootWindow && GetImage && KeysymToKeycode && Flush && InitThreads
            && FakeKeyEvent && FakeMotionEvent;
    }
};

X11& Xlib()
{
    static X11 x;
    return x;
}

// The start of XImage as Xlib lays it out (width, height, xoffset, format,
// data, ...); only the pixel row is read, as 32-bit pixels.
struct XImageHead {
    int width, height, xoffset, format;
    char* data;
    int byte_order, bitmap_unit, bitmap_bit_order, bitmap_pad, depth, bytes_per_line, bits_per_pixel;
};

// Reads the playing time the marker shows on screen; NaN when none is seen.
double ScreenTime(void* display)
{
    X11& x = Xlib();
    constexpr unsigned long AllPlanes = ~0UL;
    constexpr int ZPixmap = 2;
    void* image = x.GetImage(display, x.DefaultRootWindow(display), 0, kMarkerRow, kWidth, 1, AllPlanes, ZPixmap);
    if (!image)
        return NAN;
    const auto* head = static_cast<const XImageHead*>(image);
    double result = NAN;
    if (head->bits_per_pixel == 32) {
        const auto* row = reinterpret_cast<const uint32_t*>(head->data);
        for (int i = 0; i < head->width; i++) {
            const uint32_t p = row[i];
            if (((p >> 16) & 0xff) > 200 && ((p >> 8) & 0xff) > 200 && (p & 0xff) > 200) {
                result = i / kMarkerPixelsPerSecond;
                break;
            }
        }
    }
    x.DestroyImage(image);
    return result;
}

// Waits until the screen shows a time above the given one; µs on the
// av_gettime_relative clock, or 0 on timeout.
int64_t WaitForScreenTime(void* display, double above, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const double t = ScreenTime(display);
        if (!std::isnan(t) && t > above)
            return av_gettime_relative();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return 0;
}

class HostWidget : public QWidget
{
public:
    explicit HostWidget(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    QPaintEngine* paintEngine() const override { return nullptr; }
};

// A-V difference samples over the last seconds of the clip.
constexpr double kDriftFrom = 16.5;
constexpr double kDriftTo = 19.3;
struct Drift {
    double sum = 0;
    int count = 0;
    double maxAbs = 0;
    void add(double ms)
    {
        sum += ms;
        count++;
        maxAbs = std::max(maxAbs, std::fabs(ms));
    }
    double mean() const { return count ? sum / count : NAN; }
};

struct Figures {
    double cpu = NAN;
    int drops = -1;
    double driftMs = NAN;
    double driftMaxMs = NAN;
    double seekMs = NAN;
    double seekInternalMs = NAN;
    bool native = false;
};

}  // namespace

class BenchOwner : public QWidget
{
    Q_OBJECT
public:
    JxPlayerStats stats;
    bool haveStats = false;
public slots:
    void OnStop()
    {
        haveStats = JxPlayerGetStats(&stats);
        g_nPlayWindow = 0;
        JxPlayerStop();
    }
};

namespace {

// Plays the clip through our player; with seek, asks for 15 s at 5 s and
// stops at 8 s.
void PlayOurs(bool seek, Figures* figures)
{
    QWidget top;
    top.setWindowFlags(Qt::FramelessWindowHint);
    top.setGeometry(0, 0, kWidth, kHeight);
    HostWidget host(&top);
    host.setGeometry(0, 0, kWidth, kHeight);
    top.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents();

    BenchOwner owner;
    QObject context;
    Drift drift;
    void* display = nullptr;
    if (seek && Xlib().ok && qgetenv("DISPLAY").size())
        display = Xlib().OpenDisplay(nullptr);
    std::thread poller;
    int64_t seekAt = 0;
    if (seek) {
        QTimer::singleShot(5000, &context, [&]() {
            seekAt = av_gettime_relative();
            JxPlayerSetPosition(15.0);
            if (display)
                poller = std::thread([&, display]() {
                    const int64_t shown = WaitForScreenTime(display, 12.0, 5000);
                    if (shown)
                        figures->seekMs = (shown - seekAt) / 1000.0;
                });
        });
        QTimer::singleShot(8000, &context, [&]() { owner.OnStop(); });
    } else {
        // The audio clock moves in device-buffer steps: average the last seconds.
        for (double at = kDriftFrom; at <= kDriftTo + 1e-9; at += 0.1)
            QTimer::singleShot(static_cast<int>(at * 1000), &context, [&]() {
                JxPlayerStats s;
                if (JxPlayerGetStats(&s) && !std::isnan(s.av_diff)) {
                    drift.add(s.av_diff * 1000.0);
                }
            });
    }
    const double cpu0 = CpuSeconds(RUSAGE_SELF);
    g_nPlayWindow = 1;
    JxPlayerStart(QFile::encodeName(g_clip).constData(), &host, &owner, nullptr, 0, 0, kWidth, kHeight);
    const double cpu1 = CpuSeconds(RUSAGE_SELF);
    if (poller.joinable())
        poller.join();
    if (display)
        Xlib().CloseDisplay(display);
    if (owner.haveStats) {
        figures->native = owner.stats.native_window;
        if (seek) {
            if (owner.stats.shown_serial_time > seekAt && seekAt)
                figures->seekInternalMs = (owner.stats.shown_serial_time - seekAt) / 1000.0;
        } else {
            figures->drops = owner.stats.drops_early + owner.stats.drops_late;
            figures->cpu = cpu1 - cpu0;
            figures->driftMs = drift.mean();
            figures->driftMaxMs = drift.maxAbs;
        }
    }
}

QStringList FfplayArgs(bool autoexit)
{
    QStringList args{"-hide_banner", "-x", QString::number(kWidth), "-y", QString::number(kHeight),
                     "-left", "0", "-top", "0", "-noborder", "-stats", "-loglevel", "info"};
    if (autoexit)
        args << "-autoexit";
    return args << g_clip;
}

void PlayFfplay(bool seek, Figures* figures)
{
    const QString ffplay = QStandardPaths::findExecutable("ffplay");
    if (ffplay.isEmpty() || qgetenv("DISPLAY").isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const double cpu0 = CpuSeconds(RUSAGE_CHILDREN);
    process.start(ffplay, FfplayArgs(!seek));
    if (!process.waitForStarted(10000))
        return;
    if (seek) {
        void* display = Xlib().ok ? Xlib().OpenDisplay(nullptr) : nullptr;
        if (display) {
            if (WaitForScreenTime(display, 5.0, 20000)) {
                X11& x = Xlib();
                x.FakeMotionEvent(display, -1, kWidth / 2, kHeight / 2, 0);
                const unsigned key = x.KeysymToKeycode(display, 0xff53);  // Right: ten seconds ahead
                x.FakeKeyEvent(display, key, 1, 0);
                x.FakeKeyEvent(display, key, 0, 0);
                x.Flush(display);
                const int64_t pressed = av_gettime_relative();
                const int64_t shown = WaitForScreenTime(display, 12.0, 5000);
                if (shown)
                    figures->seekMs = (shown - pressed) / 1000.0;
            }
            Xlib().CloseDisplay(display);
        }
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
        return;
    }
    process.waitForFinished(static_cast<int>(kSeconds * 1000) + 30000);
    const double cpu1 = CpuSeconds(RUSAGE_CHILDREN);
    figures->cpu = cpu1 - cpu0;
    // Status lines: "<master clock> A-V: <diff> fd= <drops> ..." separated by \r.
    const QString log = QString::fromLocal8Bit(process.readAllStandardError());
    const QRegularExpression status(R"((\d+\.\d+) A-V:\s*(-?\d+\.\d+) fd=\s*(\d+))");
    auto it = status.globalMatch(log);
    Drift drift;
    while (it.hasNext()) {
        const auto m = it.next();
        const double clock = m.captured(1).toDouble();
        figures->drops = m.captured(3).toInt();
        if (clock >= kDriftFrom && clock <= kDriftTo)
            drift.add(m.captured(2).toDouble() * 1000.0);
    }
    figures->driftMs = drift.mean();
    figures->driftMaxMs = drift.maxAbs;
}

bool MakeClip(const QString& dir)
{
    g_clip = dir + "/bench_1080p30.mp4";
    // Black band with a white marker whose x position is 90 px per second.
    const QString graph =
        "testsrc2=size=1920x1080:rate=30,drawbox=x=0:y=0:w=1920:h=80:color=black:t=fill[bg];"
        "color=c=white:size=40x80:rate=30[marker];"
        "[bg][marker]overlay=x='t*90':y=0:shortest=1";
    return TestMedia::RunConverter({"-f", "lavfi", "-i", graph, "-f", "lavfi", "-i",
                                    "sine=frequency=440:sample_rate=48000", "-t", QString::number(kSeconds),
                                    "-c:v", "libx264", "-preset", "veryfast", "-g", "30", "-pix_fmt", "yuv420p",
                                    "-c:a", "aac", "-ac", "2", "-shortest", g_clip},
                                   600000);
}

}  // namespace

int main(int argc, char** argv)
{
    ApplyAllocatorSettings();   // as the program does
    BenchKit::PrivateHome home;
    if (Xlib().ok && !qgetenv("DISPLAY").isEmpty())
        Xlib().InitThreads();
    QApplication app(argc, argv);
    av_log_set_level(AV_LOG_ERROR);
    const int pairs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    if (!dir.isValid() || !MakeClip(dir.path())) {
        std::fprintf(stderr, "cannot make the benchmark clip\n");
        return 1;
    }
    std::vector<double> cpuRatios;
    std::vector<double> seekRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        Figures ours;
        Figures ffplay;
        Figures oursSeek;
        Figures ffplaySeek;
        BenchKit::RunPair(
            pair,
            [&] {
                PlayOurs(false, &ours);
                PlayOurs(true, &oursSeek);
            },
            [&] {
                PlayFfplay(false, &ffplay);
                PlayFfplay(true, &ffplaySeek);
            });
        std::printf("pair %d, player: %s window; drops %d (ffplay %d); cpu %.2f s (ffplay %.2f s); "
                    "A-V over the last seconds mean %.1f ms, max %.1f ms (ffplay %.1f ms, max %.1f ms); "
                    "seek to picture %.0f ms (internal %.0f ms; ffplay %.0f ms)\n",
                    pair + 1, ours.native ? "native X11" : "hidden", ours.drops, ffplay.drops, ours.cpu, ffplay.cpu,
                    ours.driftMs, ours.driftMaxMs, ffplay.driftMs, ffplay.driftMaxMs, oursSeek.seekMs,
                    oursSeek.seekInternalMs, ffplaySeek.seekMs);
        std::fflush(stdout);
        // Without a display or ffplay the reference figures are missing.
        if (ffplay.cpu > 0 && !std::isnan(ffplay.cpu))
            cpuRatios.push_back(ours.cpu / ffplay.cpu);
        if (ffplaySeek.seekMs > 0 && !std::isnan(oursSeek.seekMs))
            seekRatios.push_back(oursSeek.seekMs / ffplaySeek.seekMs);
    }
    if (!cpuRatios.empty())
        BenchKit::PrintSpread("playback CPU, ours over ffplay", cpuRatios);
    if (!seekRatios.empty())
        BenchKit::PrintSpread("seek to picture, ours over ffplay", seekRatios);
    return 0;
}

#include "bench_player.moc"
