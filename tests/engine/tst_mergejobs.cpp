// Merges of title + main + ending clips through the queue with the real
// converter and melt: the three ways, both roads, and the converted input's
// deletion only after a verified merge.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "ImageChecks.h"
#include "MediaFunctions.h"

#include <QJsonArray>
#include <QPainter>
#include <QTemporaryDir>

class TestMergeJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_title;   // 2 s, 320x240
    QString m_main;    // 4 s, 320x240
    QString m_ending;  // 3 s, 320x240
    QString m_wide;    // 3 s, 640x360 at 30 fps
    QString m_sound;   // 2 s, sound only

    ST_OPTS row(const QString& ending)
    {
        ST_OPTS opts = MakeSourceRow(m_main, 4000000);
        opts.titleClips = {ST_MERGE{m_title, 0, 2000000}};
        opts.endingClips = {ST_MERGE{ending, 0, 3000000}};
        return opts;
    }
    // Road 1: the row's source joined directly.
    AbstractJob* mergeDirect(JobsManage& queue, FollowUpRow& cells, const ST_OPTS& opts)
    {
        ResetRows(m_dir.path(), {opts});
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* container = ContainerJob(cells, opts.path, 0);
        queue.AddJobMerge(container, false);
        delete container;
        return queue.jobs().isEmpty() ? nullptr : queue.jobs().last();
    }
    void clearOutputs()
    {
        for (const QString& f : FilesIn(m_out))
            QFile::remove(QDir(m_out).filePath(f));
        ClearUnRepeatReservations();
    }

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_title = TestMedia::MakeSolidVideo(m_dir.path(), "red", "title.mp4", 2.0);
        m_main = TestMedia::MakeVideo(m_dir.path(), "main.mp4", 4.0);
        m_ending = TestMedia::MakeSolidVideo(m_dir.path(), "blue", "ending.mp4", 3.0);
        m_wide = TestMedia::MakeVideo(m_dir.path(), "wide.mp4", 3.0, 640, 360, 30);
        m_sound = TestMedia::MakeAudio(m_dir.path(), "sound.m4a", 2.0);
        QVERIFY(!m_sound.isEmpty());
        QVERIFY(!m_title.isEmpty() && !m_main.isEmpty() && !m_ending.isEmpty() && !m_wide.isEmpty());
    }
    void init() { clearOutputs(); }

    void concatWhenStreamsMatch()
    {
        SetOutputFormat("mp4", "h264", "copy");
        JobsManage queue;
        FollowUpRow cells;
        auto* job = qobject_cast<JxEngineJob*>(mergeDirect(queue, cells, row(m_ending)));
        QVERIFY(job);
        const QStringList args = job->arguments();
        QCOMPARE(args.mid(0, 5), QStringList({"-f", "concat", "-safe", "0", "-i"}));
        const QString list = args.at(5);
        QVERIFY(QFileInfo::exists(list));
        QCOMPARE(job->outputPath, m_out + "/mainMerge.mp4");
        QCOMPARE(job->kind, int(AbstractJob::KindPlain));
        QVERIFY(job->workPath1.isEmpty());
        QVERIFY(RunQueue(queue));
        QVERIFY(job->succeeded());
        QCOMPARE(cells.status.text(), QString("Completed"));
        QVERIFY(qAbs(StreamSeconds(job->outputPath, "v") - 9.0) <= 0.045);
        // The list was this job's alone; the source of road 1 is never deleted.
        QVERIFY(!QFileInfo::exists(list));
        QVERIFY(QFileInfo::exists(m_main));
    }

    void differentSizesUseTheFilterGraph()
    {
        SetOutputFormat("mp4", "copy", "copy");
        JobsManage queue;
        FollowUpRow cells;
        auto* job = qobject_cast<JxEngineJob*>(mergeDirect(queue, cells, row(m_wide)));
        QVERIFY(job);
        const QStringList args = job->arguments();
        QVERIFY(args.contains("-filter_complex"));
        QVERIFY(!args.contains("copy"));
        // Road 1 has no frame size of its own: the main video's is used.
        const QString graph = args.at(args.indexOf("-filter_complex") + 1);
        QVERIFY2(graph.startsWith("[0:v]scale=w='min(320,") && graph.contains("pad=320:240:"), qPrintable(graph));
        QCOMPARE(job->durationText(), QString("00:00:09.00"));
        QVERIFY(RunQueue(queue));
        QVERIFY2(job->succeeded(), qPrintable(job->log()));
        const TestMedia::ProbeResult r = TestMedia::Probe(job->outputPath);
        QCOMPARE(r.width, 320);
        QCOMPARE(r.height, 240);
        QVERIFY(qAbs(StreamSeconds(job->outputPath, "v") - 9.0) <= 0.05);
    }

    void clipWithoutPictureGetsBlack()
    {
        // A sound-only title clip: a black picture of its length, as a clip
        // without sound gets silence.
        SetOutputFormat("mp4", "copy", "copy");
        ST_OPTS opts = row(m_ending);
        opts.titleClips = {ST_MERGE{m_sound, 0, 2000000}};
        JobsManage queue;
        FollowUpRow cells;
        AbstractJob* job = mergeDirect(queue, cells, opts);
        QVERIFY(job);
        QVERIFY(RunQueue(queue));
        QVERIFY2(job->succeeded(), qPrintable(job->log()));
        QCOMPARE(cells.status.text(), QString("Completed"));
        QVERIFY(qAbs(StreamSeconds(job->outputPath, "v") - 9.0) <= 0.1);
    }

    void meltCutsToInAndOutPoints()
    {
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = row(m_wide);
        opts.titleClips[0].end = 1000000;     // 1 s of the title
        opts.trimStart = 1000000;             // 2 s of the main video
        opts.trimEnd = 3000000;
        JobsManage queue;
        FollowUpRow cells;
        auto* job = qobject_cast<MeltEngineJob*>(mergeDirect(queue, cells, opts));
        QVERIFY(job);
        const QStringList args = job->arguments();
        QVERIFY(args.contains("in=00:00:01.000"));
        QVERIFY(args.contains("width=320"));
        QVERIFY(RunQueue(queue));
        QVERIFY2(job->succeeded(), qPrintable(job->log()));
        const TestMedia::ProbeResult r = TestMedia::Probe(job->outputPath);
        QCOMPARE(r.width, 320);
        QVERIFY2(qAbs(StreamSeconds(job->outputPath, "v") - 6.0) <= 0.045,
                 qPrintable(QString::number(StreamSeconds(job->outputPath, "v"))));
    }

    void meltKeepsThePictureShape()
    {
        // A wider title clip at another rate before the main video: the
        // output has the main video's size with square pixels and the job's
        // frame rate (the main video's), the title fills the whole frame and
        // a shape in the main video keeps its width.
        const QString title = TestMedia::MakeSolidVideo(m_dir.path(), "red", "wideTitle.mp4", 1.0, 480, 270, 25);
        const QString boxed = m_dir.filePath("boxed.mp4");
        QVERIFY(TestMedia::RunConverter(
            {"-f", "lavfi", "-i", "color=c=blue:size=320x180:rate=30,drawbox=x=128:y=60:w=64:h=60:color=white:t=fill",
             "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100", "-t", "1", "-pix_fmt", "yuv420p",
             "-shortest", boxed}));
        QVERIFY(!title.isEmpty());
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = MakeSourceRow(boxed, 1000000);
        opts.titleClips = {ST_MERGE{title, 0, 1000000}};
        JobsManage queue;
        FollowUpRow cells;
        AbstractJob* job = mergeDirect(queue, cells, opts);
        QVERIFY(qobject_cast<MeltEngineJob*>(job));
        QVERIFY(RunQueue(queue));
        QVERIFY2(job->succeeded(), qPrintable(job->log()));

        const QJsonObject video = TestMedia::ProbeJson(job->outputPath).value("streams").toArray().at(0).toObject();
        QCOMPARE(video.value("width").toInt(), 320);
        QCOMPARE(video.value("height").toInt(), 180);
        QCOMPARE(video.value("sample_aspect_ratio").toString(), QString("1:1"));
        QCOMPARE(video.value("r_frame_rate").toString(), QString("30/1"));

        const auto red = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
        QImage frame;
        GetMediaImage(QFile::encodeName(job->outputPath).constData(), &frame, 500000);
        QCOMPARE(frame.size(), QSize(320, 180));
        for (int x : {0, 1, 318, 319})
            QVERIFY2(red(frame.pixelColor(x, 90)), qPrintable(QString::number(x)));
        GetMediaImage(QFile::encodeName(job->outputPath).constData(), &frame, 1500000);
        const QRect box = ImageChecks::Box(frame, [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; });
        QVERIFY2(ImageChecks::Near(box, QRectF(128, 60, 64, 60), 2), qPrintable(ImageChecks::Text(box)));
    }

    void convertedInputGoesAfterVerifiedMerge()
    {
        // Road 2: a kind-2 conversion, then the merge, then the converted
        // file is deleted.
        SetOutputFormat("mp4", "copy", "copy");
        ResetRows(m_dir.path(), {row(m_wide)});
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        FollowUpRow cells;
        const QString converted = m_out + "/main_Merge.mp4";
        JxEngineJob* conversion = ConversionJob(cells, m_main, converted, AbstractJob::KindMerge, 0, 4.0);
        conversion->frameSize = "640:360";
        queue.AddJobTask(conversion);
        QVERIFY(RunQueue(queue));
        QCOMPARE(queue.jobs().size(), 2);
        AbstractJob* merge = queue.jobs().at(1);
        QVERIFY2(merge->succeeded(), qPrintable(merge->log()));
        QCOMPARE(merge->outputPath, m_out + "/main_MergeMerge.mp4");
        QCOMPARE(merge->kind, int(AbstractJob::KindMergeTemp));
        QCOMPARE(TestMedia::Probe(merge->outputPath).width, 640);
        QVERIFY(!QFileInfo::exists(converted));
        QCOMPARE(cells.status.text(), QString("Completed"));
    }

    void clipsComeOutAsPlayersShowThem_data()
    {
        // Grey pictures with a red corner, as phones and DVDs store them:
        // turned by a display matrix, or of pixels wider than high. Every
        // clip of a row is shown at the main video's size.
        QTest::addColumn<QString>("codec"); // "copy": the converter's ways; else melt
        QTest::addColumn<QStringList>("clips"); // title, main video, ending (optional)
        const QString dir = m_dir.path();
        const QString a = MakeCornerVideo(dir, "a.mp4", 160, 120, "1", 1.0);
        const QString b = MakeCornerVideo(dir, "b.mp4", 120, 160, "1", 1.0);
        const QString pal = MakeCornerVideo(dir, "pal.mp4", 180, 144, "64/45", 1.0);
        const QString wide = MakeCornerVideo(dir, "wide.mp4", 256, 144, "1", 1.0);
        const QString narrow = MakeCornerVideo(dir, "narrow.mp4", 192, 144, "4/3", 1.0);
        const QString tall = MakeCornerVideo(dir, "tall.mp4", 144, 256, "1", 1.0);
        const auto turned = [&dir](const QString& file, int degrees) {
            const QString copy = QDir(dir).filePath(QString::number(degrees) + QFileInfo(file).fileName());
            return TestMedia::TagRotation(file, copy, degrees);
        };
        QTest::newRow("stream copy, 270 before 90") << "copy" << QStringList{turned(a, 270), turned(a, 90)};
        QTest::newRow("stream copy, upright before 180") << "copy" << QStringList{a, turned(a, 180)};
        QTest::newRow("stream copy, anamorphic clips") << "copy" << QStringList{wide, pal, narrow};
        QTest::newRow("melt, 90 main") << "h264" << QStringList{b, turned(a, 90), turned(b, 180)};
        QTest::newRow("melt, -90 title") << "h264" << QStringList{turned(b, -90), a};
        QTest::newRow("melt, anamorphic clips") << "h264" << QStringList{wide, pal, narrow};
        QTest::newRow("melt, anamorphic title turned 90") << "h264" << QStringList{turned(pal, 90), tall};
        // A phone's portrait clip, stored turned, between landscape clips: fitted whole between bars.
        const QString phone = MakeCornerVideo(dir, "phone.mp4", 256, 144, "1", 1.0,
                                              QString("-vf settb=1/90000,setpts=(N/25+mod(N\\,2)*0.008)/TB -fps_mode "
                                                      "passthrough -enc_time_base:v 1/90000").split(' '));
        QTest::newRow("filter graph, variable-rate phone") << "h264" << QStringList{wide, turned(phone, 90), wide};
        QTest::newRow("melt, phone") << "h264" << QStringList{wide, turned(wide, 90), wide};
        QTest::newRow("melt, mirrored clips")
            << "h264"
            << QStringList{TestMedia::WithDisplayMatrix(b, dir + "/transposed.mp4", 0, 1, 1, 0), a,
                           TestMedia::WithDisplayMatrix(a, dir + "/flipped.mp4", 1, 0, 0, -1)};
    }

    void clipsComeOutAsPlayersShowThem()
    {
        QFETCH(QString, codec);
        QFETCH(QStringList, clips);
        QVERIFY(!clips.contains(QString()));
        SetOutputFormat("mp4", codec, codec == "copy" ? "copy" : "aac");
        ST_OPTS opts = MakeSourceRow(clips.at(1), 1000000);
        opts.titleClips = {ST_MERGE{clips.at(0), 0, 1000000}};
        if (clips.size() > 2)
            opts.endingClips = {ST_MERGE{clips.at(2), 0, 1000000}};
        JobsManage queue;
        FollowUpRow cells;
        AbstractJob* job = mergeDirect(queue, cells, opts);
        QVERIFY(job);
        QVERIFY(RunQueue(queue));
        QVERIFY2(job->succeeded(), qPrintable(job->log()));
        QCOMPARE(cells.status.text(), QString("Completed"));
        // Each clip's second shows as the clip does, fitted whole into the frame.
        for (int i = 0; i < clips.size(); ++i) {
            QString why;
            const QImage got = ShownFrame(job->outputPath, i + 0.5), want = ShownFrame(clips.at(i), 0.5);
            QImage fitted(got.size(), QImage::Format_RGB32);
            fitted.fill(Qt::black);
            const QSize inside = want.size().scaled(got.size(), Qt::KeepAspectRatio), bars = got.size() - inside;
            QPainter(&fitted).drawImage(QRect(QPoint(bars.width() / 2, bars.height() / 2), inside), want);
            QVERIFY2(ShowsAs(got, fitted, &why), qPrintable(QString::number(i) + ": " + why));
        }
    }

    void failedMergeKeepsConvertedInput()
    {
        SetOutputFormat("mp4", "h264", "aac");
        ST_OPTS opts = row(m_dir.filePath("missing.mp4"));
        ResetRows(m_dir.path(), {opts});
        JobsManage queue;
        queue.SetOutputFolderQuery([this]() { return m_out; });
        FollowUpRow cells;
        const QString converted = m_out + "/main_Merge.mp4";
        queue.AddJobTask(ConversionJob(cells, m_main, converted, AbstractJob::KindMerge, 0, 4.0));
        QVERIFY(RunQueue(queue));
        QCOMPARE(queue.jobs().size(), 2);
        QVERIFY(!queue.jobs().at(1)->succeeded());
        // A chain that stops early leaves its finished files.
        QCOMPARE(FilesIn(m_out), QStringList{QFileInfo(converted).fileName()});
        QVERIFY2(cells.status.toolTip().startsWith("Failed"), qPrintable(cells.status.toolTip()));
        QVERIFY2(cells.status.text().contains("load"), qPrintable(cells.status.text()));
    }
};

QTEST_GUILESS_MAIN(TestMergeJobs)
#include "tst_mergejobs.moc"
