// Every builder's output check against what its command really makes, run
// with the real converter and melt on sources whose sound outlasts their
// picture and whose picture outlasts their sound: a right output passes, a
// cut one still fails.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "MediaStreams.h"
#include "OutputCheck.h"
#include "ST_MEDIA_INFO.h"

#include <QTemporaryDir>

class TestOutputLengths : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;

    QString media(const QString& name) const { return m_dir.filePath("media/" + name); }

    // A conversion as Run queues it, checked as Run checks it.
    void queueConversion(JobsManage& queue, FollowUpRow& cells, const QString& source, bool toSound)
    {
        QStringList args{"-i", source};
        if (toSound)
            args << "-vn" << "-acodec" << "libmp3lame";
        else
            args << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-r" << "25.000" << "-acodec" << "aac";
        const QString output = m_out + (toSound ? "/converted.mp3" : "/converted.mp4");
        auto* job = new JxEngineJob(QString(), args << "-y" << output, true);
        cells.attach(job);
        job->outputPath = output;
        const ST_MEDIA_INFO facts = ProbeMediaInfo(source);
        job->expect = OutputCheck::Lasting(OutputCheck::DurationOf(facts, toSound), OutputCheck::VideoOf(facts, toSound),
                                           OutputCheck::AudioOf(facts), 25.0);
        queue.AddJobTask(job);
    }

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        QVERIFY(QDir().mkpath(m_dir.filePath("media")));
        // Short key-frame distance, as in real footage: copied parts start
        // near their cut, not at the file's start.
        for (const auto& kind : {qMakePair(QString("sound"), QString("d=2:s=160x120:r=25")),
                                 qMakePair(QString("picture"), QString("d=3:s=160x120:r=25"))}) {
            const QString mp4 = media(kind.first + ".mp4");
            QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=" + kind.second, "-f", "lavfi", "-i",
                                             kind.first == "sound" ? "sine=d=3" : "sine=d=2", "-c:v", "libx264",
                                             "-preset", "ultrafast", "-g", "10", "-pix_fmt", "yuv420p", "-c:a", "aac",
                                             mp4}));
            // Matroska keeps stream lengths in tags, FLV keeps none.
            for (const QString& other : {QString("mkv"), QString("flv")})
                QVERIFY(TestMedia::RunConverter({"-i", mp4, "-c", "copy", media(kind.first + "." + other)}));
        }
        QVERIFY(!TestMedia::MakeAudio(media(""), "song.m4a", 4.0).isEmpty());
        QFile srt(media("talk.srt"));
        QVERIFY(srt.open(QIODevice::WriteOnly));
        srt.write("1\n00:00:00,200 --> 00:00:01,000\nHello\n\n");
    }
    void init()
    {
        for (const QString& f : FilesIn(m_out))
            QFile::remove(QDir(m_out).filePath(f));
        ClearUnRepeatReservations();
    }

    // A file whose header gives no lengths, far longer than what is read of
    // its tail: each stream's length still comes out right.
    void lengthsOfALongFileWithoutHeaderLengths()
    {
        const QString flv = m_dir.filePath("long.flv");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "nullsrc=s=320x240:r=25:d=3,geq=random(1)*255:128:128",
                                         "-f", "lavfi", "-i", "sine=d=4", "-c:v", "flv1", "-q:v", "2", "-c:a",
                                         "libmp3lame", flv}));
        QVERIFY2(QFileInfo(flv).size() > 4 * 1024 * 1024, "the test file is too small to test the tail");
        const ST_STREAM_FACTS facts = MediaStreams::ProbeLengths(flv);
        QVERIFY(qAbs(facts.videoDuration - 3000000) <= 80000);
        QVERIFY(qAbs(facts.audioDuration - 4000000) <= 80000);
    }

    void outputMatchesItsCommand_data()
    {
        QTest::addColumn<QString>("builder");
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("cut"); // the input cut to this after the build: the output is short
        const QList<QPair<QString, QStringList>> rows{
            {"convert mp4", {"sound.mp4", "picture.mp4"}}, {"convert mp3", {"sound.mkv", "picture.mkv"}},
            {"split copy", {"sound.mp4", "picture.mp4"}},  {"split copy mp3", {"sound.mkv", "picture.mkv"}},
            {"split melt", {"sound.mp4", "picture.mp4"}},  {"merge concat", {"sound.mp4", "picture.mp4"}},
            {"merge graph", {"sound.mp4", "picture.mp4"}}, {"merge melt", {"sound.mp4", "picture.mp4"}},
            {"join", {"sound.mp4", "picture.mp4"}},        {"mix", {"sound.mp4", "picture.mp4", "sound.mkv", "sound.flv"}},
            {"mux", {"sound.mp4", "picture.mp4"}}};
        for (const auto& row : rows) {
            for (const QString& source : row.second)
                QTest::addRow("%s %s", qPrintable(row.first), qPrintable(source)) << row.first << source << 0.0;
        }
        QTest::newRow("convert mp3 picture.mkv cut") << "convert mp3" << "picture.mkv" << 1.0;
        QTest::newRow("mix sound.mp4 cut") << "mix" << "sound.mp4" << 1.0;
    }
    void outputMatchesItsCommand()
    {
        QFETCH(QString, builder);
        QFETCH(QString, source);
        QFETCH(double, cut);
        // A copy of its own, as a cut one replaces it.
        const QString input = m_dir.filePath("in_" + source);
        QFile::remove(input);
        QVERIFY(QFile::copy(media(source), input));
        const QString other = media(source.startsWith("sound") ? "picture.mp4" : "sound.mp4");

        ST_OPTS opts = MakeSourceRow(input);
        opts.splitCount = 2;
        opts.endingClips = {ST_MERGE{other, 0, 0}};
        opts.musicFiles = QStringList{input, other};
        ResetRows(m_dir.path(), {opts});
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        FollowUpRow cells;
        std::unique_ptr<JxEngineJob> given(ContainerJob(cells, input, 0));
        if (builder.startsWith("convert")) {
            queueConversion(queue, cells, input, builder.endsWith("mp3"));
        } else if (builder.startsWith("split")) {
            const bool melt = builder.endsWith("melt");
            const bool mp3 = builder.endsWith("mp3"); // its sound encoded: AAC is not copied into MP3
            SetOutputFormat(mp3 ? "mp3" : "mp4", melt ? "h264" : "copy", melt ? "aac" : mp3 ? "mp3" : "copy");
            queue.AddJobSplits(given.get());
        } else if (builder.startsWith("merge")) {
            // Clips of one kind join by stream copy; Matroska takes the graph.
            if (builder.endsWith("concat"))
                SetOutputFormat("mp4", "h264", "copy");
            else
                SetOutputFormat(builder.endsWith("graph") ? "mkv" : "mp4", "h264", builder.endsWith("melt") ? "aac" : "copy");
            queue.AddJobMerge(given.get(), false);
        } else if (builder == "join") {
            queue.AddJobMusicMerge(given.get());
            for (AbstractJob* job : queue.jobs())
                job->kind = AbstractJob::KindPlain; // the join alone
        } else if (builder == "mix") {
            queue.AddJobMusic(given.get(), input, media("song.m4a"), false);
        } else {
            queue.AddJobSubtitle(given.get(), input, media("talk.srt"));
        }
        QVERIFY(!queue.jobs().isEmpty());
        if (cut > 0) {
            const QString shorter = m_dir.filePath("cut_" + source);
            QVERIFY(TestMedia::RunConverter({"-i", input, "-t", QString::number(cut), "-c", "copy", shorter}));
            QVERIFY(QFile::remove(input) && QFile::rename(shorter, input));
        }
        QVERIFY(RunQueue(queue));
        for (AbstractJob* job : queue.jobs()) {
            if (cut > 0)
                QVERIFY2(!job->succeeded() && job->log().contains("lasts"), qPrintable(job->log()));
            else
                QVERIFY2(job->succeeded(), qPrintable(job->outputPath + "\n" + job->log()));
        }
    }
};

QTEST_GUILESS_MAIN(TestOutputLengths)
#include "tst_outputlengths.moc"
