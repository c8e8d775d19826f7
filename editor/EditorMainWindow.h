#pragma once
#include "docks/LayeredManageDock.h"
#include "docks/PlayerDock.h"
#include "docks/SubtitleDock.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class CLayerInfo;
class QStandardItemModel;
class QSplitter;
class QTranslator;
class QVBoxLayout;
class QWatermarkBase;
class QWatermarkScene;
class QWatermarkView;
struct ST_CROP_THICK;
namespace Ui {
class EditorMainWindow;
}

// The watermark and subtitle editor: the layer canvas over the source frame
// with the player bar under it and the layer dock at the right. One window,
// built hidden with the main window, shown and hidden, never re-created.
// Construction and window events here; the preview in
// EditorMainWindowPreview.cpp; the actions in EditorMainWindowActions.cpp.
class EditorMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit EditorMainWindow(QWidget* parent = nullptr);
    ~EditorMainWindow() override;

    // Puts a source video on the canvas: source frame, zoom, slider range.
    void InitCanvas(const QString& path);
    // Probes the source for its duration; the source frame's size.
    QSize GetVideoSize();
    // Reads a subtitle file into Core's parser and the subtitle table.
    void OpenSubtitle(const QString& path);
    // Appends one row to the subtitle table; times in milliseconds.
    void AddSubtitle(const QString& text, long long start, long long end);
    void ChangeLanguage(int index);

    QSize CreatePlayerView();
    void SeekToCanvasView();
    void SeekToPlayerView();

    // Project files. Opening reads the whole file before any layer is
    // replaced; false (and the layers untouched) when it cannot be read.
    bool OpenProject(const QString& path);
    bool SaveProject(const QString& path);
    // The source frame as the crop dialog must show it (flips and quarter
    // turn applied), and a crop result written to the row and the frame.
    QImage CropWorkingImage() const;
    void ApplyCrop(const ST_CROP_THICK& crop);

    // Asks for a file name: save false opens, true saves. Tests replace it;
    // by default the Qt file dialogs with this window as parent.
    std::function<QString(bool save, const QString& caption, const QString& filter)> AskFileName;

    QWatermarkScene* Scene() const { return m_scene; }
    QWatermarkView* View() const { return m_view; }
    PlayerDock* PlayerBar() { return &m_playerDock; }
    LayeredManageDock* LayerDock() { return &m_layerDock; }
    SubtitleDock* SubtitlePanel() { return &m_subtitleDock; }
    QWidget* PlayerArea() const { return m_playerArea; }
    QWidget* PlayerHost() const { return m_playerHost; }
    QWidget* PlayerSurface() const { return m_playerSurface; }
    QStandardItemModel* SubtitleModel() const { return m_subtitleModel; }
    const QStringList& SubtitleStyleNames() const { return m_subtitleStyleNames; }
    QString SourcePath() const { return m_sourcePath; }
    long long SourceDuration() const { return m_duration; }
    bool IsPlaying() const { return m_playing; }
    // Idle: no preview runs (and none is paused).
    bool IsPreviewIdle() const;
    // The text of the last failure told to the user.
    QString LastMessage() const { return m_lastMessage; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    void OnStop();
    void OnDeleteHM();
    void OnMenu();
    void OnPlayerRect(const QRect& rect);
    void OnPlayPause();
    void OnCopyTime();
    void OnSliderSeek(int ms);
    void OnSliderPressed();
    void OnSliderReleased();
    void OnTimerPlayerUI();
    void OnTimerSliderSeekUI();
    void on_actionAdd_Video_triggered();
    void on_actionAdd_Image_triggered();
    void on_actionAdd_Text_triggered();
    void on_actionAdd_Subtitle_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionDuplicate_triggered();
    void on_actionDelete_triggered();
    void on_actionEditText_triggered();
    void on_actionOptions_triggered();
    void on_actionCrop_triggered();
    void on_actionRotate_left_triggered();
    void on_actionRotate_right_triggered();
    void on_actionFlip_horizontal_triggered();
    void on_actionFlip_vertical_triggered();

private:
    void InitUI();
    void ShowPosition(long long microseconds);
    void SetPlayButton(bool showPause);
    void ShowCanvasView();
    void ShowPlayerView();
    // Writes a new quarter-turn code into the row and the source frame.
    void SetRotation(int code);
    // The scene rectangle of scene and view follows the displayed frame.
    void UpdateSceneRect();
    void Tell(const QString& text);
    QString DefaultAskFileName(bool save, const QString& caption, const QString& filter);

    QWidget* m_canvasHost = nullptr;
    QWidget* m_playerArea = nullptr;
    QVBoxLayout* m_canvasBox = nullptr;
    QSplitter* m_splitter = nullptr;
    QWatermarkView* m_view = nullptr;
    QWatermarkScene* m_scene = nullptr;
    QWidget* m_playerHost = nullptr;
    QWidget* m_playerSurface = nullptr;
    PlayerDock m_playerDock;
    LayeredManageDock m_layerDock;
    SubtitleDock m_subtitleDock;
    // The subtitle dock's table model (three columns) and the
    // style names of its style box.
    QStandardItemModel* m_subtitleModel = nullptr;
    QStringList m_subtitleStyleNames;
    QString m_sourcePath;
    long long m_duration = 0;
    QTimer m_playerTimer;
    bool m_playing = true;
    // A preview of this window runs (playing or paused).
    bool m_previewing = false;
    QTimer m_sliderTimer;
    int m_shownPosition = 0;
    // The filter graph of the running preview, alive for the whole preview.
    QByteArray m_filter;
    QString m_lastMessage;
    std::unique_ptr<QTranslator> m_translator;
    Ui::EditorMainWindow* ui = nullptr;
};
