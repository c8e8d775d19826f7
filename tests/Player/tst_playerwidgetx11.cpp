// The player widget on a real X11 screen: the picture of the file it plays is
// seen inside the widget's video area, fitted and centred. Runs only on the xcb
// platform with SDL's x11 driver (xvfb-run); skipped in the headless runs.
#include <QtTest>

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include "PlayerTestKit.h"
#include "QPlayerWidget.h"
#include "TestMedia.h"
#include "ffplay.h"

extern "C" {
#include <libavutil/log.h>
}

namespace {
bool IsRed(const QColor& c) { return c.red() > 200 && c.green() < 70 && c.blue() < 70; }
bool IsBlack(const QColor& c) { return c.red() < 30 && c.green() < 30 && c.blue() < 30; }
bool IsGreen(const QColor& c) { return c.green() > 150 && c.red() < 70 && c.blue() < 70; }
}

class TestPlayerWidgetX11 : public QObject
{
    Q_OBJECT
private slots:
    void playsInsideTheVideoArea()
    {
        if (QGuiApplication::platformName() != "xcb" || qgetenv("SDL_VIDEODRIVER") == "dummy")
            QSKIP("needs the xcb platform and SDL's x11 driver");
        QStandardPaths::setTestModeEnabled(true);
        av_log_set_level(AV_LOG_ERROR);
        QTemporaryDir dir;
        const QString red = TestMedia::MakeSolidVideo(dir.path(), "red", "red.mp4", 10.0, 320, 240);
        QVERIFY(!red.isEmpty());

        QWidget top;
        top.setWindowFlags(Qt::FramelessWindowHint);
        QPalette green = top.palette();
        green.setColor(QPalette::Window, QColor(0, 200, 0));
        top.setPalette(green);
        top.setAutoFillBackground(true);
        top.setGeometry(0, 0, 640, 480);
        QPlayerWidget player(&top);
        player.setGeometry(40, 40, 560, 400);
        player.SourcePath = red;
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));

        QWidget* area = player.findChild<QWidget*>("playerVideoArea");
        QWidget* host = player.findChild<QWidget*>("playerHost");
        QToolButton* play = player.findChildren<QToolButton*>().value(0);
        QToolButton* stop = player.findChildren<QToolButton*>().value(1);
        QVERIFY(area && host && play && stop);

        // Polls the screen inside the playback until the picture is seen where
        // it belongs, then stops; a picture that never shows plays to its end.
        QRect hostRect;
        QString seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&]() {
            hostRect = QRect(host->mapTo(&top, QPoint(0, 0)), host->size());
            const QRect areaRect(area->mapTo(&top, QPoint(0, 0)), area->size());
            const QImage shot = top.screen()->grabWindow(0, 0, 0, 640, 480).toImage();
            const int midY = hostRect.center().y();
            const QColor centre = shot.pixelColor(hostRect.center());
            const QColor insideLeft = shot.pixelColor(hostRect.left() + 4, midY);
            const QColor insideRight = shot.pixelColor(hostRect.right() - 4, midY);
            const QColor barLeft = shot.pixelColor(hostRect.left() - 4, midY);
            const QColor barRight = shot.pixelColor(hostRect.right() + 4, midY);
            const QColor outside = shot.pixelColor(areaRect.left() - 20, midY);
            seen = centre.name() + " " + insideLeft.name() + " " + insideRight.name() + " " + barLeft.name()
                + " " + barRight.name() + " " + outside.name();
            if (IsRed(centre) && IsRed(insideLeft) && IsRed(insideRight) && IsBlack(barLeft) && IsBlack(barRight)
                && IsGreen(outside)) {
                poll.stop();
                QTest::mouseClick(stop, Qt::LeftButton);
            }
        });
        poll.start(50);
        {
            PlayerTestKit::Watchdog watchdog(60000, "player widget playback");
            QTest::mouseClick(play, Qt::LeftButton);
        }
        QVERIFY2(!poll.isActive(), qPrintable("picture not seen in place: " + seen));
        // Fitted and centred: 4:3 in the area's height, equal black bars.
        const QRect areaRect(area->mapTo(&top, QPoint(0, 0)), area->size());
        QCOMPARE(hostRect.height(), areaRect.height());
        QCOMPARE(hostRect.width(), areaRect.height() * 4 / 3);
        QVERIFY(qAbs((hostRect.left() - areaRect.left()) - (areaRect.right() - hostRect.right())) <= 1);
        QCOMPARE(g_nPlayWindow, 0);
        QVERIFY(host->isHidden());
    }
};

QTEST_MAIN(TestPlayerWidgetX11)
#include "tst_playerwidgetx11.moc"
