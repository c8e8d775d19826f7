// Run on the real main window: the jobs each row gets, and whole batches
// through the real converter, stopped and quit half way.
#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <functional>
#include <memory>

#include "../editor/EditorTestTools.h"
#include "AppStart.h"
#include "AppTestKit.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "ImageChecks.h"
#include "JxEngineJob.h"
#include "ProcessChecks.h"
#include "QWatermarkBase.h"
#include "TestMedia.h"
#include "UniqueOutputName.h"
#include "canvas/QWatermarkScene.h"
#include "docks/PlayerDock.h"
#include "ffplay.h"
#include "text/VTextPropSheetDialog.h"

#include <QPainter>
#include <QToolButton>

using RowSetup = std::function<void(ST_OPTS&)>;
Q_DECLARE_METATYPE(RowSetup)

namespace {

double MeanVolume(const QString& path)
{
    QProcess run;
    run.start(TestMedia::Converter(), {"-hide_banner", "-nostats", "-i", path, "-vn", "-af", "volumedetect", "-f", "null", "-"});
    if (!run.waitForFinished(60000))
        return 0;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("mean_volume: (-?[0-9.]+) dB")).match(QString::fromUtf8(run.readAllStandardError()));
    return m.hasMatch() ? m.captured(1).toDouble() : 0;
}

bool ProcessGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

// The first frame of a video as the converter decodes it; null when none.
QImage FirstFrame(const QString& video)
{
    const QString png = video + QStringLiteral(".png");
    QFile::remove(png);
    TestMedia::RunConverter({"-i", video, "-frames:v", "1", png});
    return QImage(png);
}

} // namespace

class TestRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void jobsOfARow_data();
    void jobsOfARow();
    void anamorphicSourceMergesAtItsShownSize();
    void nothingToRun_data();
    void nothingToRun();
    void runAgainSkipsRowsWithLiveJobs();
    void runTakesWhatRowsKnowOfUnchangedFiles_data();
    void runTakesWhatRowsKnowOfUnchangedFiles();
    void convertsEndToEnd();
    void oddSizesComeOutWhole_data();
    void oddSizesComeOutWhole();
    void layersLandWhereTheCanvasShowsThem_data();
    void layersLandWhereTheCanvasShowsThem();
    void stopEndsTheConverterAndRowsRunAgain();
    void quitLeavesNoConverter();
    void pauseHoldsTheBatchUntilRun();
    void stopAndQuitWhilePaused();

private:
    MainWindow* Window(int threads = 2);
    QAction* Action(const char* name) { return m_window->findChild<QAction*>(QLatin1String(name)); }
    QTableWidget* Table() { return m_window->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }
    QList<JxEngineJob*> ConverterJobs();
    qint64 RunningPid();
    // Triggers Quit from a running event loop; the loop's exit code (99 when
    // Quit did not end it in time).
    int QuitFromTheLoop();

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_out;
    QString m_video;
    QString m_long;
    QMap<QString, QString> m_odd; // recordings of odd sizes, made once
    std::unique_ptr<MainWindow> m_window;
};

void TestRun::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    m_out = m_dir.filePath(QStringLiteral("out"));
    m_video = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("source.mp4"), 2.0);
    QVERIFY(!m_video.isEmpty());
}

void TestRun::init()
{
    AppTestKit::FreshRunState();
}

void TestRun::cleanup()
{
    AppTestKit::CloseWindow(m_window);
    Core::instance()->Layers.clear();
    QDir(m_out).removeRecursively();
}

MainWindow* TestRun::Window(int threads)
{
    AppTestKit::WriteSettings(m_out, false, threads);
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    return m_window.get();
}

QList<JxEngineJob*> TestRun::ConverterJobs()
{
    QList<JxEngineJob*> jobs;
    for (AbstractJob* job : m_window->Jobs().jobs())
        if (auto* converter = qobject_cast<JxEngineJob*>(job))
            jobs << converter;
    return jobs;
}

qint64 TestRun::RunningPid()
{
    for (AbstractJob* job : m_window->Jobs().jobs())
        if (job->state() == QProcess::Running && job->processId() > 0)
            return job->processId();
    return 0;
}

int TestRun::QuitFromTheLoop()
{
    // Quit ends the process at once; here it ends this loop instead.
    AppStart::SetProcessEnd([](int status) { QCoreApplication::exit(status); });
    QTimer::singleShot(0, Action("actionQuit"), &QAction::trigger);
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    deadline.start(30000);
    return QApplication::exec();
}

void TestRun::jobsOfARow_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<RowSetup>("setup");
    // Each converter job: its kind and the output's ending after the base name.
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<bool>("followUps");

    const auto clip = [this] { return ST_MERGE{m_video, 0, 1000000}; };
    QTest::newRow("plain") << "mp4" << RowSetup([](ST_OPTS&) {}) << QStringList{"0 .mp4"} << false;
    QTest::newRow("mp3 of a flipped video: no picture")
        << "mp3" << RowSetup([](ST_OPTS& o) { o.vflip = true; }) << QStringList{"0 .mp3"} << false;
    QTest::newRow("split end time alone, nothing to draw: parts cut at once")
        << "mp4" << RowSetup([](ST_OPTS& o) { o.splitMode = 2; o.splitEndTime = 1000000; })
        << QStringList{} << true;
    QTest::newRow("split ranges alone count")
        << "mp4" << RowSetup([](ST_OPTS& o) { o.vflip = true; o.splitRanges << ST_SPLIT_TIME{0, 1000000}; })
        << QStringList{"1 _Split.mp4"} << false;
    QTest::newRow("split, music and a graph: two jobs")
        << "mp4"
        << RowSetup([this](ST_OPTS& o) { o.vflip = true; o.splitCount = 2; o.musicFiles << m_video; })
        << QStringList{"1 _Split.mp4", "4 _Music.mp4"} << false;
    QTest::newRow("title clip, nothing to draw: the source joined as it is")
        << "mp4" << RowSetup([clip](ST_OPTS& o) { o.titleClips << clip(); }) << QStringList{} << true;
    QTest::newRow("ending clip with a graph")
        << "mkv" << RowSetup([clip](ST_OPTS& o) { o.hflip = true; o.endingClips << clip(); })
        << QStringList{"2 _Merge.mkv"} << false;
}

void TestRun::jobsOfARow()
{
    QFETCH(QString, container);
    QFETCH(RowSetup, setup);
    QFETCH(QStringList, jobs);
    QFETCH(bool, followUps);
    Window();
    AppTestKit::AddFile(*m_window, m_dir.filePath(QStringLiteral("unused.mp4")));
    AppTestKit::AddFile(*m_window, m_video);
    setup(Core::instance()->Rows[1]);
    // The first row is done: only the second is looked at.
    Table()->item(0, 2)->setText(QStringLiteral("Completed"));
    auto* combo = m_window->findChild<QComboBox*>(QStringLiteral("comboBoxFormat"));
    combo->setCurrentIndex(combo->findText(container + QStringLiteral("(*.") + container + QStringLiteral(")")));
    m_window->Jobs().pause();
    Action("actionRun")->trigger();

    const QString base = m_out + QStringLiteral("/source");
    QStringList got;
    for (JxEngineJob* job : ConverterJobs()) {
        if (job->sourceRow != 1 || job->standardItem() != Table()->item(1, 2))
            QFAIL("a job without its row");
        if (!job->outputPath.startsWith(base))
            continue; // a follow-up built at once from the source
        got << QString::number(job->kind) + QLatin1Char(' ') + job->outputPath.mid(base.size());
        const QStringList args = job->arguments();
        QCOMPARE(args.mid(0, 2), (QStringList{"-i", m_video}));
        QCOMPARE(args.last(), job->outputPath);
        QCOMPARE(args.contains(QStringLiteral("-vn")), container == QLatin1String("mp3"));
        QCOMPARE(args.contains(QStringLiteral("-c:v")), container != QLatin1String("mp3"));
        QCOMPARE(args.contains(QStringLiteral("-vf")), container != QLatin1String("mp3")); // fields, at least
        if (job->kind == AbstractJob::KindMerge)
            QCOMPARE(job->frameSize, QStringLiteral("320:240"));
        QCOMPARE(job->durationText(), QStringLiteral("00:00:02.00"));
    }
    QCOMPARE(got, jobs);
    QCOMPARE(m_window->Jobs().jobs().size() > jobs.size(), followUps);
    QCOMPARE(Action("actionRun")->text(), QStringLiteral("Pause"));
}

void TestRun::anamorphicSourceMergesAtItsShownSize()
{
    // DVD video, 720x576 pixels shown 16:9: converted with a graph, it is
    // joined with its clips at the size players show it.
    const QString pal = m_dir.filePath(QStringLiteral("pal.mp4"));
    QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:size=720x576:rate=25,setsar=64/45", "-t",
                                     "1", pal}));
    Window();
    AppTestKit::AddFile(*m_window, pal);
    Core::instance()->Rows[0].hflip = true;
    Core::instance()->Rows[0].endingClips << ST_MERGE{m_video, 0, 1000000};
    m_window->Jobs().pause();
    Action("actionRun")->trigger();
    const QList<JxEngineJob*> jobs = ConverterJobs();
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs.first()->kind, int(AbstractJob::KindMerge));
    QCOMPARE(jobs.first()->frameSize, QStringLiteral("1024:576"));
}

void TestRun::nothingToRun_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("empty table") << 0;
    QTest::newRow("every row completed") << 2;
}

void TestRun::nothingToRun()
{
    QFETCH(int, rows);
    Window();
    for (int row = 0; row < rows; ++row) {
        AppTestKit::AddFile(*m_window, m_video);
        Table()->item(row, 2)->setText(QStringLiteral("Completed"));
    }
    Action("actionRun")->trigger();
    QVERIFY(m_window->Jobs().jobs().isEmpty());
    QCOMPARE(Action("actionRun")->text(), QStringLiteral("Run"));
}

void TestRun::runAgainSkipsRowsWithLiveJobs()
{
    Window();
    AppTestKit::AddFile(*m_window, m_video);
    m_window->Jobs().pause();
    QAction* run = Action("actionRun");
    run->trigger();
    QCOMPARE(m_window->Jobs().jobs().size(), 1);
    // Pressed while started: the batch pauses and the look goes back.
    run->trigger();
    QCOMPARE(run->text(), QStringLiteral("Run"));
    QCOMPARE(m_window->Jobs().jobs().size(), 1);
    // Pressed again: the batch goes on; the row's job still waits, so it is
    // not queued twice.
    AppTestKit::AddFile(*m_window, m_video);
    run->trigger();
    const QList<AbstractJob*> jobs = m_window->Jobs().jobs();
    QCOMPARE(jobs.size(), 2);
    QCOMPARE(jobs[1]->sourceRow, 1);
    QVERIFY(jobs[0]->outputPath != jobs[1]->outputPath);
}

void TestRun::runTakesWhatRowsKnowOfUnchangedFiles_data()
{
    QTest::addColumn<bool>("changed");
    QTest::newRow("unchanged: as probed when added") << false;
    QTest::newRow("changed since: probed again") << true;
}

void TestRun::runTakesWhatRowsKnowOfUnchangedFiles()
{
    QFETCH(bool, changed);
    Window();
    const QString plain = m_dir.filePath(QStringLiteral("known.mp4"));
    const QString split = m_dir.filePath(QStringLiteral("knownsplit.mp4"));
    for (const QString& path : {plain, split}) {
        QFile::remove(path);
        QVERIFY(QFile::copy(m_video, path));
        AppTestKit::AddFile(*m_window, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
        QVERIFY(!changed || file.setFileTime(modified.addSecs(10), QFileDevice::FileModificationTime));
    }
    // What the rows learnt when they were added, made to differ from what a
    // probe finds: only those of a file that is as it was are taken.
    Core::instance()->Rows[0].media.duration = 4000000;
    Core::instance()->Rows[0].media.fps = Core::instance()->Rows[0].media.pictureRate = 24.0f;
    Core::instance()->Rows[1].media.duration = 0;
    // Nothing to draw: the split parts are built at once, from the source.
    Core::instance()->Rows[1].splitCount = 2;
    m_window->Jobs().pause();
    Action("actionRun")->trigger();
    QTRY_COMPARE(m_window->Jobs().jobs().size(), changed ? 3 : 1); // a changed file is read again first

    // The plain row's duration and frame rate; the split row's parts.
    QStringList jobs;
    for (AbstractJob* job : m_window->Jobs().jobs()) {
        const auto* converter = qobject_cast<JxEngineJob*>(job);
        jobs << QString::number(job->sourceRow) + QLatin1Char(' ')
                + (converter ? converter->durationText() : QStringLiteral("part"));
    }
    if (changed)
        QCOMPARE(jobs, (QStringList{"0 00:00:02.00", "1 part", "1 part"}));
    else
        QCOMPARE(jobs, QStringList{"0 00:00:04.00"});
    const QString rate = changed ? QStringLiteral("25.000") : QStringLiteral("24.000");
    QVERIFY(ConverterJobs().first()->arguments().contains(rate));
}

void TestRun::convertsEndToEnd()
{
    // A hostile name through the add path, a folder through a drop.
    const QString hostile = m_dir.filePath(QStringLiteral("-a \"q\" %1 b:c,d[e] видео.mp4"));
    // Stereo sources: the two channels the output gets hold the same level.
    const QStringList stereo{"-ac", "2"};
    QVERIFY(!TestMedia::MakeVideo(m_dir.path(), QFileInfo(hostile).fileName(), 2.0, 320, 240, 25, stereo).isEmpty());
    QTemporaryDir folder;
    QVERIFY(!TestMedia::MakeVideo(folder.path(), QStringLiteral("dropped.mkv"), 1.5, 320, 240, 25, stereo).isEmpty());
    QFile notes(folder.filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();
    Window();
    AppTestKit::Answer({hostile});
    Action("actionAddFile")->trigger();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder.path())});
    const QPoint at = Table()->mapTo(m_window.get(), Table()->rect().center());
    // As the toolkit delivers it: the window becomes the drop target first.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &drop);
    QTRY_COMPARE(Table()->rowCount(), 2);

    QAction* run = Action("actionRun");
    run->trigger();
    QCOMPARE(run->text(), QStringLiteral("Pause"));
    QTRY_COMPARE_WITH_TIMEOUT(run->text(), QStringLiteral("Run"), 180000);
    const QStringList sources{hostile, folder.filePath(QStringLiteral("dropped.mkv"))};
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(Table()->item(row, 2)->text(), QStringLiteral("Completed"));
        const QString output = m_out + QLatin1Char('/') + QFileInfo(sources[row]).completeBaseName() + QStringLiteral(".mp4");
        const QJsonObject facts = TestMedia::ProbeJson(output);
        QVERIFY2(facts.value("format").toObject().value("format_name").toString().contains("mp4"), qPrintable(output));
        QStringList codecs;
        for (const QJsonValue& stream : facts.value("streams").toArray())
            codecs << stream.toObject().value("codec_name").toString();
        QCOMPARE(codecs, (QStringList{"h264", "aac"}));
        const double want = TestMedia::ProbeJson(sources[row]).value("format").toObject().value("duration").toString().toDouble();
        const double got = facts.value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(qAbs(got - want) <= 1.0 / 25 + 0.03, qPrintable(QString::number(got - want)));
        // Volume 100 leaves the loudness as it was.
        const double before = MeanVolume(sources[row]);
        const double after = MeanVolume(output);
        QVERIFY2(before < -1.0 && qAbs(after - before) < 1.0, qPrintable(QString::number(after) + " " + QString::number(before)));
    }

    // Done rows are not run again; made ready, they get names of their own.
    run->trigger();
    QVERIFY(m_window->Jobs().hasIncomplete() == false);
    QCOMPARE(run->text(), QStringLiteral("Run"));
    Table()->selectAll();
    Action("actionReady_to_convert")->trigger();
    m_window->Jobs().pause();
    run->trigger();
    const QRegularExpression unique(QStringLiteral("\\([0-9]{6}(_[0-9]+)?\\)\\.mp4$"));
    int renamed = 0;
    for (AbstractJob* job : m_window->Jobs().jobs())
        if (job->status != AbstractJob::StatusCompleted) {
            QVERIFY2(unique.match(job->outputPath).hasMatch(), qPrintable(job->outputPath));
            ++renamed;
        }
    QCOMPARE(renamed, 2);
}

void TestRun::oddSizesComeOutWhole_data()
{
    // A browser's and a screen recorder's file.
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("container");
    // "plain", "split" or "ending"; "copied sound" or "copied picture" set
    // that codec to "copy".
    QTest::addColumn<QString>("road");
    QTest::addColumn<bool>("layer");
    for (const char* container : {"mp4", "mkv", "avi", "flv", "mov", "mpg", "ts"})
        QTest::addRow("1279x719 VP9 into %s", container) << "vp9.webm" << container << "plain" << true;
    QTest::newRow("1921x1081 H.264 4:4:4 into mp4") << "yuv444.mp4" << "mp4" << "plain" << true;
    QTest::newRow("1921x1081 H.264 4:4:4 into mkv") << "yuv444.mp4" << "mkv" << "plain" << true;
    QTest::newRow("split, nothing drawn: melt cuts the source") << "vp9.webm" << "mp4" << "split" << false;
    QTest::newRow("ending clip, nothing drawn: melt joins the source") << "vp9.webm" << "mkv" << "ending" << false;
    QTest::newRow("ending clip after a layer: melt joins the conversion") << "vp9.webm" << "mp4" << "ending" << true;
    QTest::newRow("ending clip, copied sound: the converter joins") << "vp9.webm" << "mkv" << "ending copied sound"
                                                                    << true;
    // The join encodes with the container's own encoder.
    QTest::newRow("ending clip, copied picture: the converter joins") << "vp9.webm" << "mp4" << "ending copied picture"
                                                                      << false;
}

void TestRun::oddSizesComeOutWhole()
{
    QFETCH(QString, source);
    QFETCH(QString, container);
    QFETCH(QString, road);
    QFETCH(bool, layer);
    const QSize size = source == QLatin1String("vp9.webm") ? QSize(1279, 719) : QSize(1921, 1081);
    if (!m_odd.contains(source)) {
        const QString path = m_dir.filePath(source);
        const QStringList picture = source == QLatin1String("vp9.webm")
            ? QStringList{"-c:v", "libvpx-vp9", "-deadline", "realtime", "-pix_fmt", "yuv420p", "-c:a", "libopus"}
            : QStringList{"-c:v", "libx264", "-pix_fmt", "yuv444p", "-c:a", "aac"};
        QVERIFY(TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i",
                                                    "color=c=red:rate=25:size=" + QString::number(size.width()) + "x"
                                                        + QString::number(size.height())
                                                        // drawn in RGB, which the source does not round to even sizes
                                                        + ",format=rgb24",
                                                    "-f", "lavfi", "-i", "sine", "-t", "0.4", "-b:v", "200k"}
                                        + picture + QStringList{path}));
        QCOMPARE(TestMedia::Probe(path).width, size.width());
        m_odd[source] = path;
    }
    const QString logo = TestMedia::MakeImage(m_dir.path(), QStringLiteral("logo.png"), 40, 30, QStringLiteral("blue"));
    QVERIFY(!logo.isEmpty());

    Window();
    AppTestKit::AddFile(*m_window, m_odd[source]);
    ST_OPTS& row = Core::instance()->Rows[0];
    if (road == QLatin1String("split"))
        row.splitCount = 2;
    else if (road.startsWith(QLatin1String("ending")))
        row.endingClips << ST_MERGE{m_video, 0, 400000};
    // Near the corner whose column and row an even size loses.
    const QRectF placed(size.width() - 44, size.height() - 34, 40, 30);
    if (layer) {
        m_window->Editor().InitCanvas(row.path);
        QWatermarkBase* item = m_window->Editor().Scene()->AddLayerImage(logo);
        QVERIFY(item);
        item->setPos(placed.topLeft());
        QCOMPARE(item->GetPosRect(), placed);
    }
    auto* combo = m_window->findChild<QComboBox*>(QStringLiteral("comboBoxFormat"));
    combo->setCurrentIndex(combo->findText(container + QStringLiteral("(*.") + container + QStringLiteral(")")));
    if (road.contains(QLatin1String("copied"))) {
        ConfigFormat format;
        format.Load();
        (road.endsWith(QLatin1String("sound")) ? format.ACodec : format.VCodec) = QStringLiteral("copy");
        QVERIFY(format.Save());
    }

    QAction* run = Action("actionRun");
    run->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(run->text(), QStringLiteral("Run"), 180000);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Completed"));
    const QFileInfoList outputs = QDir(m_out).entryInfoList({QStringLiteral("*.") + container}, QDir::Files);
    QCOMPARE(outputs.size(), road == QLatin1String("split") ? 2 : 1);
    for (const QFileInfo& output : outputs) {
        // Whole chroma samples of the encoders' 4:2:0: the last column and row go.
        const TestMedia::ProbeResult probed = TestMedia::Probe(output.filePath());
        QCOMPARE(QSize(probed.width, probed.height), QSize(size.width() & ~1, size.height() & ~1));
        const QImage frame = FirstFrame(output.filePath());
        QCOMPARE(frame.size(), QSize(probed.width, probed.height));
        const QRect blue = ImageChecks::Box(frame, [](QColor c) { return c.blue() > 180 && c.red() < 80 && c.green() < 80; });
        if (layer)
            QVERIFY2(ImageChecks::Near(QRectF(blue), placed, 2.0), qPrintable(ImageChecks::Text(blue)));
        else
            QVERIFY(blue.isNull());
    }
}

namespace {

// A mark of pure blue, red or green on grey, by its brightness half way
// between the two and its hue: the brightness is kept at every pixel, the
// hue only at every other one, so this finds the mark's edges where it is.
bool IsBlue(QColor c) { return qGray(c.rgb()) < 84 && c.blue() > c.red() + 30 && c.blue() > c.green() + 30; }
bool IsRed(QColor c) { return qGray(c.rgb()) < 108 && c.red() > c.green() + 30 && c.red() > c.blue() + 30; }
bool IsGreen(QColor c) { return qGray(c.rgb()) < 96 && c.green() > c.red() + 30 && c.green() > c.blue() + 30; }

// Where the picture layer (blue), the text layer (red) and the source's own
// mark (green) are in a picture.
struct Marks {
    QRect picture, text, source;
    static Marks Of(const QImage& image)
    {
        using ImageChecks::Box;
        return {Box(image, IsBlue), Box(image, IsRed), Box(image, IsGreen)};
    }
};

} // namespace

void TestRun::layersLandWhereTheCanvasShowsThem_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QString>("sar");
    QTest::addColumn<int>("tag");             // rotation tag, 0 for none
    QTest::addColumn<QVector<int>>("matrix"); // display matrix a b c d, empty for none
    QTest::addColumn<QString>("edit");        // what the user does in the editor first
    QTest::addColumn<QSize>("canvas");        // the picture as a player shows it
    const QSize wide(320, 180), tall(180, 320), pal(720, 576), ntsc(720, 480);
    const QVector<int> none;
    QTest::newRow("square") << wide << "1/1" << 0 << none << "" << wide;
    QTest::newRow("square, a video layer tagged 90") << wide << "1/1" << 0 << none << "video layer" << wide;
    QTest::newRow("square, a PAL video layer") << wide << "1/1" << 0 << none << "PAL video layer" << wide;
    QTest::newRow("rotate 90") << wide << "1/1" << 90 << none << "" << tall;
    QTest::newRow("rotate 180") << wide << "1/1" << 180 << none << "" << wide;
    QTest::newRow("rotate 270") << wide << "1/1" << 270 << none << "" << tall;
    QTest::newRow("rotate -90") << wide << "1/1" << -90 << none << "" << tall;
    QTest::newRow("mirrored quarter turn") << wide << "1/1" << 0 << QVector<int>{0, 1, 1, 0} << "" << tall;
    QTest::newRow("PAL 64:45") << pal << "64/45" << 0 << none << "" << QSize(1024, 576);
    QTest::newRow("NTSC 32:27") << ntsc << "32/27" << 0 << none << "" << QSize(853, 480);
    QTest::newRow("PAL rotate 90") << pal << "64/45" << 90 << none << "" << QSize(576, 1024);
    QTest::newRow("PAL, the picture layer turned") << pal << "64/45" << 0 << none << "turn layer" << QSize(1024, 576);
    QTest::newRow("rotate 90, Rotate right") << wide << "1/1" << 90 << none << "rotate right" << wide;
    QTest::newRow("rotate 90, cropped") << wide << "1/1" << 90 << none << "crop" << QSize(136, 240);
    QTest::newRow("rotate 90, saved and reopened") << wide << "1/1" << 90 << none << "reopen" << tall;
}

// Phone and DVD pictures: the canvas shows the source as a player does, and
// the layers placed on it come out where and as they were placed, in the
// preview and the output, which a player shows upright at its aspect.
void TestRun::layersLandWhereTheCanvasShowsThem()
{
    QFETCH(QSize, stored);
    QFETCH(QString, sar);
    QFETCH(int, tag);
    QFETCH(QVector<int>, matrix);
    QFETCH(QString, edit);
    QFETCH(QSize, canvas);
    using namespace ImageChecks;

    const QString source
        = TestMedia::MakeTurnedVideo(m_dir.path(), QStringLiteral("phone.mp4"), stored, sar, tag, matrix);
    QVERIFY(!source.isEmpty());
    // An opaque square in a transparent margin.
    QImage square(48, 48, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter(&square).fillRect(8, 8, 32, 32, Qt::blue);
    const QString png = m_dir.filePath(QStringLiteral("square.png"));
    QVERIFY(square.save(png));
    // Or a phone clip as the layer: a blue square in the corner of a grey picture, turned by its tag.
    const bool pal = edit == QLatin1String("PAL video layer"), video = pal || edit == QLatin1String("video layer");
    const QString clip = m_dir.filePath(QStringLiteral("clip.mp4")), pixels = pal ? ",scale=46:48,setsar=64/45" : "";
    QVERIFY(!video
            || TestMedia::RunConverter({"-f", "lavfi", "-i",
                                        "color=c=gray:size=64x48:duration=1,drawbox=w=32:h=32:color=blue:t=fill" + pixels, clip}));

    Window();
    AppTestKit::AddFile(*m_window, source);
    Action("actionWatermark")->trigger();
    EditorMainWindow& editor = m_window->Editor();
    EditorTest::BoxCloser boxes;
    QStringList answers{pal ? clip : video ? TestMedia::TagRotation(clip, m_dir.filePath("phone.3gp"), 90) : png};
    EditorTest::AnswerFiles(&editor, &answers);
    const auto editorAction = [&editor](const char* name) { return editor.findChild<QAction*>(QLatin1String(name)); };
    if (edit == QLatin1String("rotate right"))
        editorAction("actionRotate_right")->trigger();
    if (edit == QLatin1String("crop"))
        editor.ApplyCrop(ST_CROP_THICK{0.1, 0.05, 0.15, 0.2, true});
    QWatermarkScene* scene = editor.Scene();
    QCOMPARE(scene->CanvasSize(), canvas);

    editorAction(video ? "actionAdd_Video" : "actionAdd_Image")->trigger();
    QTimer::singleShot(0, this, [] {
        if (auto* dialog = qobject_cast<VTextPropSheetDialog*>(QApplication::activeModalWidget())) {
            dialog->WordArt.Text = QStringLiteral("MARK");
            dialog->WordArt.TextColor1 = QColor(Qt::red);
            dialog->WordArt.TextColor2 = QColor(Qt::red);
            dialog->accept();
        }
    });
    editorAction("actionAdd_Text")->trigger();
    QList<QWatermarkBase*> layers = Core::instance()->Layers;
    QCOMPARE(layers.size(), 2);
    // A layer comes at the size a player shows its picture.
    QCOMPARE(QSize(layers[0]->GetLayer()->Width, layers[0]->GetLayer()->Height),
             pal ? QSize(65, 48) : video ? QSize(48, 64) : QSize(48, 48));
    // Near the top-right and the bottom-left corners.
    layers[0]->setPos(canvas.width() - layers[0]->GetLayer()->Width - 12, 12);
    if (edit == QLatin1String("turn layer"))
        layers[0]->setRotation(30);
    layers[1]->setPos(12, canvas.height() - layers[1]->GetLayer()->Height - 12);
    const auto shownCanvas = [&] { return Marks::Of(EditorTest::CanvasShot(scene, canvas)); };
    Marks want = shownCanvas();
    QVERIFY2(!want.picture.isNull() && !want.text.isNull() && !want.source.isNull(), qPrintable(Text(want.source)));

    if (edit == QLatin1String("reopen")) {
        const QString project = m_dir.filePath(QStringLiteral("phone.jxo"));
        answers = QStringList{project, project};
        editorAction("actionSave")->trigger();
        scene->DeleteLayers(Core::instance()->Layers);
        QTRY_VERIFY(Core::instance()->Layers.isEmpty());
        editor.close();
        Action("actionWatermark")->trigger();
        editorAction("actionOpen")->trigger();
        QCOMPARE(Core::instance()->Layers.size(), 2);
        const Marks reopened = shownCanvas();
        QVERIFY2(Near(reopened.picture, want.picture, 0) && Near(reopened.text, want.text, 0),
                 qPrintable(Text(reopened.picture) + " " + Text(reopened.text)));
    }

    // The preview: paused, it puts its picture on the canvas, the same way up.
    int step = 0;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
        if (step == 0 && JxPlayerGetPosition() > 200000) {
            editor.PlayerBar()->m_btnPlay->click();
            step = 1;
        } else if (step == 1) {
            editor.PlayerBar()->m_btnStop->click();
            step = 2;
        }
    });
    driver.start(20);
    QTimer::singleShot(60000, &editor, [&editor] { editor.OnStop(); });
    editor.PlayerBar()->m_btnPlay->click();
    driver.stop();
    QCOMPARE(step, 2);
    const Marks paused = shownCanvas();
    QVERIFY2(Near(paused.source, want.source, 2), qPrintable(Text(paused.source) + " not " + Text(want.source)));
    editor.close();
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));

    QAction* run = Action("actionRun");
    run->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(run->text(), QStringLiteral("Run"), 120000);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Completed"));
    const QString output = m_out + QStringLiteral("/phone.mp4");
    // The output as a player shows it: upright, at the aspect of its pixels.
    const QJsonObject stream = TestMedia::ProbeJson(output).value("streams").toArray().first().toObject();
    const QStringList aspect = stream.value("sample_aspect_ratio").toString(QStringLiteral("1:1")).split(':');
    const double shownAspect = stream.value("width").toDouble() * aspect.value(0).toDouble()
        / aspect.value(1).toDouble() / stream.value("height").toDouble();
    QVERIFY2(qAbs(shownAspect / (double(canvas.width()) / canvas.height()) - 1) < 0.01,
             qPrintable(QString::number(shownAspect)));
    const QString frame = m_dir.filePath(QStringLiteral("shown.png"));
    QVERIFY(TestMedia::RunConverter({"-i", output, "-frames:v", "1", "-vf",
                                     QString("scale=%1:%2").arg(canvas.width()).arg(canvas.height()), frame}));
    const Marks got = Marks::Of(QImage(frame));
    QVERIFY2(Near(got.source, want.source, 2), qPrintable("source " + Text(got.source) + ", canvas " + Text(want.source)));
    QVERIFY2(Near(got.picture, want.picture, 2),
             qPrintable("picture " + Text(got.picture) + ", canvas " + Text(want.picture)));
    QVERIFY2(qAbs(got.picture.width() - got.picture.height()) <= 2, qPrintable(Text(got.picture)));
    QVERIFY2(Near(got.text, want.text, 2), qPrintable("text " + Text(got.text) + ", canvas " + Text(want.text)));
}

void TestRun::stopEndsTheConverterAndRowsRunAgain()
{
    if (m_long.isEmpty())
        m_long = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("long.mp4"), 30.0, 640, 360);
    QVERIFY(!m_long.isEmpty());
    Window(1);
    AppTestKit::AddFile(*m_window, m_long);
    AppTestKit::AddFile(*m_window, m_long);
    QAction* run = Action("actionRun");
    run->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(RunningPid() > 0, 30000);
    const qint64 pid = RunningPid();
    Action("actionStop")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(ProcessGone(pid), 2000);
    QCOMPARE(run->text(), QStringLiteral("Run"));
    QVERIFY(m_window->Jobs().jobs().isEmpty());
    QCOMPARE(m_window->StateOfRow(0), MainWindow::RowQueued);

    run->trigger();
    QCOMPARE(m_window->Jobs().jobs().size(), 2);
    QCOMPARE(run->text(), QStringLiteral("Pause"));
}

void TestRun::quitLeavesNoConverter()
{
    if (m_long.isEmpty())
        m_long = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("long.mp4"), 30.0, 640, 360);
    Window(1);
    AppTestKit::AddFile(*m_window, m_long);
    Action("actionRun")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(RunningPid() > 0, 30000);
    const qint64 pid = RunningPid();
    QCOMPARE(QuitFromTheLoop(), 0);
    QVERIFY(ProcessGone(pid));
}

void TestRun::pauseHoldsTheBatchUntilRun()
{
    Window(1);
    AppTestKit::AddFile(*m_window, m_video);
    AppTestKit::AddFile(*m_window, m_video);
    QAction* run = Action("actionRun");
    run->trigger();
    run->trigger(); // Pause, before the converter has done anything
    QCOMPARE(run->text(), QStringLiteral("Run"));
    const QList<AbstractJob*> jobs = m_window->Jobs().jobs();
    QCOMPARE(jobs.size(), 2);
    const qint64 pid = jobs[0]->processId();
    QTRY_COMPARE_WITH_TIMEOUT(ProcessChecks::State(pid), 'T', 5000);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Paused: 0%"));
    const qint64 size = QFileInfo(jobs[0]->outputPath).size();
    QTest::qWait(500); // nothing may happen meanwhile
    QCOMPARE(ProcessChecks::State(pid), 'T');
    QCOMPARE(QFileInfo(jobs[0]->outputPath).size(), size);
    QVERIFY(!jobs[1]->ran());

    run->trigger(); // Run: the batch goes on
    QCOMPARE(run->text(), QStringLiteral("Pause"));
    QTRY_COMPARE_WITH_TIMEOUT(run->text(), QStringLiteral("Run"), 120000);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(Table()->item(row, 2)->text(), QStringLiteral("Completed"));
        const TestMedia::ProbeResult r = TestMedia::Probe(jobs[row]->outputPath);
        QCOMPARE(r.codecs, (QStringList{"h264", "aac"}));
        QVERIFY2(qAbs(r.duration - 2.0) < 0.1, qPrintable(QString::number(r.duration)));
    }
}

void TestRun::stopAndQuitWhilePaused()
{
    Window(2);
    AppTestKit::AddFile(*m_window, m_video);
    AppTestKit::AddFile(*m_window, m_video);
    QAction* run = Action("actionRun");
    run->trigger();
    run->trigger();
    QList<qint64> pids;
    for (AbstractJob* job : m_window->Jobs().jobs())
        pids << job->processId();
    QCOMPARE(pids.size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(ProcessChecks::State(pids[0]) == 'T' && ProcessChecks::State(pids[1]) == 'T', 5000);
    // Stop: every held converter ends and is reaped; nothing is left held.
    Action("actionStop")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(ProcessChecks::State(pids[0]) == 0 && ProcessChecks::State(pids[1]) == 0, 3000);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Stopped"));
    QCOMPARE(run->text(), QStringLiteral("Run"));
    QVERIFY(m_window->Jobs().jobs().isEmpty());

    // The next Run is not held by the pause that Stop ended.
    run->trigger();
    QCOMPARE(run->text(), QStringLiteral("Pause"));
    const QList<AbstractJob*> again = m_window->Jobs().jobs();
    QCOMPARE(again.size(), 2);
    QVERIFY(again[0]->ran() && again[1]->ran());
    run->trigger();
    const qint64 pid = again[0]->processId();
    QTRY_COMPARE_WITH_TIMEOUT(ProcessChecks::State(pid), 'T', 5000);
    // Quit while paused: the program ends and takes its held converters along.
    QCOMPARE(QuitFromTheLoop(), 0);
    QCOMPARE(ProcessChecks::State(pid), char(0));
}

QTEST_MAIN(TestRun)
#include "tst_run.moc"
