// The editor canvas with many layers: one drag step redrawn, and the filter
// graph built from the scene's real layer items.
#include "BenchKit.h"
#include "../tests/editor/canvas/CanvasTestTools.h"
#include "Core.h"
#include "TestMedia.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    CanvasTest::Canvas canvas{QSize(1280, 720)};
    QWatermarkBase* dragged = nullptr;

    explicit Fixture(int count)
    {
        const QString work = dir.path();
        Core::instance()->SetWorkFolderQuery([work]() { return work; });
        const QString clip = TestMedia::MakeVideo(dir.path(), "source.mp4", 0.2, 1920, 1080);
        const QString png = CanvasTest::SolidPng(dir.path(), "logo.png", 200, 100, Qt::blue);
        EditorTest::ResetCore(clip, 1920, 1080);
        canvas.view.show();
        canvas.scene.InitCanvas(clip);
        canvas.view.setZoom(50);
        for (int i = 0; i < count; ++i) {
            QWatermarkBase* layer = canvas.scene.AddLayerImage(png);
            layer->setPos(30 * i, 18 * i);
            if (i % 4 == 0)
                layer->Rotate(15.0 * i);
            dragged = layer;
        }
        QApplication::processEvents();
    }
    ~Fixture()
    {
        Core::instance()->Layers.clear();
        Core::instance()->Rows.clear();
    }
};

// Press on the top layer, then per iteration one mouse move and the repaint
// that the view's tick makes of it.
void BM_CanvasDragStepRedraw(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    QWatermarkView& view = f.canvas.view;
    QPointF at = f.dragged->mapToScene(QPointF(100, 50));
    CanvasTest::Mouse(&view, QEvent::MouseButtonPress, at);
    int step = 0;
    for (auto _ : state) {
        // back and forth, so the layer stays on the canvas
        const double dx = (step % 2) ? -4 : 4;
        const double dy = ((step / 50) % 2) ? -2 : 2;
        ++step;
        at += QPointF(dx, dy);
        CanvasTest::Mouse(&view, QEvent::MouseMove, at);
        view.OnViewDraw();
        view.viewport()->repaint();
    }
    CanvasTest::Mouse(&view, QEvent::MouseButtonRelease, at);
}
BENCHMARK(BM_CanvasDragStepRedraw)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_CanvasCommandArg(benchmark::State& state)
{
    Fixture f(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Core::instance()->GetCommandArg(0));
}
BENCHMARK(BM_CanvasCommandArg)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchKit::RunQuiet(argc, argv);
}
