// The merge tab: title and ending clips of a row around its source, their
// order, trim times and the running time of the joined result.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "GuiFunctions.h"

#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QTime>
#include <QTimeEdit>

#include "Core.h"
#include "MediaFunctions.h"
#include "Timecode.h"

namespace {

QTimeEdit* NewTimeEdit(qint64 microseconds)
{
    auto* edit = new QTimeEdit;
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    edit->setTime(Timecode::Int64ToQTime(microseconds));
    return edit;
}

} // namespace

void MainWindow::AppendMergeRow(const ST_MERGE& clip, bool source)
{
    QTableWidget* merge = ui->tableWidgetMerge;
    const int row = merge->rowCount();
    merge->insertRow(row);
    auto* mark = new QTableWidgetItem;
    mark->setTextAlignment(Qt::AlignCenter);
    if (source)
        mark->setIcon(QIcon(QStringLiteral(":/res/srcmain.svg")));
    merge->setItem(row, 0, mark);
    auto* name = new QTableWidgetItem(QFileInfo(clip.path).fileName());
    name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(clip.path);
    merge->setItem(row, 1, name);
    // Times set before the connections: filling a row writes nothing back.
    QTimeEdit* start = NewTimeEdit(clip.start);
    QTimeEdit* end = NewTimeEdit(clip.end);
    connect(start, &QTimeEdit::timeChanged, this, &MainWindow::OnMergeStartTime);
    connect(end, &QTimeEdit::timeChanged, this, &MainWindow::OnMergeEndTime);
    merge->setCellWidget(row, 2, start);
    merge->setCellWidget(row, 3, end);
}

void MainWindow::UpdateSrcMainMergeUI(int row)
{
    Core* core = Core::instance();
    if (core->IsValidRow(row))
        AppendMergeRow(core->Rows[row].SourceClip(), true);
}

int MainWindow::MergeSourceIndex() const
{
    QTableWidget* merge = ui->tableWidgetMerge;
    for (int r = 0; r < merge->rowCount(); ++r) {
        const QTableWidgetItem* mark = merge->item(r, 0);
        if (mark && !mark->icon().isNull())
            return r;
    }
    return 0;
}

void MainWindow::MergeTotalDuration(int row)
{
    Core* core = Core::instance();
    if (!core->IsValidRow(row))
        return;
    const ST_OPTS& opts = core->Rows[row];
    const auto length = [](qint64 start, qint64 end) { return qMax<qint64>(0, end - start); };
    qint64 total = length(opts.trimStart, opts.trimEnd);
    for (const ST_MERGE& clip : opts.titleClips)
        total += length(clip.start, clip.end);
    for (const ST_MERGE& clip : opts.endingClips)
        total += length(clip.start, clip.end);
    // A day or more is no time of day: the label stays empty then.
    const qint64 seconds = total / 1000000;
    const qint64 hours = total / 3600000000LL;
    const QTime time = hours < 24 ? QTime(int(hours), int((seconds % 3600) / 60), int(seconds % 60), 0) : QTime();
    ui->labelTotal->setText(time.toString(QStringLiteral("hh:mm:ss")));
}

void MainWindow::MoveMergeRow(int from, int to)
{
    QTableWidget* merge = ui->tableWidgetMerge;
    merge->setFocus(Qt::OtherFocusReason);
    if (from == to || from < 0 || to < 0 || from > merge->rowCount() || to > merge->rowCount())
        return;
    merge->insertRow(to);
    const int k = to < from ? from + 1 : from;
    for (int column = 0; column < 2; ++column)
        merge->setItem(to, column, merge->takeItem(k, column));
    // The table deletes a cell widget it lets go of: the moved row gets new
    // edits showing the same times, connected as every row's are.
    const auto timeAt = [merge, k](int column) {
        const auto* edit = qobject_cast<const QTimeEdit*>(merge->cellWidget(k, column));
        return edit ? Timecode::QTimeToInt64(edit->time()) : 0;
    };
    QTimeEdit* start = NewTimeEdit(timeAt(2));
    QTimeEdit* end = NewTimeEdit(timeAt(3));
    connect(start, &QTimeEdit::timeChanged, this, &MainWindow::OnMergeStartTime);
    connect(end, &QTimeEdit::timeChanged, this, &MainWindow::OnMergeEndTime);
    merge->setCellWidget(to, 2, start);
    merge->setCellWidget(to, 3, end);
    merge->removeRow(k);
    merge->selectRow(k < to ? to - 1 : to);
}

void MainWindow::StoreMergeTime(QObject* edit, const QTime& time, bool start)
{
    // The row is the one whose edit changed, not whichever row is current.
    const int c = RowOfCellWidget(ui->tableWidgetMerge, start ? 2 : 3, edit);
    Core* core = Core::instance();
    if (c < 0 || !core->IsValidRow(core->CurrentRow))
        return;
    const qint64 value = Timecode::QTimeToInt64(time);
    ST_OPTS& opts = core->Rows[core->CurrentRow];
    const int s = MergeSourceIndex();
    if (c == s) {
        (start ? opts.trimStart : opts.trimEnd) = value;
    } else {
        QList<ST_MERGE>& clips = c < s ? opts.titleClips : opts.endingClips;
        const int index = c < s ? c : c - s - 1;
        if (index >= 0 && index < clips.size())
            (start ? clips[index].start : clips[index].end) = value;
    }
    // A trim changes the running time: the label must not show the old one.
    MergeTotalDuration(core->CurrentRow);
}

void MainWindow::OnMergeStartTime(const QTime& time)
{
    StoreMergeTime(sender(), time, true);
}

void MainWindow::OnMergeEndTime(const QTime& time)
{
    StoreMergeTime(sender(), time, false);
}

void MainWindow::on_BtnMergeAdd_clicked()
{
    Core* core = Core::instance();
    if (ui->tableWidget->rowCount() == 0) {
        core->MessageBoxAddMediaFile();
        return;
    }
    if (!core->IsValidRow(core->CurrentRow))
        return;
    QToolButton* button = ui->BtnMergeAdd;
    const QPoint corner = button->mapToGlobal(QPoint(0, 0));
    m_titleEndingMenu->exec(QPoint(corner.x(), corner.y() + button->height() + 1));
}

ST_OPTS* MainWindow::SelectedMergeClip(int* clip, int* source)
{
    Core* core = Core::instance();
    if (ui->tableWidget->rowCount() == 0) {
        core->MessageBoxAddMediaFile();
        return nullptr;
    }
    *clip = ui->tableWidgetMerge->currentRow();
    *source = MergeSourceIndex();
    if (*clip < 0 || *clip == *source || !core->IsValidRow(core->CurrentRow))
        return nullptr;
    return &core->Rows[core->CurrentRow];
}

void MainWindow::on_BtnMergeDelete_clicked()
{
    int c = -1;
    int s = -1;
    ST_OPTS* selected = SelectedMergeClip(&c, &s);
    if (!selected)
        return;
    ST_OPTS& opts = *selected;
    if (c < s && c < opts.titleClips.size())
        opts.titleClips.removeAt(c);
    else if (c > s && c - s - 1 < opts.endingClips.size())
        opts.endingClips.removeAt(c - s - 1);
    ui->tableWidgetMerge->removeRow(c);
    MergeTotalDuration(Core::instance()->CurrentRow);
}

void MainWindow::on_BtnMergeUp_clicked()
{
    int c = -1;
    int s = -1;
    ST_OPTS* selected = SelectedMergeClip(&c, &s);
    if (!selected || c == 0)
        return;
    ST_OPTS& opts = *selected;
    if (c < s) {
        opts.titleClips.swapItemsAt(c, c - 1);
    } else if (c > s + 1) {
        opts.endingClips.swapItemsAt(c - s - 1, c - s - 2);
    } else if (!opts.endingClips.isEmpty()) {
        // The first ending clip passes the source: the last title clip.
        opts.titleClips.append(opts.endingClips.takeFirst());
    }
    MoveMergeRow(c, c - 1);
}

void MainWindow::on_BtnMergeDown_clicked()
{
    int c = -1;
    int s = -1;
    ST_OPTS* selected = SelectedMergeClip(&c, &s);
    if (!selected || c + 1 == ui->tableWidgetMerge->rowCount())
        return;
    ST_OPTS& opts = *selected;
    if (c < s - 1) {
        opts.titleClips.swapItemsAt(c, c + 1);
    } else if (c == s - 1) {
        if (c < opts.titleClips.size())
            opts.endingClips.prepend(opts.titleClips.takeAt(c));
    } else if (c - s < opts.endingClips.size()) {
        opts.endingClips.swapItemsAt(c - s - 1, c - s);
    }
    MoveMergeRow(c, c + 2);
}

void MainWindow::on_tableWidgetMerge_cellClicked(int row, int)
{
    ui->tableWidget->clearSelection();
    const QTableWidgetItem* name = ui->tableWidgetMerge->item(row, 1);
    if (name)
        ui->widgetPlayer->SourcePath = name->toolTip();
}

void MainWindow::AddClipsToSelectedRows(bool title)
{
    // Without a current row the tab shows no clips to add to.
    Core* core = Core::instance();
    if (!core->IsValidRow(core->CurrentRow))
        return;
    const QStringList files = AskFiles(tr("Add Media File"), QString());
    if (files.isEmpty())
        return;
    const QList<QTableWidgetSelectionRange> ranges = ui->tableWidget->selectedRanges();
    for (const QString& file : files) {
        int width = 0;
        int height = 0;
        long long duration = 0;
        GetMediaInfo(file.toUtf8().constData(), &width, &height, &duration);
        const ST_MERGE clip{file, 0, duration};
        for (const QTableWidgetSelectionRange& range : ranges) {
            for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
                if (core->IsValidRow(row))
                    (title ? core->Rows[row].titleClips : core->Rows[row].endingClips).append(clip);
            }
        }
    }
    UpdateUI(core->CurrentRow);
}

void MainWindow::on_actionAdd_title_sequence_triggered()
{
    AddClipsToSelectedRows(true);
}

void MainWindow::on_actionAdd_ending_triggered()
{
    AddClipsToSelectedRows(false);
}
