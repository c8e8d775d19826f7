// The music builders' jobs and command lines, without running them.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "JobArgs.h"
#include "MediaStreams.h"

#include <QTemporaryDir>

class TestMusicArgs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_video;  // 2 s mkv
    QString m_long;   // 3 s aac in m4a
    QString m_short;  // 1 s mp3

    JobsManage* queueFor(const QStringList& music)
    {
        ST_OPTS opts = MakeSourceRow(m_video, 2000000);
        opts.musicFiles = music;
        ResetRows(m_dir.path(), {opts});
        m_queue.reset(new JobsManage);
        m_queue->SetOutputFolderQuery([this]() { return m_out; });
        return m_queue.get();
    }
    std::unique_ptr<JobsManage> m_queue;
    FollowUpRow m_cells;

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_video = TestMedia::MakeVideo(m_dir.path(), "trip_Music.mkv", 2.0);
        m_long = TestMedia::MakeAudio(m_dir.path(), "long.m4a", 3.0);
        m_short = TestMedia::MakeAudio(m_dir.path(), "short.mp3", 1.0);
        QVERIFY(!m_video.isEmpty() && !m_long.isEmpty() && !m_short.isEmpty());
    }
    void cleanup() { m_queue.reset(); }

    // The channels and rate a soundtrack is encoded with where it is not
    // copied: its own where the encoder and container take them; else the
    // most channels up to its own, and the lowest rate above its own
    // (nothing of it lost), else the highest below.
    void soundEncodingChoice_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("chosen"); // encoder, channels, rate
        QTest::newRow("8 kHz mono into mp4: its own") << "mp4" << 1 << "mono" << 8000 << "aac 1 8000";
        QTest::newRow("11 kHz into ts: the lowest above") << "ts" << 1 << "" << 11025 << "mp2 1 16000";
        QTest::newRow("32 kHz into flv: the lowest it takes above") << "flv" << 2 << "stereo" << 32000 << "libmp3lame 2 44100";
        QTest::newRow("96 kHz into mp3: the highest below") << "mp3" << 2 << "stereo" << 96000 << "libmp3lame 2 48000";
        QTest::newRow("5.1 into avi: mixed down") << "avi" << 6 << "5.1" << 48000 << "libmp3lame 2 48000";
        QTest::newRow("5.1 into mp4: kept") << "mp4" << 6 << "5.1" << 48000 << "aac 6 48000";
    }
    void soundEncodingChoice()
    {
        QFETCH(QString, container);
        ST_STREAM_FACTS sound;
        sound.ok = sound.hasAudio = true;
        QFETCH(int, channels);
        QFETCH(QString, layout);
        QFETCH(int, rate);
        sound.channels = channels;
        sound.channelLayout = layout;
        sound.sampleRate = rate;
        const ST_SOUND_ENCODING chosen = MediaStreams::SoundEncoding(container, sound);
        QTEST(chosen.encoder + ' ' + QString::number(chosen.channels) + ' ' + QString::number(chosen.sampleRate), "chosen");
    }

    void mixCommandLines()
    {
        QCOMPARE(JobArgs::MixArgs("/v.mp4", "/a.mp3", "/o.mp4", JobArgs::CopySound(), true),
                 QStringList({"-i", "/v.mp4", "-i", "/a.mp3", "-map", "0:v?", "-map", "1:a", "-vcodec", "copy",
                              "-acodec", "copy", "-shortest", "-y", "/o.mp4"}));
        ST_SOUND_ENCODING mono;
        mono.encoder = "aac";
        mono.channels = 1;
        mono.sampleRate = 44100;
        QCOMPARE(JobArgs::MixArgs("/v.mp4", "/a.tta", "/o.mp4", JobArgs::SoundArgs(mono), false),
                 QStringList({"-i", "/v.mp4", "-i", "/a.tta", "-map", "0:v?", "-map", "1:a", "-vcodec", "copy",
                              "-acodec", "aac", "-ac", "1", "-ar", "44100", "-y", "/o.mp4"}));
        // The layout is named where the encoder lists its own.
        ST_SOUND_ENCODING stereo;
        stereo.encoder = "libmp3lame";
        stereo.channels = 2;
        stereo.layout = "stereo";
        stereo.sampleRate = 48000;
        QCOMPARE(JobArgs::SoundArgs(stereo),
                 QStringList({"-acodec", "libmp3lame", "-ac", "2", "-ch_layout", "stereo", "-ar", "48000"}));
        // No encoder found: the converter says why it cannot.
        QCOMPARE(JobArgs::SoundArgs(ST_SOUND_ENCODING()), QStringList());
        QCOMPARE(JobArgs::SubtitleMuxArgs("/v.mp4", "/s.srt", "/o.mp4", "mov_text"),
                 QStringList({"-i", "/v.mp4", "-i", "/s.srt", "-map", "0:v?", "-map", "0:a?", "-map", "1:s",
                              "-c:a", "copy", "-c:v", "copy", "-c:s", "mov_text", "-y", "/o.mp4"}));
    }

    void oneSongIsMixedDirectly()
    {
        JobsManage* q = queueFor({m_long});
        JxEngineJob* given = ContainerJob(m_cells, m_video, 0);
        q->AddJobMusic(given);
        delete given;
        QCOMPARE(q->jobs().size(), 1);
        auto* mix = qobject_cast<JxEngineJob*>(q->jobs().first());
        QVERIFY(mix);
        // The mixed file keeps the converted video's container.
        QCOMPARE(mix->outputPath, m_out + "/trip_MusicMix.mkv");
        QCOMPARE(mix->kind, int(AbstractJob::KindMix));
        QCOMPARE(mix->workPath2, m_video);
        QVERIFY(mix->workPath1.isEmpty());
        QCOMPARE(mix->standardItem(), &m_cells.status);
        QCOMPARE(mix->sizeItem, &m_cells.size);
        // 3 s of AAC under 2 s of video: copied into Matroska, cut to the video.
        const QStringList args = mix->arguments();
        QVERIFY(args.contains("-shortest"));
        QCOMPARE(args.at(args.indexOf("-acodec") + 1), QString("copy"));
        QCOMPARE(mix->durationText().left(8), QString("00:00:02"));
    }

    void songsAreJoinedFirst()
    {
        JobsManage* q = queueFor({m_short, m_long});
        JxEngineJob* given = ContainerJob(m_cells, m_video, 0);
        q->AddJobMusic(given);
        delete given;
        QCOMPARE(q->jobs().size(), 1);
        auto* join = qobject_cast<MeltEngineJob*>(q->jobs().first());
        QVERIFY(join);
        QCOMPARE(join->arguments(),
                 QStringList({"avformat:" + m_short, "in=00:00:00.000", "avformat:" + m_long, "in=00:00:00.000", "-consumer",
                              "avformat:" + m_out + "/trip_MusicAudioMerge.mp3", "real_time=-1", "vn=1", "acodec=libmp3lame"}));
        QCOMPARE(join->kind, int(AbstractJob::KindMusicMerge));
        QCOMPARE(join->workPath2, m_video);
        QVERIFY(join->workPath1.isEmpty());
        QVERIFY(qAbs(join->fps() - 25.0) < 0.01);
        // The joined name is reserved: a second join of the same video gets another.
        JxEngineJob* again = ContainerJob(m_cells, m_video, 0);
        q->AddJobMusicMerge(again);
        delete again;
        QCOMPARE(q->jobs().size(), 2);
        QVERIFY(q->jobs().at(1)->outputPath != join->outputPath);
    }

    void shortSongAndTakenNames()
    {
        QFile taken(m_out + "/trip_MusicMix.mkv");
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("x");
        taken.close();
        JobsManage* q = queueFor({});
        JxEngineJob* given = ContainerJob(m_cells, m_video, 0);
        q->AddJobMusic(given); // no music: nothing
        QVERIFY(q->jobs().isEmpty());
        q->AddJobMusic(given, m_video, m_short, true);
        delete given;
        auto* mix = qobject_cast<JxEngineJob*>(q->jobs().value(0));
        QVERIFY(mix);
        QVERIFY(mix->outputPath != taken.fileName());
        QVERIFY(mix->outputPath.startsWith(m_out + "/trip_MusicMix("));
        QVERIFY(!mix->arguments().contains("-shortest"));
        QCOMPARE(mix->workPath1, m_short);
        QFile::remove(taken.fileName());
    }

    void staleRowQueuesNothing()
    {
        JobsManage* q = queueFor({m_short, m_long});
        JxEngineJob* given = ContainerJob(m_cells, m_video, 5);
        q->AddJobMusic(given);
        q->AddJobMusicMerge(given);
        q->AddJobSplits(given);
        q->AddJobMerge(given, true);
        delete given;
        QVERIFY(q->jobs().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMusicArgs)
#include "tst_musicargs.moc"
