#pragma once
#include "LayerFiles.h"
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
struct ST_MEDIA_INFO;
class MainWindow;
class QWatermarkBase;
class QWidget;

// Why a row cannot be converted, for its status cell: a short sentence naming
// the file, and the same with the file's whole path for the cell's tooltip.
struct ST_ROW_PROBLEM {
    QString text;
    QString details;
    bool isEmpty() const { return text.isEmpty(); }
};

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
    // This program's own folder for generated files (PrivateWorkFolder)
    // inside the work folder the main window gives, without a main window
    // the application data folder's "Cache"; empty when it cannot be made.
    QString WorkFolder() const;
    // The canvas size, or 0 x 0 without an editor canvas.
    QSize CanvasSize() const;

    bool IsValidRow(int row) const { return row >= 0 && row < Rows.size(); }
    // Every file the listed rows read when converted: sources, title and
    // ending clips, soundtracks, subtitle files and the picture and video
    // layers. No output may take one of these names.
    QStringList InputFiles() const;
    // The row whose graph a preview of the file takes: the current row when
    // the file is its source, else the latest row of that file (Add File
    // leaves the player on the first file it added while its last row is
    // current); for a file that is no row's source (a merge clip), the
    // current row. A file is the same by device and inode, whatever names
    // reach it.
    int PlayedRow(const QString& path) const;
    // The first file the row's jobs read, besides those of its filter graph,
    // that is missing or not a regular file: the source, its title and ending
    // clips, its soundtracks; a clip or soundtrack that is no media file.
    // Empty when all are there.
    ST_ROW_PROBLEM SourceFilesProblem(int row) const;

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
    // (one PNG per styled-text layer, the row's subtitle file). Empty too,
    // with `problem` saying why, when a file it reads is missing, not a
    // regular file or (a subtitle file) too large, or a work file cannot be
    // written: nothing is left out silently.
    QString GetCommandArg(int row, ST_ROW_PROBLEM* problem = nullptr);
    // The graph of a row of that source with nothing drawn on it, which
    // deinterlaces the pictures marked as woven; empty without a picture.
    static QString DeinterlaceGraph(const ST_MEDIA_INFO& media);
    // One layer's source chain, without an output label.
    QString GetCommandMovie(WatermarkInfo* info);
    // One overlay filter, without labels. Times in microseconds.
    QString GetCommandOverlay(int x, int y, long long start, long long end, int moveMode, int speed);
    // The subtitle work file of a row (one per row and source); empty
    // without a work folder.
    QString SubtitleWorkFile(int row) const;
    // The picture layers' files, one name per file: what Run looks into
    // with LayerFiles::Learn off the GUI thread, on every Run (content
    // written in place may keep the file's times), taking the facts kept
    // where the content is the same, and keeps with KeepLayerFile, before
    // the graphs are built. The graph builder learns on the spot what is
    // still unknown then.
    QStringList RunLayerFiles() const;
    const LayerFiles& KeptLayerFiles() const { return m_layerFiles; }
    void KeepLayerFile(const ST_LAYER_FILE& facts);

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

    // The work folder the windows give, which holds this program's own.
    QString WorkRoot() const;

    // Builder pieces (CoreCommand.cpp).
    QString PrepareSubtitle(int row, const ST_OPTS& opts, ST_ROW_PROBLEM* problem);
    bool BuildLayerRecords(const ST_OPTS& opts, int width, int height, QList<WatermarkInfo>* records,
                           ST_ROW_PROBLEM* problem);
    // Writes a work file of that name through `write`, which is given its
    // path; the path, or empty with `problem` set.
    QString WriteWorkFile(const QString& name, const std::function<bool(const QString&)>& write,
                          ST_ROW_PROBLEM* problem);
    // What is known of a picture layer's file, learnt now when it is not.
    ST_LAYER_FILE LayerFile(const QString& path);
    // A problem sentence (a text of this class with %1) about a file.
    static ST_ROW_PROBLEM Problem(const char* text, const QString& path);
    // Why a tool could not read the file, empty when it can: missing, not a
    // regular file, or (when `looked` into) a kind that reads other files or,
    // when it must be `media`, one the media libraries cannot open.
    static ST_ROW_PROBLEM InputFileProblem(const QString& path, const char* missingText, bool looked,
                                           bool media = false);

    static Core instance_;

    EditorMainWindow* m_editorWindow = nullptr;
    MainWindow* m_mainWindow = nullptr;
    bool m_projectModified = false;
    QTimer m_autorecoveryTimer;
    std::function<QString()> m_workFolderQuery;
    std::function<QSize()> m_canvasSizeQuery;
    QPointer<QWidget> m_editorWidget;
    LayerFiles m_layerFiles;
};
