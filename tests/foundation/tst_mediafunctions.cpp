#include <QtEndian>
#include <QtTest>

#include "FifoGuard.h"
#include "GuiFunctions.h"
#include "ImageChecks.h"
#include "MediaFunctions.h"
#include "ST_MEDIA_INFO.h"
#include "QImageFuns.h"
#include "TestMedia.h"
#include "TextFunctions.h"

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/log.h>
}

#include <clocale>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

// Pre-set values that tell "untouched" apart from anything probing writes.
struct Info {
    int width = -7;
    int height = -7;
    long long duration = -7;
    float fps = -7.0f;
    long long bitRate = -7;
};

Info Probe(const QString& path)
{
    Info info;
    const QByteArray name = QFile::encodeName(path);
    GetMediaInfo(name.constData(), &info.width, &info.height, &info.duration, &info.fps, &info.bitRate);
    return info;
}

bool Near(QRgb pixel, QColor expected, int tolerance = 24)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance
        && qAbs(qGreen(pixel) - expected.green()) <= tolerance
        && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

QImage Picture(const QString& path, long long time, long long* duration = nullptr)
{
    QImage image;
    GetMediaImage(QFile::encodeName(path).constData(), &image, time, duration);
    return image;
}

} // namespace

class TestMediaFunctions : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_video, m_audio, m_image, m_cover, m_two, m_redBlue, m_redBlueTs, m_oneFrame, m_garbage;

private slots:
    void initTestCase()
    {
        av_log_set_level(AV_LOG_ERROR);
        QVERIFY(m_dir.isValid());
        const QString d = m_dir.path();
        m_video = TestMedia::MakeVideo(d, "va.mp4", 2.0, 320, 240, 25);
        m_audio = TestMedia::MakeAudio(d, "a.mp3", 2.0);
        m_image = TestMedia::MakeImage(d, "still.png", 160, 120, "blue");
        QVERIFY(!m_video.isEmpty() && !m_audio.isEmpty() && !m_image.isEmpty());

        m_cover = d + "/cover.mp3";
        QVERIFY(TestMedia::RunConverter({"-i", m_audio, "-i", m_image, "-map", "0:a", "-map", "1:v",
                                         "-c", "copy", "-disposition:v:0", "attached_pic", m_cover}));
        m_two = d + "/two.mkv";
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=1",
                                         "-f", "lavfi", "-i", "testsrc2=size=160x120:rate=10:duration=1",
                                         "-map", "0", "-map", "1", "-c:v", "mpeg4", m_two}));
        const QStringList redBlue = {"-f", "lavfi", "-i", "color=c=red:size=160x120:rate=25:duration=1",
                                     "-f", "lavfi", "-i", "color=c=blue:size=160x120:rate=25:duration=1",
                                     "-filter_complex", "[0][1]concat=n=2:v=1:a=0", "-pix_fmt", "yuv420p",
                                     "-c:v", "libx264", "-g", "5"};
        m_redBlue = d + "/redblue.mp4";
        QVERIFY(TestMedia::RunConverter(QStringList(redBlue) << m_redBlue));
        // MPEG-TS streams start well after 0 (1.4 s by default).
        m_redBlueTs = d + "/redblue.ts";
        QVERIFY(TestMedia::RunConverter(QStringList(redBlue) << m_redBlueTs));
        // One frame behind B-frame reordering: it only comes out when the
        // decoder is drained.
        m_oneFrame = d + "/one.mp4";
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=lime:size=64x48:rate=25", "-frames:v", "1",
                                         "-c:v", "libx264", "-bf", "2", "-pix_fmt", "yuv420p", m_oneFrame}));
        m_garbage = d + "/garbage.mp4";
        QFile g(m_garbage);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write(QByteArray(4096, '\x5a'));
        g.close();
    }

    // ---- probing ----

    void videoWithSound()
    {
        const Info info = Probe(m_video);
        QCOMPARE(info.width, 320);
        QCOMPARE(info.height, 240);
        QVERIFY2(qAbs(info.duration - 2000000) < 100000, qPrintable(QString::number(info.duration)));
        QCOMPARE(info.fps, 25.0f);
        QVERIFY(info.bitRate > 0);

        // fps and bit rate are optional.
        int w = 0, h = 0;
        long long duration = 0;
        GetMediaInfo(QFile::encodeName(m_video).constData(), &w, &h, &duration);
        QCOMPARE(w, 320);
        QVERIFY(duration > 0);
    }

    void audioOnly()
    {
        const Info info = Probe(m_audio);
        QCOMPARE(info.width, -7);
        QCOMPARE(info.height, -7);
        QCOMPARE(info.fps, -7.0f);
        QVERIFY(qAbs(info.duration - 2000000) < 150000);
        QVERIFY(info.bitRate > 0);
    }

    void coverArtIsNotVideo()
    {
        QCOMPARE(TestMedia::Probe(m_cover).codecs.size(), 2);
        const Info info = Probe(m_cover);
        QCOMPARE(info.width, -7);
        QCOMPARE(info.height, -7);
        QCOMPARE(info.fps, -7.0f);
        QVERIFY(qAbs(info.duration - 2000000) < 150000);
    }

    void stillImage()
    {
        const Info info = Probe(m_image);
        QCOMPARE(info.width, 160);
        QCOMPARE(info.height, 120);
        QVERIFY(info.duration >= 0);   // never the no-value marker
        QVERIFY(info.fps >= 0.0f && !qIsNaN(info.fps));
    }

    void lastVideoStreamDecides()
    {
        const Info info = Probe(m_two);
        QCOMPARE(info.width, 160);
        QCOMPARE(info.height, 120);
        QCOMPARE(info.fps, 10.0f);
    }

    // Phone and DVD pictures: the size the converter turns a picture to,
    // which it hands to the filters, how it turns it, and the aspect a player
    // shows it at. The converter turns a picture tagged "rotate=90" a
    // quarter counter-clockwise (270 clockwise); mirrored matrices it turns
    // and flips back.
    void shownGeometry_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QString>("sar");
        QTest::addColumn<int>("tag");            // rotation tag, 0 for none
        QTest::addColumn<QVector<int>>("matrix"); // a b c d, empty for none
        QTest::addColumn<QSize>("size");         // what GetMediaInfo gives
        QTest::addColumn<int>("degrees");
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<QSize>("aspect");       // sample aspect of the turned picture
        QTest::addColumn<QSize>("shown");
        const QSize wide(64, 36), tall(36, 64);
        const QVector<int> none;
        const QSize square(1, 1);
        QTest::newRow("square") << wide << "1/1" << 0 << none << wide << 0 << false << square << wide;
        QTest::newRow("rotate 90") << wide << "1/1" << 90 << none << tall << 270 << false << square << tall;
        QTest::newRow("rotate 180") << wide << "1/1" << 180 << none << wide << 180 << false << square << wide;
        QTest::newRow("rotate 270") << wide << "1/1" << 270 << none << tall << 90 << false << square << tall;
        QTest::newRow("rotate -90") << wide << "1/1" << -90 << none << tall << 90 << false << square << tall;
        // An odd angle: turned within the same size, as the converter's
        // rotate filter turns it.
        QTest::newRow("rotate 30") << wide << "1/1" << 30 << none << wide << 330 << false << square << wide;
        QTest::newRow("mirrored") << wide << "1/1" << 0 << QVector<int>{-1, 0, 0, 1} << wide << 0 << true
                                  << square << wide;
        QTest::newRow("upside down mirrored")
            << wide << "1/1" << 0 << QVector<int>{1, 0, 0, -1} << wide << 180 << true << square << wide;
        QTest::newRow("transposed") << wide << "1/1" << 0 << QVector<int>{0, 1, 1, 0} << tall << 90 << true
                                    << square << tall;
        QTest::newRow("transposed across")
            << wide << "1/1" << 0 << QVector<int>{0, -1, -1, 0} << tall << 270 << true << square << tall;
        QTest::newRow("PAL 64:45") << QSize(720, 576) << "64/45" << 0 << none << QSize(720, 576) << 0 << false
                                   << QSize(64, 45) << QSize(1024, 576);
        QTest::newRow("NTSC 32:27") << QSize(720, 480) << "32/27" << 0 << none << QSize(720, 480) << 0 << false
                                    << QSize(32, 27) << QSize(853, 480);
        QTest::newRow("NTSC 40:33") << QSize(720, 480) << "40/33" << 0 << none << QSize(720, 480) << 0 << false
                                    << QSize(40, 33) << QSize(873, 480);
        QTest::newRow("PAL rotate 90") << QSize(720, 576) << "64/45" << 90 << none << QSize(576, 720) << 270
                                       << false << QSize(45, 64) << QSize(576, 1024);
    }
    void shownGeometry()
    {
        QFETCH(QSize, stored);
        QFETCH(QString, sar);
        QFETCH(int, tag);
        QFETCH(QVector<int>, matrix);
        QFETCH(QSize, size);
        QFETCH(int, degrees);
        QFETCH(bool, mirrored);
        QFETCH(QSize, aspect);
        QFETCH(QSize, shown);
        // The green mark in the stored top-left corner is not square: where it
        // lands and its shape tell every turn and mirror apart.
        const QString path = TestMedia::MakeTurnedVideo(m_dir.path(), "geometry.mp4", stored, sar, tag, matrix);
        QVERIFY(!path.isEmpty());

        const Info probed = Probe(path);
        QCOMPARE(QSize(probed.width, probed.height), size);
        const ST_MEDIA_INFO info = ProbeMediaInfo(path);
        QCOMPARE(QSize(info.width, info.height), size);
        QCOMPARE(info.picture.stored, stored);
        QCOMPARE(info.picture.turn.degrees, degrees);
        QCOMPARE(info.picture.turn.mirrored, mirrored);
        QCOMPARE(QSize(info.picture.TurnedAspect().num, info.picture.TurnedAspect().den), aspect);
        QCOMPARE(info.ShownSize(), shown);
        // The converter hands its filters a picture of that size and aspect.
        const QString out = m_dir.filePath("turned.mkv");
        QVERIFY(TestMedia::RunConverter({"-i", path, "-frames:v", "1", "-c:v", "ffv1", out}));
        const QJsonObject stream = TestMedia::ProbeJson(out).value("streams").toArray().first().toObject();
        QCOMPARE(QSize(stream.value("width").toInt(), stream.value("height").toInt()), size);
        if (aspect != QSize(1, 1))
            QCOMPARE(stream.value("sample_aspect_ratio").toString(),
                     QString("%1:%2").arg(aspect.width()).arg(aspect.height()));

        // The picture the editor draws is the converter's, turned and
        // stretched to the shown size.
        QImage picture;
        GetShownMediaImage(QFile::encodeName(path).constData(), &picture, 0);
        QCOMPARE(picture.size(), shown);
        const QString reference = m_dir.filePath("shown.png");
        QVERIFY(TestMedia::RunConverter({"-i", path, "-frames:v", "1", "-vf",
                                         QString("scale=%1:%2").arg(shown.width()).arg(shown.height()), reference}));
        const auto green = [](QColor c) { return c.green() > 90 && c.red() < 60 && c.blue() < 60; };
        const QRect want = ImageChecks::Box(QImage(reference), green);
        const QRect got = ImageChecks::Box(picture, green);
        QVERIFY2(ImageChecks::Near(got, want, 2), qPrintable(ImageChecks::Text(got) + " not " + ImageChecks::Text(want)));
    }

    // Files that name other files, and pipes: a probe reads none of them,
    // and a pipe it opened would keep it waiting for a writer.
    void onlyTheNamedFileIsRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // "video" for a copy of the test video
        QTest::addColumn<QString>("pipe");       // a pipe made beside it
        QTest::addColumn<QString>("outcome");
        const QByteArray vobsub("# VobSub index file, v7 (do not modify this line!)\nsize: 720x480\n"
                                "id: en, index: 0\ntimestamp: 00:00:00:000, filepos: 000000000\n");
        QTest::newRow("concat script naming a pipe")
            << "concat.mp4" << QByteArray("ffconcat version 1.0\nfile fifo\n") << "fifo" << "refused";
        QTest::newRow("concat script naming a video")
            << "concat.mp4" << QByteArray("ffconcat version 1.0\nfile real.mp4\n") << "" << "refused";
        QTest::newRow("playlist naming a pipe")
            << "list.m3u8" << QByteArray("#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\nfifo\n#EXT-X-ENDLIST\n")
            << "fifo" << "refused";
        QTest::newRow("subtitle index beside a pipe") << "sub.idx" << vobsub << "sub.sub" << "refused";
        QTest::newRow("numbered picture sequence") << "still%03d.png" << QByteArray("picture") << "" << "refused";
        QTest::newRow("picture") << "still.png" << QByteArray("picture") << "" << "opened";
        QTest::newRow("pipe named like a video") << "" << QByteArray() << "pipe.mp4" << "not opened";
        QTest::newRow("video") << "video.mp4" << QByteArray("video") << "" << "opened";
    }
    void onlyTheNamedFileIsRead()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, pipe);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(m_video, dir.filePath("real.mp4")));
        QVERIFY(QFile::copy(m_image, dir.filePath("still001.png")));
        std::unique_ptr<FifoGuard> fifo;
        if (!pipe.isEmpty()) {
            fifo = std::make_unique<FifoGuard>(dir.filePath(pipe));
            QVERIFY(fifo->Made());
        }
        QString path = dir.filePath(pipe);
        if (!name.isEmpty()) {
            path = dir.filePath(name);
            if (content == "video" || content == "picture") {
                QVERIFY(QFile::copy(content == "video" ? m_video : m_image, path));
            } else {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(content);
            }
        }
        const ST_MEDIA_INFO info = ProbeMediaInfo(path);
        QCOMPARE(info.opened ? "opened" : info.refused ? "refused" : "not opened", qPrintable(outcome));
        QImage image;
        GetMediaImage(QFile::encodeName(path).constData(), &image, 0, nullptr);
        QCOMPARE(image.isNull(), outcome != "opened");
        if (fifo)
            QVERIFY2(!fifo->WasOpened(), "the pipe was opened");
    }

    void cancelledProbeFindsNothing()
    {
        const std::atomic<bool> cancel{true};
        const ST_MEDIA_INFO info = ProbeMediaInfo(m_video, &cancel);
        QVERIFY(!info.opened && !info.refused);
        QCOMPARE(info.duration, 0LL);
    }

    void unreadableFilesLeaveOutputsAlone()
    {
        for (const QString& path : {m_garbage, m_dir.path() + "/missing.mp4", QString()}) {
            const Info info = Probe(path);
            QCOMPARE(info.width, -7);
            QCOMPARE(info.height, -7);
            QCOMPARE(info.duration, -7LL);
            QCOMPARE(info.fps, -7.0f);
            QCOMPARE(info.bitRate, -7LL);
        }
        int w = 1;
        long long d = 1;
        GetMediaInfo(nullptr, &w, &w, &d);
        QCOMPARE(w, 1);
    }

    // ---- pictures ----

    void solidColourAtStartAndMidFile()
    {
        const QString red = TestMedia::MakeSolidVideo(m_dir.path(), "red", "red.mp4", 2.0, 320, 240, 25);
        QVERIFY(!red.isEmpty());
        long long duration = -1;
        const QImage first = Picture(red, 0, &duration);
        QCOMPARE(first.size(), QSize(320, 240));
        QCOMPARE(first.format(), QImage::Format_RGB32);
        QVERIFY(Near(first.pixel(160, 120), Qt::red));
        QVERIFY(Near(first.pixel(0, 0), Qt::red));
        QVERIFY(qAbs(duration - 2000000) < 100000);

        const QImage mid = Picture(red, 1000000);
        QCOMPARE(mid.size(), QSize(320, 240));
        QVERIFY(Near(mid.pixel(10, 200), Qt::red));
    }

    // The scaler once wrote past a tightly packed picture of this shape
    // (heap corruption in the Release build).
    void narrowTallFrame()
    {
        const QString tall = TestMedia::MakeSolidVideo(m_dir.path(), "red", "tall.mp4", 0.2, 200, 1920, 25);
        QVERIFY(!tall.isEmpty());
        for (int i = 0; i < 3; ++i) {
            const QImage picture = Picture(tall, 0);
            QCOMPARE(picture.size(), QSize(200, 1920));
            QVERIFY(Near(picture.pixel(199, 1919), Qt::red));
        }
    }

    void seeksToTheKeyFrameAtTheTime()
    {
        QVERIFY(Near(Picture(m_redBlue, 0).pixel(80, 60), Qt::red));
        QVERIFY(Near(Picture(m_redBlue, 1500000).pixel(80, 60), Qt::blue));
        // The stream's start time is added: the same times hold in MPEG-TS.
        QVERIFY(Near(Picture(m_redBlueTs, 0).pixel(80, 60), Qt::red));
        QVERIFY(Near(Picture(m_redBlueTs, 1500000).pixel(80, 60), Qt::blue));
    }

    void drainsTheDecoderAtEndOfFile()
    {
        const QImage image = Picture(m_oneFrame, 0);
        QCOMPARE(image.size(), QSize(64, 48));
        QVERIFY(Near(image.pixel(32, 24), QColor(0, 255, 0)));
    }

    void stillImagePicture()
    {
        const QImage image = Picture(m_image, 0);
        QCOMPARE(image.size(), QSize(160, 120));
        QVERIFY(Near(image.pixel(5, 5), Qt::blue));
    }

    void picturesLeftAloneWithoutVideo()
    {
        QImage marker(3, 3, QImage::Format_ARGB32);
        marker.fill(Qt::yellow);
        for (const QString& path : {m_audio, m_cover, m_garbage, m_dir.path() + "/missing.mp4"}) {
            QImage image = marker;
            long long duration = -7;
            GetMediaImage(QFile::encodeName(path).constData(), &image, 0, &duration);
            QCOMPARE(image, marker);
            if (path == m_audio)
                QVERIFY(duration > 0);
        }
        GetMediaImage(QFile::encodeName(m_video).constData(), nullptr, 0, nullptr);   // no image: nothing happens
    }

    // The usual rate, and whether it varies: constant rates with B-frames in every container (mkv rounds to
    // milliseconds), a fifth of a second at 240, one at a camera's bit rate; a phone's at its bit rate; a screen
    // recording's, a slow and a fast start, a lost picture; and 64-bit stamps spanning more than 2^63, which keep
    // the declared rate.
    void variableRateFromTheStamps()
    {
        const QString d = m_dir.path() + "/";
        QStringList inputs, outputs; // made in one run
        for (const QString made : {"25.mp4 25:d=2 48 -bf 3", "2997.mkv ntsc:d=2 48 -bf 3", "60.mkv 60:d=1 48 -bf 3",
                                   "30.mov 30:d=2 48 -bf 3", "50.ts 50:d=1 48 -bf 3", "240.mp4 240:d=0.2 48 -bf 3",
                                   "t.mp4 30:d=4 120 -bf 0 -g 10", "frag.mp4 30:d=4 120 -bf 0 -g 10 -movflags frag_keyframe+empty_moov",
                                   "p.mp4 30:d=3:s=256x144,noise=alls=99:allf=t 90 -bf 0 -qp 0",
                                   "camera.mkv 30:d=1:s=640x360,noise=alls=99:allf=t 24 -bf 3 -qp 0"}) {
            const QStringList f = made.split(' ');
            inputs << "-f" << "lavfi" << "-i" << "testsrc2=s=64x48:r=" + f[1];
            outputs << "-map" << QString::number(inputs.size() / 4 - 1) << "-c:v" << "libx264" << "-preset" << "ultrafast"
                    << "-frames:v" << f.mid(2) << d + f[0];
        }
        QVERIFY(TestMedia::RunConverter(inputs + outputs));
        QFile frag(d + "frag.mp4");
        QVERIFY(frag.open(QIODevice::ReadWrite));
        QByteArray bytes = frag.readAll();
        int n = 0; // fragments' times in turn far below 0 and far above
        for (int at = 0; (at = bytes.indexOf("tfdt", at + 1)) > 0; ++n)
            qToBigEndian<qint64>((n % 2 ? 1LL << 62 : -(5LL << 60)) + n * 5120, bytes.data() + at + 8);
        QVERIFY(n > 2 && frag.seek(0) && frag.write(bytes) == bytes.size());
        frag.close();
        // 512 ticks a picture at 30 a second; a phone's up to 4 ms off, two lost; in mkv the same.
        QStringList restamped{"-i", d + "p.mp4", "-i", d + "t.mp4"};
        for (const QString made : {"0 phone.mp4 ((N+gt(N,30)+gt(N,60))/30+mod(N*N*7919+N*4271,721)/90000-0.004)/TB",
                                   "1 drop.mp4 (N+gt(N,50))/25/TB", "1 slow.mp4 if(lt(N,40),N,40+(N-40)/25)/TB",
                                   "1 screen.mp4 if(N,PREV_OUTPTS+if(mod(N,5),1/30,0.1+mod(N*37,300)/1000)/TB,0)",
                                   "1 fast.mp4 if(lt(N,70),N/1000,0.069+(N-69)/25)/TB"})
            restamped << "-map" << made.left(1) << "-c" << "copy" << "-bsf:v" << "setts=ts='" + made.section(' ', 2) + "'"
                      << d + made.section(' ', 1, 1);
        QVERIFY(TestMedia::RunConverter(restamped) && TestMedia::RunConverter({"-i", d + "phone.mp4", "-c", "copy", d + "phone.mkv"}));
        for (const QString row : {"25.mp4 25", "2997.mkv 29.97003", "60.mkv 60", "30.mov 30", "50.ts 50", "240.mp4 240", "camera.mkv 30",
                                  "phone.mp4 30 v", "phone.mkv 30 v", "drop.mp4 25 v", "screen.mp4 30 v", "slow.mp4 25 v",
                                  "fast.mp4 25 v", "frag.mp4 30"}) {
            const ST_MEDIA_INFO info = ProbeMediaInfo(d + row.section(' ', 0, 0), nullptr, ProbeDepth::Pictures);
            QVERIFY2(info.VariableRate() == row.endsWith(" v") && qAbs(info.PictureRate() / row.section(' ', 1, 1).toFloat() - 1) < 0.002f,
                     qPrintable(row + " " + QString::number(info.PictureRate()) + " " + QString::number(info.fps)));
        }
    }

    void absurdPictureSizesAreRefused_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("decoded");
        QTest::newRow("16000 x 16000") << 16000 << 16000 << false;
        QTest::newRow("too wide") << 20000 << 10 << false;
        QTest::newRow("ordinary") << 300 << 200 << true;
        // The caps at their edges: 16384 a side, 64 MP (8065 x 8321 is one pixel more).
        QTest::newRow("side at the cap") << 16384 << 2 << true;
        QTest::newRow("side past the cap") << 16385 << 2 << false;
        QTest::newRow("pixels at the cap") << 16384 << 4096 << true;
        QTest::newRow("pixels past the cap") << 8065 << 8321 << false;
    }
    void absurdPictureSizesAreRefused()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, decoded);
        const QString path = m_dir.filePath("claims.png");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(TestMedia::PngOfSize(quint32(width), quint32(height), false));
        f.close();
        QCOMPARE(Picture(path, 0).size(), decoded ? QSize(width, height) : QImage().size());
    }

    void pictureFarPastTheEnd()
    {
        const QImage image = Picture(m_redBlue, 3600LL * 1000000);
        QCOMPARE(image.size(), QSize(160, 120));
        QVERIFY(!image.isNull());
    }

    // ---- codec names ----

    void codecNames()
    {
        QCOMPARE(GetCodecID(AV_CODEC_ID_HEVC), QStringLiteral("H265"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_H264), QStringLiteral("H264"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_ADPCM_THP), QStringLiteral("ADPCM_THP"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_APE), QStringLiteral("APE"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_EAC3), QStringLiteral("EAC3"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_4XM), QStringLiteral("4XM"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_MPEG2TS), QStringLiteral("MPEG2TS"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_AV1), QStringLiteral("NONE"));
        QCOMPARE(GetCodecID(AV_CODEC_ID_NONE), QStringLiteral("NONE"));
        QCOMPARE(GetCodecID(-5), QStringLiteral("NONE"));
        int known = 0;
        for (int id = 0; id <= 0x21000; ++id) {
            if (GetCodecID(id) != QLatin1String("NONE"))
                ++known;
        }
        QCOMPARE(known, 205);
    }

    // ---- text helpers ----

    void isUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii") << QByteArray("plain text") << true;
        QTest::newRow("two-byte") << QByteArray("caf\xC3\xA9") << true;
        QTest::newRow("three-byte") << QByteArray("\xE2\x82\xAC 5") << true;
        QTest::newRow("emoji") << QByteArray("hi \xF0\x9F\x98\x80!") << true;
        QTest::newRow("cut two-byte") << QByteArray("ab\xC3") << true;
        QTest::newRow("cut three-byte") << QByteArray("ab\xE2\x82") << true;
        QTest::newRow("cut four-byte") << QByteArray("ab\xF0\x9F\x98") << true;
        QTest::newRow("stray continuation") << QByteArray("a\x80" "b") << false;
        QTest::newRow("latin-1") << QByteArray("caf\xE9 noir") << false;
        QTest::newRow("bad four-byte") << QByteArray("\xF0\x9F" "ab") << false;
        QTest::newRow("F5 lead") << QByteArray("\xF5\x80\x80\x80") << false;
        QTest::newRow("FF") << QByteArray("\xFF") << false;
    }
    void isUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QCOMPARE(IsUTF8(bytes.constData(), bytes.size()), utf8);
    }

    void wideConversionsStayInTheirBuffers()
    {
        std::setlocale(LC_ALL, "C.UTF-8");
        char small[6];
        std::memset(small, 'X', sizeof small);
        // "é" takes two bytes: five fit with the terminator, the sixth would not.
        QCOMPARE(UnicodeToAnsi(L"ab\u00e9cd\u00e9", small, sizeof small), 5);
        QCOMPARE(QByteArray(small), QByteArray("ab\xC3\xA9" "c"));
        char tiny[4];
        QCOMPARE(UnicodeToAnsi(L"a\u00e9\u00e9", tiny, sizeof tiny), 3);   // the second é does not fit whole
        QCOMPARE(QByteArray(tiny), QByteArray("a\xC3\xA9"));
        QCOMPARE(UnicodeToAnsi(L"x", small, 0), -1);
        QCOMPARE(UnicodeToAnsi(L"x", nullptr, 10), -1);
        QCOMPARE(UnicodeToAnsi(nullptr, small, sizeof small), -1);
        QCOMPARE(small[0], '\0');

        wchar_t wide[4];
        QCOMPARE(AnsiToUnicode("h\xC3\xA9llo", wide, 4), 3);
        QCOMPARE(std::wcscmp(wide, L"h\u00e9l"), 0);
        QCOMPARE(AnsiToUnicode("\xFF bad", wide, 4), -1);
        QCOMPARE(wide[0], L'\0');
        std::vector<wchar_t> big(64);
        QCOMPARE(AnsiToUnicode("ok", big.data(), static_cast<int>(big.size())), 2);
        QCOMPARE(std::wcscmp(big.data(), L"ok"), 0);
        std::setlocale(LC_ALL, "C");
    }

    void autoExpand()
    {
        QImage clear(20, 10, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        const QRect none = QImageFuns::AutoExpand(&clear, 0);
        QCOMPARE(none.left(), 20);
        QCOMPARE(none.right(), 0);
        QVERIFY(none.isEmpty());
        QVERIFY(clear.copy(none).isNull());

        QImage corner = clear;
        corner.setPixel(0, 0, qRgba(255, 0, 0, 255));
        QCOMPARE(QImageFuns::AutoExpand(&corner, 0), QRect(QPoint(0, 0), QPoint(1, 1)));

        QImage inner = clear;
        inner.setPixel(5, 3, qRgba(0, 0, 0, 1));
        inner.setPixel(8, 6, qRgba(0, 0, 0, 200));
        QCOMPARE(QImageFuns::AutoExpand(&inner, 0), QRect(QPoint(5, 3), QPoint(9, 7)));
        QCOMPARE(QImageFuns::AutoExpand(&inner, 2), QRect(QPoint(3, 1), QPoint(11, 9)));
        QCOMPARE(QImageFuns::AutoExpand(&inner, 50), QRect(QPoint(0, 0), QPoint(20, 10)));

        QImage edge = clear;
        edge.setPixel(19, 9, qRgba(1, 1, 1, 255));
        QCOMPARE(QImageFuns::AutoExpand(&edge, 0), QRect(QPoint(19, 9), QPoint(20, 10)));
    }

    void modifiersAndMetrics()
    {
        using M = Qt::KeyboardModifiers;
        QCOMPARE(FlipControlAndShiftModifiers(M(Qt::ShiftModifier | Qt::AltModifier)), M(Qt::ControlModifier | Qt::AltModifier));
        QCOMPARE(FlipControlAndShiftModifiers(M(Qt::ShiftModifier | Qt::ControlModifier)), M(Qt::ControlModifier));
        QCOMPARE(FlipControlAndShiftModifiers(M(Qt::ControlModifier | Qt::MetaModifier)), M(Qt::ShiftModifier | Qt::MetaModifier));
        QCOMPARE(FlipControlAndShiftModifiers(M(Qt::AltModifier)), M(Qt::AltModifier));
        QCOMPARE(FlipControlAndShiftModifiers(M()), M());

        const QFontMetrics metrics(QFont("DejaVu Sans", 12));
        QCOMPARE(QFontMetricsWidth(metrics, "00:01:02"), metrics.horizontalAdvance("00:01:02"));
        QCOMPARE(QFontMetricsWidth(metrics, QString()), 0);
        QVERIFY(QFontMetricsWidth(metrics, "WWW") > QFontMetricsWidth(metrics, "W"));
    }
};

QTEST_MAIN(TestMediaFunctions)
#include "tst_mediafunctions.moc"
