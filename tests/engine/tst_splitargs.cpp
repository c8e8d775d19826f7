#include <QtTest>

#include "ConfigFormat.h"
#include "JobArgs.h"
#include "RunArguments.h"

#include <cmath>

// Part lists, part names and the command lines of split parts.
class TestSplitArgs : public QObject
{
    Q_OBJECT
    using Ranges = QVector<QPair<long long, long long>>;
    static long long sumLengths(const QList<ST_SPLIT_PART>& parts)
    {
        long long s = 0;
        for (const ST_SPLIT_PART& p : parts)
            s += p.length;
        return s;
    }

private slots:
    void clockTextKeepsFractionAndLongHours()
    {
        QCOMPARE(JobArgs::ClockText(0), QString("00:00:00.000"));
        QCOMPARE(JobArgs::ClockText(1500000), QString("00:00:01.500"));
        QCOMPARE(JobArgs::ClockText(3723456789LL), QString("01:02:03.456"));
        // 25 h and 100 h stay readable instead of wrapping or vanishing.
        QCOMPARE(JobArgs::ClockText(90000000000LL), QString("25:00:00.000"));
        QCOMPARE(JobArgs::ClockText(360000000000LL + 1000), QString("100:00:00.001"));
        QCOMPARE(JobArgs::ClockText(-5), QString("00:00:00.000"));
        QCOMPARE(JobArgs::DurationText(3725500000LL), QString("01:02:05.50"));
        QCOMPARE(JobArgs::MarkTime(90000000LL), QString("00-01-30"));
    }

    void countModeCoversWholeFile()
    {
        const long long d = 100000000;
        const auto parts = JobArgs::SplitParts({}, 0, 3, 0, 0, d);
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0].start, 0LL);
        QCOMPARE(parts[1].start, 33333333LL);
        QCOMPARE(parts[2].start, 66666666LL);
        QCOMPARE(parts[0].length, 33333333LL);
        QCOMPARE(parts[0].mark, QString("_1"));
        QCOMPARE(parts[2].mark, QString("_3"));
        QVERIFY(!parts[0].toEnd);
        QVERIFY(parts[2].toEnd);
        QCOMPARE(sumLengths(parts), d);
        QVERIFY(JobArgs::SplitParts({}, 0, 0, 0, 0, d).isEmpty());
        QVERIFY(JobArgs::SplitParts({}, 0, -2, 0, 0, d).isEmpty());
        // A failed probe gives no zero-length parts.
        QVERIFY(JobArgs::SplitParts({}, 0, 3, 0, 0, 0).isEmpty());
        // More parts than microseconds: one part holds everything.
        const auto tiny = JobArgs::SplitParts({}, 0, 1000000000, 0, 0, 5);
        QCOMPARE(tiny.size(), 1);
        QCOMPARE(tiny[0].length, 5LL);
    }

    void lengthModeAndItsMarks()
    {
        const auto parts = JobArgs::SplitParts({}, 1, 0, 30000000, 0, 100000000);
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[0].mark, QString("00-00-00_00-00-30"));
        QCOMPARE(parts[1].mark, QString("00-00-30_00-01-00"));
        QCOMPARE(parts[2].mark, QString("00-01-00_00-01-30"));
        QCOMPARE(parts[3].mark, QString("00-01-30_00-01-40"));
        QCOMPARE(parts[3].length, 10000000LL);
        QVERIFY(parts[3].toEnd);
        QCOMPARE(sumLengths(parts), 100000000LL);
        // An exact multiple has no empty tail part.
        const auto even = JobArgs::SplitParts({}, 1, 0, 25000000, 0, 100000000);
        QCOMPARE(even.size(), 4);
        QVERIFY(even.last().toEnd);
        // A length of 0 or less must end, with nothing to do.
        QVERIFY(JobArgs::SplitParts({}, 1, 0, 0, 0, 100000000).isEmpty());
        QVERIFY(JobArgs::SplitParts({}, 1, 0, -7, 0, 100000000).isEmpty());
        QVERIFY(JobArgs::SplitParts({}, 1, 0, 30000000, 0, 0).isEmpty());
    }

    void sectionModeAndRanges()
    {
        auto parts = JobArgs::SplitParts({}, 2, 0, 2000000, 5000000, 10000000);
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts[0].start, 2000000LL);
        QCOMPARE(parts[0].length, 3000000LL);
        QVERIFY(!parts[0].toEnd);
        parts = JobArgs::SplitParts({}, 2, 0, 2000000, 0, 10000000);
        QVERIFY(parts[0].toEnd);
        QCOMPARE(parts[0].length, 8000000LL);
        // A start past the end gives a negative length: not queued.
        QVERIFY(JobArgs::SplitParts({}, 2, 0, 12000000, 0, 10000000).isEmpty());
        QVERIFY(JobArgs::SplitParts({}, 7, 2, 1, 1, 10000000).isEmpty());

        // Ranges decide alone; an end of 0 runs to the end.
        const Ranges ranges{{1000000, 3000000}, {4000000, 0}, {5000000, 5000000}, {6000000, 2000000}};
        parts = JobArgs::SplitParts(ranges, 0, 3, 0, 0, 10000000);
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0].mark, QString("00-00-01_00-00-03"));
        QCOMPARE(parts[1].start, 4000000LL);
        QCOMPARE(parts[1].length, 6000000LL);
        QVERIFY(parts[1].toEnd);
        // A range past the file's end is cut at the end and named as asked.
        parts = JobArgs::SplitParts(Ranges{{8000000, 20000000}}, 0, 0, 0, 0, 10000000);
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts[0].length, 2000000LL);
        QCOMPARE(parts[0].mark, QString("00-00-08_00-00-20"));
    }

    void partsAlignToFrames()
    {
        // A third of 10 s at 25 fps: the cuts move to 3.32 s and 6.68 s, the
        // lengths still add up, the tail still runs to the end.
        const auto parts = JobArgs::AlignToFrames(JobArgs::SplitParts({}, 0, 3, 0, 0, 10000000), 25.0);
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[1].start, 3320000LL);
        QCOMPARE(parts[0].length, 3320000LL);
        QCOMPARE(parts[2].start, 6680000LL);
        QVERIFY(parts[2].toEnd);
        QCOMPARE(sumLengths(parts), 10000000LL);
        // Unknown rate: unchanged; a part shorter than half a frame vanishes.
        QCOMPARE(JobArgs::AlignToFrames(parts, 0.0)[1].start, 3320000LL);
        ST_SPLIT_PART sliver;
        sliver.start = 1000000;
        sliver.length = 10000;
        QVERIFY(JobArgs::AlignToFrames({sliver}, 25.0).isEmpty());
        QCOMPARE(JobArgs::ParseDurationText("00:00:10.00"), 10000000LL);
        QCOMPARE(JobArgs::ParseDurationText("123:01:02.5"), 442862500000LL);
        QCOMPARE(JobArgs::ParseDurationText("junk"), -1LL);
    }

    void partPaths()
    {
        QCOMPARE(JobArgs::TaggedPath("/out", "/v/trip_Music.mkv", "Mix", "mkv"), QString("/out/trip_MusicMix.mkv"));
        QCOMPARE(JobArgs::TaggedPath("/out", "/v.d/noext", "_Subtitle", ""), QString("/out/noext_Subtitle"));
        QCOMPARE(JobArgs::MeltFpsNumerator(29.97), 29970);
        QCOMPARE(JobArgs::MeltFpsNumerator(0), 0);
        QCOMPARE(JobArgs::MeltFpsNumerator(std::nan("")), 0);
        QCOMPARE(JobArgs::MeltFpsNumerator(1e30), 0);
        QCOMPARE(JobArgs::PartPath("/out", "/v/my.clip.mov", "mp4", "_2"), QString("/out/my.clip_2.mp4"));
        QCOMPARE(JobArgs::PartPath("/out", "/v/clip.mov", "", "_1"), QString("/out/clip_1.mov"));
        QCOMPARE(JobArgs::PartPath("/out", "/v/clip.mov", "mkv", "00-00-00_00-00-30"),
                 QString("/out/clip00-00-00_00-00-30.mkv"));
    }

    void partArgs()
    {
        ST_SPLIT_PART p;
        p.start = 1500000;
        p.length = 3250000;
        FormatSettings copied;
        copied.VCodec = copied.ACodec = "copy";
        QCOMPARE(RunArguments::CommonArguments(copied, "mp4", "/in.mp4", 0, 25, QString(), QSize(), 0, &p).arguments,
                 QStringList({"-ss", "00:00:01.500", "-t", "00:00:03.250", "-accurate_seek", "-i", "/in.mp4", "-c:v",
                              "copy", "-c:a", "copy", "-avoid_negative_ts", "1", "-y"}));
        // The picture on screen at the start, shown from 1.2 s: read from there, moved to the start.
        p.toEnd = true;
        p.shownFrom = 1200000;
        QCOMPARE(RunArguments::CommonArguments(FormatSettings(), "mp4", "/in.mp4", 0, 25, QString(), QSize(), 0, &p)
                     .arguments.mid(0, 17),
                 QStringList({"-ss", "00:00:01.200", "-accurate_seek", "-an", "-sn", "-i", "/in.mp4", "-ss",
                              "00:00:01.500", "-accurate_seek", "-vn", "-i", "/in.mp4", "-c:v", "libx264", "-vf",
                              "setpts='max(0,PTS-0.300000/TB)'"}));
    }

    void meltArgs()
    {
        // Unquoted clock times; the out point is the last frame included.
        // Every clip names its producer: never read as a script or a property.
        QCOMPARE(JobArgs::MeltClip("/in.mp4", 1500000, 3500000, false, 25.0),
                 QStringList({"avformat:/in.mp4", "in=00:00:01.500", "out=00:00:03.460"}));
        QCOMPARE(JobArgs::MeltClip("/in.mlt", 5400000000LL, 0, true, 25.0),
                 QStringList({"avformat:/in.mlt", "in=01:30:00.000"}));
        QCOMPARE(JobArgs::MeltClip("/v/a=b.mp4", 0, 0, true, 25.0).first(), QString("avformat:/v/a=b.mp4"));
        // An unknown rate counts frames at 25 per second.
        QCOMPARE(JobArgs::MeltClip("/a", 0, 1000000, false, 0.0).last(), QString("out=00:00:00.960"));
        QCOMPARE(JobArgs::MeltConsumer("/o.mp4", "mp4", "h264", "mp3", ""),
                 QStringList({"-consumer", "avformat:/o.mp4", "real_time=-1", "vcodec=libx264", "acodec=libmp3lame"}));
        // A size sets the whole profile: square pixels, progressive, the rate.
        QCOMPARE(JobArgs::MeltConsumer("/o.mkv", "mkv", "h265", "aac", "640x360", 29.97),
                 QStringList({"-consumer", "avformat:/o.mkv", "real_time=-1", "vcodec=libx265", "width=640",
                              "height=360", "sample_aspect_num=1", "sample_aspect_den=1", "display_aspect_num=640",
                              "display_aspect_den=360", "progressive=1", "frame_rate_num=29970",
                              "frame_rate_den=1000", "acodec=aac"}));
        // No usable rate: none is given; no size: no profile at all.
        QVERIFY(!JobArgs::MeltProfile("320x240 VGA", 0.0).join(" ").contains("frame_rate"));
        QCOMPARE(JobArgs::MeltProfile("320x240 VGA", 0.0).first(), QString("width=320"));
        QVERIFY(JobArgs::MeltProfile("Auto", 25.0).isEmpty());
        // Pixels of another aspect: the frame's shown aspect, reduced.
        QCOMPARE(JobArgs::MeltProfile("144x180", 0.0, 45, 64).mid(2, 4),
                 QStringList({"sample_aspect_num=45", "sample_aspect_den=64", "display_aspect_num=9",
                              "display_aspect_den=16"}));
        QCOMPARE(JobArgs::MeltProfile("320x240", 0.0, 0, 1), JobArgs::MeltProfile("320x240", 0.0));
        // What melt is told of a turned clip: nothing for a plain turn; the
        // stored aspect of a quarter turn; a mirrored one's turn and mirror.
        QCOMPARE(JobArgs::MeltTurn(90, false, 1, 1), QStringList());
        QCOMPARE(JobArgs::MeltTurn(180, false, 64, 45), QStringList());
        QCOMPARE(JobArgs::MeltTurn(270, false, 45, 64), QStringList({"force_aspect_ratio=1.42222222222"}));
        QCOMPARE(JobArgs::MeltTurn(0, true, 1, 1), QStringList({"autorotate=0", "-attach-clip", "avfilter.hflip"}));
        QCOMPARE(JobArgs::MeltTurn(90, true, 1, 1), QStringList({"rotate=90", "-attach-clip", "avfilter.hflip"}));
        QCOMPARE(JobArgs::MeltConsumer("/o.mp3", "mp3", "h264", "mp3", "640x360"),
                 QStringList({"-consumer", "avformat:/o.mp3", "real_time=-1", "vn=1", "acodec=libmp3lame"}));
    }

    void meltReadsDecimalPoints()
    {
        QProcessEnvironment base;
        base.insert("LC_ALL", "de_DE.UTF-8");
        base.insert("PATH", "/usr/bin");
        const QProcessEnvironment env = JobArgs::MeltEnvironment(base);
        QVERIFY(!env.contains("LC_ALL"));
        QCOMPARE(env.value("LC_NUMERIC"), QString("C"));
        QCOMPARE(env.value("LC_MESSAGES"), QString("de_DE.UTF-8"));
        QCOMPARE(env.value("PATH"), QString("/usr/bin"));
        QCOMPARE(JobArgs::MeltEnvironment(QProcessEnvironment()).value("LC_NUMERIC"), QString("C"));
    }

    void settingNumbers()
    {
        QCOMPARE(JobArgs::LeadingInt("64 kbps"), 64);
        QCOMPARE(JobArgs::LeadingInt("2 channels stereo"), 2);
        QCOMPARE(JobArgs::LeadingInt("Auto"), 0);
        QCOMPARE(JobArgs::LeadingInt(""), 0);
        QCOMPARE(JobArgs::LeadingNumber("29.97 fps"), 29.97);
        QCOMPARE(JobArgs::LeadingNumber("x"), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestSplitArgs)
#include "tst_splitargs.moc"
