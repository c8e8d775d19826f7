#include "MeltEngineJob.h"

#include <mlt++/MltProfile.h>
#include <mlt++/MltProperties.h>

#include <algorithm>

MeltEngineJob::MeltEngineJob(const QString& label, const QStringList& arguments, bool)
    : AbstractJob(label)
    , m_args(arguments)
    , m_profile(std::make_unique<Mlt::Profile>())
{
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
    launchTool("melt", m_args);
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
    if (frameAt >= 0) {
        const int from = frameAt + 6;
        const int comma = line.indexOf(',', from);
        m_lastFrame = (comma < 0 ? line.mid(from) : line.mid(from, comma - from)).trimmed().toInt();
    }
    const int pctAt = line.indexOf("percentage:");
    if (pctAt < 0) {
        appendToLog(line + "\n");
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
    const QString problem = AbstractJob::verifyResult();
    if (!problem.isEmpty())
        return problem;
    // melt exits 0 and writes the other inputs when one cannot be loaded.
    if (log().contains("failed to load", Qt::CaseInsensitive))
        return tr("an input failed to load");
    return QString();
}

QString MeltEngineJob::crashTime() const
{
    return FrameToTimecode(m_lastFrame);
}

void MeltEngineJob::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    AbstractJob::onFinished(exitCode, exitStatus);
}
