// Split parts run through the queue with the real converter and melt on a
// generated 10 s clip; the parts must cover the source.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "MediaStreams.h"

#include <QTemporaryDir>

class TestSplitJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_source;   // 10 s, every frame a key frame, so stream copy cuts anywhere
    QString m_out;
    double m_sourceSeconds = 0;

    // Sum of the parts' picture durations, each part checked to hold a
    // picture. (Copied sound comes in packets of its own and may overhang.)
    static double sumDurations(const QStringList& paths)
    {
        double sum = 0;
        for (const QString& p : paths) {
            const TestMedia::ProbeResult r = TestMedia::Probe(p);
            if (!r.ok || r.width == 0)
                return -1;
            sum += StreamSeconds(p, "v");
        }
        return sum;
    }
    QStringList outputs() const
    {
        QStringList out;
        for (const QString& f : FilesIn(m_out))
            out << QDir(m_out).filePath(f);
        return out;
    }
    void clearOutputs()
    {
        for (const QString& f : outputs())
            QFile::remove(f);
        ClearUnRepeatReservations();
    }
    // Splits the row's source as row 0 (road 1: the source itself is cut).
    void runSplit(const ST_OPTS& opts, FollowUpRow& row, JobsManage& queue)
    {
        ResetRows(m_dir.path(), {opts});
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* container = ContainerJob(row, opts.path, 0);
        queue.AddJobSplits(container);
        delete container;
        QVERIFY(RunQueue(queue));
    }

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_source = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 10.0, 160, 120, 25, {"-g", "1"});
        QVERIFY(!m_source.isEmpty());
        m_sourceSeconds = TestMedia::Probe(m_source).duration;
        QVERIFY(qAbs(m_sourceSeconds - 10.0) < 0.1);
    }
    void init() { clearOutputs(); }

    void byCountWithStreamCopy()
    {
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 0;
        opts.splitCount = 3;
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QCOMPARE(FilesIn(m_out), QStringList({"clip_1.mp4", "clip_2.mp4", "clip_3.mp4"}));
        for (AbstractJob* job : queue.jobs()) {
            QVERIFY(qobject_cast<JxEngineJob*>(job));
            QVERIFY(job->succeeded());
        }
        QVERIFY(qAbs(sumDurations(outputs()) - m_sourceSeconds) <= 0.045);
        QCOMPARE(row.status.text(), QString("Completed"));
    }

    void byLengthWithMelt()
    {
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 1;
        opts.splitTime = 4000000;
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QCOMPARE(FilesIn(m_out), QStringList({"clip00-00-00_00-00-04.mp4", "clip00-00-04_00-00-08.mp4",
                                              "clip00-00-08_00-00-10.mp4"}));
        for (AbstractJob* job : queue.jobs())
            QVERIFY(qobject_cast<MeltEngineJob*>(job));
        const QStringList parts = outputs();
        QString seconds;
        for (const QString& p : parts)
            seconds += QString::number(StreamSeconds(p, "v")) + " ";
        QVERIFY2(qAbs(sumDurations(parts) - m_sourceSeconds) <= 0.045, qPrintable(seconds));
        QVERIFY(qAbs(StreamSeconds(parts.first(), "v") - 4.0) <= 0.045);
        QCOMPARE(row.status.text(), QString("Completed"));
    }

    void meltTakesNamesWithEqualsSign()
    {
        // melt reads "name=value" as a property, not a clip.
        const QString odd = m_dir.filePath("take=2.mp4");
        QVERIFY(QFile::copy(m_source, odd));
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = MakeSourceRow(odd);
        opts.splitMode = 2;
        opts.splitTime = 1000000;
        opts.splitEndTime = 3000000;
        ResetRows(m_dir.path(), {opts});
        FollowUpRow row;
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* container = ContainerJob(row, odd, 0);
        queue.AddJobSplits(container);
        delete container;
        QVERIFY(RunQueue(queue));
        QCOMPARE(FilesIn(m_out), QStringList({"take=200-00-01_00-00-03.mp4"}));
        QCOMPARE(row.status.text(), QString("Completed"));
        QVERIFY(qAbs(StreamSeconds(outputs().first(), "v") - 2.0) <= 0.045);
        QFile::remove(odd);
    }

    void partsComeOutAsPlayersShowThem_data()
    {
        // A picture with a red corner as phones store it, turned by a display
        // matrix, once with pixels wider than high as well, and mirrored.
        QTest::addColumn<QString>("codec"); // "copy": stream copy; else melt
        QTest::addColumn<QString>("source");
        const QString dir = m_dir.path();
        const QString plain = MakeCornerVideo(dir, "corner.mp4", 160, 120);
        const QString pal = MakeCornerVideo(dir, "pal.mp4", 180, 144, "64/45");
        const auto turned = [&dir](const QString& file, int degrees) {
            const QString copy = QDir(dir).filePath(QString::number(degrees) + QFileInfo(file).fileName());
            return TestMedia::TagRotation(file, copy, degrees);
        };
        QTest::newRow("stream copy, 90") << "copy" << turned(plain, 90);
        QTest::newRow("stream copy, 180") << "copy" << turned(plain, 180);
        QTest::newRow("melt, 270") << "h264" << turned(plain, 270);
        QTest::newRow("melt, -90") << "h264" << turned(plain, -90);
        QTest::newRow("melt, anamorphic turned 90") << "h264" << turned(pal, 90);
        // Mirrored matrices, which melt does not read as players do.
        QTest::newRow("melt, mirrored") << "h264"
                                        << TestMedia::WithDisplayMatrix(plain, dir + "/mirrored.mp4", -1, 0, 0, 1);
        QTest::newRow("melt, transposed") << "h264"
                                          << TestMedia::WithDisplayMatrix(plain, dir + "/transposed.mp4", 0, 1, 1, 0);
    }

    void partsComeOutAsPlayersShowThem()
    {
        QFETCH(QString, codec);
        QFETCH(QString, source);
        QVERIFY(!source.isEmpty());
        SetOutputFormat("mp4", codec, codec == "copy" ? "copy" : "aac");
        ST_OPTS opts = MakeSourceRow(source);
        opts.splitMode = 2;
        opts.splitTime = 400000;
        opts.splitEndTime = 1400000;
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QCOMPARE(row.status.text(), QString("Completed"));
        QCOMPARE(outputs().size(), 1);
        QString why;
        QVERIFY2(ShowsAs(ShownFrame(outputs().first(), 0.5), ShownFrame(source, 1.0), &why), qPrintable(why));
    }

    void byRangesWithStreamCopy()
    {
        SetOutputFormat("mov", "copy", "aac");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitRanges = {ST_SPLIT_TIME{0, 2500000}, ST_SPLIT_TIME{2500000, 0}};
        opts.splitMode = 0;
        opts.splitCount = 5; // ranges decide alone
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QCOMPARE(FilesIn(m_out), QStringList({"clip00-00-00_00-00-02.mov", "clip00-00-02_00-00-10.mov"}));
        const QStringList parts = outputs();
        QVERIFY(qAbs(StreamSeconds(parts.first(), "v") - 2.5) <= 0.045);
        QVERIFY(qAbs(sumDurations(parts) - m_sourceSeconds) <= 0.045);
    }

    // AAC sound cut into MP3 parts: no picture, the sound re-encoded. A
    // file whose header tells no sound length (FLV) is read for it once.
    void soundOnlyParts_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QStringList>("made"); // the source's streams from the 10 s clip
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("codec");    // of the parts
        QTest::newRow("mp4") << "mp4" << QStringList{"-c", "copy"} << "mp3" << "mp3";
        QTest::newRow("flv") << "flv" << QStringList{"-c", "copy"} << "mp3" << "mp3";
        // WAV's muxer writes Vorbis, whose parts would then not play: encoded.
        QTest::newRow("mkv, Vorbis into wav") << "mkv" << QStringList{"-c:v", "copy", "-c:a", "libvorbis"} << "wav"
                                              << "pcm_s16le";
        // A recorder's 24-bit sound keeps its samples.
        QTest::newRow("24-bit wav") << "wav" << QStringList{"-vn", "-c:a", "pcm_s24le"} << "wav" << "pcm_s24le";
        QTest::newRow("24-bit wav, kept") << "wav" << QStringList{"-vn", "-c:a", "pcm_s24le"} << "wav" << "pcm_s24le";
        QTest::newRow("aac video, kept") << "mp4" << QStringList() << "mkv" << "aac";
    }
    void soundOnlyParts()
    {
        QFETCH(QString, container);
        QFETCH(QStringList, made);
        QFETCH(QString, format);
        QFETCH(QString, codec);
        const QString source = m_dir.filePath("clip." + container);
        QVERIFY(QFileInfo::exists(source) || TestMedia::RunConverter(QStringList{"-i", m_source} + made << source));
        SetOutputFormat(format, "copy", "copy");
        // Else the container's preset with "Keep Audio Codec", as the dialog saves it.
        const bool copied = !QByteArray(QTest::currentDataTag()).endsWith("kept");
        ConfigFormat dialog;
        dialog.SetFormat(format == "wav" ? FORMAT_WAV : FORMAT_MKV);
        dialog.Format = format;
        dialog.AKeepCodec = true;
        QVERIFY(copied || dialog.Save());
        ST_OPTS opts = MakeSourceRow(source);
        opts.splitCount = 2;
        FollowUpRow row;
        JobsManage queue;
        const int readings = MediaStreams::LengthReadings();
        runSplit(opts, row, queue);
        QCOMPARE(MediaStreams::LengthReadings() - readings, container == "flv" ? 1 : 0);
        QCOMPARE(FilesIn(m_out), QStringList({"clip_1." + format, "clip_2." + format}));
        double sum = 0;
        for (const QString& part : outputs()) {
            const TestMedia::DecodedSound sound = TestMedia::DecodeSound(part);
            QCOMPARE(sound.codec, codec);
            sum += sound.seconds;
        }
        QVERIFY2(qAbs(sum - m_sourceSeconds) <= 0.15, qPrintable(QString::number(sum)));
        QCOMPARE(row.status.text(), QString("Completed"));
    }

    // A source without a picture gives parts without one, re-encoded by
    // melt or copied, as its plain conversion does.
    void soundSourceGivesSoundParts_data()
    {
        QTest::addColumn<QString>("codec");
        QTest::newRow("melt") << "h264";
        QTest::newRow("stream copy") << "copy";
    }
    void soundSourceGivesSoundParts()
    {
        QFETCH(QString, codec);
        const QString voice = TestMedia::MakeAudio(m_dir.path(), "voice.m4a", 4.0);
        QVERIFY(!voice.isEmpty());
        SetOutputFormat("mp4", codec, codec == "copy" ? "copy" : "aac");
        ST_OPTS opts = MakeSourceRow(voice);
        opts.splitCount = 2;
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QCOMPARE(row.status.text(), QString("Completed"));
        QCOMPARE(FilesIn(m_out), QStringList({"voice_1.mp4", "voice_2.mp4"}));
        for (const QString& part : outputs()) {
            const TestMedia::ProbeResult r = TestMedia::Probe(part);
            QCOMPARE(r.codecs, QStringList({"aac"}));
            QVERIFY2(qAbs(r.duration - 2.0) <= 0.2, qPrintable(QString::number(r.duration)));
        }
    }

    void nothingToSplitEnds()
    {
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 1;
        opts.splitTime = 0;
        FollowUpRow row;
        JobsManage queue;
        ResetRows(m_dir.path(), {opts});
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* container = ContainerJob(row, m_source, 0);
        queue.AddJobSplits(container);
        delete container;
        QVERIFY(queue.jobs().isEmpty());
        QCOMPARE(row.status.text(), QString("Nothing to split"));
        // A part of no length is never queued, even when asked for directly.
        JxEngineJob* owner = ContainerJob(row, m_source, 0);
        queue.AddJobSplit(owner, "00:00:10.00", 25, m_source, m_out + "/x.mp4", 3000000, 0);
        queue.AddJobSplit(owner, "00:00:10.00", 25, m_source, m_out + "/y.mp4", 3000000, -5);
        delete owner;
        QVERIFY(queue.jobs().isEmpty());
    }

    void convertedThenSplitKeepsItsRow()
    {
        // Road 2: a conversion of kind 1 in row 1 is cut when it has finished.
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS other = MakeSourceRow(m_source);
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 2;
        opts.splitTime = 1000000;
        opts.splitEndTime = 3000000;
        ResetRows(m_dir.path(), {other, opts});
        FollowUpRow row;
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        const QString converted = m_out + "/clip_Split.mp4";
        queue.AddJobTask(ConversionJob(row, m_source, converted, AbstractJob::KindSplit, 1, 10.0));
        QVERIFY(RunQueue(queue));
        QCOMPARE(queue.jobs().size(), 2);
        AbstractJob* part = queue.jobs().at(1);
        QCOMPARE(part->sourceRow, 1);
        QCOMPARE(part->standardItem(), &row.status);
        QCOMPARE(part->sizeItem, &row.size);
        QCOMPARE(QFileInfo(part->outputPath).fileName(), QString("clip_Split00-00-01_00-00-03.mp4"));
        QVERIFY(part->succeeded());
        QCOMPARE(row.status.text(), QString("Completed"));
        // Stream copy of a re-encoded file cuts at its key frames: about 2 s.
        QVERIFY(TestMedia::Probe(part->outputPath).duration > 1.5);
    }

    void copiedPartReportsItsShareThenAll()
    {
        // Progress is measured against the whole input: the first half of the
        // file reaches about 50 %, then the end report says 100 %.
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 0;
        opts.splitCount = 2;
        ResetRows(m_dir.path(), {opts});
        FollowUpRow row;
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* container = ContainerJob(row, m_source, 0);
        queue.AddJobSplits(container);
        delete container;
        QCOMPARE(queue.jobs().size(), 2);
        QList<int> percents;
        connect(queue.jobs().first(), &AbstractJob::progressUpdated, this,
                [&](AbstractJob*, int percent) { percents << percent; });
        QVERIFY(RunQueue(queue));
        QVERIFY(queue.jobs().first()->succeeded());
        QCOMPARE(percents.last(), 100);
        const QList<int> during = percents.mid(1, percents.size() - 2);
        QVERIFY2(!during.isEmpty() && during.last() >= 45 && during.last() <= 55,
                 qPrintable(QString::number(during.value(0, -1))));
    }

    void partsStartUpToTheLimit()
    {
        // A finished kind-1 step appends its parts and starts two of three at once.
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 0;
        opts.splitCount = 3;
        ResetRows(m_dir.path(), {opts});
        FollowUpRow row;
        JobsManage queue;
        queue.setMaxRunning(2);
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* conversion = ConversionJob(row, m_source, m_out + "/clip_Split.mp4", AbstractJob::KindSplit, 0, 10.0);
        queue.AddJobTask(conversion);
        QList<bool> startedAtFinish;
        // Connected after the queue: runs once the queue has handled the end.
        connect(conversion, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished), this, [&] {
            for (AbstractJob* job : queue.jobs().mid(1))
                startedAtFinish << job->ran();
        });
        QVERIFY(RunQueue(queue));
        QCOMPARE(startedAtFinish, QList<bool>({true, true, false}));
        QCOMPARE(queue.jobs().size(), 4);
        for (AbstractJob* job : queue.jobs())
            QVERIFY(job->succeeded());
        QCOMPARE(row.status.text(), QString("Completed"));
    }

    // A phone's variable rate: every other time stamp late, so that the rate
    // all of them fall on is four times the mean one.
    void variableRatePartsShareNoFrame()
    {
        const QString phone = m_dir.filePath("phone.mov");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=30", "-frames:v", "180", "-vf",
                                         "settb=1/90000,setpts=(N/30+mod(N\\,2)*0.008)/TB", "-fps_mode", "passthrough",
                                         "-enc_time_base:v", "1/90000", "-c:v", "libx265", "-x265-params", "log-level=1", phone}));
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = MakeSourceRow(phone);
        opts.splitCount = 3;
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QStringList frames;
        for (const QString& part : outputs())
            frames << TestMedia::ProbeJson(part)["streams"].toArray().first()["nb_frames"].toString();
        QCOMPARE(frames, QStringList({"60", "60", "60"}));
    }

    void existingPartGetsNewName()
    {
        SetOutputFormat("mp4", "copy", "copy");
        QFile taken(m_out + "/clip_1.mp4");
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("keep");
        taken.close();
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitCount = 2;
        FollowUpRow row;
        JobsManage queue;
        runSplit(opts, row, queue);
        QCOMPARE(queue.jobs().size(), 2);
        QVERIFY(queue.jobs().at(0)->outputPath != taken.fileName());
        QFile check(taken.fileName());
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("keep"));
    }
};

QTEST_GUILESS_MAIN(TestSplitJobs)
#include "tst_splitjobs.moc"
