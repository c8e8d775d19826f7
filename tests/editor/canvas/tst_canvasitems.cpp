// Layer items and their corner handles, driven by mouse events on the view.
#include <QtTest>

#include "CanvasTestTools.h"
#include "canvas/ButtonItem.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkItem.h"

#include <cmath>
#include <limits>

using namespace CanvasTest;

class TestCanvasItems : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_png; // 100 x 50

    // A layer on a 640 x 480 canvas at the given position, selected.
    QWatermarkItem* addLayer(Canvas& c, QPointF pos, bool keep = true)
    {
        c.scene.setSceneRect(0, 0, 640, 480);
        auto* item = static_cast<QWatermarkItem*>(c.scene.AddLayerImage(m_png));
        if (item) {
            item->GetLayer()->Keep = keep;
            item->setPos(pos);
        }
        return item;
    }
    static QPointF handleAt(QWatermarkBase* item, int dir)
    {
        return item->mapToScene(item->handlePos(dir));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_png = SolidPng(m_dir.path(), "layer.png", 100, 50, Qt::blue);
        QVERIFY(!m_png.isEmpty());
    }
    void cleanup()
    {
        Core::instance()->Layers.clear();
    }

    void handlesSitOnTheCornersInCreationOrder()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(10, 20));
        QVERIFY(item);
        QCOMPARE(item->handleCount(), 4);
        const QList<int> dirs = {item->Handles()[0]->dir(), item->Handles()[1]->dir(), item->Handles()[2]->dir(),
                                 item->Handles()[3]->dir()};
        QCOMPARE(dirs, QList<int>({1, 2, 4, 3}));
        QCOMPARE(item->handlePos(1), QPointF(0, 0));
        QCOMPARE(item->handlePos(2), QPointF(100, 0));
        QCOMPARE(item->handlePos(3), QPointF(100, 50));
        QCOMPARE(item->handlePos(4), QPointF(0, 50));
        QCOMPARE(item->opposite(1), item->handlePos(4)); // list position 2: rotate
        QCOMPARE(item->opposite(7), QPointF());
        // a handle of another dir stays where it is
        auto* extra = new ButtonItem(9, QBrush(), QIcon(), item);
        extra->move(5, 5);
        item->updatehandles();
        QCOMPARE(extra->pos(), QPointF(5, 5));
        // handles win over the body, the last made wins among handles
        QCOMPARE(item->collidesWithHandle(QPointF(10, 20)), 1);
        QCOMPARE(item->collidesWithHandle(QPointF(60, 45)), 5);
        QCOMPARE(item->collidesWithHandle(QPointF(300, 300)), 0);
        QCOMPARE(item->swapHandle(1, QPointF(-1, -1)), 3);
        QCOMPARE(item->swapHandle(3, QPointF(0, -1)), 4);
        QCOMPARE(item->swapHandle(4, QPointF(1, -1)), 1);
        QCOMPARE(item->swapHandle(2, QPointF(1, 1)), 0);
    }

    void selectionShowsAndHidesHandles()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(10, 20));
        QVERIFY(item->isSelected() && item->Handles()[0]->isVisible());
        item->setSelected(false);
        for (ButtonItem* h : item->Handles())
            QVERIFY(!h->isVisible());
        item->setSelected(true);
        for (ButtonItem* h : item->Handles())
            QVERIFY(h->isVisible());
    }

    void resizeHandle_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QPointF>("factors");
        QTest::addColumn<QSize>("size");
        QTest::newRow("free") << false << QPointF(2.0, 1.5) << QSize(200, 75);
        QTest::newRow("aspect kept") << true << QPointF(2.0, 1.5) << QSize(200, 100);
        QTest::newRow("back to the press point") << false << QPointF(1.0, 1.0) << QSize(100, 50);
        // dragged past the origin: negative factors freeze the size
        QTest::newRow("past the origin") << false << QPointF(-0.5, 1.0) << QSize(100, 50);
        // dragged onto the origin's lines: sizes of nothing become one pixel
        QTest::newRow("to nothing") << false << QPointF(0.0, 0.0) << QSize(1, 1);
    }
    void resizeHandle()
    {
        QFETCH(bool, keep);
        QFETCH(QPointF, factors);
        QFETCH(QSize, size);
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(100, 100), keep);
        QSignalSpy resized(&c.scene, &QWatermarkScene::itemResizeHM);
        const QPointF from = handleAt(item, 3);
        const QPointF to = item->mapToScene(QPointF(100 * factors.x(), 50 * factors.y()));
        Drag(&c.view, from, to);
        QTRY_COMPARE_WITH_TIMEOUT(QSize(item->GetLayer()->Width, item->GetLayer()->Height), size, 2000);
        QCOMPARE(item->ImageRect().size(), QSizeF(size));
        QCOMPARE(item->pos(), QPointF(100, 100));
        QCOMPARE(item->handlePos(3), QPointF(size.width(), size.height()));
        QCOMPARE(item->OperationState(), int(QWatermarkBase::OpResized));
        QCOMPARE(resized.count(), 1);
    }

    void rotateHandleQuarterTurn()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(200, 200));
        QSignalSpy rotated(&c.scene, &QWatermarkScene::itemRotateHM);
        const QPointF centre = item->mapToScene(QPointF(50, 25));
        const QPointF from = handleAt(item, 4);               // (200, 250)
        const QPointF v = from - centre;                      // (-50, 25)
        const QPointF to = centre + QPointF(-v.y(), v.x());   // a quarter turn clockwise
        Drag(&c.view, from, to, 8);
        QTRY_VERIFY_WITH_TIMEOUT(item->rotation() != 0.0, 2000);
        QCOMPARE(std::fmod(item->rotation() + 360.0, 360.0), 90.0);
        // turned about its centre: the centre stays, the box stands upright
        QCOMPARE(item->mapToScene(QPointF(50, 25)), centre);
        QCOMPARE(item->GetPosRect(), QRectF(225, 175, 50, 100));
        QCOMPARE(rotated.count(), 1);
        QCOMPARE(rotated.first().at(2).toDouble(), item->GetAngle());
    }

    void closeAndMenuHandlesClick()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(50, 50));
        // the scene's delete question is the scene's test
        QObject::disconnect(item, &QWatermarkBase::sigClose, &c.scene, nullptr);
        QSignalSpy close(item, &QWatermarkBase::sigClose);
        QSignalSpy menu(item, &QWatermarkBase::sigMenu);
        QSignalSpy sceneMenu(&c.scene, &QWatermarkScene::itemMenuHM);
        QSignalSpy resize(item->Handles()[1], &ButtonItem::resize);
        Click(&c.view, handleAt(item, 2));
        QCOMPARE(close.count(), 1);
        QCOMPARE(resize.count(), 1);
        Click(&c.view, handleAt(item, 1));
        QCOMPARE(menu.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(sceneMenu.count(), 1, 2000); // queued to the scene
        // released outside the handle: no click, but still the end of a resize
        Mouse(&c.view, QEvent::MouseButtonPress, handleAt(item, 2));
        Mouse(&c.view, QEvent::MouseButtonRelease, handleAt(item, 2) + QPointF(40, 40));
        QCOMPARE(close.count(), 1);
        QCOMPARE(resize.count(), 2);
    }

    void pressAtTheSceneOriginIsAPress()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(0, 0));
        c.view.show();
        QSignalSpy menu(item, &QWatermarkBase::sigMenu);
        QCOMPARE(handleAt(item, 1), QPointF(0, 0));
        Click(&c.view, QPointF(0, 0));
        QCOMPARE(menu.count(), 1);
    }

    void lockedLayerIgnoresItsHandles()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(100, 100));
        item->GetLayer()->Lock = true;
        Drag(&c.view, handleAt(item, 3), item->mapToScene(QPointF(200, 100)));
        Drag(&c.view, handleAt(item, 4), item->mapToScene(QPointF(100, -50)));
        item->slotRedraw(); // what the next tick would apply
        QCOMPARE(item->GetLayer()->Width, 100);
        QCOMPARE(item->rotation(), 0.0);
    }

    void setSizeGuards_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<QSize>("size");
        QTest::newRow("aspect") << true << 300.0 << 999.0 << QSize(300, 150);
        QTest::newRow("free") << false << 300.0 << 999.0 << QSize(300, 999);
        QTest::newRow("zero") << false << 0.0 << 0.0 << QSize(1, 1);
        QTest::newRow("negative") << false << -5.0 << 10.0 << QSize(1, 10);
        QTest::newRow("not a number") << false << std::nan("") << 10.0 << QSize(100, 50);
        QTest::newRow("infinite") << true << std::numeric_limits<double>::infinity() << 10.0 << QSize(100, 50);
    }
    void setSizeGuards()
    {
        QFETCH(bool, keep);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(QSize, size);
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(10, 20), keep);
        item->SetSize(w, h);
        QCOMPARE(QSize(item->GetLayer()->Width, item->GetLayer()->Height), size);
        QCOMPARE(item->ImageRect().size(), QSizeF(size));
    }

    void posRectIsTheSceneBoxOfTheCorners()
    {
        Canvas c;
        QWatermarkItem* item = addLayer(c, QPointF(10, 20));
        QCOMPARE(item->GetPosRect(), QRectF(10, 20, 100, 50));
        item->Rotate(90);
        QCOMPARE(item->GetPosRect(), QRectF(35, -5, 50, 100));
        // a later resize pivots on the corner without moving the picture
        const QPointF corner = item->mapToScene(QPointF(0, 0));
        item->Resize(200, 100);
        QCOMPARE(item->mapToScene(QPointF(0, 0)), corner);
    }

    void sourceFrameTurnsFlipsAndCrops_data()
    {
        QTest::addColumn<bool>("hflip");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QVector<double>>("crop"); // left, top, right, bottom; empty: off
        QTest::addColumn<QRect>("kept");          // in the turned frame
        QTest::newRow("as is") << false << -1 << QVector<double>() << QRect(0, 0, 40, 30);
        QTest::newRow("mirrored, then turned clockwise") << true << 1 << QVector<double>() << QRect(0, 0, 30, 40);
        QTest::newRow("turned counter-clockwise") << false << 2 << QVector<double>() << QRect(0, 0, 30, 40);
        // 40 x 0.8 = 32; 30 x 0.7 = 21, odd: raised to 22
        QTest::newRow("crop") << false << -1 << QVector<double>({0.1, 0.1, 0.1, 0.2}) << QRect(4, 3, 32, 22);
        // 40 x 0.51 = 20.4 -> 20, placed at the frame's right edge
        QTest::newRow("crop at the edge") << false << -1 << QVector<double>({0.49, 0.0, 0.0, 0.0})
                                          << QRect(19, 0, 20, 30);
        QTest::newRow("damaged crop") << false << -1 << QVector<double>({std::nan(""), -1, 2, 0})
                                      << QRect(0, 0, 2, 30);
    }
    void sourceFrameTurnsFlipsAndCrops()
    {
        QFETCH(bool, hflip);
        QFETCH(int, rotation);
        QFETCH(QVector<double>, crop);
        QFETCH(QRect, kept);
        // 40 x 30 with one red pixel in the top-left corner
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.setPixelColor(0, 0, Qt::red);
        QCanvasItem item(nullptr);
        item.GetLayer()->Image = image;
        item.GetLayer()->FlipHorizontal = hflip;
        item.GetLayer()->Rotation = rotation;
        if (!crop.isEmpty()) {
            item.GetLayer()->CropOn = true;
            item.GetLayer()->CropLeft = crop[0];
            item.GetLayer()->CropTop = crop[1];
            item.GetLayer()->CropRight = crop[2];
            item.GetLayer()->CropBottom = crop[3];
        }
        item.ItemUpdate();
        const QImage& frame = item.DisplayedFrame();
        QCOMPARE(frame.size(), kept.size());
        QCOMPARE(QSize(item.GetLayer()->Width, item.GetLayer()->Height), kept.size());
        QCOMPARE(item.boundingRect(), QRectF(QPointF(0, 0), kept.size()));
        if (crop.isEmpty()) {
            // where the red corner went: mirrored (to the top right), then turned
            QPoint red(0, 0);
            if (hflip && rotation == 1)
                red = QPoint(29, 39);
            else if (rotation == 2)
                red = QPoint(0, 39);
            QCOMPARE(frame.pixelColor(red), QColor(Qt::red));
        }
        QCOMPARE(QCanvasItem::CropRect(QSize(1920, 1080), 0.1, 0, 0.1, 0).topLeft().x(), 192);
        QCOMPARE(QCanvasItem::CropRect(QSize(1920, 1080), 0.1, 0, 0.1, 0).width(), 1536);
    }
    void emptySourceFrameHasNoSize()
    {
        QCanvasItem item(nullptr);
        item.GetLayer()->CropOn = true;
        item.GetLayer()->CropRight = 0.5;
        item.ItemUpdate();
        QVERIFY(item.DisplayedFrame().isNull());
        QCOMPARE(item.GetLayer()->Width, 0);
        QVERIFY(QCanvasItem::CropRect(QSize(100, 0), 0, 0, 0, 0).isEmpty());
    }
};

QTEST_MAIN(TestCanvasItems)
#include "tst_canvasitems.moc"
