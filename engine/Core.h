#pragma once
#include "ST_OPTS.h"
#include "SubtitleParser.h"
#include "Timecode.h"
#include "WatermarkInfo.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QTranslator>
#include <functional>

// The windows are higher layers: Core keeps their pointers without knowing
// their classes. What it needs of them (work folder, canvas size, modified
// mark) they lend through the small queries below, registered at start-up.
class EditorMainWindow;
class MainWindow;
class QWatermarkBase;
class QWidget;

// The one application-wide object holding the state both windows work on:
// the source rows, the shared layer list, the subtitles being edited. It
// also builds the video filter graph of a row (CoreCommand.cpp).
class Core : public QObject
{
    Q_OBJECT
public:
    static Core* instance();

    // Shared editing state; the windows read and write these directly.
    SubtitleParser Subtitle;          // events and styles edited by the editor
    QString SubtitlePath;             // file last loaded into or saved from Subtitle
    QList<QWatermarkBase*> Layers;    // canvas layer items (owned by the scene)
    QList<ST_OPTS> Rows;              // one record per source-list row
    int CurrentRow = 0;
    bool SubtitleModified = false;
    QTranslator Translator;           // installed by ChangeLanguage
    QTranslator QtTranslator;         // Qt's own texts, installed with it

    void SetEditorWindow(EditorMainWindow* window);
    EditorMainWindow* EditorWindow() const;
    void SetMainWindow(MainWindow* window);
    MainWindow* GetMainWindow() const;

    // Queries lent by the windows. The main window gives its settings' work
    // folder (CachePath); the editor gives its canvas item's Width x Height
    // (an empty size while it has no canvas item) and the widget that carries
    // its window-modified mark.
    void SetWorkFolderQuery(std::function<QString()> query);
    void SetCanvasSizeQuery(std::function<QSize()> query);
    void SetEditorWidget(QWidget* widget);
    // The work folder for generated files, created when missing; without a
    // main window the application data folder's "Cache".
    QString WorkFolder() const;
    // The canvas size, or 0 x 0 without an editor canvas.
    QSize CanvasSize() const;

    bool IsValidRow(int row) const { return row >= 0 && row < Rows.size(); }
    // Every file the listed rows read when converted: sources, title and
    // ending clips, soundtracks, subtitle files and the picture and video
    // layers. No output may take one of these names.
    QStringList InputFiles() const;

    void ChangeLanguage(int index);
    // The language code of an index ("zh_CN", "en_US", "fr", ...), empty
    // outside 0..8.
    static QString LanguageCode(int index);
    // The embedded translation of a language index, empty outside 0..8.
    static QString TranslationResource(int index);
    void SetSubtitle(const QString& path);
    void MessageBoxAddMediaFile();

    // Writes the concat list of a row (title clips, the main video, ending
    // clips) to a new file in the work folder and returns its absolute path;
    // empty when the row does not exist, a path holds a line break or the file
    // cannot be written.
    QString GetMergeFileName(int row, const QString& mainVideo);
    // True when every title and ending clip of the row is an MP4 file (a row
    // without clips included); false for a row that does not exist.
    bool IsMergeListMP4(int row);

    // The video filter graph of a row; empty when no filter is needed or the
    // row does not exist. Sorts Layers by z value and writes the work files
    // (one PNG per styled-text layer, the row's subtitle file).
    QString GetCommandArg(int row);
    // One layer's source chain, without an output label.
    QString GetCommandMovie(WatermarkInfo* info);
    // One overlay filter, without labels. Times in microseconds.
    QString GetCommandOverlay(int x, int y, long long start, long long end, int moveMode, int speed);
    // The subtitle work file of a row (one per row and source).
    QString SubtitleWorkFile(int row) const;

    Timecode::Display GetTimecodeDisplay() const;
    void SetTimecodeDisplay(Timecode::Display display);
    void SetProjectModified(bool modified);
    bool IsProjectModified() const;
    void SetAutorecoveryInterval(int minutes);
    int AutorecoveryInterval() const { return m_autorecoveryTimer.interval(); }
    QString GetProjectFilter();
    void Start() {}
    void Stop() {}

signals:
    void sigAddLayer(QWatermarkBase* item);
    void sigRemoveLayer(QWatermarkBase* item);
    void SnappingChanged(const bool& snapping);
    void TimecodeDisplayChanged(Timecode::Display display);

public slots:
    void SaveAutorecovery();
    void ProjectSaveSucceeded();
    void onAddLayer(QWatermarkBase* item);
    void onRemoveLayer(QWatermarkBase* item);

private:
    Core();
    ~Core() override;
    Q_DISABLE_COPY(Core)

    // Builder pieces (CoreCommand.cpp).
    QString PrepareSubtitle(int row, const ST_OPTS& opts);
    bool BuildLayerRecords(const ST_OPTS& opts, int width, int height, QList<WatermarkInfo>* records);

    static Core instance_;

    EditorMainWindow* m_editorWindow = nullptr;
    MainWindow* m_mainWindow = nullptr;
    bool m_projectModified = false;
    QTimer m_autorecoveryTimer;
    std::function<QString()> m_workFolderQuery;
    std::function<QSize()> m_canvasSizeQuery;
    QPointer<QWidget> m_editorWidget;
};
