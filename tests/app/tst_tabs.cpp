// The work tabs of the main window driven as a user does: merge clips and
// their order, split ranges, the subtitle file, the soundtrack and the
// refresh when another source row is clicked.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <memory>

#include "AppTestKit.h"
#include "AssLibrary.h"
#include "Core.h"
#include "EditorMainWindow.h"
#include "MediaFunctions.h"
#include "TestMedia.h"
#include "Timecode.h"

Q_DECLARE_METATYPE(QList<ST_MERGE>)

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

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

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
    void mergeTotal_data();
    void mergeTotal();
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
    void subtitleDockFollowsALoadedFile();
    void musicOrderAndTotal();
    void musicTotal_data();
    void musicTotal();

private:
    template <typename T> T* Child(const char* name) { return m_window->findChild<T*>(QLatin1String(name)); }
    QTableWidget* Merge() { return Child<QTableWidget>("tableWidgetMerge"); }
    QTableWidget* Split() { return Child<QTableWidget>("tableWidgetSplit"); }
    QTableWidget* Music() { return Child<QTableWidget>("tableWidgetMusic"); }
    QTableWidget* Sources() { return Child<QTableWidget>("tableWidget"); }
    void Click(const char* button) { QTest::mouseClick(Child<QToolButton>(button), Qt::LeftButton); }
    void ClickSource(int row);
    // One source row with the title clips T1, T2 and the ending E1 (1 s each).
    void RowWithClips();

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_video; // 5 s
    QString m_clip;  // 1 s
    long long m_duration = 0;
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
    QVERIFY(!m_video.isEmpty() && !m_clip.isEmpty());
    int w = 0;
    int h = 0;
    GetMediaInfo(m_video.toUtf8().constData(), &w, &h, &m_duration);
    QVERIFY(m_duration > 4 * kSec);
}

void TestTabs::init()
{
    Core::instance()->Rows.clear();
    Core::instance()->CurrentRow = 0;
    m_window = std::make_unique<MainWindow>();
    m_window->show();
}

void TestTabs::cleanup()
{
    m_window.reset();
    MainWindow::SetFileQuestion({});
    AppTestKit::StopAnswering();
}

void TestTabs::ClickSource(int row)
{
    QTableWidget* table = Sources();
    const QRect cell = table->visualItemRect(table->item(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

void TestTabs::RowWithClips()
{
    m_window->AddFile(m_video);
    ST_OPTS& opts = Core::instance()->Rows[0];
    opts.titleClips = {{"/m/T1.mp4", 0, kSec}, {"/m/T2.mp4", 0, kSec}};
    opts.endingClips = {{"/m/E1.mp4", 0, kSec}};
    ClickSource(0);
    QCOMPARE(Column(Merge(), 1), (QStringList{"T1.mp4", "T2.mp4", "source.mp4", "E1.mp4"}));
}

void TestTabs::mergeButtons_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("endings");
    const QStringList t{"T1.mp4", "T2.mp4"};
    const QStringList e{"E1.mp4"};
    QTest::newRow("delete the source row: nothing") << 2 << "BtnMergeDelete" << t << e;
    QTest::newRow("up the source row: nothing") << 2 << "BtnMergeUp" << t << e;
    QTest::newRow("down the source row: nothing") << 2 << "BtnMergeDown" << t << e;
    QTest::newRow("up the first row: nothing") << 0 << "BtnMergeUp" << t << e;
    QTest::newRow("down the last row: nothing") << 3 << "BtnMergeDown" << t << e;
    QTest::newRow("up a title") << 1 << "BtnMergeUp" << QStringList{"T2.mp4", "T1.mp4"} << e;
    QTest::newRow("down the last title: first ending")
        << 1 << "BtnMergeDown" << QStringList{"T1.mp4"} << QStringList{"T2.mp4", "E1.mp4"};
    QTest::newRow("up the first ending: last title")
        << 3 << "BtnMergeUp" << QStringList{"T1.mp4", "T2.mp4", "E1.mp4"} << QStringList{};
    QTest::newRow("delete a title") << 0 << "BtnMergeDelete" << QStringList{"T2.mp4"} << e;
    QTest::newRow("delete the ending") << 3 << "BtnMergeDelete" << t << QStringList{};
}

void TestTabs::mergeButtons()
{
    QFETCH(int, current);
    QFETCH(QString, button);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, endings);
    RowWithClips();
    auto* total = Child<QLabel>("labelTotal");
    const QString before = total->text();
    Merge()->setCurrentCell(current, 1);
    Click(button.toLatin1().constData());
    const ST_OPTS& opts = Core::instance()->Rows[0];
    QCOMPARE(Names(opts.titleClips), titles);
    QCOMPARE(Names(opts.endingClips), endings);
    // The table stays the row's lists in order, the source between them.
    QCOMPARE(Column(Merge(), 1), titles + QStringList{"source.mp4"} + endings);
    if (!button.endsWith(QLatin1String("Delete")))
        QCOMPARE(total->text(), before);
    // After a move the edits still write into the clip they show.
    const int last = Merge()->rowCount() - 1;
    Edit(Merge(), last, 3)->setTime(QTime(0, 0, 0, 500));
    const qint64 end = endings.isEmpty() ? opts.trimEnd : opts.endingClips.last().end;
    QCOMPARE(end, kSec / 2);
}

void TestTabs::mergeTimesGoToTheEditedRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("start of the second title") << 1 << 2;
    QTest::newRow("end of the source") << 2 << 3;
    QTest::newRow("start of the ending") << 3 << 2;
}

void TestTabs::mergeTimesGoToTheEditedRow()
{
    QFETCH(int, row);
    QFETCH(int, column);
    RowWithClips();
    const ST_OPTS before = Core::instance()->Rows[0];
    // Another row is current: the value still goes to the edited row.
    Merge()->setCurrentCell(row == 0 ? 3 : 0, 1);
    Edit(Merge(), row, column)->setTime(QTime(0, 0, 0, 250));
    const ST_OPTS& after = Core::instance()->Rows[0];
    QList<ST_MERGE> want = before.titleClips + QList<ST_MERGE>{before.SourceClip()} + before.endingClips;
    (column == 2 ? want[row].start : want[row].end) = kSec / 4;
    const QList<ST_MERGE> got = after.titleClips + QList<ST_MERGE>{after.SourceClip()} + after.endingClips;
    for (int i = 0; i < want.size(); ++i) {
        QCOMPARE(got[i].start, want[i].start);
        QCOMPARE(got[i].end, want[i].end);
    }
}

void TestTabs::mergeTotal_data()
{
    QTest::addColumn<QList<ST_MERGE>>("titles");
    QTest::addColumn<qint64>("trimEnd");
    QTest::addColumn<QString>("total");
    QTest::newRow("no clips: the trimmed source") << QList<ST_MERGE>{} << 3 * kSec + 900000 << "00:00:03";
    QTest::newRow("a clip ending before its start adds nothing")
        << QList<ST_MERGE>{{"/a.mp4", 5 * kSec, 2 * kSec}, {"/b.mp4", 0, 61 * kSec}} << 3 * kSec << "00:01:04";
    QTest::newRow("just under a day") << QList<ST_MERGE>{{"/a.mp4", 0, 86396 * kSec}} << 3 * kSec << "23:59:59";
    QTest::newRow("a day or more: empty, never a wrapped time")
        << QList<ST_MERGE>{{"/a.mp4", 0, 86397 * kSec}, {"/b.mp4", 0, 86400 * kSec}} << 3 * kSec << "";
}

void TestTabs::mergeTotal()
{
    QFETCH(QList<ST_MERGE>, titles);
    QFETCH(qint64, trimEnd);
    QFETCH(QString, total);
    m_window->AddFile(m_video);
    Core::instance()->Rows[0].titleClips = titles;
    Core::instance()->Rows[0].trimEnd = trimEnd;
    ClickSource(0);
    QCOMPARE(Child<QLabel>("labelTotal")->text(), total);
}

void TestTabs::titleClipsGoToEverySelectedRow()
{
    m_window->AddFile(m_video);
    m_window->AddFile(m_video);
    Core::instance()->Rows[1].endingClips = {{m_clip, 0, kSec}};
    Sources()->selectAll();
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
    QCOMPARE(Column(Merge(), 1), (QStringList{"clip.mp4", "missing.mp4", "clip.mp4", "source.mp4", "clip.mp4"}));
    QVERIFY(!Merge()->item(3, 0)->icon().isNull());
}

void TestTabs::splitAdd_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("time");
    QTest::addColumn<qint64>("endTime");
    // -1 stands for the source's duration, -3 for a third of it.
    QTest::addColumn<QList<qint64>>("bounds");
    QTest::newRow("three parts") << 0 << 3 << qint64(0) << qint64(0) << QList<qint64>{0, -3, -3, -6, -6, -9};
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
    m_window->AddFile(m_video);
    Child<QComboBox>("comboBoxSplit")->setCurrentIndex(mode);
    Child<QSpinBox>("spinBoxSplitNum")->setValue(count);
    Child<QTimeEdit>("timeEditSplit")->setTime(Timecode::Int64ToQTime(time));
    Child<QTimeEdit>("timeEditEnd")->setTime(Timecode::Int64ToQTime(endTime));
    Click("BtnSplitAdd");
    const ST_OPTS& opts = Core::instance()->Rows[0];
    QCOMPARE(opts.splitMode, mode);
    QCOMPARE(opts.splitCount, count);
    QCOMPARE(opts.splitTime, time);
    QCOMPARE(opts.splitEndTime, endTime);
    const qint64 third = m_duration / 3;
    QList<qint64> want;
    for (qint64 b : bounds)
        want << (b == -1 ? m_duration : b < 0 ? third * (-b / 3) : b);
    QList<qint64> got;
    for (const ST_SPLIT_TIME& range : opts.splitRanges)
        got << range.start << range.end;
    QCOMPARE(got, want);
    QCOMPARE(Split()->rowCount(), want.size() / 2);
    for (int r = 0; r < Split()->rowCount(); ++r) {
        auto* preview = qobject_cast<QLabel*>(Split()->cellWidget(r, 0));
        QVERIFY(preview && !preview->pixmap(Qt::ReturnByValue).isNull() && preview->pixmap(Qt::ReturnByValue).width() <= 80);
    }
}

void TestTabs::splitRangesEditAndDelete()
{
    m_window->AddFile(m_video);
    Core::instance()->Rows[0].splitRanges = {{0, kSec}, {kSec, 2 * kSec}, {2 * kSec, kSec}, {3 * kSec, 4 * kSec}};
    ClickSource(0);
    QCOMPARE(Split()->rowCount(), 4);
    auto duration = [this](int r) { return qobject_cast<QLabel*>(Split()->cellWidget(r, 3))->text(); };
    QCOMPARE(duration(1), QStringLiteral("00:00:01:000"));
    QCOMPARE(duration(2), QStringLiteral("00:00:00:000"));
    // Filling wrote nothing; an edit writes its own range, whichever is current.
    QCOMPARE(Core::instance()->Rows[0].splitRanges[2].end, kSec);
    Split()->setCurrentCell(0, 1);
    Edit(Split(), 3, 2)->setTime(QTime(0, 0, 4, 500));
    QCOMPARE(Core::instance()->Rows[0].splitRanges[3].end, 4 * kSec + kSec / 2);
    QCOMPARE(Core::instance()->Rows[0].splitRanges[0].end, kSec);
    QCOMPARE(duration(3), QStringLiteral("00:00:01:500"));

    Split()->clearSelection();
    Split()->setSelectionMode(QAbstractItemView::MultiSelection);
    Split()->selectRow(0);
    Split()->selectRow(2);
    Click("BtnSplitDel");
    const QList<ST_SPLIT_TIME>& left = Core::instance()->Rows[0].splitRanges;
    QCOMPARE(left.size(), 2);
    QCOMPARE(left[0].start, kSec);
    QCOMPARE(left[1].end, 4 * kSec + kSec / 2);
}

void TestTabs::rowsKeepTheirSettings_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("countShown");
    QTest::addColumn<bool>("timeShown");
    QTest::addColumn<bool>("endShown");
    QTest::newRow("parts") << 0 << true << false << false;
    QTest::newRow("length") << 1 << false << true << false;
    QTest::newRow("section") << 2 << false << true << true;
}

void TestTabs::rowsKeepTheirSettings()
{
    QFETCH(int, mode);
    QFETCH(bool, countShown);
    QFETCH(bool, timeShown);
    QFETCH(bool, endShown);
    m_window->AddFile(m_video);
    m_window->AddFile(m_clip);
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
    QCOMPARE(core->CurrentRow, 0);
    for (int row = 0; row < 2; ++row) {
        const ST_OPTS& now = core->Rows[row];
        const ST_OPTS& then = before[row];
        QCOMPARE(now.splitMode, then.splitMode);
        QCOMPARE(now.splitCount, then.splitCount);
        QCOMPARE(now.splitTime, then.splitTime);
        QCOMPARE(now.splitEndTime, then.splitEndTime);
        QCOMPARE(now.splitRanges.size(), then.splitRanges.size());
        QCOMPARE(now.subtitleStream, then.subtitleStream);
        QCOMPARE(now.musicFiles, then.musicFiles);
        QCOMPARE(Names(now.endingClips), Names(then.endingClips));
    }
    QCOMPARE(Child<QComboBox>("comboBoxSplit")->currentIndex(), mode);
    QCOMPARE(Child<QSpinBox>("spinBoxSplitNum")->value(), 4);
    QCOMPARE(Child<QTimeEdit>("timeEditSplit")->time(), QTime(0, 0, 1, 500));
    QCOMPARE(!Child<QSpinBox>("spinBoxSplitNum")->isHidden(), countShown);
    QCOMPARE(!Child<QTimeEdit>("timeEditSplit")->isHidden(), timeShown);
    QCOMPARE(!Child<QTimeEdit>("timeEditEnd")->isHidden(), endShown);
    QCOMPARE(Column(Merge(), 1), (QStringList{"source.mp4", "clip.mp4"}));
    QCOMPARE(Column(Music(), 0), (QStringList{"clip.mp4", "source.mp4"}));
    QCOMPARE(Split()->rowCount(), 1);

    // Editing after the moves changes the row shown and nothing else.
    Child<QSpinBox>("spinBoxSplitNum")->setValue(9);
    QCOMPARE(core->Rows[0].splitCount, 9);
    QCOMPARE(core->Rows[1].splitCount, 7);
}

void TestTabs::subtitleOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("selected");
    QTest::newRow("upper-case SRT, read-only file") << "CUES.SRT" << true;
    QTest::newRow("ASS") << "cues.ass" << true;
    QTest::newRow("no row selected") << "cues.srt" << false;
}

void TestTabs::subtitleOpen()
{
    QFETCH(QString, name);
    QFETCH(bool, selected);
    const QString path = m_dir.filePath(name);
    if (name.endsWith(QLatin1String("ass"))) {
        WriteText(path, "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
                        "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, "
                        "Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, "
                        "Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                        "Style: Default,Sans,20,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,1,0,"
                        "2,10,10,10,1\n\n[Events]\n"
                        "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                        "Dialogue: 0,0:00:00.00,0:00:01.50,Default,,0,0,0,,First\n"
                        "Dialogue: 0,0:00:02.00,0:00:03.00,Default,,0,0,0,,Second\n");
    } else {
        WriteText(path, "1\n00:00:00,000 --> 00:00:01,500\nFirst\n\n2\n00:00:02,000 --> 00:00:03,000\nSecond\n");
        // Listing a file must not need the right to change it.
        QFile::setPermissions(path, QFile::ReadOwner);
    }
    m_window->AddFile(m_video);
    if (!selected)
        Sources()->clearSelection();
    Core* core = Core::instance();
    core->SetSubtitle(QStringLiteral("/before.srt"));
    core->Rows[0].subtitlePath.clear();
    core->Rows[0].subtitle = false;
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
    QTest::newRow("no extension, SRT filter chosen") << QStringList{"saved", "SRT File(*.srt)"} << "saved.srt"
                                                     << QByteArray("00:00:00,000 --> 00:00:01,500");
    QTest::newRow("no extension, no filter said: the first") << QStringList{"saved"} << "saved.ass"
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
    core->Subtitle.Events.clear();
    ST_ASS_EVENT event;
    event.Start = 0;
    event.End = 1500;
    event.Text = QStringLiteral("Hello");
    core->Subtitle.Events << event;
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

void TestTabs::subtitleDockFollowsALoadedFile()
{
    EditorMainWindow editor;
    const QString path = m_dir.filePath(QStringLiteral("dock.srt"));
    WriteText(path, "1\n00:00:00,000 --> 00:00:01,000\nA\n\n2\n00:00:01,000 --> 00:00:02,000\nB\n\n"
                    "3\n00:00:02,000 --> 00:00:03,000\nC\n");
    m_window->AddFile(m_video);
    Core::instance()->Rows[0].subtitlePath = path;
    ClickSource(0);
    QStandardItemModel* dock = editor.SubtitlePanel()->Model();
    QCOMPARE(dock->rowCount(), 3);
    QCOMPARE(dock->item(2, 2)->text(), QStringLiteral("C"));
}

void TestTabs::musicOrderAndTotal()
{
    const QString a = TestMedia::MakeAudio(m_dir.path(), QStringLiteral("a.mp3"), 90.0);
    const QString b = TestMedia::MakeAudio(m_dir.path(), QStringLiteral("b.mp3"), 165.4);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    m_window->AddFile(m_video);
    AppTestKit::Answer({a, b, m_clip});
    Click("BtnMusicAdd");
    QCOMPARE(Column(Music(), 1).mid(0, 2), (QStringList{"00:01:30", "00:02:45"}));
    Music()->setCurrentCell(2, 0);
    Click("BtnMusicDelete");
    QCOMPARE(Child<QLabel>("labelTotalMusic")->text(), QStringLiteral("00:04:15"));
    AppTestKit::Answer({m_clip});
    Click("BtnMusicAdd");
    Music()->setCurrentCell(0, 0);
    Click("BtnMusicDown");
    QCOMPARE(Core::instance()->Rows[0].musicFiles, (QStringList{b, a, m_clip}));
    Music()->setCurrentCell(2, 0);
    Click("BtnMusicDown");
    QCOMPARE(Core::instance()->Rows[0].musicFiles, (QStringList{b, a, m_clip}));
}

void TestTabs::musicTotal_data()
{
    QTest::addColumn<QList<qint64>>("durations");
    QTest::addColumn<QString>("total");
    QTest::newRow("none") << QList<qint64>{} << "00:00:00";
    QTest::newRow("just under a day") << QList<qint64>{86000 * kSec, 399 * kSec + 999999} << "23:59:59";
    QTest::newRow("a day: empty") << QList<qint64>{86000 * kSec, 400 * kSec} << "";
    QTest::newRow("a file of more than a day: empty, not 0") << QList<qint64>{90000 * kSec} << "";
}

void TestTabs::musicTotal()
{
    QFETCH(QList<qint64>, durations);
    QFETCH(QString, total);
    QTableWidget* music = Music();
    for (qint64 duration : durations) {
        const int r = music->rowCount();
        music->insertRow(r);
        auto* item = new QTableWidgetItem;
        item->setData(Qt::UserRole, duration);
        music->setItem(r, 1, item);
    }
    m_window->MusicTotalDuration();
    QCOMPARE(Child<QLabel>("labelTotalMusic")->text(), total);
}

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
