// The work tabs driven as a user does: merge clips, split ranges, the
// subtitle file, the soundtrack and the refresh when a source row is clicked.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QUrl>

#include <memory>

#include "AppTestKit.h"
#include "AssLibrary.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "MediaFunctions.h"
#include "TestMedia.h"
#include "Timecode.h"
#include "../editor/subtitles/SubtitleTestTools.h"

namespace {

constexpr qint64 kSec = 1000000;

QStringList Names(const QList<ST_MERGE>& clips)
{
    QStringList names;
    for (const ST_MERGE& clip : clips)
        names << QFileInfo(clip.path).fileName();
    return names;
}

QStringList Column(QTableWidget* table, int column)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << (table->item(r, column) ? table->item(r, column)->text() : QString());
    return texts;
}

QTimeEdit* Edit(QTableWidget* table, int row, int column)
{
    return qobject_cast<QTimeEdit*>(table->cellWidget(row, column));
}

bool WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

const QByteArray kSrt = "1\n00:00:00,000 --> 00:00:01,500\nFirst\n\n2\n00:00:02,000 --> 00:00:03,000\nSecond\n";

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mergeButtons_data();
    void mergeButtons();
    void mergeTimesGoToTheEditedRow_data();
    void mergeTimesGoToTheEditedRow();
    void totals_data();
    void totals();
    void titleClipsGoToEverySelectedRow();
    void splitAdd_data();
    void splitAdd();
    void splitRangesEditAndDelete();
    void rowsKeepTheirSettings_data();
    void rowsKeepTheirSettings();
    void subtitleOpen_data();
    void subtitleOpen();
    void subtitleSave_data();
    void subtitleSave();
    void subtitleSaveAsksAboutTheFullName();
    void subtitleDockFollowsALoadedFile();
    void musicOrder();
    void tabsShowTheCurrentRow_data();
    void tabsShowTheCurrentRow();

private:
    template <typename T> T* Child(const char* name) { return m_window->findChild<T*>(QLatin1String(name)); }
    QTableWidget* Table(const char* name) { return Child<QTableWidget>(name); }
    void Click(const char* button) { QTest::mouseClick(Child<QToolButton>(button), Qt::LeftButton); }
    void ClickSource(int row)
    {
        QTableWidget* table = Table("tableWidget");
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(row, 0)).center());
    }
    // What the merge, split and soundtrack tabs show, and what they would
    // show for a record (none: no row current).
    QStringList Shown();
    QStringList ShownFor(const ST_OPTS* opts);

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_video; // 5 s
    QString m_clip;  // 1 s
    long long m_duration = 0;
    long long m_clipDuration = 0;
    std::unique_ptr<MainWindow> m_window;
};

void TestTabs::initTestCase()
{
    QVERIFY(m_dir.isValid() && m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    if (!g_ass_library)
        g_ass_library = ass_library_init(); // as the program's start does
    AppTestKit::WriteSettings(m_dir.filePath(QStringLiteral("out")));
    m_video = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("source.mp4"), 5.0, 160, 120);
    m_clip = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("clip.mp4"), 1.0, 160, 120);
    int w = 0;
    int h = 0;
    GetMediaInfo(m_video.toUtf8().constData(), &w, &h, &m_duration);
    GetMediaInfo(m_clip.toUtf8().constData(), &w, &h, &m_clipDuration);
    QVERIFY(!m_clip.isEmpty() && m_duration > 4 * kSec);
}

void TestTabs::init()
{
    Core::instance()->Rows.clear();
    Core::instance()->CurrentRow = 0;
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    AppTestKit::AddFile(*m_window, m_video);
}

void TestTabs::cleanup()
{
    AppTestKit::CloseWindow(m_window);
}

void TestTabs::mergeButtons_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("endings");
    const QStringList t{"T1", "T2"};
    const QStringList e{"E1"};
    QTest::newRow("delete the source row: nothing") << 2 << "BtnMergeDelete" << t << e;
    QTest::newRow("up the source row: nothing") << 2 << "BtnMergeUp" << t << e;
    QTest::newRow("down the source row: nothing") << 2 << "BtnMergeDown" << t << e;
    QTest::newRow("up the first row: nothing") << 0 << "BtnMergeUp" << t << e;
    QTest::newRow("down the last row: nothing") << 3 << "BtnMergeDown" << t << e;
    QTest::newRow("up a title") << 1 << "BtnMergeUp" << QStringList{"T2", "T1"} << e;
    QTest::newRow("down the last title: first ending") << 1 << "BtnMergeDown" << QStringList{"T1"}
                                                       << QStringList{"T2", "E1"};
    QTest::newRow("up the first ending: last title") << 3 << "BtnMergeUp" << QStringList{"T1", "T2", "E1"}
                                                     << QStringList{};
    QTest::newRow("delete a title") << 0 << "BtnMergeDelete" << QStringList{"T2"} << e;
    QTest::newRow("delete the ending") << 3 << "BtnMergeDelete" << t << QStringList{};
}

void TestTabs::mergeButtons()
{
    QFETCH(int, current);
    QFETCH(QString, button);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, endings);
    ST_OPTS& opts = Core::instance()->Rows[0];
    opts.titleClips = {{"/m/T1", 0, kSec}, {"/m/T2", 0, kSec}};
    opts.endingClips = {{"/m/E1", 0, kSec}};
    ClickSource(0);
    QTableWidget* merge = Table("tableWidgetMerge");
    const QString total = Child<QLabel>("labelTotal")->text();
    merge->setCurrentCell(current, 1);
    Click(button.toLatin1().constData());
    QCOMPARE(Names(opts.titleClips), titles);
    QCOMPARE(Names(opts.endingClips), endings);
    // The table stays the row's lists in order, the source between them.
    QCOMPARE(Column(merge, 1), titles + QStringList{"source.mp4"} + endings);
    if (!button.endsWith(QLatin1String("Delete")))
        QCOMPARE(Child<QLabel>("labelTotal")->text(), total);
    // After a move the last row's edit still writes into the clip it shows.
    Edit(merge, merge->rowCount() - 1, 3)->setTime(QTime(0, 0, 0, 500));
    QCOMPARE(endings.isEmpty() ? opts.trimEnd : opts.endingClips.last().end, kSec / 2);
}

void TestTabs::mergeTimesGoToTheEditedRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("start of the title") << 0 << 2;
    QTest::newRow("end of the source") << 1 << 3;
    QTest::newRow("start of the ending") << 2 << 2;
}

void TestTabs::mergeTimesGoToTheEditedRow()
{
    QFETCH(int, row);
    QFETCH(int, column);
    ST_OPTS& opts = Core::instance()->Rows[0];
    opts.titleClips = {{"/m/T1", 0, kSec}};
    opts.endingClips = {{"/m/E1", 0, kSec}};
    ClickSource(0);
    const auto all = [&opts] { return opts.titleClips + QList<ST_MERGE>{opts.SourceClip()} + opts.endingClips; };
    QList<ST_MERGE> want = all();
    (column == 2 ? want[row].start : want[row].end) = kSec / 4;
    // Another row is current: the value still goes to the edited row.
    Table("tableWidgetMerge")->setCurrentCell(row == 0 ? 2 : 0, 1);
    Edit(Table("tableWidgetMerge"), row, column)->setTime(QTime(0, 0, 0, 250));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(all()[i].start, want[i].start);
        QCOMPARE(all()[i].end, want[i].end);
    }
}

void TestTabs::totals_data()
{
    QTest::addColumn<QString>("label");
    // Merge: title clips as {start, end} pairs after a 3.9 s trimmed source.
    // Music: file durations.
    QTest::addColumn<QList<qint64>>("times");
    QTest::addColumn<QString>("total");
    QTest::newRow("merge, no clips: the trimmed source") << "labelTotal" << QList<qint64>{} << "00:00:03";
    QTest::newRow("merge, a clip ending before its start adds nothing")
        << "labelTotal" << QList<qint64>{5 * kSec, 2 * kSec, 0, 61 * kSec} << "00:01:04";
    QTest::newRow("merge, just under a day") << "labelTotal" << QList<qint64>{0, 86396 * kSec} << "23:59:59";
    QTest::newRow("merge, a day or more: empty, never a wrapped time")
        << "labelTotal" << QList<qint64>{0, 86397 * kSec, 0, 86400 * kSec} << "";
    QTest::newRow("music, 1:30 and 2:45") << "labelTotalMusic" << QList<qint64>{90 * kSec, 165 * kSec + 400000}
                                          << "00:04:15";
    // The total adds what the rows show, whole seconds.
    QTest::newRow("music, 1.6 s twice") << "labelTotalMusic" << QList<qint64>{1600000, 1600000} << "00:00:02";
    QTest::newRow("music, a day: empty") << "labelTotalMusic" << QList<qint64>{86000 * kSec, 400 * kSec} << "";
    QTest::newRow("music, a file of more than a day: empty, not 0")
        << "labelTotalMusic" << QList<qint64>{90000 * kSec} << "";
}

void TestTabs::totals()
{
    QFETCH(QString, label);
    QFETCH(QList<qint64>, times);
    QFETCH(QString, total);
    ST_OPTS& opts = Core::instance()->Rows[0];
    opts.trimEnd = 3 * kSec + 900000;
    if (label == QLatin1String("labelTotal")) {
        for (int i = 0; i + 1 < times.size(); i += 2)
            opts.titleClips << ST_MERGE{"/a.mp4", times[i], times[i + 1]};
        ClickSource(0);
    } else {
        // Duration texts as AddMusicFile shows them.
        QTableWidget* music = Table("tableWidgetMusic");
        for (qint64 duration : times) {
            music->insertRow(music->rowCount());
            const qint64 seconds = duration / kSec;
            auto* item = new QTableWidgetItem(
                seconds < 86400 ? QTime(0, 0).addSecs(int(seconds)).toString("hh:mm:ss") : QString());
            music->setItem(music->rowCount() - 1, 1, item);
        }
        m_window->MusicTotalDuration();
    }
    QCOMPARE(Child<QLabel>(label.toLatin1().constData())->text(), total);
}

void TestTabs::titleClipsGoToEverySelectedRow()
{
    AppTestKit::AddFile(*m_window, m_video);
    Core::instance()->Rows[1].endingClips = {{m_clip, 0, kSec}};
    Table("tableWidget")->selectAll();
    const QStringList files{m_clip, m_dir.filePath("missing.mp4"), m_clip};
    AppTestKit::Answer(files);
    m_window->findChild<QAction*>(QStringLiteral("actionAdd_title_sequence"))->trigger();
    for (int row = 0; row < 2; ++row) {
        const QList<ST_MERGE>& clips = Core::instance()->Rows[row].titleClips;
        QCOMPARE(clips.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(clips[i].path, files[i]);
        QVERIFY(clips[0].end > kSec / 2);
        QCOMPARE(clips[1].end, 0); // cannot be probed
    }
    // The current row (the last added) shows its clips around its source.
    QCOMPARE(Column(Table("tableWidgetMerge"), 1),
             (QStringList{"clip.mp4", "missing.mp4", "clip.mp4", "source.mp4", "clip.mp4"}));
    QVERIFY(!Table("tableWidgetMerge")->item(3, 0)->icon().isNull());
}

void TestTabs::splitAdd_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("time");
    QTest::addColumn<qint64>("endTime"); // -1: the row is a file that cannot be probed
    // -1 stands for the source's duration, -3 and -6 for one and two thirds of it.
    QTest::addColumn<QList<qint64>>("bounds");
    QTest::newRow("three parts") << 0 << 3 << qint64(0) << qint64(0) << QList<qint64>{0, -3, -3, -6, -6, -9};
    QTest::newRow("parts of a file that cannot be probed: nothing") << 0 << 3 << qint64(0) << qint64(-1)
                                                                  << QList<qint64>{};
    QTest::newRow("no parts: nothing") << 0 << 0 << qint64(0) << qint64(0) << QList<qint64>{};
    QTest::newRow("2 s parts, a shorter last one")
        << 1 << 0 << 2 * kSec << qint64(0) << QList<qint64>{0, 2 * kSec, 2 * kSec, 4 * kSec, 4 * kSec, -1};
    QTest::newRow("a part longer than the source") << 1 << 0 << 10 * kSec << qint64(0) << QList<qint64>{0, -1};
    QTest::newRow("a part length of 0: nothing") << 1 << 0 << qint64(0) << qint64(0) << QList<qint64>{};
    QTest::newRow("a section") << 2 << 0 << kSec << 3 * kSec << QList<qint64>{kSec, 3 * kSec};
    QTest::newRow("a section to the end") << 2 << 0 << kSec << qint64(0) << QList<qint64>{kSec, -1};
}

void TestTabs::splitAdd()
{
    QFETCH(int, mode);
    QFETCH(int, count);
    QFETCH(qint64, time);
    QFETCH(qint64, endTime);
    QFETCH(QList<qint64>, bounds);
    const bool missing = endTime < 0;
    if (missing) {
        AppTestKit::AddFile(*m_window, m_dir.filePath(QStringLiteral("missing.mp4")));
        endTime = 0;
    }
    Child<QComboBox>("comboBoxSplit")->setCurrentIndex(mode);
    Child<QSpinBox>("spinBoxSplitNum")->setValue(count);
    Child<QTimeEdit>("timeEditSplit")->setTime(Timecode::Int64ToQTime(time));
    Child<QTimeEdit>("timeEditEnd")->setTime(Timecode::Int64ToQTime(endTime));
    Click("BtnSplitAdd");
    const ST_OPTS& opts = Core::instance()->Rows[missing ? 1 : 0];
    QCOMPARE(QList<qint64>({opts.splitMode, opts.splitCount, opts.splitTime, opts.splitEndTime}),
             QList<qint64>({mode, count, time, endTime}));
    QList<qint64> want;
    for (qint64 b : bounds)
        want << (b == -1 ? m_duration : b < 0 ? m_duration / 3 * (-b / 3) : b);
    QList<qint64> got;
    for (const ST_SPLIT_TIME& range : opts.splitRanges)
        got << range.start << range.end;
    QCOMPARE(got, want);
    QTableWidget* split = Table("tableWidgetSplit");
    QCOMPARE(split->rowCount(), want.size() / 2);
    for (int r = 0; r < split->rowCount(); ++r) {
        const QPixmap preview = qobject_cast<QLabel*>(split->cellWidget(r, 0))->pixmap(Qt::ReturnByValue);
        QVERIFY(!preview.isNull() && preview.width() <= 80 && preview.height() <= 40);
    }
}

void TestTabs::splitRangesEditAndDelete()
{
    Core::instance()->Rows[0].splitRanges = {{0, kSec}, {kSec, 2 * kSec}, {2 * kSec, kSec}, {3 * kSec, 4 * kSec}};
    ClickSource(0);
    QTableWidget* split = Table("tableWidgetSplit");
    const auto duration = [split](int r) { return qobject_cast<QLabel*>(split->cellWidget(r, 3))->text(); };
    QCOMPARE(duration(1), QStringLiteral("00:00:01:000"));
    QCOMPARE(duration(2), QStringLiteral("00:00:00:000"));
    // Filling wrote nothing; an edit writes its own range, whichever is current.
    split->setCurrentCell(0, 1);
    Edit(split, 3, 2)->setTime(QTime(0, 0, 4, 500));
    const QList<ST_SPLIT_TIME>& ranges = Core::instance()->Rows[0].splitRanges;
    QCOMPARE(ranges[2].end, kSec);
    QCOMPARE(ranges[3].end, 4 * kSec + kSec / 2);
    QCOMPARE(ranges[0].end, kSec);
    QCOMPARE(duration(3), QStringLiteral("00:00:01:500"));

    split->clearSelection();
    split->setSelectionMode(QAbstractItemView::MultiSelection);
    split->selectRow(0);
    split->selectRow(2);
    Click("BtnSplitDel");
    QCOMPARE(ranges.size(), 2);
    QCOMPARE(ranges[0].start, kSec);
    QCOMPARE(ranges[1].end, 4 * kSec + kSec / 2);
}

void TestTabs::rowsKeepTheirSettings_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<bool>>("shown"); // count, time, end time
    QTest::newRow("parts") << 0 << QList<bool>{true, false, false};
    QTest::newRow("length") << 1 << QList<bool>{false, true, false};
    QTest::newRow("section") << 2 << QList<bool>{false, true, true};
}

void TestTabs::rowsKeepTheirSettings()
{
    QFETCH(int, mode);
    QFETCH(QList<bool>, shown);
    AppTestKit::AddFile(*m_window, m_clip);
    Core* core = Core::instance();
    ST_OPTS& first = core->Rows[0];
    first.splitMode = mode;
    first.splitCount = 4;
    first.splitTime = 1500000;
    first.splitEndTime = 2 * kSec;
    first.splitRanges = {{0, kSec}};
    first.subtitleStream = true;
    first.endingClips = {{m_clip, 0, kSec / 2}};
    first.musicFiles = QStringList{m_clip, m_video};
    core->Rows[1].splitMode = (mode + 1) % 3;
    core->Rows[1].splitCount = 7;
    const QList<ST_OPTS> before = core->Rows;

    for (int row : {0, 1, 0, 1, 0})
        ClickSource(row);
    for (int row = 0; row < 2; ++row) {
        const ST_OPTS& now = core->Rows[row];
        const ST_OPTS& then = before[row];
        QCOMPARE(QList<qint64>({now.splitMode, now.splitCount, now.splitTime, now.splitEndTime}),
                 QList<qint64>({then.splitMode, then.splitCount, then.splitTime, then.splitEndTime}));
        QCOMPARE(now.splitRanges.size(), then.splitRanges.size());
        QCOMPARE(now.subtitleStream, then.subtitleStream);
        QCOMPARE(now.musicFiles, then.musicFiles);
        QCOMPARE(Names(now.endingClips), Names(then.endingClips));
    }
    QCOMPARE(Child<QComboBox>("comboBoxSplit")->currentIndex(), mode);
    QCOMPARE(Child<QSpinBox>("spinBoxSplitNum")->value(), 4);
    QCOMPARE(Child<QTimeEdit>("timeEditSplit")->time(), QTime(0, 0, 1, 500));
    QCOMPARE(QList<bool>({!Child<QSpinBox>("spinBoxSplitNum")->isHidden(), !Child<QTimeEdit>("timeEditSplit")->isHidden(),
                          !Child<QTimeEdit>("timeEditEnd")->isHidden()}),
             shown);
    QCOMPARE(Column(Table("tableWidgetMerge"), 1), (QStringList{"source.mp4", "clip.mp4"}));
    QCOMPARE(Column(Table("tableWidgetMusic"), 0), (QStringList{"clip.mp4", "source.mp4"}));
    // The soundtrack total is the one of the rows shown.
    int seconds = 0;
    for (const QString& text : Column(Table("tableWidgetMusic"), 1))
        seconds += QTime(0, 0).secsTo(QTime::fromString(text, Qt::TextDate));
    QVERIFY(seconds > 0);
    QCOMPARE(Child<QLabel>("labelTotalMusic")->text(), QTime(0, 0).addSecs(seconds).toString("hh:mm:ss"));
    QCOMPARE(Table("tableWidgetSplit")->rowCount(), 1);
    // Editing after the moves changes the row shown and nothing else.
    Child<QSpinBox>("spinBoxSplitNum")->setValue(9);
    QCOMPARE(core->Rows[0].splitCount, 9);
    QCOMPARE(core->Rows[1].splitCount, 7);
}

void TestTabs::subtitleOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("selected");
    QTest::newRow("upper-case SRT, a read-only file") << "CUES.SRT" << true;
    QTest::newRow("ASS") << "cues.ass" << true;
    QTest::newRow("no row selected") << "cues.srt" << false;
}

void TestTabs::subtitleOpen()
{
    QFETCH(QString, name);
    QFETCH(bool, selected);
    const QString path = m_dir.filePath(name);
    if (name.endsWith(QLatin1String("ass"))) {
        QVERIFY(WriteText(path, "[Script Info]\nScriptType: v4.00+\n\n[Events]\n"
                                "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                                "Dialogue: 0,0:00:00.00,0:00:01.50,Default,,0,0,0,,First\n"
                                "Dialogue: 0,0:00:02.00,0:00:03.00,Default,,0,0,0,,Second\n"));
    } else {
        QVERIFY(WriteText(path, kSrt));
        // Listing a file must not need the right to change it.
        QFile::setPermissions(path, QFile::ReadOwner);
    }
    if (!selected)
        Table("tableWidget")->clearSelection();
    Core* core = Core::instance();
    core->SetSubtitle(QStringLiteral("/before.srt"));
    AppTestKit::Answer({path});
    Click("BtnSubtitleOpen");
    auto* model = qobject_cast<QStandardItemModel*>(Child<QTableView>("tableViewSubtitle")->model());
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->item(0, 0)->text(), QStringLiteral("00:00:00:000"));
    QCOMPARE(model->item(0, 1)->text(), QStringLiteral("00:00:01:500"));
    QCOMPARE(model->item(1, 2)->text(), QStringLiteral("Second"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("End Time"));
    QCOMPARE(Child<QLineEdit>("lineEditSubtitle")->text(), path);
    QCOMPARE(core->Rows[0].subtitlePath, selected ? path : QString());
    QCOMPARE(core->Rows[0].subtitle, selected);
    QCOMPARE(core->SubtitlePath, selected ? path : QStringLiteral("/before.srt"));
}

void TestTabs::subtitleSave_data()
{
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no extension, SRT chosen") << QStringList{"saved", "SRT File(*.srt)"} << "saved.srt"
                                              << QByteArray("00:00:00,000 --> 00:00:01,500");
    QTest::newRow("no extension, no filter said: the first") << QStringList{"saved"} << "saved.ass"
                                                             << QByteArray("[Events]");
    QTest::newRow("the name proposed for movie.en.srt") << QStringList{"movie.en"} << "movie.en.ass"
                                                         << QByteArray("[Events]");
    QTest::newRow("an .ssa name gets ASS content") << QStringList{"saved.ssa", "SRT File(*.srt)"} << "saved.ssa"
                                                   << QByteArray("[Events]");
}

void TestTabs::subtitleSave()
{
    QFETCH(QStringList, answer);
    QFETCH(QString, written);
    QFETCH(QByteArray, content);
    QTemporaryDir out;
    Core* core = Core::instance();
    ST_ASS_EVENT event;
    event.End = 1500;
    event.Text = QStringLiteral("Hello");
    core->Subtitle.Events = {event};
    core->SubtitleModified = true;
    answer[0] = out.filePath(answer[0]);
    AppTestKit::Answer(answer);
    Click("BtnSubtitleSave");
    QFile file(out.filePath(written));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(written));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains(content) && text.contains("Hello"), text.constData());
    QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 1);
    QCOMPARE(core->SubtitlePath, out.filePath(written));
    QVERIFY(!core->SubtitleModified);
}

void TestTabs::subtitleSaveAsksAboutTheFullName()
{
    QTemporaryDir out;
    QVERIFY(WriteText(out.filePath("movie.en.ass"), "kept"));
    Core::instance()->SubtitleModified = true;
    MainWindow::SetFileQuestion({});
    QString asked;
    SubtitleTest::AnswerFileKeepingOld(out.filePath("movie.en"), &asked);
    Click("BtnSubtitleSave");
    QVERIFY2(asked.startsWith("movie.en.ass already exists"), qPrintable(asked));
    QVERIFY(Core::instance()->SubtitleModified);
}

void TestTabs::subtitleDockFollowsALoadedFile()
{
    EditorMainWindow editor;
    const QString path = m_dir.filePath(QStringLiteral("dock.srt"));
    QVERIFY(WriteText(path, kSrt + "\n3\n00:00:03,000 --> 00:00:04,000\nThird\n"));
    Core::instance()->Rows[0].subtitlePath = path;
    ClickSource(0);
    QStandardItemModel* dock = editor.SubtitlePanel()->Model();
    QCOMPARE(dock->rowCount(), 3);
    QCOMPARE(dock->item(2, 2)->text(), QStringLiteral("Third"));
}

void TestTabs::musicOrder()
{
    AppTestKit::Answer({m_video, m_clip, m_dir.filePath("missing.mp3")});
    Click("BtnMusicAdd");
    QCOMPARE(Column(Table("tableWidgetMusic"), 1), (QStringList{"00:00:05", "00:00:01", "00:00:00"}));
    QCOMPARE(Child<QLabel>("labelTotalMusic")->text(), QStringLiteral("00:00:06"));
    Table("tableWidgetMusic")->setCurrentCell(0, 0);
    Click("BtnMusicDown");
    const QStringList& files = Core::instance()->Rows[0].musicFiles;
    QCOMPARE(files, (QStringList{m_clip, m_video, m_dir.filePath("missing.mp3")}));
    Table("tableWidgetMusic")->setCurrentCell(2, 0);
    Click("BtnMusicDown");
    Click("BtnMusicDelete");
    QCOMPARE(files, (QStringList{m_clip, m_video}));
    QCOMPARE(Column(Table("tableWidgetMusic"), 0), (QStringList{"clip.mp4", "source.mp4"}));
}

QStringList TestTabs::Shown()
{
    QStringList shown;
    const auto text = [](const QTimeEdit* edit) { return edit ? edit->time().toString("HH:mm:ss:zzz") : QString(); };
    QTableWidget* merge = Table("tableWidgetMerge");
    for (int r = 0; r < merge->rowCount(); ++r)
        shown << merge->item(r, 1)->toolTip() + ' ' + text(Edit(merge, r, 2)) + ' ' + text(Edit(merge, r, 3));
    shown << Child<QLabel>("labelTotal")->text();
    QTableWidget* split = Table("tableWidgetSplit");
    for (int r = 0; r < split->rowCount(); ++r)
        shown << text(Edit(split, r, 1)) + ' ' + text(Edit(split, r, 2));
    shown << QStringLiteral("%1 %2 ").arg(Child<QComboBox>("comboBoxSplit")->currentIndex())
                     .arg(Child<QSpinBox>("spinBoxSplitNum")->value()) +
                 text(Child<QTimeEdit>("timeEditSplit"));
    QTableWidget* music = Table("tableWidgetMusic");
    for (int r = 0; r < music->rowCount(); ++r)
        shown << music->item(r, 0)->toolTip();
    shown << Child<QLabel>("labelTotalMusic")->text();
    return shown;
}

QStringList TestTabs::ShownFor(const ST_OPTS* opts)
{
    const ST_OPTS none;
    const ST_OPTS& o = opts ? *opts : none;
    const auto text = [](qint64 us) { return Timecode::Int64ToQTime(us).toString("HH:mm:ss:zzz"); };
    const auto hms = [](qint64 us) { return QTime(0, 0).addSecs(int(us / kSec)).toString("hh:mm:ss"); };
    QStringList shown;
    qint64 total = 0;
    const QList<ST_MERGE> clips = opts ? o.titleClips + QList<ST_MERGE>{o.SourceClip()} + o.endingClips : QList<ST_MERGE>{};
    for (const ST_MERGE& clip : clips) {
        shown << clip.path + ' ' + text(clip.start) + ' ' + text(clip.end);
        total += qMax<qint64>(0, clip.end - clip.start);
    }
    shown << hms(total);
    for (const ST_SPLIT_TIME& range : o.splitRanges)
        shown << text(range.start) + ' ' + text(range.end);
    shown << QStringLiteral("%1 %2 ").arg(o.splitMode).arg(o.splitCount) + text(o.splitTime);
    // Every music file here is the clip.
    shown << o.musicFiles << hms(o.musicFiles.size() * (m_clipDuration / kSec * kSec));
    return shown;
}

void TestTabs::tabsShowTheCurrentRow_data()
{
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("current"); // -1: none
    QTest::newRow("cell click") << 2 << QStringList{"click 1"} << 1;
    QTest::newRow("Delete of an earlier row") << 2 << QStringList{"select 0", "actionDelete"} << 1;
    QTest::newRow("Delete of the current row") << 2 << QStringList{"actionDelete"} << -1;
    QTest::newRow("Delete, then Watermark") << 2 << QStringList{"actionDelete", "actionWatermark"} << 1;
    QTest::newRow("Watermark, closing the editor")
        << 2 << QStringList{"actionDelete", "actionWatermark", "close editor"} << 1;
    QTest::newRow("All Delete keeps the tabs") << 1 << QStringList{"actionAll_Delete"} << -1;
    QTest::newRow("Add File") << 0 << QStringList{"actionAddFile"} << 3;
    QTest::newRow("Add Folder") << 0 << QStringList{"actionAddFolder"} << 3;
    QTest::newRow("drop") << 0 << QStringList{"drop"} << 3;
    QTest::newRow("Ready to convert") << 1 << QStringList{"select 2", "actionReady_to_convert"} << 1;
}

// Whatever makes a row current, the tabs show its record (or nothing, or
// with All Delete what they showed) and their buttons change that record only.
void TestTabs::tabsShowTheCurrentRow()
{
    QFETCH(int, clicked);
    QFETCH(QStringList, steps);
    QFETCH(int, current);
    Core* core = Core::instance();
    QTableWidget* sources = Table("tableWidget");
    for (int i = 1; i < 3; ++i)
        AppTestKit::AddFile(*m_window, m_video);
    for (int i = 0; i < 3; ++i) {
        ST_OPTS& o = core->Rows[i];
        o.trimEnd = (i + 1) * kSec;
        o.splitMode = i;
        o.splitCount = i + 2;
        o.splitTime = (i + 1) * kSec / 2;
        for (int k = 0; k <= i; ++k) {
            o.splitRanges << ST_SPLIT_TIME{k * kSec, (k + 1) * kSec};
            o.musicFiles << m_clip;
        }
        for (int k = 0; k < i; ++k)
            o.endingClips << ST_MERGE{m_clip, 0, kSec / 2};
    }
    const QString folder = m_dir.filePath(QStringLiteral("one"));
    QDir().mkpath(folder);
    QFile::copy(m_clip, folder + QStringLiteral("/added.mp4"));
    ClickSource(clicked);
    const QStringList before = Shown();
    for (const QString& step : steps) {
        const QString action = step.section(' ', 0, 0);
        if (action == QLatin1String("click")) {
            ClickSource(step.section(' ', 1).toInt());
        } else if (action == QLatin1String("select")) {
            sources->clearSelection();
            sources->selectRow(step.section(' ', 1).toInt());
        } else if (action == QLatin1String("close")) {
            m_window->Editor().close();
        } else if (action == QLatin1String("drop")) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(m_clip)});
            const QPoint at = sources->mapTo(m_window.get(), sources->rect().center());
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &drop);
        } else {
            AppTestKit::Answer({action == QLatin1String("actionAddFolder") ? folder : m_clip});
            m_window->findChild<QAction*>(action)->trigger();
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(core->CurrentRow, current, 20000);
    const bool kept = steps.contains(QStringLiteral("actionAll_Delete"));
    QCOMPARE(Shown(), kept ? before : ShownFor(current < 0 ? nullptr : &core->Rows[current]));

    if (sources->rowCount() == 0)
        return;
    const QList<ST_OPTS> records = core->Rows;
    QStringList asked;
    AppTestKit::Answer({m_clip}, &asked);
    Table("tableWidgetSplit")->selectRow(0);
    Click("BtnSplitDel");
    Table("tableWidgetMusic")->setCurrentCell(0, 0);
    Click("BtnMusicUp");
    Click("BtnMusicDelete");
    Click("BtnMusicAdd");
    m_window->findChild<QAction*>("actionAdd_ending")->trigger();
    // Without a current row nothing is asked for.
    QCOMPARE(asked.size(), current < 0 ? 0 : 2);
    for (int r = 0; r < records.size(); ++r) {
        const ST_OPTS& o = records[r];
        const bool mine = r == current;
        QCOMPARE(core->Rows[r].splitRanges.size(), mine ? qMax(0, o.splitRanges.size() - 1) : o.splitRanges.size());
        QCOMPARE(core->Rows[r].musicFiles.size(), mine ? qMax(0, o.musicFiles.size() - 1) + 1 : o.musicFiles.size());
    }
}

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
