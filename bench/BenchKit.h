#pragma once
// What the benchmark programs share: the widget application they run in, a
// home folder of their own, paired runs and their ratios, and long subtitle
// documents.
#include <benchmark/benchmark.h>

#include "SubtitleParser.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace BenchKit {

inline void QuietLog(QtMsgType, const QMessageLogContext&, const QString&) {}

// A home folder of the benchmark's own, made before the application object:
// settings, output folders and caches land in it and go with it.
class PrivateHome
{
public:
    PrivateHome()
    {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qunsetenv(name);
        const QString runtime = m_dir.path() + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Runs both sides of one pair, the order swapped every pair, so that load
// changes on a shared machine hit both alike.
inline void RunPair(int pair, const std::function<void()>& a, const std::function<void()>& b)
{
    if (pair % 2 == 0) {
        a();
        b();
    } else {
        b();
        a();
    }
}

// Minimum, median and maximum of paired ratios (A over B of each pair).
struct Spread
{
    double min = 0;
    double median = 0;
    double max = 0;
};

inline Spread SpreadOf(std::vector<double> values)
{
    Spread s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    s.min = values.front();
    s.max = values.back();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return s;
}

inline void PrintSpread(const char* what, const std::vector<double>& ratios)
{
    const Spread s = SpreadOf(ratios);
    std::printf("%s: median %.3f (min %.3f, max %.3f) over %d pairs\n", what, s.median, s.min, s.max,
                int(ratios.size()));
}

// The application of a benchmark that drives the program's windows: a home
// of its own, the off-screen platform unless one is chosen, Qt's log
// silenced (debug lines would measure the terminal), and the program's name.
class WindowApplication
{
public:
    WindowApplication(int& argc, char** argv)
        : m_app((Quiet(), argc), argv)
    {
        QCoreApplication::setApplicationName(QStringLiteral("Lumacrest"));
    }

private:
    static void Quiet()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietLog);
    }

    PrivateHome m_home;
    QApplication m_app;
};

// Runs `work` from the event loop and spins the loop until `done`, timing
// the whole and the longest gap between two ticks of a 5 ms timer: how long
// a user would have seen the window frozen.
struct Timed
{
    double seconds = 0;
    double longestStall = 0;
};

inline Timed RunAndWatch(const std::function<void()>& work, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = qMax(longest, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    clock.start();
    sinceTick.start();
    tick.start();
    QTimer::singleShot(0, work);
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Timed t;
    t.seconds = clock.nsecsElapsed() / 1e9;
    longest = qMax(longest, sinceTick.nsecsElapsed());
    t.longestStall = longest / 1e9;
    return t;
}

// Runs the registered benchmarks in a widget application, off screen unless a
// platform is chosen, with Qt's log silenced: debug lines would measure the
// terminal. `setup` runs once the application exists.
inline int RunQuiet(int& argc, char** argv, const std::function<void()>& setup = {})
{
    PrivateHome home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietLog);
    QApplication app(argc, argv);
    if (setup)
        setup();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// `count` events of style 1, one every `every` milliseconds and `length`
// long, their text `pattern` with the event's number for %1.
inline void FillEvents(SubtitleParser& doc, int count, qint64 every, qint64 length, const QString& pattern)
{
    doc.Events.clear();
    for (int i = 0; i < count; ++i) {
        ST_ASS_EVENT e;
        e.Start = i * every;
        e.End = i * every + length;
        e.Style = 1;
        e.Text = pattern.arg(i);
        doc.Events.append(e);
    }
}

} // namespace BenchKit
