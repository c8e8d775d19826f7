// Every kind of sound file the open dialogs offer, and the sound of films and
// recorders, mixed by the real converter as the soundtrack of a converted
// video in every output container the format dialog offers, the mixes side
// by side: copied where it comes back whole from the container, else encoded
// with channels and a rate that the encoder and the container take. Every mix
// must play its sound to its end; a copy that plays short must fail.
#include <QtTest>

#include "FollowUpTestTools.h"
#include "JobTestTools.h"
#include "MediaStreams.h"

#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

const QStringList kContainers{"mp4", "mkv", "avi", "flv", "mov", "mpg", "ts", "mp3", "m4a", "wav"};

struct SoundKind {
    QString tag;
    QString file;      // its name says the kind
    QString codec;     // what the converter writes for that name and these options
    int channels;
    QStringList options;
    bool optional;     // an encoder Debian's converter has, others may lack
};

const QStringList kStereo{"-ac", "2"};
const QStringList kSurround{"-ac", "6"};

// The sound kinds of the open dialogs that the converter writes, each in
// stereo as it writes it for the name, a few also in another codec the name
// holds; and the layouts an encoder has to be told about.
const QList<SoundKind> kKinds{
    {"aac", "sound.aac", "aac", 2, kStereo, false},
    {"ac3", "sound.ac3", "ac3", 2, kStereo, false},
    {"aif", "sound.aif", "pcm_s16be", 2, kStereo, false},
    {"asf", "sound.asf", "wmav2", 2, kStereo, true},
    {"flac", "sound.flac", "flac", 2, kStereo, false},
    {"gsm", "sound.gsm", "gsm", 1, {"-ar", "8000", "-ac", "1"}, true},
    {"m4a", "sound.m4a", "aac", 2, kStereo, false},
    {"m4a alac", "alac.m4a", "alac", 2, kStereo + QStringList{"-c:a", "alac"}, false},
    {"mka", "sound.mka", "vorbis", 2, kStereo, false},
    {"mmf", "sound.mmf", "adpcm_yamaha", 1, {"-ar", "8000", "-ac", "1"}, true},
    {"mpa", "sound.mpa", "mp2", 2, kStereo, false},
    {"mp3", "sound.mp3", "mp3", 2, kStereo, false},
    {"ogg", "sound.ogg", "vorbis", 2, kStereo, false},
    {"ogg opus", "opus.ogg", "opus", 2, kStereo + QStringList{"-c:a", "libopus"}, false},
    {"pcm", "sound.pcm", "adpcm_ima_alp", 2, kStereo, true},
    {"ra", "sound.ra", "ac3", 2, kStereo, true},
    {"tta", "sound.tta", "tta", 2, kStereo, false},
    {"voc", "sound.voc", "pcm_s16le", 2, kStereo, true},
    {"wav", "sound.wav", "pcm_s16le", 2, kStereo, false},
    {"wma", "sound.wma", "wmav2", 2, kStereo, true},
    {"wv", "sound.wv", "wavpack", 2, kStereo, false},
    // Mono TTA names no layout at all.
    {"tta mono, no layout", "mono.tta", "tta", 1, {"-ac", "1"}, false},
    {"tta 5.1", "surround.tta", "tta", 6, kSurround, false},
    {"ac3 5.1", "surround.ac3", "ac3", 6, kSurround, false},
    {"flac 5.1", "surround.flac", "flac", 6, kSurround, false},
    {"m4a 5.1", "surround.m4a", "aac", 6, kSurround, false},
    {"ogg opus 5.1", "surround.opus.ogg", "opus", 6, kSurround + QStringList{"-c:a", "libopus"}, false},
    // The sound of films, broadcasts and recorders.
    {"eac3", "sound.eac3", "eac3", 2, kStereo, false},
    {"dts", "sound.dts", "dts", 2, kStereo + QStringList{"-strict", "-2", "-ar", "48000"}, false},
    {"truehd", "sound.thd", "truehd", 2, kStereo + QStringList{"-strict", "-2", "-ar", "48000"}, false},
    {"wav 24-bit", "sound24.wav", "pcm_s24le", 2, kStereo + QStringList{"-c:a", "pcm_s24le"}, false},
    // Rates that FLV does not take as they are.
    {"wav 48 kHz", "sound48k.wav", "pcm_s16le", 2, kStereo + QStringList{"-ar", "48000"}, false},
    {"mp3 32 kHz", "sound32k.mp3", "mp3", 2, kStereo + QStringList{"-ar", "32000"}, false},
};

// The containers whose own encoder (MP3, MP2) takes at most two channels.
const QStringList kStereoEncoders{"avi", "flv", "mpg", "ts", "mp3"};

// Copies that play whole, and copies that do not (their muxer writes them,
// then a reader gives back a fraction of the sound or stamps it short).
const QStringList kCopied{"mkv eac3", "mkv dts", "mkv truehd", "mkv wav 24-bit", "mp4 eac3", "mp4 dts", "mov eac3",
                          "mov wav 24-bit", "ts eac3", "ts ogg opus", "m4a ac3", "wav wav 24-bit"};
const QStringList kNotCopied{"wav ogg", "avi ogg", "avi flac 5.1", "mov wma", "wav m4a"};
const QStringList kLossless{"flac", "alac", "tta", "wavpack", "truehd"};

const SoundKind* Kind(const QString& tag)
{
    for (const SoundKind& kind : kKinds) {
        if (kind.tag == tag)
            return &kind;
    }
    return nullptr;
}

bool Copied(const QStringList& args)
{
    const int codec = args.indexOf("-acodec");
    return codec >= 0 && args.value(codec + 1) == QLatin1String("copy");
}

} // namespace

class TestSoundtrackMix : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QHash<QString, QString> m_videos;  // container: its converted video of 1 s
    QHash<QString, QString> m_sounds;  // kind: its file of 1 s; missing where it cannot be made
    QHash<QString, QString> m_madeFormats; // kind: the sample format it decodes to
    struct Mix {
        FollowUpRow cells;
        AbstractJob* job = nullptr;
        TestMedia::DecodedSound decoded;
    };
    JobsManage m_queue;
    std::map<QString, Mix> m_mixes; // by row: run together by the rows' data function

    // The converted video of a container under a fresh folder of its own, as
    // the conversion step leaves it (the mix deletes it).
    QString videoIn(const QString& container, const QString& folder)
    {
        const QString video = QDir(folder).filePath("clip_Music." + container);
        return QFile::copy(m_videos.value(container), video) ? video : QString();
    }
    // The mix of a sound under a container's video, as the builder makes it;
    // not started.
    AbstractJob* buildMix(JobsManage& queue, FollowUpRow& cells, const QString& folder, const QString& container,
                          const QString& sound)
    {
        const QString video = videoIn(container, folder);
        if (video.isEmpty())
            return nullptr;
        const QString out = QDir(folder).filePath("out");
        QDir().mkpath(out);
        ResetRows(folder, {MakeSourceRow(video)});
        queue.SetOutputFolderQuery([out]() { return out; });
        JxEngineJob* given = ContainerJob(cells, video, 0);
        queue.AddJobMusic(given, video, sound, false);
        delete given;
        return queue.jobs().isEmpty() ? nullptr : queue.jobs().last();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!OutFolder(m_dir).isEmpty());
        for (const QString& c : kContainers) {
            const QString name = "video." + c;
            // MPEG-1/2 take only the standard frame rates.
            m_videos[c] = JobArgs::IsAudioFormat(c) ? TestMedia::MakeAudio(m_dir.path(), name, 1.0)
                                                    : TestMedia::MakeVideo(m_dir.path(), name, 1.0, 160, 120,
                                                                           c == "mpg" ? 25 : 10);
            QVERIFY2(!m_videos[c].isEmpty(), qPrintable(c));
        }
        // The sound files made side by side.
        std::vector<TestMedia::DecodedSound> decoded(size_t(kKinds.size()));
        for (int i = 0; i < kKinds.size(); ++i) {
            QThreadPool::globalInstance()->start([this, i, &decoded] {
                const QString path = m_dir.filePath(kKinds.at(i).file);
                if (TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i", "sine=frequency=1000:duration=1"}
                                            + kKinds.at(i).options << path))
                    decoded[size_t(i)] = TestMedia::DecodeSound(path);
            });
        }
        QThreadPool::globalInstance()->waitForDone();
        for (int i = 0; i < kKinds.size(); ++i) {
            const SoundKind& kind = kKinds.at(i);
            const TestMedia::DecodedSound& made = decoded[size_t(i)];
            if (!made.codec.isEmpty()) {
                m_sounds[kind.tag] = m_dir.filePath(kind.file);
                m_madeFormats[kind.tag] = made.sampleFormat;
                QCOMPARE(made.codec, kind.codec);
                QCOMPARE(made.channels, kind.channels);
            } else {
                QVERIFY2(kind.optional, qPrintable(kind.tag));
            }
        }
    }

    void everyKindInEveryContainer_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("kind");
        for (const QString& c : kContainers) {
            for (const SoundKind& kind : kKinds) {
                // Surround sound in other codecs: where their own encoder mixed
                // them down before, and where a copy played short.
                const bool surround = kind.channels == 6 && kind.codec != QLatin1String("tta");
                const bool named = (c == "flv" && (kind.codec == "ac3" || kind.codec == "flac"))
                    || (c == "mp3" && (kind.codec == "ac3" || kind.codec == "flac"))
                    || ((c == "mpg" || c == "ts") && kind.codec == "flac") || (c == "mpg" && kind.codec == "aac")
                    || (c == "avi" && (kind.codec == "opus" || kind.codec == "flac"));
                const bool rate = kind.tag.endsWith("kHz");
                if ((!surround || named) && (!rate || c == "flv") && !m_sounds.value(kind.tag).isEmpty()) {
                    const QString row = c + " " + kind.tag;
                    QTest::newRow(qPrintable(row)) << c << kind.tag;
                    QVERIFY(QDir().mkpath(m_dir.filePath(row)));
                    m_mixes[row].job = buildMix(m_queue, m_mixes[row].cells, m_dir.filePath(row), c,
                                                m_sounds.value(kind.tag));
                }
            }
        }
        // All mixed a few at a time, and then looked into.
        m_queue.setMaxRunning(qBound(2, QThread::idealThreadCount() / 2, 4));
        QVERIFY(RunQueue(m_queue));
        for (auto& row : m_mixes) {
            Mix* mix = &row.second;
            if (mix->job)
                QThreadPool::globalInstance()->start([mix] { mix->decoded = TestMedia::DecodeSound(mix->job->outputPath); });
        }
        QThreadPool::globalInstance()->waitForDone();
    }
    void everyKindInEveryContainer()
    {
        QFETCH(QString, container);
        QFETCH(QString, kind);
        const SoundKind made = *Kind(kind);
        const FollowUpRow& cells = m_mixes[container + " " + kind].cells;
        AbstractJob* mix = m_mixes[container + " " + kind].job;
        QVERIFY(mix);
        const QStringList args = qobject_cast<JxEngineJob*>(mix)->arguments();
        QVERIFY2(mix->succeeded(), qPrintable(cells.status.toolTip() + "\n" + args.join(' ')));
        QCOMPARE(cells.status.text(), QString("Completed"));
        const QString out = QDir(m_dir.filePath(container + " " + kind)).filePath("out");
        QCOMPARE(FilesIn(out), QStringList{"clip_MusicMix." + container});

        // The whole second of sound decodes; copied it is the same codec, and
        // encoded it keeps its channels where the encoder takes them.
        const TestMedia::DecodedSound& result = m_mixes[container + " " + kind].decoded;
        // MP3 at 8 kHz pads its last frame: up to a quarter second more.
        QVERIFY2(result.seconds > 0.85 && result.seconds < 1.25, qPrintable(QString::number(result.seconds)));
        // Copied where it comes back whole: the same codec (or, lossy, a
        // kindred one: MP2 read as MP3) and, lossless, the same samples.
        const bool carried = Copied(args);
        QVERIFY(!kCopied.contains(container + " " + kind) || carried);
        QVERIFY(!kNotCopied.contains(container + " " + kind) || !carried);
        if (carried && !(made.codec == "mp2" && result.codec == "mp3"))
            QCOMPARE(result.codec, made.codec);
        if (carried && (made.codec.startsWith("pcm_") || kLossless.contains(made.codec)))
            QCOMPARE(result.sampleFormat, m_madeFormats.value(kind));
        const bool mixedDown = !carried && made.channels > 2 && kStereoEncoders.contains(container);
        QCOMPARE(result.channels, mixedDown ? 2 : made.channels);
    }

    // A sound copied into a container that writes it but does not play it
    // whole: the mix fails with the reason, and leaves nothing under its name.
    void copiedSoundPlayingShortFails_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("plays");
        QTest::newRow("vorbis into wav: two packets decode") << "wav" << "ogg" << false;
        QTest::newRow("vorbis into avi: stamped within a tenth") << "avi" << "ogg" << false;
        QTest::newRow("flac 5.1 into avi: stamped short") << "avi" << "flac 5.1" << false;
        QTest::newRow("wma into mov: stamped whole, decodes to nothing") << "mov" << "wma" << false;
        QTest::newRow("mp3 into avi") << "avi" << "mp3" << true;
        QTest::newRow("aac into mp4") << "mp4" << "m4a" << true;
    }
    void copiedSoundPlayingShortFails()
    {
        QFETCH(QString, container);
        QFETCH(QString, kind);
        QFETCH(bool, plays);
        const QString sound = m_sounds.value(kind);
        if (sound.isEmpty())
            QSKIP("this converter cannot write such a file");
        QTemporaryDir folder;
        JobsManage queue;
        FollowUpRow cells;
        AbstractJob* built = buildMix(queue, cells, folder.path(), container, sound);
        QVERIFY(built);
        const QStringList args = qobject_cast<JxEngineJob*>(built)->arguments();
        // The builder's own mix, with the sound copied.
        QStringList copying = args;
        const int codec = copying.indexOf("-acodec");
        QVERIFY(codec >= 0);
        copying.erase(copying.begin() + codec, copying.begin() + args.indexOf("-y"));
        copying.insert(codec, "copy");
        copying.insert(codec, "-acodec");
        if (args.contains("-shortest"))
            copying.insert(copying.indexOf("-y"), "-shortest");
        std::unique_ptr<JxEngineJob> job(new JxEngineJob(QString(), copying, true));
        job->outputPath = built->outputPath;
        job->expect = built->expect;
        job->start();
        QVERIFY(waitForEnd(job.get()));
        if (plays) {
            QVERIFY2(job->succeeded(), qPrintable(job->failureReason()));
        } else {
            QVERIFY2(job->failureReason().startsWith("output's sound plays "), qPrintable(job->failureReason()));
            QVERIFY(!QFileInfo::exists(job->outputPath));
            QCOMPARE(FilesIn(QDir(folder.path()).filePath("out")), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundtrackMix)
#include "tst_soundtrackmix.moc"
