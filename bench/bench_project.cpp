// Opening a project in the editor window, by its number of layers: one open
// of a large project against the same number of layers opened as four
// projects a quarter of its size, in turn (ABAB). Linear opening keeps the
// ratio near 1; a cost that grows with the layers already there raises it
// towards 4.
//
//   bench_project [rounds] [layers]
#include "../tests/editor/canvas/CanvasTestTools.h"
#include "AssLibrary.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "JxOFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

void QuietLog(QtMsgType, const QMessageLogContext&, const QString&) {}

// count layers: image layers with a few text layers among them.
QString WriteProject(const QTemporaryDir& dir, const QString& picture, int count)
{
    JxOFile file;
    file.ProjectPath = dir.filePath(QStringLiteral("layers%1.jxo").arg(count));
    for (int i = 0; i < count; ++i) {
        CLayerInfo layer;
        if (i % 10 == 9) {
            layer.Type = 3;
            layer.FileName = QStringLiteral("Text%1").arg(i);
            layer.WordArt.Text = QStringLiteral("Mark %1").arg(i);
            layer.WordArt.Font.setPixelSize(24);
        } else {
            layer.Type = 2;
            layer.FileName = picture;
        }
        layer.x = (i * 7) % 300;
        layer.y = (i * 5) % 200;
        layer.Width = 40;
        layer.Height = 30;
        file.LayerList << layer;
    }
    return file.Save() ? file.ProjectPath : QString();
}

// Seconds to open the project on an empty canvas, layers shown in the dock,
// events handled. Taking the previous layers away is not timed.
double Open(EditorMainWindow* window, const QString& empty, const QString& path, int count)
{
    if (!window->OpenProject(empty))
        return -1.0;
    // The layers taken away go as the event loop would destroy them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    if (!window->OpenProject(path) || Core::instance()->Layers.size() != count)
        return -1.0;
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e9;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietLog);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int layers = argc > 2 ? std::max(4, atoi(argv[2]) / 4 * 4) : 1000;
    if (!g_ass_library)
        g_ass_library = ass_library_init();

    QTemporaryDir dir;
    Core::instance()->SetWorkFolderQuery([&dir]() { return dir.path(); });
    const QString clip = TestMedia::MakeSolidVideo(dir.path(), QStringLiteral("gray"), QStringLiteral("source.mp4"),
                                                   1.0, 320, 240);
    const QString picture = CanvasTest::SolidPng(dir.path(), QStringLiteral("logo.png"), 40, 30, Qt::blue);
    const QString whole = WriteProject(dir, picture, layers);
    const QString quarter = WriteProject(dir, picture, layers / 4);
    const QString empty = WriteProject(dir, picture, 0);
    if (clip.isEmpty() || picture.isEmpty() || whole.isEmpty() || quarter.isEmpty() || empty.isEmpty()) {
        std::fprintf(stderr, "could not make the test files\n");
        return 1;
    }
    EditorTest::ResetCore(clip, 320, 240);
    EditorMainWindow window;
    window.resize(1000, 700);
    window.show();
    window.InitCanvas(clip);

    // One untimed open of each warms the caches.
    Open(&window, empty, whole, layers);
    Open(&window, empty, quarter, layers / 4);
    std::vector<double> big, small, ratios;
    for (int r = 0; r < rounds; ++r) {
        double a = 0.0;
        double b = 0.0;
        for (int k = 0; k < 2; ++k) {
            if ((r + k) % 2 == 0) {
                a = Open(&window, empty, whole, layers);
            } else {
                b = 0.0;
                for (int q = 0; q < 4 && b >= 0.0; ++q) {
                    const double t = Open(&window, empty, quarter, layers / 4);
                    b = t < 0.0 ? -1.0 : b + t;
                }
            }
        }
        if (a < 0.0 || b < 0.0) {
            std::fprintf(stderr, "a project did not open whole\n");
            return 1;
        }
        big.push_back(a);
        small.push_back(b);
        ratios.push_back(a / b);
        std::printf("round %d: %d layers %.3f s, 4 x %d layers %.3f s, ratio %.3f\n", r + 1, layers, a, layers / 4,
                    b, a / b);
        std::fflush(stdout);
    }
    std::printf("%d layers: median %.3f s; ratio to 4 x %d layers: min %.3f, median %.3f, max %.3f\n", layers,
                Median(big), layers / 4, *std::min_element(ratios.begin(), ratios.end()), Median(ratios),
                *std::max_element(ratios.begin(), ratios.end()));
    Core::instance()->Layers.clear();
    return 0;
}
