#pragma once
// Jobs that run a test script in place of the real tool, through the same
// launch path (nice, standard error, log, end report) as the real jobs.
#include "AbstractJob.h"
#include "MeltEngineJob.h"
#include "TestMedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QSignalSpy>
#include <QTest>

class ScriptJob : public AbstractJob
{
public:
    explicit ScriptJob(const QString& script, const QStringList& args = {})
        : AbstractJob(QString())
        , m_script(script)
        , m_args(args)
    {
    }
    void start() override { launchPath(m_script, m_args); }

private:
    QString m_script;
    QStringList m_args;
};

// Asks for a tool that does not exist.
class MissingToolJob : public AbstractJob
{
public:
    MissingToolJob() : AbstractJob(QString()) {}
    void start() override { launchTool("no-such-tool-lumacrest", m_args); }

private:
    QStringList m_args;
};

class ScriptMeltJob : public MeltEngineJob
{
public:
    explicit ScriptMeltJob(const QString& script)
        : MeltEngineJob(QString(), {}, true)
        , m_script(script)
    {
    }
    // The script gets the file to write as melt's consumer argument.
    void start() override
    {
        QStringList args = m_args;
        if (!outputPath.isEmpty())
            args << "avformat:" + outputPath;
        launchPath(m_script, args);
    }

private:
    QString m_script;
    QStringList m_args;
};

// Records every progress report of a job as (percent, size).
struct ProgressLog
{
    QList<QPair<int, quint64>> reports;
    void attach(AbstractJob* job)
    {
        QObject::connect(job, &AbstractJob::progressUpdated, job,
                         [this](AbstractJob*, int p, uint64_t s) { reports.append({p, quint64(s)}); });
    }
    QList<int> percents() const
    {
        QList<int> out;
        for (const auto& r : reports)
            out.append(r.first);
        return out;
    }
};

inline QString writeScript(const QString& dir, const QString& name, const QByteArray& body)
{
    const QString path = QDir(dir).filePath(name);
    return TestMedia::WriteScript(path, "#!/bin/sh\n" + body) ? path : QString();
}

// Waits for a job's end report; false on timeout.
inline bool waitForEnd(AbstractJob* job, int timeoutMs = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!job->endReported() && t.elapsed() < timeoutMs)
        QTest::qWait(10);
    return job->endReported();
}
