#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include "AppStart.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "dialogs/FormatPresets.h"
#include "FileFolders.h"
#include "LumacrestResources.h"
#include "OffThread.h"
#include "SourceBatch.h"
#include "UniqueOutputName.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    InitLumacrestResources();
    ui->setupUi(this);
    setWindowTitle(tr("Lumacrest Standard Edition %1").arg(QStringLiteral(LUMACREST_VERSION)));
    CreateTrayIcon();
    // The frame becomes the whole client area; the form's own central widget
    // goes once InitUI has moved the source table out of it.
    setCentralWidget(ui->frame);
    setAcceptDrops(true);
    InitUI();
    connect(ui->widgetPlayer, &QPlayerWidget::sigAddFile, this, &MainWindow::on_actionAddFile_triggered);
    connect(&m_jobs, &JobsManage::sigAllCompleted, this, &MainWindow::OnAllCompleted);
    connect(ui->tableWidget, &QTableWidget::itemChanged, this, &MainWindow::OnStatusChanged);
    m_editor.installEventFilter(this);
    FitToScreen(false);
}

MainWindow::~MainWindow()
{
    m_editor.removeEventFilter(this);
    // No file is probed for a list that goes.
    delete m_sources;
    m_sources = nullptr;
    delete m_reader;
    m_reader = nullptr;
    // A conversion still running is stopped as the Stop action does, before
    // its table cells go: nothing is left writing a partial file unattended.
    StopJobs();
    // Core and the output-name rule outlive this window: take back what was
    // lent to them.
    Core* core = Core::instance();
    if (core->GetMainWindow() == this) {
        core->SetMainWindow(nullptr);
        core->SetWorkFolderQuery({});
        SetOverwriteQuery({});
    }
    m_jobs.SetOutputFolderQuery({});
    // The widgets, menus, layouts and the subtitle model belong to this window.
    delete ui;
}

void MainWindow::InitUI()
{
    ui->toolBar->setIconSize(QSize(64, 64));
    ui->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui->widgetPlayer->setMinimumSize(320, 180);

    // The index of an entry is the container code of the output settings.
    // Filling the list is no choice of the user's: it must not put the mp4
    // preset over the settings saved for another container. The saved
    // container is shown; an unknown one gives the mp4 preset.
    {
        const QSignalBlocker blocker(ui->comboBoxFormat);
        for (const char* format : {"mp4(*.mp4)", "mkv(*.mkv)", "avi(*.avi)", "flv(*.flv)", "mov(*.mov)",
                                   "mpg(*.mpg)", "ts(*.ts)", "mp3(*.mp3)", "m4a(*.m4a)", "wav(*.wav)"})
            ui->comboBoxFormat->addItem(QLatin1String(format));
    }
    ConfigFormat saved;
    saved.Load();
    const int container = FormatPresets::ContainerIndex(saved.Format);
    if (container >= 0) {
        const QSignalBlocker blocker(ui->comboBoxFormat);
        ui->comboBoxFormat->setCurrentIndex(container);
    } else {
        on_comboBoxFormat_currentIndexChanged(FORMAT_MP4);
    }

    m_bottomBar = new QHBoxLayout;
    m_bottomBar->addWidget(ui->labelFormat);
    m_bottomBar->addWidget(ui->comboBoxFormat);
    m_bottomBar->addWidget(ui->toolButtonFormatOption);
    m_bottomBar->addStretch();
    m_bottomBar->addWidget(ui->labelOutput);
    m_bottomBar->addWidget(ui->lineEditOutput);
    m_bottomBar->addWidget(ui->toolButtonOutput);
    m_bottomBar->addWidget(ui->toolButtonOpen);
    m_bottomBar->addWidget(ui->checkBoxCoverage);

    m_mainSplitter = new QSplitter(Qt::Horizontal, ui->frame);
    m_rightSplitter = new QSplitter(Qt::Vertical);
    m_mainSplitter->addWidget(ui->tableWidget);
    m_mainSplitter->addWidget(m_rightSplitter);
    m_rightSplitter->addWidget(ui->widgetPlayer);
    m_rightSplitter->addWidget(ui->tabWidget);

    m_frameLayout = new QVBoxLayout(ui->frame);
    m_frameLayout->addWidget(m_mainSplitter);
    m_frameLayout->addLayout(m_bottomBar);

    m_addMenu = new QMenu(this);
    m_addMenu->addAction(ui->actionAddFile);
    m_addMenu->addAction(ui->actionAddFolder);
    ui->actionAdd->setMenu(m_addMenu);
    // Pressing Add shows the menu at once; the action itself does nothing.
    if (auto* button = qobject_cast<QToolButton*>(ui->toolBar->widgetForAction(ui->actionAdd))) {
        button->setPopupMode(QToolButton::InstantPopup);
        // The menu arrow sits in the bottom right corner beside the centred
        // text; a long translation ("Добавить") would run into it. Leave the
        // arrow's width and a small gap free on both sides of the text.
        const int arrow = button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, button);
        const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        button->setMinimumWidth(text + 2 * (arrow + arrow / 4));
    }

    QTableWidget* table = ui->tableWidget;
    table->setColumnCount(3);
    table->setHorizontalHeaderLabels({tr("Source File"), tr("File Size"), tr("Status")});
    table->horizontalHeader()->setSectionsClickable(false);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setColumnWidth(1, 80);
    // Room for a short failure reason ("No space left on device"), the
    // source's name keeping the rest; the whole story is in the cell's tooltip.
    table->setColumnWidth(2, qMax(130, table->fontMetrics().horizontalAdvance(QStringLiteral("No space left on device")) + 16));
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setContextMenuPolicy(Qt::CustomContextMenu);

    m_sourceMenu = new QMenu(table);
    m_sourceMenu->addAction(ui->actionReady_to_convert);
    m_sourceMenu->addSeparator();
    m_sourceMenu->addAction(ui->actionAddFile);
    m_sourceMenu->addAction(ui->actionAddFolder);
    m_sourceMenu->addSeparator();
    m_sourceMenu->addAction(ui->actionAdd_subtitle_file);
    m_sourceMenu->addSeparator();
    m_sourceMenu->addAction(ui->actionDelete);
    m_sourceMenu->addAction(ui->actionAll_Delete);
    m_sourceMenu->addSeparator();
    m_sourceMenu->addAction(ui->actionMediaInfo);

    // Each page's layout was drawn inside a container widget; on the page
    // itself the row and the table fill the page.
    ui->tabMerge->setLayout(ui->vLayoutMerge);
    QTableWidget* merge = ui->tableWidgetMerge;
    merge->setColumnCount(4);
    merge->setHorizontalHeaderLabels({QString(), tr("Source File"), tr("Start"), tr("End")});
    merge->horizontalHeader()->setSectionsClickable(false);
    merge->verticalHeader()->hide();
    merge->setSelectionBehavior(QAbstractItemView::SelectRows);
    merge->setContextMenuPolicy(Qt::CustomContextMenu);
    merge->setColumnWidth(0, 30);
    merge->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    merge->setColumnWidth(2, 120);
    merge->setColumnWidth(3, 120);

    m_titleEndingMenu = new QMenu(this);
    m_titleEndingMenu->addAction(ui->actionAdd_title_sequence);
    m_titleEndingMenu->addAction(ui->actionAdd_ending);
    m_mergeMenu = new QMenu(this);
    m_mergeMenu->addAction(ui->actionAdd_title_sequence);
    m_mergeMenu->addAction(ui->actionAdd_ending);
    m_mergeMenu->addSeparator();
    m_mergeMenu->addAction(ui->actionMerge_Media_Infomation);

    ui->tabSplit->setLayout(ui->vLayoutSplit);
    QTableWidget* split = ui->tableWidgetSplit;
    split->setColumnCount(4);
    split->setHorizontalHeaderLabels({tr("Preview"), tr("Start"), tr("End"), tr("Duration")});
    split->horizontalHeader()->setSectionsClickable(false);
    split->setSelectionBehavior(QAbstractItemView::SelectRows);
    split->setColumnWidth(0, 80);
    split->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    split->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    split->setColumnWidth(3, 100);
    ui->comboBoxSplit->addItem(tr("Setting number of parts"));
    ui->comboBoxSplit->addItem(tr("A duration of each clip"));
    ui->comboBoxSplit->addItem(tr("Intercept a section"));
    ui->comboBoxSplit->setCurrentIndex(0);
    ui->timeEditSplit->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    ui->timeEditEnd->setDisplayFormat(QStringLiteral("HH:mm:ss:zzz"));
    ui->timeEditSplit->hide();
    ui->timeEditEnd->hide();

    m_subtitleModel = new QStandardItemModel(this);
    ui->tabSubtitle->setLayout(ui->vLayoutSubtitle);
    QTableView* subtitles = ui->tableViewSubtitle;
    subtitles->horizontalHeader()->setSectionsClickable(false);
    subtitles->setSelectionBehavior(QAbstractItemView::SelectRows);
    subtitles->setModel(m_subtitleModel);
    m_subtitleModel->setHorizontalHeaderLabels({tr("Start Time"), tr("End Time"), tr("Subtitle")});
    subtitles->setColumnWidth(0, 120);
    subtitles->setColumnWidth(1, 120);
    subtitles->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    subtitles->verticalHeader()->setDefaultSectionSize(40);
    subtitles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->checkBoxSubtitleStream->hide();

    ui->tabMusic->setLayout(ui->vLayoutMusic);
    // The containers the rows were drawn in are empty now, and at their
    // drawn size they would stand out of a page smaller than the form's.
    for (QWidget* drawn : {ui->layoutWidgetMerge, ui->layoutWidgetSplit, ui->layoutWidgetSubtitle, ui->layoutWidgetMusic})
        delete drawn;
    QTableWidget* music = ui->tableWidgetMusic;
    music->setColumnCount(2);
    music->setHorizontalHeaderLabels({tr("Source File"), tr("Duration")});
    music->horizontalHeader()->setSectionsClickable(false);
    music->verticalHeader()->hide();
    music->setSelectionBehavior(QAbstractItemView::SelectRows);
    music->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    music->setColumnWidth(1, 100);

    ui->lineEditOutput->setText(m_config.OutPath);
    ui->checkBoxCoverage->setChecked(m_config.Coverage);

    // The engine asks this window for its settings through these accessors:
    // the work folder of generated files, the output folder of follow-up
    // jobs and the overwrite rule of output names.
    Core* core = Core::instance();
    core->SetEditorWindow(&m_editor);
    core->SetMainWindow(this);
    core->SetWorkFolderQuery([this] { return m_config.CachePath; });
    // This program's own work folder is made now, which clears away those of
    // programs that no longer run.
    core->WorkFolder();
    m_jobs.SetOutputFolderQuery([this] { return m_config.OutPath; });
    SetOverwriteQuery([this] { return m_config.Coverage; });

    m_jobs.setMaxRunning(m_config.Threads);
}

bool MainWindow::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_fitFrame && (type == QEvent::Move || type == QEvent::Resize) && frameGeometry() != geometry()) {
        m_fitFrame = false;
        FitToScreen(true);
    }
    return QMainWindow::event(event);
}

void MainWindow::FitToScreen(bool place)
{
    // A laptop's screen has no room for the designed size: the free area is taken instead.
    const QScreen* where = screen();
    if (!where)
        return;
    const QRect room = where->availableGeometry();
    const QRect outer = frameGeometry();
    const QSize frame = outer.size() - size();
    const QSize fitted = size().boundedTo(room.size() - frame).expandedTo(minimumSizeHint());
    if (fitted != size())
        resize(fitted);
    const QRect whole(outer.topLeft(), fitted + frame);
    if (place && !room.contains(whole)) {
        move(qBound(room.left(), whole.left(), room.right() + 1 - whole.width()),
             qBound(room.top(), whole.top(), room.bottom() + 1 - whole.height()));
    }
}

void MainWindow::ChangeLanguage(int index)
{
    // A translator leaves the application as it is deleted.
    m_translator = std::make_unique<QTranslator>();
    const QString name = index == 1 ? QStringLiteral(":/Translations/Brisquel_zh_CN.qm")
                                    : QStringLiteral(":/Translations/Brisquel_en_US.qm");
    if (m_translator->load(name))
        QCoreApplication::installTranslator(m_translator.get());
    ui->retranslateUi(this);
}

void MainWindow::StopJobs()
{
    // The files go on being read for their rows; Run no longer waits.
    m_runWaitsForReads = false;
    EndLayerFiles();
    m_jobs.cleanup();
    SetRunLook();
}

void MainWindow::SetRunLook()
{
    ui->actionRun->setIcon(QIcon(QStringLiteral(":/res/converter.svg")));
    ui->actionRun->setText(tr("Run"));
    m_bRun = true;
}

void MainWindow::OnAllCompleted()
{
    if (!m_bRun)
        SetRunLook();
}

void MainWindow::on_actionQuit_triggered()
{
    if (m_trayIcon)
        m_trayIcon->hide();
    // A running converter must not outlive the program writing half a file,
    // nor work on the pool (a look at an output, work files going) the program.
    StopJobs();
    OffThread::EndAll();
    SaveSettings();
    if (m_nExitCode != 0) {
        QCoreApplication::exit(m_nExitCode);
        return;
    }
    // Nothing is destroyed from here: what the end would have removed goes now.
    RemovePrivateWorkFolders();
    AppStart::EndProcess(0);
}
