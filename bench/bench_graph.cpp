// Building the filter graph of a row with many layers.
#include "BenchKit.h"
#include "../tests/editor/EditorTestTools.h"
#include "../tests/engine/TestLayerItem.h"
#include "Core.h"

#include <QApplication>
#include <QPolygonF>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    std::vector<std::unique_ptr<TestLayerItem>> items;

    Fixture(int count, int kind)
    {
        Core* core = Core::instance();
        const QString work = dir.path();
        core->SetWorkFolderQuery([work]() { return work; });
        core->SetCanvasSizeQuery([]() { return QSize(960, 540); });
        ST_OPTS& row = EditorTest::ResetCore(dir.path() + "/source.mp4", 1920, 1080);
        row.hflip = true;
        row.crop = true;
        row.cropLeft = 0.05;
        row.cropRight = 0.05;
        row.trimEnd = 60000000;
        QImage image(64, 32, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        for (int i = 0; i < count; ++i) {
            const QString name = kind == 3 ? QString("Text%1").arg(i) : dir.path() + QString("/logo %1's.png").arg(i);
            items.push_back(std::make_unique<TestLayerItem>(kind, name, image));
            TestLayerItem* item = items.back().get();
            item->setPos(10 * i, 5 * i);
            item->setZValue(count - i);  // announced against z order: the sort has work
            item->setRotation(i % 4 == 0 ? 15.0 * i : 0.0);
            CLayerInfo* layer = item->GetLayer();
            layer->Transparent = i % 3 == 0 ? 60 : 100;
            layer->Animation = i % 5;
            layer->Fade = i % 4;
            layer->StartTime = (i % 2) * 1000000LL;
            layer->EndTime = (i % 3) * 5000000LL;
            core->onAddLayer(item);
        }
    }
    ~Fixture()
    {
        Core::instance()->Layers.clear();
        Core::instance()->Rows.clear();
    }
};

// 50 image and video layers: no work files are written.
void BM_GraphFiftyLayers(benchmark::State& state)
{
    Fixture fixture(int(state.range(0)), 2);
    size_t length = 0;
    for (auto _ : state) {
        const QString graph = Core::instance()->GetCommandArg(0);
        length = size_t(graph.size());
        benchmark::DoNotOptimize(graph);
    }
    state.counters["chars"] = double(length);
}
BENCHMARK(BM_GraphFiftyLayers)->Arg(50)->Unit(benchmark::kMillisecond);

// The same with styled-text layers: each call also writes one PNG per layer.
void BM_GraphFiftyTextLayersWithPngWrites(benchmark::State& state)
{
    Fixture fixture(int(state.range(0)), 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(Core::instance()->GetCommandArg(0));
}
BENCHMARK(BM_GraphFiftyTextLayersWithPngWrites)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchKit::RunQuiet(argc, argv);
}
