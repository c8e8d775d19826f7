// Run on 50 rows that all carry the same picture layer: the longest time the
// window's event loop stalls from Run pressed until every row is queued and
// the first job has started, paired with the same Run without the layer in
// the same loop (the order swapped every pair), as min/median/max of the
// ratios and of the stalls themselves. Two layers are measured: a photo-like
// 4000x3000 PNG (about 22 MB) and a 1280x720 animated GIF. Before each Run
// the layer file gets new times, so its facts are never known beforehand.
//
//   bench_runlayers [pairs] [rows]      (defaults 5 and 50; run offscreen)
#include "BenchKit.h"

#include "AbstractJob.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "JxEngineJob.h"
#include "LayerFiles.h"
#include "MainWindow.h"
#include "QWatermarkBase.h"
#include "TestMedia.h"
#include "canvas/QWatermarkScene.h"

#include <QAction>
#include <QLineEdit>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// New times for the file: what was learnt of it no longer holds.
void Touch(const QString& path)
{
    static long long second = 1000000000;
    const struct timespec times[2] = {{++second, 0}, {second, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

// The longest stall of one Run; negative when the graphs did not hold the
// layer as asked, or its file was not learnt exactly once.
double TimedRun(MainWindow& window, int rows, bool layered)
{
    const int readings = LayerFiles::Readings();
    QAction* run = window.findChild<QAction*>(QStringLiteral("actionRun"));
    const double stall = BenchKit::RunAndWatch([run] { run->trigger(); }, [&] {
        for (int row = 0; row < rows; ++row) {
            if (window.StateOfRow(row) != MainWindow::RowQueued)
                return false;
        }
        for (AbstractJob* job : window.Jobs().jobs()) {
            if (job->ran())
                return true;
        }
        return false;
    }).longestStall;
    bool drawn = true;
    for (AbstractJob* job : window.Jobs().jobs()) {
        if (auto* converter = qobject_cast<JxEngineJob*>(job))
            drawn = drawn && converter->arguments().join(QLatin1Char(' ')).contains(QLatin1String("movie=")) == layered;
    }
    window.findChild<QAction*>(QStringLiteral("actionStop"))->trigger();
    return drawn && LayerFiles::Readings() - readings == (layered ? 1 : 0) ? stall : -1;
}

void Measure(const char* what, const QString& source, const QString& layer, const QString& out, int pairs, int rows)
{
    Core::instance()->Rows.clear();
    MainWindow window;
    window.Settings().Coverage = true;
    window.findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->setText(out);
    for (int i = 0; i < rows; ++i)
        window.AddFile(source);
    window.Editor().InitCanvas(source);
    if (!window.Editor().Scene()->AddLayerImage(layer)) {
        std::fprintf(stderr, "the layer %s was not taken\n", qPrintable(layer));
        return;
    }
    const QList<QWatermarkBase*> layers = Core::instance()->Layers;
    const auto withLayer = [&] {
        Touch(layer);
        Core::instance()->Layers = layers;
        return TimedRun(window, rows, true);
    };
    const auto without = [&] {
        Core::instance()->Layers.clear();
        const double stall = TimedRun(window, rows, false);
        Core::instance()->Layers = layers;
        return stall;
    };
    withLayer();
    without();
    std::vector<double> ratios, layered, plain;
    for (int pair = 0; pair < pairs; ++pair) {
        double a = 0;
        double b = 0;
        BenchKit::RunPair(pair, [&] { a = withLayer(); }, [&] { b = without(); });
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "%s: the rows' graphs were not as asked\n", what);
            return;
        }
        ratios.push_back(a / b);
        layered.push_back(a * 1000);
        plain.push_back(b * 1000);
        std::printf("%s, %d rows, pair %d: longest stall with the layer %.1f ms, without %.1f ms\n", what, rows,
                    pair + 1, a * 1000, b * 1000);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread((QByteArray(what) + ": stall with the layer over without").constData(), ratios);
    BenchKit::PrintSpread((QByteArray(what) + ": stall with the layer, ms").constData(), layered);
    BenchKit::PrintSpread((QByteArray(what) + ": stall without, ms").constData(), plain);
    Core::instance()->Layers.clear();
    Core::instance()->Rows.clear();
}

} // namespace

int main(int argc, char** argv)
{
    BenchKit::WindowApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const int rows = argc > 2 ? qMax(1, atoi(argv[2])) : 50;

    QTemporaryDir dir;
    const QString source = TestMedia::MakeVideo(dir.path(), QStringLiteral("row.mp4"), 2.0, 640, 360);
    const QString photo = dir.filePath(QStringLiteral("photo.png"));
    const QString gif = dir.filePath(QStringLiteral("anim.gif"));
    if (source.isEmpty()
        || !TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=4000x3000,noise=alls=25:allf=u", "-frames:v",
                                     "1", "-pix_fmt", "rgb24", photo})
        || !TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=10:d=3", gif})) {
        std::fprintf(stderr, "could not make the media\n");
        return 1;
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    Measure("photo-like 4000x3000 PNG", source, photo, out, pairs, rows);
    Measure("animated 1280x720 GIF", source, gif, out, pairs, rows);
    return 0;
}
