// The styled-text layer: rendered into its box, resized through its font
// size with the resize handle, turned with the rotate handle, loaded from a
// project record and converted where the canvas shows it.
#include <QtTest>

#include "CanvasTestTools.h"
#include "TestMedia.h"
#include "canvas/QWordArtItem.h"

#include <QFontInfo>
#include <cmath>

using namespace CanvasTest;

namespace {

CWordArtInfo RedText(int pixels, const QString& text = QStringLiteral("Mark"))
{
    CWordArtInfo info;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    info.Font = font;
    info.Text = text;
    info.TextEffect = TE_NO_OUTLINE;
    info.TextColor1 = Qt::red;
    return info;
}

bool IsRed(QColor c)
{
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

// The box of the red pixels, right and bottom exclusive.
QRect RedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsRed(image.pixelColor(x, y)) && image.pixelColor(x, y).alpha() > 200)
                box |= QRect(x, y, 1, 1);
    return box;
}

QSize LayerSize(QWatermarkBase* item)
{
    return QSize(item->GetLayer()->Width, item->GetLayer()->Height);
}

} // namespace

class TestTextItem : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    Core* core() { return Core::instance(); }
    QWordArtItem* addText(Canvas& c, int pixels, QPointF pos)
    {
        c.scene.setSceneRect(0, 0, 640, 480);
        auto* item = qobject_cast<QWordArtItem*>(c.scene.AddLayerText(RedText(pixels)));
        if (item)
            item->setPos(pos);
        return item;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qRegisterMetaType<QWatermarkBase*>();
    }
    void cleanup()
    {
        core()->Layers.clear();
        core()->Rows.clear();
        core()->SetWorkFolderQuery(nullptr);
    }

    // The layer is the rendered picture at its own size; twice the font
    // gives about twice the box.
    void textBoxFollowsFontSize()
    {
        Canvas c;
        QWordArtItem* small = addText(c, 32, QPointF(0, 0));
        QWordArtItem* large = addText(c, 64, QPointF(0, 100));
        QVERIFY(small && large);
        QCOMPARE(small->GetLayer()->Type, 3);
        QCOMPARE(small->GetLayer()->FileName, QStringLiteral("Text1"));
        QCOMPARE(small->zValue(), 2.0);
        QCOMPARE(large->GetLayer()->FileName, QStringLiteral("Text3"));
        QCOMPARE(large->zValue(), 4.0);
        QVERIFY(!small->GetLayer()->Keep);
        for (QWordArtItem* item : {small, large}) {
            const QImage& image = item->GetLayer()->Image;
            QVERIFY(!image.isNull());
            QCOMPARE(LayerSize(item), image.size());
            QCOMPARE(item->ImageRect(), QRectF(QPointF(0, 0), QSizeF(image.size())));
            QVERIFY(!RedBox(image).isEmpty());
        }
        const double gx = double(large->GetLayer()->Width) / small->GetLayer()->Width;
        const double gy = double(large->GetLayer()->Height) / small->GetLayer()->Height;
        QVERIFY2(gx > 1.8 && gx < 2.2 && gy > 1.8 && gy < 2.2, qPrintable(QString::number(gx) + " " + QString::number(gy)));
    }

    // Dragging the resize handle scales the font by the smaller factor (up to
    // the renderer's cap); the release renders the text at that size.
    void resizeHandleScalesTheFont_data()
    {
        QTest::addColumn<QPointF>("factors");
        QTest::addColumn<int>("pixels");
        QTest::newRow("2 x 1.5") << QPointF(2.0, 1.5) << 60;
        QTest::newRow("0.5 x 3") << QPointF(0.5, 3.0) << 20;
        QTest::newRow("released where pressed") << QPointF(1.0, 1.0) << 40;
        QTest::newRow("past the origin") << QPointF(-0.5, 1.0) << 40;
        QTest::newRow("capped") << QPointF(80.0, 80.0) << int(CWordArtInfo::kMaxFontPixelSize);
    }
    void resizeHandleScalesTheFont()
    {
        QFETCH(QPointF, factors);
        QFETCH(int, pixels);
        Canvas c;
        QWordArtItem* item = addText(c, 40, QPointF(50, 60));
        QVERIFY(item);
        const QSize before = LayerSize(item);
        QSignalSpy resized(&c.scene, &QWatermarkScene::itemResizeHM);
        const QPointF from = item->mapToScene(item->handlePos(3));
        const QPointF to = item->mapToScene(QPointF(before.width() * factors.x(), before.height() * factors.y()));
        Drag(&c.view, from, to, 1); // one move: the factors of the row only
        QTRY_COMPARE_WITH_TIMEOUT(resized.count(), 1, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(item->GetLayer()->WordArt.Font.pixelSize(), pixels, 2000);
        // rendered again: the box is the new picture, at the same place
        QTRY_COMPARE_WITH_TIMEOUT(LayerSize(item), item->GetLayer()->Image.size(), 5000);
        QCOMPARE(item->ImageRect().size(), QSizeF(LayerSize(item)));
        QCOMPARE(item->pos(), QPointF(50, 60));
        const double grow = double(item->GetLayer()->Height) / before.height();
        QVERIFY2(std::abs(grow - pixels / 40.0) < 0.1 * pixels / 40.0, qPrintable(QString::number(grow)));
    }

    void rotateHandleTurnsAboutTheCentre()
    {
        Canvas c;
        QWordArtItem* item = addText(c, 40, QPointF(200, 200));
        QVERIFY(item);
        const QSizeF size = item->ImageRect().size();
        const QPointF centre = item->mapToScene(item->ImageRect().center());
        const QPointF from = item->mapToScene(item->handlePos(4));
        const QPointF v = from - centre;
        Drag(&c.view, from, centre + QPointF(-v.y(), v.x()), 8);
        QTRY_VERIFY_WITH_TIMEOUT(item->rotation() != 0.0, 2000);
        QCOMPARE(std::fmod(item->rotation() + 360.0, 360.0), 90.0);
        QCOMPARE(item->mapToScene(item->ImageRect().center()), centre);
        const QRectF upright(centre.x() - size.height() / 2, centre.y() - size.width() / 2, size.height(), size.width());
        QCOMPARE(item->GetPosRect(), upright);
        QCOMPARE(item->GetLayer()->WordArt.Font.pixelSize(), 40); // turning leaves the text as it is
    }

    // Edited text (as the text dialog leaves it): rendered, then the layer
    // takes the new picture's size where it stands, turned as it was.
    void editedTextTakesItsNewSize()
    {
        Canvas c;
        QWordArtItem* item = addText(c, 40, QPointF(120, 80));
        QVERIFY(item);
        item->Rotate(30);
        const QPointF corner = item->mapToScene(QPointF(0, 0));
        const int width = item->GetLayer()->Width;
        item->GetLayer()->WordArt.Text = QStringLiteral("Mark and more");
        item->GetLayer()->DrawWordArt();
        item->ItemUpdate();
        QCOMPARE(LayerSize(item), item->GetLayer()->Image.size());
        QVERIFY(item->GetLayer()->Width > 2 * width);
        QCOMPARE(item->ImageRect().size(), QSizeF(LayerSize(item)));
        QCOMPARE(item->handlePos(3), QPointF(LayerSize(item).width(), LayerSize(item).height()));
        QCOMPARE(item->mapToScene(QPointF(0, 0)), corner);
        QCOMPARE(item->rotation(), 30.0);
    }

    // A project record of kind 3: one layer announced, placed unselected
    // where it was saved, and written as a picture overlay of the filter graph.
    void projectRecordBecomesAnOverlay()
    {
        const QString work = m_dir.path();
        core()->SetWorkFolderQuery([work]() { return work; });
        const QString clip = GrayRow(m_dir.path(), "record.mp4");
        QVERIFY(!clip.isEmpty());

        Canvas c;
        c.scene.InitCanvas(clip);
        QSignalSpy added(core(), &Core::sigAddLayer);
        CLayerInfo record;
        record.Type = 3;
        record.WordArt = RedText(30);
        record.x = 40;
        record.y = 50;
        record.Transparent = 80;
        QWatermarkBase* item = c.scene.AddLayer(&record);
        QVERIFY(qobject_cast<QWordArtItem*>(item));
        QCOMPARE(added.count(), 1);
        QCOMPARE(core()->Layers, QList<QWatermarkBase*>({item}));
        QVERIFY(!item->isSelected());
        QCOMPARE(item->pos(), QPointF(40, 50));
        QCOMPARE(item->GetLayer()->Transparent, 80);
        QCOMPARE(item->GetLayer()->Type, 3);

        const QString graph = core()->GetCommandArg(0);
        const QString png = core()->WorkFolder() + QStringLiteral("/Text1.png");
        QVERIFY2(graph.contains(QStringLiteral("movie=")) && graph.contains(QStringLiteral("Text1.png")), qPrintable(graph));
        QCOMPARE(QImage(png).size(), item->GetLayer()->Image.size());
    }

    // The converter lays the text where the canvas shows it.
    void conversionShowsTheTextInItsBox()
    {
        const QString work = m_dir.path();
        core()->SetWorkFolderQuery([work]() { return work; });
        const QString clip = GrayRow(m_dir.path(), "frame.mp4");
        QVERIFY(!clip.isEmpty());

        Canvas c;
        c.scene.InitCanvas(clip);
        QWordArtItem* item = qobject_cast<QWordArtItem*>(c.scene.AddLayerText(RedText(36, QStringLiteral("HI"))));
        QVERIFY(item);
        item->setPos(70, 90);
        const QString out = m_dir.path() + QStringLiteral("/text.png");
        QVERIFY(TestMedia::RunConverter({"-i", clip, "-vf", core()->GetCommandArg(0), "-frames:v", "1", out}));
        const QImage converted(out);
        QCOMPARE(converted.size(), QSize(320, 240));
        const QRect red = RedBox(converted);
        const QRectF box = item->GetPosRect();
        QVERIFY(!red.isEmpty());
        // the red glyphs fill the layer's box (the picture is trimmed to them)
        QVERIFY2(box.adjusted(-2, -2, 2, 2).contains(QRectF(red)) && red.width() > box.width() - 4
                     && red.height() > box.height() - 4,
                 qPrintable(QStringLiteral("red %1,%2 %3x%4").arg(red.x()).arg(red.y()).arg(red.width()).arg(red.height())));
    }
};

QTEST_MAIN(TestTextItem)
#include "tst_textitem.moc"
