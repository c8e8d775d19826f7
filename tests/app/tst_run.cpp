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

#include "AppStart.h"
#include "AppTestKit.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "JxEngineJob.h"
#include "ProcessChecks.h"
#include "TestMedia.h"
#include "UniqueOutputName.h"

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
    m_window->AddFile(m_dir.filePath(QStringLiteral("unused.mp4")));
    m_window->AddFile(m_video);
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
        QCOMPARE(args.contains(QStringLiteral("-vf")), container != QLatin1String("mp3") && job->kind != 0);
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
    m_window->AddFile(pal);
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
        m_window->AddFile(m_video);
        Table()->item(row, 2)->setText(QStringLiteral("Completed"));
    }
    Action("actionRun")->trigger();
    QVERIFY(m_window->Jobs().jobs().isEmpty());
    QCOMPARE(Action("actionRun")->text(), QStringLiteral("Run"));
}

void TestRun::runAgainSkipsRowsWithLiveJobs()
{
    Window();
    m_window->AddFile(m_video);
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
    m_window->AddFile(m_video);
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
        m_window->AddFile(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
        QVERIFY(!changed || file.setFileTime(modified.addSecs(10), QFileDevice::FileModificationTime));
    }
    // What the rows learnt when they were added, made to differ from what a
    // probe finds: only those of a file that is as it was are taken.
    Core::instance()->Rows[0].media.duration = 4000000;
    Core::instance()->Rows[0].media.fps = 24.0f;
    Core::instance()->Rows[1].media.duration = 0;
    // Nothing to draw: the split parts are built at once, from the source.
    Core::instance()->Rows[1].splitCount = 2;
    m_window->Jobs().pause();
    Action("actionRun")->trigger();

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

void TestRun::stopEndsTheConverterAndRowsRunAgain()
{
    if (m_long.isEmpty())
        m_long = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("long.mp4"), 30.0, 640, 360);
    QVERIFY(!m_long.isEmpty());
    Window(1);
    m_window->AddFile(m_long);
    m_window->AddFile(m_long);
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
    m_window->AddFile(m_long);
    Action("actionRun")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(RunningPid() > 0, 30000);
    const qint64 pid = RunningPid();
    QCOMPARE(QuitFromTheLoop(), 0);
    QVERIFY(ProcessGone(pid));
}

void TestRun::pauseHoldsTheBatchUntilRun()
{
    Window(1);
    m_window->AddFile(m_video);
    m_window->AddFile(m_video);
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
    m_window->AddFile(m_video);
    m_window->AddFile(m_video);
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
