// Run: every pending source row becomes conversion jobs for the converter.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QProgressDialog>

#include "ConfigFormat.h"
#include "Core.h"
#include "FileFolders.h"
#include "JobArgs.h"
#include "JxEngineJob.h"
#include "LayerFileBatch.h"
#include "OutputCheck.h"
#include "RunArguments.h"
#include "ST_MEDIA_INFO.h"
#include "UniqueOutputName.h"

namespace {

// A row that is not queued says why; it stays ready for the next Run. The
// tooltip names the file by its whole path.
void ShowRowProblem(QTableWidgetItem* statusItem, const ST_ROW_PROBLEM& problem)
{
    statusItem->setText(problem.text);
    statusItem->setToolTip(problem.details);
}

} // namespace

void MainWindow::on_actionRun_triggered()
{
    if (!isVisible())
        show();
    // Pause before anything started: nothing will.
    if (m_layerBatch || m_runWaitsForReads) {
        m_runWaitsForReads = false;
        EndLayerFiles();
        SetRunLook();
        return;
    }
    if (!m_bRun) {
        // Pause: nothing new starts and the running tools are held until Run.
        m_jobs.pause();
        m_bPaused = true;
        SetRunLook();
        return;
    }
    QueuePendingRows(true);
}

void MainWindow::QueuePendingRows(bool learnLayers, bool read)
{
    const QString ext = ui->comboBoxFormat->currentText().section(QLatin1Char('('), 0, 0);
    ConfigFormat format;
    format.Load();
    // Names handed out to an earlier batch are free again once none of its
    // jobs waits to write them.
    if (!m_jobs.hasIncomplete())
        ClearUnRepeatReservations();

    // Finished rows, and rows whose jobs still run, are not queued again.
    QList<int> pending;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row) {
        if (StateOfRow(row) != RowCompleted && !RowHasLiveJobs(row))
            pending << row;
    }
    if (!pending.isEmpty()) {
        // One word about a folder nothing can be written into, not one
        // failure per row; a paused batch stays paused.
        m_config.OutPath = ui->lineEditOutput->text();
        const QString folderProblem = PrepareOutputFolder(m_config.OutPath);
        if (!folderProblem.isEmpty()) {
            QMessageBox::warning(this, QCoreApplication::applicationName(), folderProblem);
            return;
        }
        // A rate is taken from the pictures' stamps, which this thread does
        // not read: files not known as they are now are read first.
        QStringList unread;
        for (int row : qAsConst(pending)) {
            // A row that cannot be queued anyway says so at once, unread.
            const QStringList files = learnLayers && read ? FilesToRead(row) : QStringList();
            if (!files.isEmpty() && Core::instance()->SourceFilesProblem(row).isEmpty())
                unread << files;
        }
        if (!unread.isEmpty()) {
            ReadFiles(unread);
            m_runWaitsForReads = true;
            SetPauseLook();
            return;
        }
        // A picture layer's file is looked into once for all rows, off this
        // thread: a large one takes seconds to decode, and its content is
        // hashed on every Run.
        const bool filtered = !JobArgs::IsAudioFormat(ext) && format.VCodec != QLatin1String("copy");
        const QStringList layers = learnLayers && filtered ? Core::instance()->RunLayerFiles() : QStringList();
        if (!layers.isEmpty()) {
            LearnLayerFiles(layers);
            return;
        }
    }

    bool queued = false;
    for (int row : qAsConst(pending)) {
        if (QueueRow(row, ext, format))
            queued = true;
    }
    // Run goes on with a paused batch, besides any rows queued now.
    const bool resuming = m_bPaused;
    m_bPaused = false;
    // Nothing waits (an empty list, every row done or refused): the look stays.
    if ((!queued && !resuming) || !m_jobs.hasIncomplete()) {
        if (resuming)
            m_jobs.resume();
        return;
    }
    SetPauseLook();
    if (resuming)
        m_jobs.resume();
    else
        m_jobs.startNextJob();
}

void MainWindow::SetPauseLook()
{
    ui->actionRun->setIcon(QIcon(QStringLiteral(":/res/pause.svg")));
    ui->actionRun->setText(tr("Pause"));
    // Before the start: a job that ends at once reports to a started batch.
    m_bRun = false;
}

void MainWindow::LearnLayerFiles(const QStringList& paths)
{
    // The batch is under way from now on.
    SetPauseLook();
    m_layerBatch = new LayerFileBatch(this);
    m_layerProgress = new QProgressDialog(tr("Preparing the layers..."), tr("Cancel"), 0, int(paths.size()), this);
    m_layerProgress->setWindowTitle(QCoreApplication::applicationName());
    m_layerProgress->setAutoReset(false);
    m_layerProgress->setAutoClose(false);
    // A picture read in a moment is done before the dialog would flash by.
    m_layerProgress->setMinimumDuration(500);
    m_layerProgress->setValue(0);
    connect(m_layerProgress, &QProgressDialog::canceled, this, [this] {
        EndLayerFiles();
        SetRunLook();
    });
    // Sent from the batch's thread, handled here, and only while this is
    // still the batch that Run waits for.
    LayerFileBatch* batch = m_layerBatch;
    connect(batch, &LayerFileBatch::progress, batch, [this, batch](int done) {
        if (batch == m_layerBatch)
            m_layerProgress->setValue(done);
    });
    connect(batch, &LayerFileBatch::finished, batch, [this, batch] {
        if (batch != m_layerBatch)
            return;
        for (const ST_LAYER_FILE& facts : batch->Take())
            Core::instance()->KeepLayerFile(facts);
        EndLayerFiles();
        // Run as pressed now, taking what was learnt.
        SetRunLook();
        QueuePendingRows(false);
    });
    batch->Start(paths, Core::instance()->WorkFolder(), Core::instance()->KeptLayerFiles());
}

void MainWindow::EndLayerFiles()
{
    if (m_layerBatch) {
        m_layerBatch->Cancel();
        m_layerBatch->deleteLater();
        m_layerBatch = nullptr;
    }
    if (m_layerProgress) {
        m_layerProgress->hide();
        m_layerProgress->deleteLater();
        m_layerProgress = nullptr;
    }
}

bool MainWindow::QueueRow(int row, const QString& ext, const FormatSettings& format)
{
    Core* core = Core::instance();
    QTableWidget* table = ui->tableWidget;
    QTableWidgetItem* nameItem = table->item(row, 0);
    QTableWidgetItem* sizeItem = table->item(row, 1);
    QTableWidgetItem* statusItem = table->item(row, 2);
    if (!nameItem || !sizeItem || !statusItem || !core->IsValidRow(row))
        return false;

    // A file that is gone, or a pipe a tool would wait on for ever, fails
    // the row now rather than its job later, or never.
    ST_ROW_PROBLEM problem = core->SourceFilesProblem(row);
    if (!problem.isEmpty()) {
        ShowRowProblem(statusItem, problem);
        return false;
    }
    // A file that changed again while it was read (still being written)
    // has no rate known of it: it waits for a later Run.
    const QStringList unread = FilesToRead(row);
    if (!unread.isEmpty()) {
        const QString sentence = tr("Changed while it was read: %1");
        ShowRowProblem(statusItem, {sentence.arg(QFileInfo(unread.first()).fileName()), sentence.arg(ShownPath(unread.first()))});
        return false;
    }
    const QString source = nameItem->data(Qt::ToolTipRole).toString();
    // What was learnt of the source off this thread, the file being as it was.
    const ST_MEDIA_INFO media = CurrentMediaInfo(core->Rows.at(row).media, source);
    if (media.UnfitAs() != ST_MEDIA_INFO::Unfit::None) {
        ShowRowProblem(statusItem, ReadyText(media, source));
        return false;
    }
    const int width = media.width;
    const int height = media.height;
    const long long duration = media.duration;
    const float fps = media.fps;
    const long long bitRate = media.bitRate;

    // A stream copied into a container that cannot hold it would be written
    // unreadable and reported as done: say so on the row instead.
    const QString refusal = RunArguments::Refusal(format, ext, media.videoCodec);
    if (!refusal.isEmpty()) {
        ShowRowProblem(statusItem, {refusal, QString()});
        return false;
    }
    // The graph, and the work files it reads, only where the picture is filtered.
    const bool audioContainer = JobArgs::IsAudioFormat(ext);
    const bool filtered = !audioContainer && format.VCodec != QLatin1String("copy");
    const QString graph = filtered ? core->GetCommandArg(row, &problem) : QString();
    if (!problem.isEmpty()) {
        ShowRowProblem(statusItem, problem);
        return false;
    }
    // A split or merge whose graph would only deinterlace a stream that says
    // it is progressive goes its own road, as before: melt deinterlaces the
    // pictures marked as woven itself.
    const bool drawn = !graph.isEmpty()
        && (graph != Core::DeinterlaceGraph(media) || media.picture.fields != PictureFields::Progressive);

    const QString durationText = RunArguments::DurationText(duration);
    const ST_RUN_ARGS run
        = RunArguments::CommonArguments(format, ext, source, bitRate, fps, graph, QSize(width, height),
                                        media.VariableRate() ? media.pictureRate : 0.0f);
    const QString base = m_config.OutPath + QLatin1Char('/') + QFileInfo(source).completeBaseName();
    // Each output is checked against what the source holds when its job ends.
    ST_OUTPUT_EXPECT expect = OutputCheck::Lasting(OutputCheck::DurationOf(media, audioContainer),
                                                   OutputCheck::VideoOf(media, audioContainer),
                                                   OutputCheck::AudioOf(media), run.frameRate);
    expect.source = source;

    // A null infix makes a carrier: no output of its own, the source stands in.
    const auto makeJob = [&](const QString& infix, int kind) {
        QStringList args = run.arguments;
        QString output = source;
        if (!infix.isNull()) {
            output = GetUnRepeat(base + infix + ext);
            args << output;
        }
        auto* job = new JxEngineJob(QString(), args, true);
        // A carrier writes nothing; every real output is checked.
        if (!infix.isNull()) {
            job->expect = expect;
            job->precheck = run.precheck;
        }
        if (run.frameRate > 0.0f)
            job->setFPS(run.frameRate);
        job->setDuration(durationText);
        job->sizeItem = sizeItem;
        job->setStandardItem(statusItem);
        job->outputPath = output;
        job->kind = kind;
        // Every job names its row, so the row is never queued twice.
        job->sourceRow = row;
        return job;
    };

    const ST_OPTS opts = core->Rows.at(row);
    const int before = m_jobs.jobs().size();
    bool splitOrMerge = false;
    if (opts.splitCount > 0 || opts.splitTime > 0 || opts.splitEndTime > 0 || !opts.splitRanges.isEmpty()) {
        if (drawn) {
            m_jobs.AddJobTask(makeJob(QStringLiteral("_Split."), AbstractJob::KindSplit));
        } else {
            JxEngineJob* carrier = makeJob(QString(), AbstractJob::KindPlain);
            m_jobs.AddJobSplits(carrier);
            delete carrier;
        }
        splitOrMerge = true;
    }
    if (!opts.titleClips.isEmpty() || !opts.endingClips.isEmpty()) {
        if (drawn) {
            JxEngineJob* job = makeJob(QStringLiteral("_Merge."), AbstractJob::KindMerge);
            // A merge is made of square pixels: the picture at the size it is shown.
            const QSize shown = JobArgs::SquarePixelSize(media.picture);
            job->frameSize = format.VKeepWH
                ? QString::number(qMax(shown.width(), 0)) + QLatin1Char(':') + QString::number(qMax(shown.height(), 0))
                : format.VSize;
            m_jobs.AddJobTask(job);
        } else {
            JxEngineJob* carrier = makeJob(QString(), AbstractJob::KindPlain);
            m_jobs.AddJobMerge(carrier, false);
            delete carrier;
        }
        splitOrMerge = true;
    }
    if (!opts.musicFiles.isEmpty())
        m_jobs.AddJobTask(makeJob(QStringLiteral("_Music."), AbstractJob::KindMusic));
    else if (!splitOrMerge)
        m_jobs.AddJobTask(makeJob(QStringLiteral("."), AbstractJob::KindPlain));

    if (m_jobs.jobs().size() == before)
        return false;
    statusItem->setData(RowStateRole, RowQueued);
    return true;
}

void MainWindow::on_comboBoxFormat_currentIndexChanged(int index)
{
    if (index < FORMAT_MP4 || index > FORMAT_WAV)
        return;
    const QString name = ui->comboBoxFormat->itemText(index).section(QLatin1Char('('), 0, 0);
    ConfigFormat format;
    format.Load();
    // The user's own settings for the container already chosen stay.
    if (format.Format == name)
        return;
    format.SetFormat(FormatOut(index));
    format.Format = name;
    // Conversions read the container from the file: one not saved would
    // convert into the container shown before.
    if (!format.Save())
        QMessageBox::warning(
            this, QCoreApplication::applicationName(),
            QCoreApplication::translate("QFormatDialog", "The format settings could not be saved to %1.").arg(format.FilePath));
}
