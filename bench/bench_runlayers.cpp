// Run on 50 rows: the longest time the window's event loop stalls from Run
// pressed until every row is queued and the first job has started, with a
// setting and without it in the same loop (the order swapped every pair), as
// min/median/max of the ratios and of the stalls themselves. Measured: the
// same layer on every row, a photo-like 4000x3000 PNG (about 22 MB), a
// 1280x720 animated GIF, whose file gets new times before each Run so its
// facts are never known beforehand, and a 1080p H.264 video, probed once on
// each Run; and the source's E-AC3 sound kept in mkv, which each job tries
// before its tool starts. And the whole Run time with a known 25 MB layer
// file, whose content every Run hashes, against a small one.
//
//   bench_runlayers [pairs] [rows]      (defaults 5 and 50; run offscreen)
#include "BenchKit.h"

#include "AbstractJob.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "JxEngineJob.h"
#include "LayerFiles.h"
#include "MainWindow.h"
#include "QWatermarkBase.h"
#include "TestMedia.h"
#include "canvas/QWatermarkScene.h"

#include <QAction>
#include <QFileInfo>
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

// The longest stall of one Run, or with `whole` the time from Run pressed
// until the first job has started; negative when the rows' arguments did not
// hold `mark` as asked, or the layer file was not learnt `readings` times.
double TimedRun(MainWindow& window, int rows, const QString& mark, bool marked, int readings, bool whole = false)
{
    const int before = LayerFiles::Readings();
    QAction* run = window.findChild<QAction*>(QStringLiteral("actionRun"));
    const BenchKit::Timed timed = BenchKit::RunAndWatch([run] { run->trigger(); }, [&] {
        for (int row = 0; row < rows; ++row) {
            if (window.StateOfRow(row) != MainWindow::RowQueued)
                return false;
        }
        for (AbstractJob* job : window.Jobs().jobs()) {
            if (job->ran())
                return true;
        }
        return false;
    });
    const double stall = whole ? timed.seconds : timed.longestStall;
    bool asked = true;
    for (AbstractJob* job : window.Jobs().jobs()) {
        if (auto* converter = qobject_cast<JxEngineJob*>(job))
            asked = asked && converter->arguments().join(QLatin1Char(' ')).contains(mark) == marked;
    }
    window.findChild<QAction*>(QStringLiteral("actionStop"))->trigger();
    return asked && LayerFiles::Readings() - before == readings ? stall : -1;
}

// Pairs of Runs of `rows` rows of the source, `with` and `without` the
// setting; each returns the longest stall of its Run.
void Measure(const char* what, const std::function<double()>& with, const std::function<double()>& without,
             int pairs, int rows, const char* measured = "longest stall")
{
    with();
    without();
    std::vector<double> ratios, set, plain;
    for (int pair = 0; pair < pairs; ++pair) {
        double a = 0;
        double b = 0;
        BenchKit::RunPair(pair, [&] { a = with(); }, [&] { b = without(); });
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "%s: the rows' arguments were not as asked\n", what);
            return;
        }
        ratios.push_back(a / b);
        set.push_back(a * 1000);
        plain.push_back(b * 1000);
        std::printf("%s, %d rows, pair %d: %s with %.1f ms, without %.1f ms\n", what, rows, pair + 1, measured,
                    a * 1000, b * 1000);
        std::fflush(stdout);
    }
    const QByteArray head = QByteArray(what) + ": " + measured;
    BenchKit::PrintSpread((head + " with over without").constData(), ratios);
    BenchKit::PrintSpread((head + " with, ms").constData(), set);
    BenchKit::PrintSpread((head + " without, ms").constData(), plain);
    std::vector<double> added;
    for (size_t i = 0; i < set.size(); ++i)
        added.push_back(set[i] - plain[i]);
    BenchKit::PrintSpread((head + " added, ms").constData(), added);
}

void AddRows(MainWindow& window, const QString& source, const QString& out, int rows)
{
    Core::instance()->Rows.clear();
    window.Settings().Coverage = true;
    window.findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->setText(out);
    for (int i = 0; i < rows; ++i)
        window.AddFile(source);
}

void MeasureLayer(const char* what, const QString& source, const QString& layer, const QString& out, int pairs,
                  int rows, bool video = false)
{
    MainWindow window;
    AddRows(window, source, out, rows);
    window.Editor().InitCanvas(source);
    QWatermarkScene* scene = window.Editor().Scene();
    if (!(video ? scene->AddLayerVideo(layer) : scene->AddLayerImage(layer))) {
        std::fprintf(stderr, "the layer %s was not taken\n", qPrintable(layer));
        return;
    }
    const QList<QWatermarkBase*> layers = Core::instance()->Layers;
    const QString movie = QStringLiteral("movie=");
    const auto with = [&] {
        Touch(layer);
        Core::instance()->Layers = layers;
        return TimedRun(window, rows, movie, true, 1);
    };
    const auto without = [&] {
        Core::instance()->Layers.clear();
        const double stall = TimedRun(window, rows, movie, false, 0);
        Core::instance()->Layers = layers;
        return stall;
    };
    Measure(what, with, without, pairs, rows);
    Core::instance()->Layers.clear();
    Core::instance()->Rows.clear();
}

// Runs whose layer's file is known from the Run before: its content is
// hashed again off the GUI thread, its picture not read. A 25 MB file
// against a small one, from Run pressed until the first job has started.
void MeasureKnownLayer(const QString& source, const QString& big, const QString& small, const QString& out,
                       int pairs, int rows)
{
    MainWindow window;
    AddRows(window, source, out, rows);
    window.Editor().InitCanvas(source);
    QList<QWatermarkBase*> layers[2];
    for (int i = 0; i < 2; ++i) {
        Core::instance()->Layers.clear();
        if (!window.Editor().Scene()->AddLayerImage(i ? small : big)) {
            std::fprintf(stderr, "the layer %s was not taken\n", qPrintable(i ? small : big));
            return;
        }
        layers[i] = Core::instance()->Layers;
    }
    const QString movie = QStringLiteral("movie=");
    const auto run = [&](int i, int readings) {
        Core::instance()->Layers = layers[i];
        return TimedRun(window, rows, movie, true, readings, true);
    };
    // Learnt once, before the pairs.
    run(0, 1);
    run(1, 1);
    const QByteArray what = "known " + QByteArray::number(QFileInfo(big).size() / 1e6, 'f', 1) + " MB PNG";
    Measure(what.constData(), [&] { return run(0, 0); }, [&] { return run(1, 0); }, pairs, rows, "Run time");
    Core::instance()->Layers.clear();
    Core::instance()->Rows.clear();
}

// The settings Run loads, with the source's sound kept or encoded.
void KeepSound(bool keep)
{
    ConfigFormat format;
    format.Load();
    format.Format = QStringLiteral("mkv");
    format.VCodec = QStringLiteral("copy");
    format.AKeepCodec = keep;
    format.Save();
}

void MeasureKeptSound(const QString& source, const QString& out, int pairs, int rows)
{
    MainWindow window;
    AddRows(window, source, out, rows);
    const QString copy = QStringLiteral("-c:a copy");
    Measure(
        "E-AC3 sound kept in mkv", [&] { KeepSound(true); return TimedRun(window, rows, copy, true, 0); },
        [&] { KeepSound(false); return TimedRun(window, rows, copy, false, 0); }, pairs, rows);
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
    const QString film = TestMedia::MakeVideo(dir.path(), QStringLiteral("film.mkv"), 2.0, 640, 360, 25,
                                              {"-c:a", "eac3"});
    const QString hd = TestMedia::MakeVideo(dir.path(), QStringLiteral("hd.mp4"), 2.0, 1920, 1080, 25,
                                            {"-c:v", "libx264"});
    if (source.isEmpty() || film.isEmpty() || hd.isEmpty()
        || !TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=4000x3000,noise=alls=25:allf=u", "-frames:v",
                                     "1", "-pix_fmt", "rgb24", photo})
        || !TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=10:d=3", gif})) {
        std::fprintf(stderr, "could not make the media\n");
        return 1;
    }
    const QString big = dir.filePath(QStringLiteral("big.png"));
    const QString small = dir.filePath(QStringLiteral("small.png"));
    if (!TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=4800x3000,noise=alls=25:allf=u", "-frames:v", "1",
                                  "-pix_fmt", "rgb24", big})
        || !TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=64x64", "-frames:v", "1", small})) {
        std::fprintf(stderr, "could not make the layers\n");
        return 1;
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    MeasureKnownLayer(source, big, small, out, pairs, rows);
    MeasureLayer("photo-like 4000x3000 PNG", source, photo, out, pairs, rows);
    MeasureLayer("animated 1280x720 GIF", source, gif, out, pairs, rows);
    MeasureLayer("1920x1080 H.264 video", source, hd, out, pairs, rows, true);
    MeasureKeptSound(film, out, pairs, rows);
    return 0;
}
