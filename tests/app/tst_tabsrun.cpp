// The work tabs end to end: rows set up through the tabs as a user does, run
// through the real converter and melt, the outputs measured with ffprobe.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <memory>

#include "AppTestKit.h"
#include "AssLibrary.h"
#include "Core.h"
#include "MediaFunctions.h"
#include "canvas/QWatermarkScene.h"
#include "TestMedia.h"
#include "UniqueOutputName.h"

namespace {

double Duration(const QString& path)
{
    return TestMedia::ProbeJson(path).value("format").toObject().value("duration").toString().toDouble();
}

QStringList StreamTypes(const QString& path)
{
    QStringList types;
    for (const QJsonValue& stream : TestMedia::ProbeJson(path).value("streams").toArray())
        types << stream.toObject().value("codec_type").toString();
    return types;
}

} // namespace

class TestTabsRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titlesAndTrimmedEndingMergeIntoOne();
    void splitPartsCoverTheSource_data();
    void splitPartsCoverTheSource();
    void variableRatePicturesShownOnce_data();
    void variableRatePicturesShownOnce();
    void twoMusicFilesMakeTheSoundtrack();
    void subtitleBurnedIn();

private:
    template <typename T> T* Child(const char* name) { return m_window->findChild<T*>(QLatin1String(name)); }
    void Click(const char* button) { QTest::mouseClick(Child<QToolButton>(button), Qt::LeftButton); }
    // Runs the batch and returns the files written into the output folder.
    QStringList RunAll();

    QTemporaryDir m_dir;
    QTemporaryDir m_home;
    QString m_out;
    QString m_video; // 2 s
    std::unique_ptr<MainWindow> m_window;
};

void TestTabsRun::initTestCase()
{
    QVERIFY(m_dir.isValid() && m_home.isValid());
    AppTestKit::PrivateSettings(m_home.path());
    if (!g_ass_library)
        g_ass_library = ass_library_init(); // as the program's start does
    m_out = m_dir.filePath(QStringLiteral("out"));
    m_video = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("source.mp4"), 2.0);
    QVERIFY(!m_video.isEmpty());
}

void TestTabsRun::init()
{
    AppTestKit::FreshRunState();
    AppTestKit::WriteSettings(m_out);
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    AppTestKit::Answer({m_video});
    m_window->findChild<QAction*>(QStringLiteral("actionAddFile"))->trigger();
    QTRY_COMPARE(Child<QTableWidget>("tableWidget")->rowCount(), 1);
}

void TestTabsRun::cleanup()
{
    AppTestKit::CloseWindow(m_window);
    QDir(m_out).removeRecursively();
}

QStringList TestTabsRun::RunAll()
{
    QAction* run = m_window->findChild<QAction*>(QStringLiteral("actionRun"));
    run->trigger();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!m_window->Jobs().hasIncomplete() && run->text() == "Run", 240000); }();
    QTableWidgetItem* status = Child<QTableWidget>("tableWidget")->item(0, 2);
    [&] { QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Completed"), 30000); }();
    QStringList files;
    for (const QFileInfo& file : QDir(m_out).entryInfoList(QDir::Files, QDir::Name))
        files << file.absoluteFilePath();
    return files;
}

void TestTabsRun::titlesAndTrimmedEndingMergeIntoOne()
{
    const QString title1 = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("title1.mp4"), 1.0);
    const QString title2 = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("title2.mp4"), 1.0);
    const QString ending = TestMedia::MakeVideo(m_dir.path(), QStringLiteral("ending.mp4"), 2.0);
    QVERIFY(!title1.isEmpty() && !title2.isEmpty() && !ending.isEmpty());
    AppTestKit::Answer({title1, title2});
    m_window->findChild<QAction*>(QStringLiteral("actionAdd_title_sequence"))->trigger();
    AppTestKit::Answer({ending});
    m_window->findChild<QAction*>(QStringLiteral("actionAdd_ending"))->trigger();
    auto* merge = Child<QTableWidget>("tableWidgetMerge");
    QCOMPARE(merge->rowCount(), 4);
    qobject_cast<QTimeEdit*>(merge->cellWidget(3, 2))->setTime(QTime(0, 0, 0, 500));
    qobject_cast<QTimeEdit*>(merge->cellWidget(3, 3))->setTime(QTime(0, 0, 1, 500));
    QCOMPARE(Child<QLabel>("labelTotal")->text(), QStringLiteral("00:00:05"));

    const QStringList files = RunAll();
    QCOMPARE(files.size(), 1);
    const double got = Duration(files.first());
    QVERIFY2(qAbs(got - 5.0) < 0.2, qPrintable(QString::number(got)));
}

void TestTabsRun::splitPartsCoverTheSource_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QTime>("end");
    QTest::addColumn<int>("parts");
    QTest::addColumn<double>("total");
    QTest::newRow("by count") << 0 << 3 << QTime(0, 0) << QTime(0, 0) << 3 << 2.0;
    QTest::newRow("by length") << 1 << 0 << QTime(0, 0, 0, 800) << QTime(0, 0) << 3 << 2.0;
    QTest::newRow("a section") << 2 << 0 << QTime(0, 0, 0, 500) << QTime(0, 0, 1, 500) << 1 << 1.0;
}

void TestTabsRun::splitPartsCoverTheSource()
{
    QFETCH(int, mode);
    QFETCH(int, count);
    QFETCH(QTime, time);
    QFETCH(QTime, end);
    QFETCH(int, parts);
    QFETCH(double, total);
    m_window->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
    Child<QComboBox>("comboBoxSplit")->setCurrentIndex(mode);
    Child<QSpinBox>("spinBoxSplitNum")->setValue(count);
    Child<QTimeEdit>("timeEditSplit")->setTime(time);
    Child<QTimeEdit>("timeEditEnd")->setTime(end);
    Click("BtnSplitAdd");
    QCOMPARE(Child<QTableWidget>("tableWidgetSplit")->rowCount(), parts);

    const QStringList files = RunAll();
    QCOMPARE(files.size(), parts);
    double sum = 0;
    for (const QString& file : files)
        sum += Duration(file);
    // Each cut may land a frame (and its sound packet) off.
    QVERIFY2(qAbs(sum - total) < 0.1 * parts, qPrintable(QString::number(sum) + " " + files.join(' ')));
}

void TestTabsRun::variableRatePicturesShownOnce_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("sources"); // name:times[:pictures a rush may lose]; "parts" are split in two, "merge" follows a title
    QTest::addColumn<bool>("drawn");
    QTest::newRow("own times") << "mp4" << QStringList{"phone.mp4:", "parts.mkv:", "merge.mp4:"} << false;
    QTest::newRow("own times, a logo drawn: split and merge take the conversion's rate")
        << "mp4" << QStringList{"phone.mp4:", "parts.mp4:", "merge.mp4:"} << true;
    // A screen recording (bursts at 30 a second, pauses of 0.05 to 0.2 s), a slow and a fast start, a lost picture.
    const QString screen = "if(N\\,PREV_OUTPTS+if(mod(N\\,5)\\,33+eq(mod(N\\,3)\\,0)\\,50+mod(N*37\\,150))\\,0)";
    QTest::newRow("one rate") << "avi" << QStringList{"screen.mp4:" + screen, "parts.mkv:" + screen, "merge.mkv:" + screen,
                                                      "slow.mp4:if(lt(N\\,12)\\,N*500\\,6000+(N-12)*40)", "drop.mp4:(N+gt(N\\,60))*40",
                                                      "fast.mp4:if(lt(N\\,12)\\,N*10\\,110+(N-11)*40):10"}
                              << false;
}

void TestTabsRun::variableRatePicturesShownOnce()
{
    QFETCH(QString, container);
    QFETCH(QStringList, sources);
    QFETCH(bool, drawn);
    auto* table = Child<QTableWidget>("tableWidget");
    for (const QString& source : sources) {
        AppTestKit::Answer({TestMedia::MakeNumberedVideo(m_dir.path(), source.section(':', 0, 0), source.section(':', 1, 1))});
        m_window->findChild<QAction*>(QStringLiteral("actionAddFile"))->trigger();
        QTRY_COMPARE(table->rowCount(), 2 + sources.indexOf(source));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(table->rowCount() - 1, 0)).center());
        if (source.startsWith("parts"))
            Child<QSpinBox>("spinBoxSplitNum")->setValue(2), Click("BtnSplitAdd");
        if (source.startsWith("merge")) {
            AppTestKit::Answer({TestMedia::MakeNumberedVideo(m_dir.path(), "title.mp4", "30")});
            m_window->findChild<QAction*>(QStringLiteral("actionAdd_title_sequence"))->trigger();
        }
    }
    m_window->Editor().InitCanvas(Core::instance()->Rows[1].path);
    QVERIFY(!drawn || m_window->Editor().Scene()->AddLayerImage(TestMedia::MakeImage(m_dir.path(), "logo.png", 40, 30, "blue")));
    auto* format = Child<QComboBox>("comboBoxFormat");
    format->setCurrentIndex(format->findText(container + "(*." + container + ")"));
    QMap<QString, QVector<int>> shown;
    const QStringList files = RunAll();
    for (const QString& file : files)
        shown[file] = TestMedia::PictureNumbers(file);
    // Each picture once (one may be lost or doubled at a cut; a constant rate repeats a picture for a pause), and
    // where a file starts as the source does (converted whole, its first part) or after the 6 s title, each frame
    // shows the picture the source shows then, within about half a frame.
    for (const QString& source : sources) {
        const bool merge = source.startsWith("merge");
        const QString name = source.section(':', 0, 0), base = m_out + "/" + name.section('.', 0, 0);
        QVector<int> numbers;
        QString first; // the files come by name
        for (const QString& file : files)
            if (file.startsWith(base) && !file.endsWith("_Split." + container)) // the parts, not the whole they were cut from
                numbers += shown[file], first = first.isEmpty() ? file : first;
        const QVector<double> from = TestMedia::PictureTimes(m_dir.filePath(name)), at = TestMedia::PictureTimes(first);
        int lost = 0, extra = 0, off = 0;
        for (int n = 0, once = merge ? 2 : 1; n < 180; ++n) {
            lost += qMax(0, once - int(numbers.count(n)));
            extra += qMax(0, int(numbers.count(n)) - once);
        }
        for (int i = merge ? 180 : 0, n = 0; i + 1 < at.size() && i < shown[first].size(); ++i) {
            const double t = at[i] - (merge ? 6 : 0), half = 0.6 * (at[1] - at[0]);
            n = shown[first][i], off += t < from.value(n) - half || t > from.value(n + 1, 1e9) + half;
        }
        QVERIFY2(lost <= qMax(2, source.section(':', 2).toInt()) && off == 0 && (container == "avi" || merge || extra <= 2),
                 qPrintable(source.left(5) + QString::number(lost) + "/" + QString::number(extra) + "/" + QString::number(off)));
    }
}

void TestTabsRun::twoMusicFilesMakeTheSoundtrack()
{
    const QString a = TestMedia::MakeAudio(m_dir.path(), QStringLiteral("a.mp3"), 1.2);
    const QString b = TestMedia::MakeAudio(m_dir.path(), QStringLiteral("b.mp3"), 1.5);
    QVERIFY(!a.isEmpty() && !b.isEmpty());
    AppTestKit::Answer({a, b});
    Click("BtnMusicAdd");
    QCOMPARE(Core::instance()->Rows[0].musicFiles, (QStringList{a, b}));

    const QStringList files = RunAll();
    QString output;
    for (const QString& file : files)
        if (QFileInfo(file).completeBaseName().contains(QLatin1String("Music")))
            output = file;
    QVERIFY2(!output.isEmpty(), qPrintable(files.join(' ')));
    QCOMPARE(StreamTypes(output), (QStringList{"video", "audio"}));
    double audio = 0;
    for (const QJsonValue& stream : TestMedia::ProbeJson(output).value("streams").toArray())
        if (stream.toObject().value("codec_type").toString() == QLatin1String("audio"))
            audio = stream.toObject().value("duration").toString().toDouble();
    QVERIFY2(qAbs(audio - 2.0) < 0.1, qPrintable(QString::number(audio)));
}

void TestTabsRun::subtitleBurnedIn()
{
    const QString black = TestMedia::MakeSolidVideo(m_dir.path(), QStringLiteral("black"), QStringLiteral("black.mp4"));
    QVERIFY(!black.isEmpty());
    m_window->Jobs().cleanup();
    Child<QTableWidget>("tableWidget")->selectAll();
    m_window->findChild<QAction*>(QStringLiteral("actionDelete"))->trigger();
    AppTestKit::AddFile(*m_window, black);
    const QString srt = m_dir.filePath(QStringLiteral("cues.srt"));
    QFile file(srt);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1\n00:00:00,000 --> 00:00:02,000\nWWWWWWWW\n");
    file.close();
    AppTestKit::Answer({srt});
    Click("BtnSubtitleOpen");
    QVERIFY(Core::instance()->Rows[0].subtitle);

    const QStringList files = RunAll();
    QCOMPARE(files.size(), 1);
    QCOMPARE(StreamTypes(files.first()), (QStringList{"video", "audio"}));
    QImage frame;
    GetMediaImage(files.first().toUtf8().constData(), &frame, 1000000);
    QVERIFY(!frame.isNull());
    int bright = 0;
    for (int y = frame.height() / 2; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            bright += qGray(frame.pixel(x, y)) > 160;
    QVERIFY2(bright > 200, qPrintable(QString::number(bright)));
}

QTEST_MAIN(TestTabsRun)
#include "tst_tabsrun.moc"
