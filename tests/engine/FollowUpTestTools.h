#pragma once
// Helpers for the tests of the follow-up builders: a source row with its two
// cells, the output settings, and running the queue to its end.
#include "AbstractJob.h"
#include "ConfigFormat.h"
#include "ImageChecks.h"
#include "Core.h"
#include "JobsManage.h"
#include "JobArgs.h"
#include "JxEngineJob.h"
#include "MeltEngineJob.h"
#include "TestMedia.h"
#include "UniqueOutputName.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTableWidgetItem>

// The "out" folder of a test's temporary folder, made; empty when it cannot
// be. Settings go to the test locations, not the user's.
inline QString OutFolder(const QTemporaryDir& dir)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString out = dir.filePath(QStringLiteral("out"));
    return dir.isValid() && QDir().mkpath(out) ? out : QString();
}

struct FollowUpRow
{
    QTableWidgetItem size{"?"};
    QTableWidgetItem status{"Ready"};
    void attach(AbstractJob* job)
    {
        job->sizeItem = &size;
        job->setStandardItem(&status);
    }
};

// Stores the output settings the builders load.
inline void SetOutputFormat(const QString& format, const QString& vcodec, const QString& acodec,
                            bool keepSize = true, const QString& size = "1920x1080")
{
    ConfigFormat f;
    f.Load();
    f.Format = format;
    f.VCodec = vcodec;
    f.ACodec = acodec;
    f.VKeepWH = keepSize;
    f.VSize = size;
    f.VKeepFrameRate = true;
    f.Save();
}

// A fresh Core with the given rows and a work folder; overwriting off.
inline void ResetRows(const QString& workFolder, const QList<ST_OPTS>& rows)
{
    Core* core = Core::instance();
    core->Rows = rows;
    core->CurrentRow = 0;
    core->SetWorkFolderQuery([workFolder]() { return workFolder; });
    SetOverwriteQuery([]() { return false; });
    ClearUnRepeatReservations();
}

// A row whose source was read as Run reads it, its pictures' stamps included.
inline ST_OPTS MakeSourceRow(const QString& path, long long duration = 0)
{
    ST_OPTS opts;
    InitOpts(&opts);
    opts.path = path;
    opts.media = ProbeMediaInfo(path, nullptr, ProbeDepth::Pictures);
    opts.trimStart = 0;
    opts.trimEnd = duration;
    return opts;
}

// A container job as the Run action hands it over: the source itself.
inline JxEngineJob* ContainerJob(FollowUpRow& row, const QString& source, int sourceRow)
{
    auto* job = new JxEngineJob(QString(), {}, true);
    row.attach(job);
    job->outputPath = source;
    job->sourceRow = sourceRow;
    return job;
}

// A conversion job (quick re-encode) of the given kind, as Run queues it.
inline JxEngineJob* ConversionJob(FollowUpRow& row, const QString& input, const QString& output, int kind,
                                  int sourceRow, double seconds)
{
    auto* job = new JxEngineJob(QString(),
                                {"-i", input, "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-y", output},
                                true);
    row.attach(job);
    job->outputPath = output;
    job->kind = kind;
    job->sourceRow = sourceRow;
    job->setFPS(25.0f);
    job->setDuration(JobArgs::DurationText(static_cast<long long>(seconds * 1000000)));
    return job;
}

// Runs the queue until nothing is left. The wait grows with the work: a new
// state of any job (started, restarted, a new percent, ended) allows another
// minute, plus the stall wait of a melt that runs. A queue that stands still
// that long fails, telling what each job was doing.
inline bool RunQueue(JobsManage& queue)
{
    QSignalSpy done(&queue, &JobsManage::sigAllCompleted);
    queue.startNextJob();
    QString seen, now = QStringLiteral("start");
    QElapsedTimer still;
    qint64 allowedMs = 0, meltWaitMs = 0;
    while (queue.hasIncomplete() && done.isEmpty()) {
        if (now != seen) {
            seen = now;
            still.start();
            allowedMs = 60000 + meltWaitMs;
        } else if (still.elapsed() > allowedMs) {
            qWarning().noquote() << "the queue stood still; its jobs:\n" + seen;
            return false;
        }
        done.wait(50);
        now.clear();
        meltWaitMs = 0;
        for (AbstractJob* job : queue.jobs()) {
            auto* melt = qobject_cast<MeltEngineJob*>(job);
            const QString process = QStringList{"not running", "starting", "running"}.value(job->state());
            now += QString("%1 kind %2: status %3, process %4, ended %5, %6 %, restarts %7, log ...")
                       .arg(melt ? "melt" : "converter").arg(job->kind).arg(job->status).arg(process)
                       .arg(job->endReported()).arg(job->lastPercent()).arg(melt ? melt->restarts() : 0)
                + job->log().right(200) + '\n';
            if (melt && job->state() == QProcess::Running)
                meltWaitMs += qint64(MeltEngineJob::DefaultStallMs) << melt->restarts();
        }
    }
    return true;
}

// Duration in seconds of the first stream of a type ("v" or "a"), 0 when unknown.
inline double StreamSeconds(const QString& path, const QString& type)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable("ffprobe"),
            {"-v", "error", "-select_streams", type + ":0", "-show_entries", "stream=duration", "-of",
             "default=noprint_wrappers=1:nokey=1", path});
    if (!p.waitForFinished(30000))
        return 0;
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed().toDouble();
}

inline QStringList FilesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

// A picture that tells up from down and left from right: grey with a red
// block in its top left corner, a quarter of each side, stored pixels of the
// sample aspect `sar`; with sound, a key frame every fifth frame; `extra`
// output options.
inline QString MakeCornerVideo(const QString& dir, const QString& name, int width, int height,
                               const QString& sar = "1", double seconds = 2.0, const QStringList& extra = {})
{
    const QString out = QDir(dir).filePath(name);
    const QString picture = "color=c=gray:size=" + QString::number(width) + "x" + QString::number(height)
        + ":rate=25,drawbox=x=0:y=0:w=" + QString::number(width / 4) + ":h=" + QString::number(height / 4)
        + ":color=red:t=fill,setsar=" + sar;
    return TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i", picture, "-f", "lavfi", "-i",
                                               "sine=frequency=440:sample_rate=44100", "-t", QString::number(seconds),
                                               "-pix_fmt", "yuv420p", "-g", "5", "-shortest"}
                                   + extra << out)
        ? out
        : QString();
}

// The frame at `seconds` as a player shows it, decoded by the converter:
// turned by its display matrix, and the side its sample aspect lengthens
// stretched. Null when it cannot be had.
inline QImage ShownFrame(const QString& path, double seconds)
{
    QProcess p;
    p.start(TestMedia::Converter(),
            {"-v", "error", "-ss", QString::number(seconds, 'f', 3), "-i", path, "-frames:v", "1", "-vf",
             "scale='if(gt(sar,1),iw*sar,iw)':'if(lt(sar,1),ih/sar,ih)'", "-f", "image2pipe", "-c:v", "png", "-"});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QImage();
    return QImage::fromData(p.readAllStandardOutput(), "PNG");
}

// Where the red block of MakeCornerVideo lies in a frame.
inline QRect RedBlock(const QImage& frame)
{
    return ImageChecks::Box(frame, [](QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; });
}

// True when the frame shows the picture of `want` at its size: same size and
// the red block where it lies in `want`, within 2 pixels. Says why not.
inline bool ShowsAs(const QImage& got, const QImage& want, QString* why)
{
    const QRect block = RedBlock(got);
    const QRect wanted = RedBlock(want);
    *why = QString::number(got.width()) + "x" + QString::number(got.height()) + " " + ImageChecks::Text(block)
        + ", not " + QString::number(want.width()) + "x" + QString::number(want.height()) + " "
        + ImageChecks::Text(wanted);
    return !got.isNull() && got.size() == want.size() && !wanted.isEmpty() && ImageChecks::Near(block, wanted, 2);
}
