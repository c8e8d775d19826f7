// The main window's player widget and the seek slider, headless: fitting the
// picture, the slider's click-to-jump, and playbacks through the real player.
#include <QtTest>
#include <QMessageBox>

#include <QImage>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QToolButton>

#include <climits>

#include "Core.h"
#include "LumacrestPaths.h"
#include "PlayerTestKit.h"
#include "QPlayerWidget.h"
#include "Slider.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

extern "C" {
#include <libavutil/log.h>
}

Q_DECLARE_METATYPE(QRect)

namespace {

QStringList s_debugLines;
QtMessageHandler s_previousHandler = nullptr;
void CollectDebug(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtDebugMsg)
        s_debugLines << text;
    s_previousHandler(type, context, text);
}

bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 70 && qGreen(c) < 70; }

// Calls check every intervalMs (inside the player's loop) until it returns true.
template <class Check>
void PollUntil(QObject* context, int intervalMs, Check check)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, check]() mutable {
        if (check())
            timer->stop();
    });
    timer->start(intervalMs);
}

}  // namespace

class TestPlayerWidget : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_wide;    // 16:9, 3 s
    QString m_square;  // 1:1
    QString m_halves;  // left half red, right half blue, 1.2 s
    QString m_audio;

    static QWidget* Host(QPlayerWidget& w) { return w.findChild<QWidget*>("playerHost"); }
    static QWidget* Area(QPlayerWidget& w) { return w.findChild<QWidget*>("playerVideoArea"); }
    static QToolButton* Button(QPlayerWidget& w, int index) { return w.findChildren<QToolButton*>().value(index); }
    static Slider* SliderOf(QPlayerWidget& w) { return w.findChild<Slider*>(); }

    // Gives the video area the wanted size by sizing the whole widget.
    static void SizeArea(QPlayerWidget& w, const QSize& area)
    {
        const QSize rest = w.size() - Area(w)->size();
        w.resize(area + QSize(rest.width(), rest.height()));
        QTRY_COMPARE(Area(w)->size(), area);
    }

    // Presses Play; returns when the playback has ended.
    static void PressPlay(QPlayerWidget& w)
    {
        PlayerTestKit::Watchdog watchdog(30000, "playback");
        QTest::mouseClick(Button(w, 0), Qt::LeftButton);
    }

    // A source row of the red and blue halves.
    ST_OPTS HalvesRow() const
    {
        ST_OPTS row;
        row.path = m_halves;
        row.width = 160;
        row.height = 120;
        return row;
    }

    static void VerifyIdle(QPlayerWidget& w)
    {
        QCOMPARE(g_nPlayWindow, 0);
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(Button(w, 0)->toolTip(), QString("Play"));
        QVERIFY(!SliderOf(w)->isEnabled());
        QVERIFY(Host(w)->isHidden());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        av_log_set_level(AV_LOG_ERROR);
        QVERIFY(m_dir.isValid());
        const QString d = m_dir.path();
        m_wide = TestMedia::MakeVideo(d, "wide.mp4", 3.0, 320, 180);
        m_square = TestMedia::MakeSilentVideo(d, "square.mp4", 0.2, 120, 120);
        m_audio = TestMedia::MakeAudio(d, "audio.mp3", 0.5);
        m_halves = QDir(d).filePath("halves.mp4");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i",
                                         "color=c=red:size=160x120:rate=25,"
                                         "drawbox=x=80:y=0:w=80:h=120:color=blue:t=fill",
                                         "-t", "1.2", "-pix_fmt", "yuv420p", m_halves}));
        QVERIFY(!m_wide.isEmpty() && !m_square.isEmpty() && !m_audio.isEmpty());
    }

    void cleanup()
    {
        Core::instance()->Rows.clear();
        Core::instance()->CurrentRow = 0;
        QCOMPARE(g_nPlayWindow, 0);
    }

    void fitsThePictureCentred_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("1920x1080 in 1000x450") << QSize(1000, 450) << QSize(1920, 1080) << QRect(100, 0, 800, 450);
        QTest::newRow("wider than the area") << QSize(400, 450) << QSize(1920, 1080) << QRect(0, 112, 400, 225);
        QTest::newRow("source height 0") << QSize(1000, 450) << QSize(1920, 0) << QRect(140, 0, 720, 450);
        QTest::newRow("source 0x0") << QSize(1000, 450) << QSize(0, 0) << QRect(140, 0, 720, 450);
        QTest::newRow("area height 0") << QSize(1000, 0) << QSize(1920, 1080) << QRect();
        QTest::newRow("area width 0") << QSize(0, 450) << QSize(1920, 1080) << QRect();
        QTest::newRow("sliver") << QSize(1000, 450) << QSize(1, 100000) << QRect(499, 0, 1, 450);
        QTest::newRow("huge source") << QSize(1000, 450) << QSize(INT_MAX, INT_MAX) << QRect(275, 0, 450, 450);
    }
    void fitsThePictureCentred()
    {
        QFETCH(QSize, area);
        QFETCH(QSize, source);
        QFETCH(QRect, expected);
        QCOMPARE(QPlayerWidget::FitVideo(area, source), expected);
    }

    // The host exists before the first play, so every resize places it.
    void resizeBeforePlayPlacesTheHost()
    {
        QPlayerWidget w;
        w.SourcePath = m_wide;
        w.resize(640, 400);
        w.show();
        SizeArea(w, QSize(1000, 450));
        QCOMPARE(Host(w)->geometry(), QRect(100, 0, 800, 450));
        SizeArea(w, QSize(1000, 300));
        QCOMPARE(Host(w)->geometry(), QRect(233, 0, 533, 300));
        QVERIFY(Host(w)->isHidden());
    }

    // A resize uses the size probed for the file; only a new file is probed again.
    void probesOncePerFile()
    {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("clip.mp4");
        QVERIFY(QFile::copy(m_wide, path));
        QPlayerWidget w;
        w.SourcePath = path;
        w.show();
        SizeArea(w, QSize(600, 300));
        QCOMPARE(w.GetVideoSize(), QSize(320, 180));
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(m_square, path));
        SizeArea(w, QSize(700, 300));
        QCOMPARE(Host(w)->geometry(), QRect(83, 0, 533, 300));  // still 16:9: not probed again
        w.SourcePath = m_square;
        QCOMPARE(w.GetVideoSize(), QSize(120, 120));
        w.SourcePath = m_audio;  // no picture size: 16:10, no division by 0
        QCOMPARE(w.GetVideoSize(), QSize(16, 10));
        // The picture as the player shows it: a phone's turned upright, a
        // widescreen DVD's at 16:9.
        w.SourcePath = TestMedia::MakeTurnedVideo(dir.path(), "phone.mp4", QSize(320, 180), "1/1", 90, {});
        QCOMPARE(w.GetVideoSize(), QSize(180, 320));
        w.SourcePath = TestMedia::MakeTurnedVideo(dir.path(), "dvd.mp4", QSize(720, 576), "64/45", 0, {});
        QCOMPARE(w.GetVideoSize(), QSize(1024, 576));
    }

    void sliderSeekShowsTheTime_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("90.5 s") << 90500 << "00:01:30:500";
        QTest::newRow("1 h 2 min 3.456 s") << 3723456 << "01:02:03:456";
    }
    void sliderSeekShowsTheTime()
    {
        QFETCH(int, ms);
        QFETCH(QString, text);
        QPlayerWidget w;
        w.OnSliderSeek(ms);
        QCOMPARE(w.findChild<QTimeEdit*>()->text(), text);
        QCOMPARE(JxPlayerGetPlayState(), 4);  // nothing was started by the seek
    }

    // A click beside the handle jumps there and reports a drag: moved, then
    // pressed; the release reports released.
    void sliderClickBesideTheHandleJumps()
    {
        Slider s;
        s.setRange(0, 60000);
        s.setTracking(false);
        s.resize(600, 30);
        s.show();
        QStringList order;
        connect(&s, &Slider::sliderMoved, &s, [&](int v) { order << "moved " + QString::number(v); });
        connect(&s, &Slider::sliderPressed, &s, [&]() { order << "pressed"; });
        connect(&s, &Slider::sliderReleased, &s, [&]() { order << "released"; });
        QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, QPoint(550, 15));
        QCOMPARE(order.size(), 2);
        QVERIFY2(qAbs(s.value() - 55000) < 2000, qPrintable(QString::number(s.value())));
        QCOMPARE(order.at(0), "moved " + QString::number(s.value()));
        QCOMPARE(order.at(1), QString("pressed"));
        QTest::mouseRelease(&s, Qt::LeftButton, Qt::NoModifier, QPoint(550, 15));
        QCOMPARE(order.value(2), QString("released"));

        // Right button: no jump.
        const int before = s.value();
        order.clear();
        QTest::mousePress(&s, Qt::RightButton, Qt::NoModifier, QPoint(20, 15));
        QTest::mouseRelease(&s, Qt::RightButton, Qt::NoModifier, QPoint(20, 15));
        QCOMPARE(s.value(), before);
        QVERIFY(order.isEmpty());
    }

    void sliderClickOnTheHandleDrags()
    {
        Slider s;
        s.setRange(0, 60000);
        s.setValue(30000);
        s.resize(600, 30);
        s.show();
        QStyleOptionSlider option;
        s.initStyleOption_Qt430(&option);
        const QRect handle = s.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &s);
        QSignalSpy moved(&s, &Slider::sliderMoved);
        QSignalSpy released(&s, &Slider::sliderReleased);
        QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, handle.center());
        QVERIFY(s.isSliderDown());
        QCOMPARE(moved.count(), 0);
        QCOMPARE(s.value(), 30000);
        QTest::mouseRelease(&s, Qt::LeftButton, Qt::NoModifier, handle.center());
        QCOMPARE(released.count(), 1);  // once, from the ordinary drag
    }

    void sliderHoverReportsTheValue_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::newRow("no button") << int(Qt::NoButton);
        QTest::newRow("button held") << int(Qt::LeftButton);
    }
    void sliderHoverReportsTheValue()
    {
        QFETCH(int, buttons);
        Slider s;
        s.setRange(0, 60000);
        s.resize(600, 30);
        s.show();
        QSignalSpy hover(&s, &Slider::onHover);
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 15), Qt::NoButton, Qt::MouseButtons(buttons),
                         Qt::NoModifier);
        QApplication::sendEvent(&s, &move);
        QCOMPARE(hover.count(), 1);
        QCOMPARE(hover.at(0).at(0).toInt(), 300);
        QVERIFY(qAbs(hover.at(0).at(1).toInt() - 30000) < 1000);
    }

    // Whatever keeps a playback from starting, the widget ends up stopped.
    void failedStartReturnsToStopped_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << "/nonexistent/clip.mp4";
        QTest::newRow("not media") << QStringLiteral(LUMACREST_SOURCE_DIR "/tests/Player/tst_playerwidget.cpp");
        QTest::newRow("empty path") << QString();
    }
    void failedStartReturnsToStopped()
    {
        QFETCH(QString, path);
        QPlayerWidget w;
        w.SourcePath = path;
        w.resize(400, 300);
        w.show();
        QSignalSpy addFile(&w, &QPlayerWidget::sigAddFile);
        PressPlay(w);
        QCOMPARE(addFile.count(), path.isEmpty() ? 1 : 0);
        VerifyIdle(w);
    }

    // A row whose files cannot all be had is not previewed without them:
    // one message says which, and nothing plays.
    void rowWithAMissingFileDoesNotPlay()
    {
        ST_OPTS row = HalvesRow();
        row.subtitle = true;
        row.subtitlePath = m_dir.filePath("gone.srt");
        Core::instance()->Rows << row;
        Core::instance()->CurrentRow = 0;
        QPlayerWidget w;
        w.SourcePath = m_halves;
        w.resize(400, 300);
        w.show();
        QString said;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&]() {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->accept();
            }
        });
        answer.start(20);
        PressPlay(w);
        QVERIFY2(said.contains("gone.srt"), qPrintable(said));
        VerifyIdle(w);
    }

    // The play button with no file asks for one, then plays it with its
    // row's filter graph to the end; the player's call of OnStop stops the
    // widget. Add File leaves the player on the first file it added while
    // the last row is current: the file is played with its own row's graph.
    void playsToTheEndWithTheRowFilter_data()
    {
        QTest::addColumn<bool>("laterRowCurrent"); // one with another graph
        QTest::newRow("its row current") << false;
        QTest::newRow("a later row current") << true;
    }
    void playsToTheEndWithTheRowFilter()
    {
        QFETCH(bool, laterRowCurrent);
        ST_OPTS row = HalvesRow();
        row.hflip = true;
        Core::instance()->Rows << row;
        Core::instance()->CurrentRow = 0;
        if (laterRowCurrent) {
            ST_OPTS later = HalvesRow();
            later.path = m_wide;
            Core::instance()->Rows << later;
            Core::instance()->CurrentRow = 1;
        }
        QVERIFY(QPlayerWidget().metaObject()->indexOfSlot("OnStop()") >= 0);

        QPlayerWidget w;
        w.resize(400, 300);
        w.show();
        connect(&w, &QPlayerWidget::sigAddFile, &w, [&]() { w.SourcePath = m_halves; });
        bool playingLook = false;
        int sliderValue = 0;
        QImage picture;
        PollUntil(&w, 20, [&]() {
            playingLook = Button(w, 0)->toolTip() == "Pause" && SliderOf(w)->isEnabled() && Host(w)->isVisible();
            sliderValue = qMax(sliderValue, SliderOf(w)->value());
            JxPlayerStats stats;
            if (JxPlayerGetStats(&stats) && stats.frames_shown > 0)
                JxPlayerReadScreen(&picture);
            return !picture.isNull() && sliderValue > 0;
        });
        s_debugLines.clear();
        s_previousHandler = qInstallMessageHandler(CollectDebug);
        PressPlay(w);
        qInstallMessageHandler(s_previousHandler);
        QVERIFY(playingLook);
        QVERIFY(sliderValue > 0);  // the slider followed the playback
        QVERIFY(!picture.isNull());
        // The filter text lasted through the playback: the picture shown is mirrored.
        const QPoint left(picture.width() / 8, picture.height() / 2);
        QVERIFY2(IsBlue(picture.pixel(left)), qPrintable(QColor(picture.pixel(left)).name()));
        VerifyIdle(w);
        QVERIFY2(s_debugLines.size() < 10, qPrintable(s_debugLines.join('\n')));
    }

    void playPausesAndResumes()
    {
        QPlayerWidget w;
        w.SourcePath = m_wide;
        w.resize(400, 300);
        w.show();
        QList<int> states;
        QStringList tips;
        int step = 0;
        PollUntil(&w, 20, [&]() {
            if (step == 0 && JxPlayerGetPosition() <= 0)
                return false;
            if (step < 2) {
                QTest::mouseClick(Button(w, 0), Qt::LeftButton);
                states << JxPlayerGetPlayState();
                tips << Button(w, 0)->toolTip();
                ++step;
                return false;
            }
            QTest::mouseClick(Button(w, 1), Qt::LeftButton);  // Stop
            return true;
        });
        PressPlay(w);
        QCOMPARE(states, QList<int>({2, 1}));
        QCOMPARE(tips, QStringList({"Play", "Pause"}));
        VerifyIdle(w);
    }

    // A resize while playing refits the host and the player's picture with it.
    void resizeWhilePlayingRefitsThePicture()
    {
        QPlayerWidget w;
        w.SourcePath = m_wide;
        w.resize(400, 300);
        w.show();
        QRect host;
        QRect expected;
        QSize screen;
        bool resized = false;
        PollUntil(&w, 20, [&]() {
            if (JxPlayerGetPosition() <= 0)
                return false;
            if (!resized) {
                w.resize(300, 400);
                resized = true;
                return false;
            }
            QImage picture;
            JxPlayerReadScreen(&picture);
            host = Host(w)->geometry();
            expected = QPlayerWidget::FitVideo(Area(w)->size(), QSize(320, 180));
            screen = picture.size();
            if (screen != host.size())
                return false;  // no picture drawn at the new size yet
            QTest::mouseClick(Button(w, 1), Qt::LeftButton);
            return true;
        });
        PressPlay(w);
        QCOMPARE(host, expected);
        QCOMPARE(screen, expected.size());
        QCOMPARE(expected.width(), 300);  // the area is now narrower than 16:9
    }

    // The widget going away while it plays ends the playback, and the play
    // slot it was called from does not touch it afterwards.
    void destroyedWhilePlayingEndsThePlayback()
    {
        auto* w = new QPlayerWidget;
        w->SourcePath = m_wide;
        w->resize(400, 300);
        w->show();
        bool destroyed = false;
        connect(w, &QObject::destroyed, this, [&]() { destroyed = true; });
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&]() {
            if (!destroyed && JxPlayerGetPosition() > 0)
                delete w;
        });
        poll.start(20);
        PlayerTestKit::Watchdog watchdog(30000, "destroyed while playing");
        QMetaObject::invokeMethod(w, "OnPlayPause", Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(destroyed, 20000);
        QTRY_COMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(g_nPlayWindow, 0);
    }

    // Stop stops only this widget's playback, not another owner's preview.
    void stopLeavesAnotherOwnersPlayback()
    {
        QPlayerWidget w;
        QWidget otherHost;
        otherHost.resize(320, 180);
        int stateAfterStop = 0;
        PollUntil(&w, 20, [&]() {
            if (JxPlayerGetPosition() <= 0)
                return false;
            w.OnStop();
            stateAfterStop = JxPlayerGetPlayState();
            g_nPlayWindow = 0;
            JxPlayerStop();
            return true;
        });
        const auto run = PlayerTestKit::Play(m_wide, &otherHost, nullptr, 20000);
        QVERIFY(!run.timedOut);
        QCOMPARE(stateAfterStop, 1);
    }
};

QTEST_MAIN(TestPlayerWidget)
#include "tst_playerwidget.moc"
