#include <QtTest>

#include "ST_CROP_THICK.h"
#include "ST_OPTS.h"

class TestStOpts : public QObject
{
    Q_OBJECT
private:
    static void Touch(const QString& path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void initOptsClears()
    {
        ST_OPTS o;
        o.width = 640;
        o.height = 480;
        o.vflip = o.hflip = o.crop = o.subtitle = o.subtitleStream = true;
        o.rotate = 2;
        o.cropLeft = o.cropTop = o.cropRight = o.cropBottom = 0.25;
        o.splitMode = 2;
        o.splitCount = 3;
        o.splitTime = 5;
        o.splitEndTime = 6;
        o.path = "/v/a.mp4";
        o.trimEnd = 99;
        InitOpts(&o);
        QCOMPARE(o.width, 0);
        QCOMPARE(o.height, 0);
        QVERIFY(!o.vflip && !o.hflip && !o.crop && !o.subtitle && !o.subtitleStream);
        QCOMPARE(o.rotate, -1);
        QCOMPARE(o.cropLeft + o.cropTop + o.cropRight + o.cropBottom, 0.0);
        QCOMPARE(o.splitMode, 0);
        QCOMPARE(o.splitCount, 0);
        QCOMPARE(o.splitTime, 0LL);
        QCOMPARE(o.splitEndTime, 0LL);
        // The caller's fields stay.
        QCOMPARE(o.path, QString("/v/a.mp4"));
        QCOMPARE(o.trimEnd, 99LL);
    }

    void freshRecordsAreCleared()
    {
        const ST_OPTS o;
        QCOMPARE(o.rotate, -1);
        QVERIFY(!o.subtitle && o.titleClips.isEmpty() && o.musicFiles.isEmpty());
        const ST_CROP_THICK crop;
        QCOMPARE(crop.left + crop.top + crop.right + crop.bottom, 0.0);
        QVERIFY(!crop.changed);
    }

    void copiesAreIndependent()
    {
        ST_OPTS a;
        a.path = "/v/a.mp4";
        a.trimStart = 1;
        a.trimEnd = 2;
        a.titleClips.append(ST_MERGE{"/v/t.mp4", 0, 10});
        a.splitRanges.append(ST_SPLIT_TIME{1, 2});
        ST_OPTS b = a;
        b.titleClips[0].path = "/v/other.mp4";
        b.musicFiles << "/m.mp3";
        QCOMPARE(a.titleClips.at(0).path, QString("/v/t.mp4"));
        QVERIFY(a.musicFiles.isEmpty());
        const ST_MERGE source = a.SourceClip();
        QCOMPARE(source.path, a.path);
        QCOMPARE(source.start, 1LL);
        QCOMPARE(source.end, 2LL);
    }

    void subtitleSearchOrder_data()
    {
        QTest::addColumn<QString>("media");
        QTest::addColumn<QStringList>("files");   // made beside the media
        QTest::addColumn<QStringList>("folders"); // folders made beside it
        QTest::addColumn<QString>("expected");    // empty: nothing found
        QTest::newRow("ass before srt") << "clip.mp4" << QStringList{"clip.srt", "clip.ass"} << QStringList{}
                                        << "clip.ass";
        QTest::newRow("ass before ssa") << "clip.mp4" << QStringList{"clip.ssa", "clip.ass"} << QStringList{}
                                        << "clip.ass";
        QTest::newRow("ssa before srt") << "clip.mp4" << QStringList{"clip.srt", "clip.ssa"} << QStringList{}
                                        << "clip.ssa";
        QTest::newRow("srt alone") << "clip.mp4" << QStringList{"clip.srt"} << QStringList{} << "clip.srt";
        QTest::newRow("complete base name") << "my.clip.mp4" << QStringList{"my.srt", "my.clip.srt"}
                                            << QStringList{} << "my.clip.srt";
        QTest::newRow("only shorter base") << "my.clip.mp4" << QStringList{"my.srt"} << QStringList{} << "";
        QTest::newRow("folder skipped") << "clip.mp4" << QStringList{"clip.srt"} << QStringList{"clip.ass"}
                                        << "clip.srt";
        QTest::newRow("none") << "clip.mp4" << QStringList{"other.ass"} << QStringList{} << "";
        QTest::newRow("odd characters") << "a b'[x];,%1.mkv" << QStringList{"a b'[x];,%1.ass"} << QStringList{}
                                        << "a b'[x];,%1.ass";
        QTest::newRow("no extension") << "clip" << QStringList{"clip.ass"} << QStringList{} << "clip.ass";
    }
    void subtitleSearchOrder()
    {
        QFETCH(QString, media);
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Touch(dir.filePath(media));
        for (const QString& f : files)
            Touch(dir.filePath(f));
        for (const QString& f : folders)
            QVERIFY(QDir(dir.path()).mkdir(f));

        ST_OPTS o;
        InitOpts(&o);
        o.subtitlePath = "untouched";
        InitSubtitleFile(&o, dir.filePath(media));
        if (expected.isEmpty()) {
            QVERIFY(!o.subtitle);
            QCOMPARE(o.subtitlePath, QString("untouched"));
        } else {
            QVERIFY(o.subtitle);
            QCOMPARE(o.subtitlePath, dir.path() + "/" + expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestStOpts)
#include "tst_stopts.moc"
