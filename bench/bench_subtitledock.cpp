// A long subtitle file in the editor's subtitle dock: reading it into the
// table, and scrolling the table to its end.
#include "AssLibrary.h"
#include "BenchKit.h"
#include "Core.h"
#include "docks/SubtitleDock.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// A file of count events written by the program's own writer.
QString MakeFile(const QTemporaryDir& dir, int count)
{
    SubtitleParser doc;
    BenchKit::FillEvents(doc, count, 1000, 800, QStringLiteral("Subtitle line number %1\\Nsecond line"));
    const QString path = dir.filePath(QStringLiteral("long.ass"));
    return doc.SaveASS(path) ? path : QString();
}

// Core holding a file of count events, read as the editor opens it.
void Load(const QTemporaryDir& dir, int count)
{
    SubtitleParser& doc = Core::instance()->Subtitle;
    doc.setFileName(MakeFile(dir, count));
    doc.ASSParser();
}

void Show(SubtitleDock* dock)
{
    dock->resize(500, 700);
    dock->show();
}

// Reading the file into Core and the table, as the editor opens it.
void BM_SubtitleDockOpen(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = MakeFile(dir, int(state.range(0)));
    SubtitleDock dock;
    Show(&dock);
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
    Load(dir, int(state.range(0)));
    SubtitleDock dock;
    Show(&dock);
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
    Load(dir, int(state.range(0)));
    SubtitleDock dock;
    Show(&dock);
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
    return BenchKit::RunQuiet(argc, argv, [] {
        g_ass_library = ass_library_init();
        ass_set_message_cb(g_ass_library, [](int, const char*, va_list, void*) {}, nullptr);
    });
}
