// Soundtrack chains through the queue with the real converter and melt:
// conversion, joining of several music files, the mix, and the work files.
#include <QtTest>

#include "FollowUpTestTools.h"

#include <QTemporaryDir>

class TestMusicJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_video;   // 5 s with its own tone
    QString m_song1;   // 3 s mp3
    QString m_song2;   // 4 s wav (PCM, which MP4 cannot hold)
    QString m_short;   // 2 s wav

    void clearOutputs()
    {
        for (const QString& f : FilesIn(m_out))
            QFile::remove(QDir(m_out).filePath(f));
        ClearUnRepeatReservations();
    }
    // Queues the kind-4 conversion of the video for a row with the music.
    void queueChain(JobsManage& queue, FollowUpRow& cells, const QStringList& music, const QString& converted)
    {
        ST_OPTS opts = MakeSourceRow(m_video, 5000000);
        opts.musicFiles = music;
        ResetRows(m_dir.path(), {opts});
        queue.SetOutputFolderQuery([this]() { return m_out; });
        queue.AddJobTask(ConversionJob(cells, m_video, converted, AbstractJob::KindMusic, 0, 5.0));
    }

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_video = TestMedia::MakeVideo(m_dir.path(), "trip.mov", 5.0);
        m_song1 = TestMedia::MakeAudio(m_dir.path(), "a.mp3", 3.0);
        m_song2 = TestMedia::MakeAudio(m_dir.path(), "b.wav", 4.0);
        m_short = TestMedia::MakeAudio(m_dir.path(), "short.wav", 2.0);
        QVERIFY(!m_video.isEmpty() && !m_song1.isEmpty() && !m_song2.isEmpty() && !m_short.isEmpty());
    }
    void init() { clearOutputs(); }

    void twoSongsBecomeOneSoundtrack()
    {
        JobsManage queue;
        FollowUpRow cells;
        const QString converted = m_out + "/trip_Music.mp4";
        queueChain(queue, cells, {m_song1, m_song2}, converted);
        QVERIFY(RunQueue(queue));
        const QList<AbstractJob*> jobs = queue.jobs();
        QCOMPARE(jobs.size(), 3);
        auto* join = qobject_cast<MeltEngineJob*>(jobs.at(1));
        QVERIFY(join);
        QCOMPARE(join->kind, int(AbstractJob::KindMusicMerge));
        QCOMPARE(join->outputPath, m_out + "/trip_MusicAudioMerge.mp3");
        QCOMPARE(join->sourceRow, 0);
        auto* mix = qobject_cast<JxEngineJob*>(jobs.at(2));
        QVERIFY(mix);
        QVERIFY2(mix->succeeded(), qPrintable(mix->log()));
        QCOMPARE(mix->outputPath, m_out + "/trip_MusicMix.mp4");
        // 7 s of music under 5 s of video: cut to the video.
        QVERIFY(mix->arguments().contains("-shortest"));
        QCOMPARE(cells.status.text(), QString("Completed"));
        QCOMPARE(FilesIn(m_out), QStringList({"trip_MusicMix.mp4"}));
        const TestMedia::ProbeResult r = TestMedia::Probe(mix->outputPath);
        QCOMPARE(r.codecs.size(), 2);
        QVERIFY(qAbs(StreamSeconds(mix->outputPath, "v") - 5.0) <= 0.045);
        QVERIFY2(qAbs(r.duration - 5.0) <= 0.1, qPrintable(QString::number(r.duration)));
        // The user's own music is never a work file.
        QVERIFY(QFileInfo::exists(m_song1) && QFileInfo::exists(m_song2));
    }

    void joinedMusicHasNoPicture()
    {
        JobsManage queue;
        FollowUpRow cells;
        queueChain(queue, cells, {m_song1, m_short}, m_out + "/trip_Music.mp4");
        QVERIFY(RunQueue(queue));
        auto* join = qobject_cast<MeltEngineJob*>(queue.jobs().at(1));
        QVERIFY(join);
        const QStringList args = join->arguments();
        // After the start the tool path stands in front.
        QCOMPARE(args.mid(1, 2), QStringList({"avformat:" + m_song1, "in=00:00:00.000"}));
        QVERIFY(args.contains("vn=1"));
        // Run the join again on its own to look at its result before the mix deletes it.
        ClearUnRepeatReservations();
        JobsManage again;
        again.SetOutputFolderQuery([this]() { return m_dir.filePath("again"); });
        QVERIFY(QDir().mkpath(m_dir.filePath("again")));
        FollowUpRow c2;
        JxEngineJob* container = ContainerJob(c2, m_video, 0);
        again.AddJobMusicMerge(container);
        delete container;
        AbstractJob* only = again.jobs().value(0);
        QVERIFY(only);
        only->kind = AbstractJob::KindPlain; // stop after the join
        QVERIFY(RunQueue(again));
        const TestMedia::ProbeResult r = TestMedia::Probe(only->outputPath);
        QCOMPARE(r.codecs, QStringList({"mp3"}));
        QVERIFY2(qAbs(r.duration - 5.0) <= 0.1, qPrintable(QString::number(r.duration)));
    }

    void oneSongShorterThanVideoKeepsTheVideo()
    {
        JobsManage queue;
        FollowUpRow cells;
        const QString converted = m_out + "/trip_Music.mp4";
        queueChain(queue, cells, {m_short}, converted);
        QVERIFY(RunQueue(queue));
        QCOMPARE(queue.jobs().size(), 2);
        auto* mix = qobject_cast<JxEngineJob*>(queue.jobs().at(1));
        QVERIFY(mix);
        QVERIFY2(mix->succeeded(), qPrintable(mix->log()));
        const QStringList args = mix->arguments();
        QVERIFY(!args.contains("-shortest"));
        // PCM cannot go into MP4 as it is: re-encoded by MP4's own encoder.
        QCOMPARE(args.at(args.indexOf("-acodec") + 1), QString("aac"));
        QCOMPARE(TestMedia::Probe(mix->outputPath).codecs, QStringList({"h264", "aac"}));
        QVERIFY(qAbs(StreamSeconds(mix->outputPath, "v") - 5.0) <= 0.045);
        // Only the converted video was a work file.
        QVERIFY(!QFileInfo::exists(converted));
        QVERIFY(QFileInfo::exists(m_short));
        QCOMPARE(mix->workPath1, QString());
    }

    void failedJoinStopsTheChain()
    {
        const QString broken = m_dir.filePath("broken.mp3");
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is no sound");
        f.close();
        JobsManage queue;
        FollowUpRow cells;
        const QString converted = m_out + "/trip_Music.mp4";
        queueChain(queue, cells, {m_song1, broken}, converted);
        QVERIFY(RunQueue(queue));
        // The conversion and the failed join; no mix after it.
        QCOMPARE(queue.jobs().size(), 2);
        QVERIFY(queue.jobs().at(0)->succeeded());
        QVERIFY(!queue.jobs().at(1)->succeeded());
        QVERIFY2(cells.status.toolTip().startsWith("Failed"), qPrintable(cells.status.toolTip()));
        // The finished conversion stays; the failed join leaves nothing.
        QCOMPARE(FilesIn(m_out), QStringList{QFileInfo(converted).fileName()});
    }

    void mixWithoutPictureStillWorks()
    {
        // A "video" with no picture stream: the picture map is optional.
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        ResetRows(m_dir.path(), {MakeSourceRow(m_song1)});
        FollowUpRow cells;
        const QString soundOnly = m_out + "/voice.m4a";
        QVERIFY(TestMedia::RunConverter({"-i", m_song2, "-c:a", "aac", soundOnly}));
        JxEngineJob* container = ContainerJob(cells, soundOnly, 0);
        queue.AddJobMusic(container, soundOnly, m_song1, false);
        delete container;
        QVERIFY(RunQueue(queue));
        AbstractJob* mix = queue.jobs().value(0);
        QVERIFY(mix);
        QVERIFY2(mix->succeeded(), qPrintable(mix->log()));
        QCOMPARE(mix->outputPath, m_out + "/voiceMix.m4a");
    }
};

QTEST_GUILESS_MAIN(TestMusicJobs)
#include "tst_musicjobs.moc"
