// On X11 the picture is drawn into the host widget's own native window, which
// the host's geometry places among ordinary Qt widgets. The hosts here are
// plain QWidgets, as the owners pass them. Runs only on the xcb platform with
// a display (e.g. xvfb-run with QT_QPA_PLATFORM=xcb and SDL_VIDEODRIVER=x11);
// skipped in the headless runs.
#include <QtTest>

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include "PlayerTestKit.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

using PlayerTestKit::Owner;
using PlayerTestKit::Steps;

static bool isRed(const QColor& c) { return c.red() > 200 && c.green() < 70 && c.blue() < 70; }
static bool isGreen(const QColor& c) { return c.green() > 150 && c.red() < 70; }

// A frameless top-level at the screen's corner with a green background, a
// label and a plain host child at (80, 60) 320x240.
struct Stage {
    QWidget top;
    QLabel label{"beside the player", &top};
    QWidget* host = new QWidget(&top);
    Stage()
    {
        top.setWindowFlags(Qt::FramelessWindowHint);
        top.setGeometry(0, 0, 480, 360);
        top.setStyleSheet("background: rgb(0, 200, 0)");
        label.setGeometry(0, 0, 480, 30);
        host->setGeometry(80, 60, 320, 240);
    }
};

static QColor screenAt(int x, int y)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, x, y, 1, 1).toImage().pixelColor(0, 0);
}

class TestPlayerX11 : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_red;   // 3 s
    QString m_short; // 1 s
    QString m_long;  // 30 s

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb" || qgetenv("SDL_VIDEODRIVER") == "dummy")
            QSKIP("needs the xcb platform and SDL's x11 driver");
        av_log_set_level(AV_LOG_ERROR);
        m_red = TestMedia::MakeSolidVideo(m_dir.path(), "red", "red.mp4", 3.0, 320, 240);
        m_short = TestMedia::MakeSolidVideo(m_dir.path(), "red", "short.mp4", 1.0, 320, 240);
        m_long = TestMedia::MakeSolidVideo(m_dir.path(), "red", "long.mp4", 30.0, 320, 240);
        QVERIFY(!m_red.isEmpty() && !m_short.isEmpty() && !m_long.isEmpty());
    }

    void pictureIsDrawnInsideTheHostWidget()
    {
        Stage stage;
        stage.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.top));

        Owner owner;
        JxPlayerStats stats;
        Steps steps;
        steps.then("first picture inside the host",
                   [&]() { return isRed(screenAt(80 + 160, 60 + 120)) && JxPlayerGetStats(&stats); })
            .then("window beside it untouched", [&]() { return isGreen(screenAt(40, 200)); })
            .then("pause and shrink", [&]() { return JxPlayerPause() == 0 && JxPlayerResize(0, 0, 200, 150) == 0; })
            // The picture fills the smaller host; the uncovered part shows the
            // window behind it again.
            .then("picture in the smaller host", [&]() { return isRed(screenAt(80 + 100, 60 + 75)); })
            .then("uncovered part", [&]() { return isGreen(screenAt(80 + 300, 60 + 200)); })
            .then("resume", [&]() { return JxPlayerPause() == 0; });
        const auto run = PlayerTestKit::Play(m_red, stage.host, &owner, 30000, 320, 240);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);
        QVERIFY(stats.native_window);
        QCOMPARE(stats.gl_window, qgetenv("SDL_RENDER_DRIVER") != "software");  // no GL driver for nothing
        QVERIFY(stage.host->isHidden());  // the player hides its host at the end
    }

    // Qt repaints the window (a repaint, another window over it) while the
    // player is paused: the picture stays, or is drawn again at once.
    void pausedPictureSurvivesRepaintsAndExposes()
    {
        Stage stage;
        stage.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.top));
        QWidget cover;
        cover.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        cover.setGeometry(100, 80, 200, 150);
        cover.setStyleSheet("background: blue");

        Owner owner;
        Steps steps;
        steps.then("first picture", [&]() { return isRed(screenAt(240, 180)); })
            .then("pause and repaint", [&]() {
                JxPlayerPause();
                stage.host->update();
                stage.top.repaint();
                return true;
            })
            .then("picture after a repaint", [&]() { return isRed(screenAt(240, 180)); })
            .then("cover shown", [&]() {
                cover.show();
                return screenAt(240, 180).blue() > 200;
            })
            .then("cover closed", [&]() {
                cover.hide();
                return true;
            })
            .then("picture drawn again", [&]() { return isRed(screenAt(240, 180)); })
            .then("stop", [&]() {
                owner.OnStop();
                return true;
            });
        const auto run = PlayerTestKit::Play(m_red, stage.host, &owner, 30000, 320, 240);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
    }

    // The player maps and unmaps its host only through Qt, so what Qt says of
    // the host is what the screen shows.
    void hostIsShownAndHiddenThroughQt()
    {
        Stage stage;
        stage.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage.top));
        for (int round = 0; round < 2; round++) {
            Owner owner;
            bool visibleWithPicture = false;
            Steps steps;
            steps.then("picture on screen", [&]() {
                if (!isRed(screenAt(240, 180)))
                    return false;
                visibleWithPicture = stage.host->isVisible();
                return true;
            });
            const auto run = PlayerTestKit::Play(m_short, stage.host, &owner, 30000, 320, 240);
            QVERIFY(!run.timedOut);
            QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
            QCOMPARE(owner.stops, 1);
            QVERIFY2(visibleWithPicture, qPrintable(QString("round %1").arg(round)));
            QVERIFY(stage.host->isHidden());
            QTRY_VERIFY_WITH_TIMEOUT(isGreen(screenAt(240, 180)), 10000);
        }
    }

    void destroyingTheHostWhilePlayingStopsThePlayer_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("the host") << "host";
        QTest::newRow("the host's window") << "window";
        QTest::newRow("the owner holding the host") << "owner";
    }
    void destroyingTheHostWhilePlayingStopsThePlayer()
    {
        QFETCH(QString, what);
        auto* stage = new Stage;
        QPointer<Owner> owner = new Owner;
        if (what == "owner") {
            // The owner's own widget holds the host, as the player widget does.
            stage->host->setParent(owner);
            stage->host->setGeometry(80, 60, 320, 240);
            owner->setWindowFlags(Qt::FramelessWindowHint);
            owner->setGeometry(0, 0, 480, 360);
            owner->show();
            QVERIFY(QTest::qWaitForWindowExposed(owner));
        } else {
            stage->top.show();
            QVERIFY(QTest::qWaitForWindowExposed(&stage->top));
        }
        int stopsBefore = -1;
        Steps steps;
        steps.then("picture on screen", [&]() { return isRed(screenAt(240, 180)); })
            .then("destroy", [&]() {
                stopsBefore = owner->stops;
                if (what == "host")
                    delete stage->host;
                else if (what == "window")
                    delete stage;
                else
                    delete owner;
                return true;
            });
        const auto run = PlayerTestKit::Play(m_long, stage->host, owner, 60000, 320, 240);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QVERIFY2(run.elapsedMs < 25000, qPrintable(QString::number(run.elapsedMs)));  // not played to the end
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(g_nPlayWindow, 0);
        QCOMPARE(stopsBefore, 0);
        if (what != "owner") {
            QCOMPARE(owner->stops, 1);  // the owner was told
            delete owner;
        }
        if (what != "window")
            delete stage;
    }
};

QTEST_MAIN(TestPlayerX11)
#include "tst_playerx11.moc"
#include "moc_PlayerTestKit.cpp"
