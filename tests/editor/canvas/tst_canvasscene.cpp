// The canvas scene: layers added, duplicated, deleted, nudged and announced
// to Core once each; the source frame taken from the current row.
#include <QtTest>

#include "CanvasTestTools.h"
#include "TestMedia.h"
#include "canvas/ButtonItem.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkItem.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <cmath>

using namespace CanvasTest;

Q_DECLARE_METATYPE(CLayerInfo*)

namespace {
// Answers the next modal question with the given button; counts the questions.
int g_questions = 0;
void Answer(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            Answer(button);
            return;
        }
        ++g_questions;
        box->button(button)->click();
    });
}
void DestroyRetired()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestCanvasScene : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_png;   // 60 x 40
    QString m_video; // 320 x 240 testsrc2

    Core* core() { return Core::instance(); }
    QList<QWatermarkBase*> layersOn(QWatermarkScene& scene)
    {
        QList<QWatermarkBase*> list;
        for (QGraphicsItem* i : scene.items()) {
            auto* b = qobject_cast<QWatermarkBase*>(i->toGraphicsObject());
            if (b && b->GetLayer()->Type != 0)
                list << b;
        }
        return list;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qRegisterMetaType<QWatermarkBase*>();
        qRegisterMetaType<CLayerInfo*>();
        m_png = SolidPng(m_dir.path(), "layer.png", 60, 40, Qt::blue);
        m_video = TestMedia::MakeVideo(m_dir.path(), "clip.mp4", 1.0, 320, 240);
        QVERIFY(!m_png.isEmpty() && !m_video.isEmpty());
        // Pictures above the size frames may have, a few kilobytes each, and
        // a script that would have the clip read in its place.
        const QList<QPair<QString, QByteArray>> files = {
            {"big.png", TestMedia::PngOfSize(9000, 8000, true)},
            {"claims.png", TestMedia::PngOfSize(46000, 46000, false)},
            {"concat.mp4", "ffconcat version 1.0\nfile clip.mp4\n"}};
        for (const auto& file : files) {
            QFile f(m_dir.filePath(file.first));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file.second);
        }
        // The same in a kind the toolkit has no reader for: one side a pixel
        // too long, with its pixels, and a header claiming 40000 x 40000.
        const auto sgi = [](quint16 width, quint16 height, bool withPixels) {
            QByteArray picture(512, '\0');
            QDataStream header(&picture, QIODevice::WriteOnly);
            // Magic, uncompressed, one byte a sample, three planes.
            header << quint16(474) << quint8(0) << quint8(1) << quint16(3) << width << height << quint16(3)
                   << quint32(0) << quint32(255);
            if (withPixels)
                picture += QByteArray(int(width) * height * 3, '\x80');
            return picture;
        };
        for (const auto& file : {qMakePair(QString("big.sgi"), sgi(16385, 1, true)),
                                 qMakePair(QString("claims.sgi"), sgi(40000, 40000, false))}) {
            QFile f(m_dir.filePath(file.first));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file.second) == file.second.size());
        }
    }
    void init()
    {
        EditorTest::ResetCore(m_video, 320, 240);
        g_questions = 0;
    }

    void layersStackInCreationOrderAndAreAnnounced()
    {
        Canvas c;
        QSignalSpy added(core(), &Core::sigAddLayer);
        QWatermarkBase* a = c.scene.AddLayerImage(m_png);
        QWatermarkBase* b = c.scene.AddLayerImage(m_png);
        QWatermarkBase* v = c.scene.AddLayerVideo(m_video);
        QVERIFY(a && b && v);
        QCOMPARE(a->zValue(), 1.0);
        QCOMPARE(b->zValue(), 2.0);
        QCOMPARE(v->zValue(), 3.0);
        QCOMPARE(v->GetLayer()->Type, 1);
        QCOMPARE(QSize(v->GetLayer()->Width, v->GetLayer()->Height), QSize(320, 240));
        QCOMPARE(added.count(), 3);
        QCOMPARE(core()->Layers, QList<QWatermarkBase*>({a, b, v}));
        // the newest is selected and shows its handles; the others lost theirs
        QVERIFY(v->isSelected() && !a->isSelected() && !b->isSelected());
        QVERIFY(!a->Handles()[0]->isVisible() && v->Handles()[0]->isVisible());
    }

    void unreadablePicturesAddNothing()
    {
        Canvas c;
        QSignalSpy added(&c.scene, &QWatermarkScene::itemAddedHM);
        QFile bad(m_dir.path() + "/bad.png");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        QVERIFY(!c.scene.AddLayerImage(bad.fileName()));
        QVERIFY(!c.scene.AddLayerImage(m_dir.path() + "/missing.png"));
        QVERIFY(!c.scene.AddLayerVideo(bad.fileName()));
        QVERIFY(!c.scene.AddLayerImage(m_dir.filePath("big.png")));
        QVERIFY(!c.scene.AddLayerVideo(m_dir.filePath("big.png")));
        CLayerInfo record;
        record.Type = 0;
        record.FileName = m_png;
        QVERIFY(!c.scene.AddLayer(&record));
        QCOMPARE(added.count(), 0);
        QCOMPARE(c.scene.ZCounter(), 1);
        QVERIFY(core()->Layers.isEmpty());
    }

    // A project's layer whose picture cannot be read stays, as a visible box
    // of its saved size, with its record as it was read.
    void unreadableProjectPicturesStandAsPlaceholders_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("text file as image") << 2 << "bad.png" << QSize(120, 80);
        QTest::newRow("missing video") << 1 << "missing.mp4" << QSize(33, 200);
        QTest::newRow("video given as image") << 2 << "clip.mp4" << QSize(50, 50);
        QTest::newRow("device") << 2 << "/dev/zero" << QSize(10, 10);
        QTest::newRow("no saved size") << 2 << "missing.png" << QSize(0, 0);
        QTest::newRow("huge saved size") << 2 << "missing.png" << QSize(100000, 100000);
        QTest::newRow("picture above the size cap") << 2 << "big.png" << QSize(90, 80);
        QTest::newRow("picture claiming 46000 x 46000") << 2 << "claims.png" << QSize(460, 460);
        QTest::newRow("sgi picture above the size cap") << 2 << "big.sgi" << QSize(90, 80);
        QTest::newRow("sgi picture claiming 40000 x 40000") << 2 << "claims.sgi" << QSize(400, 400);
        QTest::newRow("script naming a video") << 1 << "concat.mp4" << QSize(32, 24);
    }
    void unreadableProjectPicturesStandAsPlaceholders()
    {
        QFETCH(int, type);
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFile bad(m_dir.path() + "/bad.png");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        Canvas c;
        CLayerInfo record;
        record.Type = type;
        record.FileName = file.startsWith('/') ? file : m_dir.path() + "/" + file;
        record.Width = size.width();
        record.Height = size.height();
        record.Keep = true;
        record.x = 7;
        record.Transparent = 40;
        bool placeholder = false;
        QWatermarkBase* item = c.scene.AddLayer(&record, &placeholder);
        QVERIFY(item);
        QVERIFY(placeholder);
        QCOMPARE(core()->Layers, QList<QWatermarkBase*>{item});
        const CLayerInfo* kept = item->GetLayer();
        QCOMPARE(kept->Type, type);
        QCOMPARE(kept->FileName, record.FileName);
        QCOMPARE(QSize(kept->Width, kept->Height), size);
        QCOMPARE(kept->Transparent, 40);
        QVERIFY(kept->Keep);
        QVERIFY(!kept->Image.isNull());
        if (!size.isEmpty())
            QCOMPARE(item->GetPosRect(), QRectF(QPointF(7, 0), QSizeF(size)));
        else
            QVERIFY(!item->GetPosRect().isEmpty());
        // It draws, whatever its size.
        c.view.show();
        c.view.viewport()->repaint();
    }

    void projectRecordIsPlacedUnselected()
    {
        Canvas c;
        CLayerInfo record;
        record.Type = 2;
        record.FileName = m_png;
        record.x = 30;
        record.y = 40;
        record.Angle = 90;
        record.Width = 120; // resized out of the picture's own shape
        record.Height = 30;
        record.Keep = true;
        record.Transparent = 70;
        QWatermarkBase* item = c.scene.AddLayer(&record);
        QVERIFY(item);
        QVERIFY(!item->isSelected());
        QVERIFY(item->Handles()[0]->isVisible());
        QCOMPARE(item->GetLayer()->Transparent, 70);
        QCOMPARE(item->opacity(), 0.7);
        QCOMPARE(QSize(item->GetLayer()->Width, item->GetLayer()->Height), QSize(120, 30));
        QVERIFY(item->GetLayer()->Keep);
        // where the file places it (120 x 30 at (30, 40) turned about its
        // top-left corner), turned on the canvas about its centre
        QCOMPARE(item->GetPosRect(), QRectF(0, 40, 30, 120));
        QCOMPARE(item->transformOriginPoint(), QPointF(60, 15));
        record.Angle = std::nanf("");
        QWatermarkBase* damaged = c.scene.AddLayer(&record);
        QVERIFY(damaged);
        QCOMPARE(damaged->rotation(), 0.0);
        QCOMPARE(damaged->zValue(), 2.0);
    }

    void duplicateStartsFreshOnTop()
    {
        Canvas c;
        QWatermarkBase* a = c.scene.AddLayerImage(m_png);
        QWatermarkBase* b = c.scene.AddLayerImage(m_png);
        a->setPos(50, 60);
        a->SetSize(120, 80);
        a->GetLayer()->StartTime = 1000000;
        c.scene.clearSelection();
        a->setSelected(true);
        b->setSelected(true);
        QSignalSpy added(core(), &Core::sigAddLayer);
        c.scene.OnItemDuplicate();
        QCOMPARE(added.count(), 2);
        const auto copyA = added.at(0).at(0).value<QWatermarkBase*>();
        const auto copyB = added.at(1).at(0).value<QWatermarkBase*>();
        QSet<qreal> z = {copyA->zValue(), copyB->zValue()};
        QCOMPARE(z, QSet<qreal>({3.0, 4.0}));
        const QWatermarkBase* fresh = copyA->GetLayer()->StartTime ? copyB : copyA;
        QCOMPARE(fresh->pos(), QPointF(0, 0));
        QCOMPARE(fresh->GetLayer()->Width, 60);
        QCOMPARE(fresh->GetLayer()->StartTime, 0);
        QCOMPARE(copyA->GetLayer()->StartTime + copyB->GetLayer()->StartTime, 0);
        // the last copy is the one selected
        QCOMPARE(c.scene.selectedItems().size(), 1);
        QVERIFY(!a->isSelected() && !b->isSelected());
    }

    void deleteAsksOnceAndDestroysLater()
    {
        Canvas c;
        QPointer<QWatermarkBase> a = c.scene.AddLayerImage(m_png);
        QPointer<QWatermarkBase> b = c.scene.AddLayerImage(m_png);
        // the dock's handler still reads the layer it is told about
        QList<QWatermarkBase*> removed;
        connect(core(), &Core::sigRemoveLayer, &c.scene, [&removed](QWatermarkBase* item) {
            QVERIFY(item->GetLayer()->Type == 2);
            removed << item;
        });
        // cancelled: nothing changes
        Answer(QMessageBox::Cancel);
        c.scene.OnItemDelete();
        QCOMPARE(g_questions, 1);
        QCOMPARE(removed.size(), 0);
        QCOMPARE(b->scene(), &c.scene);
        // the close handle of the selected layer asks, then deletes that layer
        Answer(QMessageBox::Ok);
        QWatermarkBase* closing = b;
        Click(&c.view, b->mapToScene(b->handlePos(2)));
        QTRY_COMPARE_WITH_TIMEOUT(removed.size(), 1, 5000);
        QCOMPARE(g_questions, 2);
        QCOMPARE(removed.first(), closing);
        QCOMPARE(core()->Layers, QList<QWatermarkBase*>({a.data()}));
        DestroyRetired();
        QVERIFY(b.isNull());
        // nothing selected and no sender: no question, nothing deleted
        c.scene.clearSelection();
        c.scene.OnItemDelete();
        QCOMPARE(g_questions, 2);
        // asked twice for the same layer: one announcement
        c.scene.DeleteLayers({a, a});
        QCOMPARE(removed.size(), 2);
        DestroyRetired();
        QVERIFY(a.isNull() && core()->Layers.isEmpty());
    }

    void duplicateAndDeleteThousandTimesStaysFlat()
    {
        Canvas c;
        QWatermarkBase* first = c.scene.AddLayerImage(m_png);
        QVERIFY(first);
        int adds = 0;
        int removes = 0;
        connect(core(), &Core::sigAddLayer, &c.scene, [&adds]() { ++adds; });
        connect(core(), &Core::sigRemoveLayer, &c.scene, [&removes]() { ++removes; });
        QList<QPointer<QWatermarkBase>> retired;
        QWatermarkBase* current = first;
        for (int i = 0; i < 1000; ++i) {
            c.scene.clearSelection();
            current->setSelected(true);
            c.scene.OnItemDuplicate();
            QWatermarkBase* copy = core()->Layers.last();
            retired << current;
            c.scene.DeleteLayers({current});
            current = copy;
            if (i % 100 == 0)
                DestroyRetired();
        }
        DestroyRetired();
        QCOMPARE(adds, 1000);
        QCOMPARE(removes, 1000);
        QCOMPARE(core()->Layers.size(), 1);
        QCOMPARE(layersOn(c.scene).size(), 1);
        for (const auto& p : retired)
            QVERIFY(p.isNull());
        QCOMPARE(current->zValue(), 1001.0);
    }

    void sourceFrameFollowsTheRow_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::addColumn<bool>("crop");
        QTest::addColumn<QSize>("size");
        QTest::newRow("plain") << -1 << false << QSize(320, 240);
        QTest::newRow("turned") << 1 << false << QSize(240, 320);
        // the crop of the row is part of the frame: 240 x 0.8 = 192, 320 x 0.55 = 176
        QTest::newRow("turned and cropped") << 2 << true << QSize(192, 176);
    }
    void sourceFrameFollowsTheRow()
    {
        QFETCH(int, rotate);
        QFETCH(bool, crop);
        QFETCH(QSize, size);
        ST_OPTS& row = core()->Rows[0];
        row.rotate = rotate;
        row.crop = crop;
        row.cropLeft = 0.1;
        row.cropRight = 0.1;
        row.cropTop = 0.25;
        row.cropBottom = 0.2;
        Canvas c;
        QWatermarkBase* layer = c.scene.AddLayerImage(m_png);
        c.scene.InitCanvas(m_video);
        QPointer<QCanvasItem> first = c.scene.CanvasItem();
        QVERIFY(first);
        QCOMPARE(c.scene.CanvasSize(), size);
        QCOMPARE(core()->CanvasSize(), size);
        QCOMPARE(c.scene.sceneRect(), QRectF(QPointF(0, 0), size));
        QCOMPARE(c.view.sceneRect(), QRectF(QPointF(0, 0), size));
        QVERIFY(c.scene.SourceDuration() > 900000);
        QCOMPARE(first->zValue(), 0.0);
        // opened again: a new frame, the layers stay with their z values
        c.scene.InitCanvas(m_video);
        QVERIFY(c.scene.CanvasItem() != first.data());
        QCOMPARE(layer->scene(), &c.scene);
        QCOMPARE(layer->zValue(), 1.0);
        DestroyRetired();
        QVERIFY(first.isNull());
        QCOMPARE(core()->Layers.size(), 1);
    }
    void staleRowLeavesTheCanvas_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("none") << -1;
        QTest::newRow("stale") << 3;
    }
    void staleRowLeavesTheCanvas()
    {
        QFETCH(int, row);
        Canvas c;
        c.scene.InitCanvas(m_video);
        QCanvasItem* frame = c.scene.CanvasItem();
        core()->CurrentRow = row;
        c.scene.InitCanvas(m_video);
        QCOMPARE(c.scene.CanvasItem(), frame);
        QCOMPARE(c.scene.CanvasSize(), QSize(320, 240));
    }

    void undecodableSourceGivesNoCanvasSize()
    {
        Canvas c;
        c.scene.InitCanvas(m_dir.path() + "/missing.mp4");
        QVERIFY(c.scene.CanvasItem());
        QVERIFY(c.scene.CanvasSize().isEmpty());
        QCOMPARE(core()->CanvasSize(), QSize(0, 0));
        // a layer cannot be placed on a frame of no size: the graph leaves it out
        QVERIFY(c.scene.AddLayerImage(m_png));
        QVERIFY(!core()->GetCommandArg(0).contains("movie="));
    }

    void arrowKeysNudgeEverySelectedLayer()
    {
        Canvas c;
        c.scene.setSceneRect(0, 0, 320, 240);
        QWatermarkBase* a = c.scene.AddLayerImage(m_png);
        QWatermarkBase* b = c.scene.AddLayerImage(m_png);
        a->setPos(10, 10);
        b->setPos(100, 100);
        a->setSelected(true);
        QSignalSpy moved(&c.scene, &QWatermarkScene::itemMovedHM);
        c.view.show();
        c.view.setFocus();
        QTest::keyPress(c.view.viewport(), Qt::Key_Right);
        QTest::keyPress(c.view.viewport(), Qt::Key_Right, Qt::NoModifier);
        QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(c.view.viewport(), &repeatRelease);
        QTest::keyPress(c.view.viewport(), Qt::Key_Down);
        QCOMPARE(moved.count(), 0);
        QTest::keyRelease(c.view.viewport(), Qt::Key_Down);
        QCOMPARE(a->pos(), QPointF(12, 11));
        QCOMPARE(b->pos(), QPointF(102, 101));
        QCOMPARE(moved.count(), 1);
        // Shift alone is swallowed by the view, other keys reach the scene
        QTest::keyClick(c.view.viewport(), Qt::Key_A);
        QCOMPARE(moved.count(), 1);
    }

    void pressesReportTheSelection()
    {
        Canvas c;
        c.scene.setSceneRect(0, 0, 320, 240);
        QWatermarkBase* a = c.scene.AddLayerImage(m_png);
        a->setPos(100, 100);
        QSignalSpy pressed(&c.scene, &QWatermarkScene::itemPressHM);
        QSignalSpy moved(&c.scene, &QWatermarkScene::itemMovedHM);
        Mouse(&c.view, QEvent::MouseButtonPress, QPointF(300, 230), Qt::RightButton);
        Mouse(&c.view, QEvent::MouseButtonRelease, QPointF(300, 230), Qt::RightButton);
        QCOMPARE(pressed.count(), 0);
        Click(&c.view, QPointF(300, 230));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.first().at(0).value<QWatermarkBase*>(), nullptr);
        // a body drag selects, moves and reports the move once
        Drag(&c.view, QPointF(130, 120), QPointF(150, 130));
        QCOMPARE(pressed.last().at(0).value<QWatermarkBase*>(), a);
        QCOMPARE(a->pos(), QPointF(120, 110));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first().at(1).toPointF(), QPointF(120, 110));
    }
};

QTEST_MAIN(TestCanvasScene)
#include "tst_canvasscene.moc"
