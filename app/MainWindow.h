#pragma once
#include <QMainWindow>
#include <QSystemTrayIcon>

#include "ConfigManage.h"
#include "EditorMainWindow.h"
#include "ConfigSystem.h"
#include "JobsManage.h"

#include <QList>
#include <QModelIndex>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>

struct FormatSettings;
struct ST_MEDIA_INFO;
struct ST_MERGE;
struct ST_OPTS;
struct ST_ROW_PROBLEM;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QComboBox;
class QTableWidget;
class QTableWidgetItem;
class QTime;
class QHBoxLayout;
class QMenu;
class QProgressDialog;
class QSplitter;
class SourceBatch;
class QStandardItemModel;
class QTranslator;
class QVBoxLayout;
class LayerFileBatch;
class Ui_MainWindow;

// The batch window: source list, preview player above the work tabs, the
// output format and folder bar, the tool bar and the tray icon. Built from
// MainWindow.ui; InitUI lays the form's widgets out and sets up the tables.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Retranslates the form into the language of an index (0..8).
    void ChangeLanguage(int index);

    ConfigSystem& Settings() { return m_config; }
    JobsManage& Jobs() { return m_jobs; }
    EditorMainWindow& Editor() { return m_editor; }

    // Appends one source row and its option record and makes it current.
    void AddFile(const QString& path);
    // Appends source rows for files probed off the GUI thread, in the order
    // given, with progress and a Cancel; the last row added becomes current
    // when the batch ends. Names the system cannot carry are refused with one
    // message; the files taken are returned.
    QStringList AddFiles(const QStringList& paths);
    // Appends one ending clip to the current row and a row to the merge table.
    void AddMergeFile(const QString& path);
    // Appends one row to the music table only.
    void AddMusicFile(const QString& path);

    // Redraws the work tabs from a source row's record and makes it current.
    void UpdateUI(int row);
    QComboBox* UIQComboBoxFormat();
    // Merge tab: the source's own row, the total of a row, moving a row.
    void UpdateSrcMainMergeUI(int row);
    void MergeTotalDuration(int row);
    void MoveMergeRow(int from, int to);
    // Split tab: one range row (times in microseconds).
    void AddSplitFile(const QString& path, qint64 start, qint64 end);
    // Subtitle tab: one event row (milliseconds) and a whole file.
    void AddSubtitle(const QString& text, qint64 start, qint64 end);
    void OpenSubtitleFile(const QString& path);
    // Soundtrack tab.
    void MusicTotalDuration();
    static void moveRow(QTableWidget* table, int from, int to);
    // Keeps the first index of each run of indexes on the same row.
    static QList<QModelIndex> deleteRepeatList(QList<QModelIndex> indexes);
    // The media entries of a folder, one level, sorted by name ignoring case.
    static QStringList MediaEntries(const QString& folder);

    // What a source row's status is, kept beside its display text.
    enum RowState { RowReady = 0, RowQueued = 1, RowCompleted = 2 };
    static constexpr int RowStateRole = Qt::UserRole + 1;
    RowState StateOfRow(int row) const;

    // The file and folder questions of the window go through here, so a test
    // can answer them: (caption, start folder, folder wanted) -> chosen paths,
    // empty when cancelled. Without a hook the toolkit's dialogs are asked.
    // A save question is given the proposed name as its start folder; its
    // answer is the name, then optionally the filter chosen (else the first).
    using FileQuestion = std::function<QStringList(const QString&, const QString&, bool)>;
    static void SetFileQuestion(FileQuestion question);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void OnMergeStartTime(const QTime& time);
    void OnMergeEndTime(const QTime& time);
    void OnSplitStartTime(const QTime& time);
    void OnSplitEndTime(const QTime& time);
    void OnAllCompleted();
    void on_actionAdd_triggered() {}
    void on_actionAddFile_triggered();
    void on_actionAddFolder_triggered();
    void on_actionDelete_triggered();
    void on_actionAll_Delete_triggered();
    void on_actionReady_to_convert_triggered();
    void on_tableWidget_customContextMenuRequested(const QPoint& pos);
    void on_tableWidget_cellClicked(int row, int column);
    void on_actionWatermark_triggered();
    void on_actionRun_triggered();
    void on_actionStop_triggered();
    void on_actionOptions_triggered();
    void on_actionAbout_triggered();
    void on_actionQuit_triggered();
    void on_toolButtonFormatOption_clicked();
    void on_toolButtonOutput_clicked();
    void on_toolButtonOpen_clicked();
    void on_tableWidgetMerge_customContextMenuRequested(const QPoint& pos);
    void on_BtnMergeAdd_clicked();
    void on_BtnMergeDelete_clicked();
    void on_BtnMergeUp_clicked();
    void on_BtnMergeDown_clicked();
    void on_tableWidgetMerge_cellClicked(int row, int column);
    void on_actionAdd_title_sequence_triggered();
    void on_actionAdd_ending_triggered();
    void on_comboBoxSplit_currentIndexChanged(int index);
    void on_spinBoxSplitNum_valueChanged(int value);
    void on_timeEditSplit_timeChanged(const QTime& time);
    void on_timeEditEnd_timeChanged(const QTime& time);
    void on_BtnSplitAdd_clicked();
    void on_BtnSplitDel_clicked();
    void on_BtnSubtitleOpen_clicked();
    void on_BtnSubtitleSave_clicked();
    void on_actionAdd_subtitle_file_triggered() {}
    void on_BtnMusicAdd_clicked();
    void on_BtnMusicDelete_clicked();
    void on_BtnMusicUp_clicked();
    void on_BtnMusicDown_clicked();
    void on_checkBoxSubtitleStream_stateChanged(int state);
    void on_checkBoxCoverage_stateChanged(int state);
    void on_comboBoxFormat_currentIndexChanged(int index);
    void on_actionMediaInfo_triggered();
    void on_actionMerge_Media_Infomation_triggered();

private slots:
    void OnStatusChanged(QTableWidgetItem* item);
    // Takes the records the batch has probed into the list.
    void OnSourcesProbed();
    // Takes what the reader learnt of files in the list into their rows.
    void OnFilesRead();
    void CancelAddFiles();

private:
    void InitUI();
    // Keeps the window, frame included, within the screen's free area, no
    // smaller than its controls need; moved only when it stands out of it.
    void FitToScreen(bool place);
    // One source row and its record, not selected.
    void AppendSourceRow(const ST_OPTS& opts);
    // Has the files of the list read on the reader's thread, their rows
    // showing so meanwhile (a file already being read is not read again).
    void ReadFiles(const QStringList& paths);
    // The files of a source row, its own and its clips, whose pictures'
    // stamps are not known as the files are now.
    QStringList FilesToRead(int row) const;
    // "Ready", or why the file cannot be converted.
    static ST_ROW_PROBLEM ReadyText(const ST_MEDIA_INFO& media, const QString& path);
    void SelectLastSourceRow();
    void EndAddFiles();
    // The paths whose names survived decoding; one message names the others.
    QStringList WithoutLostNames(const QStringList& paths);
    void CreateTrayIcon();
    void CreateTrayMenu();
    // Stops every queued and running job, as the Stop action does, and shows
    // Run again.
    void StopJobs();
    void SetRunLook();
    void SetPauseLook();
    // The source folder dialogs, through the test hook when one is set.
    QStringList AskFiles(const QString& caption, const QString& folder);
    QString AskFolder(const QString& caption, const QString& folder);
    QString AskOpenFile(const QString& caption, const QString& filter);
    // The name gets the chosen filter's extension unless it ends in one of
    // its extensions or of `kept` (the endings its writer knows).
    QString AskSaveFile(const QString& caption, const QString& proposed, const QString& filters,
                        const QStringList& kept);
    // Merge tab pieces: a clip row, the source row's index, the title and
    // ending actions, the time edits' writes.
    void AppendMergeRow(const ST_MERGE& clip, bool source);
    int MergeSourceIndex() const;
    // For the delete and move buttons: the current row's options, with the
    // selected clip's row and the source's row of the merge list. Null when
    // there is no media (after saying so), no clip selected or the source's
    // own row selected.
    ST_OPTS* SelectedMergeClip(int* clip, int* source);
    void AddClipsToSelectedRows(bool title);
    void StoreMergeTime(QObject* edit, const QTime& time, bool start);
    void StoreSplitTime(QObject* edit, const QTime& time, bool start);
    void ShowSplitWidgets(int mode);
    // The editor's subtitle dock lists what Core holds again.
    void ReloadEditorSubtitles();
    // True while a job of the row has not reported its end.
    bool RowHasLiveJobs(int row) const;
    // Removes one source row with its record, when no job of it is live;
    // false (and nothing removed) otherwise.
    bool RemoveRow(int row);
    // The one way the current row changes: the work tabs then show its
    // record, so that their buttons and edits write into the record shown.
    // A row outside the list makes no row current and empties the tabs,
    // unless they are to be kept (All Delete), which then write nowhere.
    void SetCurrentRow(int row, bool clearTabs = true);
    void ClearTabs();
    // Saves the settings; a failure is said in a box.
    void SaveSettings();
    void RefusedDeletion();
    // Queues the jobs of every row not done nor running, once the picture
    // layers' files are known: those not yet are first looked into off this
    // thread, when `learnLayers`, and the rows queued when that ends.
    // Files of those rows whose pictures' stamps are not known as they are
    // now are read first, off this thread, when `read`; Run goes on once
    // they are.
    void QueuePendingRows(bool learnLayers, bool read = true);
    void LearnLayerFiles(const QStringList& paths);
    // Drops the looking into the layers' files, done or not.
    void EndLayerFiles();
    // Queues the jobs of one source row; false when nothing was queued.
    bool QueueRow(int row, const QString& ext, const FormatSettings& format);
    static QString ClipDurationText(long long microseconds);

    Ui_MainWindow* ui;
    QVBoxLayout* m_frameLayout = nullptr;
    QHBoxLayout* m_bottomBar = nullptr;
    bool m_bRun = true;
    // Paused by the Pause look of Run; the next Run lets the queue go on (a
    // batch stopped or ended meanwhile included).
    bool m_bPaused = false;
    // The window manager's frame is not known before the window is shown:
    // the window is fitted again, once, when it is.
    bool m_fitFrame = true;
    QMenu* m_addMenu = nullptr;
    QMenu* m_sourceMenu = nullptr;
    QMenu* m_titleEndingMenu = nullptr;
    QMenu* m_mergeMenu = nullptr;
    QStandardItemModel* m_subtitleModel = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_rightSplitter = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    // The tray menu has no parent window (see CreateTrayMenu).
    std::unique_ptr<QMenu> m_trayMenu;
    std::unique_ptr<QTranslator> m_translator;
    ConfigSystem m_config;
    ConfigManage m_configManage;
    JobsManage m_jobs;
    EditorMainWindow m_editor; // the one editor window, built hidden
    int m_nExitCode = 0; // the restart request of a language change, or 0
    SourceBatch* m_sources = nullptr; // built with the first batch
    SourceBatch* m_reader = nullptr;  // reads files of rows already in the list
    QSet<QString> m_reading;          // the files it has still to give back
    bool m_runWaitsForReads = false;
    QProgressDialog* m_addProgress = nullptr; // shown while a batch is added
    int m_addTotal = 0;
    int m_addDone = 0;
    LayerFileBatch* m_layerBatch = nullptr; // while Run waits for the layers' files
    QProgressDialog* m_layerProgress = nullptr;
};
