#include "ConfigFormat.h"
#include "dialogs/FormatPresets.h"
#include "MediaStreams.h"
#include "RunArguments.h"
#include "TestMedia.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

Q_DECLARE_METATYPE(FormatSettings)

namespace {

// The settings as a first run creates them.
FormatSettings FirstRun()
{
    return FormatSettings();
}

FormatSettings With(const std::function<void(FormatSettings&)>& change)
{
    FormatSettings s;
    change(s);
    return s;
}

const QStringList kDefaultAudio{"-b:a", "64k", "-acodec", "aac", "-ac", "2", "-ar", "44100", "-vol", "256"};

} // namespace

class TestRunArguments : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void commonArguments_data()
    {
        QTest::addColumn<FormatSettings>("format");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<qlonglong>("bitRate");
        QTest::addColumn<float>("fps");
        QTest::addColumn<QString>("graph");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<float>("expectedFps");
        QTest::addColumn<float>("pictureRate"); // a varying rate's usual one, 0 for a constant rate

        const QString g = "movie=/w/a.png[wm];[in][wm]overlay=10:10[out]";
        // Word for word the first-run example, with the volume on the converter's 256 scale.
        QTest::newRow("first run, mp4, one image layer")
            << FirstRun() << "mp4" << 2000000LL << 25.0f << g
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-vf", g, "-b:v", "2000k", "-r", "25.000"}
                + kDefaultAudio + QStringList{"-y"})
            << 25.0f << 0.0f;
        QTest::newRow("mp3 from a video with layers: no picture options")
            << FirstRun() << "mp3" << 2000000LL << 25.0f << g
            << (QStringList{"-i", "/s/clip.mp4", "-vn"} + kDefaultAudio + QStringList{"-y"}) << 25.0f << 0.0f;
        QTest::newRow("m4a gets no picture")
            << FirstRun() << "m4a" << 0LL << 25.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-vn"} + kDefaultAudio + QStringList{"-y"}) << 25.0f << 0.0f;
        QTest::newRow("wav gets no picture, copy codec ignored")
            << With([](FormatSettings& s) { s.VCodec = "copy"; s.ACodec = "pcm_s16le"; }) << "wav" << 0LL << 25.0f
            << g
            << QStringList{"-i", "/s/clip.mp4", "-vn", "-b:a", "64k", "-acodec", "pcm_s16le", "-ac", "2", "-ar",
                           "44100", "-vol", "256", "-y"}
            << 25.0f << 0.0f;
        QTest::newRow("video copy: straight to the audio options")
            << With([](FormatSettings& s) { s.VCodec = "copy"; s.VKeepWH = false; s.VAspect = "16:9"; })
            << "mkv" << 2000000LL << 25.0f << g
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "copy"} + kDefaultAudio + QStringList{"-y"}) << 25.0f << 0.0f;
        QTest::newRow("auto bit rate in kilobits, rounded down")
            << FirstRun() << "mkv" << 1499999LL << 30.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "1499k", "-r", "30.000"}
                + kDefaultAudio + QStringList{"-y"})
            << 30.0f << 0.0f;
        QTest::newRow("auto bit rate in quality mode too")
            << With([](FormatSettings& s) { s.VSetMode = true; }) << "mp4" << 1499999LL << 25.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "1499k", "-r", "25.000"}
                + kDefaultAudio + QStringList{"-y"})
            << 25.0f << 0.0f;
        QTest::newRow("quality 50 high")
            << With([](FormatSettings& s) { s.VSetMode = true; s.VBitRate = "50 high"; s.VCodec = "h265"; })
            << "mp4" << 1499999LL << 25.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx265", "-qmin", "1", "-qmax", "6", "-r", "25.000"}
                + kDefaultAudio + QStringList{"-y"})
            << 25.0f << 0.0f;
        QTest::newRow("bit rate entry, other codec verbatim")
            << With([](FormatSettings& s) { s.VBitRate = "64 kbps"; s.VCodec = "mpeg2video"; }) << "ts" << 1LL
            << 25.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "mpeg2video", "-b:v", "64k", "-r", "25.000"}
                + kDefaultAudio + QStringList{"-y"})
            << 25.0f << 0.0f;
        QTest::newRow("set rate, named size, aspect")
            << With([](FormatSettings& s) {
                   s.VCodec = "xvid";
                   s.VKeepFrameRate = false;
                   s.VFrameRate = "29.976 fps";
                   s.VKeepWH = false;
                   s.VSize = "320x240 VGA";
                   s.VAspect = "4:3";
               })
            << "avi" << 800000LL << 25.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libxvid", "-b:v", "800k", "-r", "29.976", "-s",
                            "320x240", "-aspect", "4:3"}
                + kDefaultAudio + QStringList{"-y"})
            << 29.976f << 0.0f;
        QTest::newRow("typed size passes, text without a size is left out")
            << With([](FormatSettings& s) { s.VKeepWH = false; s.VSize = "1000x500"; }) << "mp4" << 0LL << 25.0f
            << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "0k", "-r", "25.000", "-s", "1000x500"}
                + kDefaultAudio + QStringList{"-y"})
            << 25.0f << 0.0f;
        QTest::newRow("no size in the text")
            << With([](FormatSettings& s) { s.VKeepWH = false; s.VSize = "large"; }) << "mp4" << 0LL << 25.0f
            << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "0k", "-r", "25.000"} + kDefaultAudio
                + QStringList{"-y"})
            << 25.0f << 0.0f;
        QTest::newRow("unprobed source: no rate of 0")
            << FirstRun() << "mp4" << 0LL << 0.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "0k"} + kDefaultAudio
                + QStringList{"-y"})
            << 0.0f << 0.0f;
        QTest::newRow("keep audio codec")
            << With([](FormatSettings& s) { s.AKeepCodec = true; }) << "mov" << 1000LL << 25.0f << QString()
            << QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "1k", "-r", "25.000", "-c:a", "copy", "-y"}
            << 25.0f << 0.0f;
        QTest::newRow("audio codec copy, mono, 48 kHz ignored")
            << With([](FormatSettings& s) { s.ACodec = "copy"; s.AChannels = "1 channels mono"; })
            << "mp3" << 1000LL << 25.0f << QString() << QStringList{"-i", "/s/clip.mp4", "-vn", "-c:a", "copy", "-y"}
            << 25.0f << 0.0f;
        QTest::newRow("half volume, mono, 48 kHz, 192 kbps")
            << With([](FormatSettings& s) {
                   s.AVolume = 50;
                   s.AChannels = "1 channels mono";
                   s.ASample = "48000 Hz";
                   s.ABitRate = "192 kbps";
                   s.ACodec = "mp3";
               })
            << "mp3" << 0LL << 25.0f << QString()
            << QStringList{"-i", "/s/clip.mp4", "-vn", "-b:a", "192k", "-acodec", "mp3", "-ac", "1", "-ar", "48000",
                           "-vol", "128", "-y"}
            << 25.0f << 0.0f;
        QTest::newRow("silence and six times")
            << With([](FormatSettings& s) { s.AVolume = 0; }) << "m4a" << 0LL << 25.0f << QString()
            << QStringList{"-i", "/s/clip.mp4", "-vn", "-b:a", "64k", "-acodec", "aac", "-ac", "2", "-ar", "44100",
                           "-vol", "0", "-y"}
            << 25.0f << 0.0f;

        // A phone's rate: its pictures' own times where the container and the encoder keep them; else one rate the
        // encoder takes at or above their usual one, each picture on the frame of its time.
        const auto placed = [](const QString& rate, const QString& codec) {
            return QStringList{"-i", "/s/clip.mp4", "-c:v", codec, "-vf",
                               "settb=1/" + rate + ",setpts=if(N\\,if(gte(PTS\\,PREV_OUTPTS)\\,max(PTS\\,PREV_OUTPTS+1)\\,PTS)\\,PTS),fps=" + rate,
                               "-b:v", "0k", "-r", rate, "-fps_mode", "cfr"} + kDefaultAudio + QStringList{"-y"};
        };
        QTest::newRow("phone, mp4") << FirstRun() << "mp4" << 0LL << 120.0f << QString()
            << (QStringList{"-i", "/s/clip.mp4", "-c:v", "libx264", "-b:v", "0k", "-fps_mode", "vfr"} + kDefaultAudio
                + QStringList{"-y"})
            << 29.5f << 29.5f;
        QTest::newRow("phone, avi") << FirstRun() << "avi" << 0LL << 120.0f << QString()
            << placed("29.500", "libx264") << 29.5f << 29.5f;
        QTest::newRow("phone, mpeg-2: the slowest rate it lists above")
            << With([](FormatSettings& s) { s.VCodec = "mpeg2video"; }) << "mpg" << 0LL << 120.0f << QString()
            << placed("32.000", "mpeg2video") << 32.0f << 30.4f;
    }

    void commonArguments()
    {
        QFETCH(FormatSettings, format);
        QFETCH(QString, ext);
        QFETCH(qlonglong, bitRate);
        QFETCH(float, fps);
        QFETCH(QString, graph);
        QFETCH(QStringList, expected);
        QFETCH(float, expectedFps);
        QFETCH(float, pictureRate);
        const ST_RUN_ARGS run
            = RunArguments::CommonArguments(format, ext, "/s/clip.mp4", bitRate, fps, graph, QSize(), pictureRate);
        QCOMPARE(run.arguments, expected);
        QCOMPARE(run.frameRate, expectedFps);
    }

    // The picture filter a source of that size gets: sizes the encoder
    // takes keep every argument; others lose their last column or row after
    // everything else is drawn.
    void pictureSizes_data()
    {
        QTest::addColumn<FormatSettings>("format");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("graph");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("filter"); // the text after "-vf"; empty: no "-vf"

        const QString g = "movie=/w/a.png[m];[in][m]overlay=10:10";
        const QString even = "crop=trunc(iw/2)*2:trunc(ih/2)*2:0:0";
        QTest::newRow("even: as it was") << FirstRun() << "mp4" << g << QSize(320, 240) << g;
        QTest::newRow("even, nothing drawn: no filter") << FirstRun() << "mkv" << QString() << QSize(1920, 1080)
                                                         << QString();
        QTest::newRow("1279x719, nothing drawn") << FirstRun() << "mp4" << QString() << QSize(1279, 719) << even;
        QTest::newRow("1921x1081, after the layers") << FirstRun() << "mkv" << g << QSize(1921, 1081) << g + "," + even;
        // A quarter turn in the graph would make the height the width.
        QTest::newRow("odd height alone") << FirstRun() << "mp4" << g << QSize(1280, 719) << g + "," + even;
        QTest::newRow("mpeg2 lists 4:2:0 too")
            << With([](FormatSettings& s) { s.VCodec = "mpeg2video"; }) << "mpg" << QString() << QSize(719, 480)
            << even;
        QTest::newRow("an encoder of whole chroma samples only (PNG): as it was")
            << With([](FormatSettings& s) { s.VCodec = "png"; }) << "mkv" << g << QSize(1279, 719) << g;
        QTest::newRow("set output size: scaled to it")
            << With([](FormatSettings& s) { s.VKeepWH = false; s.VSize = "1280x720"; }) << "mp4" << QString()
            << QSize(1279, 719) << QString();
        QTest::newRow("picture copied: untouched")
            << With([](FormatSettings& s) { s.VCodec = "copy"; }) << "mkv" << g << QSize(1279, 719) << QString();
        QTest::newRow("unknown size: as it was") << FirstRun() << "mp4" << QString() << QSize() << QString();
    }

    void pictureSizes()
    {
        QFETCH(FormatSettings, format);
        QFETCH(QString, ext);
        QFETCH(QString, graph);
        QFETCH(QSize, picture);
        QFETCH(QString, filter);
        const QStringList args
            = RunArguments::CommonArguments(format, ext, "/s/clip.mp4", 1000000, 25.0f, graph, picture).arguments;
        const int at = args.indexOf("-vf");
        QCOMPARE(at < 0 ? QString() : args.value(at + 1), filter);
        // Only the filter differs from what the same settings give any source.
        QStringList without = args;
        if (at >= 0)
            without.erase(without.begin() + at, without.begin() + at + 2);
        QStringList plain = RunArguments::CommonArguments(format, ext, "/s/clip.mp4", 1000000, 25.0f, QString()).arguments;
        QCOMPARE(without, plain);
    }

    void durationText_data()
    {
        QTest::addColumn<qlonglong>("us");
        QTest::addColumn<QString>("text");
        QTest::newRow("unprobed") << 0LL << "00:00:00.00";
        QTest::newRow("one hour two minutes 5.45 s") << 3725450000LL << "01:02:05.45";
        QTest::newRow("3.45 s past 1:02") << 3723450000LL << "01:02:03.45";
        QTest::newRow("hours past two digits") << 360000000000LL << "100:00:00.00";
        QTest::newRow("hundredths cut, not rounded") << 1999999LL << "00:00:01.99";
    }

    void durationText()
    {
        QFETCH(qlonglong, us);
        QFETCH(QString, text);
        QCOMPARE(RunArguments::DurationText(us), text);
    }

    void refusal_data()
    {
        QTest::addColumn<FormatSettings>("format");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("sourceVideo");
        QTest::addColumn<QString>("sourceAudio"); // a second of it is made
        QTest::addColumn<QString>("refusedCodec");

        const auto codecs = [](const QString& v, const QString& a) {
            return With([v, a](FormatSettings& s) { s.VCodec = v; s.ACodec = a; });
        };
        QTest::newRow("mp4 defaults") << codecs("h264", "aac") << "mp4" << "h264" << "aac" << QString();
        QTest::newRow("flv h265 (the converter refuses)") << codecs("h265", "aac") << "flv" << "" << "" << "hevc";
        QTest::newRow("avi h265 (the converter writes an unreadable picture)")
            << codecs("h265", "mp2") << "avi" << "" << "" << "hevc";
        QTest::newRow("avi mjpeg pcm") << codecs("mjpeg", "pcm_s16le") << "avi" << "" << "" << QString();
        QTest::newRow("mpg copies an h264 picture") << codecs("copy", "mp2") << "mpg" << "h264" << "aac" << "h264";
        QTest::newRow("mpg copies an mpeg2 picture")
            << codecs("copy", "mp2") << "mpg" << "mpeg2video" << "aac" << QString();
        QTest::newRow("mpg copies aac sound") << codecs("mpeg2video", "copy") << "mpg" << "h264" << "aac" << "aac";
        QTest::newRow("mp3 keeps aac sound")
            << With([](FormatSettings& s) { s.AKeepCodec = true; s.ACodec = "mp3"; }) << "mp3" << "h264" << "aac"
            << "aac";
        QTest::newRow("mp3 keeps mp3 sound") << codecs("copy", "copy") << "mp3" << "" << "mp3" << QString();
        QTest::newRow("copy of an unknown source passes") << codecs("copy", "copy") << "flv" << "" << "" << QString();
        QTest::newRow("ts mpeg2 mp2") << codecs("mpeg2video", "mp2") << "ts" << "" << "" << QString();
        // WAV's muxer writes it, but only its first tenth of a second decodes.
        QTest::newRow("wav keeps aac sound") << codecs("copy", "copy") << "wav" << "h264" << "aac" << "aac";
        QTest::newRow("wav keeps pcm sound") << codecs("copy", "copy") << "wav" << "" << "pcm_s16le" << QString();
    }

    void refusal()
    {
        QFETCH(FormatSettings, format);
        QFETCH(QString, ext);
        QFETCH(QString, sourceVideo);
        QFETCH(QString, sourceAudio);
        QFETCH(QString, refusedCodec);
        // Kept sound is looked at in the file, before the job's tool starts.
        const QString sound = m_dir.filePath(sourceAudio + ".mka");
        QVERIFY(sourceAudio.isEmpty() || QFile::exists(sound)
                || TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=d=1", "-c:a", sourceAudio, sound}));
        QString why = RunArguments::Refusal(format, ext, sourceVideo);
        const ST_RUN_ARGS run = RunArguments::CommonArguments(format, ext, sound, 0, 25, QString());
        if (why.isEmpty() && run.precheck)
            why = run.precheck(nullptr);
        if (refusedCodec.isEmpty()) {
            QVERIFY2(why.isEmpty(), qPrintable(why));
        } else {
            QVERIFY(why.contains(" " + ext + " "));
            QVERIFY2(why.contains(" " + refusedCodec + " "), qPrintable(why));
        }
    }

    // A source whose sound does not read whole is named, not the container: headers and packets by hand.
    void damagedSoundIsNamed()
    {
        const auto le = [](quint32 v, int n) { QByteArray b; while (n--) b += char(v), v >>= 8; return b; };
        const auto wav = [le](quint32 channels, quint32 bits, quint32 size) {
            return "RIFF" + le(36 + size, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(44100, 4)
                + le(176400, 4) + le(4, 2) + le(bits, 2) + "data" + le(size, 4) + QByteArray(int(size), 16);
        };
        QFile m4a(m_dir.filePath("made.m4a"));
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=d=1", "-c:a", "aac", m4a.fileName()}) && m4a.open(QIODevice::ReadOnly));
        QByteArray garbage = m4a.readAll(), scaled = garbage;
        const int mdat = garbage.indexOf("mdat"), mdhd = garbage.indexOf("mdhd");
        for (int i = mdat + 4; i < mdat - 4 + qFromBigEndian<qint32>(scaled.constData() + mdat - 4); ++i)
            garbage[i] = char(i * 37);
        qToBigEndian(1u, scaled.data() + mdhd + 8 + (scaled.at(mdhd + 4) == 1 ? 16 : 8)); // its time scale
        const QList<QPair<QString, QByteArray>> damaged{
            {"no channels.wav", wav(0, 16, 176400)}, {"no data.wav", wav(2, 16, 0)}, {"0 bits.wav", wav(2, 0, 176400)},
            {"garbage packets.m4a", garbage}, {"time scale 1.m4a", scaled}};
        const FormatSettings kept = With([](FormatSettings& s) { s.AKeepCodec = true; });
        for (const auto& [name, bytes] : damaged) {
            QFile f(m_dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush());
            QCOMPARE(RunArguments::CommonArguments(kept, "mkv", f.fileName(), 0, 25, QString()).precheck(nullptr),
                     "The sound of " + name + " is damaged or empty.");
        }
    }
    // A trial stopped at any of its looks keeps no answer: a TTA whose last
    // frame does not decode from MKV, a rate each, is refused once tried whole.
    void stoppedTrialKeepsNoAnswer()
    {
        static std::atomic<int> looks{0}, stopAt{0};
        static std::atomic<bool> stop{false};
        MediaStreams::TrialCheck = [] { stop = ++looks == stopAt || stop; };
        for (bool through = false; !through;) {
            QVERIFY(stopAt < 20);
            const QString tta = m_dir.filePath(QString::number(stopAt + 1) + ".mkv");
            QVERIFY(TestMedia::RunConverter(QString("-f lavfi -i sine=d=2.5:r=%1 -c:a tta").arg(8000 + 1000 * stopAt).split(' ') << tta));
            looks = 0, stop = false, ++stopAt;
            const SoundCopy first = MediaStreams::TrySoundCopy("mkv", tta, SoundStreams::Chosen, nullptr, &stop);
            through = !stop;
            QVERIFY(first == (through ? SoundCopy::Refused : SoundCopy::Cancelled));
            QCOMPARE(MediaStreams::TrySoundCopy("mkv", tta, SoundStreams::Chosen), SoundCopy::Refused);
        }
        MediaStreams::TrialCheck = nullptr;
    }
    // Of every pair the format lists offer, only HEVC in flv and avi is refused.
    void listedPairsAccepted()
    {
        for (int c = FORMAT_MP4; c <= FORMAT_WAV; ++c) {
            const QString ext = FormatPresets::ContainerName(c);
            QStringList videos = FormatPresets::VideoCodecs(c);
            if (videos.isEmpty())
                videos << "copy";
            for (const QString& v : videos) {
                for (const QString& a : FormatPresets::AudioCodecs(c)) {
                    const FormatSettings s = With([&](FormatSettings& f) { f.VCodec = v; f.ACodec = a; });
                    const bool refused = !RunArguments::Refusal(s, ext, "h264").isEmpty();
                    const bool expected = v == "h265" && (ext == "flv" || ext == "avi");
                    QVERIFY2(refused == expected, qPrintable(ext + " " + v + " " + a));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRunArguments)
#include "tst_runarguments.moc"
