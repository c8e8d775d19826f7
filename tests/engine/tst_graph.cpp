// Exact filter-graph texts of Core::GetCommandArg and its pieces.
#include <QtTest>

#include "Core.h"
#include "FileSizeLimit.h"
#include "FilterText.h"
#include "LayerFiles.h"
#include "TestLayerItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

class TestGraph : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<TestLayerItem>> m_items;

    Core* core() { return Core::instance(); }
    QString work() const { return m_dir.path() + "/Cache"; }
    // Where the layers' files "/u/..." and "/t/..." are.
    QString files() const { return m_dir.path() + "/files"; }

    // A layer announced to Core at a place on the canvas. Its file, when
    // named "/u/..." or "/t/...", is made in the test's own folder.
    TestLayerItem* addLayer(int kind, QString file, QImage image, QPointF pos, qreal z = 1, qreal angle = 0)
    {
        if (file.startsWith("/u/") || file.startsWith("/t/")) {
            file.prepend(files());
            QDir().mkpath(QFileInfo(file).path());
            QFile(file).open(QIODevice::WriteOnly);
            // A picture layer's file holds its picture, of the kind its name says.
            if (kind == 2)
                image.save(file);
        }
        m_items.push_back(std::make_unique<TestLayerItem>(kind, file, image));
        TestLayerItem* item = m_items.back().get();
        item->setPos(pos);
        item->setZValue(z);
        item->setRotation(angle);
        core()->onAddLayer(item);
        return item;
    }
    QString ass(const QString& path) { return "ass=" + FilterText::Path(path); }
    // The graph of row 0 with the layers' files by their short names.
    QString graph() { return core()->GetCommandArg(0).replace("'" + files(), "'"); }

    static const char* oneLayerText()
    {
        return "movie='/u/a.png':f=png_pipe:loop=0,setpts=N/FRAME_RATE/TB,"
               "rotate='0:ow=200:oh=100:c=0x00000000'[m];[in][m]overlay=100:50:eof_action=pass";
    }

private slots:
    void init()
    {
        m_items.clear();
        ResetCore(work(), QSize(1920, 1080));
    }
    void cleanup()
    {
        core()->Layers.clear();
        m_items.clear();
    }

    // A picture layer's file is read once for all rows and graphs while it
    // is the same file, under any name, with the same content; rows then
    // share the work picture of a kind the converter does not read itself.
    void layerFileIsReadOncePerFileAndContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("still picture") << "/u/once.png";
        QTest::newRow("icon file, through a work picture") << "/u/once.ico";
    }
    void layerFileIsReadOncePerFileAndContent()
    {
        QFETCH(QString, name);
        core()->Rows << MakeRow(1920, 1080) << MakeRow(1920, 1080);
        TestLayerItem* item = addLayer(2, name, SolidImage(32, 32), QPointF(100, 50));
        const QByteArray linked = QFile::encodeName(item->GetLayer()->FileName + ".linked");
        ::unlink(linked.constData());
        QVERIFY(::link(QFile::encodeName(item->GetLayer()->FileName).constData(), linked.constData()) == 0);
        const int before = LayerFiles::Readings();
        const QString first = core()->GetCommandArg(0);
        QVERIFY(!first.isEmpty());
        QCOMPARE(core()->GetCommandArg(1), first);
        // Read by the name the layer gives, unless through the work picture.
        item->GetLayer()->FileName = QFile::decodeName(linked);
        QCOMPARE(core()->GetCommandArg(0).contains(".linked"), !first.contains(work()));
        QCOMPARE(LayerFiles::Readings() - before, 1);
        const struct timespec times[2] = {{1, 0}, {1, 0}};
        QVERIFY(::utimensat(AT_FDCWD, linked.constData(), times, 0) == 0);
        QVERIFY(!core()->GetCommandArg(1).isEmpty());
        QCOMPARE(LayerFiles::Readings() - before, 2);
        // Its times set back, as cp -p leaves a file it wrote over: its change time tells.
        const QDateTime was = QFileInfo(QFile::decodeName(linked)).metadataChangeTime();
        QTRY_VERIFY_WITH_TIMEOUT(::utimensat(AT_FDCWD, linked.constData(), times, 0) == 0
                                     && QFileInfo(QFile::decodeName(linked)).metadataChangeTime() != was, 5000);
        QVERIFY(!core()->GetCommandArg(0).isEmpty());
        QCOMPARE(LayerFiles::Readings() - before, 3);
    }

    void escapesPathsForBothParsers()
    {
        QCOMPARE(FilterText::Path("/u/a.png"), QString("'/u/a.png'"));
        QCOMPARE(FilterText::EscapeOption("C:\\a'b"), QString("C\\:\\\\a\\'b"));
        QCOMPARE(FilterText::QuoteGraph("it's"), QString("'it'\\''s'"));
        QCOMPARE(FilterText::Path("/t/it's:a.png"), QString("'/t/it\\'\\''s\\:a.png'"));
        QCOMPARE(FilterText::EscapeOption("/t/a=b"), QString("/t/a\\=b"));
        // brackets, commas, semicolons and % are safe inside the quotes
        QCOMPARE(FilterText::Path("/t/[a],b;%2 é.png"), QString("'/t/[a],b;%2 é.png'"));
        // blanks at the ends survive the option parser, inner ones need nothing
        QCOMPARE(FilterText::EscapeOption(" a b \t"), QString("\\ a b\\ \\\t"));
    }
    void formatsNumbersLikeTheConverterExpects()
    {
        QCOMPARE(FilterText::Seconds(1500000), QString("1.5"));
        QCOMPARE(FilterText::Seconds(12345678), QString("12.3457"));
        QCOMPARE(FilterText::Seconds(0), QString("0"));
        QCOMPARE(FilterText::SecondsOffset(12345678, -0.5), QString("11.8457"));
        QCOMPARE(FilterText::SecondsOffset(200000, -0.5), QString("0"));
        // printf's %g: halfway cases round to even, exponent below 0.0001 and from 1e6
        QCOMPARE(FilterText::Seconds(1000125000), QString("1000.12"));
        QCOMPARE(FilterText::Seconds(2000625000), QString("2000.62"));
        QCOMPARE(FilterText::SecondsOffset(1000625000, -0.5), QString("1000.12"));
        QCOMPARE(FilterText::Real(123456.5), QString("123456"));
        QCOMPARE(FilterText::Real(0.0001), QString("0.0001"));
        QCOMPARE(FilterText::Real(0.00005), QString("5e-05"));
        QCOMPARE(FilterText::Real(1e6), QString("1e+06"));
        QCOMPARE(FilterText::Real(-0.5235), QString("-0.5235"));
        QCOMPARE(core()->GetCommandOverlay(0, 0, 1000125000, 0, 0, 0),
                 QString("overlay='if(gte(t,1000.12),0,NAN)':0:eof_action=pass"));
        QCOMPARE(FilterText::Trunc(qInf()), INT_MAX);
        QCOMPARE(FilterText::Trunc(-qInf()), INT_MIN);
        QCOMPARE(FilterText::Trunc(qQNaN()), 0);
        QCOMPARE(FilterText::Trunc(-7.9), -7);
    }

    void oneLayer_data()
    {
        QTest::addColumn<bool>("hflip");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << false << QString(oneLayerText());
        QTest::newRow("after a flip") << true << QString("hflip[in];") + oneLayerText();
    }
    void oneLayer()
    {
        QFETCH(bool, hflip);
        QFETCH(QString, expected);
        core()->Rows << MakeRow(1920, 1080);
        core()->Rows[0].hflip = hflip;
        addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(100, 50));
        QCOMPARE(graph(), expected);
    }

    void threeLayersInZOrder()
    {
        core()->Rows << MakeRow(1920, 1080);
        // announced out of z order: the graph and the list follow z
        TestLayerItem* c = addLayer(2, "/u/c.png", SolidImage(20, 10), QPointF(30, 30), 3);
        TestLayerItem* a = addLayer(1, "/u/a.mp4", SolidImage(20, 10), QPointF(10, 10), 1);
        TestLayerItem* b = addLayer(2, "/u/b.png", SolidImage(20, 10), QPointF(20, 20), 2);
        const QString tail = ":loop=0,setpts=N/FRAME_RATE/TB,rotate='0:ow=20:oh=10:c=0x00000000'";
        const QString clip = ":loop=0,setpts='if(eq(N,0),st(1,0)+PTS-STARTPTS,PREV_OUTPTS+if(lte(PTS,PREV_INPTS),ld(1),"
                             "st(1,PTS-PREV_INPTS)))',bwdif=mode=send_frame:deint=interlaced,rotate='0:ow=20:oh=10:c=0x00000000'";
        const QString expected = "movie='/u/a.mp4'" + clip + "[m0];"
                                 "movie='/u/b.png':f=png_pipe" + tail + "[m1];"
                                 "movie='/u/c.png':f=png_pipe" + tail + "[m2];"
                                 "[in][m0]overlay=10:10:eof_action=pass[o0];"
                                 "[o0][m1]overlay=20:20:eof_action=pass[o1];"
                                 "[o1][m2]overlay=30:30:eof_action=pass";
        QCOMPARE(graph(), expected);
        QCOMPARE(core()->Layers, (QList<QWatermarkBase*>{a, b, c}));
    }
    void equalZKeepsBothLayers()
    {
        core()->Rows << MakeRow(1920, 1080);
        TestLayerItem* a = addLayer(2, "/u/a.png", SolidImage(20, 10), QPointF(10, 10), 5);
        TestLayerItem* b = addLayer(2, "/u/b.png", SolidImage(20, 10), QPointF(20, 20), 5);
        const QString graph = this->graph();
        // either order may result, but each layer is drawn once
        QCOMPARE(graph.count("movie='/u/a.png':f=png_pipe"), 1);
        QCOMPARE(graph.count("movie='/u/b.png':f=png_pipe"), 1);
        QVERIFY(graph.endsWith("[o0][m1]overlay=20:20:eof_action=pass")
                || graph.endsWith("[o0][m1]overlay=10:10:eof_action=pass"));
        QCOMPARE(core()->Layers.size(), 2);
        QVERIFY(core()->Layers.contains(a) && core()->Layers.contains(b));
    }
    void twoLayersHaveNoLabelAfterTheLast()
    {
        core()->Rows << MakeRow(1920, 1080);
        addLayer(2, "/u/a.png", SolidImage(20, 10), QPointF(0, 0), 1);
        addLayer(2, "/u/b.png", SolidImage(20, 10), QPointF(0, 0), 2);
        const QString graph = this->graph();
        QVERIFY(graph.contains("[in][m0]overlay=0:0:eof_action=pass[o0];[o0][m1]overlay=0:0:eof_action=pass"));
        QVERIFY(graph.endsWith("[o0][m1]overlay=0:0:eof_action=pass"));
    }

    void layerOptions_data()
    {
        QTest::addColumn<int>("opacity");
        QTest::addColumn<qreal>("angle");
        QTest::addColumn<QString>("chain");
        QTest::newRow("opacity 50") << 50 << 0.0 << ",format=rgba,colorchannelmixer=aa=0.5,rotate='0:ow=200:oh=100:c=0x00000000'";
        QTest::newRow("opacity 100") << 100 << 0.0 << ",rotate='0:ow=200:oh=100:c=0x00000000'";
        QTest::newRow("opacity 0") << 0 << 0.0 << ",format=rgba,colorchannelmixer=aa=0,rotate='0:ow=200:oh=100:c=0x00000000'";
        // a quarter turn about the centre: the bounding box stands upright
        QTest::newRow("angle 90") << 100 << 90.0 << ",format=rgba,rotate='1.5705:ow=100:oh=200:c=0x00000000'";
    }
    void layerOptions()
    {
        QFETCH(int, opacity);
        QFETCH(qreal, angle);
        QFETCH(QString, chain);
        core()->Rows << MakeRow(1920, 1080);
        TestLayerItem* item = addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(100, 50), 1, angle);
        item->GetLayer()->Transparent = opacity;
        const QString graph = this->graph();
        QVERIFY2(graph.startsWith("movie='/u/a.png':f=png_pipe:loop=0,setpts=N/FRAME_RATE/TB" + chain + "[m];"),
                 qPrintable(graph));
        if (angle == 90.0)
            QVERIFY2(graph.endsWith("overlay=150:0:eof_action=pass"), qPrintable(graph));
    }

    void scalesFromCanvasToSource()
    {
        ResetCore(work(), QSize(960, 540));
        core()->Rows << MakeRow(1920, 1080);
        addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(10, 20));
        QCOMPARE(graph(),
                 QString("movie='/u/a.png':f=png_pipe:loop=0,setpts=N/FRAME_RATE/TB,scale=400:200,"
                         "rotate='0:ow=400:oh=200:c=0x00000000'[m];[in][m]overlay=20:40:eof_action=pass"));
    }
    void scalesAfterCropAndTurn()
    {
        // the canvas shows the frame after turn and crop: 864 x 1920
        ResetCore(work(), QSize(864, 1920));
        ST_OPTS row = MakeRow(1920, 1080);
        row.rotate = 1;
        row.crop = true;
        row.cropLeft = row.cropRight = 0.1;
        core()->Rows << row;
        addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(10, 20));
        QCOMPARE(graph(),
                 QString("transpose=1,crop=864:1920:108:0[in];movie='/u/a.png':f=png_pipe:loop=0,setpts=N/FRAME_RATE/TB,"
                         "rotate='0:ow=200:oh=100:c=0x00000000'[m];[in][m]overlay=10:20:eof_action=pass"));
    }
    // A widescreen DVD picture: the canvas shows 720 x 576 pixels of 64:45
    // at 1024 x 576. Layers go into the pixels squeezed to the nearest one;
    // a turned layer is turned in its shown shape and then squeezed.
    void scalesIntoPixelsThatAreNotSquare()
    {
        ResetCore(work(), QSize(1024, 576));
        core()->Rows << MakeRow(720, 576);
        core()->Rows[0].media.picture.storedAspect = {64, 45};
        addLayer(2, "/u/a.png", SolidImage(48, 48), QPointF(100.5, 50), 1);
        addLayer(2, "/u/b.png", SolidImage(48, 24), QPointF(200, 100), 2, 90);
        QCOMPARE(graph(),
                 QString("movie='/u/a.png':f=png_pipe:loop=0,setpts=N/FRAME_RATE/TB,scale=34:48,"
                         "rotate='0:ow=34:oh=48:c=0x00000000'[m0];"
                         "movie='/u/b.png':f=png_pipe:loop=0,setpts=N/FRAME_RATE/TB,format=rgba,"
                         "rotate='1.5705:ow=24:oh=48:c=0x00000000',scale=17:48[m1];"
                         "[in][m0]overlay=71:50:eof_action=pass[o0];[o0][m1]overlay=149:88:eof_action=pass"));
        // A frame of another shape: one factor for both sides.
        core()->Rows[0].media.picture.storedAspect = {1, 1};
        QVERIFY(graph().contains(",scale=33:16,rotate='1.5705:ow=16:oh=33:c=0x00000000'[m1]"));
        // Rounded into the pixels of a frame of another shape (4:3), a layer at its edge stays inside.
        core()->Rows[0].media.picture.storedAspect = {16, 15};
        addLayer(2, "/u/c.png", SolidImage(32, 16), QPointF(992, 0), 3);
        QVERIFY2(graph().contains("rotate='0:ow=23:oh=12:c=0x00000000'[m2];") && graph().contains("[m2]overlay=697:0:"), qPrintable(graph()));
    }
    void noCanvasMeansNoLayerChains()
    {
        ResetCore(work(), QSize(0, 0));
        core()->Rows << MakeRow(1920, 1080);
        core()->Rows[0].vflip = true;
        addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(10, 20));
        QCOMPARE(graph(), QString("vflip"));
        core()->SetCanvasSizeQuery(nullptr);
        QCOMPARE(graph(), QString("vflip"));
        // a row whose size is unknown cannot place layers either
        ResetCore(work(), QSize(1920, 1080));
        core()->Rows << MakeRow(0, 0);
        addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(10, 20));
        QCOMPARE(graph(), QString());
    }

    void fades_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("end");
        QTest::addColumn<QString>("fade");
        QTest::newRow("in") << 1 << qint64(0) << qint64(0) << ",fade=t=in:st=0:d=0.5:alpha=1";
        QTest::newRow("out at end") << 2 << qint64(0) << qint64(3000000) << ",fade=t=out:st=2.5:d=0.5:alpha=1";
        QTest::newRow("out without end: row duration") << 2 << qint64(0) << qint64(0)
                                                       << ",fade=t=out:st=9.5:d=0.5:alpha=1";
        QTest::newRow("both without end") << 3 << qint64(1000000) << qint64(0)
                                          << ",fade=t=in:st=1:d=0.5:alpha=1,fade=t=out:st=9.5:d=0.5:alpha=1";
        QTest::newRow("both with end") << 3 << qint64(1000000) << qint64(12345678)
                                       << ",fade=t=in:st=1:d=0.5:alpha=1,fade=t=out:st=11.8457:d=0.5:alpha=1";
        QTest::newRow("unknown mode") << 7 << qint64(0) << qint64(0) << "";
        // the fade filter reads its start as a duration, which has no exponent form
        QTest::newRow("times near zero") << 3 << qint64(50) << qint64(500040)
                                         << ",fade=t=in:st=0.000050:d=0.5:alpha=1,fade=t=out:st=0.000040:d=0.5:alpha=1";
    }
    void fades()
    {
        QFETCH(int, mode);
        QFETCH(qint64, start);
        QFETCH(qint64, end);
        QFETCH(QString, fade);
        // no media file: the duration comes from the row's trim end
        ST_OPTS row = MakeRow(1920, 1080, m_dir.path() + "/missing.mp4");
        row.trimEnd = 10000000;
        core()->Rows << row;
        TestLayerItem* item = addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(100, 50));
        item->GetLayer()->Fade = mode;
        item->GetLayer()->StartTime = start;
        item->GetLayer()->EndTime = end;
        const QString graph = this->graph();
        QVERIFY2(graph.contains("rotate='0:ow=200:oh=100:c=0x00000000'" + fade + "[m];"), qPrintable(graph));
    }

    void timedOverlays()
    {
        QCOMPARE(core()->GetCommandOverlay(100, 50, 0, 0, 0, 50), QString("overlay=100:50:eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(100, 50, 2000000, 0, 0, 50),
                 QString("overlay='if(gte(t,2),100,NAN)':50:eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(100, 50, 1500000, 12345678, 0, 50),
                 QString("overlay='if(between(t,1.5,12.3457),100,NAN)':50:eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(100, 50, 0, 3000000, 0, 50),
                 QString("overlay='if(between(t,0,3),100,NAN)':50:eof_action=pass"));
    }
    void movingOverlays()
    {
        QCOMPARE(core()->GetCommandOverlay(10, 20, 0, 0, 1, 50),
                 QString("overlay=-w+mod(((t-0)*50+w+10)\\,W+w):20:eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(10, 20, 0, 0, 2, 50),
                 QString("overlay=W - mod(((t-0)*50+W-10)\\,W+w):20:eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(10, 20, 1500000, 0, 3, 60),
                 QString("overlay='if(gte(t,1.5),10,NAN)':-h+mod(((t-1.5)*60+h+20)\\,H+h):eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(10, 20, 1000000, 4000000, 4, 60),
                 QString("overlay='if(between(t,1,4),10,NAN)':H - mod(((t-1)*60+H-20)\\,H+h):eof_action=pass"));
        QCOMPARE(core()->GetCommandOverlay(10, 20, 0, 0, 9, 60), QString("overlay=10:20:eof_action=pass"));
    }
    void movieChainPieces()
    {
        WatermarkInfo info;
        info.path = "/v/clip.mp4";
        info.loop = 3;
        info.opacity = 75;
        info.scale = true;
        info.w = 64;
        info.h = 48;
        info.angle = 45;
        info.ow = 80;
        info.oh = 80;
        QCOMPARE(core()->GetCommandMovie(&info),
                 QString("movie='/v/clip.mp4':loop=3,setpts=N/FRAME_RATE/TB,format=rgba,colorchannelmixer=aa=0.75,"
                         "scale=64:48,rotate='0.78525:ow=80:oh=80:c=0x00000000'"));
        QCOMPARE(core()->GetCommandMovie(nullptr), QString());
    }

    void hostilePathIsFilledInOnePass()
    {
        core()->Rows << MakeRow(1920, 1080);
        const QString path = "/t/it's a:b,c;[d] %2 %1 é.png";
        TestLayerItem* item = addLayer(2, path, SolidImage(200, 100), QPointF(100, 50));
        item->GetLayer()->Loop = 7;
        QCOMPARE(graph(),
                 QString("movie='/t/it\\'\\''s a\\:b,c;[d] %2 %1 é.png':f=png_pipe:loop=7,setpts=N/FRAME_RATE/TB,"
                         "rotate='0:ow=200:oh=100:c=0x00000000'[m];[in][m]overlay=100:50:eof_action=pass"));
    }

    void sequencePatternsReadOnePicture()
    {
        core()->Rows << MakeRow(1920, 1080);
        addLayer(2, "/u/logo%03d.JPG", SolidImage(200, 100), QPointF(100, 50), 1);
        addLayer(1, "/u/clip%d.mp4", SolidImage(200, 100), QPointF(100, 50), 2);
        addLayer(2, "/u/100%.png", SolidImage(200, 100), QPointF(100, 50), 3);
        const QString graph = this->graph();
        QVERIFY2(graph.startsWith("movie='/u/logo%03d.JPG':f=jpeg_pipe:loop=0,"), qPrintable(graph));
        QVERIFY(graph.contains("[m0];movie='/u/clip%d.mp4':loop=0,"));
        QVERIFY(graph.contains("[m1];movie='/u/100%.png':f=png_pipe:loop=0,"));
    }
    void textLayersWriteTheirPictures()
    {
        core()->Rows << MakeRow(1920, 1080);
        addLayer(3, "Text1", SolidImage(40, 20, Qt::red), QPointF(0, 0), 1);
        addLayer(3, "Text1", SolidImage(30, 10, Qt::green), QPointF(0, 0), 2); // same name: own file
        addLayer(3, "a/b", SolidImage(30, 10, Qt::green), QPointF(0, 0), 3);
        const QString graph = this->graph();
        const QString first = core()->WorkFolder() + "/Text1.png";
        const QString second = core()->WorkFolder() + "/Text1_2.png";
        const QString third = core()->WorkFolder() + "/a_b.png";
        QVERIFY2(graph.startsWith("movie=" + FilterText::Path(first)), qPrintable(graph));
        QVERIFY(graph.contains("movie=" + FilterText::Path(second)));
        QVERIFY(graph.contains("movie=" + FilterText::Path(third)));
        QImage image(first);
        QCOMPARE(image.size(), QSize(40, 20));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(QImage(second).size(), QSize(30, 10));
    }
    void layerWithoutSizeOrKindIsLeftOut()
    {
        core()->Rows << MakeRow(1920, 1080);
        addLayer(0, "", SolidImage(20, 10), QPointF(0, 0), 1);
        addLayer(2, "/u/empty.png", QImage(), QPointF(0, 0), 2);
        // A text that renders to nothing (blanks only) has no picture to write.
        TestLayerItem* blank = addLayer(3, "Blank", QImage(), QPointF(0, 0), 3);
        blank->GetLayer()->Width = 20;
        blank->GetLayer()->Height = 10;
        ST_ROW_PROBLEM problem;
        QCOMPARE(core()->GetCommandArg(0, &problem), QString());
        QVERIFY2(problem.isEmpty(), qPrintable(problem.text));
    }
    void destroyedItemLeavesTheList()
    {
        core()->Rows << MakeRow(1920, 1080);
        addLayer(2, "/u/a.png", SolidImage(20, 10), QPointF(0, 0));
        m_items.clear();
        QVERIFY(core()->Layers.isEmpty());
        QCOMPARE(core()->GetCommandArg(0), QString());
    }
    // --- subtitles ---
private:
    static QByteArray readAll(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString writeSrt(const QString& name, const QString& text)
    {
        const QString path = m_dir.path() + "/" + name;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write("1\n00:00:00,200 --> 00:00:01,500\n" + text.toUtf8() + "\n\n");
        return path;
    }
    void editorEvent(const QString& text)
    {
        ST_ASS_EVENT e;
        e.Start = 100;
        e.End = 900;
        e.Style = 1;
        e.Text = text;
        core()->Subtitle.Events = {e};
    }

private slots:
    void subtitlesAlone_data()
    {
        QTest::addColumn<bool>("hflip");
        QTest::addColumn<bool>("layer");
        QTest::addColumn<QString>("head");
        QTest::newRow("alone") << false << false << "";
        QTest::newRow("with a prefix") << true << false << "hflip,";
        QTest::newRow("with layers") << false << true << QString(oneLayerText()) + "[o];[o]";
        QTest::newRow("prefix and layers") << true << true << QString("hflip[in];") + oneLayerText() + "[o];[o]";
    }
    void subtitlesAlone()
    {
        QFETCH(bool, hflip);
        QFETCH(bool, layer);
        QFETCH(QString, head);
        ST_OPTS row = MakeRow(1920, 1080, "/v/clip.mp4");
        row.hflip = hflip;
        row.subtitle = true;
        core()->Rows << row;
        if (layer)
            addLayer(2, "/u/a.png", SolidImage(200, 100), QPointF(100, 50));
        editorEvent("From the editor");
        const QString file = core()->SubtitleWorkFile(0);
        QVERIFY(file.startsWith(core()->WorkFolder() + "/subtitle_0_"));
        QCOMPARE(graph(), head + ass(file));
        QVERIFY(readAll(file).contains(",From the editor"));
    }
    void existingAssIsUsedAsItIs()
    {
        const QString path = m_dir.path() + "/it's [x].ass";
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        ST_OPTS row = MakeRow(1920, 1080, "/v/clip.mp4");
        row.subtitle = true;
        row.subtitlePath = path;
        core()->Rows << row;
        QCOMPARE(core()->GetCommandArg(0), ass(path));
        // the flag off: no subtitles at all
        core()->Rows[0].subtitle = false;
        QCOMPARE(core()->GetCommandArg(0), QString());
    }
    void srtIsConvertedWithoutTouchingTheEditor()
    {
        const QString srt = writeSrt("a.srt", "Row zero");
        const QString srt2 = writeSrt("b.SRT", "Row one");
        QFile::setPermissions(srt, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        ST_OPTS row = MakeRow(1920, 1080, "/v/zero.mp4");
        row.subtitle = true;
        row.subtitlePath = srt;
        ST_OPTS row1 = MakeRow(1920, 1080, "/v/one.mp4");
        row1.subtitle = true;
        row1.subtitlePath = srt2;
        core()->Rows << row << row1;
        editorEvent("Being edited");
        core()->Subtitle.setFileName("/e/edited.ass");

        // a Run builds every graph first: each row keeps its own file
        const QString g0 = core()->GetCommandArg(0);
        const QString g1 = core()->GetCommandArg(1);
        QCOMPARE(g0, ass(core()->SubtitleWorkFile(0)));
        QCOMPARE(g1, ass(core()->SubtitleWorkFile(1)));
        QVERIFY(core()->SubtitleWorkFile(0) != core()->SubtitleWorkFile(1));
        const QByteArray a0 = readAll(core()->SubtitleWorkFile(0));
        const QByteArray a1 = readAll(core()->SubtitleWorkFile(1));
        QVERIFY(a0.contains("Dialogue: 0,0:00:00.20,0:00:01.50,Default,,0000,0000,0000,,Row zero"));
        QVERIFY(!a0.contains("Row one"));
        QVERIFY(a1.contains(",Row one"));
        // the editor's document is as it was
        QCOMPARE(core()->Subtitle.Events.size(), 1);
        QCOMPARE(core()->Subtitle.Events[0].Text, QString("Being edited"));
        QCOMPARE(core()->Subtitle.fileName(), QString("/e/edited.ass"));
        QVERIFY(!core()->Subtitle.isOpen());
        // no work files left half-written beside the results
        const QStringList leftovers = QDir(core()->WorkFolder()).entryList(QDir::Files).filter(QRegularExpression("\\.(part|tmp)|~"));
        QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(' ')));
    }
    void editorStylesDressConvertedSrt()
    {
        const QString srt = writeSrt("c.srt", "Styled");
        core()->Subtitle.Styles[0].FontName = "DejaVu Sans";
        core()->Subtitle.PlayResX = 640;
        ST_OPTS row = MakeRow(640, 480, "/v/c.mp4");
        row.subtitle = true;
        row.subtitlePath = srt;
        core()->Rows << row;
        core()->GetCommandArg(0);
        const QByteArray text = readAll(core()->SubtitleWorkFile(0));
        QVERIFY(text.contains("Style: Default,DejaVu Sans,"));
        QVERIFY(text.contains("PlayResX: 640"));
    }
    // A file the graph reads that is not there as it should be, or a work
    // file that cannot be written: no graph at all (never one lacking that
    // file, nor one with another row's), and a sentence naming the file.
    void unpreparedInputsGiveNoGraph_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text"); // the start of it
        QTest::newRow("subtitle file gone") << "gone" << "Subtitle file missing: a.srt";
        QTest::newRow("subtitle file is a pipe") << "pipe" << "Not a regular file: a.srt";
        QTest::newRow("no work folder can be made") << "blocked" << "Cannot write a work file: subtitle_0_";
        QTest::newRow("a folder at the work file's name") << "taken" << "Cannot write a work file: subtitle_0_";
        QTest::newRow("disk full") << "full" << "Cannot write a work file: subtitle_0_";
        QTest::newRow("picture layer gone") << "layer gone" << "File missing: logo.png";
        QTest::newRow("picture layer holding no picture") << "layer no picture" << "Cannot read the picture: logo.png";
        QTest::newRow("text picture cannot be written") << "text taken" << "Cannot write a work file: Text1.png";
        QTest::newRow("text picture cut short, disk full") << "text full" << "Cannot write a work file: Text2.png";
    }
    void unpreparedInputsGiveNoGraph()
    {
        QFETCH(QString, how);
        QFETCH(QString, text);
        if (how == "blocked") {
            // the work folder would lie below a regular file
            const QString blocker = m_dir.path() + "/blocker";
            QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
            ResetCore(blocker + "/Cache", QSize(1920, 1080));
        }
        QTemporaryDir here;
        const QString srt = here.filePath("a.srt");
        const QString logo = here.filePath("logo.png");
        QVERIFY(QFile::copy(writeSrt("a.srt", "Not this one"), srt));
        QVERIFY(QFile(logo).open(QIODevice::WriteOnly));
        ST_OPTS row = MakeRow(1920, 1080, "/v/clip.mp4");
        row.hflip = true;
        row.subtitle = !how.contains("layer") && !how.contains("text");
        row.subtitlePath = srt;
        core()->Rows << row;
        editorEvent("Nor this one");
        std::unique_ptr<FileSizeLimit> full;
        if (how == "gone" || how == "pipe" || how == "layer gone")
            QVERIFY(QFile::remove(how == "layer gone" ? logo : srt));
        if (how == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(srt).constData(), 0600), 0);
        if (how == "taken") {
            QFile::remove(core()->SubtitleWorkFile(0));
            QVERIFY(QDir().mkpath(core()->SubtitleWorkFile(0)));
        }
        // A picture of more than one write buffer: only its last part fails,
        // when the file is committed.
        QImage picture = SolidImage(200, 200);
        for (int i = 0; how == "text full" && i < 200 * 200; ++i)
            picture.setPixel(i % 200, i / 200, qRgb(i * 7, i * 13, i / 200 * i));
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
        if (how.endsWith("full"))
            full = std::make_unique<FileSizeLimit>(how == "full" ? 64 : png.size() - 1);
        if (how.startsWith("layer"))
            addLayer(2, logo, SolidImage(20, 10), QPointF(0, 0));
        if (how.startsWith("text"))
            addLayer(3, how == "text full" ? "Text2" : "Text1", picture, QPointF(0, 0));
        if (how == "text taken") {
            QFile::remove(core()->WorkFolder() + "/Text1.png");
            QVERIFY(QDir().mkpath(core()->WorkFolder() + "/Text1.png"));
        }

        ST_ROW_PROBLEM problem;
        const QString graph = core()->GetCommandArg(0, &problem);
        // asked without a problem to fill (the preview): no graph either
        const QString unasked = core()->GetCommandArg(0);
        full.reset();
        QCOMPARE(graph, QString());
        QCOMPARE(unasked, QString());
        QVERIFY2(problem.text.startsWith(text), qPrintable(problem.text));
        // the tooltip names the file by its whole path
        const QString name = problem.text.section(": ", 1);
        QVERIFY2(problem.details.endsWith("/" + name) && problem.details.startsWith(text.section(": ", 0, 0) + ": /"),
                 qPrintable(problem.details));
    }
};

QTEST_MAIN(TestGraph)
#include "tst_graph.moc"
