#include "AbstractJob.h"

#include "AppFolder.h"
#include "OffThread.h"
#include "PostJobAction.h"
#include "ST_MEDIA_INFO.h"
#include "UniqueOutputName.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QtDebug>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// A terminate request gets this long before the tool is killed.
constexpr int KillDelayMs = 2000;
// Bound on waiting for a killed tool to be reaped.
constexpr int ReapWaitMs = 5000;
}

AbstractJob::AbstractJob(const QString& label, QObject* parent)
    : QProcess(parent)
    , m_label(label)
{
    setObjectName(label);
    connect(this, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &AbstractJob::onFinished);
    connect(this, &QProcess::readyRead, this, &AbstractJob::onReadyRead);
    connect(this, &QProcess::started, this, &AbstractJob::onStarted);
    connect(this, &QProcess::errorOccurred, this, &AbstractJob::onErrorOccurred);
    connect(this, &AbstractJob::progressUpdated, this, &AbstractJob::onProgressUpdated);
}

AbstractJob::~AbstractJob()
{
    // QProcess's own destructor would kill and wait too, but by then this
    // object is half gone; signals it sends while waiting must reach no one.
    abandon();
}

void AbstractJob::abandon()
{
    *m_cancel = true;
    disconnect(this, nullptr, nullptr, nullptr);
    blockSignals(true);
    if (state() != QProcess::NotRunning) {
        kill();
        waitForFinished(ReapWaitMs);
    }
    if (!m_succeeded)
        discardWritten();
}

void AbstractJob::appendToLog(const QString& text)
{
    m_log.append(text);
}

void AbstractJob::setLabel(const QString& label)
{
    m_label = label;
    setObjectName(label);
}

void AbstractJob::setPostJobAction(PostJobAction* action)
{
    if (action != m_postJobAction.get())
        m_postJobAction.reset(action);
}

int AbstractJob::estimateRemaining(int percent) const
{
    if (percent <= 0)
        return -1;
    if (percent >= 100)
        return 0;
    // Nothing has been done since the clock started: no estimate, no division.
    const int done = percent - m_startPercent;
    if (done <= 0 || !m_estimateClock.isValid())
        return -1;
    const qint64 elapsed = qMax<qint64>(0, m_estimateClock.elapsed() - heldMs());
    const qint64 remaining = elapsed / done * (100 - percent);
    return remaining > INT32_MAX ? INT32_MAX : int(remaining);
}

void AbstractJob::launchTool(const QString& toolName, QStringList& args)
{
    const QString tool = AppFolder::FindTool(toolName);
    if (tool.isEmpty()) {
        qWarning() << "tool not found:" << toolName;
        m_ran = true;
        m_stopped = false;
        status = StatusStarted;
        const QString reason = tr("%1 not found").arg(toolName);
        // Reported from the event loop, never from inside start(): the queue
        // is still walking its list there.
        QMetaObject::invokeMethod(
            this, [this, reason] { reportFailure(reason, -1, QString()); }, Qt::QueuedConnection);
        return;
    }
    if (!precheck || m_prechecked) {
        launchPath(tool, args);
        return;
    }
    // The step counts as started while its inputs are looked at.
    AbstractJob::start();
    const QStringList toolArgs = args;
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    const auto look = precheck;
    OffThread::Run<AbstractJob, QString>(this, [look, cancel] { return look(cancel.get()); },
                                         [this, tool, toolArgs](const QString& problem) {
        if (m_endReported || signalsBlocked())
            return; // thrown away meanwhile
        if (m_stopped || !problem.isEmpty()) {
            reportFailure(problem, -1, QString());
            return;
        }
        m_prechecked = true;
        QStringList launched = toolArgs;
        launchPath(tool, launched);
    });
}

void AbstractJob::launchPath(const QString& toolPath, QStringList& args)
{
    setReadChannel(QProcess::StandardError);
    // Nothing reads the tools' standard output; it must not pile up.
    setStandardOutputFile(QProcess::nullDevice());
    const QString tool = QFileInfo(toolPath).absoluteFilePath();
    qDebug().noquote() << tool + " " + args.join(' ');
    args.prepend(tool);
    // The tool writes under a partial name; the output's own name is given
    // only to a result that has been checked.
    if (!outputPath.isEmpty()) {
        // A run started again begins afresh, in a file of its own if the
        // last one's was taken away meanwhile.
        if (!m_writePath.isEmpty() && !EmptyPartial(m_writePath)) {
            ReleaseUnRepeat(m_writePath);
            m_writePath.clear();
        }
        if (m_writePath.isEmpty())
            m_writePath = PartialOutputName(outputPath);
        const QString consumer = QStringLiteral("avformat:") + outputPath;
        for (QString& arg : args) {
            if (arg == outputPath)
                arg = m_writePath;
            else if (arg == consumer)
                arg = QStringLiteral("avformat:") + m_writePath;
        }
    }
    QString nice = QStandardPaths::findExecutable("nice");
    if (nice.isEmpty())
        nice = "nice"; // fails to start and is reported as a failure
    m_launcherPid = ::getpid();
    QProcess::start(nice, args, QIODevice::ReadWrite);
    AbstractJob::start();
    // A run started again while the step is held (melt's retry) is held too.
    if (m_suspended)
        signalTool(SIGSTOP);
}

void AbstractJob::setupChildProcess()
{
    // Between fork and exec: system calls only. The request survives the
    // exec of `nice` and of the tool (neither changes its user); it is tied
    // to the starting thread, the GUI thread, which lasts as the program does.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // This program may have gone before the request was made.
    if (::getppid() != pid_t(m_launcherPid))
        ::_exit(127);
}

void AbstractJob::start()
{
    m_ran = true;
    m_stopped = false;
    status = StatusStarted;
    m_estimateClock.start();
    m_startPercent = 0;
    m_heldMs = 0;
    if (m_suspended)
        m_holdClock.start();
    m_totalClock.start();
    emit progressUpdated(this, 0, 0);
}

void AbstractJob::stop()
{
    m_stopped = true;
    *m_cancel = true;
    if (state() == QProcess::NotRunning)
        return;
    closeWriteChannel();
    terminate();
    // A held tool acts on the terminate request only once it runs again.
    if (m_suspended) {
        m_suspended = false;
        signalTool(SIGCONT);
    }
    QTimer::singleShot(KillDelayMs, this, &AbstractJob::onKillTimeout);
}

void AbstractJob::signalTool(int signalNumber)
{
    // Until Qt has seen the end, the process is not reaped and its id is
    // not anyone else's.
    const qint64 pid = processId();
    if (state() != QProcess::NotRunning && pid > 0)
        ::kill(pid_t(pid), signalNumber);
}

qint64 AbstractJob::heldMs() const
{
    return m_heldMs + (m_suspended && m_holdClock.isValid() ? m_holdClock.elapsed() : 0);
}

void AbstractJob::suspend()
{
    if (m_suspended || m_endReported)
        return;
    m_suspended = true;
    m_holdClock.start();
    signalTool(SIGSTOP);
}

void AbstractJob::resume()
{
    if (!m_suspended)
        return;
    m_heldMs = heldMs();
    m_suspended = false;
    signalTool(SIGCONT);
}

void AbstractJob::onKillTimeout()
{
    if (state() != QProcess::NotRunning)
        kill();
}

void AbstractJob::onStarted()
{
}

void AbstractJob::onProgressUpdated(AbstractJob* job, int percent, uint64_t)
{
    if (job != this)
        return;
    if (percent == 1) {
        m_estimateClock.start();
        m_startPercent = 1;
        m_heldMs = 0;
        if (m_suspended)
            m_holdClock.start();
    }
    if (percent > m_lastReportedPercent)
        m_lastReportedPercent = percent;
}

QString AbstractJob::decode(const QByteArray& record)
{
    const int zero = record.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? record : record.left(zero));
}

void AbstractJob::feedOutput(const QByteArray& bytes)
{
    const QList<QByteArray> records = m_splitter.Feed(bytes);
    for (const QByteArray& record : records)
        handleRecord(decode(record));
}

void AbstractJob::flushOutput()
{
    feedOutput(readAll());
    if (m_splitter.HasTail())
        handleRecord(decode(m_splitter.TakeTail()));
}

void AbstractJob::discardOutput()
{
    readAll();
    m_splitter.TakeTail();
}

void AbstractJob::onReadyRead()
{
    feedOutput(readAll());
}

void AbstractJob::handleRecord(const QString& line)
{
    appendToLog(line + "\n");
    noteToolLine(line, false);
}

void AbstractJob::noteToolLine(const QString& line, bool error, bool marksErrors)
{
    if (marksErrors)
        m_toolMarksErrors = true;
    if (error)
        m_errorLines.Add(line);
    else
        m_lastLines.Add(line);
}

QString AbstractJob::verifyResult() const
{
    if (outputPath.isEmpty())
        return tr("no output file");
    const QString written = m_writePath.isEmpty() ? outputPath : m_writePath;
    const QFileInfo out(written);
    if (!out.exists())
        return tr("output file not written");
    if (out.size() <= 0)
        return tr("output file empty");
    return QString();
}

QString AbstractJob::commitOutput()
{
    if (m_writePath.isEmpty())
        return QString();
    QString error;
    const QString placed = PlaceOutput(m_writePath, outputPath, &error);
    if (placed.isEmpty())
        return tr("the output could not be put in place: %1").arg(error);
    if (placed != outputPath) {
        // Taken while the step ran (another program, the user): that file
        // stays, and every later step reads the name this one got.
        const QString note = QString("%1 was taken meanwhile; the output is %2").arg(outputPath, placed);
        qInfo().noquote() << note;
        appendToLog(note + "\n");
        outputPath = placed;
    }
    m_placed = FileIdentity::Of(outputPath);
    ReleaseUnRepeat(m_writePath);
    m_writePath.clear();
    return QString();
}

void AbstractJob::discardWritten()
{
    if (m_writePath.isEmpty())
        return;
    DiscardPartial(m_writePath);
    m_writePath.clear();
}

QString AbstractJob::elapsedText() const
{
    const qint64 ms = m_totalClock.isValid() ? m_totalClock.elapsed() : 0;
    return QTime(0, 0).addMSecs(int(ms % 86400000)).toString("HH:mm:ss");
}

void AbstractJob::onErrorOccurred(QProcess::ProcessError error)
{
    // A process that never started sends no finished(); report the end
    // ourselves, later, not from inside start().
    if (error != QProcess::FailedToStart)
        return;
    const QString reason = tr("could not be started");
    QMetaObject::invokeMethod(
        this, [this, reason] { reportFailure(reason, -1, QString()); }, Qt::QueuedConnection);
}

void AbstractJob::reportFailure(const QString& reason, int exitCode, const QString& failureTime, bool toolKnowsWhy)
{
    if (m_endReported)
        return;
    m_endReported = true;
    m_succeeded = false;
    discardWritten();
    // The name was given to an output that never came: free again.
    ReleaseUnRepeat(outputPath);
    if (m_stopped) {
        m_failureReason = tr("stopped");
        m_failureDetails.clear();
        qDebug() << "job stopped";
        appendToLog(QString("Stopped by user at %1\n").arg(elapsedText()));
    } else {
        // A tool that marks its errors is taken at its word; one that does
        // not leaves its last lines.
        const bool marked = m_toolMarksErrors || !m_errorLines.IsEmpty();
        const QStringList lines = marked ? m_errorLines.Lines() : m_lastLines.Lines();
        QString brief = toolKnowsWhy ? ToolMessages::ShortReason(lines, marked) : ToolMessages::SystemError(lines);
        if (brief.isEmpty())
            brief = reason;
        m_failureReason = brief;
        QStringList details;
        if (!reason.isEmpty() && reason != brief)
            details << reason;
        details << lines;
        m_failureDetails = details.join(QLatin1Char('\n'));
        qDebug() << "job failed with" << exitCode << reason << brief;
        appendToLog(reason + "\n");
        appendToLog(QString("Failed with exit code %1\n").arg(exitCode));
    }
    emit finished(this, false, failureTime);
}

void AbstractJob::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (m_endReported)
        return;
    flushOutput();
    if (m_stopped) {
        reportFailure(QString(), exitCode, QString());
        return;
    }
    if (exitStatus != QProcess::NormalExit) {
        reportFailure(tr("crashed"), exitCode, crashTime());
        return;
    }
    if (exitCode != 0) {
        reportFailure(tr("exit code %1").arg(exitCode), exitCode, QString(), true);
        return;
    }
    // Exit code 0 alone proves nothing: melt exits 0 when an input cannot be
    // loaded, the converter when the disk fills up or its input ends early.
    const QString problem = verifyResult();
    if (!problem.isEmpty() || !expect.probe) {
        concludeSuccess(problem, exitCode);
        return;
    }
    // Looking into the output reads it (a long one at its head and end):
    // not on the GUI thread.
    const QString written = m_writePath.isEmpty() ? outputPath : m_writePath;
    const ST_OUTPUT_EXPECT expected = expect;
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    // The split or merge that follows takes the rate of this output, from
    // its pictures' stamps: read here too.
    const bool learn = kind == KindSplit || kind == KindMerge;
    OffThread::Run<AbstractJob, QString>(
        this,
        [written, expected, learn, cancel] {
            const QString problem = OutputCheck::ProblemOf(written, expected, cancel.get());
            if (problem.isEmpty() && learn)
                ProbeMediaInfo(written, cancel.get(), ProbeDepth::Pictures);
            return problem;
        },
        [this, exitCode](const QString& found) {
            if (!m_endReported && !signalsBlocked())
                concludeSuccess(found, exitCode);
        });
}

void AbstractJob::concludeSuccess(QString problem, int exitCode)
{
    // Stopped while its output was looked into: it did not end by itself.
    if (m_stopped) {
        reportFailure(QString(), exitCode, QString());
        return;
    }
    const QString written = m_writePath;
    if (problem.isEmpty())
        problem = commitOutput();
    if (!problem.isEmpty()) {
        reportFailure(problem, exitCode, QString());
        return;
    }
    if (!written.isEmpty())
        MediaInfoMoved(written, outputPath);
    if (m_postJobAction) {
        m_postJobAction->doAction();
        m_placed = FileIdentity::Of(outputPath);
    }
    m_endReported = true;
    m_succeeded = true;
    qDebug() << "job succeeeded";
    appendToLog(QString("Completed successfully in %1\n").arg(elapsedText()));
    emit progressUpdated(this, 100, 0);
    emit finished(this, true, QString());
}
