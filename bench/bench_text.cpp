// Speed of rendering one styled-text line (40 characters, 64 px, Liberation
// Sans through "Arial") with each text effect, and with each shadow kind.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "CWordArtInfo.h"

namespace {

CWordArtInfo Line(int effect)
{
    CWordArtInfo r;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(64);
    r.Font = font;
    r.Text = QStringLiteral("The quick brown fox jumps over a lazy do"); // 40 characters
    r.TextEffect = static_cast<TextEffect>(effect);
    r.OutlineAlpha1 = 200;
    return r;
}

void BM_DrawEffectText(benchmark::State& state)
{
    CWordArtInfo r = Line(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage image;
        if (!r.DrawEffectText(&image, true) || image.isNull())
            state.SkipWithError("nothing rendered");
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_DrawEffectText)->DenseRange(0, 6)->ArgName("effect")->Unit(benchmark::kMillisecond);

// Glow with a shadow: 0 plain, 1 diffused, 2 extruded.
void BM_DrawEffectTextShadow(benchmark::State& state)
{
    CWordArtInfo r = Line(TE_GLOW);
    r.EnableShadow = true;
    r.DiffusedShadow = state.range(0) == 1;
    r.ExtrudedText = state.range(0) == 2;
    for (auto _ : state) {
        QImage image;
        if (!r.DrawEffectText(&image, true) || image.isNull())
            state.SkipWithError("nothing rendered");
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_DrawEffectTextShadow)->DenseRange(0, 2)->ArgName("shadow")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
