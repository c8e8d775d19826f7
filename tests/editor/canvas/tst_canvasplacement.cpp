// What the canvas shows is what the converter makes: layers moved, resized
// and turned with the handles over a flipped, turned and cropped frame land
// on the converted picture where the canvas draws them, at every zoom.
#include <QtTest>

#include "CanvasTestTools.h"
#include "ImageChecks.h"
#include "TestMedia.h"
#include "MediaFunctions.h"
#include "canvas/QCanvasItem.h"
#include "dialogs/LayerDialog.h"

#include <QSpinBox>
#include <QtMath>
#include <functional>

using namespace CanvasTest;
using namespace ImageChecks;

namespace {
bool IsRed(QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool IsBlue(QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; }
bool IsGreen(QColor c) { return c.green() > 100 && c.red() < 90 && c.blue() < 90; }
} // namespace

class TestCanvasPlacement : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip;  // 320 x 240 grey, a red box in its top-left corner
    QString m_png;   // blue 60 x 40
    QString m_green; // green video 64 x 48
    QString m_wide;  // 320 x 180 grey

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_clip = m_dir.path() + "/frame.mp4";
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:s=320x240:d=1:r=25", "-vf",
                                         "drawbox=x=0:y=0:w=80:h=60:color=red:t=fill", "-pix_fmt", "yuv420p",
                                         m_clip}));
        m_png = SolidPng(m_dir.path(), "blue.png", 60, 40, Qt::blue);
        m_green = TestMedia::MakeSolidVideo(m_dir.path(), "green", "green.mp4", 1.0, 64, 48);
        QVERIFY(!m_png.isEmpty() && !m_green.isEmpty());
        const QString work = m_dir.path();
        Core::instance()->SetWorkFolderQuery([work]() { return work; });
        m_wide = TestMedia::MakeTurnedVideo(work, "wide.mp4", QSize(320, 180), "1/1", 0, {});
    }

    void layersLandWhereTheCanvasShowsThem()
    {
        Core* core = Core::instance();
        ST_OPTS& row = EditorTest::ResetCore(m_clip, 320, 240);
        row.hflip = true;
        row.rotate = 1;
        row.crop = true;
        row.cropLeft = 0.1;
        row.cropTop = 0.05;
        row.cropRight = 0.13;

        Canvas c(QSize(900, 900));
        c.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.view));
        c.scene.InitCanvas(m_clip);
        QCOMPARE(c.scene.CanvasSize(), QSize(184, 304)); // 240 x 0.77 and 320 x 0.95, even

        // the picture: moved, stretched without its aspect, turned, at 200 %
        c.view.setZoom(200);
        QWatermarkBase* image = c.scene.AddLayerImage(m_png);
        QVERIFY(image);
        image->GetLayer()->Keep = false;
        Drag(&c.view, QPointF(30, 20), QPointF(60, 70));
        QCOMPARE(image->pos(), QPointF(30, 50));
        Drag(&c.view, image->mapToScene(image->handlePos(3)), image->mapToScene(QPointF(90, 80)));
        QTRY_COMPARE_WITH_TIMEOUT(image->GetLayer()->Height, 80, 2000);
        QCOMPARE(image->GetLayer()->Width, 90);
        const QPointF centre = image->mapToScene(QPointF(45, 40));
        const QPointF from = image->mapToScene(image->handlePos(4));
        const double a = qDegreesToRadians(30.0);
        const QPointF v = from - centre;
        Drag(&c.view, from, centre + QPointF(v.x() * std::cos(a) - v.y() * std::sin(a),
                                             v.x() * std::sin(a) + v.y() * std::cos(a)), 6);
        QTRY_COMPARE_WITH_TIMEOUT(image->rotation(), 30.0, 2000);

        // the video: moved at 100 %
        c.view.setZoom(100);
        QWatermarkBase* video = c.scene.AddLayerVideo(m_green);
        QVERIFY(video);
        Drag(&c.view, QPointF(32, 24), QPointF(92, 204));
        QCOMPARE(video->pos(), QPointF(60, 180));
        c.scene.clearSelection();

        const QString graph = core->GetCommandArg(0);
        qDebug() << "graph:" << graph;
        QVERIFY(graph.startsWith("bwdif=mode=send_frame:deint=interlaced,hflip,transpose=1,crop=184:304:24:16"));
        const QString out = m_dir.path() + "/out.png";
        QVERIFY(TestMedia::RunConverter({"-i", m_clip, "-vf", graph, "-frames:v", "1", out}));
        const QImage converted(out);
        QCOMPARE(converted.size(), QSize(184, 304));

        const QList<QPair<const char*, Match>> colours = {{"frame", IsRed}, {"picture", IsBlue}, {"video", IsGreen}};
        for (double zoom : {100.0, 150.0, 250.0}) {
            c.view.setZoom(zoom);
            QApplication::processEvents();
            const QImage shot = c.view.viewport()->grab().toImage();
            for (const auto& colour : colours) {
                const QRect inOutput = Box(converted, colour.second);
                const QRect onView = Box(shot, colour.second);
                QVERIFY2(!inOutput.isNull() && !onView.isNull(), colour.first);
                const QRectF onCanvas(c.view.mapToScene(onView.topLeft()),
                                      c.view.mapToScene(onView.bottomRight() + QPoint(1, 1)));
                const QRectF converted(inOutput.topLeft(), inOutput.bottomRight() + QPoint(1, 1));
                QVERIFY2(Near(onCanvas, converted, 2.0),
                         qPrintable(QString::fromLatin1(colour.first) + " at " + QString::number(zoom) + "%: canvas "
                                    + Text(onCanvas) + ", output " + Text(converted)));
            }
        }
    }

    // Layers placed on a landscape row, the editor opened on a row of another shape: no graph
    // changes, the canvas shows the layers where the output puts them, each keeps its aspect and
    // place (the picture its corner, margins scaled as its size; the text its centre); one moved
    // and sized there is placed on that row's frame.
    void layersKeepShapeAndPlaceOnEveryRow_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QString>("sar");
        QTest::addColumn<int>("tag");
        QTest::newRow("landscape, twice as large") << QSize(640, 360) << "1/1" << 0;
        QTest::newRow("portrait phone") << QSize(320, 180) << "1/1" << 90;
        QTest::newRow("square") << QSize(240, 240) << "1/1" << 0;
        QTest::newRow("anamorphic 4:3") << QSize(360, 288) << "16/15" << 0;
    }
    void layersKeepShapeAndPlaceOnEveryRow()
    {
        QFETCH(QSize, stored);
        QFETCH(QString, sar);
        QFETCH(int, tag);
        Core* core = Core::instance();
        const QString other = TestMedia::MakeTurnedVideo(m_dir.path(), "other.mp4", stored, sar, tag, {});
        QVERIFY(!m_wide.isEmpty() && !other.isEmpty());
        ST_OPTS row = EditorTest::ResetCore(m_wide, 320, 180);
        row.path = other; // as Add File records it
        row.media = ProbeMediaInfo(other);
        row.width = row.media.width;
        row.height = row.media.height;
        core->Rows << row;
        Canvas c;
        c.scene.InitCanvas(m_wide);
        QWatermarkBase* picture = c.scene.AddLayerImage(m_png);
        picture->setPos(250, 132); // 10 and 8 from the bottom-right edges
        CWordArtInfo mark;
        mark.Text = QStringLiteral("Mark");
        mark.TextColor1 = mark.TextColor2 = QColor(Qt::red);
        mark.Font.setPixelSize(40);
        QWatermarkBase* text = c.scene.AddLayerText(mark);
        text->setPos(QPointF(160, 90) - text->GetPosRect().center());
        // The picture and the text on the canvas, when the output of the row shows them alike.
        QSize size(320, 180);
        const auto boxes = [&]() {
            const QImage canvas = EditorTest::CanvasShot(&c.scene, size);
            const QString out = m_dir.filePath("shape.png"), scale = QString(",scale=%1:%2").arg(size.width()).arg(size.height());
            const QImage output = TestMedia::RunConverter({"-i", core->Rows[core->CurrentRow].path, "-vf",
                                                           core->GetCommandArg(core->CurrentRow) + scale, "-frames:v", "1", out})
                ? QImage(out) : QImage();
            const QList<QRectF> got{Box(canvas, IsBlue), Box(canvas, IsRed)};
            return Near(got[0], Box(output, IsBlue), 2) && Near(got[1], Box(output, IsRed), 2) ? got : QList<QRectF>{{}, {}};
        };
        const QList<QRectF> placed = boxes();
        const QStringList graphs{core->GetCommandArg(0), core->GetCommandArg(1)};
        core->CurrentRow = 1;
        c.scene.InitCanvas(other);
        QCOMPARE((QStringList{core->GetCommandArg(0), core->GetCommandArg(1)}), graphs);
        size = c.scene.CanvasSize();
        QList<QRectF> got = boxes();
        const double s = qMin(size.width() / 320.0, size.height() / 180.0);
        const QPointF end(size.width() - (320 - placed[0].right()) * s, size.height() - (180 - placed[0].bottom()) * s);
        const QPointF centre = QRectF(QPointF(), size).center() + (placed[1].center() - QPointF(160, 90)) * s;
        QVERIFY2(Near(got[0], QRectF(end - QPointF(placed[0].width(), placed[0].height()) * s, end), 2), qPrintable(Text(got[0])));
        QVERIFY2(Near(got[1], QRectF(centre - QPointF(placed[1].width(), placed[1].height()) * s / 2, placed[1].size() * s), 2),
                 qPrintable(Text(got[1])));
        picture->setSelected(true);
        QTimer::singleShot(0, this, [] {
            auto* d = qobject_cast<LayerDialog*>(QApplication::activeModalWidget());
            for (const char* name : {"spinBoxX", "spinBoxY", "spinBoxWidth"})
                d->findChild<QSpinBox*>(name)->setValue(name[7] == 'W' ? 30 : 4);
            d->accept();
        });
        c.scene.OnItemOptions();
        got = boxes();
        QVERIFY2(Near(got[0], QRectF(4, 4, 30, 20), 1), qPrintable(Text(got[0])));
        // The first row's frame fits the one it was placed on; the text stays as placed.
        const double back = qMin(320.0 / size.width(), 180.0 / size.height());
        core->CurrentRow = 0;
        c.scene.InitCanvas(m_wide);
        size = c.scene.CanvasSize();
        got = boxes();
        QVERIFY(Near(got[0], QRectF(QPointF(4, 4) * back, got[0].size()), 1.5) && Near(got[1], placed[1], 0));
    }
};

QTEST_MAIN(TestCanvasPlacement)
#include "tst_canvasplacement.moc"
