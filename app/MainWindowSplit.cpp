// The split tab: how a row is cut (a part count, a part length or one
// section) and the explicit ranges, each with a picture of its first frame.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "GuiFunctions.h"

#include <QDebug>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTime>
#include <QTimeEdit>

#include "Core.h"
#include "MediaFunctions.h"
#include "Timecode.h"
#include "docks/TimeLabel.h"

void MainWindow::AddSplitFile(const QString& path, qint64 start, qint64 end)
{
    QTableWidget* split = ui->tableWidgetSplit;
    const int row = split->rowCount();
    split->insertRow(row);
    auto* preview = new QLabel;
    auto* startEdit = new QTimeEdit;
    auto* endEdit = new QTimeEdit;
    auto* length = new TimeLabel;
    startEdit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    endEdit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    preview->setAlignment(Qt::AlignCenter);
    QImage frame;
    GetMediaImage(path.toUtf8().constData(), &frame, start);
    if (!frame.isNull())
        preview->setPixmap(QPixmap::fromImage(frame.scaled(80, 40, Qt::KeepAspectRatio, Qt::FastTransformation)));
    // The times go in before the connections: filling a row writes nothing.
    startEdit->setTime(Timecode::Int64ToQTime(start));
    endEdit->setTime(Timecode::Int64ToQTime(end));
    length->onStartTime(startEdit->time());
    length->onEndTime(endEdit->time());
    length->setText(end <= start ? QStringLiteral("00:00:00:000")
                                 : Timecode::Int64ToQTime(end - start).toString(QStringLiteral("HH:mm:ss:zzz")));
    connect(startEdit, &QTimeEdit::timeChanged, this, &MainWindow::OnSplitStartTime);
    connect(startEdit, &QTimeEdit::timeChanged, length, &TimeLabel::onStartTime);
    connect(endEdit, &QTimeEdit::timeChanged, this, &MainWindow::OnSplitEndTime);
    connect(endEdit, &QTimeEdit::timeChanged, length, &TimeLabel::onEndTime);
    split->setRowHeight(row, 40);
    split->setCellWidget(row, 0, preview);
    split->setCellWidget(row, 1, startEdit);
    split->setCellWidget(row, 2, endEdit);
    split->setCellWidget(row, 3, length);
}

void MainWindow::StoreSplitTime(QObject* edit, const QTime& time, bool start)
{
    // The range is the one whose edit changed, not whichever row is current.
    const int r = RowOfCellWidget(ui->tableWidgetSplit, start ? 1 : 2, edit);
    Core* core = Core::instance();
    if (r < 0 || !core->IsValidRow(core->CurrentRow))
        return;
    QList<ST_SPLIT_TIME>& ranges = core->Rows[core->CurrentRow].splitRanges;
    if (r < ranges.size())
        (start ? ranges[r].start : ranges[r].end) = Timecode::QTimeToInt64(time);
}

void MainWindow::OnSplitStartTime(const QTime& time)
{
    StoreSplitTime(sender(), time, true);
}

void MainWindow::OnSplitEndTime(const QTime& time)
{
    StoreSplitTime(sender(), time, false);
}

void MainWindow::ShowSplitWidgets(int mode)
{
    ui->spinBoxSplitNum->setVisible(mode == 0);
    ui->timeEditSplit->setVisible(mode != 0);
    ui->timeEditEnd->setVisible(mode != 0 && mode != 1);
}

void MainWindow::on_comboBoxSplit_currentIndexChanged(int index)
{
    ShowSplitWidgets(index);
    Core* core = Core::instance();
    if (core->IsValidRow(core->CurrentRow))
        core->Rows[core->CurrentRow].splitMode = index;
}

namespace {

// Each settings edit stores its own value and the mode shown beside it.
ST_OPTS* SplitRow()
{
    Core* core = Core::instance();
    return core->IsValidRow(core->CurrentRow) ? &core->Rows[core->CurrentRow] : nullptr;
}

} // namespace

void MainWindow::on_spinBoxSplitNum_valueChanged(int value)
{
    if (ST_OPTS* opts = SplitRow()) {
        opts->splitCount = value;
        opts->splitMode = ui->comboBoxSplit->currentIndex();
    }
}

void MainWindow::on_timeEditSplit_timeChanged(const QTime& time)
{
    if (ST_OPTS* opts = SplitRow()) {
        opts->splitTime = Timecode::QTimeToInt64(time);
        opts->splitMode = ui->comboBoxSplit->currentIndex();
    }
}

void MainWindow::on_timeEditEnd_timeChanged(const QTime& time)
{
    if (ST_OPTS* opts = SplitRow()) {
        opts->splitEndTime = Timecode::QTimeToInt64(time);
        opts->splitMode = ui->comboBoxSplit->currentIndex();
    }
}

void MainWindow::on_BtnSplitAdd_clicked()
{
    Core* core = Core::instance();
    const int mode = ui->comboBoxSplit->currentIndex();
    const qint64 time = Timecode::QTimeToInt64(ui->timeEditSplit->time());
    const qint64 endTime = Timecode::QTimeToInt64(ui->timeEditEnd->time());
    for (const QTableWidgetSelectionRange& range : ui->tableWidget->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            const QTableWidgetItem* item = ui->tableWidget->item(row, 0);
            if (!item || !core->IsValidRow(row))
                continue;
            int width = 0;
            int height = 0;
            long long d = 0; // a source the probe cannot open has no parts
            GetMediaInfo(item->toolTip().toUtf8().constData(), &width, &height, &d);
            QList<ST_SPLIT_TIME>& ranges = core->Rows[row].splitRanges;
            if (mode == 0) {
                const int n = ui->spinBoxSplitNum->value();
                if (n == 0)
                    return;
                // No duration, no parts: n empty ranges would only fail later.
                if (d <= 0)
                    continue;
                const qint64 step = d / n;
                for (int k = 0; k < n; ++k)
                    ranges.append(ST_SPLIT_TIME{k * step, (k + 1) * step});
                qDebug() << item->text();
            } else if (mode == 1) {
                if (d <= 0 || time <= 0)
                    continue;
                for (qint64 at = 0; at < d; at += time)
                    ranges.append(ST_SPLIT_TIME{at, qMin(at + time, qint64(d))});
            } else {
                ranges.append(ST_SPLIT_TIME{time, endTime == 0 ? qint64(d) : endTime});
            }
        }
    }
    UpdateUI(core->CurrentRow);
}

void MainWindow::on_BtnSplitDel_clicked()
{
    QTableWidget* split = ui->tableWidgetSplit;
    QList<QModelIndex> selected = split->selectionModel()->selectedIndexes();
    while (!selected.isEmpty()) {
        selected = deleteRepeatList(selected);
        split->removeRow(selected.first().row());
        selected = split->selectionModel()->selectedIndexes();
    }
    Core* core = Core::instance();
    if (!core->IsValidRow(core->CurrentRow))
        return;
    QList<ST_SPLIT_TIME>& ranges = core->Rows[core->CurrentRow].splitRanges;
    ranges.clear();
    for (int row = 0; row < split->rowCount(); ++row) {
        const auto* start = qobject_cast<const QTimeEdit*>(split->cellWidget(row, 1));
        const auto* end = qobject_cast<const QTimeEdit*>(split->cellWidget(row, 2));
        if (start && end)
            ranges.append(ST_SPLIT_TIME{Timecode::QTimeToInt64(start->time()), Timecode::QTimeToInt64(end->time())});
    }
}
