// One user's session through the real windows on a real X screen: two files
// in (one added, one dropped), the editor's layers, subtitle, preview, pause
// and project, a split and a soundtrack through the tabs, mkv with h265 from
// the format dialog, Run, and the outputs measured with ffprobe and pixels.
// Runs only on the xcb platform with SDL's x11 driver (xvfb-run); skipped in
// the headless runs.
#include <QtTest>

#include "../app/AppTestKit.h"
#include "../app/dialogs/FormatDialogTestKit.h"
#include "../editor/EditorTestTools.h"
#include "AppStart.h"
#include "AssLibrary.h"
#include "ImageChecks.h"
#include "JxOFile.h"
#include "LumacrestResources.h"
#include "MediaFunctions.h"
#include "QWatermarkBase.h"
#include "TestMedia.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"
#include "ffplay.h"
#include "text/VTextPropSheetDialog.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QToolButton>

#include <memory>

using namespace ImageChecks;

namespace {
bool IsBlue(QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; }
bool IsRed(QColor c) { return c.red() > 170 && c.green() < 80 && c.blue() < 80; }

// Matroska keeps a stream's length in its DURATION tag (HH:MM:SS.fraction).
double StreamSeconds(const QJsonObject& stream)
{
    const QStringList parts = stream.value("tags").toObject().value("DURATION").toString().split(':');
    if (parts.size() != 3)
        return stream.value("duration").toString().toDouble();
    return parts[0].toDouble() * 3600 + parts[1].toDouble() * 60 + parts[2].toDouble();
}
} // namespace

class TestUserSession : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QTemporaryDir m_dropDir;
    QTemporaryDir m_home;
    QString m_out;
    QString m_added;
    QString m_dropped;
    QString m_png;
    QString m_srt;
    QString m_music;
    QString m_project;
    // The canvas as the editor showed it: where the layers' colours must land.
    QRect m_imageOnCanvas;
    QRect m_textOnCanvas;
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T* Child(const char* name) { return m_window->findChild<T*>(QLatin1String(name)); }
    QAction* Action(const char* name) { return Child<QAction>(name); }
    QTableWidget* Table() { return Child<QTableWidget>("tableWidget"); }
    void ClickRow(int row)
    {
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, Table()->visualItemRect(Table()->item(row, 0)).center());
        QCOMPARE(Core::instance()->CurrentRow, row);
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb" || qgetenv("SDL_VIDEODRIVER") != "x11")
            QSKIP("needs the xcb platform and SDL's x11 driver");
        QVERIFY(m_dir.isValid() && m_dropDir.isValid() && m_home.isValid());
        InitLumacrestResources();
        AppStart::ApplyLook(); // as the user sees the program
        AppTestKit::PrivateSettings(m_home.path());
        if (!g_ass_library)
            g_ass_library = ass_library_init(); // as the program's start does
        m_out = m_dir.filePath("out");
        AppTestKit::WriteSettings(m_out);
        m_added = TestMedia::MakeSolidVideo(m_dir.path(), "teal", "added.mp4", 2.0, 320, 240);
        m_dropped = TestMedia::MakeSolidVideo(m_dropDir.path(), "teal", "dropped.mp4", 3.0, 320, 240);
        m_png = TestMedia::MakeImage(m_dir.path(), "blue.png", 60, 40, "blue");
        m_music = TestMedia::MakeAudio(m_dir.path(), "music.mp3", 3.5);
        QVERIFY(!m_added.isEmpty() && !m_dropped.isEmpty() && !m_png.isEmpty() && !m_music.isEmpty());
        m_srt = m_dir.filePath("cues.srt");
        QFile srt(m_srt);
        QVERIFY(srt.open(QIODevice::WriteOnly));
        srt.write("1\n00:00:00,000 --> 00:00:02,000\nWWWWWWWW\n");
        srt.close();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        AppTestKit::StopAnswering();
        MainWindow::SetFileQuestion({});
        if (m_window)
            m_window->Jobs().cleanup();
        m_window.reset();
    }

    void addAndDropTwoFiles()
    {
        AppTestKit::Answer({m_added});
        Action("actionAddFile")->trigger();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(m_dropped)});
        const QPoint at = Table()->mapTo(m_window.get(), Table()->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        QTRY_COMPARE(Table()->rowCount(), 2);
        QCOMPARE(Table()->item(1, 0)->data(Qt::ToolTipRole).toString(), m_dropped);
    }

    // The dropped row in the editor: layers, subtitle, a preview with the
    // layer over the frame on the screen, pause, save, close.
    void editLayersPreviewAndSave()
    {
        EditorTest::BoxCloser boxes;
        ClickRow(1);
        Action("actionWatermark")->trigger();
        EditorMainWindow& editor = m_window->Editor();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editor.SourcePath(), m_dropped);
        m_project = m_dir.filePath("session.jxo");
        QStringList answers{m_png, m_srt, m_project};
        EditorTest::AnswerFiles(&editor, &answers);
        auto editorAction = [&editor](const char* name) { return editor.findChild<QAction*>(QLatin1String(name)); };

        editorAction("actionAdd_Image")->trigger();
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<VTextPropSheetDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->WordArt.Text = "MARK";
            dialog->WordArt.TextColor1 = QColor(Qt::red);
            dialog->WordArt.TextColor2 = QColor(Qt::red);
            dialog->accept();
        });
        editorAction("actionAdd_Text")->trigger();
        const QList<QWatermarkBase*> layers = Core::instance()->Layers;
        QCOMPARE(layers.size(), 2);
        QCOMPARE(layers[1]->GetLayer()->WordArt.Text, QString("MARK"));
        layers[0]->setPos(230, 20);
        layers[1]->setPos(20, 30);
        editorAction("actionAdd_Subtitle")->trigger();
        QCOMPARE(editor.SubtitleModel()->rowCount(), 1);
        QVERIFY(Core::instance()->Rows[1].subtitle);

        // Where the editor draws the colours, without selection marks.
        const QImage canvas = EditorTest::CanvasShot(editor.Scene(), QSize(320, 240));
        m_imageOnCanvas = Box(canvas, IsBlue);
        m_textOnCanvas = Box(canvas, IsRed);
        QVERIFY2(Near(m_imageOnCanvas, QRect(230, 20, 60, 40), 1), qPrintable(Text(m_imageOnCanvas)));
        QVERIFY2(m_textOnCanvas.width() > 20 && m_textOnCanvas.height() > 8, qPrintable(Text(m_textOnCanvas)));
        // The README's picture of the editor (scripts/screenshot.sh).
        if (!qEnvironmentVariableIsEmpty("LUMACREST_EDITOR_SCREENSHOT")) {
            QTRY_VERIFY_WITH_TIMEOUT(editor.View()->isVisible() && editor.View()->viewport()->width() > 320, 10000);
            QVERIFY(editor.grab().save(qEnvironmentVariable("LUMACREST_EDITOR_SCREENSHOT"), "PNG"));
        }

        QWatermarkView* view = editor.View();
        QTRY_VERIFY_WITH_TIMEOUT(view->isVisible() && view->viewport()->width() > 320, 10000);
        const QPoint frameAt = view->viewport()->mapToGlobal(view->mapFromScene(QPointF(0, 0)));
        QScreen* screen = editor.screen();
        int step = 0;
        QRect blue;
        bool paused = false;
        QTimer driver;
        QElapsedTimer clock;
        clock.start();
        connect(&driver, &QTimer::timeout, this, [&]() {
            if (clock.elapsed() > 60000) {
                editor.close();
                return;
            }
            if (step == 0 && JxPlayerGetPosition() > 200000) {
                // Only the frame's neighbourhood: the layer dock shows the image too.
                const QImage grab = screen->grabWindow(0, frameAt.x(), frameAt.y(), 320, 240).toImage();
                blue = Box(grab, IsBlue);
                if (Near(blue, m_imageOnCanvas, 4))
                    step = 1;
            } else if (step == 1) {
                editor.PlayerBar()->m_btnPlay->click();
                step = 2;
            } else if (step == 2) {
                paused = !editor.IsPlaying() && !editor.IsPreviewIdle();
                editorAction("actionSave")->trigger();
                editor.close();
                step = 3;
            }
        });
        driver.start(30);
        editor.PlayerBar()->m_btnPlay->click();
        driver.stop();
        QVERIFY2(step == 3, qPrintable("stopped at step " + QString::number(step) + ", layer on screen at " + Text(blue)));
        QVERIFY(paused);
        QVERIFY(editor.isHidden());
        QVERIFY(editor.IsPreviewIdle());
        JxOFile saved;
        saved.ProjectPath = m_project;
        QVERIFY(saved.Open());
        QCOMPARE(saved.LayerList.size(), 2);
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
    }

    void splitSoundtrackAndFormat()
    {
        auto* tabs = Child<QTabWidget>("tabWidget");
        ClickRow(0);
        tabs->setCurrentIndex(1);
        Child<QComboBox>("comboBoxSplit")->setCurrentIndex(0);
        Child<QSpinBox>("spinBoxSplitNum")->setValue(2);
        QTest::mouseClick(Child<QToolButton>("BtnSplitAdd"), Qt::LeftButton);
        QCOMPARE(Child<QTableWidget>("tableWidgetSplit")->rowCount(), 2);

        ClickRow(1);
        tabs->setCurrentIndex(3);
        AppTestKit::Answer({m_music});
        QTest::mouseClick(Child<QToolButton>("BtnMusicAdd"), Qt::LeftButton);
        QCOMPARE(Core::instance()->Rows[1].musicFiles, QStringList{m_music});
        QCOMPARE(Core::instance()->Rows[0].musicFiles, QStringList());

        auto* format = Child<QComboBox>("comboBoxFormat");
        format->setCurrentIndex(format->findText("mkv(*.mkv)"));
        QCOMPARE(format->currentText(), QString("mkv(*.mkv)"));
        bool chosen = false;
        Kit::answerModal([&chosen](QWidget* w) {
            if (!qobject_cast<QFormatDialog*>(w))
                return false;
            chosen = Kit::choose(w, "comboBoxVCodec", "h265");
            Kit::clickButton(w, QDialogButtonBox::Ok);
            return true;
        });
        QTest::mouseClick(Child<QToolButton>("toolButtonFormatOption"), Qt::LeftButton);
        QVERIFY(chosen);
        QCOMPARE(Kit::loadSaved().VCodec, QString("h265"));
    }

    void runAndMeasure()
    {
        EditorTest::BoxCloser boxes;
        QAction* run = Action("actionRun");
        run->trigger();
        // Generous: h265 through the sanitizer build on a loaded machine.
        for (int row = 0; row < 2; ++row)
            QTRY_COMPARE_WITH_TIMEOUT(Table()->item(row, 2)->text(), QString("Completed"), 600000);
        QTRY_COMPARE_WITH_TIMEOUT(run->text(), QString("Run"), 30000);
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));

        // The split row keeps its converted whole beside the parts; the music
        // row's converted video gives way to the mixed one.
        const QStringList names = QDir(m_out).entryList(QDir::Files, QDir::Name);
        const QStringList expected{"added_Split.mkv", "added_Split00-00-00_00-00-01.mkv",
                                   "added_Split00-00-01_00-00-02.mkv", "dropped_MusicMix.mkv"};
        QCOMPARE(names, expected);
        const QList<double> seconds{2.0, 1.0, 1.0, 3.0};
        for (int i = 0; i < names.size(); ++i) {
            const QString path = m_out + '/' + names[i];
            const QJsonObject facts = TestMedia::ProbeJson(path);
            QVERIFY2(facts.value("format").toObject().value("format_name").toString().contains("matroska"), qPrintable(path));
            QStringList types, codecs;
            double audioSeconds = 0;
            for (const QJsonValue& value : facts.value("streams").toArray()) {
                const QJsonObject stream = value.toObject();
                types << stream.value("codec_type").toString();
                codecs << stream.value("codec_name").toString();
                if (types.last() == "audio")
                    audioSeconds = StreamSeconds(stream);
            }
            QCOMPARE(types, (QStringList{"video", "audio"}));
            QCOMPARE(codecs.first(), QString("hevc"));
            // Each cut may land a frame (and its sound packet) off.
            const double length = facts.value("format").toObject().value("duration").toString().toDouble();
            QVERIFY2(qAbs(length - seconds[i]) < 0.1, qPrintable(path + ": " + QString::number(length)));
            // The soundtrack is cut at the picture's end.
            QVERIFY2(qAbs(audioSeconds - seconds[i]) < 0.1, qPrintable(path + ": sound " + QString::number(audioSeconds)));

            // Both layers where the canvas showed them, in every output.
            QImage frame;
            GetMediaImage(path.toUtf8().constData(), &frame, 500000);
            QCOMPARE(frame.size(), QSize(320, 240));
            const QRect blue = Box(frame, IsBlue);
            const QRect red = Box(frame, IsRed);
            QVERIFY2(Near(blue, m_imageOnCanvas, 3), qPrintable(path + ": image at " + Text(blue) + ", canvas " + Text(m_imageOnCanvas)));
            QVERIFY2(Near(red, m_textOnCanvas, 3), qPrintable(path + ": text at " + Text(red) + ", canvas " + Text(m_textOnCanvas)));
            // The subtitle is burned into the dropped row's picture only.
            int bright = 0;
            for (int y = 160; y < 240; ++y)
                for (int x = 0; x < 320; ++x)
                    bright += qGray(frame.pixel(x, y)) > 200;
            QVERIFY2((bright > 200) == names[i].startsWith("dropped"), qPrintable(path + ": " + QString::number(bright)));
        }
    }
};

QTEST_MAIN(TestUserSession)
#include "tst_usersession.moc"
