// Start-up probe: runs the program's own start-up and
//   --first-paint         prints the monotonic clock (ns) once the main
//                         window's first picture is on its way to the screen;
//                         followed by --idle-memory, also its resident
//                         memory (kB) and the number of shared libraries
//                         loaded a second later;
//   --bench N             starts itself N times with --first-paint and prints
//                         each start-to-first-paint time and their median (ms);
//   --screenshot FILE     saves a picture of the main window as PNG.
// Run it where a window can open (e.g. under xvfb-run with QT_QPA_PLATFORM=xcb).
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QPixmap>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "AppStart.h"
#include "MainWindow.h"
#include "StartupFigures.h"

namespace {

int Bench(const QString& self, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const long long start = StartupFigures::MonotonicNs();
        child.start(self, {QStringLiteral("--first-paint")});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        bool ok = false;
        const long long painted = child.readAllStandardOutput().trimmed().toLongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "run %d printed no time\n", i + 1);
            return 1;
        }
        times.push_back((painted - start) / 1e6);
        std::printf("run %2d: %7.1f ms\n", i + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("median of %zu runs: %.1f ms\n", n, median);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--bench") && argc > 2) {
        const int runs = std::max(1, std::atoi(argv[2]));
        return Bench(QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath(), runs);
    }
    if (mode == QLatin1String("--first-paint")) {
        const bool memory = argc > 2 && QByteArray(argv[2]) == "--idle-memory";
        return AppStart::Run(argc, argv, [memory](MainWindow* window) { StartupFigures::ReportStart(window, memory); });
    }
    if (mode == QLatin1String("--screenshot") && argc > 2) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        int status = 1;
        const int result = AppStart::Run(argc, argv, [&](MainWindow* window) {
            new StartupFigures::FirstPaint(window, [window, file, &status] {
                // A moment for the late layout passes of the first show.
                QTimer::singleShot(500, window, [window, file, &status] {
                    status = window->grab().save(file, "PNG") ? 0 : 1;
                    QCoreApplication::exit(0);
                });
            });
        });
        return result != 0 ? result : status;
    }
    std::fprintf(stderr, "usage: %s --first-paint [--idle-memory] | --bench N | --screenshot FILE\n", argv[0]);
    return 2;
}
