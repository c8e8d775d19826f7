#include <QtTest>
#include <QtWidgets>

#include "timeline/ResizableScrollBar.h"
#include "timeline/TimeLineDock.h"
#include "timeline/TimeLineWidget.h"
#include "timeline/TimeRuler.h"
#include "timeline/TimelinePoints.h"
#include "timeline/TimelineView.h"
#include "timeline/TimelineViewEndItem.h"
#include "timeline/VSlider.h"

#include <cmath>

namespace {
void Send(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A left-button drag from one point to another.
void Drag(QWidget* target, const QPoint& from, const QPoint& to)
{
    Send(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Send(target, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    Send(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

int GapOf(const QWidget& w)
{
    return w.fontMetrics().horizontalAdvance(QStringLiteral("H"));
}
}

class TestTimelineWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<int64_t>("int64_t");
        qRegisterMetaType<TimelineViewMouseEvent*>("TimelineViewMouseEvent*");
    }

    void rulerSeeks_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("x 2 is unit 5") << 2 << 0 << qint64(5);
        QTest::newRow("x 1 rounds 2.5 up") << 1 << 0 << qint64(3);
        QTest::newRow("left of 0 stops at 0") << -5 << 0 << qint64(0);
        QTest::newRow("scrolled") << 2 << 40 << qint64(105);
    }

    void rulerSeeks()
    {
        QFETCH(int, x);
        QFETCH(int, scroll);
        QFETCH(qint64, expected);
        TimeRuler ruler(true, false);
        ruler.resize(300, ruler.height());
        ruler.SetTimebase(rational(1, 25));
        ruler.SetScale(10.0);
        ruler.SetScroll(scroll);
        QSignalSpy changed(&ruler, &SeekableWidget::TimeChanged);
        Send(&ruler, QEvent::MouseButtonPress, QPoint(x, 5), Qt::RightButton, Qt::RightButton);
        QCOMPARE(ruler.GetTime(), expected);
        QCOMPARE(changed.count(), 1);
    }

    void tickSpacing_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("kind");
        QTest::newRow("scale 0: no ticks") << 0.0 << "none";
        QTest::newRow("negative scale: no ticks") << -3.0 << "none";
        QTest::newRow("NaN scale: no ticks") << std::nan("") << "none";
        QTest::newRow("frames wider than two gaps") << 2500.0 << "frames";
        QTest::newRow("a day narrower than two gaps") << 1e-6 << "days";
        QTest::newRow("vanishing scale") << 1e-300 << "days";
        QTest::newRow("seconds in a minute") << 1.0 << "divided";
        QTest::newRow("huge scale") << 1e300 << "frames";
    }

    void tickSpacing()
    {
        QFETCH(double, scale);
        QFETCH(QString, kind);
        TimeRuler ruler(true, false);
        ruler.SetTimebase(rational(1, 25));
        ruler.SetScale(scale);
        const TimeRuler::Spacing s = ruler.TickSpacing();
        const int gap = GapOf(ruler);
        if (kind == "none") {
            QCOMPARE(s.longInterval, -1.0);
            QCOMPARE(s.shortInterval, -1.0);
        } else if (kind == "frames") {
            QCOMPARE(s.longInterval, scale);          // a labelled tick every second
            QCOMPARE(s.shortInterval, scale / 25.0); // a short tick every frame
        } else if (kind == "days") {
            QCOMPARE(s.longInterval, -1.0);
            QVERIFY(s.shortInterval >= gap && s.shortInterval < 2 * gap);
            const double doublings = std::log2(s.shortInterval / (86400 * scale));
            QCOMPARE(doublings, std::round(doublings));
        } else {
            QCOMPARE(s.longInterval, 60.0);
            QVERIFY(s.shortInterval >= gap);
            const double parts = 60.0 / s.shortInterval;
            QCOMPARE(parts, std::round(parts));
            QVERIFY(60 % int(std::round(parts)) == 0);
        }
    }

    void drawsAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale : {0.0, 1e-300, 1e-6, 0.01, 1.0, 37.5, 8192.0, 1e12, 1e300})
            QTest::addRow("scale %g", scale) << scale;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    }

    void drawsAtEveryScale()
    {
        QFETCH(double, scale);
        TimeLineWidget panel;
        panel.resize(640, 240);
        TimelinePoints points;
        points.workarea()->set_range(TimeRange(rational(1), TimelineWorkArea::kResetOut));
        points.workarea()->set_enabled(true);
        points.markers()->AddMarker(TimeRange(rational(2), rational(3)), "cut");
        points.markers()->AddMarker(TimeRange(rational(4), rational(4)), QString());
        panel.ruler()->ConnectTimelinePoints(&points);
        panel.SetTimebase(rational(1, 25));
        panel.AddBlock(1000000, 9000000);
        panel.SetScale(scale);
        panel.ruler()->SetTime(200);
        panel.view()->SetTime(200);
        panel.CenterScrollOnPlayhead();
        const QImage image = panel.grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(panel.view()->GetScale() <= TimelineViewBase::kMaximumScale);
        QVERIFY(panel.scrollbar()->maximum() >= 0);
    }

    void workAreaAndMarkersDrawn()
    {
        TimeRuler ruler(true, false);
        ruler.resize(400, ruler.height());
        ruler.SetTimebase(rational(1, 25));
        ruler.SetScale(100.0);
        ruler.SetScroll(100);
        TimelinePoints points;
        points.workarea()->set_range(TimeRange(rational(2), TimelineWorkArea::kResetOut));
        points.workarea()->set_enabled(true);
        points.markers()->AddMarker(TimeRange(rational(1, 10), rational(1, 2)), QString()); // all left of view
        points.markers()->AddMarker(TimeRange(rational(1, 2), rational(3, 2)), QString());  // starts left of it
        ruler.ConnectTimelinePoints(&points);
        const QImage image = ruler.grab().toImage();
        const QColor highlight = ruler.palette().color(QPalette::Highlight);
        QVERIFY(image.pixelColor(50, 1) != highlight);
        QCOMPARE(image.pixelColor(150, 1), highlight);
        QCOMPARE(image.pixelColor(399, 1), highlight); // reset out: to the right edge
        // The second marker is clipped at x 0: its outline starts there.
        const int band = ruler.height() - ruler.fontMetrics().height() - ruler.fontMetrics().height() / 4 - 2;
        QCOMPARE(image.pixelColor(0, band), QColor(Qt::black));
        QCOMPARE(image.pixelColor(10, band), QColor(Qt::green));
        QVERIFY(image.pixelColor(60, band) != QColor(Qt::green));
    }

    void dragsMoveThePlayhead()
    {
        TimeLineWidget panel;
        panel.resize(640, 240);
        panel.SetTimebase(rational(1, 25));
        panel.SetScale(100.0); // a frame is 4 pixels wide
        panel.AddBlock(0, 20000000);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        TimelineView* view = panel.view();
        QWidget* viewport = view->viewport();
        viewport->repaint(); // places the playhead band
        QSignalSpy pressed(view, &TimelineView::MousePressed);
        QSignalSpy panelTime(&panel, &TimeLineWidget::TimeChanged);

        const QPoint head = view->mapFromScene(QPointF(1, 20));
        Drag(viewport, head, head + QPoint(200, 0));
        QCOMPARE(view->GetPlayheadUnits(), int64_t(50));
        QCOMPARE(panel.ruler()->GetTime(), int64_t(50));
        QCOMPARE(panelTime.last().at(0).value<int64_t>(), int64_t(50));
        QCOMPARE(pressed.count(), 0);

        Send(viewport, QEvent::MouseButtonPress, head + QPoint(400, 0), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);

        Drag(panel.ruler(), QPoint(40, 5), QPoint(120, 5));
        QCOMPARE(panel.ruler()->GetTime(), int64_t(30));
        QCOMPARE(view->GetPlayheadUnits(), int64_t(30));
    }

    void playheadPagesIntoView()
    {
        TimeLineWidget panel;
        panel.resize(640, 240);
        panel.SetTimebase(rational(1, 25));
        panel.SetScale(100.0);
        panel.AddBlock(0, 60000000);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        TimelineView* view = panel.view();
        const int vw = view->viewport()->width();
        view->SetTime(25 * 40); // scene x 4000, right of the view
        QCOMPARE(view->horizontalScrollBar()->value(), 4000 - vw / 16);
        QCOMPARE(panel.scrollbar()->value(), 4000 - vw / 16);
        QCOMPARE(panel.ruler()->GetScroll(), 4000 - vw / 16);
        view->SetTime(25 * 20); // scene x 2000, left of it
        QCOMPARE(view->horizontalScrollBar()->value(), 2000 + vw / 16 - vw);
    }

    void wheelZoomsTheWholePanel()
    {
        TimeLineWidget panel;
        panel.resize(640, 240);
        panel.SetTimebase(rational(1, 25));
        panel.AddBlock(0, 4000000);
        QWheelEvent down(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(panel.view()->viewport(), &down);
        QCOMPARE(panel.GetScale(), 0.5);
        QApplication::sendEvent(panel.view()->viewport(), &down);
        QCOMPARE(panel.GetScale(), 0.25);
        QCOMPARE(panel.ruler()->GetScale(), 0.25);
        QCOMPARE(panel.view()->GetScale(), 0.25);
        panel.SetScale(1e6);
        QCOMPARE(panel.ruler()->GetScale(), 1e6);
        QCOMPARE(panel.view()->GetScale(), TimelineViewBase::kMaximumScale);
        QCOMPARE(panel.view()->EndItem()->GetScale(), TimelineViewBase::kMaximumScale);
    }

    void scrollBarEdgeRequestsScale_data()
    {
        QTest::addColumn<bool>("endEdge");
        QTest::addColumn<int>("d");
        QTest::newRow("end edge stretched") << true << 30;
        QTest::newRow("start edge stretched") << false << -30;
        QTest::newRow("end edge shrunk") << true << -20;
    }

    void scrollBarEdgeRequestsScale()
    {
        QFETCH(bool, endEdge);
        QFETCH(int, d);
        ResizableScrollBar bar(Qt::Horizontal);
        bar.resize(400, 16);
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.pageStep = bar.pageStep();
        const QRect handle = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
        QSignalSpy requested(&bar, &ResizableScrollBar::RequestScale);
        const QPoint grab(endEdge ? handle.right() - 2 : handle.left() + 2, 8);
        Send(&bar, QEvent::MouseMove, grab, Qt::NoButton, Qt::NoButton);
        QCOMPARE(bar.cursor().shape(), Qt::SizeHorCursor);
        Send(&bar, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        Send(&bar, QEvent::MouseMove, grab + QPoint(d, 0), Qt::NoButton, Qt::LeftButton);
        Send(&bar, QEvent::MouseButtonRelease, grab + QPoint(d, 0), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(requested.count(), 1);
        const double length = handle.width();
        const double stretch = endEdge ? d : -d;
        QCOMPARE(requested.first().at(0).toDouble(), length / (length + stretch));
    }

    void degenerateScaleRequestsAreDropped()
    {
        TimeLineWidget panel;
        panel.SetScale(4.0);
        for (double factor : {0.0, -2.0, std::nan("")})
            QMetaObject::invokeMethod(&panel, "ScrollBarResized", Q_ARG(double, factor));
        QCOMPARE(panel.GetScale(), 4.0);
    }

    void clearDeletesBlocks()
    {
        TimeLineWidget panel;
        panel.AddBlock(0, 2000000);
        panel.AddBlock(2000000, 5000000);
        QCOMPARE(panel.timeline_length(), rational(5));
        QCOMPARE(panel.view()->scene()->items().size(), 3);
        panel.Clear();
        QVERIFY(panel.view()->scene()->items().isEmpty());
        panel.SetScale(2.0); // the kept end item still follows
        QCOMPARE(panel.view()->EndItem()->GetScale(), 2.0);
    }

    void tracksAndSecondRulerName()
    {
        TimelineView view(Qt::AlignTop);
        QCOMPARE(view.GetTrackY(0), 0);
        QCOMPARE(view.GetTrackY(2), 102);
        QCOMPARE(view.SceneToTrack(100), 1);
        QCOMPARE(view.SceneToTrack(101), 2);
        QLoggingCategory::setFilterRules("default.debug=true");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^VSlider::paintEvent"));
        VSlider slider(true, false);
        slider.SetTimebase(rational(1, 25));
        slider.grab();
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void dockHoldsTheLockedPanel()
    {
        TimeLineDock dock;
        QVERIFY(qobject_cast<TimeLineWidget*>(dock.widget()));
        QVERIFY(!(dock.features() & QDockWidget::DockWidgetMovable));
        QVERIFY(dock.features() & QDockWidget::DockWidgetClosable);
        QVERIFY(dock.titleBarWidget());
    }
};

int main(int argc, char** argv)
{
    // The ruler and the items write a debug line per paint.
    QLoggingCategory::setFilterRules("default.debug=false");
    QApplication app(argc, argv);
    TestTimelineWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_timelinewidgets.moc"
