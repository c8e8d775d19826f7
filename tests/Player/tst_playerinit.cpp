// A start that cannot set up SDL must run the owner's stop handler and leave
// the player usable: this program starts with no working video driver.
#include <QtTest>

#include <QTemporaryDir>
#include <QWidget>

#include "PlayerTestKit.h"
#include "TestMedia.h"
#include "ffplay.h"
#include "ffplay_internal.h"

using PlayerTestKit::Owner;

class TestPlayerInit : public QObject
{
    Q_OBJECT
private slots:
    void failedSdlStartEndsThroughTheOwnerAndTheNextStartPlays()
    {
        av_log_set_level(AV_LOG_QUIET);
        QTemporaryDir dir;
        const QString clip = TestMedia::MakeVideo(dir.path(), "clip.mp4", 0.6);
        QVERIFY(!clip.isEmpty());
        QWidget host;

        // No such video driver: SDL cannot start.
        qputenv("SDL_VIDEODRIVER", "no-such-driver");
        JxPlayerAddVfilter("hflip");
        Owner failing;
        const auto failed = PlayerTestKit::Play(clip, &host, &failing, 5000);
        QVERIFY(!failed.timedOut);
        QCOMPARE(failing.stops, 1);
        QCOMPARE(failing.stateAtStop, 4);
        QCOMPARE(is_SDL_init, 0);
        QCOMPARE(g_nPlayWindow, 0);

        // The same process plays once SDL can start; the filter of the failed
        // start is gone with it.
        qputenv("SDL_VIDEODRIVER", "dummy");
        Owner owner;
        QImage screen;
        PlayerTestKit::Steps steps;
        steps.then("picture drawn", [&]() { return JxPlayerReadScreen(&screen); });
        const auto run = PlayerTestKit::Play(clip, &host, &owner, 10000);
        QVERIFY(!run.timedOut);
        QVERIFY2(steps.done(), qPrintable(steps.failedStep()));
        QCOMPARE(owner.stops, 1);
        QCOMPARE(is_SDL_init, 1);
        QVERIFY(run.elapsedMs >= 400);
        QVERIFY(!screen.isNull());
    }

    void startWithoutOwnerStillEnds()
    {
        QTemporaryDir dir;
        const QString clip = TestMedia::MakeAudio(dir.path(), "a.mp3", 0.5);
        QWidget host;
        g_nPlayWindow = 1;
        PlayerTestKit::Watchdog watchdog(20000, "JxPlayerStart without owner");
        JxPlayerStart(QFile::encodeName(clip).constData(), &host, nullptr, nullptr, 0, 0, 160, 120);
        QCOMPARE(g_nPlayWindow, 0);
        QCOMPARE(JxPlayerGetPlayState(), 4);
    }
};

QTEST_MAIN(TestPlayerInit)
#include "tst_playerinit.moc"
#include "moc_PlayerTestKit.cpp"
