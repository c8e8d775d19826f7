// Sources whose streams tell no field order (MPEG-4 Part 2, MJPEG): adding
// 20 of them at 4K through the Add Folder action and opening the editor on
// each row in turn, against the same with 4K H.264 files, which tell theirs.
// The figure is the longest the window's event loop stalls meanwhile, one
// kind over the other, paired in the same loop (the order swapped every
// pair), as min/median/max of the ratios. Near 1 when no probe the window
// waits for decodes pictures to learn the fields.
//
//   bench_fields [pairs] [files]      (defaults 5 and 20; run offscreen)
#include "BenchKit.h"
#include "ShellKit.h"

#include "EditorMainWindow.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

using BenchKit::Timed;

// Adds the files of `folder`, then opens the editor on each row and closes it.
Timed AddAndEdit(const QString& folder, int count)
{
    int opened = 0;
    bool waiting = false;
    return ShellKit::AddThroughWindow(folder, count, [&](MainWindow& window) {
        EditorMainWindow& editor = window.Editor();
        if (waiting)
            return false;
        if (editor.isVisible())
            editor.close();
        if (opened == count)
            return true;
        waiting = true;
        const int row = opened++;
        QTimer::singleShot(0, &window, [&window, &waiting, row] {
            window.findChild<QTableWidget*>(QStringLiteral("tableWidget"))->setCurrentCell(row, 0);
            window.findChild<QAction*>(QStringLiteral("actionWatermark"))->trigger();
            waiting = false;
        });
        return false;
    });
}

// A folder of `count` copies of 4K clips, made once each of the codings.
QString MakeFolder(const QString& dir, const QString& name, const QList<QStringList>& codings, int count)
{
    const QString folder = QDir(dir).filePath(name);
    QDir().mkpath(folder);
    QStringList made;
    for (const QStringList& coding : codings) {
        const QString file = QDir(dir).filePath(name + QString::number(made.size()) + QLatin1Char('.') + coding.last());
        if (!TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i", "testsrc2=s=3840x2160:r=25:d=0.2", "-c:v"}
                                     + coding.mid(0, coding.size() - 1) + QStringList{file}))
            return QString();
        made << file;
    }
    for (int i = 0; i < count; ++i) {
        const QString from = made.at(i % made.size());
        QFile::copy(from, QDir(folder).filePath(QStringLiteral("clip%1.").arg(i, 3, 10, QLatin1Char('0'))
                                                + QFileInfo(from).suffix()));
    }
    return folder;
}

} // namespace

int main(int argc, char** argv)
{
    BenchKit::WindowApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const int count = argc > 2 ? qMax(1, atoi(argv[2])) : 20;

    QTemporaryDir dir;
    const QString untold = MakeFolder(dir.path(), QStringLiteral("untold"),
                                      {{"mpeg4", "-q:v", "3", "avi"}, {"mjpeg", "-q:v", "3", "avi"}}, count);
    const QString told = MakeFolder(dir.path(), QStringLiteral("told"), {{"libx264", "-preset", "ultrafast", "mp4"}}, count);
    if (untold.isEmpty() || told.isEmpty()) {
        std::fprintf(stderr, "could not make the clips\n");
        return 1;
    }
    // One untimed round of each fills the page cache.
    AddAndEdit(untold, count);
    AddAndEdit(told, count);
    std::vector<double> ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        Timed a;
        Timed b;
        BenchKit::RunPair(pair, [&] { a = AddAndEdit(untold, count); }, [&] { b = AddAndEdit(told, count); });
        ratios.push_back(a.longestStall / b.longestStall);
        std::printf("adding %d 4K files and opening the editor on each, pair %d: MPEG-4 Part 2 and MJPEG %.3f s "
                    "(longest stall %.3f s), H.264 %.3f s (longest stall %.3f s)\n",
                    count, pair + 1, a.seconds, a.longestStall, b.seconds, b.longestStall);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("longest stall, files that tell no field order over H.264", ratios);
    return 0;
}
