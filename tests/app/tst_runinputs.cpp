// What a Run reads, through the main window: every file of a row checked when
// the row is queued, each row's own subtitles burned in (the real converter),
// and subtitle files too large to read refused wherever they are opened.
#include <QAction>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

#include "AbstractJob.h"
#include "AppTestKit.h"
#include "CLayerInfo.h"
#include "Core.h"
#include "Corpus.h"
#include "FifoGuard.h"
#include "canvas/QWatermarkScene.h"
#include "TestMedia.h"

namespace {

// One subtitle event from `from` to `to` seconds.
bool WriteSrt(const QString& path, int from, int to)
{
    QFile file(path);
    const QByteArray cue = "1\n00:00:0" + QByteArray::number(from) + ",000 --> 00:00:0" + QByteArray::number(to)
        + ",000\nWWWWWWWW\n\n";
    return file.open(QIODevice::WriteOnly) && file.write(cue) == cue.size();
}

// Light pixels (burned-in text) in the lower half of the frame at `seconds`
// of a video on black; -1 when there is no such frame.
int LitPixels(const QString& video, double seconds)
{
    const QString png = video + QStringLiteral(".png");
    QFile::remove(png);
    TestMedia::RunConverter({"-ss", QString::number(seconds), "-i", video, "-frames:v", "1", png});
    const QImage frame(png);
    int lit = 0;
    for (int y = frame.height() / 2; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            lit += qGray(frame.pixel(x, y)) > 160;
    return frame.isNull() ? -1 : lit;
}

} // namespace

class TestRunInputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void queuedRowChecksEveryFileItReads_data();
    void queuedRowChecksEveryFileItReads();
    void eachRowBurnsItsOwnSubtitles();
    void subtitleFileTooLargeOrAPipeIsNotRead_data();
    void subtitleFileTooLargeOrAPipeIsNotRead();

private:
    void Window(int threads = 1)
    {
        AppTestKit::WriteSettings(m_out, false, threads);
        m_window = std::make_unique<MainWindow>();
        m_window->show();
    }
    QAction* Action(const char* name) { return m_window->findChild<QAction*>(QLatin1String(name)); }
    QTableWidget* Table() { return m_window->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }
    // A window with one row: `here`/clip.mp4, with clip.srt beside it
    // (picked up); the subtitle's path.
    QString WindowWithOneRow(const QTemporaryDir& here)
    {
        const QString clip = here.filePath(QStringLiteral("clip.mp4"));
        const QString srt = here.filePath(QStringLiteral("clip.srt"));
        if (!QFile::copy(m_black, clip) || !WriteSrt(srt, 0, 1))
            return QString();
        Window();
        AppTestKit::AddFile(*m_window, clip);
        return srt;
    }
    bool WaitForRunLook()
    {
        QElapsedTimer waited;
        waited.start();
        while (Action("actionRun")->text() != QLatin1String("Run") && waited.elapsed() < 120000)
            QTest::qWait(20);
        return Action("actionRun")->text() == QLatin1String("Run");
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_out;
    QString m_black; // 2 s, 320 x 240
    std::unique_ptr<MainWindow> m_window;
};

void TestRunInputs::initTestCase()
{
    QVERIFY(m_dir.isValid() && m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    m_out = m_dir.filePath(QStringLiteral("out"));
    m_black = TestMedia::MakeSolidVideo(m_dir.path(), QStringLiteral("black"), QStringLiteral("black.mp4"), 2.0);
    QVERIFY(!m_black.isEmpty());
}

void TestRunInputs::init()
{
    AppTestKit::FreshRunState();
    QVERIFY(QDir().mkpath(m_out));
}

void TestRunInputs::cleanup()
{
    AppTestKit::CloseWindow(m_window);
    Core::instance()->Layers.clear();
    QDir(m_out).removeRecursively();
}

void TestRunInputs::queuedRowChecksEveryFileItReads_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("status");
    QTest::newRow("source gone") << "source" << "File missing: clip.mp4";
    QTest::newRow("title clip gone") << "title" << "File missing: title.mp4";
    QTest::newRow("ending clip is a folder") << "ending" << "Not a regular file: ending.mp4";
    QTest::newRow("music file is a pipe") << "music" << "Not a regular file: music.mp3";
    QTest::newRow("subtitle file gone") << "subtitle" << "Subtitle file missing: clip.srt";
    QTest::newRow("subtitle file too large") << "large" << "Subtitle file too large: clip.srt";
    // The editor shows a placeholder for it; the converter would wait on it for ever.
    QTest::newRow("picture layer is a pipe") << "layer" << "Not a regular file: logo.png";
    // Scripts that name a pipe: the converter would read what they name.
    QTest::newRow("title clip is a concat script") << "script title" << "Refers to other files: title.mp4";
    QTest::newRow("video layer is a concat script") << "script layer" << "Refers to other files: moving.mp4";
    // Swapped after it was added, for a script of the same size and times.
    QTest::newRow("source replaced by a concat script") << "script source" << "Refers to other files: clip.mp4";
    QTest::newRow("source rewritten as a concat script") << "script in place" << "Refers to other files: clip.mp4";
    // melt would play the clips it names.
    QTest::newRow("title clip is a melt script") << "script mlt" << "Not a media file: intro.mlt";
}

void TestRunInputs::queuedRowChecksEveryFileItReads()
{
    QFETCH(QString, how);
    QFETCH(QString, status);
    QTemporaryDir here;
    const QString srt = WindowWithOneRow(here);
    QVERIFY(!srt.isEmpty());
    ST_OPTS& row = Core::instance()->Rows[0];
    QCOMPARE(row.subtitlePath, srt);
    const QString named = here.filePath(status.section(QStringLiteral(": "), 1));
    std::unique_ptr<FifoGuard> pipe;
    if (how.startsWith(QLatin1String("script"))) {
        pipe = std::make_unique<FifoGuard>(here.filePath(QStringLiteral("fifo.mp4")));
        const bool swap = how == QLatin1String("script source");
        const bool source = swap || how == QLatin1String("script in place");
        struct stat was;
        QVERIFY(!source || ::stat(QFile::encodeName(named).constData(), &was) == 0);
        QFile script(swap ? named + QStringLiteral(".new") : named);
        QVERIFY(pipe->Made() && script.open(QIODevice::WriteOnly));
        script.write(how.endsWith(QLatin1String("mlt"))
                         ? "<mlt><producer><property name=\"resource\">fifo.mp4</property></producer></mlt>\n"
                         : "ffconcat version 1.0\nfile fifo.mp4\n");
        if (source) {
            script.write(QByteArray(int(was.st_size - script.size() - 1), '#') + '\n');
            script.close();
            const struct timespec times[2] = {was.st_atim, was.st_mtim};
            const QByteArray written = QFile::encodeName(script.fileName());
            QVERIFY(::utimensat(AT_FDCWD, written.constData(), times, 0) == 0);
            QVERIFY(!swap || ::rename(written.constData(), QFile::encodeName(named).constData()) == 0);
        }
    }
    if (how == QLatin1String("script title") || how == QLatin1String("script mlt")) {
        row.titleClips << ST_MERGE{named, 0, 1000000};
    } else if (how == QLatin1String("script layer")) {
        m_window->Editor().InitCanvas(row.path);
        CLayerInfo record;
        record.Type = 1;
        record.FileName = named;
        record.Width = 64;
        record.Height = 48;
        QVERIFY(m_window->Editor().Scene()->AddLayer(&record));
    }
    if (how == QLatin1String("source") || how == QLatin1String("subtitle"))
        QVERIFY(QFile::remove(named));
    else if (how == QLatin1String("title"))
        row.titleClips << ST_MERGE{named, 0, 1000000};
    else if (how == QLatin1String("ending"))
        row.endingClips << ST_MERGE{named, 0, 1000000};
    else if (how == QLatin1String("large"))
        QVERIFY(QFile(srt).resize(64LL * 1024 * 1024 + 1));
    if (how == QLatin1String("ending")) {
        QVERIFY(QDir().mkpath(named));
    } else if (how == QLatin1String("music")) {
        QCOMPARE(::mkfifo(QFile::encodeName(named).constData(), 0600), 0);
        row.musicFiles << named;
    } else if (how == QLatin1String("layer")) {
        QVERIFY(!TestMedia::MakeImage(here.path(), QStringLiteral("logo.png")).isEmpty());
        m_window->Editor().InitCanvas(row.path);
        QVERIFY(m_window->Editor().Scene()->AddLayerImage(named));
        QVERIFY(QFile::remove(named));
        QCOMPARE(::mkfifo(QFile::encodeName(named).constData(), 0600), 0);
    }

    Action("actionRun")->trigger();
    QTableWidgetItem* cell = Table()->item(0, 2);
    QCOMPARE(cell->text(), status);
    QCOMPARE(cell->toolTip(), status.section(QStringLiteral(": "), 0, 0) + QStringLiteral(": ") + named);
    QVERIFY(m_window->Jobs().jobs().isEmpty());
    QCOMPARE(Action("actionRun")->text(), QStringLiteral("Run"));
    QCOMPARE(QDir(m_out).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (pipe)
        QVERIFY(!pipe->WasOpened());
}

void TestRunInputs::eachRowBurnsItsOwnSubtitles()
{
    // a.srt, c.srt and d.srt show text in the first second, b.srt in the
    // second; rows c and d burn their events from UTF-16 ASS files, c's
    // little-endian, d's big-endian.
    QTemporaryDir here;
    QStringList sources;
    for (const char* name : {"a", "b", "c", "d"}) {
        sources << here.filePath(QLatin1String(name) + QStringLiteral(".mp4"));
        QVERIFY(QFile::copy(m_black, sources.last()));
        QVERIFY(WriteSrt(here.filePath(QLatin1String(name) + QStringLiteral(".srt")), name[0] == 'b' ? 1 : 0,
                         name[0] == 'b' ? 2 : 1));
    }
    for (const char* name : {"c", "d"}) {
        SubtitleParser events;
        events.setFileName(here.filePath(QLatin1String(name) + QStringLiteral(".srt")));
        const QString path = here.filePath(QLatin1String(name) + QStringLiteral(".ass"));
        QVERIFY(events.ReadSRTFile() && events.SaveASS(path));
        QFile ass(path);
        QVERIFY(ass.open(QIODevice::ReadWrite));
        const QByteArray wide =
            TestCorpus::Utf16(QString::fromUtf8(ass.readAll()).remove(QChar::ByteOrderMark), name[0] == 'd');
        QVERIFY(ass.resize(0) && ass.write(wide) == wide.size());
    }
    Window(2);
    for (const QString& source : qAsConst(sources))
        AppTestKit::AddFile(*m_window, source);
    Core::instance()->Rows[2].subtitlePath = here.filePath(QStringLiteral("c.ass"));
    Core::instance()->Rows[3].subtitlePath = here.filePath(QStringLiteral("d.ass"));
    // Row b shown in the subtitle tab: its events are the editor's.
    m_window->on_tableWidget_cellClicked(1, 0);
    QCOMPARE(Core::instance()->Subtitle.Events.size(), 1);
    QVERIFY(QFile::remove(here.filePath(QStringLiteral("a.srt"))));

    // b.srt is converted from what was opened, whatever is put under its name then.
    PipeSwap swap(here.filePath(QStringLiteral("b.srt")));
    Action("actionRun")->trigger();
    QVERIFY(WaitForRunLook());
    QVERIFY(swap.Pipe() && !swap.Pipe()->WasOpened());
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("Subtitle file missing: a.srt"));
    QCOMPARE(Table()->item(1, 2)->text(), QStringLiteral("Completed"));
    QCOMPARE(Table()->item(2, 2)->text(), QStringLiteral("Completed"));
    QCOMPARE(Table()->item(3, 2)->text(), QStringLiteral("Completed"));
    QCOMPARE(QDir(m_out).entryList(QDir::Files | QDir::Hidden), (QStringList{"b.mp4", "c.mp4", "d.mp4"}));
    const QString b = m_out + QStringLiteral("/b.mp4");
    QVERIFY2(LitPixels(b, 0.5) == 0 && LitPixels(b, 1.5) > 20, qPrintable(QString::number(LitPixels(b, 1.5))));
    for (const char* name : {"/c.mp4", "/d.mp4"}) {
        const QString out = m_out + QLatin1String(name);
        QVERIFY2(LitPixels(out, 0.5) > 20 && LitPixels(out, 1.5) == 0, qPrintable(out));
    }
}

void TestRunInputs::subtitleFileTooLargeOrAPipeIsNotRead_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("kind");
    QTest::newRow("opened in the subtitle tab") << "tab" << "srt";
    QTest::newRow("its row shown") << "row" << "srt";
    QTest::newRow("its row shown, the file a pipe") << "pipe" << "srt";
    QTest::newRow("its row shown, an ASS file") << "row" << "ass";
    QTest::newRow("its row shown, an ASS file a pipe") << "pipe" << "ass";
    QTest::newRow("added in the editor") << "editor" << "srt";
}

void TestRunInputs::subtitleFileTooLargeOrAPipeIsNotRead()
{
    QFETCH(QString, where);
    QFETCH(QString, kind);
    QTemporaryDir here;
    QString srt = WindowWithOneRow(here);
    QVERIFY(!srt.isEmpty());
    Core* core = Core::instance();
    if (kind == QLatin1String("ass")) {
        const QString ass = here.filePath(QStringLiteral("clip.ass"));
        QVERIFY(QFile::rename(srt, ass));
        core->Rows[0].subtitlePath = srt = ass;
    }
    QVERIFY(QFile(srt).resize(64LL * 1024 * 1024 + 1));
    ST_ASS_EVENT kept;
    kept.Text = QStringLiteral("Being edited");
    core->Subtitle.Events = {kept};
    ST_ASS_STYLE keptStyle;
    keptStyle.Name = QStringLiteral("Being edited");
    core->Subtitle.Styles = {keptStyle};
    core->Subtitle.PlayResY = 1080;
    // Only the row picked it up; it is read nowhere.
    const QString expected = SubtitleParser::TooLargeMessage(srt);
    QVERIFY(expected.contains(srt) && expected.contains(QStringLiteral("64 MB")));
    QString said;
    std::unique_ptr<FifoGuard> pipe;
    if (where == QLatin1String("tab")) {
        core->Rows[0].subtitlePath.clear();
        AppTestKit::Answer({srt});
        AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
        m_window->findChild<QToolButton*>(QStringLiteral("BtnSubtitleOpen"))->click();
        QCOMPARE(core->Rows[0].subtitlePath, QString());
    } else if (where == QLatin1String("row") || where == QLatin1String("pipe")) {
        if (where == QLatin1String("pipe")) {
            QVERIFY(QFile::remove(srt));
            pipe = std::make_unique<FifoGuard>(srt);
        }
        AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
        m_window->on_tableWidget_cellClicked(0, 0);
    } else {
        core->Rows[0].subtitlePath.clear();
        m_window->Editor().AskFileName = [srt](bool, const QString&, const QString&) { return srt; };
        AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
        m_window->Editor().findChild<QAction*>(QStringLiteral("actionAdd_Subtitle"))->trigger();
        QCOMPARE(core->Rows[0].subtitlePath, QString());
    }
    QCOMPARE(said, where == QLatin1String("pipe") ? QString() : expected);
    QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
    // Shown for a row, its file's events replace those listed, even unread.
    if (where == QLatin1String("row") || where == QLatin1String("pipe")) {
        QVERIFY(core->Subtitle.Events.isEmpty());
        QVERIFY(!pipe || !pipe->WasOpened());
        // An ASS file unread is a new document, as a failed read leaves it.
        const SubtitleParser fresh;
        const bool ass = kind == QLatin1String("ass");
        QCOMPARE(core->Subtitle.Styles.size(), ass ? fresh.Styles.size() : 1);
        QCOMPARE(core->Subtitle.Styles.value(0).Name, ass ? fresh.Styles.value(0).Name : keptStyle.Name);
        QCOMPARE(core->Subtitle.PlayResY, ass ? fresh.PlayResY : 1080);
        return;
    }
    QCOMPARE(core->Subtitle.Events.size(), 1);
    QCOMPARE(core->Subtitle.Events.at(0).Text, QStringLiteral("Being edited"));
}

QTEST_MAIN(TestRunInputs)
#include "tst_runinputs.moc"
