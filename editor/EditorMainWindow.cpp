#include "EditorMainWindow.h"
#include "ui_EditorMainWindow.h"

#include "CLayerInfo.h"
#include "Core.h"
#include "MediaFunctions.h"
#include "QWatermarkBase.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"
#include "docks/LayeredManageWidget.h"
#include "Slider.h"
#include "ffplay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <climits>

EditorMainWindow::EditorMainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::EditorMainWindow)
{
    AskFileName = [this](bool save, const QString& caption, const QString& filter) {
        return DefaultAskFileName(save, caption, filter);
    };
    ui->setupUi(this);
    setWindowTitle(tr("Editor"));
    if (QWidget* open = ui->toolBar->widgetForAction(ui->actionOpen))
        static_cast<QToolButton*>(open)->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (QWidget* save = ui->toolBar->widgetForAction(ui->actionSave))
        static_cast<QToolButton*>(save)->setToolButtonStyle(Qt::ToolButtonIconOnly);
    InitUI();

    Core* core = Core::instance();
    core->SetEditorWindow(this);
    QWatermarkScene* scene = m_scene;
    core->SetCanvasSizeQuery([scene]() { return scene->CanvasSize(); });
}

EditorMainWindow::~EditorMainWindow()
{
    // A preview of this window still on the stack ends with it.
    if (m_previewing) {
        m_previewing = false;
        g_nPlayWindow = 0;
        JxPlayerStop();
    }
    Core* core = Core::instance();
    if (core->EditorWindow() == this) {
        core->SetEditorWindow(nullptr);
        core->SetCanvasSizeQuery(nullptr);
    }
    // Layers leave Core's list and the dock as the scene destroys them: the
    // view and the scene go now, while the docks are still there. The other
    // widgets belong to this window.
    disconnect(m_scene, nullptr, this, nullptr);
    delete m_view;
    m_view = nullptr;
    delete m_scene;
    m_scene = nullptr;
    delete ui;
    m_playerTimer.stop();
    m_sliderTimer.stop();
}

void EditorMainWindow::InitUI()
{
    m_canvasHost = new QWidget(this);
    // The preview draws into a native child window over the canvas; a window
    // holding an OpenGL viewport is composed through OpenGL and covers that
    // child (the picture stays black), so the canvas draws without OpenGL.
    m_view = new QWatermarkView(m_canvasHost, QWatermarkView::Native);
    m_scene = new QWatermarkScene(m_canvasHost);
    m_view->setCanvas(m_scene);
    m_scene->setView(m_view);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_playerArea = new QWidget(m_canvasHost);
    m_playerHost = new QWidget(m_playerArea);

    QPalette area = m_playerArea->palette();
    area.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::darkGray, Qt::SolidPattern));
    m_playerArea->setPalette(area);
    m_playerArea->setAutoFillBackground(true);

    m_canvasBox = new QVBoxLayout(m_canvasHost);
    m_canvasBox->setSpacing(0);
    m_canvasBox->setContentsMargins(0, 0, 0, 0);
    m_canvasBox->addWidget(m_view);
    m_canvasBox->addWidget(m_playerArea);
    // The player area only takes the room while the view is hidden.
    m_playerArea->hide();

    m_splitter->addWidget(m_canvasHost);
    m_splitter->addWidget(&m_playerDock);
    m_splitter->setOpaqueResize(true);
    m_splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: #353535 }"));
    m_splitter->handle(1)->setEnabled(false);
    m_splitter->setSizes({600, 1});
    setCentralWidget(m_splitter);

    QPalette host = m_playerHost->palette();
    host.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(0, 0, 0), Qt::SolidPattern));
    m_playerHost->setPalette(host);
    m_playerHost->setAutoFillBackground(true);
    m_playerHost->hide();
    m_playerSurface = new QWidget(m_playerHost);
    m_playerSurface->hide();

    m_layerDock.setAllowedAreas(Qt::RightDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, &m_layerDock);

    m_subtitleDock.setAllowedAreas(Qt::RightDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, &m_subtitleDock);
    m_subtitleModel = m_subtitleDock.Model();
    connect(m_subtitleDock.Panel()->m_btnOpen, &QToolButton::clicked, this,
            &EditorMainWindow::on_actionAdd_Subtitle_triggered);

    Core* core = Core::instance();
    connect(m_view, &QWatermarkView::sigCanvasRect, this, &EditorMainWindow::OnPlayerRect);
    connect(m_scene, &QWatermarkScene::itemMenuHM, this, &EditorMainWindow::OnMenu);
    connect(m_scene, &QWatermarkScene::itemAddedHM, core, &Core::onAddLayer);
    connect(m_scene, &QWatermarkScene::itemDeleteHM, core, &Core::onRemoveLayer);
    connect(m_scene, &QWatermarkScene::itemPressHM, &m_layerDock,
            qOverload<QWatermarkBase*>(&LayeredManageDock::onCellClicked));
    connect(m_scene, &QWatermarkScene::itemChangedHM, &m_layerDock, &LayeredManageDock::onLayerChanged);
    connect(core, &Core::sigAddLayer, &m_layerDock, &LayeredManageDock::onAddLayer);
    connect(core, &Core::sigRemoveLayer, &m_layerDock, &LayeredManageDock::onRemoveLayer);
    connect(m_playerDock.m_btnPlay, &QToolButton::clicked, this, &EditorMainWindow::OnPlayPause);
    connect(m_playerDock.m_btnStop, &QToolButton::clicked, this, &EditorMainWindow::OnStop);
    connect(m_playerDock.m_btnCopyTime, &QToolButton::clicked, this, &EditorMainWindow::OnCopyTime);
    connect(m_playerDock.m_slider, &Slider::sliderMoved, this, &EditorMainWindow::OnSliderSeek);
    connect(m_playerDock.m_slider, &Slider::sliderPressed, this, &EditorMainWindow::OnSliderPressed);
    connect(m_playerDock.m_slider, &Slider::sliderReleased, this, &EditorMainWindow::OnSliderReleased);
    connect(&m_playerTimer, &QTimer::timeout, this, &EditorMainWindow::OnTimerPlayerUI);
    connect(&m_sliderTimer, &QTimer::timeout, this, &EditorMainWindow::OnTimerSliderSeekUI);
    m_sliderTimer.start(500);
    m_playerDock.m_slider->setEnabled(false);
}

void EditorMainWindow::InitCanvas(const QString& path)
{
    m_sourcePath = path;
    m_scene->InitCanvas(path);
    const QSize size = GetVideoSize();

    double zoom = 100.0;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect geometry = screen->geometry();
        if (geometry.width() > 0 && geometry.height() > 0 && size.width() > 0 && size.height() > 0) {
            const float rw = float(size.width()) / (float(geometry.width()) * 0.7f);
            const float rh = float(size.height()) / (float(geometry.height()) * 0.7f);
            if (rw > 0.9f || rh > 0.9f)
                zoom = double((100.0f / qMax(rw, rh)) * 0.8f);
        }
    }
    m_view->setZoom(zoom);

    // An unknown or absurd duration gives an empty range, never a wrapped one.
    Slider* slider = m_playerDock.m_slider;
    slider->setMinimum(0);
    slider->setMaximum(int(qBound<long long>(0, m_duration / 1000, INT_MAX)));
    slider->setValue(0);
    slider->setEnabled(false);
}

QSize EditorMainWindow::GetVideoSize()
{
    int width = 0;
    int height = 0;
    long long duration = 0;
    const QByteArray encoded = m_sourcePath.toUtf8();
    if (!m_sourcePath.isEmpty())
        GetMediaInfo(encoded.constData(), &width, &height, &duration);
    m_duration = qMax(0LL, duration);
    const QCanvasItem* frame = m_scene->CanvasItem();
    if (!frame)
        return QSize(0, 0);
    return QSize(frame->GetLayer()->Width, frame->GetLayer()->Height);
}

void EditorMainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!m_previewing)
        return;
    m_playerHost->move((m_playerArea->width() - m_playerHost->width()) / 2,
                       (m_playerArea->height() - m_playerHost->height()) / 2);
    // A hidden view keeps its old geometry: its rectangle would undo the
    // centring. It is announced again when the view is shown (paused).
    if (m_view->isVisible())
        m_view->updatePlayer();
}

void EditorMainWindow::closeEvent(QCloseEvent* event)
{
    OnStop();
    if (m_subtitleModel->rowCount() > 0 && Core::instance()->SubtitlePath.isEmpty())
        m_subtitleDock.onSave();
    hide();
    event->ignore();
}

void EditorMainWindow::ChangeLanguage(int index)
{
    // A translator leaves the application as it is deleted.
    m_translator = std::make_unique<QTranslator>();
    const QString file = index == 1 ? QStringLiteral(":/Translations/Brisquel_zh_CN.qm")
                                    : QStringLiteral(":/Translations/Brisquel_en_US.qm");
    if (m_translator->load(file))
        QApplication::installTranslator(m_translator.get());
    ui->retranslateUi(this);
}

void EditorMainWindow::OnDeleteHM() {}

void EditorMainWindow::Tell(const QString& text)
{
    m_lastMessage = text;
    qWarning() << text;
    QMessageBox::warning(this, windowTitle(), text);
}
