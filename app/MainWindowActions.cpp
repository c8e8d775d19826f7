// The main actions besides adding and Run: Watermark, Stop, Options, About,
// the bottom bar's buttons, the merge menu, the check boxes and media facts.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "Core.h"
#include "FileFolders.h"
#include "canvas/QWatermarkView.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/MainOptionsDialog.h"
#include "dialogs/MediaDialog.h"
#include "dialogs/QFormatDialog.h"

void MainWindow::on_actionWatermark_triggered()
{
    if (!isVisible())
        show();
    QTableWidget* table = ui->tableWidget;
    if (table->rowCount() == 0) {
        const QStringList files = WithoutLostNames(AskFiles(tr("Add File"), m_config.OpenPath));
        if (files.isEmpty())
            return;
        for (const QString& file : files)
            AddFile(file);
        ui->widgetPlayer->SourcePath = QFileInfo(files.first()).absoluteFilePath();
    }
    const int row = table->currentRow();
    Core* core = Core::instance();
    if (row < 0 || !core->IsValidRow(row) || !table->item(row, 0))
        return;
    const QString path = table->item(row, 0)->data(Qt::ToolTipRole).toString();
    if (!QFileInfo(path).isFile())
        return;
    // The row is made current before the editor reads its flips and crop.
    SetCurrentRow(row);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        m_editor.setGeometry(screen->geometry());
    m_editor.showMaximized();
    m_editor.InitCanvas(path);
    m_editor.View()->updatePlayer();
    const QString subtitle = core->Rows.at(row).subtitlePath;
    if (!subtitle.isEmpty() && QFileInfo(subtitle).isFile())
        m_editor.OpenSubtitle(subtitle);
}

void MainWindow::on_actionStop_triggered()
{
    StopJobs();
}

void MainWindow::on_actionOptions_triggered()
{
    if (!isVisible())
        show();
    MainOptionsDialog dialog;
    dialog.language = m_config.Language;
    dialog.threads = m_config.Threads;
    dialog.InitDialog();
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_config.Threads = dialog.threads;
    m_jobs.setMaxRunning(dialog.threads);
    if (dialog.language == m_config.Language)
        return;
    m_config.Language = dialog.language;
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(),
                    tr("You must restart Lumacrest to switch to the new language.\nDo you want to restart now?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    m_nExitCode = 42;
    QApplication::closeAllWindows();
    if (m_trayIcon)
        m_trayIcon->hide();
    // A converter must not outlive the program that would restart without it.
    StopJobs();
    SaveSettings();
    QCoreApplication::exit(m_nExitCode);
}

void MainWindow::SaveSettings()
{
    // Said, not only logged: what the user set would be gone at the next start.
    if (!m_config.Save())
        QMessageBox::warning(this, QCoreApplication::applicationName(),
                             tr("The settings could not be saved to %1.").arg(ShownPath(m_config.IniPath)));
}

void MainWindow::on_actionAbout_triggered()
{
    AboutDialog dialog;
    dialog.exec();
}

void MainWindow::on_toolButtonFormatOption_clicked()
{
    QFormatDialog dialog;
    const int index = ui->comboBoxFormat->currentIndex();
    if (index >= FORMAT_MP4 && index <= FORMAT_WAV)
        dialog.SetFormat(index);
    dialog.SetContainerCombo(ui->comboBoxFormat);
    dialog.LoadConfigFormat();
    dialog.exec();
}

void MainWindow::on_toolButtonOutput_clicked()
{
    const QString folder = AskFolder(tr("Folder"), m_config.OutPath);
    if (folder.isEmpty())
        return;
    ui->lineEditOutput->setText(folder);
    m_config.OutPath = folder;
}

void MainWindow::on_toolButtonOpen_clicked()
{
    // Where no file manager runs, the press would otherwise do nothing at all.
    if (!m_config.OutPath.isEmpty() && !ShowInFolder(m_config.OutPath))
        QMessageBox::information(this, QCoreApplication::applicationName(),
                                 tr("No file manager can show the folder \"%1\" on this desktop.")
                                     .arg(ShownPath(m_config.OutPath)));
}

void MainWindow::on_tableWidgetMerge_customContextMenuRequested(const QPoint&)
{
    m_mergeMenu->popup(QCursor::pos());
}

void MainWindow::on_checkBoxSubtitleStream_stateChanged(int state)
{
    Core* core = Core::instance();
    if (core->IsValidRow(core->CurrentRow))
        core->Rows[core->CurrentRow].subtitleStream = state != 0;
}

void MainWindow::on_checkBoxCoverage_stateChanged(int state)
{
    m_config.Coverage = state != 0;
}

namespace {

void ShowMediaInfo(QTableWidget* table, int column)
{
    const QModelIndexList selected = table->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const QTableWidgetItem* item = table->item(selected.first().row(), column);
    if (!item)
        return;
    MediaDialog dialog;
    dialog.path = item->data(Qt::ToolTipRole).toString();
    dialog.InitMediaInfo();
    dialog.exec();
}

} // namespace

void MainWindow::on_actionMediaInfo_triggered()
{
    ShowMediaInfo(ui->tableWidget, 0);
}

void MainWindow::on_actionMerge_Media_Infomation_triggered()
{
    ShowMediaInfo(ui->tableWidgetMerge, 1);
}
