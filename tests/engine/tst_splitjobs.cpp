// Split parts run through the queue with the real converter and melt on a
// generated 4 s clip; the parts must cover the source.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "MediaStreams.h"

#include <QTemporaryDir>

class TestSplitJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_source;   // 4 s, every frame a key frame, so stream copy cuts anywhere
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
    // The row cells and the queue of a test.
    std::unique_ptr<FollowUpRow> m_row;
    std::unique_ptr<JobsManage> m_queue;
    // Splits the row's source as row 0 (road 1: the source itself is cut),
    // running the parts unless told not to.
    void runSplit(const ST_OPTS& opts, bool run = true)
    {
        ResetRows(m_dir.path(), {opts});
        JxEngineJob* container = ContainerJob(*m_row, opts.path, 0);
        m_queue->AddJobSplits(container);
        delete container;
        QVERIFY(!run || RunQueue(*m_queue));
    }

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_source = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 4.0, 160, 120, 25, {"-g", "1"});
        QVERIFY(!m_source.isEmpty());
        m_sourceSeconds = TestMedia::Probe(m_source).duration;
        QVERIFY(qAbs(m_sourceSeconds - 4.0) < 0.1);
    }
    void init()
    {
        clearOutputs();
        m_queue.reset();
        m_row = std::make_unique<FollowUpRow>();
        m_queue = std::make_unique<JobsManage>();
        m_queue->SetOutputFolderQuery([this]() { return m_out; });
    }

    void byCountWithStreamCopy()
    {
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 0;
        opts.splitCount = 3;
        runSplit(opts);
        QCOMPARE(FilesIn(m_out), QStringList({"clip_1.mp4", "clip_2.mp4", "clip_3.mp4"}));
        for (AbstractJob* job : m_queue->jobs()) {
            QVERIFY(qobject_cast<JxEngineJob*>(job));
            QVERIFY(job->succeeded());
        }
        QVERIFY(qAbs(sumDurations(outputs()) - m_sourceSeconds) <= 0.045);
        QCOMPARE(m_row->status.text(), QString("Completed"));
    }

    void byLengthWithMelt()
    {
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = MakeSourceRow(m_source);
        opts.splitMode = 1;
        opts.splitTime = 1600000;
        runSplit(opts);
        QCOMPARE(FilesIn(m_out), QStringList({"clip00-00-00_00-00-01.mp4", "clip00-00-01_00-00-03.mp4",
                                              "clip00-00-03_00-00-04.mp4"}));
        for (AbstractJob* job : m_queue->jobs())
            QVERIFY(qobject_cast<MeltEngineJob*>(job));
        const QStringList parts = outputs();
        QString seconds;
        for (const QString& p : parts)
            seconds += QString::number(StreamSeconds(p, "v")) + " ";
        QVERIFY2(qAbs(sumDurations(parts) - m_sourceSeconds) <= 0.045, qPrintable(seconds));
        QVERIFY(qAbs(StreamSeconds(parts.first(), "v") - 1.6) <= 0.045);
        QCOMPARE(m_row->status.text(), QString("Completed"));
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
        runSplit(opts);
        QCOMPARE(FilesIn(m_out), QStringList({"take=200-00-01_00-00-03.mp4"}));
        QCOMPARE(m_row->status.text(), QString("Completed"));
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
        runSplit(opts);
        QCOMPARE(m_row->status.text(), QString("Completed"));
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
        runSplit(opts);
        QCOMPARE(FilesIn(m_out), QStringList({"clip00-00-00_00-00-02.mov", "clip00-00-02_00-00-04.mov"}));
        const QStringList parts = outputs();
        QVERIFY(qAbs(StreamSeconds(parts.first(), "v") - 2.5) <= 0.045);
        QVERIFY(qAbs(sumDurations(parts) - m_sourceSeconds) <= 0.045);
    }

    // AAC sound cut into MP3 parts: no picture, the sound re-encoded. A
    // file whose header tells no sound length (FLV) is read for it once.
    void soundOnlyParts_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QStringList>("made"); // the source's streams from the 4 s clip
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("codec");    // of the parts, and of the settings but for a 24-bit copy
        QTest::newRow("mp4") << "mp4" << QStringList{"-c", "copy"} << "mp3" << "mp3";
        QTest::newRow("flv") << "flv" << QStringList{"-c", "copy"} << "mp3" << "mp3";
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
        SetOutputFormat(format, "copy", codec == "pcm_s24le" ? "copy" : codec);
        // Else the container's preset with "Keep Audio Codec", as the dialog saves it.
        const bool copied = !QByteArray(QTest::currentDataTag()).endsWith("kept");
        ConfigFormat dialog;
        dialog.SetFormat(format == "wav" ? FORMAT_WAV : FORMAT_MKV);
        dialog.Format = format;
        dialog.AKeepCodec = true;
        QVERIFY(copied || dialog.Save());
        ST_OPTS opts = MakeSourceRow(source);
        opts.splitCount = 2;
        const int readings = MediaStreams::LengthReadings();
        runSplit(opts);
        QCOMPARE(MediaStreams::LengthReadings() - readings, container == "flv" ? 1 : 0);
        QCOMPARE(FilesIn(m_out), QStringList({"clip_1." + format, "clip_2." + format}));
        double sum = 0;
        for (const QString& part : outputs()) {
            const TestMedia::DecodedSound sound = TestMedia::DecodeSound(part);
            QCOMPARE(sound.codec, codec);
            sum += sound.seconds;
        }
        QVERIFY2(qAbs(sum - m_sourceSeconds) <= 0.15, qPrintable(QString::number(sum)));
        QCOMPARE(m_row->status.text(), QString("Completed"));
    }

    // Kept sound as the dialog saves it: a variable rate cut by the converter
    // with every setting, a constant one by melt; sound the parts'
    // container cannot hold fails as a whole conversion does.
    void keptSoundOnBothRoads_data()
    {
        QTest::addColumn<QString>("made"); // "vfr": a variable rate
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("refused"); // codec; none: kept
        QTest::newRow("variable rate, AC-3 5.1") << "vfr -c:a ac3 -ac 6" << "mp4" << QString();
        QTest::newRow("constant rate, AC-3 5.1") << "-c:a ac3 -ac 6" << "mp4" << QString();
        QTest::newRow("variable rate, FLAC") << "vfr -c:a flac" << "mp4" << "flac";
        QTest::newRow("constant rate, FLAC") << "-c:a flac" << "mp4" << "flac";
        // melt reads the first of two, not the 5.1 the converter would copy.
        QTest::newRow("Vorbis first") << "-map 1:v -map 0:a -map 0:a -c:a:0 libvorbis -c:a:1 ac3 -ac:a:1 6 -disposition:a:0 0"
                                      << "avi" << "vorbis";
    }
    void keptSoundOnBothRoads()
    {
        QFETCH(QString, made);
        QFETCH(QString, format);
        QFETCH(QString, refused);
        // Red pictures, then blue ones from 1.8 s; a variable rate's after a gap that the cut at 1.5 s falls in.
        const bool variable = made.startsWith("vfr");
        const QString picture = variable ? "d=2.1 -vf hue=h='240*gte(n,10)',settb=1/1000,setpts='(N/10+gte(N,10)*0.8)/TB'"
                                         : "d=3 -vf hue=h='240*gte(n,18)'";
        const QString source = m_dir.filePath(QString(QTest::currentDataTag()) + ".mkv");
        QVERIFY(TestMedia::RunConverter(("-f lavfi -i sine=d=3 -f lavfi -i color=red:s=160x120:r=10:" + picture
                                         + " -fps_mode passthrough " + made.mid(variable ? 4 : 0)).split(' ') << source));
        ConfigFormat dialog;
        dialog.SetFormat(format == "avi" ? FORMAT_AVI : FORMAT_MP4);
        dialog.Format = format, dialog.AKeepCodec = true, dialog.VBitRate = "256 kbps";
        QVERIFY(dialog.Save());
        ST_OPTS opts = MakeSourceRow(source);
        opts.splitCount = 2;
        runSplit(opts);
        for (AbstractJob* job : m_queue->jobs()) { // the converter, with the dialog's settings, or melt
            const auto* converter = qobject_cast<JxEngineJob*>(job);
            QVERIFY(variable ? converter && converter->arguments().join(' ').contains("-b:v 256k") : !converter);
        }
        QCOMPARE(m_row->status.text(), refused.isEmpty() ? "Completed" : "The " + format + " container cannot hold " + refused + " sound.");
        QCOMPARE(FilesIn(m_out).size(), refused.isEmpty() ? 2 : 0);
        for (const QString& part : outputs()) {
            const TestMedia::DecodedSound kept = TestMedia::DecodeSound(part);
            QCOMPARE(kept.codec + " " + QString::number(kept.channels), QString("ac3 6"));
        }
        // The second part starts with the picture on screen at its start.
        QVERIFY(!refused.isEmpty() || ShownFrame(outputs().at(1), 0).pixelColor(80, 60).red() > 150);
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
        runSplit(opts);
        QCOMPARE(m_row->status.text(), QString("Completed"));
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
        runSplit(opts, false);
        QVERIFY(m_queue->jobs().isEmpty());
        QCOMPARE(m_row->status.text(), QString("Nothing to split"));
        // A part of no length is never queued, even when asked for directly.
        JxEngineJob* owner = ContainerJob(*m_row, m_source, 0);
        m_queue->AddJobSplit(owner, "00:00:10.00", 25, m_source, m_out + "/x.mp4", 3000000, 0);
        m_queue->AddJobSplit(owner, "00:00:10.00", 25, m_source, m_out + "/y.mp4", 3000000, -5);
        delete owner;
        QVERIFY(m_queue->jobs().isEmpty());
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
        const QString converted = m_out + "/clip_Split.mp4";
        m_queue->AddJobTask(ConversionJob(*m_row, m_source, converted, AbstractJob::KindSplit, 1, 4.0));
        QVERIFY(RunQueue(*m_queue));
        QCOMPARE(m_queue->jobs().size(), 2);
        AbstractJob* part = m_queue->jobs().at(1);
        QCOMPARE(part->sourceRow, 1);
        QCOMPARE(part->standardItem(), &m_row->status);
        QCOMPARE(part->sizeItem, &m_row->size);
        QCOMPARE(QFileInfo(part->outputPath).fileName(), QString("clip_Split00-00-01_00-00-03.mp4"));
        QVERIFY(part->succeeded());
        QCOMPARE(m_row->status.text(), QString("Completed"));
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
        runSplit(opts, false);
        QCOMPARE(m_queue->jobs().size(), 2);
        QList<int> percents;
        connect(m_queue->jobs().first(), &AbstractJob::progressUpdated, this,
                [&](AbstractJob*, int percent) { percents << percent; });
        QVERIFY(RunQueue(*m_queue));
        QVERIFY(m_queue->jobs().first()->succeeded());
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
        m_queue->setMaxRunning(2);
        JxEngineJob* conversion = ConversionJob(*m_row, m_source, m_out + "/clip_Split.mp4", AbstractJob::KindSplit, 0, 4.0);
        m_queue->AddJobTask(conversion);
        QList<bool> startedAtFinish;
        // Connected after the queue: runs once the queue has handled the end.
        connect(conversion, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished), this, [&] {
            for (AbstractJob* job : m_queue->jobs().mid(1))
                startedAtFinish << job->ran();
        });
        QVERIFY(RunQueue(*m_queue));
        QCOMPARE(startedAtFinish, QList<bool>({true, true, false}));
        QCOMPARE(m_queue->jobs().size(), 4);
        for (AbstractJob* job : m_queue->jobs())
            QVERIFY(job->succeeded());
        QCOMPARE(m_row->status.text(), QString("Completed"));
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
        runSplit(opts);
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
        runSplit(opts);
        QCOMPARE(m_queue->jobs().size(), 2);
        QVERIFY(m_queue->jobs().at(0)->outputPath != taken.fileName());
        QFile check(taken.fileName());
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("keep"));
    }
};

QTEST_GUILESS_MAIN(TestSplitJobs)
#include "tst_splitjobs.moc"
