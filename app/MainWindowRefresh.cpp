// The refresh of every work tab from the record of the row made current.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include "Core.h"
#include "Timecode.h"

QComboBox* MainWindow::UIQComboBoxFormat()
{
    return ui->comboBoxFormat;
}

void MainWindow::UpdateUI(int row)
{
    Core* core = Core::instance();
    QTableWidgetItem* sourceItem = ui->tableWidget->item(row, 0);
    if (row < 0 || row >= ui->tableWidget->rowCount() || !sourceItem || !core->IsValidRow(row))
        return;
    core->CurrentRow = row;
    const QString source = sourceItem->toolTip();
    ui->widgetPlayer->SourcePath = source;
    const ST_OPTS opts = core->Rows[row];

    for (int r = ui->tableWidgetMerge->rowCount() - 1; r >= 0; --r)
        ui->tableWidgetMerge->removeRow(r);
    for (const ST_MERGE& clip : opts.titleClips)
        AppendMergeRow(clip, false);
    UpdateSrcMainMergeUI(row);
    for (const ST_MERGE& clip : opts.endingClips)
        AppendMergeRow(clip, false);
    MergeTotalDuration(row);

    for (int r = ui->tableWidgetSplit->rowCount() - 1; r >= 0; --r)
        ui->tableWidgetSplit->removeRow(r);
    for (const ST_SPLIT_TIME& range : opts.splitRanges)
        AddSplitFile(source, range.start, range.end);

    {
        // Filled from the record: nothing is written back while filling, so
        // a value the edits cannot show is not replaced by what they showed.
        const QSignalBlocker combo(ui->comboBoxSplit);
        const QSignalBlocker count(ui->spinBoxSplitNum);
        const QSignalBlocker time(ui->timeEditSplit);
        const QSignalBlocker end(ui->timeEditEnd);
        ui->comboBoxSplit->setCurrentIndex(opts.splitMode);
        ui->spinBoxSplitNum->setValue(opts.splitCount);
        ui->timeEditSplit->setTime(Timecode::Int64ToQTime(opts.splitTime));
        ui->timeEditEnd->setTime(Timecode::Int64ToQTime(opts.splitEndTime));
    }
    ShowSplitWidgets(ui->comboBoxSplit->currentIndex());

    {
        const QSignalBlocker stream(ui->checkBoxSubtitleStream);
        ui->checkBoxSubtitleStream->setChecked(opts.subtitleStream);
    }

    for (int r = ui->tableWidgetMusic->rowCount() - 1; r >= 0; --r)
        ui->tableWidgetMusic->removeRow(r);
    for (const QString& file : opts.musicFiles)
        AddMusicFile(file);
    // The total under the list is the one of the files it now shows.
    MusicTotalDuration();
}

void MainWindow::SetCurrentRow(int row, bool clearTabs)
{
    Core* core = Core::instance();
    if (core->IsValidRow(row) && ui->tableWidget->item(row, 0)) {
        UpdateUI(row);
        return;
    }
    core->CurrentRow = -1;
    if (clearTabs)
        ClearTabs();
}

void MainWindow::ClearTabs()
{
    ui->tableWidgetMerge->setRowCount(0);
    ui->labelTotal->setText(QStringLiteral("00:00:00"));
    ui->tableWidgetSplit->setRowCount(0);
    {
        // The settings of no row: shown as at start-up, written nowhere.
        const QSignalBlocker combo(ui->comboBoxSplit);
        const QSignalBlocker count(ui->spinBoxSplitNum);
        const QSignalBlocker time(ui->timeEditSplit);
        const QSignalBlocker end(ui->timeEditEnd);
        const QSignalBlocker stream(ui->checkBoxSubtitleStream);
        ui->comboBoxSplit->setCurrentIndex(0);
        ui->spinBoxSplitNum->setValue(0);
        ui->timeEditSplit->setTime(QTime(0, 0));
        ui->timeEditEnd->setTime(QTime(0, 0));
        ui->checkBoxSubtitleStream->setChecked(false);
    }
    ShowSplitWidgets(0);
    ui->tableWidgetMusic->setRowCount(0);
    MusicTotalDuration();
    m_subtitleModel->removeRows(0, m_subtitleModel->rowCount());
    ui->lineEditSubtitle->clear();
    ui->widgetPlayer->SourcePath.clear();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The editor worked on the current row's record: once it is closed the
    // tabs show that record as it is now (or keep what they show when no
    // row is current).
    if (watched == &m_editor && event->type() == QEvent::Hide)
        SetCurrentRow(Core::instance()->CurrentRow, false);
    return QMainWindow::eventFilter(watched, event);
}
