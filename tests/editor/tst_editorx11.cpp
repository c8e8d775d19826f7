// The editor's preview on a real X11 screen: the picture is drawn exactly
// over the canvas frame with its layers, pause puts the frame on the canvas,
// stop and unplayable sources return to idle. Runs only on the xcb platform
// with SDL's x11 driver (xvfb-run); skipped in the headless runs.
#include <QtTest>

#include "CLayerInfo.h"
#include "EditorTestTools.h"
#include "ImageChecks.h"
#include "LumacrestResources.h"
#include "MediaFunctions.h"
#include "ST_MEDIA_INFO.h"
#include "QWatermarkBase.h"
#include "TestMedia.h"
#include "canvas/QCanvasItem.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"
#include "ffplay.h"

#include <QPainter>
#include <QScreen>
#include <QToolButton>

using namespace EditorTest;
using namespace ImageChecks;

namespace {
bool IsBlue(QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; }
bool IsYellow(QColor c) { return c.red() > 180 && c.green() > 180 && c.blue() < 90; }
bool IsGreen(QColor c) { return c.green() > 90 && c.red() < 60 && c.blue() < 60; }
// Boxes found in pictures of two sizes: the same shape within 6 % and the same
// place within 1 % of the picture.
bool SameShapeAndPlace(const QRectF& a, const QSizeF& inA, const QRectF& b, const QSizeF& inB)
{
    const QPointF apart(a.center().x() / inA.width() - b.center().x() / inB.width(),
                        a.center().y() / inA.height() - b.center().y() / inB.height());
    return !a.isEmpty() && qAbs(a.width() * b.height() / a.height() / b.width() - 1) < 0.06 && apart.manhattanLength() < 0.01;
}
} // namespace

class TestEditorX11 : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_clip;
    QString m_png;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb" || qgetenv("SDL_VIDEODRIVER") != "x11")
            QSKIP("needs the xcb platform and SDL's x11 driver");
        InitLumacrestResources();
        QVERIFY(m_dir.isValid());
        m_clip = TestMedia::MakeSolidVideo(m_dir.path(), "yellow", "yellow.mp4", 8.0, 320, 240);
        m_png = TestMedia::MakeImage(m_dir.path(), "blue.png", 60, 40, "blue");
        QVERIFY(!m_clip.isEmpty() && !m_png.isEmpty());
    }

    void previewOverTheCanvas()
    {
        ResetCore(m_clip, 320, 240);
        EditorMainWindow window;
        window.setGeometry(40, 40, 1000, 700);
        window.InitCanvas(m_clip);
        QWatermarkBase* layer = window.Scene()->AddLayerImage(m_png);
        QVERIFY(layer);
        layer->setPos(100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWatermarkView* view = window.View();
        QTRY_VERIFY_WITH_TIMEOUT(view->isVisible() && view->viewport()->width() > 320, 5000);
        QApplication::processEvents();
        // Where the canvas shows the layer and the frame, on the screen.
        const QPoint layerAt = view->viewport()->mapToGlobal(view->mapFromScene(QPointF(100, 80)));
        const QPoint frameAt = view->viewport()->mapToGlobal(view->mapFromScene(QPointF(0, 0)));
        QCanvasItem* frame = window.Scene()->CanvasItem();
        frame->GetLayer()->Image.fill(Qt::black);
        frame->ItemUpdate();

        QScreen* screen = window.screen();
        int step = 0;
        QImage playing;
        QRect blue, yellow;
        bool pausedOnCanvas = false;
        QTimer driver;
        QElapsedTimer clock;
        clock.start();
        connect(&driver, &QTimer::timeout, this, [&]() {
            if (clock.elapsed() > 40000) {
                window.OnStop();
                return;
            }
            if (step == 0 && JxPlayerGetPosition() > 300000) {
                // Poll until the picture with its layer is on the screen.
                // Only the frame's neighbourhood: the dock shows the layer too.
                playing = screen->grabWindow(0, frameAt.x() - 20, frameAt.y() - 20, 360, 280).toImage();
                blue = Box(playing, IsBlue);
                yellow = Box(playing, IsYellow);
                if (!blue.isEmpty() && yellow.width() > 300)
                    step = 1;
            } else if (step == 1) {
                window.PlayerBar()->m_btnPlay->click();
                step = 2;
            } else if (step == 2) {
                pausedOnCanvas = IsYellow(frame->GetLayer()->Image.pixelColor(5, 5)) && window.View()->isVisible();
                window.PlayerBar()->m_btnStop->click();
                step = 3;
            }
        });
        driver.start(30);
        window.PlayerBar()->m_btnPlay->click();
        driver.stop();
        if (!qEnvironmentVariableIsEmpty("LUMACREST_GRAB"))
            playing.save(qEnvironmentVariable("LUMACREST_GRAB"));
        QVERIFY2(step == 3, qPrintable(QString("stopped at step %1, blue %2, yellow %3")
                                           .arg(step).arg(Text(blue), Text(yellow))));
        blue.translate(frameAt - QPoint(20, 20));
        yellow.translate(frameAt - QPoint(20, 20));
        const QRect expectedBlue(layerAt, QSize(60, 40));
        QVERIFY2((blue.topLeft() - expectedBlue.topLeft()).manhattanLength() <= 4
                     && qAbs(blue.width() - 60) <= 4 && qAbs(blue.height() - 40) <= 4,
                 qPrintable(Text(blue) + " expected " + Text(expectedBlue)));
        QVERIFY2((yellow.topLeft() - frameAt).manhattanLength() <= 4 && qAbs(yellow.width() - 320) <= 4,
                 qPrintable(Text(yellow) + " frame at " + QString::number(frameAt.x()) + "," + QString::number(frameAt.y())));
        QVERIFY(pausedOnCanvas);
        QVERIFY(window.IsPreviewIdle());
        QVERIFY(window.View()->isVisible());
    }

    // Phone and DVD pictures: the preview turns the picture upright before
    // it lays the layers on, as the converter does, and shows it at the
    // aspect of its pixels, over the canvas that shows it so. Burnt-in
    // subtitles keep the shape and place they have on square pixels, in the
    // preview and in the converter's output.
    void previewOfATurnedOrWidescreenSource_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QString>("sar");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QVector<int>>("matrix");
        const QSize wide(320, 180);
        QTest::newRow("square") << wide << "1/1" << 0 << QVector<int>();
        QTest::newRow("rotate 90") << wide << "1/1" << 90 << QVector<int>();
        QTest::newRow("rotate 180") << wide << "1/1" << 180 << QVector<int>();
        QTest::newRow("mirrored quarter turn") << wide << "1/1" << 0 << QVector<int>{0, 1, 1, 0};
        QTest::newRow("PAL 64:45") << QSize(720, 576) << "64/45" << 0 << QVector<int>();
        QTest::newRow("PAL rotate 90") << QSize(720, 576) << "64/45" << 90 << QVector<int>();
        QTest::newRow("PAL, the row turned right") << QSize(720, 576) << "64/45" << 0 << QVector<int>();
    }
    void previewOfATurnedOrWidescreenSource()
    {
        QFETCH(QSize, stored);
        QFETCH(QString, sar);
        QFETCH(int, tag);
        QFETCH(QVector<int>, matrix);
        const QString source = TestMedia::MakeTurnedVideo(m_dir.path(), "turned.mp4", stored, sar, tag, matrix);
        QVERIFY(!source.isEmpty());
        const ST_MEDIA_INFO info = ProbeMediaInfo(source);
        ST_OPTS& row = ResetCore(source, info.width, info.height);
        row.media = info;
        row.rotate = QByteArray(QTest::currentDataTag()).endsWith("turned right") ? 1 : -1; // the row's own turn
        EditorMainWindow window;
        window.setGeometry(40, 40, 1000, 700);
        window.InitCanvas(source);
        const QSize canvas = window.Scene()->CanvasSize();
        QCOMPARE(canvas, row.rotate < 0 ? info.ShownSize() : info.ShownSize().transposed());
        // A large yellow "O" burnt in, and burnt into square pixels of the shown size.
        QFile ass(m_dir.filePath("o.ass"));
        QVERIFY(ass.open(QIODevice::WriteOnly) && ass.write("[Script Info]\nPlayResX: 384\nPlayResY: 288\n[V4+ Styles]\n"
            "Format: Name, Fontsize, PrimaryColour, Alignment\nStyle: Default,120,&H0000FFFF,5\n[Events]\n"
            "Format: Start, End, Style, Text\nDialogue: 0:00:00.00,0:00:09.00,Default,O\n") > 0);
        ass.close();
        row.subtitle = true;
        row.subtitlePath = ass.fileName();
        const QString size = QString("%1x%2").arg(canvas.width()).arg(canvas.height());
        QVERIFY(TestMedia::RunConverter({"-f", "lavfi", "-i", "color=c=gray:size=" + size, "-frames:v", "1", "-vf",
                                         "ass=" + ass.fileName(), m_dir.filePath("square.png")}));
        const QRect onSquare = Box(QImage(m_dir.filePath("square.png")), IsYellow);
        QImage square(48, 48, QImage::Format_ARGB32);
        square.fill(Qt::transparent);
        QPainter(&square).fillRect(8, 8, 32, 32, Qt::blue);
        const QString png = m_dir.filePath("square.png");
        QVERIFY(square.save(png));
        QWatermarkBase* layer = window.Scene()->AddLayerImage(png);
        QVERIFY(layer);
        layer->setPos(canvas.width() - 60, 12);
        window.Scene()->ClearSelectedItem();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWatermarkView* view = window.View();
        QTRY_VERIFY_WITH_TIMEOUT(view->isVisible() && view->viewport()->width() > 320, 5000);
        // The editor's zoom follows the screen's size: the whole frame is brought in sight, under no dock.
        const QSizeF room = QSizeF(view->viewport()->size()) * 0.9;
        view->setZoom(qMin(100.0, 100.0 * qMin(room.width() / canvas.width(), room.height() / canvas.height())));
        QApplication::processEvents();

        // The canvas on the screen, then the preview in its place.
        const QRect frame(view->viewport()->mapToGlobal(view->mapFromScene(QPointF(0, 0))),
                          view->viewport()->mapToGlobal(view->mapFromScene(QPointF(canvas.width(), canvas.height()))));
        QScreen* screen = window.screen();
        QTRY_VERIFY_WITH_TIMEOUT(!Box(screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                                          .toImage(), IsGreen).isNull(), 5000);
        const QImage shown = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
        const QRect blueOnCanvas = Box(shown, IsBlue);
        const QRect greenOnCanvas = Box(shown, IsGreen);
        QCanvasItem* item = window.Scene()->CanvasItem();
        item->GetLayer()->Image.fill(Qt::black);
        item->ItemUpdate();

        QRect blue, green, yellow;
        bool seen = false;
        QTimer driver;
        QElapsedTimer clock;
        clock.start();
        connect(&driver, &QTimer::timeout, this, [&]() {
            if (clock.elapsed() > 40000 || seen) {
                window.OnStop();
                return;
            }
            if (JxPlayerGetPosition() <= 200000)
                return;
            const QImage playing
                = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
            blue = Box(playing, IsBlue);
            green = Box(playing, IsGreen);
            yellow = Box(playing, IsYellow);
            seen = Near(blue, blueOnCanvas, 3) && Near(green, greenOnCanvas, 3);
        });
        driver.start(30);
        window.PlayerBar()->m_btnPlay->click();
        driver.stop();
        QVERIFY2(seen, qPrintable("preview: layer " + Text(blue) + ", mark " + Text(green) + "; canvas: layer "
                                  + Text(blueOnCanvas) + ", mark " + Text(greenOnCanvas)));
        QVERIFY(window.IsPreviewIdle());
        QVERIFY2(SameShapeAndPlace(yellow, frame.size(), onSquare, canvas), qPrintable("preview " + Text(yellow)));
        const QString output = m_dir.filePath("output.png");
        QVERIFY(TestMedia::RunConverter({"-i", source, "-frames:v", "1", "-vf",
                                         Core::instance()->GetCommandArg(0) + ",scale=" + size, output}));
        const QRect converted = Box(QImage(output), IsYellow);
        QVERIFY2(SameShapeAndPlace(converted, canvas, onSquare, canvas), qPrintable("output " + Text(converted)));
    }

    void unplayableSourceReturnsToIdle()
    {
        const QString gone = m_dir.path() + "/gone.mp4";
        QVERIFY(QFile::copy(m_clip, gone));
        ResetCore(gone, 320, 240);
        EditorMainWindow window;
        window.InitCanvas(gone);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QFile::remove(gone));
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, &window, &EditorMainWindow::OnStop);
        watchdog.start(20000);
        window.PlayerBar()->m_btnPlay->click();
        QVERIFY2(watchdog.isActive(), "the start had to be stopped from outside");
        QVERIFY(window.IsPreviewIdle());
        QVERIFY(window.View()->isVisible());
        QCOMPARE(window.PlayerBar()->m_btnPlay->toolTip(), QString("Play"));
    }
};

QTEST_MAIN(TestEditorX11)
#include "tst_editorx11.moc"
