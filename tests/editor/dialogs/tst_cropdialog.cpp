// The crop dialog driven with the mouse and the ratio list: each control
// changes the crop only, an untouched dialog hands back the crop it was
// given, and the margins it returns convert, through the real converter, to
// the even frame the canvas previews.
#include <QtTest>

#include "../EditorTestTools.h"
#include "Core.h"
#include "TestMedia.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkScene.h"
#include "dialogs/CropDialog.h"
#include "dialogs/CropWnd.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <memory>

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPointF at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, w->mapToGlobal(at.toPoint()), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void Drag(QWidget* w, QPointF from, QPointF by)
{
    Mouse(w, QEvent::MouseButtonPress, from);
    for (int i = 1; i <= 4; ++i)
        Mouse(w, QEvent::MouseMove, from + by * (i / 4.0));
    Mouse(w, QEvent::MouseButtonRelease, from + by);
}

struct Open {
    std::unique_ptr<CropDialog> dialog = std::make_unique<CropDialog>();
    CropWnd* wnd() const { return dialog->PreviewWnd(); }
    QComboBox* ratio() const { return dialog->findChild<QComboBox*>("comboBoxRatio"); }
    void show(QImage* frame, const ST_CROP_THICK& crop = ST_CROP_THICK())
    {
        dialog->Crop = crop;
        dialog->SetImage(frame);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void choose(int index)
    {
        ratio()->setFocus();
        QTest::keyClick(ratio(), Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(ratio(), Qt::Key_Down);
        QCOMPARE(ratio()->currentIndex(), index);
    }
    void accept()
    {
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }
};

void CompareCrop(const ST_CROP_THICK& got, const ST_CROP_THICK& want, double tolerance = 0.0)
{
    const double g[] = {got.left, got.top, got.right, got.bottom};
    const double w[] = {want.left, want.top, want.right, want.bottom};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(qAbs(g[i] - w[i]) <= tolerance, qPrintable(QString::number(i) + ": " + QString::number(g[i])));
    QCOMPARE(got.changed, want.changed);
}

QRect RedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).red() > 150 && image.pixelColor(x, y).green() < 90)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestCropDialog : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip; // 320 x 240 grey, a red box towards the bottom right
    QImage m_wide = QImage(1920, 1080, QImage::Format_RGB32);

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_clip = m_dir.path() + "/frame.mp4";
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:s=320x240:d=1:r=25", "-vf",
                                         "drawbox=x=150:y=120:w=120:h=100:color=red:t=fill", "-pix_fmt",
                                         "yuv420p", m_clip}));
        m_wide.fill(Qt::darkGreen);
    }

    // Every fixed ratio locks the rectangle to itself over the whole frame.
    void ratioLocksTheRectangle_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("ratio");
        QTest::newRow("1:1") << 1 << 1.0;
        QTest::newRow("1:2") << 2 << 0.5;
        QTest::newRow("2:1") << 3 << 2.0;
        QTest::newRow("4:3") << 4 << 4.0 / 3.0;
        QTest::newRow("16:9") << 5 << 16.0 / 9.0;
        QTest::newRow("9:16") << 6 << 9.0 / 16.0;
    }
    void ratioLocksTheRectangle()
    {
        QFETCH(int, index);
        QFETCH(double, ratio);
        Open o;
        o.show(&m_wide);
        o.choose(index);
        QVERIFY(!o.wnd()->IsFree());
        QCOMPARE(o.dialog->Crop.changed, true);
        const QRect kept = o.dialog->PixelRect();
        QVERIFY(QRect(0, 0, 1920, 1080).contains(kept));
        QVERIFY2(qAbs(double(kept.width()) / kept.height() / ratio - 1.0) < 0.02,
                 qPrintable(QString::number(kept.width()) + "x" + QString::number(kept.height())));
        // the rectangle spans the frame on the side the ratio allows
        QVERIFY(kept.width() >= 1900 || kept.height() >= 1070);
        if (index == 5)
            CompareCrop(o.dialog->Crop, ST_CROP_THICK{0, 0, 0, 0, true}, 0.01);

        // "Auto" frees the corners but leaves the rectangle and the crop
        const QRectF before = o.wnd()->CropRect();
        const ST_CROP_THICK crop = o.dialog->Crop;
        o.choose(0);
        QVERIFY(o.wnd()->IsFree());
        QCOMPARE(o.wnd()->CropRect(), before);
        CompareCrop(o.dialog->Crop, crop);
    }

    void dragsResizeAndMove()
    {
        Open o;
        o.show(&m_wide);
        // locked to 1:1, the top-left drag keeps the bottom edge and derives the top
        o.choose(1);
        const QRectF r = o.wnd()->CropRect();
        Drag(o.wnd(), r.topLeft(), QPointF(20, 0));
        const QRectF locked = o.wnd()->CropRect();
        QCOMPARE(locked.bottom(), r.bottom());
        QCOMPARE(locked.width(), r.width() - 20);
        QCOMPARE(locked.height(), locked.width());
        // a step carrying the corner off the picture is ignored
        Drag(o.wnd(), locked.bottomRight(), QPointF(0, 200));
        QCOMPARE(o.wnd()->CropRect(), locked);
        // the inside moves the rectangle, stopped at the picture's edge
        Drag(o.wnd(), locked.center(), QPointF(-1000, 0));
        QCOMPARE(o.wnd()->CropRect(), locked.translated(o.wnd()->DisplayRect().left() - locked.left(), 0));
        QVERIFY(o.dialog->Crop.changed && o.dialog->Crop.left < 1e-9 && o.dialog->Crop.right > 0.1);
    }

    void resetReturnsToTheWholeFrame()
    {
        Open o;
        o.show(&m_wide, ST_CROP_THICK{0.1, 0.2, 0.3, 0.1, true});
        o.choose(4);
        QTest::mouseClick(o.dialog->findChild<QPushButton*>("m_BtnReset"), Qt::LeftButton);
        QCOMPARE(o.ratio()->currentIndex(), 0);
        CompareCrop(o.dialog->Crop, ST_CROP_THICK());
        QCOMPARE(o.dialog->PixelRect(), QRect(0, 0, 1920, 1080));
        o.accept();
        CompareCrop(o.dialog->Crop, ST_CROP_THICK());
    }

    // OK at once returns the crop given, field by field; the previous crop is
    // shown where it was, so a click without movement reports it again.
    void untouchedDialogChangesNothing_data()
    {
        QTest::addColumn<ST_CROP_THICK>("given");
        QTest::addColumn<bool>("click");
        QTest::newRow("no crop") << ST_CROP_THICK() << false;
        QTest::newRow("previous crop") << ST_CROP_THICK{0.1, 0.2, 0.05, 0.15, true} << false;
        QTest::newRow("previous crop, clicked") << ST_CROP_THICK{0.1, 0.2, 0.05, 0.15, true} << true;
        QTest::newRow("no crop, clicked") << ST_CROP_THICK() << true;
    }
    void untouchedDialogChangesNothing()
    {
        QFETCH(ST_CROP_THICK, given);
        QFETCH(bool, click);
        Open o;
        o.show(&m_wide, given);
        if (click) {
            Mouse(o.wnd(), QEvent::MouseButtonPress, o.wnd()->CropRect().center());
            Mouse(o.wnd(), QEvent::MouseButtonRelease, o.wnd()->CropRect().center());
        }
        o.accept();
        CompareCrop(o.dialog->Crop, given, click ? 1e-9 : 0.0);
    }

    // No frame (an unreadable source) or an empty one: nothing to crop, and
    // no control fails or invents a crop.
    void emptyFrameIsGuarded()
    {
        QImage empty;
        for (QImage* frame : {static_cast<QImage*>(nullptr), &empty}) {
            Open o;
            const ST_CROP_THICK given = ST_CROP_THICK{0.1, 0.1, 0.1, 0.1, true};
            o.show(frame, given);
            o.choose(5);
            Drag(o.wnd(), QPointF(230, 230), QPointF(10, 10));
            o.dialog->UpdatePreviewUI();
            QVERIFY(o.wnd()->DisplayRect().isEmpty());
            QVERIFY(o.dialog->PixelRect().isEmpty());
            o.accept();
            CompareCrop(o.dialog->Crop, given);
        }
    }

    // The crop drawn or chosen in the dialog, written into the row and the
    // source-frame item as the editor does, gives the same even frame in the
    // converter's output and on the canvas.
    void cropConvertsAsPreviewed_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::addColumn<int>("ratio");   // 0: drawn with the mouse
        QTest::addColumn<QSize>("expected");
        // margins 30/321, 101/321 and 20/241, 61/241 keep 189.4 x 159.3 pixels: 190 x 160
        QTest::newRow("drawn") << -1 << 0 << QSize(190, 160);
        QTest::newRow("drawn, turned") << 1 << 0 << QSize(110, 240);
        QTest::newRow("1:1") << -1 << 1 << QSize(240, 240);
        QTest::newRow("16:9") << -1 << 5 << QSize(320, 180);
    }
    void cropConvertsAsPreviewed()
    {
        QFETCH(int, rotate);
        QFETCH(int, ratio);
        QFETCH(QSize, expected);
        Core* core = Core::instance();
        const QString work = m_dir.path();
        core->SetWorkFolderQuery([work]() { return work; });
        EditorTest::ResetCore(m_clip, 320, 240).rotate = rotate;
        QWatermarkScene scene;
        scene.InitCanvas(m_clip);
        QCanvasItem* canvas = scene.CanvasItem();
        QVERIFY(canvas && !canvas->GetLayer()->Image.isNull());

        // the frame as it will appear, as the editor hands it in
        QImage working = canvas->GetLayer()->Image;
        if (rotate == 1)
            working = working.transformed(QTransform().rotate(90));
        Open o;
        o.show(&working);
        if (ratio == 0) {
            Drag(o.wnd(), o.wnd()->CropRect().topLeft(), QPointF(30, 20));
            Drag(o.wnd(), o.wnd()->CropRect().bottomRight(), QPointF(-101, -61));
        } else {
            o.choose(ratio);
        }
        o.accept();
        const ST_CROP_THICK crop = o.dialog->Crop;
        QVERIFY(crop.changed);
        QCOMPARE(o.dialog->PixelRect().size(), expected);

        ST_OPTS& opts = core->Rows[0];
        opts.cropLeft = crop.left;
        opts.cropTop = crop.top;
        opts.cropRight = crop.right;
        opts.cropBottom = crop.bottom;
        opts.crop = crop.changed;
        CLayerInfo* layer = canvas->GetLayer();
        layer->CropLeft = crop.left;
        layer->CropTop = crop.top;
        layer->CropRight = crop.right;
        layer->CropBottom = crop.bottom;
        layer->CropOn = crop.changed;
        canvas->ItemUpdate();
        const QImage preview = canvas->DisplayedFrame();
        QCOMPARE(preview.size(), expected);

        const QString graph = core->GetCommandArg(0);
        qDebug() << "graph:" << graph;
        const QString out = m_dir.path() + "/" + QTest::currentDataTag() + ".png";
        QVERIFY(TestMedia::RunConverter({"-i", m_clip, "-vf", graph, "-frames:v", "1", out}));
        const QImage converted(out);
        QCOMPARE(converted.size(), expected);
        const QRect inPreview = RedBox(preview);
        const QRect inOutput = RedBox(converted);
        QVERIFY(!inPreview.isNull());
        // the red box lands on the same pixels, give or take the encoder's edge
        QVERIFY2((inPreview.topLeft() - inOutput.topLeft()).manhattanLength() <= 2
                     && (inPreview.bottomRight() - inOutput.bottomRight()).manhattanLength() <= 2,
                 qPrintable(QString::number(inOutput.x()) + "," + QString::number(inOutput.y())));
        core->SetWorkFolderQuery(nullptr);
        core->Rows.clear();
    }
};

QTEST_MAIN(TestCropDialog)
#include "tst_cropdialog.moc"
