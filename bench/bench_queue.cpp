// Wall time of one conversion of a 10 s 720p clip run through the job queue
// (nice, progress parsing, cell texts) against the same converter command
// run directly, and against it run directly through nice (which isolates the
// queue's own work from the lower scheduling priority nice gives on a busy
// machine). Runs rotate so load changes hit every way alike; the ratios of
// each run are summed up as min/median/max. The CPU time
// this process spends per queued conversion is printed too: it does not
// depend on the machine's load.
//
//   bench_queue [runs]      (default 5)
#include "AppFolder.h"
#include "BenchKit.h"
#include "JobsManage.h"
#include "JxEngineJob.h"
#include "TestMedia.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTableWidgetItem>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {

QStringList convertArgs(const QString& in, const QString& out)
{
    return {"-i", in, "-c:v", "libx264", "-preset", "medium", "-threads", "2", "-c:a", "aac", "-y", out};
}

double selfCpuSeconds()
{
    struct rusage u;
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double runDirect(const QString& in, const QString& out, bool throughNice)
{
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    const QString tool = AppFolder::FindTool("JxEngine");
    QElapsedTimer t;
    t.start();
    if (throughNice)
        p.start("nice", QStringList{tool} + convertArgs(in, out));
    else
        p.start(tool, convertArgs(in, out));
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return -1;
    return t.nsecsElapsed() / 1e9;
}

double runQueued(const QString& in, const QString& out)
{
    JobsManage queue;
    QTableWidgetItem size, status;
    auto* job = new JxEngineJob(QString(), convertArgs(in, out), true);
    job->setFPS(25.0f);
    job->setDuration("00:00:10.00");
    job->outputPath = out;
    job->sizeItem = &size;
    job->setStandardItem(&status);
    QEventLoop loop;
    QObject::connect(&queue, &JobsManage::sigAllCompleted, &loop, &QEventLoop::quit);
    QElapsedTimer t;
    t.start();
    queue.AddJobTask(job);
    queue.startNextJob();
    loop.exec();
    const double s = t.nsecsElapsed() / 1e9;
    return status.text() == "Completed" ? s : -1;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    const int n = v.size();
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString clip = TestMedia::MakeVideo(dir.path(), "clip720.mp4", 10.0, 1280, 720, 25);
    if (clip.isEmpty()) {
        fprintf(stderr, "could not make the test clip\n");
        return 1;
    }
    QList<double> direct, niced, queued, cpu;
    std::vector<double> overDirect, overNice;
    // One untimed run of each warms the page cache and the tools.
    runDirect(clip, dir.filePath("warm1.mp4"), false);
    runQueued(clip, dir.filePath("warm2.mp4"));
    for (int i = 0; i < runs; ++i) {
        double d = 0, n = 0, q = 0, c = 0;
        for (int k = 0; k < 3; ++k) {
            switch ((i + k) % 3) {
            case 0:
                d = runDirect(clip, dir.filePath("d.mp4"), false);
                break;
            case 1:
                n = runDirect(clip, dir.filePath("n.mp4"), true);
                break;
            default: {
                const double before = selfCpuSeconds();
                q = runQueued(clip, dir.filePath("q.mp4"));
                c = selfCpuSeconds() - before;
            }
            }
        }
        if (d < 0 || n < 0 || q < 0) {
            fprintf(stderr, "a conversion failed\n");
            return 1;
        }
        direct << d;
        niced << n;
        queued << q;
        cpu << c;
        overDirect.push_back(q / d);
        overNice.push_back(q / n);
        printf("run %d: direct %.3f s, nice %.3f s, queue %.3f s (own CPU %.4f s); queue/direct %.4f, queue/nice %.4f\n",
               i + 1, d, n, q, c, q / d, q / n);
        fflush(stdout);
    }
    double sd = 0, sn = 0, sq = 0;
    for (int i = 0; i < runs; ++i) {
        sd += direct.at(i);
        sn += niced.at(i);
        sq += queued.at(i);
    }
    printf("median: direct %.3f s, nice %.3f s, queue %.3f s; queue/direct %.4f, queue/nice %.4f\n", median(direct),
           median(niced), median(queued), median(queued) / median(direct), median(queued) / median(niced));
    printf("total:  direct %.3f s, nice %.3f s, queue %.3f s; queue/direct %.4f, queue/nice %.4f\n", sd, sn, sq,
           sq / sd, sq / sn);
    BenchKit::PrintSpread("queue over direct", overDirect);
    BenchKit::PrintSpread("queue over nice", overNice);
    printf("queue's own CPU per conversion (median): %.4f s = %.3f %% of the direct wall time\n", median(cpu),
           100.0 * median(cpu) / median(direct));
    return 0;
}
