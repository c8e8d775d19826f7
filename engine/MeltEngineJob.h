#pragma once
#include "AbstractJob.h"

#include <QTimer>

#include <memory>

namespace Mlt {
class Profile;
}

// Runs melt with a fixed argument list. Its percent never goes back; when
// melt crashes, the frame it had reached is reported as a timecode.
class MeltEngineJob : public AbstractJob
{
    Q_OBJECT
public:
    MeltEngineJob(const QString& label, const QStringList& arguments, bool flag);
    ~MeltEngineJob() override;

    // The frame rate as a fraction; ignored unless both are 1 or more.
    void setFPS(int numerator, int denominator);

    QStringList arguments() const { return m_args; }
    int lastFrame() const { return m_lastFrame; }
    double fps() const;
    // MLT's SMPTE timecode (drop-frame where the rate calls for it) of a frame
    // at this job's frame rate.
    QString FrameToTimecode(int frame) const;

    // melt now and then hangs before its first frame when the machine is
    // busy (no output, no progress, never exits). A run that shows no progress
    // within this time is started again, each time with twice the wait, and
    // after MaxRestarts further tries the step fails. A run that ends at once
    // with no progress and no output, or is killed from outside, is also
    // tried again, as often.
    static constexpr int DefaultStallMs = 20000;
    static constexpr int MaxRestarts = 3;
    void setStartStallTimeout(int milliseconds) { m_stallMs = milliseconds; }
    int restarts() const { return m_restarts; }

    // A held melt shows no progress: its stall wait starts over on resume.
    void suspend() override;
    void resume() override;

public slots:
    void start() override;
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus) override;
    void onOpenTriggered() {}
    void onStarted() override;
    void onReadyRead() override;

protected:
    void handleRecord(const QString& line) override;
    QString verifyResult() const override;
    QString crashTime() const override;

private:
    void onStallCheck();
    // Starts the next run from the event loop, unless the step was stopped or
    // thrown away meanwhile.
    void restartLater();

    int m_lastPercent = 0;
    QStringList m_baseArgs;
    QStringList m_args;
    QTimer m_stallTimer;
    int m_stallMs = DefaultStallMs;
    int m_restarts = 0;
    bool m_sawProgress = false;
    bool m_restarting = false; // a stalled run was killed and is not reaped yet
    bool m_gaveUp = false;
    int m_lastFrame = 0;
    std::unique_ptr<Mlt::Profile> m_profile;
};
