// A long subtitle file in the editor's subtitle dock: reading it into the
// table, and scrolling the table to its end.
#include <benchmark/benchmark.h>

#include "AssLibrary.h"
#include "Core.h"
#include "docks/SubtitleDock.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

namespace {

void quietLog(QtMsgType, const QMessageLogContext&, const QString&) {}

// A file of count events written by the program's own writer.
QString MakeFile(const QTemporaryDir& dir, int count)
{
    SubtitleParser doc;
    for (int i = 0; i < count; ++i) {
        ST_ASS_EVENT e;
        e.Start = i * 1000LL;
        e.End = i * 1000LL + 800;
        e.Style = 1;
        e.Text = QStringLiteral("Subtitle line number %1\\Nsecond line").arg(i);
        doc.Events.append(e);
    }
    const QString path = dir.filePath(QStringLiteral("long.ass"));
    return doc.SaveASS(path) ? path : QString();
}

// Reading the file into Core and the table, as the editor opens it.
void BM_SubtitleDockOpen(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = MakeFile(dir, int(state.range(0)));
    SubtitleDock dock;
    dock.resize(500, 700);
    dock.show();
    SubtitleParser& doc = Core::instance()->Subtitle;
    for (auto _ : state) {
        doc.setFileName(path);
        doc.ASSParser();
        dock.Reload();
        QApplication::processEvents();
    }
    state.counters["rows"] = dock.Model()->rowCount();
}
BENCHMARK(BM_SubtitleDockOpen)->Arg(10000)->Unit(benchmark::kMillisecond);

// The table alone: Core already holds the events.
void BM_SubtitleDockReload(benchmark::State& state)
{
    QTemporaryDir dir;
    SubtitleParser& doc = Core::instance()->Subtitle;
    doc.setFileName(MakeFile(dir, int(state.range(0))));
    doc.ASSParser();
    SubtitleDock dock;
    dock.resize(500, 700);
    dock.show();
    for (auto _ : state) {
        dock.Reload();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SubtitleDockReload)->Arg(10000)->Unit(benchmark::kMillisecond);

// One page step of scrolling, with the rows shown painted.
void BM_SubtitleDockScroll(benchmark::State& state)
{
    QTemporaryDir dir;
    SubtitleParser& doc = Core::instance()->Subtitle;
    doc.setFileName(MakeFile(dir, int(state.range(0))));
    doc.ASSParser();
    SubtitleDock dock;
    dock.resize(500, 700);
    dock.show();
    dock.Reload();
    QScrollBar* bar = dock.Table()->verticalScrollBar();
    QImage image(dock.Table()->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep());
        // Painted into an image: an offscreen window may not be exposed.
        dock.Table()->viewport()->render(&image);
    }
}
BENCHMARK(BM_SubtitleDockScroll)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietLog);
    QApplication app(argc, argv);
    g_ass_library = ass_library_init();
    ass_set_message_cb(g_ass_library, [](int, const char*, va_list, void*) {}, nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
