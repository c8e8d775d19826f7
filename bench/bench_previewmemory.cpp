// Memory across previews: the resident size of one process after each of 20
// previews in the editor window (its Play button, a seek ahead, its Stop
// button), of a 1080p H.264 clip with sound and a picture layer, with the
// player loaded as the program loads it.
//
// The size after the 2nd preview is the reference: the 1st loads the
// player's libraries and sets up SDL and the codecs, once. Each round is a
// process of its own (this program run with --round); per round the ratio of
// the size after the 20th preview to the size after the 2nd, then
// min/median/max over the rounds. The allocator's bytes in use are printed
// beside, to tell memory still held by someone from memory kept free.
//
// Headless by default (SDL's dummy drivers); on an X server the player draws
// into a native host window, e.g.
//   xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb SDL_VIDEODRIVER=x11
//       SDL_AUDIODRIVER=dummy ./bench_previewmemory [rounds]
// (3 rounds by default).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "AllocatorSettings.h"
#include "BenchKit.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "ST_OPTS.h"
#include "StartupFigures.h"
#include "TestMedia.h"
#include "canvas/QWatermarkScene.h"
#include "docks/PlayerDock.h"
#include "ffplay.h"

extern "C" {
#include <libavutil/log.h>
}

namespace {

constexpr int kPreviews = 20;
constexpr int kReference = 2;

// One preview as a user runs it: Play, a second played, a seek ahead, half a
// second more, Stop.
void Preview(EditorMainWindow* window)
{
    QTimer poll;
    QElapsedTimer clock;
    bool seeked = false;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        const int64_t position = JxPlayerGetPosition();
        if (!seeked && position > 1000000) {
            seeked = true;
            JxPlayerSetPosition(4.0);
        } else if ((seeked && position > 4500000) || clock.elapsed() > 20000) {
            poll.stop();
            window->PlayerBar()->m_btnStop->click();
        }
    });
    poll.start(10);
    clock.start();
    window->PlayerBar()->m_btnPlay->click();
}

// Prints "<n> <resident KiB> <allocated KiB>" before the first preview and
// after each.
int RunRound(const QString& clip, const QString& picture)
{
    Core* core = Core::instance();
    ST_OPTS row;
    InitOpts(&row);
    row.width = 1920;
    row.height = 1080;
    row.path = clip;
    core->Rows << row;
    core->CurrentRow = 0;
    EditorMainWindow window;
    window.resize(1000, 700);
    window.InitCanvas(clip);
    window.Scene()->AddLayerImage(picture);
    window.show();
    QCoreApplication::processEvents();
    std::printf("0 %lld %zu\n", StartupFigures::ResidentKb(), mallinfo2().uordblks / 1024);
    for (int i = 1; i <= kPreviews; ++i) {
        Preview(&window);
        QCoreApplication::processEvents();
        std::printf("%d %lld %zu\n", i, StartupFigures::ResidentKb(), mallinfo2().uordblks / 1024);
        std::fflush(stdout);
    }
    return 0;
}

bool MakeMedia(const QString& dir, QString* clip, QString* picture)
{
    *clip = dir + "/preview_1080p.mp4";
    *picture = TestMedia::MakeImage(dir, "layer.png", 320, 180, "blue");
    return !picture->isEmpty() && TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30", "-f", "lavfi", "-i",
                                    "sine=frequency=440:sample_rate=48000", "-t", "6", "-c:v", "libx264",
                                    "-preset", "veryfast", "-g", "30", "-pix_fmt", "yuv420p", "-c:a", "aac", "-ac",
                                    "2", "-shortest", *clip},
                                   600000);
}

}  // namespace

int main(int argc, char** argv)
{
    ApplyAllocatorSettings();   // as the program does
    if (argc > 3 && !std::strcmp(argv[1], "--round")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("SDL_VIDEODRIVER", "dummy");
        }
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
            qputenv("SDL_AUDIODRIVER", "dummy");
        qInstallMessageHandler(BenchKit::QuietLog);
        QApplication app(argc, argv);
        av_log_set_level(AV_LOG_QUIET);
        return RunRound(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    BenchKit::PrivateHome home;
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    QString clip;
    QString picture;
    if (!dir.isValid() || !MakeMedia(dir.path(), &clip, &picture)) {
        std::fprintf(stderr, "cannot make the benchmark clip\n");
        return 1;
    }
    std::vector<double> ratios;
    for (int round = 1; round <= rounds; ++round) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--round", clip, picture});
        if (!child.waitForFinished(kPreviews * 60000) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0) {
            std::fprintf(stderr, "round %d failed\n", round);
            return 1;
        }
        std::vector<long long> resident(kPreviews + 1, 0);
        std::vector<long long> allocated(kPreviews + 1, 0);
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            const int n = fields.value(0).toInt();
            if (fields.size() == 3 && n >= 0 && n <= kPreviews) {
                resident[n] = fields[1].toLongLong();
                allocated[n] = fields[2].toLongLong();
            }
        }
        if (!resident[kReference] || !resident[kPreviews]) {
            std::fprintf(stderr, "round %d: the previews were not all reported\n", round);
            return 1;
        }
        std::printf("round %d: resident before any preview %lld KiB, after the 1st %lld, 2nd %lld, 3rd %lld, "
                    "10th %lld, 20th %lld KiB; allocated after the 2nd %lld KiB, after the 20th %lld KiB\n",
                    round, resident[0], resident[1], resident[2], resident[3], resident[10], resident[20],
                    allocated[kReference], allocated[kPreviews]);
        std::fflush(stdout);
        ratios.push_back(double(resident[kPreviews]) / double(resident[kReference]));
    }
    BenchKit::PrintSpread("resident size after the 20th preview over after the 2nd", ratios);
    return 0;
}

