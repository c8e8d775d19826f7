// The subtitle tab: a subtitle file for the selected rows, its events listed,
// and the subtitles Core holds saved as ASS or SRT.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QStandardItemModel>

#include "Core.h"
#include "EditorMainWindow.h"
#include "Timecode.h"

void MainWindow::AddSubtitle(const QString& text, qint64 start, qint64 end)
{
    const int r = m_subtitleModel->rowCount();
    const QString format = QStringLiteral("HH:mm:ss:zzz");
    m_subtitleModel->setItem(r, 0, new QStandardItem(Timecode::Int64ToQTime(start * 1000).toString(format)));
    m_subtitleModel->setItem(r, 1, new QStandardItem(Timecode::Int64ToQTime(end * 1000).toString(format)));
    m_subtitleModel->setItem(r, 2, new QStandardItem(text));
}

void MainWindow::ReloadEditorSubtitles()
{
    // The editor's subtitle dock edits Core's events in place by row: after
    // another file was read into Core its rows must be those of the new list.
    if (EditorMainWindow* editor = Core::instance()->EditorWindow())
        editor->SubtitlePanel()->Reload();
}

void MainWindow::OpenSubtitleFile(const QString& path)
{
    m_subtitleModel->clear();
    m_subtitleModel->setHorizontalHeaderLabels({tr("Start Time"), tr("End Time"), tr("Subtitle")});
    QTableView* view = ui->tableViewSubtitle;
    view->setColumnWidth(0, 120);
    view->setColumnWidth(1, 120);
    view->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    view->verticalHeader()->setDefaultSectionSize(40);

    SubtitleParser& parser = Core::instance()->Subtitle;
    const QString type = path.right(3).toLower();
    // Only a regular file is read: a pipe would hold the window for ever,
    // one too large for long. The events listed before go all the same, as
    // reading would have dropped them: the editor and Save must not go on
    // with another file's events.
    const QFileInfo info(path);
    const bool large = info.isFile() && SubtitleParser::IsTooLarge(path);
    if (!info.isFile() || large) {
        // An ASS or SSA file that cannot be read leaves a new document, as a
        // failed read does; an SRT file replaces the events alone.
        const bool ass = type == QLatin1String("ass") || type == QLatin1String("ssa");
        if (ass || (type == QLatin1String("srt") && info.exists() && !info.isDir())) {
            parser.setFileName(path);
            if (ass)
                parser.Reset();
            else
                parser.Events.clear();
            ReloadEditorSubtitles();
        }
        if (large)
            QMessageBox::warning(this, QCoreApplication::applicationName(), SubtitleParser::TooLargeMessage(path));
        return;
    }
    bool read = false;
    if (type == QLatin1String("srt")) {
        parser.setFileName(path);
        // Read only: listing a file must never be able to change it.
        read = parser.ReadSRTFile();
    } else if (type == QLatin1String("ass") || type == QLatin1String("ssa")) {
        parser.setFileName(path);
        parser.ASSParser();
        read = true;
    }
    if (!read)
        return;
    for (const ST_ASS_EVENT& event : qAsConst(parser.Events))
        AddSubtitle(event.Text, event.Start, event.End);
    ReloadEditorSubtitles();
}

void MainWindow::on_BtnSubtitleOpen_clicked()
{
    Core* core = Core::instance();
    if (ui->tableWidget->rowCount() == 0) {
        core->MessageBoxAddMediaFile();
        return;
    }
    const QString path = AskOpenFile(tr("Open Subtitle File"), tr("Subtitle File(*.srt *.ass *.ssa)"));
    if (path.isEmpty())
        return;
    if (SubtitleParser::IsTooLarge(path)) {
        QMessageBox::warning(this, QCoreApplication::applicationName(), SubtitleParser::TooLargeMessage(path));
        return;
    }
    for (const QTableWidgetSelectionRange& range : ui->tableWidget->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            if (!core->IsValidRow(row))
                continue;
            core->Rows[row].subtitlePath = path;
            core->Rows[row].subtitle = true;
            core->SetSubtitle(path);
        }
    }
    ui->lineEditSubtitle->setText(path);
    OpenSubtitleFile(path);
}

void MainWindow::on_BtnSubtitleSave_clicked()
{
    Core* core = Core::instance();
    const QFileInfo current(core->SubtitlePath);
    const QString proposed = current.isFile() ? current.completeBaseName() : QString();
    // A name of another ending ("movie.en" for movie.en.srt) gets the
    // chosen filter's extension: a save must write a file.
    const QString path = AskSaveFile(tr("Save ASS File"), proposed, tr("ASS File(*.ass);;SRT File(*.srt)"),
                                     {QStringLiteral("srt"), QStringLiteral("ass"), QStringLiteral("ssa")});
    if (path.isEmpty())
        return;
    core->SetSubtitle(path);
    const QString type = path.right(3).toLower();
    bool written = false;
    if (type == QLatin1String("srt"))
        written = core->Subtitle.SaveSRT(path);
    else if (type == QLatin1String("ass") || type == QLatin1String("ssa"))
        written = core->Subtitle.SaveASS(path);
    if (!written) {
        QMessageBox::warning(this, QCoreApplication::applicationName(),
                             tr("The subtitle file %1 could not be written.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    core->SubtitleModified = false;
}
