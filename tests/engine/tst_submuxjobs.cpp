// Subtitle mux through the queue with the real converter: the subtitle
// file's own stream, in a codec the container accepts.
#include <QtTest>

#include "FollowUpTestTools.h"

#include <QTemporaryDir>

class TestSubMuxJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_out;
    QString m_srt;
    QString m_ass;

    static bool writeText(const QString& path, const QByteArray& text)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }
    AbstractJob* mux(JobsManage& queue, FollowUpRow& cells, const QString& video, const QString& subtitle)
    {
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* owner = ContainerJob(cells, video, 0);
        queue.AddJobSubtitle(owner, video, subtitle);
        delete owner;
        return queue.jobs().value(0);
    }

private slots:
    void initTestCase()
    {
        SetOverwriteQuery([]() { return false; });
        m_out = OutFolder(m_dir);
        QVERIFY(!m_out.isEmpty());
        m_srt = m_dir.filePath("talk.srt");
        QVERIFY(writeText(m_srt, "1\n00:00:00,200 --> 00:00:01,000\nHello, world\n\n"
                                 "2\n00:00:01,200 --> 00:00:01,800\nGrüße\n\n"));
        m_ass = m_dir.filePath("talk.ass");
        QVERIFY(writeText(m_ass, "[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n"
                                 "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
                                 "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, "
                                 "Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, "
                                 "MarginV, Encoding\nStyle: Default,Arial,20,&H00FFFFFF,&H000000FF,&H00000000,"
                                 "&H00000000,0,0,0,0,100,100,0,0,1,1,0,2,10,10,10,1\n\n[Events]\n"
                                 "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                                 "Dialogue: 0,0:00:00.20,0:00:01.00,Default,,0,0,0,,Hello\n"));
    }

    void srtIntoMp4WithOneStream()
    {
        // A video with a picture and nothing else: no stream 1 to map.
        const QString video = TestMedia::MakeSilentVideo(m_dir.path(), "silent.mp4", 2.0);
        QVERIFY(!video.isEmpty());
        JobsManage queue;
        FollowUpRow cells;
        auto* job = qobject_cast<JxEngineJob*>(mux(queue, cells, video, m_srt));
        QVERIFY(job);
        QCOMPARE(job->outputPath, m_out + "/silent_Subtitle.mp4");
        const QStringList args = job->arguments();
        QCOMPARE(args.at(args.indexOf("-c:s") + 1), QString("mov_text"));
        QVERIFY(RunQueue(queue));
        QVERIFY2(job->succeeded(), qPrintable(job->log()));
        QCOMPARE(TestMedia::Probe(job->outputPath).codecs, QStringList({"h264", "mov_text"}));
        QCOMPARE(cells.status.text(), QString("Completed"));
    }

    void assIntoMp4AndMkv()
    {
        const QString mp4 = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 2.0);
        const QString mkv = TestMedia::MakeVideo(m_dir.path(), "clip.mkv", 2.0);
        QVERIFY(!mp4.isEmpty() && !mkv.isEmpty());
        JobsManage queue;
        FollowUpRow a;
        FollowUpRow b;
        AbstractJob* intoMp4 = mux(queue, a, mp4, m_ass);
        queue.SetOutputFolderQuery([this]() { return m_out; });
        JxEngineJob* owner = ContainerJob(b, mkv, 0);
        queue.AddJobSubtitle(owner, mkv, m_srt);
        delete owner;
        QCOMPARE(queue.jobs().size(), 2);
        AbstractJob* intoMkv = queue.jobs().at(1);
        QVERIFY(RunQueue(queue));
        QVERIFY2(intoMp4->succeeded(), qPrintable(intoMp4->log()));
        QVERIFY2(intoMkv->succeeded(), qPrintable(intoMkv->log()));
        QCOMPARE(TestMedia::Probe(intoMp4->outputPath).codecs, QStringList({"h264", "aac", "mov_text"}));
        // Matroska holds the subtitle as it is.
        QCOMPARE(TestMedia::Probe(intoMkv->outputPath).codecs.last(), QString("subrip"));
        QCOMPARE(QFileInfo(intoMkv->outputPath).fileName(), QString("clip_Subtitle.mkv"));
        // Two outputs of the same base name never share a path.
        QVERIFY(intoMp4->outputPath != intoMkv->outputPath);
    }
};

QTEST_GUILESS_MAIN(TestSubMuxJobs)
#include "tst_submuxjobs.moc"
