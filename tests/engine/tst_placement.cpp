// Finished outputs put in place with the real converter: a name taken while
// the step ran is never replaced (by the user, or by a second instance of
// the program, here this test program run again as one), the tools die with
// the program that started them, partial files of programs gone are removed
// by the next step in their folder, and long names fit.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "JobTestTools.h"
#include "OutputCheck.h"
#include "ProcessChecks.h"
#include "SecondInstance.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <iostream>
#include <signal.h>
#include <string>

namespace {

// A conversion of `input` (lavfi when it has no "/") into `output`.
JxEngineJob* Conversion(const QString& input, const QString& output, const QStringList& extra = {})
{
    const QStringList in = input.contains(QLatin1Char('/')) ? QStringList{"-i", input}
                                                            : QStringList{"-f", "lavfi", "-i", input};
    auto* job = new JxEngineJob(QString(), extra + in + QStringList{"-c:v", "libx264", "-preset", "ultrafast",
                                                                    "-flush_packets", "1", "-y", output},
                                true);
    job->outputPath = output;
    job->expect = OutputCheck::Lasting(0, 1, -1);
    return job;
}

// The second instance: "place <source> <output>" takes the output's name,
// says so, waits for a line on its input, converts and says where the
// output went; "hold <output>" or "run <output>" starts a long conversion,
// tells the tool's id and partial file (held or running) and runs on until
// it is killed.
int RunInstance(const QStringList& args)
{
    const QString mode = args.value(0);
    std::unique_ptr<JxEngineJob> job;
    if (mode == QLatin1String("place")) {
        const QString name = GetUnRepeat(args.value(2));
        std::cout << "named " << name.toStdString() << std::endl;
        std::string go;
        std::getline(std::cin, go);
        job.reset(Conversion(args.value(1), name));
        job->start();
        if (!waitForEnd(job.get(), 120000))
            return 2;
        std::cout << (job->succeeded() ? "placed " + job->outputPath : "failed " + job->failureReason()).toStdString()
                  << std::endl;
        return job->succeeded() ? 0 : 1;
    }
    job.reset(Conversion("testsrc2=s=64x48:r=10:d=120", args.value(1), {"-re"}));
    job->start();
    QDeadlineTimer deadline(60000);
    while (QFileInfo(job->writePath()).size() <= 0 && !job->endReported() && !deadline.hasExpired())
        QTest::qWait(20);
    if (mode == QLatin1String("hold"))
        job->suspend();
    std::cout << "tool " << job->processId() << " " << job->writePath().toStdString() << std::endl;
    QTest::qWait(600000);
    return 3;
}

using SecondInstance::LineOf;

// Ended, whether or not whoever took it over has reaped it yet.
bool Gone(qint64 pid)
{
    const char state = ProcessChecks::State(pid);
    return state == 0 || state == 'Z';
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_x; // x/clip.mp4, 6 s
    QString m_y; // y/clip.mp4, 3 s
    QList<QProcess*> m_instances;

    QProcess* Instance(const QStringList& args)
    {
        auto* p = new QProcess(this);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        SecondInstance::Start(*p, args);
        p->waitForStarted(10000);
        m_instances << p;
        return p;
    }

private slots:
    void initTestCase()
    {
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        QVERIFY(QDir().mkpath(m_dir.filePath("x")) && QDir().mkpath(m_dir.filePath("y")));
        m_x = TestMedia::MakeVideo(m_dir.filePath("x"), "clip.mp4", 6.0, 64, 48, 10);
        m_y = TestMedia::MakeVideo(m_dir.filePath("y"), "clip.mp4", 3.0, 64, 48, 10);
        QVERIFY(!m_x.isEmpty() && !m_y.isEmpty());
    }
    void init()
    {
        QDir(m_out).removeRecursively();
        QVERIFY(QDir().mkpath(m_out));
        ResetRows(m_dir.path(), {});
        SetInputFilesQuery({});
    }
    void cleanup()
    {
        for (QProcess* p : qAsConst(m_instances)) {
            p->kill();
            p->waitForFinished(10000);
            delete p;
        }
        m_instances.clear();
        SetOverwriteQuery({});
        SetInputFilesQuery({});
    }

    void nameTakenWhileConvertingIsKept_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("read");  // the name is a file a queued row reads
        QTest::addColumn<bool>("split"); // a split follows the conversion
        QTest::newRow("overwriting off") << false << false << false;
        QTest::newRow("overwriting on: replaced") << true << false << false;
        QTest::newRow("overwriting on, read by a row") << true << true << false;
        QTest::newRow("the split cuts the name it got") << false << false << true;
    }
    void nameTakenWhileConvertingIsKept()
    {
        QFETCH(bool, overwrite);
        QFETCH(bool, read);
        QFETCH(bool, split);
        ST_OPTS opts = MakeSourceRow(m_x);
        opts.splitCount = split ? 2 : 0;
        ResetRows(m_dir.path(), {opts});
        SetOutputFormat("mp4", "copy", "copy");
        SetOverwriteQuery([overwrite] { return overwrite; });
        const QString wanted = m_out + "/clip.mp4";
        JobsManage queue;
        queue.SetOutputFolderQuery([this] { return m_out; });
        FollowUpRow row;
        JxEngineJob* job = Conversion(m_x, GetUnRepeat(wanted));
        QCOMPARE(job->outputPath, wanted);
        row.attach(job);
        job->kind = split ? AbstractJob::KindSplit : AbstractJob::KindPlain;
        queue.AddJobTask(job);
        QSignalSpy done(&queue, &JobsManage::sigAllCompleted);
        // A row queued later reads that name.
        if (read)
            SetInputFilesQuery([wanted] { return QStringList{wanted}; });
        queue.startNextJob();
        // The user's file arrives while the converter runs (its end is seen
        // only once back in the event loop).
        QVERIFY(!job->endReported());
        {
            QFile precious(wanted);
            QVERIFY(precious.open(QIODevice::WriteOnly));
            precious.write("precious\n");
        }
        QVERIFY(done.wait(120000));
        QCOMPARE(row.status.text(), QString("Completed"));
        const bool replaced = overwrite && !read;
        QCOMPARE(Contents(wanted) == "precious\n", !replaced);
        QCOMPARE(job->outputPath == wanted, replaced);
        QVERIFY2(replaced || job->log().contains("taken meanwhile"), qPrintable(job->log()));
        QVERIFY(qAbs(TestMedia::Probe(job->outputPath).duration - 6.0) < 0.2);
        const QString placed = QFileInfo(job->outputPath).completeBaseName();
        QStringList expected{placed + ".mp4"};
        if (split)
            expected << placed + "_1.mp4" << placed + "_2.mp4";
        if (!replaced)
            expected << "clip.mp4";
        expected.sort();
        QCOMPARE(FilesIn(m_out), expected);
    }

    // Two programs, one output folder, two sources of one name: each
    // output stands under a name of its own.
    void twoInstancesOneFolder()
    {
        const QString wanted = m_out + "/clip.mp4";
        QProcess* other = Instance({"place", m_y, wanted});
        QCOMPARE(LineOf(*other), "named " + wanted);
        std::unique_ptr<JxEngineJob> mine(Conversion(m_x, GetUnRepeat(wanted)));
        QCOMPARE(mine->outputPath, wanted);
        mine->start();
        QVERIFY(waitForEnd(mine.get()));
        QVERIFY2(mine->succeeded(), qPrintable(mine->failureDetails()));
        other->write("go\n");
        const QString said = LineOf(*other, 120000);
        QVERIFY2(said.startsWith("placed " + m_out + "/clip("), qPrintable(said));
        QVERIFY(other->waitForFinished(30000));
        QCOMPARE(other->exitCode(), 0);
        QVERIFY(qAbs(TestMedia::Probe(wanted).duration - 6.0) < 0.2);
        QVERIFY(qAbs(TestMedia::Probe(said.mid(7)).duration - 3.0) < 0.2);
    }

    void toolsDieWithTheProgram_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("killed while converting") << "run";
        QTest::newRow("killed while paused") << "hold";
    }
    void toolsDieWithTheProgram()
    {
        QFETCH(QString, mode);
        QProcess* killed = Instance({mode, m_out + "/long.mp4"});
        QProcess* running = Instance({"run", m_out + "/other.mp4"});
        const QStringList told = LineOf(*killed).split(' ');
        const QStringList runs = LineOf(*running).split(' ');
        QCOMPARE(told.size(), 3);
        QCOMPARE(runs.size(), 3);
        const qint64 tool = told.at(1).toLongLong();
        // Should it outlive the test, it goes with it.
        const std::unique_ptr<const qint64, void (*)(const qint64*)> orphan(&tool, [](const qint64* pid) {
            if (ProcessChecks::Name(*pid) == QLatin1String("JxEngine"))
                ::kill(pid_t(*pid), SIGKILL);
        });
        QTRY_COMPARE_WITH_TIMEOUT(ProcessChecks::State(tool) == 'T', mode == "hold", 10000);
        ::kill(pid_t(killed->processId()), SIGKILL);
        QVERIFY(killed->waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(Gone(tool), 10000);
        QVERIFY(QFile::exists(told.at(2)));
        QVERIFY(QFileInfo(runs.at(2)).size() > 0);
        // The next step in that folder: the dead program's partial file goes,
        // the running one's stays.
        std::unique_ptr<JxEngineJob> next(Conversion("testsrc2=s=64x48:r=10:d=1", GetUnRepeat(m_out + "/next.mp4")));
        next->start();
        QVERIFY(waitForEnd(next.get()));
        QVERIFY2(next->succeeded(), qPrintable(next->failureDetails()));
        QVERIFY(!QFile::exists(told.at(2)));
        QVERIFY(QFileInfo(runs.at(2)).size() > 0);
        QVERIFY(!Gone(runs.at(1).toLongLong()));
    }

    void longNameFitsItsPartial_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::newRow("249 bytes") << QString(245, QLatin1Char('n'));
        QTest::newRow("250 bytes, three to a letter") << QString(82, QChar(0x8996));
    }
    void longNameFitsItsPartial()
    {
        QFETCH(QString, stem);
        const QString output = GetUnRepeat(m_out + "/" + stem + ".mp4");
        std::unique_ptr<JxEngineJob> job(Conversion("testsrc2=s=64x48:r=10:d=1", output));
        job->start();
        QVERIFY(QFile::encodeName(QFileInfo(job->writePath()).fileName()).size() <= 255);
        QVERIFY(waitForEnd(job.get()));
        QVERIFY2(job->succeeded(), qPrintable(job->failureDetails()));
        QCOMPARE(FilesIn(m_out), QStringList{QFileInfo(output).fileName()});
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (SecondInstance::IsOne(argc, argv))
        return RunInstance(app.arguments().mid(2));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestPlacement test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placement.moc"
