#pragma once
#include "FileIdentity.h"
#include "OutputCheck.h"
#include "ProgressLineSplitter.h"
#include "ToolMessages.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class PostJobAction;
class QTableWidgetItem;

// One conversion step run as a child process of a tool, started through
// `nice`. It knows its source row, the two table cells it reports into, the
// file it writes and the work files around it, and what its end calls for
// (its kind). Progress and the end are reported by signals.
class AbstractJob : public QProcess
{
    Q_OBJECT
public:
    enum Status { StatusNew = 0, StatusStarted = 1, StatusCompleted = 4 };
    // What the queue does when a job of the kind has succeeded.
    enum Kind {
        KindPlain = 0,       // nothing
        KindSplit = 1,       // cut the output into parts
        KindMerge = 2,       // join the output with the row's title and ending clips
        KindMergeTemp = 3,   // a merge: delete the temporary input at workPath1
        KindMusic = 4,       // give the output the row's music
        KindMusicMerge = 5,  // joined music: mix it into the video at workPath2
        KindMix = 6          // a music mix: delete workPath1 and workPath2
    };

    explicit AbstractJob(const QString& label, QObject* parent = nullptr);
    ~AbstractJob() override;

    // Written by the creator before the job is queued.
    int sourceRow = 0;
    int status = StatusNew;
    int kind = KindPlain;
    QTableWidgetItem* sizeItem = nullptr;  // the row's "File Size" cell, not owned
    QString outputPath;                    // the file this step writes
    QString workPath1;
    QString workPath2;
    QString frameSize;                     // output frame size text for the merge step
    // What the output must be for the step to have succeeded; by default
    // any file the tool wrote. The output is looked into off the GUI thread:
    // the step ends when that is done.
    ST_OUTPUT_EXPECT expect;
    // A look at the step's inputs before its tool starts, done off the GUI
    // thread (it may read them); a text it returns fails the step with it
    // and the tool never runs. Once the flag it is given is set (the step
    // stopped or thrown away) it is to end at once. None by default.
    std::function<QString(const std::atomic<bool>* cancel)> precheck;

    // The file the tool writes while it runs: a partial name beside the
    // output, put in place once the step has succeeded (and `outputPath`
    // then names where it went). Empty before the launch and for a step
    // without an output path.
    QString writePath() const { return m_writePath; }
    // The output as this step placed it under `outputPath`: what a later
    // step may take away as a work file, while it is still exactly that.
    // Invalid before the step has succeeded.
    const FileIdentity& placed() const { return m_placed; }

    void setStandardItem(QTableWidgetItem* item) { m_statusItem = item; }
    QTableWidgetItem* standardItem() const { return m_statusItem; }

    bool ran() const { return m_ran; }
    bool stopped() const { return m_stopped; }
    // Set once the end has been reported; true only after a verified success.
    bool succeeded() const { return m_succeeded; }
    bool endReported() const { return m_endReported; }
    // Why the job failed, in a few words for the status cell; empty when it
    // did not.
    QString failureReason() const { return m_failureReason; }
    // The whole of it: our own reason and the tool's last error lines.
    QString failureDetails() const { return m_failureDetails; }
    // The highest percent this job has reported.
    int lastPercent() const { return m_lastReportedPercent; }

    void appendToLog(const QString& text);
    QString log() const { return m_log; }
    QString label() const { return m_label; }
    void setLabel(const QString& label);

    // Takes the action over; the one held before goes.
    void setPostJobAction(PostJobAction* action);
    PostJobAction* postJobAction() const { return m_postJobAction.get(); }

    // Remaining milliseconds at `percent`, or -1 when there is no estimate.
    int estimateRemaining(int percent) const;

    // Hands tool output to the reader as if it had been read from the
    // process: any chunking. Used by the reader itself and by tests.
    void feedOutput(const QByteArray& bytes);

    // Kills the tool and waits for it with every signal of the job
    // silenced, so a job being thrown away reports nothing. What it had
    // written goes, and a name it had been given is free again.
    void abandon();

    // Holds the tool where it is (SIGSTOP) until resume() (SIGCONT); the
    // remaining-time estimate leaves the held time out.
    virtual void suspend();
    virtual void resume();
    bool isSuspended() const { return m_suspended; }

public slots:
    virtual void start();
    virtual void stop();
    virtual void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    virtual void onReadyRead();
    virtual void onStarted();
    void onProgressUpdated(AbstractJob* job, int percent, uint64_t nFileSize);

signals:
    void progressUpdated(AbstractJob* job, int percent, uint64_t nFileSize);
    void finished(AbstractJob* job, bool isSuccess, QString failureTime);

protected:
    // Launches the named tool (found in the application folder, then on the
    // search path) with `args`; the tool's path is put in front of `args`.
    void launchTool(const QString& toolName, QStringList& args);
    // Launches the tool at `toolPath` through `nice`.
    void launchPath(const QString& toolPath, QStringList& args);

    // One complete record of the tool's output. The base logs it and keeps
    // it among the lines that may tell why the step failed.
    virtual void handleRecord(const QString& line);
    // Keeps a line the tool printed that may tell why the step fails; an
    // error line (the tool marked it so) is kept apart from plain ones.
    // `marksErrors`: the tool is seen to mark its errors, so its unmarked
    // lines tell nothing about a failure.
    void noteToolLine(const QString& line, bool error, bool marksErrors = false);
    // Empty when the finished step's result is sound, else why it is not:
    // what can be told at once (the file is there, and not empty). The
    // output is then looked into as `expect` asks, off the GUI thread.
    virtual QString verifyResult() const;
    // The time text reported with a crash; empty by default.
    virtual QString crashTime() const { return QString(); }
    // Drops the tool's unread output and its unfinished record: what a run
    // that is thrown away left behind is not the next run's.
    void discardOutput();
    // In the child before the tool runs: the tool dies with this program,
    // however this program ends.
    void setupChildProcess() override;
    // Reports the end as a failure (once). `reason` is ours; the tool's own
    // error lines give the short reason instead when `toolKnowsWhy` (it
    // failed by itself), or when one of them names a system error.
    void reportFailure(const QString& reason, int exitCode, const QString& failureTime, bool toolKnowsWhy = false);

private slots:
    void onErrorOccurred(QProcess::ProcessError error);
    void onKillTimeout();

private:
    void flushOutput();
    // The end of a step whose tool exited 0, once its output has been
    // looked into: `problem` is what the look found.
    void concludeSuccess(QString problem, int exitCode);
    QString elapsedText() const;
    // Puts the written file in place; empty, or why it could not be.
    QString commitOutput();
    // Removes what the tool wrote and frees the output's name.
    void discardWritten();
    // Sends a signal to the tool itself: `nice` has replaced itself with it.
    void signalTool(int signalNumber);
    qint64 heldMs() const;
    static QString decode(const QByteArray& record);

    QTableWidgetItem* m_statusItem = nullptr;
    bool m_ran = false;
    bool m_stopped = false;
    bool m_succeeded = false;
    bool m_endReported = false;
    bool m_prechecked = false;
    // Set to end the look at the inputs or at the output; shared with the
    // thread doing it.
    std::shared_ptr<std::atomic<bool>> m_cancel = std::make_shared<std::atomic<bool>>(false);
    QString m_failureReason;
    QString m_failureDetails;
    QString m_writePath;
    FileIdentity m_placed;
    qint64 m_launcherPid = 0; // this program, as its tools' parent
    ToolMessages m_errorLines; // lines the tool marked as errors
    ToolMessages m_lastLines;  // its last lines, for a tool that marks none
    bool m_toolMarksErrors = false;
    QString m_log;
    QString m_label;
    QElapsedTimer m_estimateClock;
    int m_startPercent = 0;
    bool m_suspended = false;
    QElapsedTimer m_holdClock;   // runs while suspended
    qint64 m_heldMs = 0;         // time held since the estimate clock started
    QElapsedTimer m_totalClock;
    int m_lastReportedPercent = 0;
    std::unique_ptr<PostJobAction> m_postJobAction;
    ProgressLineSplitter m_splitter;
};
