#include "QPlayerWidget.h"

#include "Core.h"
#include "MediaFunctions.h"
#include "ST_MEDIA_INFO.h"
#include "Slider.h"
#include "ffplay.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QResizeEvent>
#include <QTime>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>

namespace {
// The position timer's interval: the slider follows the playback closely.
const int kTimerInterval = 1;
} // namespace

QPlayerWidget::QPlayerWidget(QWidget* parent) : QWidget(parent)
{
    m_pVideoArea = new QWidget(this);
    m_pVideoArea->setObjectName(QStringLiteral("playerVideoArea"));
    QPalette black = m_pVideoArea->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_pVideoArea->setPalette(black);
    m_pVideoArea->setAutoFillBackground(true);
    m_pVideoArea->installEventFilter(this);

    // Made here rather than at the first play, so every resize places it; the
    // player turns it into its drawing surface at each start.
    m_pHost = new QWidget(m_pVideoArea);
    m_pHost->setObjectName(QStringLiteral("playerHost"));
    m_pHost->hide();

    m_pButtonBar = new QWidget(this);
    m_pButtonBar->setMaximumHeight(30);
    m_pPlayButton = new QToolButton(m_pButtonBar);
    m_pStopButton = new QToolButton(m_pButtonBar);
    m_pCopyTimeButton = new QToolButton(m_pButtonBar);

    m_pSlider = new Slider(this);
    m_pSlider->setEnabled(false);
    m_pSlider->setTracking(false);
    m_pSlider->setOrientation(Qt::Horizontal);
    m_pSlider->setMinimum(0);

    m_pTimeEdit = new QTimeEdit(this);
    m_pTimeEdit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    m_pTimeEdit->setStyleSheet(QStringLiteral("QTimeEdit::up-button,QTimeEdit::down-button{width:0px;}"));

    SetPlayLook(false);
    m_pStopButton->setIcon(QIcon(QStringLiteral(":/res/playerstop.svg")));
    m_pStopButton->setToolTip(tr("Stop"));
    m_pCopyTimeButton->setIcon(QIcon(QStringLiteral(":/res/copytime.svg")));
    m_pCopyTimeButton->setToolTip(tr("Copy Time"));

    m_pBarLayout = new QHBoxLayout(m_pButtonBar);
    m_pBarLayout->setSpacing(0);
    m_pBarLayout->setContentsMargins(1, 1, 1, 1);
    m_pBarLayout->addWidget(m_pPlayButton);
    m_pBarLayout->addWidget(m_pStopButton);
    m_pBarLayout->addStretch();
    m_pBarLayout->addWidget(m_pTimeEdit);
    m_pBarLayout->addWidget(m_pCopyTimeButton);

    m_pMainLayout = new QVBoxLayout(this);
    m_pMainLayout->setSpacing(0);
    m_pMainLayout->setContentsMargins(0, 0, 0, 0);
    m_pMainLayout->addWidget(m_pVideoArea);
    m_pMainLayout->addWidget(m_pSlider);
    m_pMainLayout->addWidget(m_pButtonBar);

    m_pTimer = new QTimer(this);

    connect(m_pPlayButton, &QToolButton::clicked, this, &QPlayerWidget::OnPlayPause);
    connect(m_pStopButton, &QToolButton::clicked, this, &QPlayerWidget::OnStop);
    connect(m_pCopyTimeButton, &QToolButton::clicked, this, &QPlayerWidget::OnCopyTime);
    connect(m_pSlider, &Slider::sliderMoved, this, &QPlayerWidget::OnSliderSeek);
    connect(m_pSlider, &Slider::sliderPressed, this, &QPlayerWidget::OnSliderPressed);
    connect(m_pSlider, &Slider::sliderReleased, this, &QPlayerWidget::OnSliderReleased);
    connect(m_pTimer, &QTimer::timeout, this, &QPlayerWidget::OnTimer);
}

QPlayerWidget::~QPlayerWidget()
{
    // The host goes with this widget: the playback must not outlive it.
    if (m_bPlaying) {
        m_bPlaying = false;
        g_nPlayWindow = 0;
        JxPlayerStop();
    }
}

QRect QPlayerWidget::FitVideo(const QSize& area, const QSize& source)
{
    if (area.width() <= 0 || area.height() <= 0)
        return QRect();
    qint64 sourceWidth = source.width();
    qint64 sourceHeight = source.height();
    if (sourceWidth <= 0 || sourceHeight <= 0) {
        sourceWidth = 16;
        sourceHeight = 10;
    }
    // Fill the height; a source wider than the area fills the width instead.
    qint64 width = area.height() * sourceWidth / sourceHeight;
    qint64 height = area.height();
    if (width > area.width()) {
        width = area.width();
        height = area.width() * sourceHeight / sourceWidth;
    }
    width = qMax<qint64>(1, width);
    height = qMax<qint64>(1, height);
    return QRect(static_cast<int>((area.width() - width) / 2), static_cast<int>((area.height() - height) / 2),
                 static_cast<int>(width), static_cast<int>(height));
}

void QPlayerWidget::ProbeSource()
{
    // The picture as the player shows it: upright, at the aspect of its pixels.
    const ST_MEDIA_INFO info = SourcePath.isEmpty() ? ST_MEDIA_INFO() : ProbeMediaInfo(SourcePath);
    const QSize shown = info.hasVideo ? info.ShownSize() : QSize();
    m_videoSize = shown.isEmpty() ? QSize(16, 10) : shown;
    m_nDuration = info.duration > 0 ? info.duration : 0;
    m_strProbedPath = SourcePath;
    m_bProbed = true;
}

QSize QPlayerWidget::GetVideoSize()
{
    if (!m_bProbed || SourcePath != m_strProbedPath)
        ProbeSource();
    return m_videoSize;
}

void QPlayerWidget::SetSliderPos(int value)
{
    m_pSlider->setValue(value);
}

void QPlayerWidget::PlaceHost(const QRect& rect)
{
    // The player fixes the host's size while it plays; lift that for the new one.
    m_pHost->setMinimumSize(0, 0);
    m_pHost->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // On X11 the host is a native child window placed by its own geometry.
    m_pHost->setGeometry(rect);
}

void QPlayerWidget::FitHost()
{
    // While playing, the playing file's size holds even if SourcePath changed.
    const QSize source = m_bPlaying ? m_videoSize : GetVideoSize();
    const QRect rect = FitVideo(m_pVideoArea->size(), source);
    if (rect == m_pHost->geometry())
        return;
    const bool resized = rect.size() != m_pHost->size();
    PlaceHost(rect);
    // Only a playback of ours is resized: another owner's host is not ours.
    if (m_bPlaying && resized && !rect.isEmpty()) {
        const QPoint global = m_pHost->mapToGlobal(QPoint(0, 0));
        JxPlayerResize(global.x(), global.y(), rect.width(), rect.height());
    }
}

void QPlayerWidget::resizeEvent(QResizeEvent* event)
{
    Q_UNUSED(event);
    FitHost();
}

bool QPlayerWidget::eventFilter(QObject* watched, QEvent* event)
{
    // The video area's size changes through the layout, also while this
    // widget's own size stays (and before it is first shown).
    if (watched == m_pVideoArea && event->type() == QEvent::Resize)
        FitHost();
    return QWidget::eventFilter(watched, event);
}

void QPlayerWidget::SetPlayLook(bool playing)
{
    if (playing) {
        m_pPlayButton->setIcon(QIcon(QStringLiteral(":/res/playerpause.svg")));
        m_pPlayButton->setToolTip(tr("Pause"));
    } else {
        m_pPlayButton->setIcon(QIcon(QStringLiteral(":/res/playerplay.svg")));
        m_pPlayButton->setToolTip(tr("Play"));
    }
}

void QPlayerWidget::ReturnToIdle()
{
    m_bPlaying = false;
    m_bNotPaused = true;
    SetPlayLook(false);
    m_pSlider->setEnabled(false);
    m_pTimer->stop();
    m_pHost->hide();
}

void QPlayerWidget::OnPlayPause()
{
    if (SourcePath.isEmpty())
        emit sigAddFile();  // the main window's add dialog may set SourcePath

    if (m_bPlaying && g_nPlayWindow) {
        SetPlayLook(!m_bNotPaused);
        JxPlayerPause();
        m_bNotPaused = !m_bNotPaused;
        return;
    }

    // The preview shows what the conversion makes: a row whose files cannot
    // all be had is not shown without them.
    Core* core = Core::instance();
    ST_ROW_PROBLEM problem;
    const QString graph = core->GetCommandArg(core->PlayedRow(SourcePath), &problem);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QCoreApplication::applicationName(), problem.details);
        return;
    }

    SetPlayLook(true);
    m_bNotPaused = true;
    m_bPlaying = true;
    g_nPlayWindow = 1;
    ProbeSource();  // once per playback: the file may have changed since
    const QRect rect = FitVideo(m_pVideoArea->size(), m_videoSize);
    PlaceHost(rect);
    m_pHost->show();
    m_pSlider->setRange(0, static_cast<int>(qMin<qint64>(m_nDuration / 1000, INT_MAX)));
    m_pSlider->setValue(0);
    m_pSlider->setEnabled(true);
    m_pTimer->start(kTimerInterval);

    // The player keeps the filter text for the whole playback; it lives here
    // until the next start.
    m_filterText.clear();
    if (!graph.isEmpty()) {
        qDebug() << "preview filter" << graph;
        m_filterText = graph.toUtf8();
        JxPlayerAddVfilter(m_filterText.constData());
    }

    const QByteArray name = QFile::encodeName(SourcePath);
    QPointer<QPlayerWidget> self(this);
    // Returns when the playback has ended; this widget's slots run inside it.
    JxPlayerStart(name.constData(), m_pHost, this, nullptr, rect.x(), rect.y(), rect.width(), rect.height());
    if (!self)
        return;
    // However the playback ended (played out, stopped, failed to start,
    // replaced by another start), this widget is idle again.
    if (m_bPlaying)
        ReturnToIdle();
    if (g_nPlayWindow && JxPlayerGetPlayState() == 4)
        g_nPlayWindow = 0;  // a failed start left the flag with nothing playing
}

void QPlayerWidget::OnStop()
{
    // Only a playback of ours is stopped (another owner may be previewing).
    if (m_bPlaying) {
        g_nPlayWindow = 0;
        m_bPlaying = false;
        JxPlayerStop();
    }
    ReturnToIdle();
}

void QPlayerWidget::ShowTime(qint64 ms)
{
    const QTime time(static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
                     static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000));
    if (time.isValid())
        m_pTimeEdit->setTime(time);
}

void QPlayerWidget::OnTimer()
{
    const qint64 position = JxPlayerGetPosition();
    if (position <= 0)
        return;
    const qint64 ms = position / 1000;
    m_pSlider->setValue(static_cast<int>(qMin<qint64>(ms, INT_MAX)));
    ShowTime(ms);
}

void QPlayerWidget::OnSliderSeek(int ms)
{
    if (m_bPlaying)
        JxPlayerSetPosition(ms / 1000.0);
    qDebug() << "OnSeek" << ms;
    ShowTime(ms);
}

void QPlayerWidget::OnSliderPressed()
{
    m_pTimer->stop();
}

void QPlayerWidget::OnSliderReleased()
{
    if (m_bPlaying)
        m_pTimer->start(kTimerInterval);
}

void QPlayerWidget::OnCopyTime()
{
    const QString text = m_pTimeEdit->text();
    QApplication::clipboard()->setText(text);
    qDebug() << "OnCopyTime" << text;
}
