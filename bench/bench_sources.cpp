// The source list, each figure paired with its reference in the same loop
// (the order swapped every pair) and given as min/median/max of the ratios:
//
// 1. Adding a folder of short clips through the Add Folder action, against a
//    plain table filled after the same probing: the longest the window's
//    event loop stalls meanwhile, and the time until the last row is in and
//    selected, each over the plain table's time.
// 2. A 4-row Run through the window and its queue, against the same converter
//    command lines run directly, as many at once as the queue runs (2), the
//    next one started as soon as one ends.
//
// Everything it writes, settings included, goes into its own temporary home.
//
//   bench_sources [pairs] [files]      (defaults 5 and 1000; run offscreen)
#include "BenchKit.h"
#include "ShellKit.h"

#include "AppFolder.h"
#include "Core.h"
#include "JxEngineJob.h"
#include "MainWindow.h"
#include "MediaFunctions.h"
#include "ST_OPTS.h"
#include "TestMedia.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

using BenchKit::RunAndWatch;
using BenchKit::Timed;
using ShellKit::AddThroughWindow;

// The same probing as each added row gets, then the rows of a plain table.
Timed FillPlainTable(const QStringList& files)
{
    QTableWidget table(0, 3);
    table.resize(800, 800);
    table.show();
    QCoreApplication::processEvents();
    bool filled = false;
    const Timed t = RunAndWatch(
        [&] {
            QList<ST_OPTS> records;
            for (const QString& file : files) {
                ST_OPTS opts;
                InitOpts(&opts);
                InitSubtitleFile(&opts, file);
                long long duration = 0;
                GetMediaInfo(file.toUtf8().constData(), &opts.width, &opts.height, &duration);
                opts.trimEnd = duration;
                records << opts;
            }
            for (int row = 0; row < files.size(); ++row) {
                table.insertRow(row);
                table.setItem(row, 0, new QTableWidgetItem(files[row]));
                table.setItem(row, 1, new QTableWidgetItem);
                table.setItem(row, 2, new QTableWidgetItem(QStringLiteral("Ready")));
            }
            filled = true;
        },
        [&] { return filled; });
    return t;
}

// A 4-row Run; the command lines of its jobs are kept for the direct runs.
double RunThroughWindow(const QString& source, const QString& out, QList<QStringList>* commands, double* cpu)
{
    Core::instance()->Rows.clear();
    MainWindow window;
    window.Settings().Coverage = true;
    window.Jobs().setMaxRunning(2);
    window.findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->setText(out);
    for (int i = 0; i < 4; ++i)
        window.AddFile(source);
    QAction* run = window.findChild<QAction*>(QStringLiteral("actionRun"));
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu0 = std::clock();
    run->trigger();
    // Blocks between events: the timed overload of processEvents spins and
    // would take a core from the converter.
    while (run->text() != QLatin1String("Run"))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    *cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    commands->clear();
    for (AbstractJob* job : window.Jobs().jobs()) {
        if (job->status != AbstractJob::StatusCompleted)
            return -1;
        if (auto* converter = qobject_cast<JxEngineJob*>(job)) {
            // A started job holds the tool's path in front of its arguments.
            QStringList args = converter->arguments();
            if (!args.isEmpty() && args.first() != QLatin1String("-i"))
                args.removeFirst();
            commands->append(args);
        }
    }
    Core::instance()->Rows.clear();
    return seconds;
}

// The commands through nice, `parallel` at a time, each next one started as
// soon as one ends, as the queue does.
double RunDirect(const QList<QStringList>& commands, int parallel)
{
    const QString tool = AppFolder::FindTool(QStringLiteral("JxEngine"));
    std::vector<std::unique_ptr<QProcess>> processes;
    QEventLoop loop;
    int next = 0;
    int running = 0;
    bool failed = false;
    std::function<void()> startNext = [&] {
        while (running < parallel && next < commands.size()) {
            processes.push_back(std::make_unique<QProcess>());
            QProcess* p = processes.back().get();
            p->setStandardOutputFile(QProcess::nullDevice());
            p->setStandardErrorFile(QProcess::nullDevice());
            QObject::connect(p, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                             [&, p](int code, QProcess::ExitStatus status) {
                                 failed = failed || code != 0 || status != QProcess::NormalExit;
                                 --running;
                                 startNext();
                                 if (running == 0)
                                     loop.quit();
                             });
            ++running;
            p->start(QStringLiteral("nice"), QStringList{tool} + commands[next++]);
        }
    };
    QElapsedTimer clock;
    clock.start();
    startNext();
    if (running > 0)
        loop.exec();
    return failed ? -1 : clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    BenchKit::WindowApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const int count = argc > 2 ? qMax(1, atoi(argv[2])) : 1000;

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sources"));
    QDir().mkpath(folder);
    const QString clip = TestMedia::MakeVideo(dir.path(), QStringLiteral("clip.mp4"), 0.5);
    const QString longer = TestMedia::MakeVideo(dir.path(), QStringLiteral("row.mp4"), 5.0, 640, 360);
    if (clip.isEmpty() || longer.isEmpty()) {
        std::fprintf(stderr, "could not make the clips\n");
        return 1;
    }
    QStringList files;
    for (int i = 0; i < count; ++i) {
        files << QDir(folder).filePath(QStringLiteral("clip%1.mp4").arg(i, 5, 10, QLatin1Char('0')));
        QFile::copy(clip, files.last());
    }

    // One untimed round of each fills the page cache.
    AddThroughWindow(folder, count);
    FillPlainTable(files);
    std::vector<double> stallRatios;
    std::vector<double> totalRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        Timed window;
        Timed plain;
        BenchKit::RunPair(
            pair, [&] { window = AddThroughWindow(folder, count); }, [&] { plain = FillPlainTable(files); });
        stallRatios.push_back(window.longestStall / plain.seconds);
        totalRatios.push_back(window.seconds / plain.seconds);
        std::printf("adding %d files, pair %d: window %.3f s (longest stall %.3f s), plain table %.3f s\n", count,
                    pair + 1, window.seconds, window.longestStall, plain.seconds);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("adding: longest stall of the window over the plain table's time", stallRatios);
    BenchKit::PrintSpread("adding: window's time to the last row over the plain table's time", totalRatios);

    const QString out = dir.filePath(QStringLiteral("out"));
    QList<QStringList> commands;
    double cpu = 0;
    if (RunThroughWindow(longer, out, &commands, &cpu) < 0 || RunDirect(commands, 2) < 0) {
        std::fprintf(stderr, "a conversion failed\n");
        return 1;
    }
    std::vector<double> runRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        double queued = 0;
        double direct = 0;
        BenchKit::RunPair(
            pair, [&] { queued = RunThroughWindow(longer, out, &commands, &cpu); },
            [&] { direct = RunDirect(commands, 2); });
        if (queued < 0 || direct < 0) {
            std::fprintf(stderr, "a conversion failed\n");
            return 1;
        }
        runRatios.push_back(queued / direct);
        std::printf("4-row Run, pair %d: through the queue %.3f s (window's own CPU %.3f s), the same %d commands "
                    "directly %.3f s\n",
                    pair + 1, queued, cpu, int(commands.size()), direct);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("4-row Run: queue over direct", runRatios);
    return 0;
}
