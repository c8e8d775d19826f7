// The source list of the real main window: files come in through the add
// actions and drops, rows go with Delete and All Delete.
#include <QAction>
#include <QMimeData>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include "AppTestKit.h"
#include "Core.h"
#include "JxEngineJob.h"
#include "QPlayerWidget.h"
#include "TestMedia.h"

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
    QCOMPARE(table->rowCount(), 5);
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

void TestSourceList::addFolder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("added");
    // A sub-folder named like a media file is taken as one; nothing deeper.
    QTest::newRow("one level, sorted ignoring case")
        << QStringList{"b.mp4", "A.mkv", "notes.txt", "sub/c.mp4", "d.mp4/e.mp4"}
        << QStringList{"A.mkv", "b.mp4", "d.mp4"};
    QTest::newRow("no media: nothing") << QStringList{"notes.txt", "sub/c.mp4"} << QStringList{};
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
    QCOMPARE(Names(Table("tableWidget")), added);
    QCOMPARE(Core::instance()->Rows.size(), added.size());
    QCOMPARE(m_window->findChild<QPlayerWidget*>()->SourcePath,
             added.isEmpty() ? QString() : folder.filePath(added.first()));

    // The same folder dropped on the window gives the same rows again.
    Drop(Table("tableWidget"), {QUrl::fromLocalFile(folder.path())});
    QCOMPARE(Names(Table("tableWidget")), added + added);
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
    m_window->AddFile(m_video);
    m_window->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(page);
    Drop(Table(over.toLatin1().constData()), {QUrl::fromLocalFile(m_video)});
    Core* core = Core::instance();
    QCOMPARE(Table("tableWidget")->rowCount(), sources);
    QCOMPARE(core->Rows[0].endingClips.size(), endingClips);
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), endingClips);
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
    m_window->AddFile(m_video);
    m_window->AddMergeFile(m_video);
    m_window->AddMusicFile(m_video);
    Action("actionAll_Delete")->trigger();
    QCOMPARE(Table("tableWidget")->rowCount(), 0);
    QVERIFY(Core::instance()->Rows.isEmpty());
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), 1);
    QCOMPARE(Table("tableWidgetMusic")->rowCount(), 1);
}

void TestSourceList::deleteKeepsCurrentRowValid()
{
    QVERIFY(Window());
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << m_dir.filePath(QStringLiteral("row%1.mp4").arg(i));
        Touch(paths.last());
        m_window->AddFile(paths.last());
    }
    m_window->AddMusicFile(m_video);
    QTableWidget* table = Table("tableWidget");
    Core* core = Core::instance();
    QCOMPARE(core->CurrentRow, 4);
    table->clearSelection();
    for (int row : {1, 2, 4})
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Action("actionDelete")->trigger();
    QCOMPARE(Names(table), (QStringList{"row0.mp4", "row3.mp4"}));
    QCOMPARE(core->Rows.size(), 2);
    QCOMPARE(core->Rows[1].path, paths[3]);
    QVERIFY(core->IsValidRow(core->CurrentRow));
    // The row the tabs showed went: they show nothing.
    QCOMPARE(Table("tableWidgetMusic")->rowCount(), 0);

    Action("actionAll_Delete")->trigger();
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(core->Rows.isEmpty());
    QCOMPARE(core->CurrentRow, -1);
    // Nothing is current: the actions that read it do nothing.
    Action("actionReady_to_convert")->trigger();
    m_window->AddMergeFile(m_video);
    QCOMPARE(Table("tableWidgetMerge")->rowCount(), 0);
}

void TestSourceList::deleteRefusedWhileRowHasLiveJobs()
{
    QVERIFY(Window());
    m_window->AddFile(m_dir.filePath(QStringLiteral("first.mp4")));
    m_window->AddFile(m_dir.filePath(QStringLiteral("busy.mp4")));
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
    m_window->AddFile(m_video);
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

QTEST_MAIN(TestSourceList)
#include "tst_sourcelist.moc"
