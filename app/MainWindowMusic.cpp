// The soundtrack tab: the files that replace a row's sound, in play order,
// and their total running time.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QTime>

#include "Core.h"
#include "FileFolders.h"

void MainWindow::MusicTotalDuration()
{
    // The sum of the durations the rows show. A row shows none for a file of
    // a day or more, and then so does the total: it is at least a day.
    QTableWidget* music = ui->tableWidgetMusic;
    qint64 seconds = 0;
    for (int row = 0; row < music->rowCount(); ++row) {
        const QTableWidgetItem* item = music->item(row, 1);
        if (!item)
            continue;
        const QTime time = QTime::fromString(item->text(), Qt::TextDate);
        if (!time.isValid()) {
            seconds = 24 * 3600;
            break;
        }
        seconds += time.hour() * 3600 + time.minute() * 60 + time.second();
    }
    const QTime total = seconds < 24 * 3600
        ? QTime(int(seconds / 3600), int((seconds % 3600) / 60), int(seconds % 60), 0)
        : QTime();
    ui->labelTotalMusic->setText(total.toString(QStringLiteral("hh:mm:ss")));
}

void MainWindow::moveRow(QTableWidget* table, int from, int to)
{
    table->setFocus(Qt::OtherFocusReason);
    if (from == to || from < 0 || to < 0 || from > table->rowCount() || to > table->rowCount())
        return;
    table->insertRow(to);
    const int k = to < from ? from + 1 : from;
    for (int column = 0; column < table->columnCount(); ++column)
        table->setItem(to, column, table->takeItem(k, column));
    table->removeRow(k);
    table->selectRow(k < to ? to - 1 : to);
}

namespace {

bool GuardSources(QTableWidget* sources)
{
    if (sources->rowCount() > 0)
        return true;
    Core::instance()->MessageBoxAddMediaFile();
    return false;
}

} // namespace

void MainWindow::on_BtnMusicAdd_clicked()
{
    if (!GuardSources(ui->tableWidget))
        return;
    // No row current: no record to give the files to, so nothing to ask.
    Core* core = Core::instance();
    if (!core->IsValidRow(core->CurrentRow))
        return;
    const QStringList files = AskFiles(tr("Add Music File"), QString());
    for (const QString& file : files) {
        if (!core->IsValidRow(core->CurrentRow))
            break;
        core->Rows[core->CurrentRow].musicFiles << file;
        AddMusicFile(file);
    }
    MusicTotalDuration();
}

void MainWindow::on_BtnMusicDelete_clicked()
{
    if (!GuardSources(ui->tableWidget))
        return;
    const int r = ui->tableWidgetMusic->currentRow();
    ui->tableWidgetMusic->removeRow(r);
    MusicTotalDuration();
    Core* core = Core::instance();
    if (r >= 0 && core->IsValidRow(core->CurrentRow) && r < core->Rows[core->CurrentRow].musicFiles.size())
        core->Rows[core->CurrentRow].musicFiles.removeAt(r);
}

namespace {

void MusicFilesFromTable(QTableWidget* music)
{
    Core* core = Core::instance();
    if (!core->IsValidRow(core->CurrentRow))
        return;
    QStringList& files = core->Rows[core->CurrentRow].musicFiles;
    files.clear();
    for (int row = 0; row < music->rowCount(); ++row) {
        if (const QTableWidgetItem* item = music->item(row, 0))
            files << item->toolTip();
    }
}

} // namespace

void MainWindow::on_BtnMusicUp_clicked()
{
    if (!GuardSources(ui->tableWidget))
        return;
    const int r = ui->tableWidgetMusic->currentRow();
    moveRow(ui->tableWidgetMusic, r, r - 1);
    MusicFilesFromTable(ui->tableWidgetMusic);
}

void MainWindow::on_BtnMusicDown_clicked()
{
    if (!GuardSources(ui->tableWidget))
        return;
    const int r = ui->tableWidgetMusic->currentRow();
    moveRow(ui->tableWidgetMusic, r, r + 2);
    MusicFilesFromTable(ui->tableWidgetMusic);
}
