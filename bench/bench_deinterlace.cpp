// What the per-picture deinterlacer costs a source whose pictures are all
// progressive: a 1080p30 clip converted to H.264 with the graph a row of it
// gets (the deinterlacer, which passes progressive pictures on untouched)
// against the same conversion with no graph, paired in the same loop (the
// order swapped every pair). The figure is the converter's CPU time, one
// over the other, as min/median/max of the ratios, for an upright clip and
// for a phone's clip stored on its side (the turn is undone around the
// deinterlacer).
//
//   bench_deinterlace [pairs] [seconds]      (defaults 5 and 2)
#include "BenchKit.h"

#include "Core.h"
#include "ST_MEDIA_INFO.h"
#include "TestMedia.h"

#include <QCoreApplication>
#include <QProcess>

#include <sys/resource.h>

namespace {

// The CPU seconds of one conversion of `source` through `graph` (none when empty).
double ConvertCpu(const QString& source, const QString& graph, const QString& out)
{
    struct rusage before;
    struct rusage after;
    getrusage(RUSAGE_CHILDREN, &before);
    QStringList args{"-v", "error", "-y", "-i", source};
    if (!graph.isEmpty())
        args << "-vf" << graph;
    QProcess run;
    run.start(TestMedia::Converter(), args << "-c:v" << "libx264" << "-an" << out);
    if (!run.waitForFinished(600000) || run.exitCode() != 0)
        return -1;
    getrusage(RUSAGE_CHILDREN, &after);
    const auto seconds = [](const struct rusage& r) {
        return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    return seconds(after) - seconds(before);
}

} // namespace

int main(int argc, char** argv)
{
    BenchKit::PrivateHome home;
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const double length = argc > 2 ? qMax(0.5, atof(argv[2])) : 2.0;
    QTemporaryDir dir;
    const QString upright = dir.filePath(QStringLiteral("upright.mp4"));
    if (!TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=s=1920x1080:r=30:d=" + QString::number(length),
                                  "-c:v", "libx264", "-preset", "ultrafast", upright})) {
        std::fprintf(stderr, "could not make the clip\n");
        return 1;
    }
    const QString turned = TestMedia::TagRotation(upright, dir.filePath(QStringLiteral("turned.mp4")), 90);
    const QString out = dir.filePath(QStringLiteral("out.mp4"));
    for (const QString& source : {upright, turned}) {
        const QString graph = Core::DeinterlaceGraph(ProbeMediaInfo(source));
        std::printf("%s: %s\n", qPrintable(QFileInfo(source).fileName()), qPrintable(graph));
        std::vector<double> ratios;
        for (int pair = 0; pair < pairs; ++pair) {
            double a = 0;
            double b = 0;
            BenchKit::RunPair(pair, [&] { a = ConvertCpu(source, graph, out); },
                              [&] { b = ConvertCpu(source, QString(), out); });
            if (a <= 0 || b <= 0) {
                std::fprintf(stderr, "a conversion failed\n");
                return 1;
            }
            ratios.push_back(a / b);
            std::printf("pair %d: with the deinterlacer %.2f s CPU, without %.2f s\n", pair + 1, a, b);
            std::fflush(stdout);
        }
        BenchKit::PrintSpread(source == upright ? "CPU, deinterlacer over none, upright 1080p30"
                                                : "CPU, deinterlacer over none, 1080p30 stored on its side",
                              ratios);
    }
    return 0;
}
