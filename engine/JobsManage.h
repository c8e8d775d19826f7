#pragma once
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>

class AbstractJob;
class QTableWidgetItem;
struct FileIdentity;
struct ST_MEDIA_INFO;

// The queue of conversion jobs. It owns every job, starts them in list order
// with a bounded number running at once, writes each job's progress into its
// row's "File Size" and "Status" cells, queues the follow-up work a finished
// job's kind calls for (or deletes its work files) and reports when nothing
// is left to do. The builders of follow-up work are members of the queue.
class JobsManage : public QObject
{
    Q_OBJECT
public:
    explicit JobsManage(QObject* parent = nullptr);
    ~JobsManage() override;

    // Takes ownership of a job whose fields are set; does not start it.
    void AddJobTask(AbstractJob* job);
    // Starts waiting jobs in list order up to the running limit.
    void startNextJob();
    // True while any job has not reported its end (waiting, starting or
    // running).
    bool hasIncomplete() const;
    // Stops and throws away every job; their processes are killed and reaped.
    void cleanup();

    // Pause: no job starts, and running jobs hold their tools where they are
    // and say so in their rows. Resume lets them go on and starts waiting jobs.
    void pause();
    void resume();
    bool isPaused() const { return m_paused; }

    // The most jobs run at once (the "Threads" setting), bounded to
    // 1 ... ConfigSystem::MaxThreads.
    void setMaxRunning(int count);
    int maxRunning() const { return m_maxRunning; }
    int runningCount() const { return m_running; }
    // A snapshot of the job list, in order.
    QList<AbstractJob*> jobs() const;

    // The folder the builders write into ("OutPath", no trailing "/"), lent
    // by the window that owns the settings; empty without a query.
    void SetOutputFolderQuery(std::function<QString()> query) { m_outputFolderQuery = std::move(query); }
    QString OutputFolder() const { return m_outputFolderQuery ? m_outputFolderQuery() : QString(); }

    // Follow-up builders: each queues new jobs reporting into the given job's
    // cells and starts none.
    void AddJobSplits(AbstractJob* job);
    void AddJobSplit(AbstractJob* job, const QString& durationText, float fps, const QString& input,
                     const QString& output, long long start, long long length);
    void AddJobSubtitle(AbstractJob* job, const QString& video, const QString& subtitle);
    void AddJobMerge(AbstractJob* job, bool converted);
    void AddJobMusic(AbstractJob* job);
    void AddJobMusic(AbstractJob* job, const QString& video, const QString& music, bool merged);
    void AddJobMusicMerge(AbstractJob* job);

    // The remaining-time text of a job at a percent: "--:--:--" below 3 %,
    // else HH:mm:ss (empty when the estimate is unknown or a day or more).
    static QString RemainingText(AbstractJob* job, int percent);
    // The status text of a failed step: its reason in a few words.
    static QString FailureText(AbstractJob* job, const QString& failureTime);
    // The whole story of a failed step, for the status cell's tooltip.
    static QString FailureDetails(AbstractJob* job, const QString& failureTime);
    // The status text of a running step at a percent: "%1% (%2)" with the
    // remaining time, or the paused text while the step is held.
    static QString ProgressText(AbstractJob* job, int percent);
    // Removes a work file while it is exactly as its step wrote it; a file
    // put under its name since, or one already gone, is left alone.
    static void DeleteWorkFile(const QString& path, const FileIdentity& written);

signals:
    void sigAllCompleted();

public slots:
    void onProgressUpdated(AbstractJob* job, int percent, uint64_t nFileSize);
    void onFinished(AbstractJob* job, bool isSuccess, QString time);

private:
    // One split part of an input whose streams are `facts`; the length of
    // its sound is measured into `soundLength` (-1: not yet) when needed.
    void AddSplitPart(AbstractJob* job, const QString& durationText, float fps, const QString& input,
                      const QString& output, long long start, long long length, const ST_MEDIA_INFO& facts,
                      long long* soundLength);
    // Runs what a succeeded job's kind calls for.
    void followUp(AbstractJob* job);
    // True while another job reporting into the same status cell has not ended.
    bool rowBusy(QTableWidgetItem* cell, const AbstractJob* except) const;
    // Ends a row's chain: "Completed", or the failure one of its steps met.
    void finishRow(QTableWidgetItem* cell);
    void setText(QTableWidgetItem* cell, const QString& text);

    QList<AbstractJob*> m_jobs;
    mutable QMutex m_lock;
    bool m_paused = false;
    int m_maxRunning = 2;
    int m_running = 0;
    // The failure text of a row whose chain is still running or just ended;
    // keyed by the row's status cell.
    QHash<QTableWidgetItem*, QString> m_rowFailure;
    // Jobs queued by the end of an earlier step of their row: that row's
    // work has begun.
    QSet<const AbstractJob*> m_followUps;
    // Ended jobs whose work files are being removed: their rows' chains go on.
    QSet<const AbstractJob*> m_deleting;
    std::function<QString()> m_outputFolderQuery;
};
