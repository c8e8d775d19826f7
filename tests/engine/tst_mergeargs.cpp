// The merge builder's choice of way and its command lines, without running
// them; the stream checks and graph texts they rest on.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "JobArgs.h"
#include "MediaStreams.h"

#include <QTemporaryDir>

#include <thread>
#include <vector>

class TestMergeArgs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_a;     // 1 s mp4 320x240
    QString m_b;     // 1 s mp4 320x240
    QString m_mov;   // 1 s mov 320x240
    QString m_small; // 1 s mp4 160x120
    QString m_silent;

    AbstractJob* build(const ST_OPTS& opts, const QString& frameSize = QString(), bool converted = false)
    {
        ResetRows(m_dir.path(), {opts});
        m_queue.reset(new JobsManage);
        m_queue->SetOutputFolderQuery([this]() { return m_out; });
        m_cells.status.setText("Ready");
        JxEngineJob* given = ContainerJob(m_cells, opts.path, 0);
        given->frameSize = frameSize;
        m_queue->AddJobMerge(given, converted);
        delete given;
        return m_queue->jobs().value(0);
    }
    static QStringList argsOf(AbstractJob* job)
    {
        if (auto* e = qobject_cast<JxEngineJob*>(job))
            return e->arguments();
        if (auto* m = qobject_cast<MeltEngineJob*>(job))
            return m->arguments();
        return {};
    }
    ST_OPTS row(const QList<QString>& titles, const QList<QString>& endings)
    {
        ST_OPTS opts = MakeSourceRow(m_a, 1000000);
        for (const QString& t : titles)
            opts.titleClips.append(ST_MERGE{t, 0, 1000000});
        for (const QString& e : endings)
            opts.endingClips.append(ST_MERGE{e, 0, 1000000});
        return opts;
    }
    std::unique_ptr<JobsManage> m_queue;
    FollowUpRow m_cells; // the row cells of the last build

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_a = TestMedia::MakeVideo(m_dir.path(), "a.mp4", 1.0);
        m_b = TestMedia::MakeVideo(m_dir.path(), "b.mp4", 1.0);
        m_mov = TestMedia::MakeVideo(m_dir.path(), "intro.MOV", 1.0);
        m_small = TestMedia::MakeVideo(m_dir.path(), "small.mp4", 1.0, 160, 120);
        m_silent = TestMedia::MakeSilentVideo(m_dir.path(), "silent.mp4", 1.0);
        QVERIFY(!m_a.isEmpty() && !m_b.isEmpty() && !m_mov.isEmpty() && !m_small.isEmpty() && !m_silent.isEmpty());
    }
    void cleanup() { m_queue.reset(); }

    void streamFacts()
    {
        const ST_STREAM_FACTS a = MediaStreams::Probe(m_a);
        QVERIFY(a.ok && a.hasVideo && a.hasAudio);
        QCOMPARE(a.videoCodec, QString("h264"));
        QCOMPARE(a.picture.stored.width(), 320);
        QCOMPARE(a.sampleRate, 44100);
        QVERIFY(qAbs(a.duration - 1000000) < 100000);
        QVERIFY(!MediaStreams::Probe(m_dir.filePath("none.mp4")).ok);
        const ST_STREAM_FACTS b = MediaStreams::Probe(m_b);
        QVERIFY(MediaStreams::SameForConcat({a, b, MediaStreams::Probe(m_mov)}));
        QVERIFY(!MediaStreams::SameForConcat({a, MediaStreams::Probe(m_small)}));
        // Same codec and size, other chroma sampling: the copied stream would
        // carry the first clip's parameter sets for both.
        const QString yuv444 = TestMedia::MakeVideo(m_dir.path(), "yuv444.mp4", 1.0, 320, 240, 25,
                                                    {"-pix_fmt", "yuv444p"});
        QVERIFY(!yuv444.isEmpty());
        QVERIFY(!MediaStreams::SameForConcat({a, MediaStreams::Probe(yuv444)}));
        QVERIFY(!MediaStreams::SameForConcat({a, MediaStreams::Probe(m_silent)}));
        // Pictures shown otherwise: each joined file would be shown as the first.
        const ST_STREAM_FACTS turned
            = MediaStreams::Probe(TestMedia::TagRotation(m_a, m_dir.filePath("turned.mp4"), 90));
        QVERIFY(turned.picture.turn.Swaps());
        QVERIFY(MediaStreams::SameForConcat({turned, turned}));
        QVERIFY(!MediaStreams::SameForConcat({a, turned}));
        // Mirrored by its display matrix, not turned: shown otherwise too.
        const ST_STREAM_FACTS mirrored
            = MediaStreams::Probe(TestMedia::WithDisplayMatrix(m_a, m_dir.filePath("mirrored.mp4"), -1, 0, 0, 1));
        QVERIFY(mirrored.picture.turn.mirrored && mirrored.picture.turn.degrees == a.picture.turn.degrees);
        QVERIFY(!MediaStreams::SameForConcat({a, mirrored}));
        ST_STREAM_FACTS wide = a;
        wide.picture.storedAspect = {4, 3};
        QVERIFY(!MediaStreams::SameForConcat({a, wide}));
        QVERIFY(!MediaStreams::SameForConcat({a, ST_STREAM_FACTS()}));
        QVERIFY(!MediaStreams::SameForConcat({}));
    }

    void squarePixelSizes()
    {
        // As players show the picture, the side its aspect lengthens even:
        // PAL and NTSC widescreen, a quarter-turned PAL frame, and pictures
        // that need no stretch keep their own sides, odd or not.
        QCOMPARE(JobArgs::SquarePixelSize(720, 576, 64, 45), QSize(1024, 576));
        QCOMPARE(JobArgs::SquarePixelSize(720, 480, 32, 27), QSize(854, 480));
        QCOMPARE(JobArgs::SquarePixelSize(576, 720, 45, 64), QSize(576, 1024));
        QCOMPARE(JobArgs::SquarePixelSize(1279, 719, 1, 1), QSize(1279, 719));
        QCOMPARE(JobArgs::SquarePixelSize(1279, 719, 0, 1), QSize(1279, 719));
        QCOMPARE(JobArgs::SquarePixelSize(0, 0, 1, 1), QSize());
    }

    void containerCodecs()
    {
        QVERIFY(MediaStreams::ContainerAccepts("x.mp4", "aac"));
        QVERIFY(MediaStreams::ContainerAccepts("mp4", "mp3"));
        QVERIFY(!MediaStreams::ContainerAccepts("/o/x.mp4", "pcm_s16le"));
        QVERIFY(MediaStreams::ContainerAccepts("/o/x.MKV", "pcm_s16le"));
        QVERIFY(MediaStreams::ContainerAccepts("x.mov", "mov_text"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.mp4", "subrip"));
        QVERIFY(MediaStreams::ContainerAccepts("x.mkv", "ass"));
        QVERIFY(MediaStreams::ContainerAccepts("x.ts", "aac"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.ts", "pcm_s16le"));
        QVERIFY(MediaStreams::ContainerAccepts("x.mp3", "mp3"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.mp3", "aac"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.nosuch", "aac"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.mp4", "nosuchcodec"));
        // Listed, but refused by the muxer as the converter runs it.
        QVERIFY(!MediaStreams::ContainerAccepts("x.mp4", "flac"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.mov", "flac"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.mov", "opus"));
        QVERIFY(!MediaStreams::ContainerAccepts("x.flv", "mpeg4"));
        // Streams that carry a header of their own are still taken.
        for (const char* codec : {"flac", "vorbis", "alac", "opus"})
            QVERIFY2(MediaStreams::ContainerAccepts("x.mkv", codec), codec);
        QVERIFY(MediaStreams::ContainerAccepts("x.mkv", "h264"));
        QVERIFY(MediaStreams::ContainerAccepts("x.mp4", "opus"));
        // WAV's muxer writes Vorbis, but its reader gives back two packets of it.
        QVERIFY(!MediaStreams::ContainerAccepts("x.wav", "vorbis"));
        // Asked from several threads at once, the same answer.
        QVector<int> answers(4, -1);
        std::vector<std::thread> askers;
        for (int i = 0; i < answers.size(); ++i)
            askers.emplace_back([&answers, i] { answers[i] = MediaStreams::ContainerAccepts("x.m4a", "alac"); });
        for (std::thread& t : askers)
            t.join();
        QCOMPARE(answers, QVector<int>(4, 1));
    }

    void graphText()
    {
        // Each picture fitted whole, as shown, between black bars.
        const auto fit = [](const QString& w, const QString& h) {
            return "scale=w='min(" + w + ",2*round(" + h + "*dar/2))':h='min(" + h + ",2*round(" + w
                + "/dar/2))',setsar=1,pad=" + w + ":" + h + ":(ow-iw)/2:(oh-ih)/2";
        };
        QCOMPARE(JobArgs::MergeGraph("1280:720", true, {true, true, true}, {true, true, true}, {1, 2, 0}),
                 QString("[0:v]" + fit("1280", "720") + "[v0];[1:v]" + fit("1280", "720") + "[v1];"
                         "[2:v]" + fit("1280", "720") + "[v2];[0:a]atrim=duration=0.000001[a0];"
                         "[1:a]atrim=duration=0.000002[a1];[v0][a0][v1][a1][v2][2:a]concat=n=3:v=1:a=1[v][a]"));
        // A clip without sound gets silence of its own length.
        QCOMPARE(JobArgs::MergeGraph("320:240", true, {true, true}, {true, false}, {0, 2500000}),
                 QString("[0:v]" + fit("320", "240") + "[v0];[1:v]" + fit("320", "240") + "[v1];"
                         "anullsrc=r=44100:cl=stereo,atrim=duration=2.500000[s1];"
                         "[v0][0:a][v1][s1]concat=n=2:v=1:a=1[v][a]"));
        QCOMPARE(JobArgs::MergeGraph("320:240", true, {true}, {false}, {1}),
                 QString("[0:v]" + fit("320", "240") + "[v0];[v0]concat=n=1:v=1:a=0[v]"));
        // ... and one without picture a black picture of its length.
        QCOMPARE(JobArgs::MergeGraph("320:240", true, {false, true}, {true, true}, {1500000, 0}),
                 QString("color=c=black:s=320x240:d=1.500000,setsar=1[v0];[1:v]" + fit("320", "240") + "[v1];"
                         "[0:a]atrim=duration=1.500000[a0];[v0][a0][v1][1:a]concat=n=2:v=1:a=1[v][a]"));
        QCOMPARE(JobArgs::MergeGraph("", false, {true, true}, {true, true}, {0, 0}),
                 QString("[0:a][1:a]concat=n=2:v=0:a=1[a]"));
        QCOMPARE(JobArgs::ScaleSize("1920x1080"), QString("1920:1080"));
        QCOMPARE(JobArgs::ScaleSize("1280:720"), QString("1280:720"));
        QCOMPARE(JobArgs::ScaleSize("320x240 VGA"), QString("320:240"));
        QCOMPARE(JobArgs::ScaleSize(""), QString());
        QCOMPARE(JobArgs::ScaleSize("0:0"), QString());
        QCOMPARE(JobArgs::ScaleSize("Auto"), QString());
    }

    void concatNeedsMatchingMp4Clips()
    {
        SetOutputFormat("MP4", "h264", "copy");
        AbstractJob* job = build(row({m_b}, {m_b}));
        QVERIFY(argsOf(job).contains("concat"));
        QCOMPARE(job->outputPath, m_out + "/aMerge.MP4");
        QCOMPARE(qobject_cast<JxEngineJob*>(job)->durationText(), QString("00:00:00.00"));
        // A list never run goes with its job.
        const QStringList concatArgs = argsOf(job);
        const QString list = concatArgs.at(concatArgs.indexOf("-i") + 1);
        QVERIFY(QFileInfo::exists(list));
        m_queue.reset();
        QVERIFY(!QFileInfo::exists(list));
        // A .MOV clip, a different size, or a container other than MP4: the graph.
        SetOutputFormat("mp4", "copy", "aac");
        QVERIFY(argsOf(build(row({m_mov}, {}))).contains("-filter_complex"));
        QVERIFY(argsOf(build(row({}, {m_small}))).contains("-filter_complex"));
        SetOutputFormat("mkv", "copy", "copy");
        QVERIFY(argsOf(build(row({m_b}, {}))).contains("-filter_complex"));
        // Sound that does not come back whole from MP4 as the converter runs
        // (FLAC, which its muxer takes only when told to): the graph, whose
        // sound is encoded.
        const QString flac = TestMedia::MakeVideo(m_dir.path(), "flac.mp4", 1.0, 320, 240, 25,
                                                  {"-c:a", "flac", "-strict", "-2"});
        QVERIFY(!flac.isEmpty());
        SetOutputFormat("mp4", "h264", "copy");
        ST_OPTS withFlac = MakeSourceRow(flac, 1000000);
        withFlac.titleClips.append(ST_MERGE{flac, 0, 1000000});
        QVERIFY(argsOf(build(withFlac)).contains("-filter_complex"));
        // Film sound that comes back whole from MP4 (E-AC3): joined as it is.
        const QString eac3 = TestMedia::MakeVideo(m_dir.path(), "eac3.mp4", 1.0, 320, 240, 25, {"-c:a", "eac3"});
        QVERIFY(!eac3.isEmpty());
        ST_OPTS withEac3 = MakeSourceRow(eac3, 1000000);
        withEac3.endingClips.append(ST_MERGE{eac3, 0, 1000000});
        QVERIFY(argsOf(build(withEac3)).contains("concat"));
    }

    void filterGraphArguments()
    {
        // A named size, as the format dialog lists them: the converter takes only its numbers.
        SetOutputFormat("mp4", "copy", "aac", false, "640x360 nHD");
        AbstractJob* job = build(row({m_b}, {m_small}), "1280:720", true);
        const QStringList args = argsOf(job);
        QCOMPARE(args.mid(0, 6), QStringList({"-i", m_b, "-i", m_a, "-i", m_small}));
        const QString graph = args.at(args.indexOf("-filter_complex") + 1);
        QVERIFY(graph.startsWith("[0:v]scale=w='min(1280,") && graph.contains(",pad=1280:720:"));
        // "copy" leaves the picture to the container's encoder.
        QVERIFY(!args.contains("-c:v"));
        QCOMPARE(args.at(args.indexOf("-acodec") + 1), QString("aac"));
        QCOMPARE(args.at(args.indexOf("-s") + 1), QString("640x360"));
        QCOMPARE(args.at(args.indexOf("-vol") + 1), QString("256"));
        QCOMPARE(args.at(args.indexOf("-b:v") + 1), QString::number(ProbeMediaInfo(m_a).bitRate / 1000) + "k");
        QCOMPARE(args.at(args.indexOf("-r") + 1), QString("25.000"));
        QCOMPARE(args.at(args.indexOf("-ar") + 1), QString("44100"));
        QCOMPARE(job->kind, int(AbstractJob::KindMergeTemp));
        QCOMPARE(job->workPath1, m_a);
        QVERIFY(qAbs(JobArgs::ParseDurationText(qobject_cast<JxEngineJob*>(job)->durationText()) - 3000000) < 150000);
        // Only title clips: the main video is the last input; h264 gives libx264.
        SetOutputFormat("mp4", "h264", "copy");
        const QStringList titled = argsOf(build(row({m_mov}, {})));
        QCOMPARE(titled.mid(0, 4), QStringList({"-i", m_mov, "-i", m_a}));
        QCOMPARE(titled.at(titled.indexOf("-c:v") + 1), QString("libx264"));
        // Sound kept: the join cannot copy it, so the main video's is encoded in kind, once its trial passes.
        QCOMPARE(titled.mid(titled.indexOf("-acodec"), 6), QStringList({"-acodec", "aac", "-ac", "1", "-ar", "44100"}));
        QVERIFY(m_queue->jobs().first()->precheck);
        // A variable-rate main video is cut as it is read, from the user's trim start.
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS phone = MakeSourceRow(TestMedia::MakeNumberedVideo(m_dir.path(), "phone.mp4", ""), 1000000);
        phone.trimStart = 250000;
        phone.titleClips.append(ST_MERGE{m_b, 0, 1000000});
        const QStringList cut = argsOf(build(phone));
        QCOMPARE(cut.mid(cut.indexOf(phone.path) - 6, 2), QStringList({"-ss", "00:00:00.250"}));
    }

    void rateSettingsAndInputOrder()
    {
        // Quality mode with a rate of 10: -qmin 41, -qmax 46.
        SetOutputFormat("mp4", "h264", "copy");
        ConfigFormat f;
        f.Load();
        f.VSetMode = true;
        f.VBitRate = "10";
        f.Save();
        AbstractJob* job = build(row({}, {m_mov}));
        QStringList args = argsOf(job);
        QCOMPARE(args.at(args.indexOf("-qmin") + 1), QString("41"));
        QCOMPARE(args.at(args.indexOf("-qmax") + 1), QString("46"));
        QVERIFY(!args.contains("-b:v"));
        // Only ending clips: the main video is input 0.
        QCOMPARE(args.mid(0, 4), QStringList({"-i", m_a, "-i", m_mov}));
        // Road 1 (the row's own source): never a work file.
        QCOMPARE(job->kind, int(AbstractJob::KindPlain));
        QVERIFY(job->workPath1.isEmpty());
        // Rate mode with "Auto": the main video's, as in its whole conversion.
        f.VSetMode = false;
        f.VBitRate = "Auto";
        f.Save();
        args = argsOf(build(row({}, {m_mov})));
        QCOMPARE(args.at(args.indexOf("-b:v") + 1), QString::number(ProbeMediaInfo(m_a).bitRate / 1000) + "k");
        QVERIFY(!args.contains("-qmin"));
    }

    void nothingToJoinIsRefused()
    {
        // A sound-only container of clips without sound: no empty graph is run.
        SetOutputFormat("mp3", "copy", "copy");
        ST_OPTS opts = MakeSourceRow(m_silent, 1000000);
        opts.endingClips.append(ST_MERGE{m_silent, 0, 1000000});
        QVERIFY(!build(opts));
        QCOMPARE(m_cells.status.text(), QString("Nothing to merge: no picture or sound"));
        // The name meant for the merge is free again.
        const QString merged = JobArgs::TaggedPath(m_out, m_silent, "Merge", "mp3");
        QCOMPARE(GetUnRepeat(merged), merged);
    }

    void meltArguments()
    {
        SetOutputFormat("mp4", "h264", "mp3");
        ST_OPTS opts = row({m_b}, {m_small});
        opts.titleClips[0].end = 500000;
        opts.trimStart = 250000;
        AbstractJob* job = build(opts);
        QCOMPARE(argsOf(job),
                 QStringList({"avformat:" + m_b, "in=00:00:00.000", "out=00:00:00.460", "avformat:" + m_a, "in=00:00:00.250",
                              "avformat:" + m_small,
                              "in=00:00:00.000", "-consumer", "avformat:" + m_out + "/aMerge.mp4", "real_time=-1", "vcodec=libx264",
                              "width=320", "height=240", "sample_aspect_num=1", "sample_aspect_den=1",
                              "display_aspect_num=320", "display_aspect_den=240", "progressive=1",
                              "frame_rate_num=25000", "frame_rate_den=1000", "acodec=libmp3lame"}));
        // Times past an hour keep their hours, unquoted (a file that cannot
        // be probed keeps its out point).
        opts.titleClips[0].path = m_dir.filePath("long.mp4");
        opts.titleClips[0].start = 3600000000LL;
        opts.titleClips[0].end = 5400500000LL;
        QCOMPARE(argsOf(build(opts)).mid(1, 2), QStringList({"in=01:00:00.000", "out=01:30:00.460"}));
        // A sound-only container: no picture properties.
        SetOutputFormat("mp3", "h264", "mp3");
        const QStringList sound = argsOf(build(row({}, {})));
        QVERIFY(sound.contains("vn=1"));
        QVERIFY(!sound.join(" ").contains("vcodec"));
        QVERIFY(!sound.join(" ").contains("width="));
    }
};

QTEST_GUILESS_MAIN(TestMergeArgs)
#include "tst_mergeargs.moc"
