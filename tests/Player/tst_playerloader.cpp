// The program's side of the player: the engine and the libraries only it needs
// are loaded when a preview first starts; a module that cannot be loaded is
// one message and "no stream" answers, never a crash.
#include <QtTest>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "PlayerLoader.h"
#include "PlayerModule.h"
#include "PlayerTestKit.h"
#include "ProcessChecks.h"
#include "QPlayerWidget.h"
#include "TestMedia.h"
#include "ffplay.h"

namespace {

// The libraries of the engine mapped into this process.
QStringList EngineLibraries()
{
    return ProcessChecks::MappedLibraries(QStringLiteral("self"), {QStringLiteral("libSDL2"), QStringLiteral("libavfilter"),
                                                                 QStringLiteral("libavdevice"),
                                                                 QStringLiteral(LUMACREST_PLAYER_MODULE)});
}

// Records and closes every message box.
class BoxCloser : public QObject
{
public:
    QStringList texts;
    BoxCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->reject();
            }
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

}  // namespace

class TestPlayerLoader : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip;

    static QToolButton* PlayButton(QPlayerWidget& w) { return w.findChildren<QToolButton*>().value(0); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_clip = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 3.0, 160, 120);
        QVERIFY(!m_clip.isEmpty());
    }

    void cleanup() { PlayerLoader::SetModuleFolderForTests(QString()); }

    // Nothing of the engine is loaded until a preview needs it; asking about
    // the stream does not load it.
    void startsWithoutTheEngine()
    {
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(JxPlayerStop(), 0);
        QVERIFY(!PlayerLoader::IsLoaded());
        QCOMPARE(EngineLibraries(), QStringList());
    }

    void aModuleThatCannotBeLoadedIsOneMessage_data()
    {
        // The module's file; empty: no file. The other version is a module of
        // another build, which must refuse this program's calls.
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("damaged") << QByteArray("\x7f" "ELF not really a library");
        QFile other(QStringLiteral(LUMACREST_OTHER_PLAYER_MODULE));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QTest::newRow("another version") << other.readAll();
    }
    void aModuleThatCannotBeLoadedIsOneMessage()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        if (!content.isEmpty()) {
            QFile module(QDir(folder.path()).filePath(LUMACREST_PLAYER_MODULE));
            QVERIFY(module.open(QIODevice::WriteOnly));
            module.write(content);
        }
        PlayerLoader::SetModuleFolderForTests(folder.path());
        QPlayerWidget w;
        w.SourcePath = m_clip;
        w.resize(400, 300);
        w.show();
        BoxCloser closer;
        {
            PlayerTestKit::Watchdog watchdog(30000, "a start without the player");
            QTest::mouseClick(PlayButton(w), Qt::LeftButton);
        }
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts.value(0).contains(LUMACREST_PLAYER_MODULE), qPrintable(closer.texts.value(0)));
        // The widget is idle and every function answers "no stream".
        QCOMPARE(PlayButton(w)->toolTip(), QString("Play"));
        QCOMPARE(g_nPlayWindow, 0);
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QCOMPARE(JxPlayerPause(), -1);
        QCOMPARE(JxPlayerSetPosition(1.0), -1);
        QCOMPARE(JxPlayerGetPosition(), int64_t(0));
        QCOMPARE(JxPlayerGetDuration(), int64_t(0));
        QCOMPARE(JxPlayerGetVolume(), -1);
        QCOMPARE(JxPlayerSetVolume(64), -1);
        QCOMPARE(JxPlayerResize(0, 0, 100, 100), 0);
        QImage picture;
        QCOMPARE(JxPlayerGetPicture(&picture, 16, 16), 0);
        QVERIFY(picture.isNull());
        QCOMPARE(JxPlayerStop(), 0);
        QVERIFY(!PlayerLoader::IsLoaded());
        QCOMPARE(EngineLibraries(), QStringList());
    }

    // The module beside the program plays, and it reads the program's play
    // flag: clearing it alone ends the display loop.
    void playsThroughTheModule()
    {
        QWidget host;
        host.resize(160, 120);
        host.show();
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, &timer, [&ticks]() {
            if (JxPlayerGetPosition() > 200000 || ++ticks > 1000)
                g_nPlayWindow = 0;
        });
        timer.start(10);
        g_nPlayWindow = 1;
        const QByteArray name = QFile::encodeName(m_clip);
        {
            PlayerTestKit::Watchdog watchdog(60000, "a playback through the module");
            QCOMPARE(JxPlayerStart(name.constData(), &host, nullptr, nullptr, 0, 0, 160, 120), 0);
        }
        QVERIFY(PlayerLoader::IsLoaded());
        QVERIFY2(ticks <= 1000, "the playback did not advance");
        QCOMPARE(JxPlayerGetPlayState(), 1);  // the loop ended, the stream is still open
        QCOMPARE(JxPlayerStop(), 0);
        QCOMPARE(JxPlayerGetPlayState(), 4);
        QVERIFY(EngineLibraries().contains("libSDL2"));
    }
};

QTEST_MAIN(TestPlayerLoader)
#include "tst_playerloader.moc"
