// The check of a finished step's output: its streams, and its length near
// the edges of what is accepted; and the same check on real conversions.
#include <QtTest>

#include "JobTestTools.h"
#include "JxEngineJob.h"
#include "MediaStreams.h"
#include "OutputCheck.h"

#include <QTemporaryDir>

#include <memory>

namespace {

// Bytes this program has read so far, from the system's own count.
qint64 BytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    return io.open(QIODevice::ReadOnly) ? io.readLine().mid(6).trimmed().toLongLong() : -1; // "rchar: N" first
}

} // namespace

class TestOutputCheck : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        // Twenty minutes of sound, cheaply: made once at a low rate, then
        // copied into every container the format dialog offers; and a
        // picture whose sound ends halfway.
        const QString wav = m_dir.filePath("long.wav");
        const QString mp3 = m_dir.filePath("long.mp3");
        const QString m4a = m_dir.filePath("long.m4a");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=d=1200:sample_rate=8000", "-c:a", "pcm_u8", wav}));
        QVERIFY(TestMedia::RunConverter({"-i", wav, "-ar", "11025", "-b:a", "16k", mp3}));
        QVERIFY(TestMedia::RunConverter({"-i", wav, "-c:a", "alac", m4a}));
        for (const char* c : {"mkv", "mov", "avi"})
            QVERIFY(TestMedia::RunConverter({"-i", wav, "-c", "copy", m_dir.filePath(QString("long.") + c)}));
        for (const char* c : {"ts", "flv", "mpg"})
            QVERIFY(TestMedia::RunConverter({"-i", mp3, "-c", "copy", m_dir.filePath(QString("long.") + c)}));
        QVERIFY(TestMedia::RunConverter({"-i", m4a, "-c", "copy", m_dir.filePath("long.mp4")}));
        QVERIFY(TestMedia::RunConverter({"-i", mp3, "-c", "copy", "-live", "1", m_dir.filePath("live.mkv")})); // no cues
        for (const QString sound : {"600", "420"})
            QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:s=16x16:r=1:d=1200", "-t", sound, "-i", wav,
                                             "-g", "5", "-c:a", "copy", m_dir.filePath("picture" + sound + ".mkv")}));
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "sine=d=30", "-ac", "2", m_dir.filePath("30s.wav")}));
        // Its header still says twenty minutes.
        for (const QString cut : {"cut.wav", "cut.mkv"})
            QVERIFY(QFile::copy(m_dir.filePath("long" + cut.mid(3)), m_dir.filePath(cut))
                    && QFile(m_dir.filePath(cut)).resize(QFileInfo(m_dir.filePath(cut)).size() / 2));
    }

    // A long file's and its sound's length as they play, read at its head and by a seek at
    // its end: never a part of it, and never the whole of a long file.
    void playedSoundOfLongFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("plays");
        QTest::newRow("wav, 30 s") << "30s.wav" << 30.0;
        for (const char* c : {"wav", "mp3", "m4a", "mkv", "mov", "avi", "ts", "flv", "mpg", "mp4"})
            QTest::addRow("%s, 20 min", c) << QString("long.") + c << 1200.0;
        QTest::newRow("mkv picture of 20 min, sound of 10") << "picture600.mkv" << 600.0;
        QTest::newRow("mkv picture of 20 min, sound of 7") << "picture420.mkv" << 420.0;
        QTest::newRow("wav cut halfway") << "cut.wav" << 600.0;
        QTest::newRow("mkv cut halfway") << "cut.mkv" << 600.0;
        QTest::newRow("mkv without an index") << "live.mkv" << 1200.0;
    }
    void playedSoundOfLongFiles()
    {
        QFETCH(QString, file);
        QFETCH(double, plays);
        const double lasts = file.startsWith("picture") ? 1200.0 : plays; // the picture outlasts the sound
        const QString path = m_dir.filePath(file);
        const qint64 before = BytesRead();
        const ST_STREAM_FACTS facts = MediaStreams::ProbePlayed(path);
        const qint64 read = BytesRead() - before;
        QVERIFY2(qAbs(facts.audioDuration / 1e6 - plays) < 0.5, qPrintable(QString::number(facts.audioDuration)));
        QVERIFY2(qAbs(facts.duration / 1e6 - lasts) < 0.5, qPrintable(QString::number(facts.duration)));
        QVERIFY2(read < QFileInfo(path).size() / 4, qPrintable(QString::number(read)));
        ST_OUTPUT_EXPECT expect = OutputCheck::Lasting(0, -1, 1);
        OutputCheck::ExpectSound(&expect, 1200000000);
        const QString problem = OutputCheck::ProblemOf(path, expect);
        QCOMPARE(problem.isEmpty(), plays == 1200.0);
    }

    void problem_data()
    {
        QTest::addColumn<double>("expected"); // seconds
        QTest::addColumn<double>("rate");     // of the picture; 0 unknown
        QTest::addColumn<int>("audio");       // the sound asked for: 1, 0 or -1
        QTest::addColumn<double>("lasts");
        QTest::addColumn<bool>("hasAudio");
        QTest::addColumn<double>("plays");    // how long its sound plays; -1 unchecked
        QTest::addColumn<QString>("problem");
        const QString lasts = "output lasts %1 s instead of %2 s";
        // Half a second either way for a short output.
        QTest::newRow("10 s: 9.4 s") << 10.0 << 0.0 << -1 << 9.4 << true << -1.0 << lasts.arg("9.4", "10.0");
        QTest::newRow("10 s: 9.55 s") << 10.0 << 0.0 << -1 << 9.55 << true << -1.0 << QString();
        QTest::newRow("10 s: 9.95 s") << 10.0 << 0.0 << -1 << 9.95 << true << -1.0 << QString();
        QTest::newRow("10 s: 10.45 s") << 10.0 << 0.0 << -1 << 10.45 << true << -1.0 << QString();
        QTest::newRow("10 s: 10.6 s") << 10.0 << 0.0 << -1 << 10.6 << true << -1.0 << lasts.arg("10.6", "10.0");
        // Two frames more at 25 fps: 0.08 s.
        QTest::newRow("10 s at 25 fps: 10.57 s") << 10.0 << 25.0 << -1 << 10.57 << true << -1.0 << QString();
        QTest::newRow("10 s at 25 fps: 10.6 s") << 10.0 << 25.0 << -1 << 10.6 << true << -1.0 << lasts.arg("10.6", "10.0");
        // One hundredth of a long one.
        QTest::newRow("200 s: 197.9 s") << 200.0 << 0.0 << -1 << 197.9 << true << -1.0 << lasts.arg("197.9", "200.0");
        QTest::newRow("200 s: 198.1 s") << 200.0 << 0.0 << -1 << 198.1 << true << -1.0 << QString();
        QTest::newRow("200 s: 201.9 s") << 200.0 << 0.0 << -1 << 201.9 << true << -1.0 << QString();
        QTest::newRow("200 s: 202.1 s") << 200.0 << 0.0 << -1 << 202.1 << true << -1.0 << lasts.arg("202.1", "200.0");
        QTest::newRow("sound lost") << 10.0 << 0.0 << 1 << 10.0 << false << -1.0 << "output has no sound";
        QTest::newRow("sound kept") << 10.0 << 0.0 << 1 << 10.0 << true << -1.0 << QString();
        QTest::newRow("sound not asked for") << 10.0 << 0.0 << 0 << 10.0 << true << -1.0 << "output has sound it should not have";
        // The sound as it plays, whatever the header says: the tolerance short of it.
        const QString plays = "output's sound plays %1 s instead of %2 s";
        QTest::newRow("sound plays 0.3 s of 3 s") << 3.0 << 0.0 << 1 << 3.0 << true << 0.3 << plays.arg("0.3", "3.0");
        QTest::newRow("sound plays 2.4 s of 3 s") << 3.0 << 0.0 << 1 << 3.0 << true << 2.4 << plays.arg("2.4", "3.0");
        QTest::newRow("sound plays 2.6 s of 3 s") << 3.0 << 0.0 << 1 << 3.0 << true << 2.6 << QString();
        QTest::newRow("sound plays 3.4 s of 3 s") << 3.0 << 0.0 << 1 << 3.0 << true << 3.4 << QString();
    }
    void problem()
    {
        QFETCH(double, expected);
        QFETCH(double, rate);
        QFETCH(int, audio);
        QFETCH(double, lasts);
        QFETCH(bool, hasAudio);
        QFETCH(double, plays);
        QFETCH(QString, problem);
        ST_STREAM_FACTS out;
        out.ok = true;
        out.hasVideo = true;
        out.hasAudio = hasAudio;
        out.duration = qRound64(lasts * 1000000);
        ST_OUTPUT_EXPECT expect = OutputCheck::Lasting(qRound64(expected * 1000000), 1, audio, rate);
        if (plays >= 0) {
            out.audioDuration = qRound64(plays * 1000000);
            OutputCheck::ExpectSound(&expect, expect.duration);
        }
        QCOMPARE(OutputCheck::Problem(out, expect), problem);
    }

    // A real step that loses its sound or ends early fails.
    void realOutputs_data()
    {
        QTest::addColumn<QString>("made"); // the converter's arguments before the output
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("problem");
        const QString picture = "-f lavfi -i testsrc2=s=64x48:r=10:d=%1 -f lavfi -i sine=d=%1 -map 0:v";
        QTest::newRow("sound lost") << picture.arg(2) << 2.0 << "output has no sound";
        QTest::newRow("9.4 s of 10 s") << picture.arg(9.4) + " -map 1:a" << 10.0 << "output lasts 9.4 s instead of 10.0 s";
        QTest::newRow("9.95 s of 10 s") << picture.arg(9.95) + " -map 1:a" << 10.0 << QString();
        QTest::newRow("avi whose picture does not decode")
            << picture.arg(2) + " -map 1:a -bsf:v noise=drop=1 -f avi" << 2.0 << "output has no picture";
    }
    void realOutputs()
    {
        QFETCH(QString, made);
        QFETCH(double, expected);
        QFETCH(QString, problem);
        const QString out = m_dir.filePath(QString(QTest::currentDataTag()).replace(' ', '_') + ".mp4");
        std::unique_ptr<JxEngineJob> job(new JxEngineJob(QString(), made.split(' ') + QStringList{"-y", out}, true));
        job->outputPath = out;
        job->expect = OutputCheck::Lasting(qRound64(expected * 1000000), 1, 1, 10);
        job->start();
        QVERIFY(waitForEnd(job.get()));
        QCOMPARE(job->failureReason(), problem);
        QCOMPARE(QFile::exists(out), problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOutputCheck)
#include "tst_outputcheck.moc"
