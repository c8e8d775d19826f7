// The crop dialog driven with the mouse and the ratio list: each control
// changes the crop only, an untouched dialog hands back the crop it was
// given, and the margins it returns convert, through the real converter, to
// the even frame the canvas previews.
#include <QtTest>

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
    QVERIFY2(qAbs(got.left - want.left) <= tolerance, qPrintable(QString::number(got.left)));
    QVERIFY2(qAbs(got.top - want.top) <= tolerance, qPrintable(QString::number(got.top)));
    QVERIFY2(qAbs(got.right - want.right) <= tolerance, qPrintable(QString::number(got.right)));
    QVERIFY2(qAbs(got.bottom - want.bottom) <= tolerance, qPrintable(QString::number(got.bottom)));
    QCOMPARE(got.changed, want.changed);
}

ST_CROP_THICK Margins(double l, double t, double r, double b)
{
    ST_CROP_THICK c;
    c.left = l;
    c.top = t;
    c.right = r;
    c.bottom = b;
    c.changed = true;
    return c;
}

bool IsRed(QColor c)
{
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

QRect RedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsRed(image.pixelColor(x, y)))
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
            CompareCrop(o.dialog->Crop, Margins(0, 0, 0, 0), 0.01);

        // "Auto" frees the corners but leaves the rectangle and the crop
        const QRectF before = o.wnd()->CropRect();
        const ST_CROP_THICK crop = o.dialog->Crop;
        o.choose(0);
        QVERIFY(o.wnd()->IsFree());
        QCOMPARE(o.wnd()->CropRect(), before);
        CompareCrop(o.dialog->Crop, crop);
    }

    void cornerDragsResize()
    {
        Open o;
        o.show(&m_wide);
        // free: the top-left corner moves alone
        QRectF r = o.wnd()->CropRect();
        Drag(o.wnd(), r.topLeft(), QPointF(40, 30));
        QCOMPARE(o.wnd()->CropRect(), QRectF(r.x() + 40, r.y() + 30, r.width() - 40, r.height() - 30));
        QVERIFY(o.dialog->Crop.changed);
        QVERIFY(o.dialog->Crop.left > 0.08 && o.dialog->Crop.top > 0.1);
        // locked to 1:1, the top-left drag keeps the bottom edge and derives the top
        o.choose(1);
        r = o.wnd()->CropRect();
        Drag(o.wnd(), r.topLeft(), QPointF(20, 0));
        const QRectF locked = o.wnd()->CropRect();
        QCOMPARE(locked.bottom(), r.bottom());
        QCOMPARE(locked.width(), r.width() - 20);
        QCOMPARE(locked.height(), locked.width());
        // a drag carrying the corner off the picture is ignored
        Drag(o.wnd(), locked.bottomRight(), QPointF(0, 200));
        QCOMPARE(o.wnd()->CropRect(), locked);
        // the inside moves the rectangle, stopped at the picture's edge
        o.choose(0);
        Drag(o.wnd(), locked.center(), QPointF(-1000, 0));
        QCOMPARE(o.wnd()->CropRect().left(), o.wnd()->DisplayRect().left());
        QCOMPARE(o.wnd()->CropRect().size(), locked.size());
        QVERIFY(o.dialog->Crop.left < 1e-9);
    }

    void resetReturnsToTheWholeFrame()
    {
        Open o;
        o.show(&m_wide, Margins(0.1, 0.2, 0.3, 0.1));
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
        QTest::newRow("previous crop") << Margins(0.1, 0.2, 0.05, 0.15) << false;
        QTest::newRow("previous crop, clicked") << Margins(0.1, 0.2, 0.05, 0.15) << true;
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
    void emptyFrameIsGuarded_data()
    {
        QTest::addColumn<bool>("null");
        QTest::newRow("null pointer") << true;
        QTest::newRow("empty image") << false;
    }
    void emptyFrameIsGuarded()
    {
        QFETCH(bool, null);
        QImage empty;
        Open o;
        const ST_CROP_THICK given = Margins(0.1, 0.1, 0.1, 0.1);
        o.show(null ? nullptr : &empty, given);
        o.choose(5);
        Drag(o.wnd(), QPointF(230, 230), QPointF(10, 10));
        o.dialog->UpdatePreviewUI();
        QVERIFY(o.wnd()->DisplayRect().isEmpty());
        QVERIFY(o.dialog->PixelRect().isEmpty());
        o.accept();
        CompareCrop(o.dialog->Crop, given);
    }

    // The crop drawn or chosen in the dialog, written into the row and the
    // source-frame item as the editor does, gives the same even frame in the
    // converter's output and on the canvas.
    void cropConvertsAsPreviewed_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::addColumn<int>("ratio");   // 0: drawn with the mouse
        QTest::addColumn<QSize>("expected");
        // margins 30/321, 101/321 and 20/241, 61/241 keep 189.4 x 159.3 pixels
        QTest::newRow("drawn") << -1 << 0 << QSize(188, 158);
        QTest::newRow("drawn, turned") << 1 << 0 << QSize(108, 238);
        QTest::newRow("1:1") << -1 << 1 << QSize(240, 240);
        QTest::newRow("16:9") << -1 << 5 << QSize(320, 180);
    }
    void cropConvertsAsPreviewed()
    {
        QFETCH(int, rotate);
        QFETCH(int, ratio);
        QFETCH(QSize, expected);
        Core* core = Core::instance();
        core->Rows.clear();
        core->Layers.clear();
        const QString work = m_dir.path();
        core->SetWorkFolderQuery([work]() { return work; });
        ST_OPTS row;
        InitOpts(&row);
        row.width = 320;
        row.height = 240;
        row.path = m_clip;
        row.rotate = rotate;
        core->Rows << row;
        core->CurrentRow = 0;
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
        QVERIFY2(qAbs(inPreview.left() - inOutput.left()) <= 1 && qAbs(inPreview.top() - inOutput.top()) <= 1
                     && qAbs(inPreview.right() - inOutput.right()) <= 1
                     && qAbs(inPreview.bottom() - inOutput.bottom()) <= 1,
                 qPrintable(QStringLiteral("preview %1,%2 %3x%4, output %5,%6 %7x%8")
                                .arg(inPreview.x()).arg(inPreview.y()).arg(inPreview.width())
                                .arg(inPreview.height()).arg(inOutput.x()).arg(inOutput.y())
                                .arg(inOutput.width()).arg(inOutput.height())));
        core->SetWorkFolderQuery(nullptr);
        core->Rows.clear();
    }
};

QTEST_MAIN(TestCropDialog)
#include "tst_cropdialog.moc"
