// Start-up probe: runs the program's own start-up and
//   --first-paint         prints the monotonic clock (ns) once the main
//                         window's first picture is on its way to the screen;
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
#include <ctime>
#include <vector>

#include "AppStart.h"
#include "MainWindow.h"

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Calls `done` once, after the window's first paint has been handled (the
// zero timer runs when the repaint, flush included, is over).
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget* window, std::function<void()> done)
        : QObject(window)
        , m_done(std::move(done))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_done);
        }
        return false;
    }

private:
    std::function<void()> m_done;
    bool m_seen = false;
};

int Bench(const QString& self, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const long long start = MonotonicNs();
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
        return AppStart::Run(argc, argv, [](MainWindow* window) {
            new FirstPaint(window, [] {
                std::printf("%lld\n", MonotonicNs());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
    }
    if (mode == QLatin1String("--screenshot") && argc > 2) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        int status = 1;
        const int result = AppStart::Run(argc, argv, [&](MainWindow* window) {
            new FirstPaint(window, [window, file, &status] {
                // A moment for the late layout passes of the first show.
                QTimer::singleShot(500, window, [window, file, &status] {
                    status = window->grab().save(file, "PNG") ? 0 : 1;
                    QCoreApplication::exit(0);
                });
            });
        });
        return result != 0 ? result : status;
    }
    std::fprintf(stderr, "usage: %s --first-paint | --bench N | --screenshot FILE\n", argv[0]);
    return 2;
}
