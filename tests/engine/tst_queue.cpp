// The job queue: cell texts, the running limit, follow-up work-file deletion,
// chains of steps in one row, stop and destruction, with the real converter
// and melt from the application folder and with fake tools.
#include <QtTest>

#include "AppFolder.h"
#include "Core.h"
#include "JobTestTools.h"
#include "JobsManage.h"
#include "JxEngineJob.h"
#include "MeltEngineJob.h"
#include "OffThread.h"
#include "ProcessChecks.h"
#include "TestMedia.h"

#include <QFileInfo>
#include <QTableWidgetItem>
#include <QTemporaryDir>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <signal.h>
#include <thread>

namespace {

struct Row
{
    QTableWidgetItem size{"?"};
    QTableWidgetItem status{"Ready"};
    void attach(AbstractJob* job)
    {
        job->sizeItem = &size;
        job->setStandardItem(&status);
    }
};

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

// Ends the program when the guarded calls deadlock, rather than leaving the
// test hanging until the suite's time limit.
class Watchdog
{
public:
    explicit Watchdog(int ms)
        : m_thread([this, ms] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_done; }))
                qFatal("deadlock: the guarded calls did not return");
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

bool writeFile(const QString& path, qint64 bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(QByteArray(int(bytes), 'x')) == bytes;
}

} // namespace

class TestQueue : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_clip;   // 2 s, 160x120, with sound

    JxEngineJob* convertJob(const QString& input, const QString& output)
    {
        auto* job = new JxEngineJob(QString(),
                                    {"-i", input, "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-y", output},
                                    true);
        job->setFPS(25.0f);
        job->setDuration("00:00:02.00");
        job->outputPath = output;
        return job;
    }

    // A conversion read at the source's own pace (-re) and written packet by
    // packet: it takes the clip's length and its output grows all along.
    JxEngineJob* pacedJob(const QString& output)
    {
        auto* job = new JxEngineJob(QString(),
                                    {"-re", "-i", m_clip, "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac",
                                     "-flush_packets", "1", "-y", output},
                                    true);
        job->setFPS(25.0f);
        job->setDuration("00:00:02.00");
        job->outputPath = output;
        return job;
    }

    QString okScript()
    {
        return writeScript(m_dir.path(), "ok.sh", "sleep 0.05\nprintf data > \"$1\"\n");
    }
    // A step of the row that places `path`, as an earlier step of a chain does.
    void place(JobsManage& q, Row& row, const QString& path)
    {
        auto* job = new ScriptJob(okScript(), {path});
        job->outputPath = path, row.attach(job), q.AddJobTask(job);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(!AppFolder::FindTool("JxEngine").isEmpty());
        QVERIFY(!AppFolder::FindTool("melt").isEmpty());
        m_clip = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 2.0, 160, 120);
        QVERIFY(!m_clip.isEmpty());
    }

    void cellTexts()
    {
        JobsManage q;
        Row row;
        ScriptJob job("/bin/true");
        row.attach(&job);
        job.outputPath = m_dir.filePath("cells.bin");
        QVERIFY(writeFile(job.outputPath, 1572864));

        q.onProgressUpdated(&job, 2, 0);
        QCOMPARE(row.status.text(), QString("2% (--:--:--)"));
        QCOMPARE(row.size.text(), QString("?")); // an estimate of 0 changes nothing
        q.onProgressUpdated(&job, 30, 800);
        QCOMPARE(row.size.text(), QString("8MB"));
        q.onProgressUpdated(&job, 40, 12345);
        QCOMPARE(row.size.text(), QString("123.45MB"));
        // No clock yet: an unknown remaining time is empty.
        QCOMPARE(row.status.text(), QString("40% ()"));
        q.onProgressUpdated(&job, 100, 0);
        QCOMPARE(row.size.text(), QString("1.50MB"));
        QCOMPARE(row.status.text(), QString("100% (00:00:00)"));
        q.onProgressUpdated(nullptr, 50, 0); // ignored

        job.AbstractJob::start(); // clocks only
        QTest::qWait(30);
        q.onProgressUpdated(&job, 50, 0);
        QVERIFY(QRegularExpression("^50% \\(\\d\\d:\\d\\d:\\d\\d\\)$").match(row.status.text()).hasMatch());
    }

    void realConversionThroughQueue()
    {
        JobsManage q;
        Row row;
        const QString out = m_dir.filePath("converted.mp4");
        JxEngineJob* job = convertJob(m_clip, out);
        row.attach(job);
        ProgressLog progress;
        progress.attach(job);
        QStringList statusTexts;
        connect(job, &AbstractJob::progressUpdated, this, [&] { statusTexts << row.status.text(); });
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.AddJobTask(job);
        QCOMPARE(job->parent(), &q);
        QVERIFY(!job->ran()); // queued, not started
        q.startNextJob();
        QVERIFY(job->ran());
        QCOMPARE(q.runningCount(), 1);
        QVERIFY(done.wait(60000));
        QCOMPARE(done.count(), 1);
        QCOMPARE(row.status.text(), QString("Completed"));
        QVERIFY(QFileInfo(out).size() > 0);
        const QString mb = QString::number(double(QFileInfo(out).size()) / 1048576.0, 'f', 2) + "MB";
        QCOMPARE(row.size.text(), mb);
        QCOMPARE(progress.percents().first(), 0);
        QCOMPARE(progress.percents().last(), 100);
        QVERIFY(statusTexts.contains("100% (00:00:00)"));
        QCOMPARE(job->status, int(AbstractJob::StatusCompleted));
        QCOMPARE(q.runningCount(), 0);
        QVERIFY(!q.hasIncomplete());
        QVERIFY(job->log().contains("Completed successfully in"));
    }

    void realMeltThroughQueue()
    {
        JobsManage q;
        Row row;
        const QString out = m_dir.filePath("melted.mp4");
        auto* job = new MeltEngineJob(QString(),
                                      {m_clip, "-consumer", "avformat:" + out, "vcodec=libx264", "acodec=aac"}, true);
        job->setFPS(25000, 1000);
        job->outputPath = out;
        row.attach(job);
        ProgressLog progress;
        progress.attach(job);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.AddJobTask(job);
        q.startNextJob();
        QVERIFY(done.wait(60000));
        QCOMPARE(row.status.text(), QString("Completed"));
        QVERIFY(QFileInfo(out).size() > 0);
        QVERIFY(row.size.text().endsWith("MB"));
        QVERIFY(progress.percents().size() >= 3); // 0, melt's own, 100
        QCOMPARE(progress.percents().last(), 100);
    }

    void unreadableInputFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "no-such-input.mp4" << QByteArray() << "No such file or directory";
        // A script in place of a probed source: the converter would follow it.
        QTest::newRow("swapped for a script") << "swapped.mp4" << QByteArray("ffconcat version 1.0\nfile ")
                                              << "Invalid argument";
    }

    void unreadableInputFails()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString input = m_dir.filePath(name);
        if (!content.isEmpty()) {
            QFile script(input);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(content + QFile::encodeName(QFileInfo(m_clip).fileName()) + "\n");
        }
        JobsManage q;
        Row row;
        JxEngineJob* job = convertJob(input, m_dir.filePath("never.mp4"));
        row.attach(job);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.AddJobTask(job);
        q.startNextJob();
        QVERIFY(done.wait(30000));
        QCOMPARE(done.count(), 1);
        // The converter's own words, the whole story in the tooltip.
        QCOMPARE(row.status.text(), reason);
        QVERIFY2(row.status.toolTip().startsWith("Failed at 0%: " + reason + "\n"), qPrintable(row.status.toolTip()));
        QVERIFY(row.status.toolTip().contains(name + ": " + reason));
        QVERIFY(row.size.text().isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath("never.mp4")));
    }

    void meltInputThatFailsToLoadKeepsWorkFile()
    {
        JobsManage q;
        Row row;
        const QString out = m_dir.filePath("melt-partial.mp4");
        const QString work = m_dir.filePath("melt-work.mp4");
        QVERIFY(QFile::copy(m_clip, work));
        auto* job = new MeltEngineJob(QString(),
                                      {m_clip, m_dir.filePath("gone.mp4"), "-consumer", "avformat:" + out,
                                       "vcodec=libx264", "acodec=aac"},
                                      true);
        job->outputPath = out;
        job->kind = AbstractJob::KindMergeTemp;
        job->workPath1 = work;
        row.attach(job);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.AddJobTask(job);
        q.startNextJob();
        QVERIFY(done.wait(60000));
        QCOMPARE(job->exitCode(), 0); // melt itself calls it a success
        QVERIFY(!QFile::exists(out)); // what it wrote is no result
        QVERIFY2(row.status.text().contains("load"), qPrintable(row.status.text()));
        QVERIFY(row.status.toolTip().startsWith("Failed"));
        QVERIFY(QFile::exists(work)); // deleted only after a verified success
    }

    void workFilesByKind()
    {
        const QString script = okScript();
        const QString failing = writeScript(m_dir.path(), "fails.sh", "printf data > \"$1\"\nexit 1\n");
        const QString endless = writeScript(m_dir.path(), "runs-on.sh", "while :; do sleep 0.05; done\n");
        enum End { Succeeds, Fails, Stopped };
        struct Case
        {
            int kind;
            End end;
            bool firstGone;
            bool secondGone;
        };
        // Work files go after a verified success only: a chain that fails
        // or is stopped leaves them where they are.
        const QList<Case> cases{{AbstractJob::KindPlain, Succeeds, false, false},
                                {AbstractJob::KindMergeTemp, Succeeds, true, false},
                                {AbstractJob::KindMix, Succeeds, true, true},
                                {AbstractJob::KindPlain, Fails, false, false},
                                {AbstractJob::KindMergeTemp, Fails, false, false},
                                {AbstractJob::KindMusicMerge, Fails, false, false},
                                {AbstractJob::KindMix, Fails, false, false},
                                {AbstractJob::KindMix, Stopped, false, false}};
        int n = 0;
        for (const Case& c : cases) {
            JobsManage q;
            q.setMaxRunning(1);
            Row row;
            const QString tag = QString::number(n++);
            const QString out = m_dir.filePath("kind-out" + tag);
            const QString w1 = m_dir.filePath("kind-w1-" + tag);
            const QString w2 = m_dir.filePath("kind-w2-" + tag);
            place(q, row, w1);
            place(q, row, w2);
            auto* job = new ScriptJob(c.end == Succeeds ? script : c.end == Fails ? failing : endless, {out});
            job->outputPath = out;
            job->kind = c.kind;
            job->workPath1 = w1;
            job->workPath2 = w2;
            row.attach(job);
            QSignalSpy done(&q, &JobsManage::sigAllCompleted);
            q.AddJobTask(job);
            q.startNextJob();
            if (c.end == Stopped) {
                QTRY_COMPARE_WITH_TIMEOUT(job->state(), QProcess::Running, 10000);
                q.cleanup();
                QCOMPARE(row.status.text(), QString("Stopped"));
            } else {
                QVERIFY(done.wait(10000));
                QCOMPARE(row.status.text() == "Completed", c.end == Succeeds);
            }
            QVERIFY2(QFile::exists(w1) != c.firstGone, qPrintable(tag));
            QVERIFY2(QFile::exists(w2) != c.secondGone, qPrintable(tag));
            // The step's own result stays; a failed step's file is no result.
            QCOMPARE(QFile::exists(out), c.end == Succeeds);
        }
    }

    // Looking into a finished output, and removing the work files after it,
    // are done off the GUI thread; the row changes once each has ended.
    void checksAndDeletionsOffTheGuiThread()
    {
        QSemaphore hold;
        std::atomic<int> started{0};
        std::atomic<int> elsewhere{0};
        OffThread::Watcher() = [&] {
            elsewhere += QThread::currentThread() != QCoreApplication::instance()->thread();
            ++started;
            hold.tryAcquire(1, 30000);
        };
        JobsManage q;
        q.setMaxRunning(1);
        Row row;
        const QString work = m_dir.filePath("mixed-work.mp4");
        place(q, row, work);
        JxEngineJob* job = convertJob(m_clip, m_dir.filePath("mixed.mp4"));
        job->expect = OutputCheck::Lasting(2000000, 1, 1, 25);
        job->kind = AbstractJob::KindMix;
        job->workPath2 = work;
        row.attach(job);
        q.AddJobTask(job);
        q.startNextJob();
        QTRY_COMPARE_WITH_TIMEOUT(started.load(), 1, 60000); // the output is looked into
        QVERIFY(!job->endReported());
        hold.release();
        QTRY_COMPARE_WITH_TIMEOUT(started.load(), 2, 30000); // the work file goes
        QVERIFY(job->succeeded() && q.hasIncomplete());
        QVERIFY(row.status.text() != "Completed");
        hold.release();
        QTRY_COMPARE(row.status.text(), QString("Completed"));
        QVERIFY(!QFile::exists(work) && !q.hasIncomplete());
        QCOMPARE(elsewhere.load(), 2);
        OffThread::Watcher() = nullptr;
    }

    void deleteWorkFile()
    {
        // A link under the name is no file a step placed: it stays, its target unchanged.
        const QString target = m_dir.filePath("link-target");
        const QString link = m_dir.filePath("work-link");
        QVERIFY(writeFile(target, 5));
        const QFile::Permissions perms = QFileInfo(target).permissions();
        QVERIFY(QFile::link(target, link));
        FileIdentity placed = FileIdentity::Of(target);
        JobsManage::DeleteWorkFile(link, FileIdentity::Of(link));
        QVERIFY(QFile::exists(link) && QFile::exists(target) && QFileInfo(target).permissions() == perms);
        // A file moved over it since stays; a read-only one as written goes.
        QVERIFY(writeFile(link + "2", 5) && ::rename(qPrintable(link + "2"), qPrintable(target)) == 0);
        JobsManage::DeleteWorkFile(target, placed);
        QVERIFY(QFile::exists(target));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
        JobsManage::DeleteWorkFile(target, FileIdentity::Of(target));
        QVERIFY(!QFile::exists(target));
        JobsManage::DeleteWorkFile(m_dir.filePath("nothing-here"), placed);
        QVERIFY(QDir(m_dir.path()).mkdir("a-folder"));
        JobsManage::DeleteWorkFile(m_dir.filePath("a-folder"), FileIdentity::Of(m_dir.filePath("a-folder")));
        QVERIFY(QFileInfo(m_dir.filePath("a-folder")).isDir());
    }

    void twoAtOnceForFiveJobs()
    {
        JobsManage q;
        q.setMaxRunning(2);
        QList<std::shared_ptr<Row>> rows;
        QList<AbstractJob*> jobs;
        QList<AbstractJob*> startOrder;
        int running = 0, maxRunning = 0, finishedCount = 0;
        bool allEndedAtSignal = false;
        for (int i = 0; i < 5; ++i) {
            JxEngineJob* job = convertJob(m_clip, m_dir.filePath(QString("five-%1.mp4").arg(i)));
            rows.append(std::make_shared<Row>());
            rows.last()->attach(job);
            connect(job, &QProcess::stateChanged, this, [&](QProcess::ProcessState) {
                running = 0;
                for (AbstractJob* j : qAsConst(jobs))
                    running += j->state() != QProcess::NotRunning ? 1 : 0;
                maxRunning = std::max(maxRunning, running);
            });
            connect(job, &AbstractJob::progressUpdated, this, [&](AbstractJob* j, int p) {
                if (p == 0)
                    startOrder.append(j);
            });
            connect(job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished), this,
                    [&] { ++finishedCount; });
            jobs.append(job);
            q.AddJobTask(job);
        }
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        connect(&q, &JobsManage::sigAllCompleted, this, [&] {
            allEndedAtSignal = true;
            for (AbstractJob* j : qAsConst(jobs))
                allEndedAtSignal = allEndedAtSignal && j->endReported();
        });
        q.startNextJob();
        QCOMPARE(startOrder.size(), 2);
        QCOMPARE(q.runningCount(), 2);
        QVERIFY(done.wait(120000));
        QCOMPARE(done.count(), 1);
        QVERIFY(allEndedAtSignal);
        QCOMPARE(finishedCount, 5);
        QCOMPARE(maxRunning, 2);
        QCOMPARE(startOrder, jobs); // started in list order
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(rows.at(i)->status.text(), QString("Completed"));
            QVERIFY(jobs.at(i)->succeeded());
            QVERIFY(QFileInfo(jobs.at(i)->outputPath).size() > 0);
        }
    }

    void limitBelowOneStillRuns()
    {
        JobsManage q;
        q.setMaxRunning(0); // a hand-edited settings file
        const QString script = okScript();
        Row a, b;
        auto* j1 = new ScriptJob(script, {m_dir.filePath("lim1")});
        auto* j2 = new ScriptJob(script, {m_dir.filePath("lim2")});
        j1->outputPath = m_dir.filePath("lim1");
        j2->outputPath = m_dir.filePath("lim2");
        a.attach(j1);
        b.attach(j2);
        q.AddJobTask(j1);
        q.AddJobTask(j2);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.startNextJob();
        QCOMPARE(q.runningCount(), 1);
        QVERIFY(j1->ran());
        QVERIFY(!j2->ran());
        // Not emitted after the first of two.
        QTRY_VERIFY_WITH_TIMEOUT(j1->endReported(), 10000);
        QCOMPARE(done.count(), 0);
        QVERIFY(done.wait(10000));
        QCOMPARE(b.status.text(), QString("Completed"));
    }

    void pauseHoldsWaitingJobs()
    {
        JobsManage q;
        const QString script = okScript();
        auto* job = new ScriptJob(script, {m_dir.filePath("paused")});
        job->outputPath = m_dir.filePath("paused");
        q.AddJobTask(job);
        q.pause();
        QVERIFY(q.isPaused());
        q.startNextJob();
        QVERIFY(!job->ran());
        QVERIFY(q.hasIncomplete());
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.resume();
        QVERIFY(job->ran());
        QVERIFY(done.wait(10000));
    }

    void pauseHoldsTheRunningConverter()
    {
        JobsManage q;
        q.setMaxRunning(1);
        Row row;
        const QString out = m_dir.filePath("held.mp4");
        JxEngineJob* job = pacedJob(out);
        row.attach(job);
        JxEngineJob* waiting = convertJob(m_clip, m_dir.filePath("held2.mp4"));
        q.AddJobTask(job);
        q.AddJobTask(waiting);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.startNextJob();
        // It writes under its partial name until it has succeeded.
        const QString written = job->writePath();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(written).size() > 0 && job->lastPercent() >= 5, 20000);
        q.pause();
        const qint64 pid = job->processId();
        // `nice` has made way for the tool: the tool itself is held.
        QVERIFY(ProcessChecks::Name(pid) != "nice");
        QTRY_COMPARE_WITH_TIMEOUT(ProcessChecks::State(pid), 'T', 5000);
        const qint64 size = QFileInfo(written).size();
        // Written all along while it ran: nothing may happen meanwhile.
        QTest::qWait(700);
        QCOMPARE(QFileInfo(written).size(), size);
        QCOMPARE(ProcessChecks::State(pid), 'T');
        QVERIFY2(row.status.text().startsWith("Paused: "), qPrintable(row.status.text()));
        QVERIFY(job->lastPercent() < 100);
        QVERIFY(!waiting->ran());

        q.resume();
        QVERIFY2(row.status.text().contains("% ("), qPrintable(row.status.text()));
        QVERIFY(done.wait(60000));
        QCOMPARE(row.status.text(), QString("Completed"));
        QVERIFY(waiting->succeeded());
        const TestMedia::ProbeResult r = TestMedia::Probe(out);
        QCOMPARE(r.codecs, QStringList({"h264", "aac"}));
        QVERIFY2(qAbs(r.duration - 2.0) < 0.1, qPrintable(QString::number(r.duration)));
    }

    void stopWhilePausedLeavesNoTool()
    {
        JobsManage q;
        Row a;
        Row b;
        JxEngineJob* first = pacedJob(m_dir.filePath("stopheld1.mp4"));
        JxEngineJob* second = pacedJob(m_dir.filePath("stopheld2.mp4"));
        a.attach(first);
        b.attach(second);
        q.AddJobTask(first);
        q.AddJobTask(second);
        q.startNextJob();
        QTRY_VERIFY_WITH_TIMEOUT(first->lastPercent() > 0 && second->lastPercent() > 0, 20000);
        q.pause();
        const qint64 pid1 = first->processId();
        const qint64 pid2 = second->processId();
        QTRY_VERIFY_WITH_TIMEOUT(ProcessChecks::State(pid1) == 'T' && ProcessChecks::State(pid2) == 'T', 5000);
        // A held tool acts on the terminate request at once: it ends by
        // itself, not killed after the grace time.
        first->stop();
        QVERIFY(waitForEnd(first, 10000));
        QCOMPARE(first->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ProcessChecks::State(pid1), char(0));
        // Stop of the queue: nothing held or unreaped is left.
        q.cleanup();
        QCOMPARE(ProcessChecks::State(pid2), char(0));
        QCOMPARE(b.status.text(), QString("Stopped"));
        QVERIFY(q.jobs().isEmpty());
    }

    void toolThatCannotStartEndsTheRow()
    {
        JobsManage q;
        Row row;
        auto* job = new MissingToolJob;
        row.attach(job);
        q.AddJobTask(job);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.startNextJob();
        QVERIFY(q.hasIncomplete()); // started, end not yet reported
        QVERIFY(done.wait(5000));
        QCOMPARE(done.count(), 1);
        QVERIFY(row.status.toolTip().startsWith("Failed"));
        QVERIFY(row.status.text().contains("not found"));
        QCOMPARE(q.runningCount(), 0);
    }

    void chainShowsCompletedOnlyAtItsEnd()
    {
        const QString quick = okScript();
        const QString slowOk = writeScript(m_dir.path(), "slowok.sh", "sleep 0.4\nprintf data > \"$1\"\n");
        const QString slowFail = writeScript(m_dir.path(), "slowfail.sh",
                                             "printf 'Current Frame: 10, percentage: 40\\r' >&2\nsleep 0.4\nexit 2\n");
        const QString quickFail = writeScript(m_dir.path(), "quickfail.sh", "exit 2\n");

        // Two steps of one row: the quick one's success is not the row's.
        {
            JobsManage q;
            Row row;
            auto* a = new ScriptJob(quick, {m_dir.filePath("ch-a")});
            auto* b = new ScriptMeltJob(slowFail);
            a->outputPath = m_dir.filePath("ch-a");
            b->outputPath = m_dir.filePath("ch-b");
            row.attach(a);
            row.attach(b);
            q.AddJobTask(a);
            q.AddJobTask(b);
            QSignalSpy done(&q, &JobsManage::sigAllCompleted);
            q.startNextJob();
            QTRY_VERIFY_WITH_TIMEOUT(a->endReported(), 10000);
            QVERIFY(a->succeeded());
            QVERIFY(row.status.text() != "Completed");
            QVERIFY(done.wait(10000));
            // The failed step says why, and in the tooltip keeps its percentage.
            QCOMPARE(row.status.text(), QString("Exit code 2"));
            QCOMPARE(row.status.toolTip(), QString("Failed at 40%: Exit code 2"));
        }
        // A failure first, then a success: the failure stays.
        {
            JobsManage q;
            Row row;
            auto* a = new ScriptJob(quickFail);
            auto* b = new ScriptJob(slowOk, {m_dir.filePath("ch-d")});
            a->outputPath = m_dir.filePath("ch-c");
            b->outputPath = m_dir.filePath("ch-d");
            row.attach(a);
            row.attach(b);
            q.AddJobTask(a);
            q.AddJobTask(b);
            QSignalSpy done(&q, &JobsManage::sigAllCompleted);
            q.startNextJob();
            QVERIFY(done.wait(10000));
            QVERIFY(b->succeeded());
            QVERIFY2(row.status.toolTip().startsWith("Failed at 0%"), qPrintable(row.status.toolTip()));

            // Run again later for the same row: a fresh chain that succeeds is Completed.
            auto* c = new ScriptJob(quick, {m_dir.filePath("ch-e")});
            c->outputPath = m_dir.filePath("ch-e");
            row.attach(c);
            q.AddJobTask(c);
            q.startNextJob();
            QVERIFY(done.wait(10000));
            QCOMPARE(row.status.text(), QString("Completed"));
        }
    }

    void stoppedStepShowsIt()
    {
        JobsManage q;
        Row row;
        const QString script = writeScript(m_dir.path(), "endless.sh", "while :; do sleep 0.05; done\n");
        auto* job = new ScriptJob(script);
        job->outputPath = m_dir.filePath("endless.out");
        row.attach(job);
        q.AddJobTask(job);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.startNextJob();
        QVERIFY(job->waitForStarted(5000));
        job->stop();
        QVERIFY(done.wait(5000));
        QCOMPARE(row.status.text(), QString("Stopped"));
    }

    void stopEndsStubbornToolsAndEmptiesQueue()
    {
        JobsManage q;
        const QString script = writeScript(m_dir.path(), "stubborn.sh", "trap '' TERM\nwhile :; do sleep 0.05; done\n");
        Row r1, r2, r3;
        QList<AbstractJob*> jobs;
        for (Row* r : {&r1, &r2, &r3}) {
            auto* job = new ScriptJob(script);
            job->outputPath = m_dir.filePath("stubborn.out");
            r->attach(job);
            q.AddJobTask(job);
            jobs.append(job);
        }
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        q.startNextJob();
        QVERIFY(jobs.at(0)->waitForStarted(5000));
        QVERIFY(jobs.at(1)->waitForStarted(5000));
        QVERIFY(!jobs.at(2)->ran());
        const qint64 pid1 = jobs.at(0)->processId();
        const qint64 pid2 = jobs.at(1)->processId();
        QPointer<AbstractJob> first = jobs.at(0);
        QElapsedTimer t;
        t.start();
        q.cleanup();
        QVERIFY2(t.elapsed() < 2500, qPrintable(QString::number(t.elapsed())));
        QVERIFY(processGone(pid1));
        QVERIFY(processGone(pid2));
        QVERIFY(q.jobs().isEmpty());
        QVERIFY(!q.hasIncomplete());
        QCOMPARE(q.runningCount(), 0);
        // Rows whose tools ran are stopped; the one still waiting keeps its texts.
        QCOMPARE(r1.status.text(), QString("Stopped"));
        QCOMPARE(r2.status.text(), QString("Stopped"));
        QCOMPARE(r3.status.text(), QString("Ready"));
        QCOMPARE(r3.size.text(), QString("?"));
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 2000); // deleted once back in the event loop
        QTest::qWait(50);
        QCOMPARE(done.count(), 0);
    }

    // A row between two steps of its chain has begun its work: Stop says so.
    void stopMarksRowWaitingForItsNextStep()
    {
        ST_OPTS withMusic;
        InitOpts(&withMusic);
        withMusic.musicFiles = QStringList{m_clip};
        Core::instance()->Rows = {withMusic};
        JobsManage q;
        q.setMaxRunning(1);
        q.SetOutputFolderQuery([this] { return m_dir.path(); });
        Row chain, running, waiting;
        auto* first = new ScriptJob(okScript(), {m_dir.filePath("chain.out")});
        first->outputPath = m_dir.filePath("chain.out");
        first->kind = AbstractJob::KindMusic;
        auto* stubborn = new ScriptJob(writeScript(m_dir.path(), "endless2.sh", "while :; do sleep 0.05; done\n"));
        auto* later = new ScriptJob(okScript(), {m_dir.filePath("later.out")});
        stubborn->outputPath = m_dir.filePath("endless2.out");
        later->outputPath = m_dir.filePath("later.out");
        chain.attach(first);
        running.attach(stubborn);
        waiting.attach(later);
        for (AbstractJob* job : {first, stubborn, later})
            q.AddJobTask(job);
        q.startNextJob();
        // The first step's follow-up waits behind the rows queued before it.
        QTRY_VERIFY_WITH_TIMEOUT(stubborn->ran() && q.jobs().size() == 4, 10000);
        QVERIFY(!q.jobs().last()->ran());
        q.cleanup();
        QCOMPARE(chain.status.text(), QString("Stopped"));
        // The chain's finished step keeps its whole, checked output.
        QVERIFY(QFile::exists(m_dir.filePath("chain.out")));
        QCOMPARE(running.status.text(), QString("Stopped"));
        QCOMPARE(waiting.status.text(), QString("Ready"));
        Core::instance()->Rows.clear();
    }

    void stopFromInsideAProgressReport()
    {
        // A Stop handled while a job is still inside its reader: the job must
        // outlive its own slot, and the queue must not lock itself out.
        JobsManage q;
        Row row;
        const QString out = m_dir.filePath("melt-stopped.mp4");
        auto* job = new MeltEngineJob(QString(),
                                      {m_clip, "-consumer", "avformat:" + out, "vcodec=libx264", "acodec=aac"}, true);
        job->outputPath = out;
        row.attach(job);
        QPointer<AbstractJob> watch = job;
        qint64 pid = 0;
        connect(job, &AbstractJob::progressUpdated, this, [&](AbstractJob* j, int p) {
            if (p > 0 && pid == 0) {
                pid = j->processId();
                q.cleanup();
            }
        });
        q.AddJobTask(job);
        q.startNextJob();
        // Several records in one chunk: the reader goes on after the Stop.
        job->feedOutput("Current Frame: 1, percentage: 10\rCurrent Frame: 2, percentage: 20\r");
        QVERIFY(pid > 0);
        QVERIFY(processGone(pid));
        QVERIFY(q.jobs().isEmpty());
        QCOMPARE(row.status.text(), QString("Stopped"));
        QTRY_VERIFY_WITH_TIMEOUT(watch.isNull(), 2000);
    }

    void answersToTheFirstReport_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("Stop") << true;
        QTest::newRow("new job") << false;
    }
    void answersToTheFirstReport()
    {
        // The 0 % report comes from inside startNextJob: a Stop or a new job
        // handled there must not lock the queue out of itself.
        QFETCH(bool, stop);
        JobsManage q;
        q.setMaxRunning(1);
        Row row;
        const auto make = [&](const QString& name) {
            auto* job = new ScriptJob(okScript(), {m_dir.filePath(name)});
            job->outputPath = m_dir.filePath(name);
            row.attach(job);
            return job;
        };
        AbstractJob* job = make("first.out");
        AbstractJob* added = nullptr;
        connect(job, &AbstractJob::progressUpdated, this, [&](AbstractJob*, int percent) {
            if (percent != 0 || added)
                return;
            added = make("added.out");
            if (stop)
                q.cleanup();
            q.AddJobTask(added);
        });
        q.AddJobTask(job);
        QSignalSpy done(&q, &JobsManage::sigAllCompleted);
        {
            Watchdog guard(20000);
            q.startNextJob();
        }
        QVERIFY(added);
        const QList<AbstractJob*> left = stop ? QList<AbstractJob*>{added} : QList<AbstractJob*>{job, added};
        QCOMPARE(q.jobs(), left);
        QVERIFY(done.wait(20000));
        QVERIFY(added->succeeded());
        QCOMPARE(row.status.text(), QString("Completed"));
    }

    void outputFolderQuery()
    {
        JobsManage q;
        QCOMPARE(q.OutputFolder(), QString());
        q.SetOutputFolderQuery([] { return QString("/videos/out"); });
        QCOMPARE(q.OutputFolder(), QString("/videos/out"));
    }

    void destroyingQueueKillsRunningJobs()
    {
        auto q = std::make_unique<JobsManage>();
        const QString script = writeScript(m_dir.path(), "stubborn2.sh", "trap '' TERM\nwhile :; do sleep 0.05; done\n");
        auto* job = new ScriptJob(script);
        job->outputPath = m_dir.filePath("stubborn2.out");
        q->AddJobTask(job);
        q->startNextJob();
        QVERIFY(job->waitForStarted(5000));
        const qint64 pid = job->processId();
        QElapsedTimer t;
        t.start();
        q.reset();
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(processGone(pid));
    }
};

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"
