// Start-up of the program, from process start to the main window's first
// paint, and its resident memory a second after (with the number of shared
// libraries loaded then), against a plain Qt Widgets
// window with a tool bar and a table: both started in the same loop, the
// order swapped every pair, min/median/max of the ratios. The program runs
// its own start-up through lumacrest_startprobe, with its settings in a home
// of the benchmark's own.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb ./bench_startup [pairs]   (default 10)
#include "BenchKit.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStringList>

#include <cstdio>
#include <vector>

#include "StartupFigures.h"

namespace {

struct Start
{
    double ms = -1;
    double residentMb = -1;
    int libraries = -1;
};

Start Measure(const QString& program)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Start s;
    const long long begun = StartupFigures::MonotonicNs();
    child.start(program, {QStringLiteral("--first-paint"), QStringLiteral("--idle-memory")});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return s;
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    bool painted = false;
    bool resident = false;
    const long long paint = lines.value(0).trimmed().toLongLong(&painted);
    const long long kb = lines.value(1).trimmed().toLongLong(&resident);
    if (painted && resident) {
        s.ms = (paint - begun) / 1e6;
        s.residentMb = kb / 1024.0;
        s.libraries = lines.value(2).trimmed().toInt();
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    BenchKit::PrivateHome home;
    // The program's debug lines would only fill the terminal.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    const QString bin = QCoreApplication::applicationDirPath();
    const QString program = QDir(bin).filePath(QStringLiteral("lumacrest_startprobe"));
    const QString reference = QDir(bin).filePath(QStringLiteral("lumacrest_minimalwindow"));
    // One untimed start of each fills the page cache and writes the settings.
    Measure(program);
    Measure(reference);
    std::vector<double> timeRatios;
    std::vector<double> memoryRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        Start ours;
        Start plain;
        BenchKit::RunPair(pair, [&] { ours = Measure(program); }, [&] { plain = Measure(reference); });
        if (ours.ms < 0 || plain.ms < 0) {
            std::fprintf(stderr, "a start failed (is there a display?)\n");
            return 1;
        }
        timeRatios.push_back(ours.ms / plain.ms);
        memoryRatios.push_back(ours.residentMb / plain.residentMb);
        std::printf("pair %2d: program %.1f ms, %.1f MB, %d libraries; minimal window %.1f ms, %.1f MB, %d libraries\n",
                    pair + 1, ours.ms, ours.residentMb, ours.libraries, plain.ms, plain.residentMb, plain.libraries);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("start to first paint, program over minimal window", timeRatios);
    BenchKit::PrintSpread("idle resident memory, program over minimal window", memoryRatios);
    return 0;
}
