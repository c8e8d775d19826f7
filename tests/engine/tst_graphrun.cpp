// The builder's graphs run through the real converter, hostile paths included,
// and a converted frame shows the layer where the canvas put it.
#include <QtTest>

#include "AssLibrary.h"
#include "Core.h"
#include "FilterText.h"
#include "ImageChecks.h"
#include "MediaFunctions.h"
#include "TestLayerItem.h"
#include "TestMedia.h"

#include <memory>
#include <vector>

namespace {
// Every character the graph parsers treat specially, plus letters beyond ASCII.
// The leading "a=" makes the path read as an option name unless "=" is escaped.
const char* const kHostile = "a=b it's a:b,c;[d] %2 %d \\ é";
// Before anything else: the pictures marked as woven, wherever they come.
const QString kFields = "bwdif=mode=send_frame:deint=interlaced,";
}

class TestGraphRun : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip;      // testsrc2, 320 x 240, 2 s
    QString m_red;       // solid red, 320 x 240, 1 s
    QString m_hostile;   // a folder whose name is hostile
    QString m_png;       // blue 40 x 30 picture inside it
    QString m_video;     // a small video inside it
    std::vector<std::unique_ptr<TestLayerItem>> m_items;

    Core* core() { return Core::instance(); }

    TestLayerItem* addLayer(int kind, const QString& file, QImage image, QPointF pos, qreal z = 1)
    {
        m_items.push_back(std::make_unique<TestLayerItem>(kind, file, image));
        TestLayerItem* item = m_items.back().get();
        item->setPos(pos);
        item->setZValue(z);
        core()->onAddLayer(item);
        return item;
    }
    bool runNull(const QString& input, const QString& graph)
    {
        qDebug() << "graph:" << graph;
        return TestMedia::RunConverter({"-i", input, "-vf", graph, "-f", "null", "-"});
    }
    QImage firstFrame(const QString& input, const QString& graph, const QString& name)
    {
        const QString out = m_dir.path() + "/" + name + ".png";
        if (!TestMedia::RunConverter({"-i", input, "-vf", graph, "-frames:v", "1", out}))
            return QImage();
        return QImage(out);
    }
    QString writeSrt(const QString& path, const QByteArray& cue = "Hello \xc3\xa9 world")
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write("1\n00:00:00,000 --> 00:00:01,500\n" + cue + "\n\n");
        return path;
    }
    // Frames of a video, through the graph, that the converter's field detector finds woven, and all its
    // frames into *frames; -1 when it cannot tell.
    static int woven(const QString& path, const QString& graph = "null", int* frames = nullptr)
    {
        QProcess run;
        run.start(TestMedia::Converter(), {"-hide_banner", "-nostats", "-i", path, "-vf", graph + ",idet", "-f", "null", "-"});
        const QRegularExpressionMatch m = QRegularExpression("Multi.*TFF: *([0-9]+) BFF: *([0-9]+) Progressive: *([0-9]+) Und\\S*: *([0-9]+)")
                                              .match(run.waitForFinished(60000) ? run.readAllStandardError() : QString());
        if (frames)
            *frames = m.captured(1).toInt() + m.captured(2).toInt() + m.captured(3).toInt() + m.captured(4).toInt();
        return m.hasMatch() ? m.captured(1).toInt() + m.captured(2).toInt() : -1;
    }
    static bool isBlue(QColor c) { return c.blue() > 180 && c.red() < 80 && c.green() < 80; }
    static bool isRed(QColor c) { return c.red() > 180 && c.blue() < 80 && c.green() < 80; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        g_ass_library = ass_library_init();
        m_clip = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 2.0, 320, 240);
        m_red = TestMedia::MakeSolidVideo(m_dir.path(), "red", "red.mp4", 1.0, 320, 240);
        QVERIFY(!m_clip.isEmpty() && !m_red.isEmpty());
        m_hostile = m_dir.path() + "/" + QString::fromUtf8(kHostile);
        QVERIFY(QDir().mkpath(m_hostile));
        // made under plain names (the converter's own output naming treats % specially), then moved
        const QString png = TestMedia::MakeImage(m_dir.path(), "blue.png", 40, 30, "blue");
        const QString video = TestMedia::MakeSilentVideo(m_dir.path(), "small.mp4", 1.0, 64, 48);
        QVERIFY(!png.isEmpty() && !video.isEmpty());
        m_png = m_hostile + "/" + QString::fromUtf8(kHostile) + ".png";
        m_video = m_hostile + "/" + QString::fromUtf8(kHostile) + ".mp4";
        QVERIFY(QFile::copy(png, m_png));
        QVERIFY(QFile::copy(video, m_video));
    }
    void init()
    {
        m_items.clear();
        // the work folder itself has a hostile name
        ResetCore(m_hostile + "/Cache", QSize(320, 240));
    }
    void cleanup()
    {
        core()->Layers.clear();
        m_items.clear();
    }

    void correctionsLayerAndSrtRun()
    {
        ST_OPTS row = MakeRow(320, 240, m_clip);
        row.hflip = row.vflip = true;
        row.rotate = 1;
        row.crop = true;
        row.cropLeft = 0.1;
        row.cropTop = 0.05;
        row.cropRight = 0.13;
        row.subtitle = true;
        row.subtitlePath = writeSrt(m_hostile + "/" + QString::fromUtf8(kHostile) + ".srt");
        core()->Rows << row;
        ResetCore(m_hostile + "/Cache", QSize(184, 304));
        core()->Rows << row;
        addLayer(2, m_png, QImage(m_png), QPointF(20, 30));
        const QString graph = core()->GetCommandArg(0);
        QVERIFY(graph.startsWith(kFields + "hflip,vflip,transpose=1,crop="));
        QVERIFY(graph.contains("[o];[o]ass="));
        QVERIFY(runNull(m_clip, graph));
    }
    void threeLayersOfEveryKindRun()
    {
        core()->Rows << MakeRow(320, 240, m_clip);
        TestLayerItem* image = addLayer(2, m_png, QImage(m_png), QPointF(10, 10), 1);
        image->GetLayer()->Transparent = 60;
        image->GetLayer()->Fade = 3;
        image->GetLayer()->Animation = 1;
        image->setRotation(30);
        TestLayerItem* video = addLayer(1, m_video, SolidImage(64, 48), QPointF(200, 100), 2);
        video->GetLayer()->StartTime = 500000;
        video->GetLayer()->EndTime = 1500000;
        video->GetLayer()->Animation = 4;
        video->GetLayer()->Loop = 1;
        TestLayerItem* text = addLayer(3, QString::fromUtf8(kHostile), SolidImage(50, 20, Qt::yellow),
                                       QPointF(100, 200), 3);
        text->GetLayer()->Fade = 2;
        text->GetLayer()->StartTime = 1000000;
        text->GetLayer()->Animation = 3;
        text->GetLayer()->Width = 75; // shown larger on the canvas: scaled
        const QString graph = core()->GetCommandArg(0);
        QVERIFY(graph.contains("[o1][m2]"));
        QVERIFY(graph.contains(",scale=75:20"));
        // both pictures lie below a folder whose name looks like a numbered sequence
        QCOMPARE(graph.count(":f=png_pipe:"), 2);
        QVERIFY(runNull(m_clip, graph));
    }
    void editorSubtitlesWithPrefixRun()
    {
        ST_OPTS row = MakeRow(320, 240, m_clip);
        row.vflip = true;
        row.subtitle = true;
        core()->Rows << row;
        ST_ASS_EVENT e;
        e.Start = 0;
        e.End = 1000;
        e.Style = 1;
        e.Text = QString::fromUtf8("Editor's {\\b1}text{\\b0}, [x]; é");
        core()->Subtitle.Events = {e};
        const QString graph = core()->GetCommandArg(0);
        QVERIFY(graph.startsWith(kFields + "vflip,ass="));
        QVERIFY(runNull(m_clip, graph));
    }
    void srtMarkupIsDrawnAsTheConvertersOwn_data()
    {
        QTest::addColumn<QString>("cue");
        QTest::newRow("italic") << "<i>Second line</i> with umlauts \xc3\xa4\xc3\xbc";
        QTest::newRow("bold, underline, strike-out, colour by number")
            << "<b>Bold</b> <u>under</u> <s>struck</s> <font color=\"#00ff00\">Green</font> not";
        QTest::newRow("nested") << "<b>B <i>BI <font color=blue>blue <u>U</u></font> BI</i></b> no";
        QTest::newRow("unclosed") << "<i>Italic to\nthe end <b>of the cue";
        QTest::newRow("upper case, colour by name") << "<I>Italic</I> <FONT COLOR=Yellow>yellow</FONT>";
        QTest::newRow("unknown tag, lone <, < and >") << "<ruby>Kanji</ruby> <rt>more 1 < 2 and c > d, x <i";
    }
    // Burnt as the converter's SRT decoder has the cue, by the same filter ("subtitles" shapes text simpler).
    void srtMarkupIsDrawnAsTheConvertersOwn()
    {
        QFETCH(QString, cue);
        const QString srt = writeSrt(m_dir.filePath("cue.srt"), cue.toUtf8()), converted = srt + ".ass";
        QVERIFY(TestMedia::RunConverter({"-i", srt, converted}));
        core()->Subtitle.setFileName(converted); // the style the rows' cues are dressed in
        QVERIFY(core()->Subtitle.ASSParser());
        core()->Rows << MakeRow(320, 240, m_clip);
        core()->Rows[0].subtitle = true;
        core()->Rows[0].subtitlePath = srt;
        const QImage theirs = firstFrame(m_clip, "ass=" + FilterText::Path(converted), "theirs");
        QVERIFY(!theirs.isNull() && theirs != firstFrame(m_clip, "null", "plain"));
        QCOMPARE(firstFrame(m_clip, core()->GetCommandArg(0), "ours"), theirs);
    }
    void assFileWithHostileNameRuns()
    {
        const QString path = m_hostile + "/ " + QString::fromUtf8(kHostile) + ".ass ";
        SubtitleParser document;
        ST_ASS_EVENT e;
        e.End = 1000;
        e.Style = 1;
        e.Text = "Hi";
        document.Events = {e};
        QVERIFY(document.SaveASS(path));
        ST_OPTS row = MakeRow(320, 240, m_clip);
        row.subtitle = true;
        row.subtitlePath = path;
        core()->Rows << row;
        const QString graph = core()->GetCommandArg(0);
        QCOMPARE(graph, kFields + "ass=" + FilterText::Path(path));
        QVERIFY(runNull(m_clip, graph));
    }
    void fadeOutUsesTheRowsOwnDuration()
    {
        core()->Rows << MakeRow(320, 240, m_clip); // 2 s
        TestLayerItem* item = addLayer(2, m_png, QImage(m_png), QPointF(0, 0));
        item->GetLayer()->Fade = 2;
        const QString graph = core()->GetCommandArg(0);
        const QRegularExpressionMatch m = QRegularExpression("fade=t=out:st=([0-9.]+):d=0.5:alpha=1").match(graph);
        QVERIFY2(m.hasMatch(), qPrintable(graph));
        QVERIFY(qAbs(m.captured(1).toDouble() - 1.5) < 0.1);
    }
    void fadeTimesNearZeroRun()
    {
        core()->Rows << MakeRow(320, 240, m_clip);
        TestLayerItem* item = addLayer(2, m_png, QImage(m_png), QPointF(0, 0));
        item->GetLayer()->Fade = 3;
        item->GetLayer()->StartTime = 50;
        item->GetLayer()->EndTime = 500040;
        const QString graph = core()->GetCommandArg(0);
        QVERIFY2(!graph.contains(QRegularExpression("st=[0-9.]+e")), qPrintable(graph));
        QVERIFY(runNull(m_clip, graph));
    }

    // A bar moving across woven fields is combed in every frame. The graph
    // (the previews play it too) deinterlaces it before the layer, whether its
    // stream tells its field order or only its pictures do (DV), turned upright
    // or as a video layer. Pictures decoded whole pass as they were decoded.
    void interlacedSourcesComeOutWhole()
    {
        addLayer(2, m_png, QImage(m_png), QPointF(20, 30));
        const QString hd = "1920x1080 tff mpeg2video -flags +ilme+ildct -top 1 ";
        for (const QString& made : {hd + "i.ts", hd + "turned.mp4", hd + "layer.ts",
                                    QString("720x576 bff dvvideo -pix_fmt yuv420p i.dv"),
                                    QString("1920x1080 tff libx264 -flags +ilme+ildct -x264opts tff=1 i.m2ts"),
                                    QString("720x576 tff mpeg2video -flags +ilme+ildct -top 1 turned-layer.mp4"),
                                    QString("320x240 progressive libx264 -field_order tt tt.mkv"), // the layers go here
                                    QString("720x576 tff mpeg2video -flags +ilme+ildct -top 1 mixed.ts")}) {
            QStringList coding = made.split(' ');
            const QString size = coding.takeFirst(), scan = coding.takeFirst(), name = coding.takeLast();
            const bool whole = scan == "progressive";
            const QString back = name.startsWith("turned") ? "transpose=clock" : "null";
            QString source = m_dir.filePath(name), input = source, output = source + ".mkv";
            const QString moving = "color=black:r=50:s=" + size + "[b];color=white:r=50:s=60x" + size.section('x', 1)
                + "[w];[b][w]overlay=x='mod(t*600\\,600)'";
            const QString bar = whole ? "testsrc2=r=25:s=" + size : moving + ",interlace=scan=" + scan;
            QVERIFY(TestMedia::RunConverter(QStringList{"-f", "lavfi", "-t", "1", "-i", bar, "-c:v"} + coding << source));
            const bool mixed = name.startsWith("mixed");
            if (mixed) { // a broadcast turning from film to video, whose headers say progressive
                QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-t", "1", "-i", moving + ",fps=25", "-c:v", "mpeg2video", source + "0.ts"}));
                QVERIFY(TestMedia::RunConverter({"-i", "concat:" + source + "0.ts|" + source, "-c", "copy", source + ".ts"}));
                input = source += ".ts";
            }
            if (back != "null") // a phone's tag: the converter turns the picture a quarter counter-clockwise
                input = source = TestMedia::TagRotation(source, m_dir.filePath("tagged.mp4"), 90);
            const ST_MEDIA_INFO probed = ProbeMediaInfo(source);
            if (whole)
                core()->Layers.clear();
            if (name.contains("layer")) { // over a progressive video, as the canvas reads it
                input = TestMedia::MakeSolidVideo(m_dir.path(), "black", "black.mp4", 1.0, probed.width, probed.height);
                ResetCore(m_hostile + "/Cache", probed.ShownSize());
                TestLayerItem* layer = addLayer(1, source, SolidImage(probed.width, probed.height), QPointF(0, 0));
                QImage picture;
                GetShownMediaImage(source.toUtf8().constData(), &picture, 0, nullptr, &layer->GetLayer()->Clip);
            }
            core()->Rows = {MakeRow(probed.width, probed.height, input)};
            const QString graph = core()->GetCommandArg(0);
            QVERIFY(TestMedia::RunConverter({"-i", input, "-vf", graph.isEmpty() ? "null" : graph, "-c:v", "ffv1", output}));
            QProcess psnr; // of pictures whose container alone claims woven fields, against their source
            const QString cut = QString("trim=end_frame=") + (mixed ? "12" : "99") + ",setpts=PTS-STARTPTS"; // the film, in a mixed one
            psnr.start(TestMedia::Converter(), {"-i", output, "-i", source, "-lavfi", "[0]" + cut + "[a];[1]" + cut + "[b];[a][b]psnr", "-f", "null", "-"});
            const QString dB = QRegularExpression("average:(\\S+)").match(psnr.waitForFinished(60000) ? psnr.readAllStandardError() : "").captured(1);
            int frames[2] = {};
            QVERIFY2(whole ? probed.picture.fields == PictureFields::Woven && (dB == "inf" || dB.toDouble() >= 50)
                           : woven(source, back, frames) > 15 && woven(output, back, frames + 1) == 0,
                     qPrintable(made));
            QVERIFY(!mixed || (probed.picture.fields == PictureFields::Progressive && dB == "inf" && frames[0] == frames[1]));
            QCOMPARE(TestMedia::ProbeJson(output)["streams"].toArray().first()["field_order"].toString(), QString("progressive"));
        }
    }
    void layerStandsAtItsPlace_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("fade");
        QTest::addColumn<qreal>("angle");
        QTest::newRow("plain") << "" << 100 << 0 << 0.0;
        QTest::newRow("hostile path") << "hostile" << 100 << 0 << 0.0;
        // an opaque picture still lets half the video through
        QTest::newRow("half transparent") << "" << 50 << 0 << 0.0;
        // fading in at 0: the first frame shows the video, not a black shape
        QTest::newRow("fading in") << "" << 100 << 1 << 0.0;
        // the corners a turn uncovers stay transparent, not black
        QTest::newRow("turned") << "" << 100 << 0 << 30.0;
    }
    void layerStandsAtItsPlace()
    {
        QFETCH(QString, file);
        QFETCH(int, opacity);
        QFETCH(int, fade);
        QFETCH(qreal, angle);
        const QString png = file.isEmpty() ? m_dir.path() + "/blue.png" : m_png;
        // the canvas shows the frame at half size: the layer doubles
        ResetCore(m_hostile + "/Cache", QSize(160, 120));
        core()->Rows << MakeRow(320, 240, m_red);
        TestLayerItem* item = addLayer(2, png, QImage(png), QPointF(50, 25)); // 40 x 30 -> 80 x 60 at (100, 50)
        item->GetLayer()->Transparent = opacity;
        item->GetLayer()->Fade = fade;
        item->setRotation(angle);
        const QImage frame = firstFrame(m_red, core()->GetCommandArg(0), QTest::currentDataTag());
        QCOMPARE(frame.size(), QSize(320, 240));
        QVERIFY(isRed(frame.pixelColor(10, 10)));
        QVERIFY(isRed(frame.pixelColor(95, 45)));
        QVERIFY(isRed(frame.pixelColor(185, 115)));
        const QColor inside = frame.pixelColor(140, 80);
        const QColor corner = frame.pixelColor(175, 105);
        if (angle != 0.0) {
            // bounding box (90, 34) 99 x 91: its corner shows the video
            QVERIFY(core()->GetCommandArg(0).contains(":ow=99:oh=91:"));
            QVERIFY2(isRed(frame.pixelColor(92, 36)), qPrintable(frame.pixelColor(92, 36).name()));
            QVERIFY2(isBlue(inside), qPrintable(inside.name()));
        } else if (fade == 1) {
            QVERIFY2(isRed(inside), qPrintable(inside.name()));
        } else if (opacity == 50) {
            QVERIFY2(inside.red() > 90 && inside.red() < 170 && inside.blue() > 90 && inside.blue() < 170,
                     qPrintable(inside.name()));
        } else {
            QVERIFY2(isBlue(inside), qPrintable(inside.name()));
            QVERIFY2(isBlue(corner), qPrintable(corner.name()));
        }
    }

    // A picture that animates plays as its file does, each picture for its
    // own time and the whole again; a still one stays. The file: red for
    // 0.4 s, blue for 1 s, red for 1 s.
    void picturesPlayAsTheirFileDoes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("colours"); // at 0.2 s, 1.2 s and 2.2 s
        QTest::newRow("APNG") << "played.png" << "apng" << "rbr";
        QTest::newRow("GIF") << "played.gif" << "gif" << "rbr";
        QTest::newRow("still") << "still.png" << "png_pipe" << "rrr";
        QTest::newRow("video of a variable rate") << "played.mp4" << "mp4" << "rbr";
    }
    void picturesPlayAsTheirFileDoes()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QFETCH(QString, colours);
        const QString file = m_dir.filePath(name);
        const QStringList kind = format == "png_pipe" ? QStringList{"-frames:v", "1"} : QStringList{"-f", format};
        QVERIFY(TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i", "color=red:s=40x30:r=5:d=1.6,drawbox="
                                                    "c=blue:t=fill:enable='between(t,0.3,1.3)',mpdecimate", "-vsync",
                                                    "vfr"} + kind + QStringList{file}));
        core()->Rows << MakeRow(320, 240, m_clip);
        addLayer(format == "mp4" ? 1 : 2, file, QImage(40, 30, QImage::Format_RGB32), QPointF(0, 0));
        const QString graph = core()->GetCommandArg(0);
        QVERIFY2(graph.contains(":f=" + format + ":") || format == "mp4", qPrintable(graph));
        const QString frames = m_dir.filePath(format + "%d.png");
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=black:s=320x240:r=25:d=2.4", "-vf",
                                         graph + ",select='eq(n,5)+eq(n,30)+eq(n,55)'", "-vsync", "vfr", frames}));
        QString seen;
        for (int i = 1; i <= 3; ++i) {
            const QColor c = QImage(QString(frames).replace("%d", QString::number(i))).pixelColor(20, 15);
            seen += isRed(c) ? 'r' : isBlue(c) ? 'b' : '?';
        }
        QCOMPARE(seen, colours);
    }

    // Every number a project may give a layer, at the ends of what the
    // project reader keeps, makes a graph the converter runs. The layer
    // otherwise moves, fades, stands in a time window and is half seen.
    void layerValuesAtTheirEndsRun_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("value");
        const qint64 lastTime = 24LL * 3600 * 1000000 - 1000;
        const QList<QPair<const char*, QPair<qint64, qint64>>> ends{
            {"Type", {1, 3}},          {"x", {-100000, 100000}},     {"y", {-100000, 100000}},
            {"Width", {0, 100000}},    {"Height", {0, 100000}},      {"Keep", {0, 1}},
            {"Angle", {-1000000, 1000000}}, {"Transparent", {INT_MIN, INT_MAX}}, {"Animation", {INT_MIN, INT_MAX}},
            {"Speed", {INT_MIN, INT_MAX}}, {"Direction", {INT_MIN, INT_MAX}}, {"Loop", {INT_MIN, INT_MAX}},
            {"StartTime", {0, lastTime}}, {"EndTime", {0, lastTime}},   {"Fade", {INT_MIN, INT_MAX}}};
        for (const auto& e : ends) {
            QTest::addRow("%s lowest", e.first) << QString(e.first) << e.second.first;
            QTest::addRow("%s highest", e.first) << QString(e.first) << e.second.second;
        }
    }
    void layerValuesAtTheirEndsRun()
    {
        QFETCH(QString, field);
        QFETCH(qint64, value);
        core()->Rows << MakeRow(320, 240, m_clip);
        const int kind = field == "Type" ? int(value) : 2;
        TestLayerItem* item = addLayer(kind, kind == 1 ? m_video : m_png, QImage(m_png), QPointF(20, 30));
        CLayerInfo& l = *item->GetLayer();
        l.Animation = 1;
        l.Fade = 3;
        l.StartTime = 200000;
        l.EndTime = 1000000;
        l.Transparent = 60;
        const QHash<QString, int32_t*> numbers{{"Width", &l.Width},       {"Height", &l.Height},
                                               {"Transparent", &l.Transparent}, {"Animation", &l.Animation},
                                               {"Speed", &l.Speed},       {"Direction", &l.Direction},
                                               {"Loop", &l.Loop},         {"Fade", &l.Fade}};
        if (int32_t* number = numbers.value(field))
            *number = int32_t(value);
        const QHash<QString, int64_t*> times{{"StartTime", &l.StartTime}, {"EndTime", &l.EndTime}};
        if (int64_t* time = times.value(field))
            *time = value;
        if (field == "x" || field == "y")
            item->setPos(field == "x" ? QPointF(value, 30) : QPointF(20, value));
        if (field == "Angle")
            item->setRotation(double(value));
        l.Keep = field != "Keep" || value != 0;
        const QString graph = core()->GetCommandArg(0);
        QVERIFY(TestMedia::RunConverter(
            {"-f", "lavfi", "-i", "testsrc2=s=320x240:d=0.4", "-vf", graph.isEmpty() ? "null" : graph, "-f", "null", "-"}));
    }

    // A canvas of another shape than the row: one factor, a third, for both
    // sides; a layer between the edges keeps its distance from the centre.
    void layerKeepsItsShapeOnAnotherShape()
    {
        const QString red = TestMedia::MakeSolidVideo(m_dir.path(), "red", "red640.mp4", 1.0, 640, 480);
        const QString png = TestMedia::MakeImage(m_dir.path(), "blue300.png", 300, 180, "blue");
        QVERIFY(!red.isEmpty() && !png.isEmpty());
        ResetCore(m_hostile + "/Cache", QSize(1920, 1080));
        core()->Rows << MakeRow(640, 480, red);
        addLayer(2, png, QImage(png), QPointF(960, 540));
        const QImage frame = firstFrame(red, core()->GetCommandArg(0), "aspect");
        QCOMPARE(frame.size(), QSize(640, 480));
        const QRect blue = ImageChecks::Box(frame, isBlue);
        QVERIFY2(ImageChecks::Near(QRectF(blue), QRectF(320, 240, 100, 60), 2.0), qPrintable(ImageChecks::Text(blue)));
    }
};

QTEST_MAIN(TestGraphRun)
#include "tst_graphrun.moc"
