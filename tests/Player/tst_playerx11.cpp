// On X11 the picture is drawn into the host widget's own native window, which
// the host's geometry places among ordinary Qt widgets. Runs only on the xcb
// platform with a display (e.g. xvfb-run with QT_QPA_PLATFORM=xcb and
// SDL_VIDEODRIVER=x11); skipped in the headless runs.
#include <QtTest>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include "PlayerTestKit.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

class X11Owner : public QWidget
{
    Q_OBJECT
public:
    int stops = 0;
public slots:
    void OnStop()
    {
        ++stops;
        g_nPlayWindow = 0;
        JxPlayerStop();
    }
};

// A native child painted by SDL only.
class X11Host : public QWidget
{
public:
    explicit X11Host(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    QPaintEngine* paintEngine() const override { return nullptr; }
};

class TestPlayerX11 : public QObject
{
    Q_OBJECT
private slots:
    void pictureIsDrawnInsideTheHostWidget()
    {
        if (QGuiApplication::platformName() != "xcb" || qgetenv("SDL_VIDEODRIVER") == "dummy")
            QSKIP("needs the xcb platform and SDL's x11 driver");
        av_log_set_level(AV_LOG_ERROR);
        QTemporaryDir dir;
        const QString red = TestMedia::MakeSolidVideo(dir.path(), "red", "red.mp4", 2.0, 320, 240);
        QVERIFY(!red.isEmpty());

        QWidget top;
        top.setWindowFlags(Qt::FramelessWindowHint);
        top.setGeometry(0, 0, 480, 360);
        top.setStyleSheet("background: rgb(0, 200, 0)");
        QLabel label("beside the player", &top);
        label.setGeometry(0, 0, 480, 30);
        X11Host host(&top);
        host.setGeometry(80, 60, 320, 240);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));

        X11Owner owner;
        JxPlayerStats stats;
        QImage shot;
        QObject context;
        QTimer::singleShot(800, &context, [&]() {
            JxPlayerGetStats(&stats);
            shot = top.screen()->grabWindow(0, 0, 0, 480, 360).toImage();
        });
        QImage resized;
        QTimer::singleShot(1000, &context, [&]() { JxPlayerResize(0, 0, 200, 150); });
        QTimer::singleShot(1300, &context, [&]() {
            resized = top.screen()->grabWindow(0, 0, 0, 480, 360).toImage();
        });
        const auto run = PlayerTestKit::Play(red, &host, &owner, 15000, 320, 240);
        QVERIFY(!run.timedOut);
        QCOMPARE(owner.stops, 1);
        QVERIFY(stats.native_window);
        QVERIFY(!shot.isNull());
        const QColor inside = shot.pixelColor(80 + 160, 60 + 120);
        QVERIFY2(inside.red() > 200 && inside.green() < 70, qPrintable(inside.name()));
        const QColor outside = shot.pixelColor(40, 200);
        QVERIFY2(outside.green() > 150 && outside.red() < 70, qPrintable(outside.name()));
        QVERIFY(host.isHidden());  // the player hides its host at the end
        // After a resize the picture fills the smaller host; the uncovered
        // part shows the window behind it again.
        QVERIFY(!resized.isNull());
        const QColor small = resized.pixelColor(80 + 100, 60 + 75);
        QVERIFY2(small.red() > 200 && small.green() < 70, qPrintable(small.name()));
        const QColor uncovered = resized.pixelColor(80 + 300, 60 + 200);
        QVERIFY2(uncovered.green() > 150 && uncovered.red() < 70, qPrintable(uncovered.name()));
    }
};

QTEST_MAIN(TestPlayerX11)
#include "tst_playerx11.moc"
