#include "JobsManage.h"

#include "AbstractJob.h"
#include "ConfigSystem.h"
#include "OffThread.h"
#include "UniqueOutputName.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTableWidgetItem>
#include <QTime>
#include <QtDebug>

#include <algorithm>

JobsManage::JobsManage(QObject* parent)
    : QObject(parent)
{
}

JobsManage::~JobsManage()
{
    QList<AbstractJob*> jobs;
    {
        QMutexLocker locker(&m_lock);
        jobs.swap(m_jobs);
        m_running = 0;
    }
    // Each job kills and reaps its tool with its signals silenced, so nothing
    // reaches this half-destroyed queue.
    for (AbstractJob* job : jobs)
        delete job;
}

void JobsManage::AddJobTask(AbstractJob* job)
{
    if (!job)
        return;
    // A row whose earlier chain has ended starts afresh: forget its failure.
    QTableWidgetItem* cell = job->standardItem();
    if (cell && !rowBusy(cell, job)) {
        m_rowFailure.remove(cell);
        cell->setToolTip(QString());
    }
    job->setParent(this);
    connect(job, &AbstractJob::progressUpdated, this, &JobsManage::onProgressUpdated);
    connect(job, qOverload<AbstractJob*, bool, QString>(&AbstractJob::finished), this, &JobsManage::onFinished);
    QMutexLocker locker(&m_lock);
    m_jobs.append(job);
}

void JobsManage::setMaxRunning(int count)
{
    m_maxRunning = qBound(1, count, ConfigSystem::MaxThreads);
}

QList<AbstractJob*> JobsManage::jobs() const
{
    // No lock: callers may sit in a slot reached from startNextJob's walk.
    return m_jobs;
}

void JobsManage::startNextJob()
{
    const int limit = m_maxRunning;
    // start() sends the job's first progress report at once, and a slot may
    // answer it with a Stop (cleanup) or a new job: each job is started with
    // the lock released, and the list is looked at afresh after every start.
    QList<AbstractJob*> started; // never twice in one call, whatever start() did
    for (;;) {
        AbstractJob* next = nullptr;
        {
            QMutexLocker locker(&m_lock);
            if (m_paused || m_running >= limit)
                return;
            for (AbstractJob* job : qAsConst(m_jobs)) {
                if (job->status != AbstractJob::StatusCompleted && !job->ran() && !started.contains(job)) {
                    next = job;
                    break;
                }
            }
            if (!next)
                return;
            // Counted before the start, so a Stop inside it resets the count.
            ++m_running;
        }
        started.append(next);
        next->start();
    }
}

bool JobsManage::hasIncomplete() const
{
    // Every job that has not reported its end counts, including one whose
    // process is still starting or whose end is on its way, and one whose
    // work files are still being removed.
    if (!m_deleting.isEmpty())
        return true;
    for (AbstractJob* job : m_jobs) {
        if (job->status != AbstractJob::StatusCompleted)
            return true;
    }
    return false;
}

void JobsManage::cleanup()
{
    QList<AbstractJob*> jobs;
    {
        QMutexLocker locker(&m_lock);
        jobs.swap(m_jobs);
        m_running = 0;
    }
    for (AbstractJob* job : qAsConst(jobs)) {
        if (job->state() == QProcess::Running) {
            job->stop();
            break;
        }
    }
    QSet<QTableWidgetItem*> stopped;
    for (AbstractJob* job : qAsConst(jobs)) {
        const bool ended = job->status == AbstractJob::StatusCompleted;
        // A row whose work had begun (a step running or held, or the next
        // step of its chain waiting) is stopped; a row still waiting for
        // its turn keeps what it showed.
        if (!ended && (job->ran() || m_followUps.contains(job))) {
            stopped.insert(job->standardItem());
            setText(job->standardItem(), tr("Stopped"));
            // No size is left to show of an output that never came.
            setText(job->sizeItem, QString());
        }
        // Killed and reaped now, its partial file gone; the object goes when
        // control is back in the event loop, in case one of its own slots is
        // further up the stack.
        job->abandon();
        // A name given to an output that never came is free again.
        if (!ended)
            ReleaseUnRepeat(job->outputPath);
        job->deleteLater();
    }
    // A chain whose last step has put its output in place has ended, though
    // its work files were still going (they still go): the row says so, and
    // no later Run makes its output again. A stopped chain keeps what its
    // finished steps placed: each of those is a whole, checked output.
    for (const AbstractJob* job : qAsConst(m_deleting)) {
        QTableWidgetItem* cell = job->standardItem();
        if (cell && !stopped.contains(cell))
            setText(cell, m_rowFailure.value(cell, tr("Completed")));
    }
    m_rowFailure.clear();
    m_followUps.clear();
    m_deleting.clear();
}

void JobsManage::pause()
{
    m_paused = true;
    for (AbstractJob* job : jobs()) {
        if (!job->ran() || job->endReported() || job->isSuspended())
            continue;
        job->suspend();
        setText(job->standardItem(), ProgressText(job, job->lastPercent()));
    }
}

void JobsManage::resume()
{
    m_paused = false;
    for (AbstractJob* job : jobs()) {
        if (!job->isSuspended())
            continue;
        job->resume();
        if (!job->endReported())
            setText(job->standardItem(), ProgressText(job, job->lastPercent()));
    }
    startNextJob();
}

QString JobsManage::RemainingText(AbstractJob* job, int percent)
{
    if (percent < 3)
        return "--:--:--";
    const int ms = job->estimateRemaining(percent);
    if (ms < 0 || ms >= 86400000)
        return QString();
    return QTime(0, 0).addMSecs(ms).toString("HH:mm:ss");
}

QString JobsManage::ProgressText(AbstractJob* job, int percent)
{
    if (job->isSuspended())
        return tr("Paused: %1%").arg(QString::number(percent));
    return QString("%1% (%2)").arg(QString::number(percent), RemainingText(job, percent));
}

QString JobsManage::FailureText(AbstractJob* job, const QString& failureTime)
{
    if (job->stopped())
        return tr("Stopped");
    QString reason = job->failureReason();
    if (reason.isEmpty())
        reason = tr("unknown error");
    if (!failureTime.isEmpty())
        reason = tr("%1 at %2").arg(reason, failureTime);
    // It stands alone in the cell.
    reason[0] = reason.at(0).toUpper();
    return reason;
}

QString JobsManage::FailureDetails(AbstractJob* job, const QString& failureTime)
{
    if (job->stopped())
        return QString();
    QString text = tr("Failed at %1%: %2").arg(QString::number(job->lastPercent()), FailureText(job, failureTime));
    if (!job->failureDetails().isEmpty())
        text += QLatin1Char('\n') + job->failureDetails();
    return text;
}

void JobsManage::setText(QTableWidgetItem* cell, const QString& text)
{
    if (cell)
        cell->setText(text);
}

void JobsManage::onProgressUpdated(AbstractJob* job, int percent, uint64_t nFileSize)
{
    if (!job)
        return;
    setText(job->standardItem(), ProgressText(job, percent));
    if (percent >= 100) {
        // Still being written under its partial name, or in place once done.
        const QString file = job->writePath().isEmpty() ? job->outputPath : job->writePath();
        const double mb = double(QFileInfo(file).size()) / 1048576.0;
        setText(job->sizeItem, QString::number(mb, 'f', 2) + "MB");
        setText(job->standardItem(), ProgressText(job, 100));
    }
    if (nFileSize != 0)
        setText(job->sizeItem, QString::number(double(nFileSize) / 100.0, 'g', 6) + "MB");
}

bool JobsManage::rowBusy(QTableWidgetItem* cell, const AbstractJob* except) const
{
    if (!cell)
        return false;
    for (AbstractJob* other : m_jobs) {
        if (other != except && other->standardItem() == cell
            && (other->status != AbstractJob::StatusCompleted || m_deleting.contains(other)))
            return true;
    }
    return false;
}

void JobsManage::finishRow(QTableWidgetItem* cell)
{
    if (!cell || rowBusy(cell, nullptr))
        return; // the row's last step to end writes its outcome
    const auto failed = m_rowFailure.constFind(cell);
    setText(cell, failed != m_rowFailure.constEnd() ? failed.value() : tr("Completed"));
}

void JobsManage::DeleteWorkFile(const QString& path, const FileIdentity& written)
{
    if (!path.isEmpty() && written.valid && !FileIdentity::RemoveIfStill(path, written)
        && FileIdentity::Of(path) == written)
        qWarning() << "could not delete work file" << path;
}

void JobsManage::followUp(AbstractJob* job)
{
    // A work path is a file an earlier step of this queue placed, and goes
    // only as that step placed it; the step's own result never goes.
    QList<QPair<QString, FileIdentity>> doomed;
    const auto name = [](const QString& path) { return QFileInfo(path).absoluteFilePath(); };
    const auto deleteWork = [&](const QString& path) {
        if (path.isEmpty() || name(path) == name(job->outputPath))
            return;
        for (const AbstractJob* other : qAsConst(m_jobs)) {
            if (other != job && other->succeeded() && name(other->outputPath) == name(path)) {
                doomed.append({path, other->placed()});
                return;
            }
        }
    };
    switch (job->kind) {
    case AbstractJob::KindSplit:
        AddJobSplits(job);
        break;
    case AbstractJob::KindMerge:
        AddJobMerge(job, true);
        break;
    case AbstractJob::KindMergeTemp:
        deleteWork(job->workPath1);
        break;
    case AbstractJob::KindMusic:
        AddJobMusic(job);
        break;
    case AbstractJob::KindMusicMerge:
        AddJobMusic(job, job->workPath2, job->outputPath, true);
        break;
    case AbstractJob::KindMix:
        deleteWork(job->workPath1);
        deleteWork(job->workPath2);
        break;
    default:
        break;
    }
    if (doomed.isEmpty())
        return;
    // Removing a large file takes the system a while: not on the GUI thread.
    // The row's chain ends once its work files are gone.
    m_deleting.insert(job);
    OffThread::Run<JobsManage, bool>(
        this,
        [doomed] {
            for (const auto& work : doomed)
                DeleteWorkFile(work.first, work.second);
            return true;
        },
        [this, job](bool) {
            if (!m_deleting.remove(job))
                return; // the queue was emptied meanwhile
            finishRow(job->standardItem());
            if (!hasIncomplete())
                emit sigAllCompleted();
        });
}

void JobsManage::onFinished(AbstractJob* job, bool isSuccess, QString time)
{
    if (!job)
        return;
    job->status = AbstractJob::StatusCompleted;
    m_running = std::max(0, m_running - 1);
    QTableWidgetItem* cell = job->standardItem();
    if (isSuccess) {
        // A step with follow-up work is not the end of its row: "Completed"
        // waits for the chain's last step. A builder that queues nothing may
        // say why in the cell; that text stays.
        const QString before = cell ? cell->text() : QString();
        const int countBefore = m_jobs.size();
        followUp(job);
        for (int i = countBefore; i < m_jobs.size(); ++i)
            m_followUps.insert(m_jobs.at(i));
        const bool queued = m_jobs.size() > countBefore || m_deleting.contains(job);
        const bool builderWrote = cell && cell->text() != before;
        if (!queued && !builderWrote)
            finishRow(cell);
    } else {
        // The cell keeps the failure, the whole of it in the tooltip; no
        // follow-up runs after it, and no size of a file that is not there.
        const QString text = FailureText(job, time);
        if (cell) {
            m_rowFailure.insert(cell, text);
            cell->setToolTip(FailureDetails(job, time));
        }
        setText(cell, text);
        setText(job->sizeItem, QString());
    }
    if (hasIncomplete())
        startNextJob();
    else
        emit sigAllCompleted();
}
