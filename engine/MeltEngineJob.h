#pragma once
#include "AbstractJob.h"

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

public slots:
    void start() override;
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus) override;
    void onOpenTriggered() {}

protected:
    void handleRecord(const QString& line) override;
    QString verifyResult() const override;
    QString crashTime() const override;

private:
    int m_lastPercent = 0;
    QStringList m_args;
    int m_lastFrame = 0;
    std::unique_ptr<Mlt::Profile> m_profile;
};
