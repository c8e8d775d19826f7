// What the canvas shows is what the converter makes: layers moved, resized
// and turned with the handles over a flipped, turned and cropped frame land
// on the converted picture where the canvas draws them, at every zoom.
#include <QtTest>

#include "CanvasTestTools.h"
#include "ImageChecks.h"
#include "TestMedia.h"
#include "canvas/QCanvasItem.h"

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
    }

    void layersLandWhereTheCanvasShowsThem()
    {
        Core* core = Core::instance();
        const QString work = m_dir.path();
        core->SetWorkFolderQuery([work]() { return work; });
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
        core->SetWorkFolderQuery(nullptr);
    }
};

QTEST_MAIN(TestCanvasPlacement)
#include "tst_canvasplacement.moc"
