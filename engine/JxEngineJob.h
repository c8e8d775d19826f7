#pragma once
#include "AbstractJob.h"

// Runs the converter (JxEngine) with a fixed argument list and turns its
// status lines ("frame=", "size=", "time=") into percent and an estimate of
// the final file size in hundredths of a megabyte.
class JxEngineJob : public AbstractJob
{
    Q_OBJECT
public:
    JxEngineJob(const QString& label, const QStringList& arguments, bool flag);

    // The source duration as HH:MM:SS.cc.
    void setDuration(QString text);
    void setFPS(float fps);

    QStringList arguments() const { return m_args; }
    QString durationText() const { return m_durationText; }
    qint64 durationValue() const { return m_durationValue; }
    float fps() const { return m_fps; }
    int totalFrames() const { return m_totalFrames; }

    // Frames in a clock text (HH:MM:SS.cc) at a frame rate, through MLT with
    // C-locale number parsing; 0 for a rate that is not positive.
    static int FramesOfClockText(const QString& text, float fps);

    // The arguments with every input whose kind is not named restricted to
    // the kinds of file a probe accepts.
    static QStringList WithCheckedInputs(const QStringList& arguments);

public slots:
    void start() override;
    void onReadyRead() override;
    void onOpenTriggered() {}

protected:
    void handleRecord(const QString& line) override;

private:
    void report(double done, double whole, long long sizeKb);

    QStringList m_args;
    QString m_durationText;
    qint64 m_durationValue = 0;
    float m_fps = 25.0f;
    int m_totalFrames = 0;
    int m_lastPercent = 0;
    bool m_flag;
};
