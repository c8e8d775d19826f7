// Speed of the subtitle readers and writers on 10,000 events, and of probing
// and grabbing the first picture of a local 1080p H.264 file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "AssLibrary.h"
#include "BenchKit.h"
#include "MediaFunctions.h"
#include "SubtitleParser.h"
#include "TestMedia.h"

extern "C" {
#include <libavutil/log.h>
}

namespace {

QTemporaryDir* g_dir = nullptr;
QString g_srt, g_ass, g_video;

constexpr int kEvents = 10000;

void FillDocument(SubtitleParser& doc)
{
    BenchKit::FillEvents(doc, kEvents, 2000, 1500,
                         QStringLiteral("Line %1 of the dialogue, {\\i1}with tags{\\i0}\\Nand a second line"));
}

bool Prepare()
{
    g_dir = new QTemporaryDir;
    if (!g_dir->isValid())
        return false;
    SubtitleParser doc;
    FillDocument(doc);
    g_srt = g_dir->filePath("bench.srt");
    g_ass = g_dir->filePath("bench.ass");
    if (!doc.SaveSRT(g_srt) || !doc.SaveASS(g_ass))
        return false;
    g_video = TestMedia::MakeVideo(g_dir->path(), "hd.mp4", 3.0, 1920, 1080, 25,
                                   {"-c:v", "libx264", "-preset", "veryfast"});
    return !g_video.isEmpty();
}

void BM_ReadSrt10k(benchmark::State& state)
{
    for (auto _ : state) {
        SubtitleParser doc;
        doc.setFileName(g_srt);
        doc.open(QIODevice::ReadOnly | QIODevice::Text);
        doc.SRTParser();
        doc.close();
        if (doc.Events.size() != kEvents)
            state.SkipWithError("wrong event count");
    }
}
BENCHMARK(BM_ReadSrt10k)->Unit(benchmark::kMillisecond);

void BM_WriteSrt10k(benchmark::State& state)
{
    SubtitleParser doc;
    FillDocument(doc);
    const QString out = g_dir->filePath("out.srt");
    for (auto _ : state) {
        if (!doc.SaveSRT(out))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteSrt10k)->Unit(benchmark::kMillisecond);

void BM_ReadAss10k(benchmark::State& state)
{
    for (auto _ : state) {
        SubtitleParser doc;
        doc.setFileName(g_ass);
        doc.ASSParser();
        if (doc.Events.size() != kEvents)
            state.SkipWithError("wrong event count");
    }
}
BENCHMARK(BM_ReadAss10k)->Unit(benchmark::kMillisecond);

void BM_WriteAss10k(benchmark::State& state)
{
    SubtitleParser doc;
    FillDocument(doc);
    const QString out = g_dir->filePath("out.ass");
    for (auto _ : state) {
        if (!doc.SaveASS(out))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteAss10k)->Unit(benchmark::kMillisecond);

void BM_GetMediaInfo1080p(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(g_video);
    for (auto _ : state) {
        int w = 0, h = 0;
        long long duration = 0, bitRate = 0;
        float fps = 0;
        GetMediaInfo(path.constData(), &w, &h, &duration, &fps, &bitRate);
        if (w != 1920 || h != 1080)
            state.SkipWithError("wrong size");
    }
}
BENCHMARK(BM_GetMediaInfo1080p)->Unit(benchmark::kMillisecond);

void BM_GetMediaImage1080pFirstFrame(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(g_video);
    for (auto _ : state) {
        QImage image;
        GetMediaImage(path.constData(), &image, 0, nullptr);
        if (image.width() != 1920)
            state.SkipWithError("no picture");
    }
}
BENCHMARK(BM_GetMediaImage1080pFirstFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    av_log_set_level(AV_LOG_ERROR);
    g_ass_library = ass_library_init();
    ass_set_message_cb(g_ass_library, [](int, const char*, va_list, void*) {}, nullptr);
    if (!Prepare())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete g_dir;
    ass_library_done(g_ass_library);
    g_ass_library = nullptr;
    return 0;
}
