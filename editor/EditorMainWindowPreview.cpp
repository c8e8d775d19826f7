// The editor's preview: the current row played with its filter graph in a
// rectangle laid exactly over the canvas frame; pause and stop put the
// current picture back on the canvas.
#include "EditorMainWindow.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"
#include "Slider.h"
#include "ffplay.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QTimeEdit>
#include <QToolButton>

bool EditorMainWindow::IsPreviewIdle() const
{
    return !m_previewing && m_playing;
}

void EditorMainWindow::SetPlayButton(bool showPause)
{
    if (showPause) {
        m_playerDock.m_btnPlay->setIcon(QIcon(QStringLiteral(":/res/playerpause.svg")));
        m_playerDock.m_btnPlay->setToolTip(tr("Pause"));
    } else {
        m_playerDock.m_btnPlay->setIcon(QIcon(QStringLiteral(":/res/playerplay.svg")));
        m_playerDock.m_btnPlay->setToolTip(tr("Play"));
    }
}

void EditorMainWindow::ShowCanvasView()
{
    m_playerSurface->hide();
    m_playerHost->hide();
    m_playerArea->hide();
    m_view->show();
}

void EditorMainWindow::ShowPlayerView()
{
    m_playerSurface->show();
    m_playerHost->show();
    m_playerArea->show();
    m_view->hide();
}

void EditorMainWindow::ShowPosition(long long microseconds)
{
    const long long ms = microseconds / 1000;
    m_playerDock.m_slider->setValue(int(qBound<long long>(0, ms, INT_MAX)));
    const long long seconds = ms / 1000;
    m_playerDock.m_timeEdit->setTime(QTime(int(seconds / 3600), int((seconds % 3600) / 60), int(seconds % 60),
                                           int(microseconds % 1000000 / 1000)));
}

void EditorMainWindow::OnPlayPause()
{
    m_view->updatePlayer();
    if (m_previewing && m_playing) {
        SetPlayButton(false);
        JxPlayerPause();
        m_playing = false;
        SeekToCanvasView();
        return;
    }
    if (m_previewing && !m_playing) {
        SetPlayButton(true);
        JxPlayerPause();
        m_playing = true;
        ShowPlayerView();
        return;
    }

    // A source without a frame size (nothing on the canvas, a zero height)
    // cannot be laid over the canvas: nothing starts.
    const QSize frame = GetVideoSize();
    if (m_sourcePath.isEmpty() || frame.width() <= 0 || frame.height() <= 0) {
        Tell(tr("The source cannot be previewed: it has no picture size."));
        return;
    }
    // The preview shows what the conversion makes: a row whose files cannot
    // all be had is not shown without them, nor with another's.
    Core* core = Core::instance();
    ST_ROW_PROBLEM problem;
    const QString filter = core->GetCommandArg(core->CurrentRow, &problem);
    if (!problem.isEmpty()) {
        Tell(problem.details);
        return;
    }
    SetPlayButton(true);
    const QSize size = CreatePlayerView();
    g_nPlayWindow = 1;
    m_previewing = true;
    m_playerDock.m_slider->setEnabled(true);
    m_playerTimer.start(1);

    // The player reads the filter text while it plays: it stays in a member
    // for the whole preview, as UTF-8 (paths in it may be any language).
    m_filter = filter.toUtf8();
    if (!filter.isEmpty()) {
        qDebug() << filter;
        JxPlayerAddVfilter(m_filter.constData());
    }
    const QByteArray source = m_sourcePath.toUtf8();
    JxPlayerStart(source.constData(), m_playerSurface, nullptr, this, 0, 0, size.width(), size.height());
    // The player runs this window's OnStop when a start fails (missing file,
    // broken filter) or the stream ends. Any start that still returns with the
    // play flag set was left running by nobody: back to idle.
    if (m_previewing)
        OnStop();
}

QSize EditorMainWindow::CreatePlayerView()
{
    delete m_playerSurface;
    m_view->hide();
    m_playerArea->show();
    m_playerHost->show();
    m_playerSurface = new QWidget(m_playerHost);
    const QSize frame = GetVideoSize();
    const int hh = m_playerHost->height();
    const int w = frame.height() > 0 ? int(qint64(hh) * frame.width() / frame.height()) : 0;
    m_playerSurface->setGeometry(0, 0, w, hh);
    m_playerSurface->show();
    return QSize(w, hh);
}

void EditorMainWindow::OnPlayerRect(const QRect& rect)
{
    qDebug() << "EditorMainWindow::OnPlayerRect" << rect;
    // The rectangle is on the view's viewport; the player area stands where
    // the whole view stands, frame included.
    const QPoint offset = m_view->viewport()->geometry().topLeft();
    const int w = qMax(1, rect.width() - 1);
    const int h = qMax(1, rect.height() - 1);
    m_playerHost->setGeometry(rect.x() + offset.x(), rect.y() + offset.y(), w, h);
    m_playerSurface->setGeometry(0, 0, w, h);
    const QPoint global = m_playerSurface->mapToGlobal(QPoint(0, 0));
    JxPlayerResize(global.x(), global.y(), w, h);
}

void EditorMainWindow::SeekToCanvasView()
{
    if (QCanvasItem* frame = m_scene->CanvasItem()) {
        const QImage& stored = frame->GetLayer()->Image;
        QImage picture;
        JxPlayerGetPicture(&picture, stored.width(), stored.height());
        if (!picture.isNull()) {
            frame->GetLayer()->Image = picture;
            frame->ItemUpdate();
        }
    }
    ShowCanvasView();
}

void EditorMainWindow::SeekToPlayerView()
{
    ShowPlayerView();
}

void EditorMainWindow::OnStop()
{
    const bool wasPlaying = m_playing;
    m_playing = true;
    SetPlayButton(false);
    m_playerDock.m_slider->setEnabled(false);
    m_playerTimer.stop();
    // The play flag and the player are shared with the main window's
    // player: without a preview of its own the editor leaves them alone.
    if (!m_previewing) {
        ShowCanvasView();
        return;
    }
    // Stopped while playing: the last picture goes on the canvas (while
    // paused it is there already).
    if (wasPlaying)
        SeekToCanvasView();
    m_previewing = false;
    g_nPlayWindow = 0;
    long long position = JxPlayerGetPosition();
    JxPlayerStop();
    if (position < 0)
        position = 0;
    ShowPosition(position);
    ShowCanvasView();
}

void EditorMainWindow::OnTimerPlayerUI()
{
    const long long position = JxPlayerGetPosition();
    if (position > 0) {
        m_shownPosition = int(qBound<long long>(0, position / 1000, INT_MAX));
        ShowPosition(position);
    }
}

void EditorMainWindow::OnSliderPressed()
{
    ShowPlayerView();
    m_playerTimer.stop();
    qDebug() << "OnSliderPressed";
}

void EditorMainWindow::OnSliderSeek(int ms)
{
    m_shownPosition = ms;
    JxPlayerSetPosition(ms / 1000.0);
    m_playerDock.m_slider->setValue(ms);
    const int seconds = ms / 1000;
    m_playerDock.m_timeEdit->setTime(QTime(seconds / 3600, (seconds % 3600) / 60, seconds % 60, ms % 1000));
    qDebug() << "OnSeek" << ms;
}

void EditorMainWindow::OnSliderReleased()
{
    m_playerTimer.start(1);
    qDebug() << "OnSliderReleased";
    if (m_previewing && !m_playing)
        SeekToCanvasView();
}

void EditorMainWindow::OnCopyTime()
{
    const QString text = m_playerDock.m_timeEdit->text();
    QApplication::clipboard()->setText(text);
    qDebug() << "OnCopyTime" << text;
}

void EditorMainWindow::OnTimerSliderSeekUI() {}
