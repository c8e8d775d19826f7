#include <QtTest>

#include "AppFolder.h"
#include "TestMedia.h"

class TestAppFolder : public QObject
{
    Q_OBJECT
private slots:
    void toolsAreLinkedBesideTheExecutable()
    {
        for (const char* tool : {"JxEngine", "melt"}) {
            const QString path = AppFolder::FindTool(tool);
            QCOMPARE(path, QCoreApplication::applicationDirPath() + "/" + tool);
            QVERIFY(QFileInfo(path).isExecutable());
        }
    }
    void fallsBackToSearchPath()
    {
        QVERIFY(!AppFolder::FindTool("nice").isEmpty());
        QVERIFY(AppFolder::FindTool("no-such-tool-lumacrest").isEmpty());
        QVERIFY(AppFolder::FindTool("").isEmpty());
    }
    void mediaHelperMakesMedia()
    {
        QTemporaryDir dir;
        const QString video = TestMedia::MakeVideo(dir.path(), "v.mp4", 1.0);
        QVERIFY(!video.isEmpty());
        const TestMedia::ProbeResult r = TestMedia::Probe(video);
        QVERIFY(r.ok);
        QCOMPARE(r.width, 320);
        QVERIFY(qAbs(r.duration - 1.0) < 0.1);
        QVERIFY(!TestMedia::MakeAudio(dir.path()).isEmpty());
        QVERIFY(!TestMedia::MakeImage(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
