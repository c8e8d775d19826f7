// What a Run leaves behind, through the main window and the real converter:
// a file under an output name only for a step that succeeded and made what
// it was to make, no input ever replaced, and failures that say why.
#include <QAction>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSemaphore>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "AbstractJob.h"
#include "AppStart.h"
#include "AppTestKit.h"
#include "ConfigFormat.h"
#include "ExfatVolume.h"
#include "Core.h"
#include "MediaFunctions.h"
#include "MediaStreams.h"
#include "OffThread.h"
#include "TestMedia.h"
#include "canvas/QWatermarkScene.h"

namespace {

QByteArray Md5(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5) : QByteArray();
}

QColor MiddlePixel(const QString& video)
{
    QImage frame;
    GetMediaImage(video.toUtf8().constData(), &frame, 500000);
    return frame.isNull() ? QColor() : frame.pixelColor(frame.width() / 2, frame.height() / 2);
}

// Holds the first work off the GUI thread (or kept-sound check) where `when` holds till `go`, the program's end or its own.
struct HeldWork {
    QSemaphore reached, go;
    std::atomic<int> passes{0};
    std::function<bool()> when;
    static inline HeldWork* now = nullptr;
    explicit HeldWork(std::function<bool()> held, bool trial = false) : when(std::move(held))
    {
        now = this;
        trial ? void(MediaStreams::TrialCheck = Pass) : void(OffThread::Watcher() = Pass);
    }
    static void Pass() { now->when() && now->passes++ == 0 && (now->reached.release(), now->Wait()); }
    bool Wait() { for (int i = 0; i < 6000 && !go.tryAcquire(1, 10) && !OffThread::Ending(); ++i) {} return true; }
    ~HeldWork() { MediaStreams::TrialCheck = nullptr, OffThread::Watcher() = nullptr, go.release(100), OffThread::Ending() = false; }
};

// The output settings Run loads, changed by `edit`.
template <typename Edit>
void EditFormat(Edit edit)
{
    ConfigFormat format;
    format.Load();
    edit(format);
    format.Save();
}

} // namespace

class TestRunOutcomes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void interruptedRunLeavesNothing_data();
    void interruptedRunLeavesNothing();
    void workHeldWhenStopped_data();
    void workHeldWhenStopped();
    void stoppedSplitKeepsPlacedParts_data();
    void stoppedSplitKeepsPlacedParts();
    void fullDiskLeavesNothingAndSaysSo();
    void outputIsCheckedAgainstTheSource_data();
    void outputIsCheckedAgainstTheSource();
    void overwriteNeverReplacesAnInput();
    void replacedLayerIsReadAgain_data();
    void replacedLayerIsReadAgain();
    void failureSaysWhy_data();
    void failureSaysWhy();
    void outputFolderCheckedBeforeRun_data();
    void outputFolderCheckedBeforeRun();

private:
    void Window(int threads = 1, bool coverage = false);
    QAction* Action(const char* name) { return m_window->findChild<QAction*>(QLatin1String(name)); }
    QTableWidget* Table() { return m_window->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }
    // The first job, once its converter runs and has begun to write (and, when
    // asked, whose row shows an estimated size), frozen so it cannot end by
    // itself; null on timeout.
    AbstractJob* FrozenWritingJob(bool estimateShown = false);
    bool WaitForRunLook(int timeoutMs = 120000);
    // Everything in the output folder, hidden files included.
    QStringList OutFiles() const { return QDir(m_out).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_out;
    QString m_short; // 3 s
    QString m_long;  // 30 s, long enough to be caught writing
    std::unique_ptr<MainWindow> m_window;
};

void TestRunOutcomes::initTestCase()
{
    QVERIFY(m_dir.isValid() && m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    m_out = m_dir.filePath(QStringLiteral("out"));
    m_short = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("short.mp4"), 3.0, 160, 120);
    m_long = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("long.mp4"), 30.0, 320, 240);
    QVERIFY(!m_short.isEmpty() && !m_long.isEmpty());
}

void TestRunOutcomes::init()
{
    AppTestKit::FreshRunState();
    QVERIFY(QDir().mkpath(m_out));
}

void TestRunOutcomes::cleanup()
{
    AppTestKit::CloseWindow(m_window);
    QDir(m_out).removeRecursively();
}

void TestRunOutcomes::Window(int threads, bool coverage)
{
    AppTestKit::WriteSettings(m_out, coverage, threads);
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

AbstractJob* TestRunOutcomes::FrozenWritingJob(bool estimateShown)
{
    AbstractJob* frozen = nullptr;
    QElapsedTimer waited;
    waited.start();
    while (!frozen && waited.elapsed() < 60000) {
        const QList<AbstractJob*> jobs = m_window->Jobs().jobs();
        AbstractJob* first = jobs.isEmpty() ? nullptr : jobs.first();
        const QString written = !first ? QString() : first->writePath().isEmpty() ? first->outputPath : first->writePath();
        if (first && first->state() == QProcess::Running && QFileInfo(written).size() > 0) {
            ::kill(pid_t(first->processId()), SIGSTOP);
            frozen = first;
        }
        QTest::qWait(10);
    }
    // Let it run in short steps until its row shows an estimated size.
    while (frozen && estimateShown && waited.elapsed() < 60000) {
        QTest::qWait(50);
        if (!frozen->sizeItem->text().isEmpty() || frozen->state() != QProcess::Running)
            break;
        ::kill(pid_t(frozen->processId()), SIGCONT);
        QTest::qWait(100);
        ::kill(pid_t(frozen->processId()), SIGSTOP);
    }
    return frozen && frozen->state() == QProcess::Running ? frozen : nullptr;
}

bool TestRunOutcomes::WaitForRunLook(int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (Action("actionRun")->text() != QLatin1String("Run") && waited.elapsed() < timeoutMs)
        QTest::qWait(20);
    return Action("actionRun")->text() == QLatin1String("Run");
}

void TestRunOutcomes::interruptedRunLeavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("status"); // of the interrupted row, when the window stays
    QTest::newRow("Stop") << "stop" << 1 << "Stopped";
    QTest::newRow("converter killed") << "kill" << 1 << "Crashed";
    QTest::newRow("window closed") << "close" << 1 << QString();
    QTest::newRow("Stop with 200 rows queued") << "stop" << 200 << "Stopped";
}

void TestRunOutcomes::interruptedRunLeavesNothing()
{
    QFETCH(QString, how);
    QFETCH(int, rows);
    QFETCH(QString, status);
    // One at a time: a second job could end, rightly, before the first is
    // interrupted.
    Window(1);
    for (int row = 0; row < rows; ++row)
        AppTestKit::AddFile(*m_window, m_long);
    Action("actionRun")->trigger();
    AbstractJob* job = FrozenWritingJob(true);
    QVERIFY(job);
    QVERIFY(!Table()->item(0, 1)->text().isEmpty());
    const QString output = job->outputPath;
    QCOMPARE(output, m_out + QStringLiteral("/long.mp4"));
    if (how == QLatin1String("stop")) {
        Action("actionStop")->trigger();
    } else if (how == QLatin1String("kill")) {
        ::kill(pid_t(job->processId()), SIGKILL);
        QVERIFY(WaitForRunLook());
    } else {
        m_window.reset();
    }
    // Neither the output nor its partial file, nor any other.
    QTRY_COMPARE_WITH_TIMEOUT(OutFiles(), QStringList(), 10000);
    if (!m_window)
        return;
    QCOMPARE(Table()->item(0, 2)->text(), status);
    // No estimate of a file that is not there.
    for (int row = 0; row < rows; ++row)
        QVERIFY2(Table()->item(row, 1)->text().isEmpty(), qPrintable(Table()->item(row, 1)->text()));
    // The name never came: the next Run gets it again.
    m_window->Jobs().pause();
    Action("actionRun")->trigger();
    QVERIFY(!m_window->Jobs().jobs().isEmpty());
    QCOMPARE(m_window->Jobs().jobs().first()->outputPath, output);
}

void TestRunOutcomes::workHeldWhenStopped_data()
{
    QTest::addColumn<QString>("how");
    for (const char* held : {"kept sound looked at", "work files of the music mix removed"})
        for (const char* how : {"Stop", "Quit", "window closed"})
            QTest::addRow("%s, %s", held, how) << QString(how);
}

// A look started once ends, leaving nothing; a removal ends Completed, and a later Run's file under the removed
// name stays. Quit ends once the work has. Run again converts only the former.
void TestRunOutcomes::workHeldWhenStopped()
{
    QFETCH(QString, how);
    const bool trial = QByteArray(QTest::currentDataTag()).startsWith("kept");
    const QString mix = QStringLiteral("short_MusicMix.mp4"), work = QStringLiteral("short_Music.mp4");
    EditFormat([trial](FormatSettings& f) { f.AKeepCodec = trial; });
    Window(2, !trial);
    AppTestKit::AddFile(*m_window, m_short);
    if (!trial)
        Core::instance()->Rows[0].musicFiles << TestMedia::MakeAudio(m_dir.path(), QStringLiteral("music.wav"), 3.0);
    HeldWork hold([this, trial, mix] { return trial || QFile::exists(m_out + QLatin1Char('/') + mix); }, trial);
    Action("actionRun")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(hold.reached.available() > 0, 120000);
    m_window->Jobs().startNextJob(); // a job whose look runs starts once
    AppStart::SetProcessEnd([](int) {}); // Quit ends the program at once, not this test
    how == QLatin1String("Quit") ? Action("actionQuit")->trigger()
        : how == QLatin1String("Stop") ? Action("actionStop")->trigger() : m_window.reset();
    if (how == QLatin1String("Quit"))
        QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    const bool later = !trial && how == QLatin1String("Stop");
    if (later) { // a source named as the work file, converted with Coverage on
        QFile::copy(m_short, m_dir.filePath(work));
        AppTestKit::AddFile(*m_window, m_dir.filePath(work));
        Action("actionRun")->trigger();
        QVERIFY(WaitForRunLook());
    }
    hold.go.release();
    QTRY_COMPARE_WITH_TIMEOUT(QThreadPool::globalInstance()->activeThreadCount(), 0, 5000);
    QVERIFY(!trial || hold.passes == 1);
    const QStringList left = trial ? QStringList() : later ? QStringList{work, mix} : QStringList{mix};
    QTRY_COMPARE_WITH_TIMEOUT(OutFiles(), left, 10000);
    if (how != QLatin1String("Stop"))
        return;
    QTRY_COMPARE(Table()->item(0, 2)->text(), trial ? QStringLiteral("Stopped") : QStringLiteral("Completed"));
    Action("actionRun")->trigger();
    QVERIFY(WaitForRunLook());
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Completed"));
    QCOMPARE(OutFiles().size(), trial ? 1 : 2);
}

void TestRunOutcomes::stoppedSplitKeepsPlacedParts_data()
{
    QTest::addColumn<bool>("coverage");
    QTest::newRow("another file moved over part 1") << false;
    QTest::newRow("Coverage over an earlier Run's parts") << true;
}

// A split in 3 stopped during part 2 keeps part 1 as placed (or what was moved over it); an earlier part goes only
// for a whole new one. The next Run writes each part under its own name where that is free.
void TestRunOutcomes::stoppedSplitKeepsPlacedParts()
{
    QFETCH(bool, coverage);
    EditFormat([](FormatSettings& f) { f.VCodec = f.ACodec = QStringLiteral("copy"); });
    Window(1, coverage);
    AppTestKit::AddFile(*m_window, m_short);
    Core::instance()->Rows[0].splitCount = 3;
    const auto part = [this](int i) { return m_out + QStringLiteral("/short_%1.mp4").arg(i); };
    const QString theirs = m_dir.filePath(QStringLiteral("theirs"));
    for (int i = 1; i <= 3 && coverage; ++i)
        QVERIFY(TestMedia::WriteScript(part(i), "earlier"));
    HeldWork hold([&] { return QFileInfo(part(1)).size() > 100; }); // part 2 looked into
    Action("actionRun")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(hold.reached.available() > 0, 120000);
    QVERIFY(coverage || (TestMedia::WriteScript(theirs, "theirs") && std::rename(qPrintable(theirs), qPrintable(part(1))) == 0));
    Action("actionStop")->trigger();
    hold.go.release();
    QTRY_COMPARE_WITH_TIMEOUT(QThreadPool::globalInstance()->activeThreadCount(), 0, 5000);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Stopped"));
    QCOMPARE(OutFiles().size(), coverage ? 3 : 1);
    QVERIFY(coverage ? QFileInfo(part(1)).size() > 100 : QFileInfo(part(1)).size() == 6); // placed, or theirs
    QCOMPARE(QFileInfo(part(2)).size() + QFileInfo(part(3)).size(), coverage ? 14 : 0);   // the earlier ones
    Action("actionRun")->trigger();
    QVERIFY(WaitForRunLook());
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Completed"));
    QVERIFY(QFileInfo(part(2)).size() > 100 && QFileInfo(part(3)).size() > 100);
    QCOMPARE(OutFiles().size(), coverage ? 3 : 4);
}

void TestRunOutcomes::fullDiskLeavesNothingAndSaysSo()
{
    Window(1);
    AppTestKit::AddFile(*m_window, m_short);
    // A disk with 16 KiB free, for the converter alone: it inherits the
    // limit, and with the signal ignored its writes fail as on a full disk.
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit before;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    struct rlimit small = before;
    small.rlim_cur = qMin<rlim_t>(16 * 1024, before.rlim_max);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    Action("actionRun")->trigger();
    ::setrlimit(RLIMIT_FSIZE, &before);
    const bool ended = WaitForRunLook();
    ::signal(SIGXFSZ, SIG_DFL);
    QVERIFY(ended);
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    QCOMPARE(Table()->item(0, 2)->text(), reason);
    QVERIFY2(Table()->item(0, 2)->toolTip().contains(QStringLiteral(": ") + reason), qPrintable(Table()->item(0, 2)->toolTip()));
    QVERIFY(Table()->item(0, 1)->text().isEmpty());
    QCOMPARE(OutFiles(), QStringList());
}

void TestRunOutcomes::outputIsCheckedAgainstTheSource_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("status");  // expected status, or the end of it
    QTest::addColumn<double>("seconds");  // of the output; 0: none
    // The header says 10 s, the data ends at 3 s.
    QTest::newRow("cut download") << "cut" << "instead of 10.0 s" << 0.0;
    QTest::newRow("source cut while it converts") << "truncate" << "instead of 30.0 s" << 0.0;
    // Bounded to 5 fps: the 3 s stay 3 s, and two frames.
    QTest::newRow("frame rate 0.001 in the settings") << "fps" << "Completed" << 3.0;
    // Its header says an hour; its packets end at 3 s.
    QTest::newRow("header of an hour over 3 s") << "hour" << "Completed" << 3.0;
}

void TestRunOutcomes::outputIsCheckedAgainstTheSource()
{
    QFETCH(QString, how);
    QFETCH(QString, status);
    QFETCH(double, seconds);
    QTemporaryDir sources;
    QString source;
    if (how == QLatin1String("cut")) {
        const QString whole = TestMedia::MakeVideo(sources.path(), QStringLiteral("whole.mp4"), 10.0, 160, 120, 25,
                                                   {"-movflags", "+faststart"});
        QVERIFY(!whole.isEmpty());
        source = sources.filePath(QStringLiteral("download.mp4"));
        QVERIFY(QFile::copy(whole, source));
        QFile cut(source);
        QVERIFY(cut.resize(QFileInfo(whole).size() * 30 / 100));
    } else if (how == QLatin1String("truncate")) {
        source = sources.filePath(QStringLiteral("shrinking.mp4"));
        QVERIFY(QFile::copy(m_long, source));
    } else if (how == QLatin1String("hour")) {
        // Its segment's length, an 8-byte float of milliseconds, made an hour.
        QFile mkv(source = sources.filePath(QStringLiteral("hour.mkv")));
        QVERIFY(TestMedia::RunConverter({"-i", m_short, "-c", "copy", source}) && mkv.open(QIODevice::ReadWrite));
        const int at = mkv.readAll().indexOf(QByteArray::fromHex("448988"));
        QVERIFY(at > 0 && mkv.seek(at + 3) && mkv.write(QByteArray::fromHex("414b774000000000")) == 8 && mkv.flush());
        QCOMPARE(ProbeMediaInfo(source).duration, 3600000000LL);
    } else {
        source = m_short;
        EditFormat([](FormatSettings& f) {
            f.VKeepFrameRate = false;
            f.VFrameRate = QStringLiteral("0.001 fps");
        });
    }
    Window(1);
    AppTestKit::AddFile(*m_window, source);
    Action("actionRun")->trigger();
    if (how == QLatin1String("truncate")) {
        AbstractJob* job = FrozenWritingJob();
        QVERIFY(job);
        QFile shrinking(source);
        QVERIFY(shrinking.resize(shrinking.size() * 30 / 100));
        ::kill(pid_t(job->processId()), SIGCONT);
    }
    QVERIFY(WaitForRunLook());
    const QString text = Table()->item(0, 2)->text();
    QVERIFY2(text.endsWith(status), qPrintable(text));
    if (seconds == 0.0) {
        QCOMPARE(OutFiles(), QStringList());
        QVERIFY(Table()->item(0, 2)->toolTip().startsWith(QStringLiteral("Failed at ")));
        return;
    }
    const TestMedia::ProbeResult out = TestMedia::Probe(m_out + QLatin1Char('/') + QFileInfo(source).completeBaseName() + ".mp4");
    QVERIFY2(out.duration >= seconds && out.duration <= seconds + 0.4 + 0.05, qPrintable(QString::number(out.duration)));
}

void TestRunOutcomes::overwriteNeverReplacesAnInput()
{
    // Row 0's output would take row 1's source's name, and row 1's output
    // its own source's name; overwriting is on.
    QTemporaryDir elsewhere;
    const QString red = TestMedia::MakeSolidVideo(elsewhere.path(), QStringLiteral("red"), QStringLiteral("a.mp4"), 1.0);
    const QString blue = TestMedia::MakeSolidVideo(m_out, QStringLiteral("blue"), QStringLiteral("a.mp4"), 1.0);
    QVERIFY(!red.isEmpty() && !blue.isEmpty());
    const QByteArray blueBefore = Md5(blue);
    Window(1, true);
    AppTestKit::AddFile(*m_window, red);
    AppTestKit::AddFile(*m_window, blue);
    Action("actionRun")->trigger();
    QVERIFY(WaitForRunLook());
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Completed"));
    QCOMPARE(Table()->item(1, 2)->text(), QStringLiteral("Completed"));
    QCOMPARE(Md5(blue), blueBefore);
    const QList<AbstractJob*> jobs = m_window->Jobs().jobs();
    QCOMPARE(jobs.size(), 2);
    QVERIFY(jobs.at(0)->outputPath != blue && jobs.at(1)->outputPath != blue);
    QVERIFY(jobs.at(0)->outputPath != jobs.at(1)->outputPath);
    const QColor fromRed = MiddlePixel(jobs.at(0)->outputPath);
    const QColor fromBlue = MiddlePixel(jobs.at(1)->outputPath);
    QVERIFY2(fromRed.red() > 180 && fromRed.blue() < 80, qPrintable(fromRed.name()));
    QVERIFY2(fromBlue.blue() > 180 && fromBlue.red() < 80, qPrintable(fromBlue.name()));
}

void TestRunOutcomes::replacedLayerIsReadAgain_data()
{
    // Red on exFAT, then blue written over it at its size and time (as cp -p leaves it), or a second layer.
    QTest::addColumn<QString>("layers");
    QTest::newRow("ico over ico on exFAT") << "logo.ico logo.ico";
    QTest::newRow("gif over png on exFAT") << "logo.png new.gif";
    QTest::newRow("logo.ico of another folder over it") << "logo.ico other/logo.ico";
}

void TestRunOutcomes::replacedLayerIsReadAgain()
{
    QFETCH(QString, layers);
    QTemporaryDir here;
    const QString file = here.filePath("pictures/" + layers.section(' ', 0, 0));
    const QString blue = here.filePath("made/" + layers.section(' ', 1));
    const bool second = layers.contains("other/");
    QVERIFY(QDir().mkpath(here.filePath("pictures")) && QDir().mkpath(QFileInfo(blue).path()));
    const ExfatVolume fat(here.filePath("fat.img"), second ? QString() : here.filePath("pictures"));
    if (!fat.problem.isEmpty())
        QSKIP(qPrintable("no exFAT volume here: " + fat.problem));
    // A red picture that does not pack small: the blue one fits in its size.
    for (const QString& made : {"color=red:s=160x120,noise=alls=20:allf=u " + file,
                                QString(second ? "color=blue:s=40x30 " : "color=blue:s=160x120 ") + blue})
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", made.section(' ', 0, 0), "-frames:v", "1", made.section(' ', 1)}));
    Window(1);
    AppTestKit::AddFile(*m_window, m_short);
    m_window->Editor().InitCanvas(m_short);
    QVERIFY(m_window->Editor().Scene()->AddLayerImage(file));
    // The middle of the last output, under the red layer alone or the blue one (none: a failed row placed nothing).
    const auto shown = [this] {
        const QColor c = WaitForRunLook() ? MiddlePixel(m_window->Jobs().jobs().last()->outputPath) : QColor();
        return c.red() > 180 && c.blue() < 80 ? 'r' : c.blue() > 180 && c.red() < 80 ? 'b' : '?';
    };
    Action("actionRun")->trigger();
    QCOMPARE(shown(), 'r');
    QFile made(blue), over(file);
    const QDateTime stamp = QFileInfo(file).lastModified();
    const QByteArray content = (made.open(QIODevice::ReadOnly), made.readAll()).leftJustified(int(over.size()), 0, true);
    QVERIFY(second ? m_window->Editor().Scene()->AddLayerImage(blue) != nullptr
                   : over.open(QIODevice::WriteOnly) && over.write(content) == content.size() && over.flush()
                       && over.setFileTime(stamp, QFileDevice::FileModificationTime));
    AppTestKit::AddFile(*m_window, m_short);
    Action("actionRun")->trigger();
    QCOMPARE(shown(), second ? 'r' : 'b');
}

void TestRunOutcomes::failureSaysWhy_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("toolSaid"); // a line of the converter's in the tooltip
    QTest::newRow("broken source") << "broken" << "Cannot be read: not a video or sound file" << "/broken.mp4"; // said as it is added
    QTest::newRow("unknown codec") << "codec" << "Unknown encoder 'nosuchcodec'" << "Unknown encoder 'nosuchcodec'";
    // Kept sound that would not come back whole: looked at before the tool runs.
    QTest::newRow("kept sound") << "pcm" << "The mp4 container cannot hold pcm_s16le sound." << "";
}

void TestRunOutcomes::failureSaysWhy()
{
    QFETCH(QString, how);
    QFETCH(QString, status);
    QFETCH(QString, toolSaid);
    QTemporaryDir sources;
    const QString source = sources.filePath(how + QStringLiteral(".mp4"));
    if (how == QLatin1String("broken")) {
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    } else if (how == QLatin1String("pcm")) {
        QVERIFY(TestMedia::RunConverter({"-i", m_short, "-c:v", "copy", "-c:a", "pcm_s16le", "-f", "matroska", source}));
        EditFormat([](FormatSettings& f) { f.AKeepCodec = true; });
    } else {
        QVERIFY(QFile::copy(m_short, source));
    }
    if (how == QLatin1String("codec"))
        EditFormat([](FormatSettings& f) { f.VCodec = QStringLiteral("nosuchcodec"); });
    Window(1);
    AppTestKit::AddFile(*m_window, source);
    Action("actionRun")->trigger();
    QVERIFY(WaitForRunLook());
    QTableWidgetItem* cell = Table()->item(0, 2);
    QCOMPARE(cell->text(), status);
    const QString tip = cell->toolTip() + QLatin1Char('\n');
    QVERIFY2(tip.startsWith((how == "broken" ? "" : "Failed at 0%: ") + status + QLatin1Char('\n')), qPrintable(tip));
    QVERIFY2(cell->toolTip().contains(toolSaid), qPrintable(cell->toolTip()));
    QCOMPARE(OutFiles(), QStringList());
}

void TestRunOutcomes::outputFolderCheckedBeforeRun_data()
{
    QTest::addColumn<QString>("folder"); // relative to the test's folder when it starts with "@"
    QTest::addColumn<QString>("message"); // empty: no message, the folder is made
    QTest::newRow("relative") << "out" << "is not a full path";
    QTest::newRow("a file") << "@short.mp4" << "is not a folder";
    // Not even root writes into it.
    QTest::newRow("not writable") << "/proc" << "Nothing can be written";
    QTest::newRow("missing, so made") << "@new/deeper" << QString();
}

void TestRunOutcomes::outputFolderCheckedBeforeRun()
{
    QFETCH(QString, folder);
    QFETCH(QString, message);
    if (folder.startsWith(QLatin1Char('@')))
        folder = m_dir.filePath(folder.mid(1));
    Window(1);
    AppTestKit::AddFile(*m_window, m_short);
    m_window->findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->setText(folder);
    m_window->Jobs().pause();
    QString said;
    AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
    Action("actionRun")->trigger();
    if (message.isEmpty()) {
        QVERIFY(said.isEmpty());
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(m_window->Jobs().jobs().size(), 1);
        QVERIFY(m_window->Jobs().jobs().first()->outputPath.startsWith(folder + QLatin1Char('/')));
        QDir(m_dir.filePath(QStringLiteral("new"))).removeRecursively();
        return;
    }
    QVERIFY2(said.contains(message), qPrintable(said));
    QVERIFY(m_window->Jobs().jobs().isEmpty());
    QCOMPARE(Action("actionRun")->text(), QStringLiteral("Run"));
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Ready"));
}

QTEST_MAIN(TestRunOutcomes)
#include "tst_runoutcomes.moc"
