// Wall time of adding 200 short files to the main window's source list (each
// is probed), and of a 4-row Run through the window and its queue against
// the same converter command lines run directly, as many at once as the
// queue runs (the Threads setting, 2).
//
//   bench_sources            (run offscreen: QT_QPA_PLATFORM=offscreen)
#include "AppFolder.h"
#include "Core.h"
#include "JxEngineJob.h"
#include "MainWindow.h"
#include "TestMedia.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

double RunDirect(const QList<QStringList>& commands, int parallel)
{
    const QString tool = AppFolder::FindTool(QStringLiteral("JxEngine"));
    QElapsedTimer clock;
    clock.start();
    for (int first = 0; first < commands.size(); first += parallel) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = first; i < qMin(first + parallel, commands.size()); ++i) {
            auto p = std::make_unique<QProcess>();
            p->setStandardOutputFile(QProcess::nullDevice());
            p->start(QStringLiteral("nice"), QStringList{tool} + commands[i]);
            running.push_back(std::move(p));
        }
        for (auto& p : running)
            if (!p->waitForFinished(600000) || p->exitCode() != 0) {
                std::fprintf(stderr, "%s\n", p->readAllStandardError().constData());
                return -1;
            }
    }
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Lumacrest"));
    QTemporaryDir dir;
    const QString clip = TestMedia::MakeVideo(dir.path(), QStringLiteral("clip.mp4"), 0.5);
    const QString longer = TestMedia::MakeVideo(dir.path(), QStringLiteral("row.mp4"), 5.0, 640, 360);
    if (clip.isEmpty() || longer.isEmpty())
        return 1;
    QStringList files;
    for (int i = 0; i < 200; ++i) {
        files << dir.filePath(QStringLiteral("clip%1.mp4").arg(i, 3, 10, QLatin1Char('0')));
        QFile::copy(clip, files.last());
    }

    MainWindow window;
    window.Settings().OutPath = dir.filePath(QStringLiteral("out"));
    window.Settings().Coverage = true;
    window.Jobs().setMaxRunning(2);
    window.show();
    MainWindow::SetFileQuestion([&files](const QString&, const QString&, bool) { return files; });
    QElapsedTimer clock;
    clock.start();
    window.findChild<QAction*>(QStringLiteral("actionAddFile"))->trigger();
    std::printf("adding 200 files: %.3f s\n", clock.nsecsElapsed() / 1e9);

    window.findChild<QAction*>(QStringLiteral("actionAll_Delete"))->trigger();
    files = QStringList{longer, longer, longer, longer};
    window.findChild<QAction*>(QStringLiteral("actionAddFile"))->trigger();
    MainWindow::SetFileQuestion({});
    QAction* run = window.findChild<QAction*>(QStringLiteral("actionRun"));
    clock.start();
    const std::clock_t cpu0 = std::clock();
    run->trigger();
    // Blocks between events: the timed overload of processEvents spins and
    // would take a core from the converter.
    while (run->text() != QLatin1String("Run"))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double queued = clock.nsecsElapsed() / 1e9;
    const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    QList<QStringList> commands;
    for (AbstractJob* job : window.Jobs().jobs())
        if (auto* converter = qobject_cast<JxEngineJob*>(job)) {
            // A started job holds the tool's path in front of its arguments.
            QStringList args = converter->arguments();
            if (!args.isEmpty() && args.first() != QLatin1String("-i"))
                args.removeFirst();
            commands << args;
        }
    const double direct = RunDirect(commands, 2);
    std::printf("4-row Run through the queue: %.3f s (window's own CPU %.3f s); the same %d commands run directly (2 at "
                "once): %.3f s\n",
                queued, cpu, int(commands.size()), direct);
    Core::instance()->Rows.clear();
    return 0;
}
