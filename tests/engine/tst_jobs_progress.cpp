// The progress readers of the converter and melt jobs, on output captured
// from ffmpeg 5.1 and melt 7 (stored below and captured afresh by running the
// tools), delivered whole, byte by byte and split at every byte boundary.
#include <QtTest>

#include "AppFolder.h"
#include "JobTestTools.h"
#include "JxEngineJob.h"
#include "MeltEngineJob.h"
#include "ProgressLineSplitter.h"
#include "TestMedia.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <clocale>
#include <functional>
#include <memory>

namespace {

// ffmpeg 5.1, 2 s of 320x240 at 25 fps to H.264 with "-re -stats_period 0.25"
// (the encoder's statistics at the end left out).
const char ffVideo[] =
    "ffmpeg stats and -progress period set to 0.25.\n"
    "Input #0, lavfi, from 'testsrc2=s=320x240:r=25:d=2':\n"
    "  Duration: N/A, start: 0.000000, bitrate: N/A\n"
    "  Stream #0:0: Video: rawvideo (I420 / 0x30323449), yuv420p, 320x240 [SAR 1:1 DAR 4:3], 25 tbr, 25 tbn\n"
    "Stream mapping:\n"
    "  Stream #0:0 -> #0:0 (rawvideo (native) -> h264 (libx264))\n"
    "Output #0, mp4, to 'o2.mp4':\n"
    "  Metadata:\n"
    "    encoder         : Lavf59.27.100\n"
    "  Stream #0:0: Video: h264 (avc1 / 0x31637661), yuv420p(progressive), 320x240 [SAR 1:1 DAR 4:3], q=2-31, 25 fps, 12800 tbn\n"
    "    Metadata:\n"
    "      encoder         : Lavc59.37.100 libx264\n"
    "frame=    1 fps=0.0 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=    7 fps=0.0 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   13 fps=0.0 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   20 fps=0.0 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   26 fps= 25 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   33 fps= 26 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   39 fps= 25 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   46 fps= 25 q=0.0 size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
    "frame=   50 fps= 25 q=-1.0 Lsize=      67kB time=00:00:01.88 bitrate= 294.1kbits/s speed=0.923x    \n"
    "video:66kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: 2.170281%\n";

// ffmpeg 5.1, 2 s of sine to MP3 with "-re -stats_period 0.25": status lines
// without "frame=", read by their time.
const char ffAudio[] =
    "ffmpeg stats and -progress period set to 0.25.\n"
    "Input #0, lavfi, from 'sine=d=2':\n"
    "  Duration: N/A, start: 0.000000, bitrate: 705 kb/s\n"
    "  Stream #0:0: Audio: pcm_s16le, 44100 Hz, mono, s16, 705 kb/s\n"
    "Stream mapping:\n"
    "  Stream #0:0 -> #0:0 (pcm_s16le (native) -> mp3 (libmp3lame))\n"
    "Output #0, mp3, to 'o3.mp3':\n"
    "  Metadata:\n"
    "    TSSE            : Lavf59.27.100\n"
    "  Stream #0:0: Audio: mp3, 44100 Hz, mono, s16p\n"
    "    Metadata:\n"
    "      encoder         : Lavc59.37.100 libmp3lame\n"
    "size=       0kB time=00:00:00.00 bitrate=N/A speed=N/A    \r"
    "size=       1kB time=00:00:00.13 bitrate=  89.9kbits/s speed=0.526x    \r"
    "size=       3kB time=00:00:00.36 bitrate=  73.3kbits/s speed=0.722x    \r"
    "size=       5kB time=00:00:00.62 bitrate=  69.4kbits/s speed=0.822x    \r"
    "size=       8kB time=00:00:00.91 bitrate=  67.7kbits/s speed=0.894x    \r"
    "size=       9kB time=00:00:01.15 bitrate=  67.0kbits/s speed=0.898x    \r"
    "size=      11kB time=00:00:01.41 bitrate=  66.4kbits/s speed=0.918x    \r"
    "size=      13kB time=00:00:01.67 bitrate=  66.0kbits/s speed=0.932x    \r"
    "size=      16kB time=00:00:02.01 bitrate=  65.7kbits/s speed=   1x    \n"
    "video:0kB audio:16kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: 1.392638%\n";

// melt 7.12 joining a 3 s clip and a missing file.
const char meltOut[] =
    "No LADSPA plugins were found!\n"
    "\n"
    "Check your LADSPA_PATH environment variable.\n"
    "Failed to load \"missing.mp4\"\n"
    "Failed to load \"missing.mp4\"\n"
    "Current Frame:         24, percentage:         32\r"
    "Current Frame:         67, percentage:         89\r"
    "Current Frame:         74, percentage:         98\r"
    "[mp4 @ 0x7ff274000d00] Timestamps are unset in a packet for stream 1. This is deprecated and will stop "
    "working in the future. Fix your code to set the timestamps properly\n"
    "[mp4 @ 0x7ff274000d00] Encoder did not produce proper pts, making some up.\n"
    "\n";

using Reports = QList<QPair<int, quint64>>;
using Factory = std::function<AbstractJob*()>;

struct Outcome
{
    Reports reports;
    QString log;
};

// Feeds `data` in the given chunks to a fresh job.
Outcome feed(const Factory& make, const QList<QByteArray>& chunks)
{
    std::unique_ptr<AbstractJob> job(make());
    ProgressLog progress;
    progress.attach(job.get());
    for (const QByteArray& c : chunks)
        job->feedOutput(c);
    return {progress.reports, job->log()};
}

// Whole, byte by byte, and split in two at every byte boundary: the same
// reports and the same log every time. Returns the whole-fed outcome.
Outcome checkEveryChunking(const Factory& make, const QByteArray& data)
{
    const Outcome whole = feed(make, {data});
    QList<QByteArray> bytes;
    for (char c : data)
        bytes.append(QByteArray(1, c));
    const Outcome single = feed(make, bytes);
    if (single.reports != whole.reports || single.log != whole.log) {
        qWarning() << "byte-by-byte feed differs";
        return {};
    }
    for (int i = 1; i < data.size(); ++i) {
        const Outcome split = feed(make, {data.left(i), data.mid(i)});
        if (split.reports != whole.reports || split.log != whole.log) {
            qWarning() << "split at" << i << "differs:" << split.reports << "vs" << whole.reports;
            return {};
        }
    }
    return whole;
}

Factory engineJob(const QString& duration, float fps)
{
    return [duration, fps] {
        auto* job = new JxEngineJob(QString(), {}, true);
        job->setDuration(duration);
        job->setFPS(fps);
        return job;
    };
}

Factory meltJob()
{
    return [] { return new MeltEngineJob(QString(), {}, true); };
}

// The standard error of a run that ended well, preferably one that showed
// `progress`. melt sometimes hangs before its first frame on a busy machine,
// and shows its position only as often as it gets to look: a run that does
// not end in time, or ends without a figure, is tried again.
QByteArray runAndCapture(const QString& program, const QStringList& args, const QByteArray& progress)
{
    QByteArray ended;
    for (int attempt = 0; attempt < 3 && !ended.contains(progress); ++attempt) {
        QProcess p;
        p.setStandardInputFile(QProcess::nullDevice());
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(program, args);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
        } else if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) {
            ended = p.readAllStandardError();
        }
    }
    return ended;
}

} // namespace

class TestJobsProgress : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void splitterKeepsTailAndSkipsEmptyRecords()
    {
        ProgressLineSplitter s;
        QCOMPARE(s.Feed("ab"), QList<QByteArray>());
        QVERIFY(s.HasTail());
        QCOMPARE(s.Feed("c\r\r\nde\nf"), QList<QByteArray>({"abc", "de"}));
        QCOMPARE(s.Feed("\r"), QList<QByteArray>({"f"}));
        QCOMPARE(s.Feed("\n\r\n"), QList<QByteArray>());
        QCOMPARE(s.Feed("tail"), QList<QByteArray>());
        QCOMPARE(s.TakeTail(), QByteArray("tail"));
        QVERIFY(!s.HasTail());
    }

    void totalFramesThroughMlt()
    {
        QCOMPARE(JxEngineJob::FramesOfClockText("00:00:40.00", 25.0f), 1000);
        QCOMPARE(JxEngineJob::FramesOfClockText("00:01:02.50", 25.0f), 1562); // lrint(62.5) is 62
        QCOMPARE(JxEngineJob::FramesOfClockText("01:00:00.00", 25.0f), 90000);
        QCOMPARE(JxEngineJob::FramesOfClockText("00:00:40.00", 29.97f), 1199);
        // An unknown rate (audio) counts at 25; no duration, no frames.
        QCOMPARE(JxEngineJob::FramesOfClockText("00:00:40.00", 0.0f), 1000);
        QCOMPARE(JxEngineJob::FramesOfClockText("", 25.0f), 0);
    }

    void totalFramesIgnoreUserLocale()
    {
        // A user locale with a decimal comma: MLT would read 40.50 s as 40 s.
        const QByteArray old = setlocale(LC_NUMERIC, nullptr);
        const char* used = setlocale(LC_NUMERIC, "de_DE.UTF-8");
        if (!used) {
            const QString localedef = QStandardPaths::findExecutable("localedef");
            if (localedef.isEmpty())
                QSKIP("no locale with a decimal comma available");
            QDir().mkpath(m_dir.filePath("loc"));
            QProcess::execute(localedef, {"-i", "de_DE", "-f", "UTF-8", m_dir.filePath("loc/de_DE.UTF-8")});
            qputenv("LOCPATH", QFile::encodeName(m_dir.filePath("loc")));
            used = setlocale(LC_NUMERIC, "de_DE.UTF-8");
            if (!used)
                QSKIP("no locale with a decimal comma available");
        }
        const int frames = JxEngineJob::FramesOfClockText("00:00:40.50", 100.0f);
        setlocale(LC_NUMERIC, old.constData());
        qunsetenv("LOCPATH");
        QCOMPARE(frames, 4050);
    }

    void engineReaderOnCapturedVideo()
    {
        const Outcome out = checkEveryChunking(engineJob("00:00:02.00", 25.0f), QByteArray(ffVideo));
        // 50 frames; the last line has 67 kB at the whole: 67 * 100 / 1024.
        const Reports expected{{2, 0}, {14, 0}, {26, 0}, {40, 0}, {52, 0}, {66, 0}, {78, 0}, {92, 0}, {100, 6}};
        QCOMPARE(out.reports, expected);
        // Header lines are logged, status lines are not.
        QVERIFY(out.log.startsWith("ffmpeg stats and -progress period set to 0.25.\n"));
        QVERIFY(out.log.contains("Stream mapping:\n"));
        QVERIFY(out.log.contains("video:66kB"));
        QVERIFY(!out.log.contains("frame="));
    }

    void engineReaderOnCapturedAudio()
    {
        const Outcome out = checkEveryChunking(engineJob("00:00:02.00", 0.0f), QByteArray(ffAudio));
        const QList<int> percents{7, 18, 31, 46, 58, 71, 84, 101};
        QCOMPARE(out.reports.size(), percents.size());
        for (int i = 0; i < percents.size(); ++i)
            QCOMPARE(out.reports.at(i).first, percents.at(i));
        QCOMPARE(out.reports.at(0).second, quint64(1)); // 1 kB at 6.5 %: 1.49 hundredths of a MB
        QVERIFY(!out.log.contains("size="));
    }

    void engineReaderCases()
    {
        auto* job = static_cast<JxEngineJob*>(engineJob("00:00:40.00", 25.0f)());
        std::unique_ptr<AbstractJob> owner(job);
        QCOMPARE(job->durationValue(), qint64(40000000));
        ProgressLog progress;
        progress.attach(job);
        // The first line after the start only counts the frames, even a status line.
        job->feedOutput("frame=  500 fps= 25 q=28.0 size=    4096kB time=00:00:20.00 bitrate= 1.0kbits/s speed=1x\r");
        QCOMPARE(job->totalFrames(), 1000);
        QVERIFY(progress.reports.isEmpty());
        QVERIFY(job->log().contains("frame=  500"));
        // 250 of 1000 frames with 2048 kB: 25 %, scale 256, estimate 800 (8 MB).
        job->feedOutput("frame=  250 fps= 25 q=28.0 size=    2048kB time=00:00:10.00 bitrate= 1.0kbits/s speed=1x\r");
        QCOMPARE(progress.reports, Reports({{25, 800}}));
        // The same percent again is not reported.
        job->feedOutput("frame=  251 fps= 25 q=28.0 size=    2050kB time=00:00:10.04 bitrate= 1.0kbits/s speed=1x\r");
        QCOMPARE(progress.reports.size(), 1);
        // Newer converters write KiB.
        job->feedOutput("frame=  500 fps= 25 q=28.0 size=    4096KiB time=00:00:20.00 bitrate= 1.0kbits/s speed=1x\r");
        QCOMPARE(progress.reports.last(), qMakePair(50, quint64(800)));
        // A "size=" line reports by its time against the duration.
        job->feedOutput("size=    6144kB time=00:00:30.00 bitrate= 1.0kbits/s speed=1x\r");
        QCOMPARE(progress.reports.last(), qMakePair(75, quint64(800)));
        // Not clock readings: no report, no step back to 0.
        job->feedOutput("size=       0kB time=-577014:32:22.77 bitrate=  -0.0kbits/s speed=N/A\r");
        job->feedOutput("size=N/A time=N/A bitrate=N/A speed=N/A\r");
        QCOMPARE(progress.reports.size(), 3);
        // A frame line without " fps" reads the rest of the line as the number: 0.
        job->feedOutput("frame=  600 q=28.0 size=    10kB time=00:00:24.00\r");
        QCOMPARE(progress.reports.last().first, 0);
        // Other lines go to the log, blank ones do not.
        job->feedOutput("Some warning\n   \n");
        QVERIFY(job->log().endsWith("Some warning\n"));
    }

    void engineReaderWithoutDurationReportsNothing()
    {
        const Outcome out = feed(engineJob(QString(), 25.0f), {QByteArray(ffVideo)});
        QVERIFY(out.reports.isEmpty());
        QVERIFY(out.log.contains("frame=   50")); // every line logged
    }

    void engineReaderOnLiveOutput()
    {
        const QByteArray data = runAndCapture(
            TestMedia::Converter(),
            {"-nostdin", "-hide_banner", "-re", "-f", "lavfi", "-i", "testsrc2=s=160x120:r=25:d=2", "-f", "lavfi",
             "-i", "sine=d=2", "-stats_period", "0.1", "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac",
             "-shortest", "-y", m_dir.filePath("live.ts")},
            "frame=");
        QVERIFY(!data.isEmpty());
        QVERIFY(data.contains("frame="));
        QVERIFY(data.contains('\r'));
        const Outcome out = checkEveryChunking(engineJob("00:00:02.00", 25.0f), data);
        QVERIFY2(out.reports.size() >= 5, qPrintable(QString::number(out.reports.size())));
        for (int i = 1; i < out.reports.size(); ++i)
            QVERIFY(out.reports.at(i).first != out.reports.at(i - 1).first);
        QVERIFY(out.reports.last().first >= 98);
        // A stream container grows as it goes: the estimate follows.
        bool estimated = false;
        for (const auto& r : out.reports)
            estimated = estimated || r.second > 0;
        QVERIFY(estimated);
    }

    void meltReaderOnCapturedOutput()
    {
        const Outcome out = checkEveryChunking(meltJob(), QByteArray(meltOut));
        QCOMPARE(out.reports, Reports({{32, 0}, {89, 0}, {98, 0}}));
        QVERIFY(out.log.contains("Failed to load \"missing.mp4\"\n"));
        QVERIFY(!out.log.contains("percentage:"));
    }

    void meltReaderNeverGoesBack()
    {
        MeltEngineJob job(QString(), {}, true);
        ProgressLog progress;
        progress.attach(&job);
        job.feedOutput("Current Frame:         10, percentage:          5\r");
        job.feedOutput("Current Frame:         11, percentage:          5\r"); // same: nothing
        job.feedOutput("Current Frame:          6, percentage:          3\r");
        job.feedOutput("Current Frame:         14, percentage:          7\r");
        QCOMPARE(progress.percents(), QList<int>({5, 5, 7}));
        QCOMPARE(job.lastFrame(), 14);
        // A frame line without a percentage moves the frame and is logged.
        job.feedOutput("Current Frame:         40\n");
        QCOMPARE(job.lastFrame(), 40);
        QVERIFY(job.log().contains("Current Frame:         40\n"));
        QCOMPARE(progress.reports.size(), 3);
    }

    void meltReaderOnLiveOutput()
    {
        const QString clip = TestMedia::MakeVideo(m_dir.path(), "meltsrc.mp4", 5.0, 160, 120);
        QVERIFY(!clip.isEmpty());
        const QByteArray data = runAndCapture(
            AppFolder::FindTool("melt"),
            {clip, "-consumer", "avformat:" + m_dir.filePath("meltlive.mp4"), "vcodec=libx264", "acodec=aac"},
            "percentage:");
        // A run ended well, and showed a figure: one that shows none is tried again.
        QVERIFY2(data.contains("percentage:"), data.right(400).constData());
        const Outcome out = checkEveryChunking(meltJob(), data);
        for (int i = 1; i < out.reports.size(); ++i)
            QVERIFY(out.reports.at(i).first >= out.reports.at(i - 1).first);
        // melt polls its position, so a busy machine can end on any figure,
        // or show none: the reader must end on the highest figure melt showed.
        int lastShown = 0;
        auto it = QRegularExpression("percentage:\\s*(\\d+)").globalMatch(QString::fromLatin1(data));
        while (it.hasNext())
            lastShown = qMax(lastShown, it.next().captured(1).toInt());
        QCOMPARE(out.reports.isEmpty() ? 0 : out.reports.last().first, lastShown);
    }
};

QTEST_GUILESS_MAIN(TestJobsProgress)
#include "tst_jobs_progress.moc"
