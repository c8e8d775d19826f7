#include "Core.h"

#include "FileFolders.h"
#include "QWatermarkBase.h"
#include "UniqueOutputName.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryFile>
#include <QWidget>

#include <climits>

// The translations are compiled into the engine library; referencing the
// initialiser keeps the linker from dropping them.
static void InitTranslationResources()
{
    Q_INIT_RESOURCE(lumacrest_translations);
}

Core Core::instance_;

Core::Core()
{
    InitTranslationResources();
    // Output names are chosen in the foundation layer, which cannot see the
    // rows: it asks here which files must never be replaced.
    SetInputFilesQuery([] { return instance()->InputFiles(); });
}

QStringList Core::InputFiles() const
{
    QStringList files;
    for (const ST_OPTS& row : Rows) {
        files << row.path;
        for (const ST_MERGE& clip : row.titleClips)
            files << clip.path;
        for (const ST_MERGE& clip : row.endingClips)
            files << clip.path;
        files << row.musicFiles << row.subtitlePath;
    }
    for (const QWatermarkBase* item : Layers) {
        const CLayerInfo* layer = item ? item->GetLayer() : nullptr;
        if (layer && (layer->Type == 1 || layer->Type == 2))
            files << layer->FileName;
    }
    files.removeAll(QString());
    return files;
}

int Core::PlayedRow(const QString& path) const
{
    const auto plays = [&](int row) { return SameFile(Rows.at(row).path, path); };
    if (IsValidRow(CurrentRow) && plays(CurrentRow))
        return CurrentRow;
    for (int row = Rows.size() - 1; row >= 0; --row) {
        if (plays(row))
            return row;
    }
    return CurrentRow;
}

ST_ROW_PROBLEM Core::SourceFilesProblem(int row) const
{
    if (!IsValidRow(row))
        return {};
    const ST_OPTS& opts = Rows.at(row);
    ST_ROW_PROBLEM problem = InputFileProblem(opts.path, QT_TR_NOOP("File missing: %1"), false);
    if (!problem.isEmpty())
        return problem;
    // What the row learnt of its source when it was added, while the file
    // is unchanged: no second look into it.
    if (CurrentMediaInfo(opts.media, opts.path).refused)
        return Problem(QT_TR_NOOP("Refers to other files: %1"), opts.path);
    QStringList files;
    for (const ST_MERGE& clip : opts.titleClips)
        files << clip.path;
    for (const ST_MERGE& clip : opts.endingClips)
        files << clip.path;
    files << opts.musicFiles;
    for (const QString& file : qAsConst(files)) {
        problem = InputFileProblem(file, QT_TR_NOOP("File missing: %1"), true, true);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

ST_ROW_PROBLEM Core::Problem(const char* text, const QString& path)
{
    const QString sentence = tr(text);
    return {sentence.arg(QFileInfo(path).fileName()), sentence.arg(ShownPath(path))};
}

ST_ROW_PROBLEM Core::InputFileProblem(const QString& path, const char* missingText, bool looked, bool media)
{
    // A pipe or a device would hold the tool reading it for ever.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Problem(missingText, path);
    if (!info.isFile())
        return Problem(QT_TR_NOOP("Not a regular file: %1"), path);
    // A script or playlist would have the tool read files the user never
    // chose, or wait on a pipe without end.
    if (!looked)
        return {};
    const ST_MEDIA_INFO probed = ProbeMediaInfo(path);
    if (probed.refused)
        return Problem(QT_TR_NOOP("Refers to other files: %1"), path);
    // A clip the libraries cannot open would only fail in its tool, or
    // (a melt script) be read as the files it names: say so now.
    if (media && !probed.opened)
        return Problem(QT_TR_NOOP("Not a media file: %1"), path);
    return {};
}

Core::~Core() = default;

Core* Core::instance()
{
    return &instance_;
}

void Core::SetEditorWindow(EditorMainWindow* window)
{
    m_editorWindow = window;
}

EditorMainWindow* Core::EditorWindow() const
{
    return m_editorWindow;
}

void Core::SetMainWindow(MainWindow* window)
{
    m_mainWindow = window;
}

MainWindow* Core::GetMainWindow() const
{
    return m_mainWindow;
}

void Core::SetWorkFolderQuery(std::function<QString()> query)
{
    m_workFolderQuery = std::move(query);
}

void Core::SetCanvasSizeQuery(std::function<QSize()> query)
{
    m_canvasSizeQuery = std::move(query);
}

void Core::SetEditorWidget(QWidget* widget)
{
    m_editorWidget = widget;
}

QString Core::WorkRoot() const
{
    QString folder = m_workFolderQuery ? m_workFolderQuery() : QString();
    if (folder.isEmpty())
        folder = GetAppDataDir() + QStringLiteral("/Cache");
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString Core::WorkFolder() const
{
    // Work files of fixed names in a folder every running copy of the
    // program shares would be overwritten by the others: each has its own.
    const QString root = WorkRoot();
    if (!QDir().mkpath(root)) {
        qWarning() << "Failed to create work folder:" << root;
        return QString();
    }
    return PrivateWorkFolder(root);
}

QSize Core::CanvasSize() const
{
    if (!m_canvasSizeQuery)
        return QSize(0, 0);
    const QSize size = m_canvasSizeQuery();
    if (size.width() <= 0 || size.height() <= 0)
        return QSize(0, 0);
    return size;
}

QString Core::LanguageCode(int index)
{
    static const char* const codes[] = {
        "zh_CN", "en_US", "fr", "de", "it", "ja", "pt_BR", "ru", "es",
    };
    if (index < 0 || index >= int(sizeof(codes) / sizeof(codes[0])))
        return QString();
    return QLatin1String(codes[index]);
}

QString Core::TranslationResource(int index)
{
    const QString code = LanguageCode(index);
    return code.isEmpty() ? QString() : QStringLiteral(":/Translations/Brisquel_") + code + QStringLiteral(".qm");
}

void Core::ChangeLanguage(int index)
{
    const QString name = TranslationResource(index);
    // Exactly that resource: no fallback names, no added suffix.
    if (name.isEmpty() || !Translator.load(name, QString(), QLatin1String(""), QLatin1String("")))
        return;
    // Qt's own texts (standard buttons, file dialogs) from the system's Qt
    // translations, "qtbase_en_US" falling back to "qtbase_en". Installed
    // before ours, so ours win where both translate a text.
    QCoreApplication::removeTranslator(&QtTranslator);
    QCoreApplication::removeTranslator(&Translator);
    if (QtTranslator.load(QStringLiteral("qtbase_") + LanguageCode(index),
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTranslator);
    QCoreApplication::installTranslator(&Translator);
}

void Core::SetSubtitle(const QString& path)
{
    SubtitlePath = path;
}

void Core::MessageBoxAddMediaFile()
{
    QMessageBox box;
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(tr("Add media file to list"));
    box.setStandardButtons(QMessageBox::Yes);
    box.setDefaultButton(QMessageBox::Yes);
    box.exec();
}

void Core::onAddLayer(QWatermarkBase* item)
{
    Layers.append(item);
    // An item the scene destroys without announcing it must not stay behind
    // as a dangling pointer for the next graph.
    if (item) {
        connect(item, &QObject::destroyed, this, [this, item]() { Layers.removeAll(item); });
    }
    qDebug() << "onAddLayer" << Layers.size();
    emit sigAddLayer(item);
}

void Core::onRemoveLayer(QWatermarkBase* item)
{
    const int index = Layers.indexOf(item);
    if (index >= 0)
        Layers.removeAt(index);
    qDebug() << "onRemoveLayer" << Layers.size();
    emit sigRemoveLayer(item);
}

QString Core::GetMergeFileName(int row, const QString& mainVideo)
{
    if (!IsValidRow(row))
        return QString();
    const ST_OPTS& opts = Rows.at(row);
    QStringList paths;
    for (const ST_MERGE& clip : opts.titleClips)
        paths << clip.path;
    paths << mainVideo;
    for (const ST_MERGE& clip : opts.endingClips)
        paths << clip.path;

    QByteArray text;
    for (const QString& path : paths) {
        if (path.isEmpty() || path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
            qWarning() << "Concat list refused for path:" << path;
            return QString();
        }
        // The list lies in the work folder and the converter resolves
        // relative names against the list's folder: write absolute paths.
        QString quoted = QFileInfo(path).absoluteFilePath();
        quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
        text += "file '" + quoted.toUtf8() + "'\n";
    }

    // One new list per call, so two merges never share one.
    const QString folder = WorkFolder();
    QTemporaryFile file(folder + QStringLiteral("/MergerTemp_XXXXXX.txt"));
    file.setAutoRemove(false);
    if (folder.isEmpty() || !file.open()) {
        qWarning() << "Cannot create concat list in" << folder;
        return QString();
    }
    const QString name = QFileInfo(file.fileName()).absoluteFilePath();
    qDebug() << name;
    const bool written = file.write(text) == text.size() && file.flush();
    file.close();
    if (!written) {
        QFile::remove(name);
        return QString();
    }
    return name;
}

bool Core::IsMergeListMP4(int row)
{
    if (!IsValidRow(row))
        return false;
    const ST_OPTS& opts = Rows.at(row);
    const auto isMp4 = [](const QString& path) {
        const int dot = path.lastIndexOf(QLatin1Char('.'));
        return path.mid(dot + 1).toLower() == QLatin1String("mp4");
    };
    for (const ST_MERGE& clip : opts.titleClips)
        if (!isMp4(clip.path))
            return false;
    for (const ST_MERGE& clip : opts.endingClips)
        if (!isMp4(clip.path))
            return false;
    return true;
}

Timecode::Display Core::GetTimecodeDisplay() const
{
    return Timecode::RealTime;
}

void Core::SetTimecodeDisplay(Timecode::Display display)
{
    emit TimecodeDisplayChanged(display);
}

void Core::ProjectSaveSucceeded()
{
    if (m_editorWidget)
        m_editorWidget->setWindowModified(false);
    m_projectModified = false;
}

void Core::SaveAutorecovery()
{
    m_projectModified = false;
}

void Core::SetProjectModified(bool modified)
{
    if (m_editorWidget)
        m_editorWidget->setWindowModified(modified);
    m_projectModified = modified;
}

bool Core::IsProjectModified() const
{
    if (m_editorWidget)
        return m_editorWidget->isWindowModified();
    return m_projectModified;
}

void Core::SetAutorecoveryInterval(int minutes)
{
    const qint64 ms = qBound<qint64>(0, qint64(minutes) * 60000, INT_MAX);
    m_autorecoveryTimer.setInterval(int(ms));
}

QString Core::GetProjectFilter()
{
    return QStringLiteral("%1 (*.jxo)").arg(tr("Lumacrest Project"));
}
