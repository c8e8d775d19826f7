// The canvas view: zoom steps, the frame rectangle for the player, the
// repaint tick and the locked wheel.
#include <QtTest>

#include "CanvasTestTools.h"

#include <QScrollBar>
#include <QWheelEvent>

using namespace CanvasTest;

class TestCanvasView : public QObject
{
    Q_OBJECT

private slots:
    void zoomSteps_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("to");
        QTest::newRow("100 out") << 100.0 << -1 << 90.0;
        QTest::newRow("90 in") << 90.0 << 1 << 100.0;
        QTest::newRow("100 in") << 100.0 << 1 << 150.0;
        QTest::newRow("150 out") << 150.0 << -1 << 100.0;
        QTest::newRow("63.5 in") << 63.5 << 1 << 70.0;
        QTest::newRow("63.5 out") << 63.5 << -1 << 50.0;
        QTest::newRow("140 in") << 140.0 << 1 << 200.0;
        QTest::newRow("10 out stays") << 10.0 << -1 << 10.0;
    }
    void zoomSteps()
    {
        QFETCH(double, from);
        QFETCH(int, steps);
        QFETCH(double, to);
        QWatermarkView view;
        view.setZoom(from);
        QSignalSpy transformed(&view, &QWatermarkView::viewTransformed);
        view.zoomSteps(steps);
        QCOMPARE(view.zoom(), to);
        QCOMPARE(view.transform().m11(), to / 100.0);
        QCOMPARE(view.transform().m22(), to / 100.0);
        QCOMPARE(transformed.count(), to == from ? 0 : 1);
    }
    void badZoomIsIgnored()
    {
        QWatermarkView view;
        view.setZoom(0);
        view.setZoom(-20);
        view.setZoom(std::nan(""));
        QCOMPARE(view.zoom(), 100.0);
    }

    void frameRectFollowsZoomResizeAndScroll()
    {
        Canvas c(QSize(400, 300));
        c.scene.setSceneRect(0, 0, 320, 240);
        c.view.setSceneRect(0, 0, 320, 240);
        c.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.view));
        QSignalSpy rect(&c.view, &QWatermarkView::sigCanvasRect);
        c.view.zoomIn(); // 150 %: 480 x 360, larger than the view
        QVERIFY(!rect.isEmpty());
        QRect r = rect.last().at(0).toRect();
        QCOMPARE(r.size(), QSize(481, 361)); // corner to corner, inclusive
        QCOMPARE(c.view.mapToScene(r.topLeft()), QPointF(0, 0));
        // scrolled: the frame moves left on the viewport
        rect.clear();
        c.view.horizontalScrollBar()->setValue(c.view.horizontalScrollBar()->value() + 30);
        QVERIFY(!rect.isEmpty());
        QCOMPARE(rect.last().at(0).toRect().left(), r.left() - 30);
        rect.clear();
        c.view.resize(700, 500);
        QTRY_VERIFY_WITH_TIMEOUT(!rect.isEmpty(), 2000);
        r = rect.last().at(0).toRect();
        QCOMPARE(c.view.mapToScene(r.bottomRight()), QPointF(320, 240));
    }

    void wheelChangesNothing()
    {
        Canvas c;
        c.view.show();
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(c.view.viewport(), &wheel);
        QCOMPARE(c.view.zoom(), 100.0);
        c.view.SetWheelLock(false);
        QApplication::sendEvent(c.view.viewport(), &wheel);
        QCOMPARE(c.view.zoom(), 200.0);
    }

    void plainViewportWithoutOpenGL()
    {
        QWatermarkView view;
        QCOMPARE(view.renderer(), QWatermarkView::OpenGL);
        QVERIFY(!view.usesOpenGL()); // the offscreen platform has no context
        QVERIFY(view.viewport()->hasMouseTracking());
        QCOMPARE(view.viewportUpdateMode(), QGraphicsView::MinimalViewportUpdate);
    }

    void dragRepaintsOnTheTick()
    {
        QTemporaryDir dir;
        const QString png = SolidPng(dir.path(), "l.png", 40, 30, Qt::blue);
        Canvas c(QSize(400, 300));
        c.scene.setSceneRect(0, 0, 320, 240);
        c.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c.view));
        QWatermarkBase* layer = c.scene.AddLayerImage(png);
        layer->setPos(10, 10);
        Mouse(&c.view, QEvent::MouseButtonPress, QPointF(30, 25)); // the body, clear of the handles
        Mouse(&c.view, QEvent::MouseMove, QPointF(70, 45));
        QVERIFY(c.view.IsRedrawPending());
        QTRY_VERIFY_WITH_TIMEOUT(!c.view.IsRedrawPending(), 2000);
        Mouse(&c.view, QEvent::MouseButtonRelease, QPointF(70, 45));
        QCOMPARE(layer->pos(), QPointF(50, 30));
        // the grabbed viewport shows the layer where it now is
        const QImage shot = c.view.viewport()->grab().toImage();
        const QPoint at = c.view.mapFromScene(QPointF(70, 45));
        QCOMPARE(shot.pixelColor(at), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestCanvasView)
#include "tst_canvasview.moc"
