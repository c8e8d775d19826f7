// The source list: adding files and folders, dropping, deleting rows.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTime>
#include <QUrl>

#include "AbstractJob.h"
#include "Core.h"
#include "FileFolders.h"
#include "MediaFunctions.h"
#include "ST_MEDIA_INFO.h"
#include "ST_OPTS.h"
#include "SourceBatch.h"
#include "subtitles/SubtitleFileDialog.h"

#include <dirent.h>

#include <climits>

namespace {

MainWindow::FileQuestion& FileQuestionHook()
{
    static MainWindow::FileQuestion hook;
    return hook;
}

QTableWidgetItem* NewCell(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

void MainWindow::SetFileQuestion(FileQuestion question)
{
    FileQuestionHook() = std::move(question);
}

QStringList MainWindow::AskFiles(const QString& caption, const QString& folder)
{
    if (FileQuestionHook())
        return FileQuestionHook()(caption, folder, false);
    return QFileDialog::getOpenFileNames(this, caption, folder, GetMediaFileFilter());
}

QString MainWindow::AskFolder(const QString& caption, const QString& folder)
{
    if (FileQuestionHook()) {
        const QStringList answer = FileQuestionHook()(caption, folder, true);
        return answer.isEmpty() ? QString() : answer.first();
    }
    return QFileDialog::getExistingDirectory(this, caption, folder, QFileDialog::ShowDirsOnly);
}

QString MainWindow::AskOpenFile(const QString& caption, const QString& filter)
{
    if (FileQuestionHook()) {
        const QStringList answer = FileQuestionHook()(caption, QString(), false);
        return answer.isEmpty() ? QString() : answer.first();
    }
    return QFileDialog::getOpenFileName(this, caption, QString(), filter);
}

QString MainWindow::AskSaveFile(const QString& caption, const QString& proposed, const QString& filters,
                                const QStringList& kept)
{
    if (!FileQuestionHook())
        return SubtitleFileDialog::GetSaveFileName(this, caption, proposed, filters, kept);
    const QStringList answer = FileQuestionHook()(caption, proposed, false);
    if (answer.value(0).isEmpty())
        return QString();
    const QString chosen = answer.value(1);
    return SubtitleFileDialog::WithFilterSuffix(
        answer.value(0), chosen.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0) : chosen, kept);
}

QStringList MainWindow::MediaEntries(const QString& folder)
{
    // Empty parts are kept as the pattern list gives them; they match nothing.
    const QStringList patterns = g_strMediaExt.split(QLatin1Char(' '));
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    // Cameras name their files in capitals (C0001.MP4, IMG_0001.MOV): the
    // patterns match in any letter case, as the Add File dialog's do.
    dir.setFilter(QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList paths;
    for (const QFileInfo& entry : dir.entryInfoList())
        paths << entry.absoluteFilePath();
    // Qt passes over the names it cannot decode. They are listed as well as
    // they decode, so that adding them says why they cannot be added.
    QList<QRegularExpression> wildcards;
    for (const QString& pattern : patterns) {
        if (!pattern.isEmpty())
            wildcards << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                            QRegularExpression::CaseInsensitiveOption);
    }
    if (DIR* listing = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            const QString decoded = QFile::decodeName(name);
            if (QFile::encodeName(decoded) == name)
                continue;
            for (const QRegularExpression& wildcard : qAsConst(wildcards)) {
                if (wildcard.match(decoded).hasMatch()) {
                    paths << dir.absoluteFilePath(decoded);
                    break;
                }
            }
        }
        ::closedir(listing);
    }
    return paths;
}

QString MainWindow::ClipDurationText(long long microseconds)
{
    // A clip of a day or more has no time of day: empty, as the editors show it.
    const long long seconds = microseconds / 1000000;
    if (seconds < 0 || seconds >= 24 * 3600)
        return QString();
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

void MainWindow::AddFile(const QString& givenPath)
{
    // The path is read back by Run and handed to the converter after "-i":
    // an absolute one cannot be taken for an option or a protocol.
    const QString path = QFileInfo(givenPath).absoluteFilePath();
    // The row comes at once from the file's headers; its pictures' stamps
    // are read off this thread.
    AppendSourceRow(SourceBatch::Record(path));
    SelectLastSourceRow();
    ReadFiles({path});
}

void MainWindow::AppendSourceRow(const ST_OPTS& opts)
{
    QTableWidget* table = ui->tableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    QTableWidgetItem* name = NewCell(QFileInfo(opts.path).fileName(), Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(opts.path);
    const ST_ROW_PROBLEM ready = opts.media.depth == ProbeDepth::Pictures ? ReadyText(opts.media, opts.path)
                                                                          : ST_ROW_PROBLEM{tr("Reading..."), QString()};
    QTableWidgetItem* status = NewCell(ready.text, Qt::AlignCenter);
    status->setToolTip(ready.details);
    status->setData(RowStateRole, RowReady);
    table->setItem(row, 0, name);
    table->setItem(row, 1, NewCell(QString(), Qt::AlignCenter));
    table->setItem(row, 2, status);
    Core::instance()->Rows.append(opts);
}

ST_ROW_PROBLEM MainWindow::ReadyText(const ST_MEDIA_INFO& media, const QString& path)
{
    QString text;
    switch (media.UnfitAs()) {
    case ST_MEDIA_INFO::Unfit::None:
        return {tr("Ready"), QString()};
    case ST_MEDIA_INFO::Unfit::NotMedia:
        text = tr("Cannot be read: not a video or sound file");
        break;
    case ST_MEDIA_INFO::Unfit::Damaged:
        text = tr("Cannot be read: damaged or cut short");
        break;
    case ST_MEDIA_INFO::Unfit::NoPictureOrSound:
        text = tr("Cannot be read: no picture or sound in it");
        break;
    case ST_MEDIA_INFO::Unfit::StillPicture:
        text = tr("Cannot be read: a still picture, not a video");
        break;
    case ST_MEDIA_INFO::Unfit::ReadsOtherFiles:
        text = tr("Cannot be read: it refers to other files");
        break;
    }
    return {text, text + QLatin1Char('\n') + ShownPath(path)};
}

void MainWindow::ReadFiles(const QStringList& paths)
{
    if (!m_reader) {
        m_reader = new SourceBatch(this);
        connect(m_reader, &SourceBatch::ready, this, &MainWindow::OnFilesRead);
    }
    QStringList unread;
    for (const QString& path : paths) {
        if (!m_reading.contains(path))
            unread << path;
        m_reading.insert(path);
    }
    if (!unread.isEmpty())
        m_reader->Add(unread);
    const QList<ST_OPTS>& rows = Core::instance()->Rows;
    for (int row = 0; row < rows.size(); ++row) {
        QTableWidgetItem* status = ui->tableWidget->item(row, 2);
        if (status && m_reading.contains(rows.at(row).path)) {
            status->setText(tr("Reading..."));
            status->setToolTip(QString());
        }
    }
}

void MainWindow::OnFilesRead()
{
    if (!m_reader)
        return;
    QList<ST_OPTS>& rows = Core::instance()->Rows;
    for (const ST_OPTS& record : m_reader->Take(INT_MAX)) {
        m_reading.remove(record.path);
        for (int row = 0; row < rows.size(); ++row) {
            QTableWidgetItem* status = ui->tableWidget->item(row, 2);
            if (rows.at(row).path != record.path || !status)
                continue;
            rows[row].media = record.media;
            // A row queued or done since keeps what its jobs say.
            if (StateOfRow(row) == RowCompleted || RowHasLiveJobs(row))
                continue;
            const ST_ROW_PROBLEM ready = ReadyText(record.media, record.path);
            status->setText(ready.text);
            status->setToolTip(ready.details);
        }
    }
    if (m_reading.isEmpty() && m_runWaitsForReads) {
        m_runWaitsForReads = false;
        SetRunLook();
        QueuePendingRows(true, false);
    }
}

QStringList MainWindow::FilesToRead(int row) const
{
    const Core* core = Core::instance();
    if (!core->IsValidRow(row))
        return {};
    const ST_OPTS& opts = core->Rows.at(row);
    QStringList files;
    // A file that is not there says so in Run, read or not.
    const auto unknown = [](const QString& path) {
        return QFileInfo(path).isFile() && LearntMediaInfo(path).path.isEmpty();
    };
    if (!(opts.media.depth == ProbeDepth::Pictures && opts.media.DescribesFile(opts.path)) && unknown(opts.path))
        files << opts.path;
    for (const QList<ST_MERGE>* clips : {&opts.titleClips, &opts.endingClips}) {
        for (const ST_MERGE& clip : *clips) {
            if (unknown(clip.path))
                files << clip.path;
        }
    }
    return files;
}

static void ScrollToLastRow(QTableWidget* table)
{
    // Scrolling to the bottom lays the new rows out first. The scroll bars
    // their ranges call for come or go from a queued call, and each one that
    // comes takes room from the rows (the vertical one can bring the
    // horizontal one): let them settle here, so the bottom scrolled to is
    // the one that stays.
    QScrollBar* bar = table->verticalScrollBar();
    for (int round = 0; round < 3; ++round) {
        table->scrollToBottom();
        const int bottom = bar->maximum();
        QCoreApplication::sendPostedEvents(table, QEvent::MetaCall);
        if (bar->maximum() == bottom)
            break;
    }
    table->scrollToBottom();
}

void MainWindow::SelectLastSourceRow()
{
    // Selecting lays the whole table out again: once for a batch, not per row.
    QTableWidget* table = ui->tableWidget;
    const int row = table->rowCount() - 1;
    if (row < 0)
        return;
    table->selectRow(row);
    table->setCurrentCell(row, 0);
    // The player keeps the file the add action gave it (or had).
    const QString playing = ui->widgetPlayer->SourcePath;
    SetCurrentRow(row);
    ui->widgetPlayer->SourcePath = playing;
    ScrollToLastRow(table);
}

QStringList MainWindow::WithoutLostNames(const QStringList& paths)
{
    // Under a UTF-8 locale Qt decodes a name holding other bytes into
    // replacement characters: the text no longer names the file, so every
    // later step would fail on it.
    QStringList kept;
    QStringList lost;
    for (const QString& path : paths) {
        if (path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path))
            lost << ShownPath(path);
        else
            kept << path;
    }
    if (!lost.isEmpty()) {
        constexpr int kShown = 10;
        if (lost.size() > kShown)
            lost = lost.mid(0, kShown) << QStringLiteral("...");
        QMessageBox::warning(this, QCoreApplication::applicationName(),
                             tr("These files cannot be added because their names are not valid text in the "
                                "system's encoding. Rename them and add them again:\n%1")
                                 .arg(lost.join(QLatin1Char('\n'))));
    }
    return kept;
}

QStringList MainWindow::AddFiles(const QStringList& given)
{
    const QStringList paths = WithoutLostNames(given);
    if (paths.isEmpty())
        return paths;
    if (!m_sources) {
        m_sources = new SourceBatch(this);
        connect(m_sources, &SourceBatch::ready, this, &MainWindow::OnSourcesProbed);
    }
    QStringList absolute;
    for (const QString& path : paths)
        absolute << QFileInfo(path).absoluteFilePath();
    // A batch given while another is probed joins it, behind it.
    m_addTotal += absolute.size();
    m_sources->Add(absolute);
    if (!m_addProgress) {
        m_addProgress = new QProgressDialog(tr("Adding files to the list..."), tr("Cancel"), 0, 0, this);
        m_addProgress->setWindowTitle(QCoreApplication::applicationName());
        m_addProgress->setAutoReset(false);
        m_addProgress->setAutoClose(false);
        // A short batch is done before it would flash by.
        m_addProgress->setMinimumDuration(500);
        connect(m_addProgress, &QProgressDialog::canceled, this, &MainWindow::CancelAddFiles);
    }
    m_addProgress->setMaximum(m_addTotal);
    m_addProgress->setValue(m_addDone);
    return paths;
}

void MainWindow::OnSourcesProbed()
{
    if (!m_sources || !m_addProgress)
        return;
    // Rows go in a share at a time: files probed faster than rows are shown
    // must not freeze the window either.
    constexpr int kShare = 64;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QList<ST_OPTS> records = m_sources->Take(kShare);
        for (const ST_OPTS& record : records)
            AppendSourceRow(record);
        m_addDone += records.size();
        if (records.size() < kShare)
            break;
        if (clock.elapsed() > 30) {
            QMetaObject::invokeMethod(this, &MainWindow::OnSourcesProbed, Qt::QueuedConnection);
            break;
        }
    }
    if (m_addDone >= m_addTotal)
        EndAddFiles();
    else
        m_addProgress->setValue(m_addDone);
}

void MainWindow::CancelAddFiles()
{
    // The rows already in stay; the files not yet shown are not added.
    if (m_sources)
        m_sources->Cancel();
    EndAddFiles();
}

void MainWindow::EndAddFiles()
{
    if (!m_addProgress)
        return;
    if (m_addDone > 0)
        SelectLastSourceRow();
    m_addTotal = 0;
    m_addDone = 0;
    m_addProgress->hide();
    m_addProgress->deleteLater();
    m_addProgress = nullptr;
}

void MainWindow::AddMergeFile(const QString& path)
{
    Core* core = Core::instance();
    if (!core->IsValidRow(core->CurrentRow))
        return;
    int width = 0;
    int height = 0;
    long long duration = 0;
    GetMediaInfo(path.toUtf8().constData(), &width, &height, &duration);
    core->Rows[core->CurrentRow].endingClips.append(ST_MERGE{path, 0, duration});

    QTableWidget* merge = ui->tableWidgetMerge;
    const int row = merge->rowCount();
    merge->insertRow(row);
    merge->setItem(row, 0, NewCell(QString(), Qt::AlignCenter));
    QTableWidgetItem* name = NewCell(QFileInfo(path).fileName(), Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(path);
    merge->setItem(row, 1, name);
    merge->setItem(row, 2, NewCell(ClipDurationText(duration), Qt::AlignCenter));
    MergeTotalDuration(core->CurrentRow);
}

void MainWindow::AddMusicFile(const QString& path)
{
    int width = 0;
    int height = 0;
    long long duration = 0;
    GetMediaInfo(path.toUtf8().constData(), &width, &height, &duration);
    QTableWidget* music = ui->tableWidgetMusic;
    const int row = music->rowCount();
    music->insertRow(row);
    QTableWidgetItem* name = NewCell(QFileInfo(path).fileName(), Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(path);
    music->setItem(row, 0, name);
    music->setItem(row, 1, NewCell(ClipDurationText(duration), Qt::AlignCenter));
}

QList<QModelIndex> MainWindow::deleteRepeatList(QList<QModelIndex> indexes)
{
    QList<QModelIndex> kept;
    int last = -1;
    for (const QModelIndex& index : indexes) {
        if (index.row() != last) {
            kept << index;
            last = index.row();
        }
    }
    return kept;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    // Where the drop lands is where the event says, not where the pointer
    // happens to be when it is delivered.
    const auto over = [this, event](QWidget* table) {
        return table->isVisible() && table->rect().contains(table->mapFrom(this, event->pos()));
    };
    enum { Sources, Merge, Music } target = Sources;
    if (ui->tabWidget->currentIndex() == 0 && over(ui->tableWidgetMerge))
        target = Merge;
    else if (ui->tabWidget->currentIndex() == 3 && over(ui->tableWidgetMusic))
        target = Music;

    Core* core = Core::instance();
    if (target != Sources) {
        if (ui->tableWidget->rowCount() == 0) {
            core->MessageBoxAddMediaFile();
            return;
        }
        if (!core->IsValidRow(core->CurrentRow))
            return;
    }
    QStringList found;
    for (const QUrl& url : urls) {
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (!info.isDir())
            found << path;
        else
            found << MediaEntries(path);
    }
    const QStringList paths = WithoutLostNames(found);
    if (target == Sources) {
        AddFiles(paths);
    } else {
        for (const QString& path : qAsConst(paths)) {
            if (target == Merge) {
                AddMergeFile(path);
                continue;
            }
            // The row may have gone while a modal box ran: look it up each time.
            if (!core->IsValidRow(core->CurrentRow))
                return;
            core->Rows[core->CurrentRow].musicFiles << path;
            AddMusicFile(path);
        }
        if (target == Music)
            MusicTotalDuration();
    }
    event->acceptProposedAction();
}

void MainWindow::on_actionAddFile_triggered()
{
    if (!isVisible())
        show();
    const QStringList files = AskFiles(tr("Add File"), m_config.OpenPath);
    if (files.isEmpty())
        return;
    m_config.OpenPath = QFileInfo(files.last()).absolutePath();
    const QStringList added = AddFiles(files);
    if (!added.isEmpty())
        ui->widgetPlayer->SourcePath = QFileInfo(added.first()).absoluteFilePath();
}

void MainWindow::on_actionAddFolder_triggered()
{
    if (!isVisible())
        show();
    const QString folder = AskFolder(tr("Add Folder"), m_config.OpenFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    m_config.OpenFolder = folder;
    const QStringList entries = MediaEntries(folder);
    // A folder without media adds nothing and leaves the preview alone.
    if (entries.isEmpty())
        return;
    const QStringList added = AddFiles(entries);
    if (!added.isEmpty())
        ui->widgetPlayer->SourcePath = added.first();
}

bool MainWindow::RowHasLiveJobs(int row) const
{
    const QTableWidgetItem* status = ui->tableWidget->item(row, 2);
    for (AbstractJob* job : m_jobs.jobs()) {
        if (job->status != AbstractJob::StatusCompleted && (job->standardItem() == status || job->sourceRow == row))
            return true;
    }
    return false;
}

bool MainWindow::RemoveRow(int row)
{
    QTableWidget* table = ui->tableWidget;
    if (row < 0 || row >= table->rowCount())
        return false;
    if (RowHasLiveJobs(row))
        return false;
    // Ended jobs keep their cells for nothing more than comparisons: forget
    // the cells that go, and let later rows' jobs follow their rows up.
    const QTableWidgetItem* size = table->item(row, 1);
    const QTableWidgetItem* status = table->item(row, 2);
    for (AbstractJob* job : m_jobs.jobs()) {
        if (job->standardItem() == status)
            job->setStandardItem(nullptr);
        if (job->sizeItem == size)
            job->sizeItem = nullptr;
        if (job->sourceRow > row)
            --job->sourceRow;
    }
    table->removeRow(row);
    Core* core = Core::instance();
    if (core->IsValidRow(row))
        core->Rows.removeAt(row);
    return true;
}

void MainWindow::RefusedDeletion()
{
    QMessageBox::information(this, QCoreApplication::applicationName(),
                             tr("A file that is being converted cannot be removed from the list. "
                                "Stop the conversion first."));
}

void MainWindow::on_actionDelete_triggered()
{
    Core* core = Core::instance();
    // The current row follows its record, so that an earlier row's removal
    // does not leave it pointing at the neighbour.
    int current = core->CurrentRow;
    bool currentRemoved = false;
    bool refused = false;
    QList<QModelIndex> selected = ui->tableWidget->selectionModel()->selectedIndexes();
    while (!selected.isEmpty()) {
        selected = deleteRepeatList(selected);
        const int row = selected.first().row();
        if (!RemoveRow(row)) {
            refused = true;
            ui->tableWidget->selectionModel()->select(
                ui->tableWidget->model()->index(row, 0),
                QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        } else if (row == current) {
            currentRemoved = true;
            current = -1;
        } else if (row < current) {
            --current;
        }
        selected = ui->tableWidget->selectionModel()->selectedIndexes();
    }
    // Once the current row's record is gone no row is current, never a
    // neighbour whose record the tabs do not show.
    SetCurrentRow(current, currentRemoved || core->Rows.isEmpty());
    if (refused)
        RefusedDeletion();
}

void MainWindow::on_actionAll_Delete_triggered()
{
    int current = Core::instance()->CurrentRow;
    bool refused = false;
    for (int row = ui->tableWidget->rowCount() - 1; row >= 0; --row) {
        if (!RemoveRow(row)) {
            refused = true;
            continue;
        }
        if (row == current)
            current = -1;
        else if (row < current)
            --current;
    }
    // Only the rows go: the work tabs keep what they show.
    SetCurrentRow(current, false);
    if (refused)
        RefusedDeletion();
}

void MainWindow::on_actionReady_to_convert_triggered()
{
    for (const QModelIndex& index : ui->tableWidget->selectionModel()->selectedIndexes()) {
        QTableWidgetItem* status = ui->tableWidget->item(index.row(), 2);
        if (!status)
            continue;
        // A row still being read, or whose file cannot be used, says so
        // again rather than look ready.
        const ST_OPTS& opts = Core::instance()->Rows.value(index.row());
        const ST_ROW_PROBLEM ready = m_reading.contains(opts.path) ? ST_ROW_PROBLEM{tr("Reading..."), QString()}
                                                                   : ReadyText(opts.media, opts.path);
        status->setText(ready.text);
        status->setToolTip(ready.details);
        status->setData(RowStateRole, RowReady);
    }
}

MainWindow::RowState MainWindow::StateOfRow(int row) const
{
    const QTableWidgetItem* status = ui->tableWidget->item(row, 2);
    return status ? RowState(status->data(RowStateRole).toInt()) : RowReady;
}

void MainWindow::OnStatusChanged(QTableWidgetItem* item)
{
    // The queue writes its words into the status cell; the row's state is
    // taken from them once, when written, and kept as data on the cell.
    if (!item || item->column() != 2 || item->data(RowStateRole).toInt() == RowCompleted)
        return;
    if (item->text() == JobsManage::tr("Completed") && !RowHasLiveJobs(item->row()))
        item->setData(RowStateRole, RowCompleted);
}

void MainWindow::on_tableWidget_customContextMenuRequested(const QPoint&)
{
    m_sourceMenu->popup(QCursor::pos());
}

void MainWindow::on_tableWidget_cellClicked(int row, int)
{
    Core* core = Core::instance();
    if (!core->IsValidRow(row))
        return;
    ui->tableWidgetMerge->clearSelection();
    SetCurrentRow(row);
    const QString subtitle = core->Rows[row].subtitlePath;
    ui->lineEditSubtitle->setText(subtitle);
    core->SetSubtitle(subtitle);
    OpenSubtitleFile(subtitle);
}
