// Settings saved by the format dialog, turned into the conversion's arguments
// and run by the real converter: the output holds the container and codecs
// the dialog offered.
#include "FormatDialogTestKit.h"
#include "JxEngineJob.h"
#include "MediaFunctions.h"
#include "MediaStreams.h"
#include "RunArguments.h"
#include "TestMedia.h"
#include "dialogs/FormatPresets.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <memory>

using namespace Kit;

namespace {

struct Probed {
    QString format;
    QString brand;
    QStringList video;
    QStringList audio;
};

Probed ProbeOutput(const QString& path)
{
    Probed p;
    QProcess probe;
    probe.start(QStandardPaths::findExecutable("ffprobe"),
                {"-v", "error", "-show_entries", "format=format_name:format_tags=major_brand:stream=codec_type,codec_name",
                 "-of", "json", path});
    if (!probe.waitForFinished(60000))
        return p;
    const QJsonObject root = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    p.format = root.value("format").toObject().value("format_name").toString();
    p.brand = root.value("format").toObject().value("tags").toObject().value("major_brand").toString().trimmed();
    for (const QJsonValue& v : root.value("streams").toArray()) {
        const QJsonObject s = v.toObject();
        (s.value("codec_type").toString() == "video" ? p.video : p.audio) << s.value("codec_name").toString();
    }
    return p;
}

// The settings as the dialog saves them when opened for a container, after
// the main window's container choice wrote that container's preset, with
// the user's changes.
FormatSettings SavedByDialog(int container, const std::function<void(QFormatDialog*)>& change = {})
{
    savePreset(container, FormatPresets::ContainerName(container));
    QFormatDialog d;
    d.SetFormat(container);
    d.LoadConfigFormat();
    d.show();
    if (change)
        change(&d);
    clickButton(&d, QDialogButtonBox::Ok);
    return loadSaved();
}

struct Run {
    QString name;
    QString output;
    std::unique_ptr<JxEngineJob> job;
};

} // namespace

class TestFormatConvert : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_source;
    long long m_bitRate = 0;
    float m_fps = 0;
    long long m_duration = 0;

    std::unique_ptr<JxEngineJob> StartJob(const FormatSettings& f, const QString& output, QString source = QString())
    {
        source = source.isEmpty() ? m_source : source;
        const ST_RUN_ARGS run = RunArguments::CommonArguments(f, f.Format, source, m_bitRate, m_fps, QString());
        auto job = std::make_unique<JxEngineJob>(QString(), run.arguments + QStringList{output}, true);
        job->precheck = run.precheck;
        job->setFPS(run.frameRate);
        job->setDuration(RunArguments::DurationText(m_duration));
        job->outputPath = output;
        job->start();
        return job;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_source = TestMedia::MakeVideo(m_dir.path(), "source.mp4", 2.0, 160, 120, 25);
        QVERIFY(!m_source.isEmpty());
        int w = 0, h = 0;
        GetMediaInfo(m_source.toUtf8().constData(), &w, &h, &m_duration, &m_fps, &m_bitRate);
        QCOMPARE(m_fps, 25.0f);
        QVERIFY(m_bitRate > 0);
    }

    // Every container with the codecs its dialog starts at, all at once.
    void everyContainerConverts()
    {
        struct Expect {
            const char* format;
            const char* brand;
            const char* video;
            const char* audio;
        };
        const Expect expect[] = {
            {"mp4", "isom", "h264", "aac"},      {"matroska", "", "h264", "ac3"}, {"avi", "", "h264", "mp2"},
            {"flv", "", "h264", "aac"},          {"mov", "qt", "h264", "aac"},    {"mpeg", "", "mpeg2video", "mp2"},
            {"mpegts", "", "h264", "aac"},       {"mp3", "", "", "mp3"},          {"mp4", "M4A", "", "aac"},
            {"wav", "", "", "pcm_s16le"},
        };
        const ST_STREAM_FACTS source = MediaStreams::Probe(m_source);
        std::vector<Run> runs;
        for (int c = FORMAT_MP4; c <= FORMAT_WAV; ++c) {
            const FormatSettings f = SavedByDialog(c);
            const QString name = FormatPresets::ContainerName(c);
            QCOMPARE(f.Format, name);
            QVERIFY2(RunArguments::Refusal(f, f.Format, source.videoCodec).isEmpty(),
                     qPrintable(name));
            Run r;
            r.name = name;
            r.output = m_dir.filePath("out." + name);
            r.job = StartJob(f, r.output);
            runs.push_back(std::move(r));
        }
        for (const Run& r : runs)
            QTRY_VERIFY_WITH_TIMEOUT(r.job->endReported(), 180000);
        for (int c = FORMAT_MP4; c <= FORMAT_WAV; ++c) {
            const Run& r = runs[size_t(c)];
            QVERIFY2(r.job->succeeded(), qPrintable(r.name + ": " + r.job->log()));
            const Probed p = ProbeOutput(r.output);
            QVERIFY2(p.format.split(',').contains(expect[c].format), qPrintable(r.name + " " + p.format));
            // Other containers carry the source's brand along as a plain tag.
            if (*expect[c].brand)
                QCOMPARE(p.brand, QString(expect[c].brand));
            QCOMPARE(p.video, *expect[c].video ? QStringList{expect[c].video} : QStringList());
            QCOMPARE(p.audio, QStringList{expect[c].audio});
        }
    }

    // The source's sound kept: copied where it comes back whole (the sound of
    // films, broadcasts and recorders among it), and then the same codec and
    // samples to its end; refused with the reason where it does not.
    void keptSoundPlaysWholeOrIsRefused()
    {
        struct Kept {
            QString ext;
            QString codec;
            QStringList made;
            bool plays;
            double seconds = 1.0;
        };
        const QStringList experimental{"-strict", "-2", "-ar", "48000"};
        const QStringList two = QString("-map 0:v -map 1:a -map 1:a -c:v mpeg4 -c:a:0 ac3 -c:a:1 libvorbis").split(' ');
        const QList<Kept> kept{
            {"mkv", "eac3", {"-c:a", "eac3"}, true}, {"mkv", "dts", QStringList{"-c:a", "dca"} + experimental, true},
            {"mkv", "truehd", QStringList{"-c:a", "truehd"} + experimental, true},
            {"mkv", "pcm_s24le", {"-c:a", "pcm_s24le"}, true}, {"mp4", "eac3", {"-c:a", "eac3"}, true},
            {"mp4", "dts", QStringList{"-c:a", "dca"} + experimental, true}, {"mov", "eac3", {"-c:a", "eac3"}, true},
            {"mov", "pcm_s24le", {"-c:a", "pcm_s24le"}, true}, {"ts", "eac3", {"-c:a", "eac3"}, true},
            {"ts", "opus", {"-c:a", "libopus"}, true}, {"m4a", "ac3", {"-c:a", "ac3"}, true},
            {"wav", "vorbis", {"-c:a", "libvorbis"}, false}, {"avi", "vorbis", {"-c:a", "libvorbis"}, false},
            {"avi", "flac", {"-c:a", "flac", "-ac", "6"}, false}, {"mov", "wmav2", {"-c:a", "wmav2"}, false},
            {"wav", "aac", {"-c:a", "aac"}, false},
            // Of two streams the converter copies the default one, else the one of most channels, else the first.
            {"avi", "ac3", two + QStringList{"-ac:a:0", "6"}, true},
            {"avi", "ac3", two + QString("-ac 2 -disposition:a:0 default -disposition:a:1 default").split(' '), true},
            {"avi", "ac3", two + QStringList{"-ac:a:1", "6"}, true},
            {"avi", "vorbis", two + QStringList{"-ac:a:1", "6", "-disposition:a:0", "0"}, false},
            // FLV reads 5.1 PCM back as stereo; 24-bit stays so in WAV; TTA's last frame does not decode from MKV.
            {"flv", "pcm_s16le", {"-c:a", "pcm_s16le", "-ac", "6"}, false},
            {"wav", "pcm_s24le", {"-c:a", "pcm_s24le"}, true, 0.62}, {"mkv", "tta", {"-c:a", "tta"}, false, 2.5}};
        FormatSettings keep;
        keep.VCodec = "copy";
        keep.AKeepCodec = true;
        std::vector<Run> runs;
        for (const Kept& k : kept) {
            Run r;
            r.name = k.ext + " " + k.codec + " " + QString::number(runs.size());
            r.output = m_dir.filePath("kept " + r.name + "." + k.ext);
            const QString source = TestMedia::MakeVideo(m_dir.path(), r.name + ".mkv", k.seconds, 160, 120, 25, k.made);
            QVERIFY2(!source.isEmpty(), qPrintable(r.name));
            keep.Format = k.ext;
            r.job = StartJob(keep, r.output, source);
            runs.push_back(std::move(r));
        }
        for (const Run& r : runs)
            QTRY_VERIFY_WITH_TIMEOUT(r.job->endReported(), 180000);
        for (int i = 0; i < kept.size(); ++i) {
            const Run& r = runs[size_t(i)];
            if (!kept[i].plays) {
                QCOMPARE(r.job->failureReason(), "The " + kept[i].ext + " container cannot hold " + kept[i].codec + " sound.");
                QVERIFY(!QFile::exists(r.output));
                continue;
            }
            QVERIFY2(r.job->succeeded(), qPrintable(r.name + ": " + r.job->failureReason()));
            const TestMedia::DecodedSound made = TestMedia::DecodeSound(m_dir.filePath(r.name + ".mkv"));
            const TestMedia::DecodedSound out = TestMedia::DecodeSound(r.output);
            QCOMPARE(out.codec, kept[i].codec);
            QCOMPARE(out.sampleFormat, made.sampleFormat);
            QVERIFY2(qAbs(out.seconds - made.seconds) < 0.05, qPrintable(r.name + " " + QString::number(out.seconds)));
        }
    }

    // What the converter cannot write is refused before it runs, or ends as
    // a failure: never as a success.
    void impossibleCombinations()
    {
        const ST_STREAM_FACTS source = MediaStreams::Probe(m_source);
        // The converter writes HEVC into avi with no tag a reader knows, and
        // says it succeeded: refused.
        const FormatSettings aviHevc =
            SavedByDialog(FORMAT_AVI, [](QFormatDialog* d) { QVERIFY(choose(d, "comboBoxVCodec", "h265")); });
        QVERIFY(!RunArguments::Refusal(aviHevc, "avi", source.videoCodec).isEmpty());
        // Copies the container cannot hold: the source's h264 in mpg, its aac in mp3.
        const FormatSettings mpgCopy =
            SavedByDialog(FORMAT_MPG, [](QFormatDialog* d) { QVERIFY(choose(d, "comboBoxVCodec", "copy")); });
        QVERIFY(!RunArguments::Refusal(mpgCopy, "mpg", source.videoCodec).isEmpty());
        const FormatSettings mp3Copy =
            SavedByDialog(FORMAT_MP3, [](QFormatDialog* d) { clickCheck(d, "checkBoxKeepACodec"); });
        QVERIFY(!RunArguments::CommonArguments(mp3Copy, "mp3", m_source, 0, 25, QString()).precheck(nullptr).isEmpty());

        // Refused, and the converter fails it too.
        const FormatSettings flvHevc =
            SavedByDialog(FORMAT_FLV, [](QFormatDialog* d) { QVERIFY(choose(d, "comboBoxVCodec", "h265")); });
        QVERIFY(!RunArguments::Refusal(flvHevc, "flv", source.videoCodec).isEmpty());
        // Not foreseen, reported by the converter: an odd typed size for h264.
        const FormatSettings oddSize = SavedByDialog(FORMAT_MP4, [](QFormatDialog* d) {
            clickCheck(d, "checkBoxVKeepWH");
            QComboBox* size = combo(d, "comboBoxVSize");
            size->lineEdit()->selectAll();
            QTest::keyClicks(size->lineEdit(), "161x121");
        });
        QCOMPARE(oddSize.VSize, QString("161x121"));
        QVERIFY(RunArguments::Refusal(oddSize, "mp4", source.videoCodec).isEmpty());

        auto flv = StartJob(flvHevc, m_dir.filePath("hevc.flv"));
        auto odd = StartJob(oddSize, m_dir.filePath("odd.mp4"));
        QTRY_VERIFY_WITH_TIMEOUT(flv->endReported() && odd->endReported(), 180000);
        QVERIFY(!flv->succeeded());
        QVERIFY(!odd->succeeded());
        QVERIFY(!flv->failureReason().isEmpty());
    }
};

int main(int argc, char** argv)
{
    TestFormatConvert test;
    return Kit::runIsolated(argc, argv, &test);
}

#include "tst_formatconvert.moc"
