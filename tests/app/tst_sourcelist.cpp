// The source list of the real main window: files come in through the add
// actions and drops, rows go with Delete and All Delete.
#include <QAction>
#include <QBuffer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QMimeData>
#include <QPointer>
#include <QScopeGuard>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QThread>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <cstdio>

#include <memory>

#include "AppStart.h"
#include "AppTestKit.h"
#include "Core.h"
#include "FifoGuard.h"
#include "JxEngineJob.h"
#include "QPlayerWidget.h"
#include "SourceBatch.h"
#include "TestMedia.h"
#include "EditorMainWindow.h"

namespace {

QStringList Names(QTableWidget* table, int column = 0)
{
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return names;
}

void Touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Everything a user or a later action can see of the source list: cells,
// records, selection and the current row.
QStringList ListState(QTableWidget* table)
{
    QStringList state;
    const Core* core = Core::instance();
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            state << (item ? QStringLiteral("%1|%2|%3|%4").arg(item->text(), item->toolTip())
                                 .arg(item->textAlignment())
                                 .arg(item->data(MainWindow::RowStateRole).toString())
                           : QStringLiteral("no cell"));
        }
        const ST_OPTS& o = core->Rows.value(row);
        state << QStringLiteral("%1 %2x%3 %4-%5 %6 %7")
                     .arg(o.path).arg(o.width).arg(o.height).arg(o.trimStart).arg(o.trimEnd)
                     .arg(o.subtitlePath).arg(o.subtitle);
    }
    QStringList selected;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes())
        selected << QStringLiteral("%1,%2").arg(index.row()).arg(index.column());
    selected.sort();
    state << QStringLiteral("selected ") + selected.join(QLatin1Char(' '));
    state << QStringLiteral("current %1,%2 record %3 of %4")
                 .arg(table->currentRow()).arg(table->currentColumn()).arg(core->CurrentRow).arg(core->Rows.size());
    return state;
}

} // namespace

class TestSourceList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void addFilesThroughTheDialog();
    void addFolder_data();
    void addFolder();
    void dropRoutes_data();
    void dropRoutes();
    void dropOnMergeWithEmptyListAsksForFiles();
    void allDeleteKeepsTheWorkTabs();
    void deleteKeepsCurrentRowValid();
    void deleteRefusedWhileRowHasLiveJobs();
    void readyToConvertResetsCompleted();
    void deleteRepeatList();
    void batchEndsAsOneByOne_data();
    void batchEndsAsOneByOne();
    void batchKeepsWindowLiveAndCancels();
    void slowProbeEndsOnCancelAndClose_data();
    void slowProbeEndsOnCancelAndClose();
    void filesThatWouldHangAreNotOpened_data();
    void filesThatWouldHangAreNotOpened();
    void namesTheSystemCannotCarryAreRefused_data();
    void namesTheSystemCannotCarryAreRefused();
    void windowThreadReadsHeadersOnly_data();
    void windowThreadReadsHeadersOnly();
    void lastAddedRowIsShown_data();
    void lastAddedRowIsShown();

private:
    MainWindow* Window();
    QTableWidget* Table(const char* name) { return m_window->findChild<QTableWidget*>(QLatin1String(name)); }
    QAction* Action(const char* name) { return m_window->findChild<QAction*>(QLatin1String(name)); }
    void Drop(QWidget* over, const QList<QUrl>& urls);

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_video;
    std::unique_ptr<MainWindow> m_window;
};

void TestSourceList::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    AppTestKit::WriteSettings(m_dir.path());
    m_video = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("source.mp4"), 1.0);
    QVERIFY(!m_video.isEmpty());
}

void TestSourceList::init()
{
    Core::instance()->Rows.clear();
    Core::instance()->CurrentRow = 0;
}

void TestSourceList::cleanup()
{
    AppTestKit::CloseWindow(m_window);
    SourceBatch::SetProbeHook({});
}

MainWindow* TestSourceList::Window()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    return m_window.get();
}

void TestSourceList::Drop(QWidget* over, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = over->mapTo(m_window.get(), over->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &drop);
}

void TestSourceList::addFilesThroughTheDialog()
{
    QVERIFY(Window());
    // Names a command line or a placeholder could trip over.
    QStringList files;
    for (const char* name : {"a \"quoted\" %1.mp4", "b:c,d[e].mp4", "-lead.mp4", "видео 日本.mp4", "e.mp4"}) {
        const QString path = m_dir.path() + QStringLiteral("/") + QString::fromUtf8(name);
        QVERIFY(QFile::copy(m_video, path) || QFile::exists(path));
        files << path;
    }
    QStringList captions;
    AppTestKit::Answer(files, &captions);
    Action("actionAddFile")->trigger();

    QCOMPARE(captions, QStringList{QStringLiteral("Add File")});
    QTableWidget* table = Table("tableWidget");
    QTRY_COMPARE(table->rowCount(), 5);
    Core* core = Core::instance();
    QCOMPARE(core->Rows.size(), 5);
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(table->item(row, 0)->text(), QFileInfo(files[row]).fileName());
        QCOMPARE(table->item(row, 0)->toolTip(), files[row]);
        QCOMPARE(table->item(row, 2)->text(), QStringLiteral("Ready"));
        QCOMPARE(core->Rows[row].path, files[row]);
        QCOMPARE(core->Rows[row].width, 320);
        QVERIFY(core->Rows[row].trimEnd > 900000);
    }
    QCOMPARE(core->CurrentRow, 4);
    QCOMPARE(table->currentRow(), 4);
    QCOMPARE(m_window->Settings().OpenPath, m_dir.path());
    QCOMPARE(m_window->findChild<QPlayerWidget*>()->SourcePath, files.first());
}

void TestSourceList::windowThreadReadsHeadersOnly_data()
{
    QTest::addColumn<QString>("then");
    for (const char* then : {"nothing", "actionStop", "actionRun", "actionQuit"})
        QTest::newRow(then) << QString(then);
}

// A file added through Watermark with an empty list, then changed, is looked into here no further than its
// headers; its pictures' stamps are read on a worker, the row saying so, and Run waits for them unless ended.
void TestSourceList::windowThreadReadsHeadersOnly()
{
    QFETCH(QString, then);
    const QString path = m_dir.filePath(QStringLiteral("held.mp4")); // every picture a key: long past its headers
    QVERIFY(QFile::exists(path) || TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=d=4", "-g", "1", path}));
    auto go = std::make_shared<QSemaphore>();
    SourceBatch::SetProbeHook([go](const QString&, const std::atomic<bool>& cancel) {
        while (!cancel && !go->tryAcquire(1, 5)) {}
    });
    QVERIFY(Window());
    const long long beyond = ProbeBytesBeyondHeaders();
    AppTestKit::Answer({path});
    Action("actionWatermark")->trigger();
    QVERIFY(m_window->Editor().isVisible());
    m_window->Editor().close();
    QTableWidgetItem* status = Table("tableWidget")->item(0, 2);
    QCOMPARE(status->text(), QStringLiteral("Reading..."));
    go->release();
    QTRY_COMPARE(status->text(), QStringLiteral("Ready"));
    const ST_MEDIA_INFO& media = Core::instance()->Rows[0].media;
    QVERIFY(media.depth == ProbeDepth::Pictures && media.pictureRate > 20);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    m_window->Jobs().pause();
    Action("actionRun")->trigger();
    QCOMPARE(status->text(), QStringLiteral("Reading..."));
    AppStart::SetProcessEnd([](int) {});
    if (then != QLatin1String("nothing"))
        Action(then.toLatin1().constData())->trigger();
    go->release();
    QTRY_VERIFY(Core::instance()->Rows[0].media.DescribesFile(path));
    QCOMPARE(m_window->Jobs().jobs().size(), then == QLatin1String("nothing") ? 1 : 0);
    QCOMPARE(ProbeBytesBeyondHeaders(), beyond);
}

void TestSourceList::addFolder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("added");
    // A sub-folder named like a media file is taken as one; nothing deeper.
    QTest::newRow("one level, sorted ignoring case")
        << QStringList{"b.mp4", "A.mkv", "notes.txt", "sub/c.mp4", "d.mp4/e.mp4"}
        << QStringList{"A.mkv", "b.mp4", "d.mp4"};
    QTest::newRow("no media: nothing") << QStringList{"notes.txt", "sub/c.mp4"} << QStringList{};
    // Camera cards name their files in capitals; kinds not in the lists stay out.
    QTest::newRow("upper-case names")
        << QStringList{"C0001.MP4", "IMG_0001.MOV", "clip.mp4", "Sound.Mp3", "NOTES.TXT", "DSC0001.JPG"}
        << QStringList{"C0001.MP4", "clip.mp4", "IMG_0001.MOV", "Sound.Mp3"};
}

void TestSourceList::addFolder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, added);
    QTemporaryDir folder;
    for (const QString& file : files) {
        QVERIFY(QDir(folder.path()).mkpath(QFileInfo(file).path()));
        Touch(folder.filePath(file));
    }
    QVERIFY(Window());
    AppTestKit::Answer({folder.path()});
    Action("actionAddFolder")->trigger();
    QTRY_COMPARE(Names(Table("tableWidget")), added);
    QCOMPARE(Core::instance()->Rows.size(), added.size());
    QCOMPARE(m_window->findChild<QPlayerWidget*>()->SourcePath,
             added.isEmpty() ? QString() : folder.filePath(added.first()));

    // The same folder dropped on the window gives the same rows again.
    Drop(Table("tableWidget"), {QUrl::fromLocalFile(folder.path())});
    QTRY_COMPARE(Names(Table("tableWidget")), added + added);
}

void TestSourceList::dropRoutes_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("over");
    QTest::addColumn<int>("sources");
    QTest::addColumn<int>("endingClips");
    QTest::addColumn<int>("music");
    QTest::newRow("source table") << 0 << "tableWidget" << 2 << 0 << 0;
    QTest::newRow("merge table, Merge page") << 0 << "tableWidgetMerge" << 1 << 1 << 0;
    QTest::newRow("music table, Soundtrack page") << 3 << "tableWidgetMusic" << 1 << 0 << 1;
    QTest::newRow("split page shown: to the sources") << 1 << "tableWidgetSplit" << 2 << 0 << 0;
}

void TestSourceList::dropRoutes()
{
    QFETCH(int, page);
    QFETCH(QString, over);
    QFETCH(int, sources);
    QFETCH(int, endingClips);
    QFETCH(int, music);
    QVERIFY(Window());
    AppTestKit::AddFile(*m_window, m_video);
    m_window->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(page);
    Drop(Table(over.toLatin1().constData()), {QUrl::fromLocalFile(m_video)});
    Core* core = Core::instance();
    QTRY_COMPARE(Table("tableWidget")->rowCount(), sources);
    QCOMPARE(core->Rows[0].endingClips.size(), endingClips);
    // The current row's own merge row, then the dropped clip.
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), 1 + endingClips);
    QCOMPARE(core->Rows[0].musicFiles.size(), music);
    QCOMPARE(Table("tableWidgetMusic")->rowCount(), music);
    if (music)
        QCOMPARE(Table("tableWidgetMusic")->item(0, 1)->text(), QStringLiteral("00:00:01"));
    // A dropped clip counts in the merge total at once.
    if (endingClips) {
        const qint64 total = core->Rows[0].trimEnd - core->Rows[0].trimStart + core->Rows[0].endingClips[0].end;
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("labelTotal"))->text(),
                 QTime(0, 0).addMSecs(int(total / 1000)).toString(QStringLiteral("hh:mm:ss")));
    }
}

void TestSourceList::dropOnMergeWithEmptyListAsksForFiles()
{
    QVERIFY(Window());
    QString text;
    AppTestKit::AnswerModal(QDialogButtonBox::Yes, &text);
    Drop(Table("tableWidgetMerge"), {QUrl::fromLocalFile(m_video)});
    QCOMPARE(text, QStringLiteral("Add media file to list"));
    QCOMPARE(Table("tableWidget")->rowCount(), 0);
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), 0);
}

// All Delete takes the rows only: what the work tabs show stays.
void TestSourceList::allDeleteKeepsTheWorkTabs()
{
    QVERIFY(Window());
    AppTestKit::AddFile(*m_window, m_video);
    m_window->AddMergeFile(m_video);
    m_window->AddMusicFile(m_video);
    Action("actionAll_Delete")->trigger();
    QCOMPARE(Table("tableWidget")->rowCount(), 0);
    QVERIFY(Core::instance()->Rows.isEmpty());
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), 2);
    QCOMPARE(Table("tableWidgetMusic")->rowCount(), 1);
}

void TestSourceList::deleteKeepsCurrentRowValid()
{
    QVERIFY(Window());
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << m_dir.filePath(QStringLiteral("row%1.mp4").arg(i));
        Touch(paths.last());
        AppTestKit::AddFile(*m_window, paths.last());
    }
    QTableWidget* table = Table("tableWidget");
    Core* core = Core::instance();
    // Every row has work of its own that no button may rebuild from tabs
    // that show another row.
    QHash<QString, int> work;
    for (int i = 0; i < core->Rows.size(); ++i) {
        work[paths[i]] = i + 1;
        for (int n = 0; n <= i; ++n) {
            core->Rows[i].splitRanges << ST_SPLIT_TIME{n * 1000000LL, (n + 1) * 1000000LL};
            core->Rows[i].musicFiles << m_video;
        }
    }
    const auto pressTabButtonsKeepsWork = [this, core, &work] {
        for (const char* name : {"BtnSplitDel", "BtnMusicUp", "BtnMusicDown", "BtnMusicDelete"})
            m_window->findChild<QAbstractButton*>(QLatin1String(name))->click();
        for (const ST_OPTS& opts : core->Rows) {
            QCOMPARE(opts.splitRanges.size(), work.value(opts.path));
            QCOMPARE(opts.musicFiles.size(), work.value(opts.path));
        }
    };

    // The current row's record follows it when rows before it go.
    table->setCurrentCell(3, 0);
    m_window->on_tableWidget_cellClicked(3, 0);
    table->clearSelection();
    table->selectRow(1);
    Action("actionDelete")->trigger();
    QCOMPARE(core->CurrentRow, 2);
    QCOMPARE(core->Rows[core->CurrentRow].path, paths[3]);

    // The current row goes: no row is current, the tabs are empty and their
    // buttons change no record.
    table->clearSelection();
    for (int row : {1, 2})
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Action("actionDelete")->trigger();
    QCOMPARE(Names(table), (QStringList{"row0.mp4", "row4.mp4"}));
    QCOMPARE(core->CurrentRow, -1);
    QCOMPARE(Table("tableWidgetMusic")->rowCount(), 0);
    pressTabButtonsKeepsWork();

    // All Delete keeping a row with a live job: the index never lands on it.
    m_window->on_tableWidget_cellClicked(1, 0);
    auto* job = new JxEngineJob(QString(), {"-version"}, true);
    job->setStandardItem(table->item(0, 2));
    job->sourceRow = 0;
    m_window->Jobs().pause();
    m_window->Jobs().AddJobTask(job);
    AppTestKit::AnswerModal(QDialogButtonBox::Ok);
    Action("actionAll_Delete")->trigger();
    QCOMPARE(Names(table), QStringList{"row0.mp4"});
    QCOMPARE(core->CurrentRow, -1);
    pressTabButtonsKeepsWork();
    m_window->Jobs().cleanup();

    Action("actionAll_Delete")->trigger();
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(core->Rows.isEmpty());
    QCOMPARE(core->CurrentRow, -1);
    // Nothing is current: the actions that read it do nothing.
    Action("actionReady_to_convert")->trigger();
    const int mergeRows = Table("tableWidgetMerge")->rowCount();
    m_window->AddMergeFile(m_video);
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), mergeRows);
}

void TestSourceList::deleteRefusedWhileRowHasLiveJobs()
{
    QVERIFY(Window());
    AppTestKit::AddFile(*m_window, m_dir.filePath(QStringLiteral("first.mp4")));
    AppTestKit::AddFile(*m_window, m_dir.filePath(QStringLiteral("busy.mp4")));
    QTableWidget* table = Table("tableWidget");
    // A queued job of the second row, not started: it will write into the row.
    auto* job = new JxEngineJob(QString(), {"-version"}, true);
    job->setStandardItem(table->item(1, 2));
    job->sizeItem = table->item(1, 1);
    job->sourceRow = 1;
    m_window->Jobs().pause();
    m_window->Jobs().AddJobTask(job);

    table->selectAll();
    QString text;
    AppTestKit::AnswerModal(QDialogButtonBox::Ok, &text);
    Action("actionDelete")->trigger();
    QVERIFY(text.contains(QStringLiteral("being converted")));
    QCOMPARE(Names(table), QStringList{"busy.mp4"});
    QCOMPARE(Core::instance()->Rows.size(), 1);
    // The job follows its row up.
    QCOMPARE(job->sourceRow, 0);
    QCOMPARE(job->standardItem(), table->item(0, 2));

    AppTestKit::AnswerModal(QDialogButtonBox::Ok, &text);
    Action("actionAll_Delete")->trigger();
    QCOMPARE(table->rowCount(), 1);
    m_window->Jobs().cleanup();
}

void TestSourceList::readyToConvertResetsCompleted()
{
    QVERIFY(Window());
    AppTestKit::AddFile(*m_window, m_video);
    QTableWidgetItem* status = Table("tableWidget")->item(0, 2);
    status->setText(QStringLiteral("Completed"));
    QCOMPARE(m_window->StateOfRow(0), MainWindow::RowCompleted);
    Table("tableWidget")->selectRow(0);
    Action("actionReady_to_convert")->trigger();
    QCOMPARE(status->text(), QStringLiteral("Ready"));
    QCOMPARE(m_window->StateOfRow(0), MainWindow::RowReady);
}

void TestSourceList::deleteRepeatList()
{
    QTableWidget table(6, 2);
    QList<QModelIndex> indexes;
    for (int row : {0, 0, 1, 1, 1, 0, 3})
        indexes << table.model()->index(row, 1);
    QList<int> rows;
    for (const QModelIndex& index : MainWindow::deleteRepeatList(indexes))
        rows << index.row();
    QCOMPARE(rows, (QList<int>{0, 1, 0, 3}));
}

void TestSourceList::batchEndsAsOneByOne_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Add File") << "actionAddFile";
    QTest::newRow("Add Folder") << "actionAddFolder";
    QTest::newRow("drop of files") << "drop";
}

void TestSourceList::batchEndsAsOneByOne()
{
    QFETCH(QString, how);
    // Probed and unprobeable files, one with a subtitle beside it.
    QTemporaryDir folder;
    QStringList files;
    for (const char* name : {"a.mp4", "B.mkv", "c.mp4", "d.mp4", "e.avi", "F.mp4", "g.mov", "h.mp4"}) {
        files << folder.filePath(QLatin1String(name));
        if (QByteArray(name).startsWith('e'))
            Touch(files.last());
        else
            QVERIFY(QFile::copy(m_video, files.last()));
    }
    Touch(folder.filePath(QStringLiteral("c.srt")));

    // One by one, after a row already there.
    QVERIFY(Window());
    AppTestKit::AddFile(*m_window, m_video);
    for (const QString& file : files)
        AppTestKit::AddFile(*m_window, file);
    const QStringList oneByOne = ListState(Table("tableWidget"));
    AppTestKit::CloseWindow(m_window);
    Core::instance()->Rows.clear();

    QVERIFY(Window());
    AppTestKit::AddFile(*m_window, m_video);
    if (how == QLatin1String("drop")) {
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(file);
        Drop(Table("tableWidget"), urls);
    } else {
        AppTestKit::Answer(how == QLatin1String("actionAddFolder") ? QStringList{folder.path()} : files);
        Action(how.toLatin1().constData())->trigger();
    }
    QTRY_COMPARE(ListState(Table("tableWidget")), oneByOne);
}

void TestSourceList::batchKeepsWindowLiveAndCancels()
{
    QTemporaryDir folder;
    QStringList names;
    for (int i = 0; i < 6; ++i) {
        names << QStringLiteral("f%1.mp4").arg(i);
        QVERIFY(QFile::copy(m_video, folder.filePath(names.last())));
    }
    // Shared with the hook, which the worker may still be in if this fails.
    auto go = std::make_shared<QSemaphore>();
    auto probing = std::make_shared<QAtomicInt>();
    SourceBatch::SetProbeHook([go, probing](const QString&, const std::atomic<bool>&) {
        ++*probing;
        go->tryAcquire(1, 20000);
    });
    QVERIFY(Window());
    AppTestKit::Answer({folder.path()});
    Action("actionAddFolder")->trigger();
    QTableWidget* table = Table("tableWidget");
    // The action is back while the first file is still being probed, and the
    // window goes on: its progress comes up, with a Cancel.
    QCOMPARE(table->rowCount(), 0);
    QPointer<QProgressDialog> progress = m_window->findChild<QProgressDialog*>();
    QVERIFY(progress);
    QTRY_VERIFY(progress->isVisible());
    QCOMPARE(progress->maximum(), 6);

    go->release(2);
    QTRY_COMPARE(Names(table), names.mid(0, 2));
    QTRY_COMPARE(progress->value(), 2);
    QTRY_COMPARE(int(*probing), 3);
    // Cancelled while the third is probed: the rows in stay, the last one
    // current, and nothing more comes.
    QPushButton* cancel = progress->findChild<QPushButton*>();
    QVERIFY(cancel);
    cancel->click();
    QTRY_VERIFY(!progress);
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(Core::instance()->CurrentRow, 1);
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    go->release(100);
    // A later file comes right after them: the one being probed was dropped.
    const QString later = folder.filePath(QStringLiteral("later.mp4"));
    QVERIFY(QFile::copy(m_video, later));
    Drop(table, {QUrl::fromLocalFile(later)});
    QTRY_COMPARE(Names(table), names.mid(0, 2) << QStringLiteral("later.mp4"));
    QCOMPARE(Core::instance()->Rows.size(), 3);
    QCOMPARE(Core::instance()->CurrentRow, 2);
}

void TestSourceList::slowProbeEndsOnCancelAndClose_data()
{
    QTest::addColumn<bool>("close");
    QTest::newRow("Cancel") << false;
    QTest::newRow("closing the window") << true;
}

void TestSourceList::slowProbeEndsOnCancelAndClose()
{
    QFETCH(bool, close);
    QTemporaryDir folder;
    const QString slow = folder.filePath(QStringLiteral("slow.mp4"));
    const QString later = folder.filePath(QStringLiteral("later.mp4"));
    QVERIFY(QFile::copy(m_video, slow) && QFile::copy(m_video, later));
    // The probe of slow.mp4 lasts until it is told to end (or 30 s).
    auto probing = std::make_shared<QAtomicInt>();
    SourceBatch::SetProbeHook([probing](const QString& path, const std::atomic<bool>& cancel) {
        if (!path.endsWith(QLatin1String("slow.mp4")))
            return;
        *probing = 1;
        QElapsedTimer waited;
        waited.start();
        while (!cancel && waited.elapsed() < 30000)
            QThread::msleep(5);
    });
    QVERIFY(Window());
    AppTestKit::Answer({slow});
    Action("actionAddFile")->trigger();
    QTRY_VERIFY(*probing == 1);
    QElapsedTimer ending;
    ending.start();
    if (close) {
        AppTestKit::CloseWindow(m_window);
    } else {
        auto* progress = m_window->findChild<QProgressDialog*>();
        QVERIFY(progress && progress->findChild<QPushButton*>());
        progress->findChild<QPushButton*>()->click();
        Drop(Table("tableWidget"), {QUrl::fromLocalFile(later)});
        QTRY_COMPARE(Names(Table("tableWidget")), QStringList{"later.mp4"});
    }
    QVERIFY2(ending.elapsed() < 10000, qPrintable(QString::number(ending.elapsed())));
}

void TestSourceList::filesThatWouldHangAreNotOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: the file is the pipe itself
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("says"); // as the row is added, and in Run unless a pipe or a script
    const QString cannot = QStringLiteral("Cannot be read: ");
    QTest::newRow("pipe named like a video") << "fifo.mp4" << QByteArray() << false << cannot + "not a video or sound file";
    QTest::newRow("concat script naming a pipe")
        << "concat.mp4" << QByteArray("ffconcat version 1.0\nfile fifo.mp4\n") << true << cannot + "it refers to other files";
    QTest::newRow("playlist naming a pipe") << "list.m3u8"
        << QByteArray("#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\nfifo.mp4\n#EXT-X-ENDLIST\n") << true << cannot + "it refers to other files";
    QTest::newRow("text named like a video") << "notes.mp4" << QByteArray("Buy milk.\n") << false << cannot + "not a video or sound file";
    QFile video(m_video);
    QVERIFY(video.open(QIODevice::ReadOnly));
    QTest::newRow("mp4 cut short") << "cut.mp4" << video.read(video.size() / 2) << false << cannot + "damaged or cut short";
    QTest::newRow("subtitles") << "words.ass" << QByteArray("[Script Info]\nScriptType: v4.00+\n\n[Events]\nFormat: Layer, Start, End, Style, Text\n")
                               << false << cannot + "no picture or sound in it";
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && QImage(8, 8, QImage::Format_RGB32).save(&buffer, "PNG"));
    QTest::newRow("picture") << "still.png" << png << false << cannot + "a still picture, not a video";
}

void TestSourceList::filesThatWouldHangAreNotOpened()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, refused);
    QFETCH(QString, says);
    QTemporaryDir folder;
    // Were the pipe opened, the guard lets the probe go at its deadline:
    // the test fails, and the window still closes.
    FifoGuard pipe(folder.filePath(QStringLiteral("fifo.mp4")));
    QVERIFY(pipe.Made());
    const QString file = folder.filePath(name);
    if (!content.isEmpty()) {
        QFile script(file);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(content);
    }
    const QString real = folder.filePath(QStringLiteral("real.mp4"));
    const QString later = folder.filePath(QStringLiteral("later.mp4"));
    QVERIFY(QFile::copy(m_video, real) && QFile::copy(m_video, later));

    QVERIFY(Window());
    AppTestKit::Answer({file, real});
    Action("actionAddFile")->trigger();
    QTableWidget* table = Table("tableWidget");
    QTRY_COMPARE_WITH_TIMEOUT(Names(table), (QStringList{name, "real.mp4"}), 10000);
    QTRY_VERIFY(!m_window->findChild<QProgressDialog*>());
    const Core* core = Core::instance();
    QCOMPARE(core->Rows[0].trimEnd, 0);
    QCOMPARE(core->Rows[0].media.refused, refused);
    QCOMPARE(core->Rows[1].width, 320);
    QCOMPARE(Names(table, 2), (QStringList{says, "Ready"}));
    // Marked ready again, it still says why it cannot be.
    table->selectRow(0);
    Action("actionReady_to_convert")->trigger();
    QCOMPARE(table->item(0, 2)->text(), says);
    // The list goes on taking files.
    Drop(table, {QUrl::fromLocalFile(later)});
    QTRY_COMPARE(Names(table), (QStringList{name, "real.mp4", "later.mp4"}));

    // Nor does the converter get it: a script would have it read what the file names.
    m_window->Jobs().pause();
    Action("actionRun")->trigger();
    QCOMPARE(table->item(0, 2)->text(), refused ? "Refers to other files: " + name
                                        : content.isEmpty() ? "Not a regular file: " + name : says);
    for (const AbstractJob* job : m_window->Jobs().jobs())
        QVERIFY(job->sourceRow != 0);
    QVERIFY2(!pipe.WasOpened(), "the pipe was opened");
}

void TestSourceList::namesTheSystemCannotCarryAreRefused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("refused");
    for (const char* how : {"actionAddFile", "actionAddFolder", "drop"}) {
        QTest::addRow("%s, Latin-1 byte", how) << how << QByteArray("lat\xe9in.mp4") << true;
        // Valid UTF-8 that holds the replacement character itself.
        QTest::addRow("%s, U+FFFD", how) << how << QByteArray("caf\xef\xbf\xbd.mp4") << false;
    }
    // A folder's name in capitals is found among those it cannot carry too.
    QTest::newRow("actionAddFolder, Latin-1 byte, upper case") << "actionAddFolder" << QByteArray("C\xc9" "001.MP4") << true;
}

void TestSourceList::namesTheSystemCannotCarryAreRefused()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, name);
    QFETCH(bool, refused);
    QTemporaryDir folder;
    const QByteArray raw = QFile::encodeName(folder.path()) + "/" + name;
    const QString decoded = QFile::decodeName(raw);
    if (!decoded.contains(QChar::ReplacementCharacter))
        QSKIP("the locale carries every byte of a name");
    QVERIFY(QFile::copy(m_video, folder.filePath(QStringLiteral("latin.mp4"))));
    QVERIFY(::rename(QFile::encodeName(folder.filePath(QStringLiteral("latin.mp4"))).constData(), raw.constData()) == 0);
    // Qt cannot name it to remove it with the folder.
    const auto unlink = qScopeGuard([raw] { ::remove(raw.constData()); });
    const QString good = folder.filePath(QStringLiteral("good.mp4"));
    QVERIFY(QFile::copy(m_video, good));

    QVERIFY(Window());
    QString said;
    AppTestKit::AnswerModal(QDialogButtonBox::Ok, &said);
    if (how == QLatin1String("drop")) {
        Drop(Table("tableWidget"), {QUrl::fromEncoded("file://" + raw.toPercentEncoding("/")), QUrl::fromLocalFile(good)});
    } else {
        AppTestKit::Answer(how == QLatin1String("actionAddFolder") ? QStringList{folder.path()}
                                                                    : QStringList{decoded, good});
        Action(how.toLatin1().constData())->trigger();
    }
    const QStringList kept = refused ? QStringList{"good.mp4"} : QStringList{QFileInfo(decoded).fileName(), "good.mp4"};
    QTRY_COMPARE(Names(Table("tableWidget")), kept);
    QVERIFY2(refused ? said.contains(QFileInfo(decoded).fileName()) : said.isEmpty(), qPrintable(said));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(m_window->findChild<QPlayerWidget*>()->SourcePath,
             how == QLatin1String("drop") ? QString() : refused ? good : decoded);
}

void TestSourceList::lastAddedRowIsShown_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fitUntilRows");
    QTest::newRow("20 files") << 20 << false;
    QTest::newRow("1000 files") << 1000 << false;
    // The vertical scroll bar that the rows bring takes the room the columns
    // had: the horizontal one comes after it, once the rows are laid out.
    QTest::newRow("20 files, columns that fit until the rows come") << 20 << true;
}

void TestSourceList::lastAddedRowIsShown()
{
    QFETCH(int, count);
    QFETCH(bool, fitUntilRows);
    QVERIFY(Window());
    m_window->resize(640, 420);
    QTableWidget* table = Table("tableWidget");
    if (fitUntilRows) {
        QTRY_VERIFY(!table->horizontalScrollBar()->isVisible());
        const int spare = table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table) / 2;
        const int others = table->columnWidth(2) + table->horizontalHeader()->minimumSectionSize() + spare;
        table->setColumnWidth(1, table->viewport()->width() - others);
        QTRY_COMPARE(table->columnWidth(0), table->horizontalHeader()->minimumSectionSize() + spare);
    } else {
        // A pane too narrow for its columns: a horizontal scroll bar comes too.
        table->setColumnWidth(1, 600);
        QTRY_VERIFY(table->horizontalScrollBar()->isVisible());
    }
    QStringList files;
    for (int i = 0; i < count; ++i)
        files << m_dir.filePath(QStringLiteral("shown%1.mp4").arg(i));
    AppTestKit::Answer(files);
    Action("actionAddFile")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), count, 60000);
    // Shown once the scroll bars have come, and it stays shown.
    QTRY_VERIFY(table->horizontalScrollBar()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->item(count - 1, 0))));
}

QTEST_MAIN(TestSourceList)
#include "tst_sourcelist.moc"
