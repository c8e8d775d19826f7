// Typing into the styled-text dialog with a 2000-character text: what one
// keystroke costs (the page only stores the text; rendering waits for the
// pause) and what the one render per pause costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTextEdit>

#include "CWordArtInfo.h"
#include "text/VTextPropSheetDialog.h"

namespace {

// 2000 characters in 40 lines of 50, as a long caption is typed.
QString LongText()
{
    QString text;
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog again");
    for (int i = 0; i < 40; ++i) {
        text += line.left(49);
        text += QLatin1Char('\n');
    }
    return text;
}

void BM_KeystrokeLongText(benchmark::State& state)
{
    VTextPropSheetDialog dialog;
    dialog.WordArt.Text = LongText();
    dialog.InitDialog();
    dialog.show();
    auto* edit = dialog.findChild<QTextEdit*>(QStringLiteral("textEdit"));
    edit->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_A);
        QTest::keyClick(edit, Qt::Key_Backspace);
        // Layout and repaint of the edit box, as on screen.
        QCoreApplication::processEvents();
    }
    if (dialog.WordArt.Text.size() != LongText().size())
        state.SkipWithError("text not kept");
    // Two keystrokes per iteration.
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeLongText)->Unit(benchmark::kMicrosecond);

// Building the dialog reads the presets and renders their thumbnails.
void BM_OpenDialog(benchmark::State& state)
{
    for (auto _ : state) {
        VTextPropSheetDialog dialog;
        dialog.InitDialog();
        benchmark::DoNotOptimize(dialog.WordArt);
    }
}
BENCHMARK(BM_OpenDialog)->Unit(benchmark::kMillisecond);

void BM_RenderLongText(benchmark::State& state)
{
    VTextPropSheetDialog dialog; // the dialog's starting record: 40 px "Arial Black", glow
    CWordArtInfo record = dialog.WordArt;
    record.Text = LongText();
    record.TextEffect = static_cast<TextEffect>(state.range(0));
    for (auto _ : state) {
        QImage image;
        if (!record.DrawEffectText(&image, true) || image.isNull())
            state.SkipWithError("nothing rendered");
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_RenderLongText)->Arg(TE_GLOW)->Arg(TE_NO_OUTLINE)->Arg(TE_DBL_OUTLINE)->ArgName("effect")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
