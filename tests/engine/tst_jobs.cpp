// The process jobs: launch, stop, end report, remaining-time estimate,
// post-job actions and the melt failure timecode.
#include <QtTest>

#include "AbstractJob.h"
#include "FilePropertiesPostJobAction.h"
#include "JobTestTools.h"
#include "UniqueOutputName.h"
#include "JxEngineJob.h"
#include "MeltEngineJob.h"
#include "PostJobAction.h"
#include "ReverseFilePostJobAction.h"
#include "TestMedia.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <signal.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

class CountingAction : public PostJobAction
{
public:
    explicit CountingAction(int* deleted, int* done = nullptr) : m_deleted(deleted), m_done(done) {}
    ~CountingAction() override { ++*m_deleted; }
    void doAction() override
    {
        if (m_done)
            ++*m_done;
    }

private:
    int* m_deleted;
    int* m_done;
};

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

} // namespace

class TestJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void estimateRemaining()
    {
        ScriptJob job("/bin/true");
        // Not started: no clock, no estimate, no division.
        QCOMPARE(job.estimateRemaining(0), -1);
        QCOMPARE(job.estimateRemaining(50), -1);
        QCOMPARE(job.estimateRemaining(100), 0);

        job.AbstractJob::start(); // clocks only, no process
        QTest::qWait(600);
        const int at2 = job.estimateRemaining(2);
        QVERIFY2(at2 >= 600 / 2 * 98, qPrintable(QString::number(at2)));
        // Reaching 1 % restarts the estimate clock: 1 % itself has no estimate.
        QElapsedTimer sinceOne;
        sinceOne.start();
        emit job.progressUpdated(&job, 1, 0);
        QCOMPARE(job.estimateRemaining(1), -1);
        QTest::qWait(40);
        const int at3 = job.estimateRemaining(3);
        QVERIFY(at3 >= 40 / 2 * 97);
        // Measured from the 1 % moment, not the launch 600 ms before it,
        // however long a busy machine took since.
        QVERIFY2(at3 <= sinceOne.elapsed() / 2 * 97, qPrintable(QString::number(at3)));
        QCOMPARE(job.estimateRemaining(100), 0);
        QCOMPARE(job.lastPercent(), 1);
    }

    void estimateLeavesOutHeldTime()
    {
        ScriptJob job("/bin/true");
        job.AbstractJob::start(); // clocks only
        QElapsedTimer sinceOne;
        sinceOne.start();
        emit job.progressUpdated(&job, 1, 0);
        QTest::qWait(40);
        job.suspend();
        QVERIFY(job.isSuspended());
        QElapsedTimer held;
        held.start();
        QTest::qWait(600);
        const int whileHeld = job.estimateRemaining(3);
        const qint64 heldAtLeast = held.elapsed();
        job.resume();
        QVERIFY(!job.isSuspended());
        const int after = job.estimateRemaining(3);
        // The time since 1 %, less the time held (which lasted at least as
        // long as measured here).
        const int bound = int((sinceOne.elapsed() - heldAtLeast) / 2 * 97);
        QVERIFY2(whileHeld <= bound, qPrintable(QString::number(whileHeld) + " > " + QString::number(bound)));
        QVERIFY2(after <= bound, qPrintable(QString::number(after) + " > " + QString::number(bound)));
        QVERIFY(after >= 40 / 2 * 97);
    }

    void postJobActionOwnership()
    {
        int deleted = 0;
        {
            ScriptJob job("/bin/true");
            auto* a = new CountingAction(&deleted);
            job.setPostJobAction(a);
            job.setPostJobAction(a); // same pointer: kept
            QCOMPARE(deleted, 0);
            job.setPostJobAction(new CountingAction(&deleted));
            QCOMPARE(deleted, 1);
            job.setPostJobAction(nullptr);
            QCOMPARE(deleted, 2);
            job.setPostJobAction(new CountingAction(&deleted));
        }
        QCOMPARE(deleted, 3); // the job deletes its action with itself
    }

    void filePropertiesActions()
    {
        const QString src = m_dir.filePath("times-src.txt");
        const QString dst = m_dir.filePath("times-dst.txt");
        const QString gone = m_dir.filePath("times-gone.txt");
        for (const QString& p : {src, dst, gone}) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        const struct timespec old[2] = {{1000000000, 0}, {1100000000, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(src).constData(), old, 0), 0);
        FilePropertiesPostJobAction(src, dst).doAction();
        QCOMPARE(QFileInfo(dst).lastModified().toSecsSinceEpoch(), qint64(1100000000));
        QCOMPARE(QFileInfo(dst).lastRead().toSecsSinceEpoch(), qint64(1000000000));
        // A missing source changes nothing and does not fail.
        FilePropertiesPostJobAction(m_dir.filePath("none"), src).doAction();
        QCOMPARE(QFileInfo(src).lastModified().toSecsSinceEpoch(), qint64(1100000000));

        ReverseFilePostJobAction(src, gone, gone).doAction();
        QVERIFY(!QFile::exists(gone));
        ReverseFilePostJobAction(src, dst, m_dir.filePath("none")).doAction(); // nothing to remove
        QVERIFY(QFile::exists(dst));
    }

    void successRunsActionAndLogs()
    {
        const QString out = m_dir.filePath("ok-out.txt");
        const QString script = writeScript(m_dir.path(), "ok.sh", "echo 'working' >&2\nprintf data > \"$1\"\n");
        ScriptJob job(script, {out});
        job.outputPath = out;
        int deleted = 0, done = 0;
        job.setPostJobAction(new CountingAction(&deleted, &done));
        ProgressLog progress;
        progress.attach(&job);
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        QVERIFY(job.ran());
        QCOMPARE(job.status, int(AbstractJob::StatusStarted));
        QVERIFY(waitForEnd(&job));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), true);
        QVERIFY(job.succeeded());
        QCOMPARE(done, 1);
        // 0 % at the start, 100 % with size 0 just before the end.
        QCOMPARE(progress.reports.first(), qMakePair(0, quint64(0)));
        QCOMPARE(progress.reports.last(), qMakePair(100, quint64(0)));
        QVERIFY(job.log().contains("working\n"));
        QVERIFY(job.log().contains(QRegularExpression("Completed successfully in \\d\\d:\\d\\d:\\d\\d\n$")));
    }

    void successIsVerified()
    {
        // Exit code 0 without an output file is a failure; the action does not run.
        const QString script = writeScript(m_dir.path(), "nofile.sh", "exit 0\n");
        ScriptJob job(script);
        job.outputPath = m_dir.filePath("never-written.mp4");
        int deleted = 0, done = 0;
        job.setPostJobAction(new CountingAction(&deleted, &done));
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        QVERIFY(waitForEnd(&job));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), false);
        QCOMPARE(done, 0);
        QVERIFY(!job.failureReason().isEmpty());
        QVERIFY(job.log().endsWith("Failed with exit code 0\n"));

        // An empty output file is no better.
        const QString empty = m_dir.filePath("empty.mp4");
        const QString script2 = writeScript(m_dir.path(), "empty.sh", ": > \"$1\"\n");
        ScriptJob job2(script2, {empty});
        job2.outputPath = empty;
        job2.start();
        QVERIFY(waitForEnd(&job2));
        QVERIFY(!job2.succeeded());

        // A file left by an earlier run (overwriting on) is not this run's output.
        const QString stale = m_dir.filePath("stale.mp4");
        {
            QFile f(stale);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier run");
        }
        ScriptJob job3(script);
        job3.outputPath = stale;
        job3.start();
        QVERIFY(waitForEnd(&job3));
        QVERIFY(!job3.succeeded());
        QCOMPARE(job3.failureReason(), QString("output file empty"));
        // Rewritten by the tool: a success.
        const QString rewrite = writeScript(m_dir.path(), "rewrite.sh", "printf 'this run' > \"$1\"\n");
        ScriptJob job4(rewrite, {stale});
        job4.outputPath = stale;
        job4.start();
        QVERIFY(waitForEnd(&job4));
        QVERIFY(job4.succeeded());
    }

    void failureAndCrash()
    {
        const QString out = m_dir.filePath("fail-out.txt");
        const QString script = writeScript(m_dir.path(), "fail.sh", "printf x > \"$1\"\necho 'bad input' >&2\nexit 3\n");
        ScriptJob job(script, {out});
        job.outputPath = out;
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        QVERIFY(waitForEnd(&job));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), false);
        QCOMPARE(ends.at(0).at(2).toString(), QString());
        // A tool that marks no error line is taken by its last words.
        QCOMPARE(job.failureReason(), QString("bad input"));
        QVERIFY(job.failureDetails().contains("exit code 3"));
        QVERIFY(job.log().contains("bad input\n"));
        QVERIFY(job.log().endsWith("Failed with exit code 3\n"));

        const QString crash = writeScript(m_dir.path(), "crash.sh", "kill -SEGV $$\n");
        ScriptJob job2(crash);
        job2.outputPath = out;
        job2.start();
        QVERIFY(waitForEnd(&job2));
        QVERIFY(!job2.succeeded());
        QVERIFY(job2.log().contains("Failed with exit code"));
    }

    // A failed step leaves nothing under its output's name, and the name
    // is free for the next try.
    void failedStepFreesItsName()
    {
        ClearUnRepeatReservations();
        const QString wanted = m_dir.filePath("freed.mp4");
        const QString out = GetUnRepeat(wanted);
        QCOMPARE(out, wanted);
        const QString script = writeScript(m_dir.path(), "halfway.sh", "printf x > \"$1\"\nexit 1\n");
        ScriptJob job(script, {out});
        job.outputPath = out;
        job.start();
        QVERIFY(waitForEnd(&job));
        QVERIFY(!job.succeeded());
        QVERIFY(!QFile::exists(out));
        QCOMPARE(GetUnRepeat(wanted), wanted);
        ClearUnRepeatReservations();
    }

    void missingToolFailsInsteadOfHanging()
    {
        MissingToolJob job;
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        // Reported from the event loop, never from inside start().
        QCOMPARE(ends.count(), 0);
        QVERIFY(ends.wait(5000));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), false);
        QVERIFY(job.failureReason().contains("no-such-tool-lumacrest"));
        QTest::qWait(50);
        QCOMPARE(ends.count(), 1);
    }

    void stopKillsToolIgnoringTerminate()
    {
        const QString script = writeScript(m_dir.path(), "stubborn.sh",
                                           "trap '' TERM\necho started >&2\nwhile :; do sleep 0.05; done\n");
        ScriptJob job(script);
        job.outputPath = m_dir.filePath("stubborn.out");
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        QVERIFY(job.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(job.log().contains("started"), 5000);
        const qint64 pid = job.processId();
        QElapsedTimer t;
        t.start();
        job.stop();
        QVERIFY(job.stopped());
        QVERIFY(waitForEnd(&job, 5000));
        const qint64 took = t.elapsed();
        QVERIFY2(took >= 1800 && took < 3500, qPrintable(QString::number(took)));
        QVERIFY(processGone(pid));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), false);
        QVERIFY(job.log().contains(QRegularExpression("Stopped by user at 00:00:0\\d\n$")));
    }

    void stoppedJobExitingZeroStillFails()
    {
        const QString out = m_dir.filePath("polite.out");
        const QString script = writeScript(m_dir.path(), "polite.sh",
                                           "trap 'exit 0' TERM\nprintf x > \"$1\"\nwhile :; do sleep 0.05; done\n");
        ScriptJob job(script, {out});
        job.outputPath = out;
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        const QString partial = job.writePath();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(partial).size() > 0, 5000);
        job.stop();
        QVERIFY(waitForEnd(&job, 5000));
        QCOMPARE(job.exitCode(), 0);
        // Nothing stands under the output's name, and the partial file is gone.
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(partial));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), false);
        QVERIFY(job.log().contains("Stopped by user at"));
    }

    void destroyingRunningJobReapsIt()
    {
        const QString script = writeScript(m_dir.path(), "long.sh", "trap '' TERM\nwhile :; do sleep 0.05; done\n");
        auto* job = new ScriptJob(script);
        int ends = 0;
        connect(job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished), this, [&ends] { ++ends; });
        job->start();
        QVERIFY(job->waitForStarted(5000));
        const qint64 pid = job->processId();
        QElapsedTimer t;
        t.start();
        delete job;
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(processGone(pid));
        QCOMPARE(ends, 0); // nothing reported from a job being destroyed
    }

    void meltFailureTimecode()
    {
        MeltEngineJob job(QString(), {}, true);
        QCOMPARE(job.fps(), 25.0); // the default profile
        QCOMPARE(job.FrameToTimecode(250), QString("00:00:10:00"));
        job.setFPS(0, 1000); // ignored
        QCOMPARE(job.fps(), 25.0);
        job.setFPS(30000, 1001);
        QCOMPARE(job.FrameToTimecode(1800), QString("00:01:00;02")); // drop-frame numbering
        job.setFPS(50000, 1000);
        QCOMPARE(job.FrameToTimecode(125), QString("00:00:02:25"));
    }

    void meltCrashReportsFrameReached()
    {
        const QString script = writeScript(m_dir.path(), "meltcrash.sh",
                                           "printf 'Current Frame:        250, percentage:         50\\r' >&2\n"
                                           "sleep 0.1\nkill -SEGV $$\n");
        ScriptMeltJob job(script);
        job.outputPath = m_dir.filePath("meltcrash.mp4");
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        ProgressLog progress;
        progress.attach(&job);
        job.start();
        QVERIFY(waitForEnd(&job));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(1).toBool(), false);
        QCOMPARE(ends.at(0).at(2).toString(), QString("00:00:10:00"));
        QCOMPARE(job.lastFrame(), 250);
        QCOMPARE(progress.percents(), QList<int>({0, 50}));

        // A plain non-zero exit carries no time.
        const QString script2 = writeScript(m_dir.path(), "meltfail.sh",
                                            "printf 'Current Frame:        100, percentage:         20\\r' >&2\nexit 1\n");
        ScriptMeltJob job2(script2);
        QSignalSpy ends2(&job2, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job2.start();
        QVERIFY(waitForEnd(&job2));
        QCOMPARE(ends2.count(), 1);
        QCOMPARE(ends2.at(0).at(2).toString(), QString());
    }

    void meltLoadFailureIsFailure()
    {
        // melt exits 0 when an input cannot be loaded.
        const QString out = m_dir.filePath("meltpartial.mp4");
        const QString script = writeScript(m_dir.path(), "meltpartial.sh",
                                           "echo 'Failed to load \"missing.mp4\"' >&2\nprintf data > \"${1#avformat:}\"\n");
        ScriptMeltJob job(script);
        job.outputPath = out;
        job.start();
        QVERIFY(waitForEnd(&job));
        QVERIFY(!job.succeeded());
        QVERIFY(job.failureReason().contains("load"));
    }

    // melt now and then fails its first run without a word on a busy
    // machine; the job runs it again once, and ends once.
    void meltWhoseFirstRunFailsIsStartedAgain_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QByteArray>("firstRun"); // shell; $out is the output
        QTest::addColumn<QByteArray>("lead");     // printed before the progress
        QTest::addColumn<int>("stallMs");         // 0: the job's own
        QTest::addColumn<QString>("logHas");
        QTest::addColumn<QString>("logLacks");
        QTest::newRow("hangs before its first frame")
            << QString("meltagain") << QByteArray("exec sleep 30") << QByteArray() << 300
            << QString("starting it again") << QString();
        // It ignores terminate requests and leaves half a line: the next run
        // starts once it is gone, and its output stands alone.
        QTest::newRow("ignores terminate, half a line")
            << QString("melthalf") << QByteArray("trap '' TERM; printf 'unfinished' >&2; exec sleep 30")
            << QByteArray("next\\n") << 300 << QString("again\nnext\n") << QString("unfinished");
        // Killed from outside (the system freeing memory), even after a frame.
        QTest::newRow("killed from outside")
            << QString("meltkilled") << QByteArray("printf 'Current Frame: 5, percentage: 20\\r' >&2; exec sleep 30")
            << QByteArray() << 0 << QString("melt was killed; starting it again") << QString();
        // The same fault's other face: melt ends at once, "successfully",
        // without a frame or an output.
        QTest::newRow("ends at once without output")
            << QString("meltquick") << QByteArray(": > \"$out\"; exit 0") << QByteArray() << 0 << QString()
            << QString();
    }
    void meltWhoseFirstRunFailsIsStartedAgain()
    {
        QFETCH(QString, stem);
        QFETCH(QByteArray, firstRun);
        QFETCH(QByteArray, lead);
        QFETCH(int, stallMs);
        QFETCH(QString, logHas);
        QFETCH(QString, logLacks);
        const QString out = m_dir.filePath(stem + ".mp3");
        const QString mark = m_dir.filePath(stem + ".mark");
        const QString script = writeScript(m_dir.path(), stem + ".sh",
                                           "out=\"${1#avformat:}\"\nif [ ! -e '" + mark.toUtf8() + "' ]; then touch '"
                                               + mark.toUtf8() + "'; " + firstRun + "; fi\n"
                                               "printf '" + lead + "Current Frame:         10, percentage:         50\\r' >&2\n"
                                               "printf data > \"$out\"\n");
        ScriptMeltJob job(script);
        job.outputPath = out;
        if (stallMs > 0)
            job.setStartStallTimeout(stallMs);
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        if (stem == "meltkilled") {
            QTRY_VERIFY_WITH_TIMEOUT(job.lastPercent() > 0, 10000);
            QCOMPARE(::kill(pid_t(job.processId()), SIGKILL), 0);
        }
        QVERIFY(waitForEnd(&job));
        QCOMPARE(ends.count(), 1);
        QVERIFY2(job.succeeded(), qPrintable(job.log()));
        QVERIFY2(job.restarts() >= 1, qPrintable(job.log()));  // a busy machine may starve the next run too
        QVERIFY2(logHas.isEmpty() || job.log().contains(logHas), qPrintable(job.log()));
        QVERIFY2(logLacks.isEmpty() || !job.log().contains(logLacks), qPrintable(job.log()));
    }

    // A held melt shows no progress and is not taken for a stalled one.
    void heldMeltIsNotStartedAgain()
    {
        const QString out = m_dir.filePath("meltheld.mp3");
        const QString script = writeScript(m_dir.path(), "meltheld.sh",
                                           "sleep 0.3\nprintf 'Current Frame: 10, percentage: 50\\r' >&2\n"
                                           "printf data > \"${1#avformat:}\"\n");
        ScriptMeltJob job(script);
        job.outputPath = out;
        job.setStartStallTimeout(2000);
        job.start();
        QTRY_COMPARE_WITH_TIMEOUT(job.state(), QProcess::Running, 5000);
        job.suspend();
        QTest::qWait(2500); // well past the stall wait
        QCOMPARE(job.restarts(), 0);
        QVERIFY(!job.endReported());
        job.resume();
        QVERIFY(waitForEnd(&job));
        QVERIFY2(job.succeeded(), qPrintable(job.log()));
        QCOMPARE(job.restarts(), 0);
    }

    // One that never shows progress fails in the end instead of hanging.
    void meltThatNeverShowsProgressFails()
    {
        const QString stuck = writeScript(m_dir.path(), "meltstuck.sh", "exec sleep 30\n");
        ScriptMeltJob job(stuck);
        job.outputPath = m_dir.filePath("meltstuck.mp3");
        job.setStartStallTimeout(100);
        QSignalSpy ends(&job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished));
        job.start();
        QVERIFY(waitForEnd(&job));
        QCOMPARE(ends.count(), 1);
        QVERIFY(!job.succeeded());
        QCOMPARE(job.restarts(), MeltEngineJob::MaxRestarts);
        QCOMPARE(job.failureReason(), QString("melt made no progress"));
    }
};

QTEST_GUILESS_MAIN(TestJobs)
#include "tst_jobs.moc"
