#include "MeltEngineJob.h"

#include <mlt++/MltProfile.h>
#include <mlt++/MltProperties.h>

#include <QFileInfo>
#include <QMetaObject>

#include <algorithm>

#include <signal.h>

MeltEngineJob::MeltEngineJob(const QString& label, const QStringList& arguments, bool)
    : AbstractJob(label)
    , m_baseArgs(arguments)
    , m_args(arguments)
    , m_profile(std::make_unique<Mlt::Profile>())
{
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, &MeltEngineJob::onStallCheck);
}

MeltEngineJob::~MeltEngineJob() = default;

void MeltEngineJob::setFPS(int numerator, int denominator)
{
    if (numerator >= 1 && denominator >= 1)
        m_profile->set_frame_rate(numerator, denominator);
}

double MeltEngineJob::fps() const
{
    return m_profile->fps();
}

void MeltEngineJob::start()
{
    m_args = m_baseArgs;
    // Each run shows its own progress, which may be read before the run's
    // start is reported.
    m_sawProgress = false;
    launchTool("melt", m_args);
}

void MeltEngineJob::onStarted()
{
    AbstractJob::onStarted();
    if (!isSuspended() && !m_sawProgress)
        m_stallTimer.start(m_stallMs << m_restarts);
}

void MeltEngineJob::suspend()
{
    AbstractJob::suspend();
    m_stallTimer.stop();
}

void MeltEngineJob::resume()
{
    const bool held = isSuspended();
    AbstractJob::resume();
    if (held && !m_sawProgress && !m_restarting && !endReported() && state() == QProcess::Running)
        m_stallTimer.start(m_stallMs << m_restarts);
}

void MeltEngineJob::onStallCheck()
{
    if (m_sawProgress || stopped() || endReported() || state() != QProcess::Running)
        return;
    const int waited = (m_stallMs << m_restarts) / 1000;
    if (m_restarts >= MaxRestarts) {
        appendToLog(QString("melt showed no progress in %1 s; giving up\n").arg(waited));
        m_gaveUp = true;
        kill();
        return;
    }
    ++m_restarts;
    appendToLog(QString("melt showed no progress in %1 s; starting it again\n").arg(waited));
    // The killed run's end is not this step's end; the next run starts once
    // it has been reaped (onFinished), with no waiting here.
    m_restarting = true;
    kill();
}

void MeltEngineJob::restartLater()
{
    discardOutput();
    // Not from inside the process's own finished handler.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (signalsBlocked() || endReported())
                return; // thrown away meanwhile
            if (stopped())
                reportFailure(QString(), 0, QString());
            else
                start();
        },
        Qt::QueuedConnection);
}

void MeltEngineJob::onReadyRead()
{
    if (m_restarting) {
        discardOutput();
        return;
    }
    AbstractJob::onReadyRead();
}

QString MeltEngineJob::FrameToTimecode(int frame) const
{
    Mlt::Properties props;
    props.set_lcnumeric("C");
    props.set("_profile", m_profile->get_profile(), 0);
    const char* text = props.frames_to_time(frame, mlt_time_smpte_df);
    return text ? QString::fromLatin1(text) : QString();
}

void MeltEngineJob::handleRecord(const QString& line)
{
    const int frameAt = line.indexOf("Frame:");
    if (frameAt >= 0 || line.contains("percentage:")) {
        m_sawProgress = true;
        m_stallTimer.stop();
    }
    if (frameAt >= 0) {
        const int from = frameAt + 6;
        const int comma = line.indexOf(',', from);
        m_lastFrame = (comma < 0 ? line.mid(from) : line.mid(from, comma - from)).trimmed().toInt();
    }
    const int pctAt = line.indexOf("percentage:");
    if (pctAt < 0) {
        appendToLog(line + "\n");
        // melt's word about a sound plug-in folder it looks for at every
        // start is no reason for anything.
        if (!line.contains(QLatin1String("LADSPA")))
            noteToolLine(line, false);
        return;
    }
    const int p = line.mid(pctAt + 11).trimmed().toInt();
    if (p == m_lastPercent)
        return;
    // Reported without running the event loop: a nested loop here let a Stop
    // delete this job while it was still reading.
    const int percent = std::max(p, m_lastPercent);
    m_lastPercent = percent;
    emit progressUpdated(this, percent, 0);
}

QString MeltEngineJob::verifyResult() const
{
    // melt exits 0 and writes the other inputs when one cannot be loaded:
    // that, not the short output it leaves, is the cause.
    if (log().contains("failed to load", Qt::CaseInsensitive))
        return tr("an input failed to load");
    return AbstractJob::verifyResult();
}

QString MeltEngineJob::crashTime() const
{
    return FrameToTimecode(m_lastFrame);
}

void MeltEngineJob::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    m_stallTimer.stop();
    if (m_restarting) {
        m_restarting = false;
        restartLater();
        return;
    }
    if (m_gaveUp && !stopped()) {
        reportFailure(tr("melt made no progress"), exitCode, QString());
        return;
    }
    // The same start-up fault also ends melt at once, "successfully", with an
    // empty output and no frame done: that run is tried again too. An input
    // that failed to load is a real failure and is not.
    const QFileInfo out(writePath().isEmpty() ? outputPath : writePath());
    const bool endedEmpty = !m_sawProgress && exitStatus == QProcess::NormalExit && exitCode == 0
        && (!out.exists() || out.size() == 0) && !log().contains("failed to load", Qt::CaseInsensitive);
    // A run killed from outside (this job kills only runs it starts again or
    // gives up; the system kills to free memory on a loaded machine) is tried
    // again as well; one that crashes by itself is reported.
    const bool killed = exitStatus == QProcess::CrashExit && exitCode == SIGKILL;
    if ((endedEmpty || killed) && !stopped() && !endReported() && m_restarts < MaxRestarts && !outputPath.isEmpty()) {
        ++m_restarts;
        appendToLog(killed ? "melt was killed; starting it again\n"
                           : "melt ended without progress; starting it again\n");
        restartLater();
        return;
    }
    AbstractJob::onFinished(exitCode, exitStatus);
}
