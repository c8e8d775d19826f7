#include <QtTest>

#include "timeline/TimelineCoordinate.h"
#include "timeline/TimelinePoints.h"
#include "timeline/TimelineScaledObject.h"
#include "timeline/TimelineViewBlockItem.h"
#include "timeline/TimelineViewMouseEvent.h"

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(rational)

namespace {
// Counts the scale events a scaled object receives.
class CountingScaled : public TimelineScaledObject
{
public:
    int events = 0;

protected:
    void ScaleChangedEvent(const double&) override { ++events; }
};
}

class TestTimelineModel : public QObject
{
    Q_OBJECT
private slots:
    void sceneToTime_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("scale");
        QTest::addColumn<rational>("timebase");
        QTest::addColumn<bool>("round");
        QTest::addColumn<rational>("expected");
        const rational tb(1, 25);
        QTest::newRow("frame 5 at scale 10") << 2.0 << 10.0 << tb << false << rational(1, 5);
        QTest::newRow("half frame rounds up") << 1.0 << 10.0 << tb << true << rational(3, 25);
        QTest::newRow("half frame floors") << 1.0 << 10.0 << tb << false << rational(2, 25);
        QTest::newRow("minus half frame rounds to 0") << -0.2 << 10.0 << tb << true << rational(0, 0);
        QTest::newRow("minus half frame floors to -1") << -0.2 << 10.0 << tb << false << rational(-1, 25);
        QTest::newRow("scale 8192") << 8192.0 * 3 << 8192.0 << tb << false << rational(3, 1);
        QTest::newRow("scale 0 maps to 0") << 500.0 << 0.0 << tb << true << rational(0, 0);
        QTest::newRow("negative scale maps to 0") << 500.0 << -2.0 << tb << true << rational(0, 0);
        QTest::newRow("NaN scale maps to 0") << 500.0 << std::nan("") << tb << true << rational(0, 0);
        QTest::newRow("null timebase maps to 0") << 500.0 << 10.0 << rational(0, 0) << true << rational(0, 0);
        QTest::newRow("huge scale") << 1e6 << 1e300 << tb << false << rational(0, 0);
    }

    void sceneToTime()
    {
        QFETCH(double, x);
        QFETCH(double, scale);
        QFETCH(rational, timebase);
        QFETCH(bool, round);
        QFETCH(rational, expected);
        QCOMPARE(TimelineScaledObject::SceneToTime(x, scale, timebase, round), expected);
    }

    void timeToSceneAndBack_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<long long>("frames");
        for (double scale : {0.5, 1.0, 10.0, 100.0, 8192.0})
            for (long long frames : {0LL, 1LL, 37LL, 90000LL})
                QTest::addRow("scale %g, %lld frames", scale, frames) << scale << frames;
    }

    void timeToSceneAndBack()
    {
        QFETCH(double, scale);
        QFETCH(long long, frames);
        TimelineScaledObject object;
        object.SetTimebase(rational(1001, 30000));
        object.SetScale(scale);
        const rational time = rational(frames) * object.timebase();
        const double x = object.TimeToScene(time);
        QCOMPARE(x, time.toDouble() * scale);
        QCOMPARE(object.SceneToTime(x, true), time);
    }

    void extremeScaleStaysFinite()
    {
        // One pixel at a vanishing scale is an enormous time, not an overflow.
        const rational t = TimelineScaledObject::SceneToTime(1e6, 1e-300, rational(1, 25), false);
        QVERIFY(t > rational(0, 0));
        QCOMPARE(ClampToInt(1e300), std::numeric_limits<int>::max());
        QCOMPARE(ClampToInt(std::nan("")), 0);
        QCOMPARE(ClampToInt64(-1e300), std::numeric_limits<long long>::min());
    }

    void setScale_data()
    {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("inside") << 0.5 << 100.0 << 3.0 << 3.0;
        QTest::newRow("above the maximum") << 0.5 << 100.0 << 500.0 << 100.0;
        QTest::newRow("below the minimum") << 0.5 << 100.0 << 0.1 << 0.5;
        QTest::newRow("NaN takes the minimum") << 0.5 << 100.0 << std::nan("") << 0.5;
        QTest::newRow("unchanged still notifies") << 0.0 << 100.0 << 1.0 << 1.0;
    }

    void setScale()
    {
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, value);
        QFETCH(double, expected);
        CountingScaled object;
        object.SetMinimumScale(minimum);
        object.SetMaximumScale(maximum);
        object.events = 0;
        object.SetScale(value);
        QCOMPARE(object.GetScale(), expected);
        QCOMPARE(object.events, 1);
    }

    void markerList()
    {
        TimelineMarkerList list;
        TimelineMarkerList other;
        QSignalSpy added(&list, &TimelineMarkerList::MarkerAdded);
        QSignalSpy removed(&list, &TimelineMarkerList::MarkerRemoved);
        list.AddMarker(TimeRange(rational(1), rational(2)), "one");
        list.AddMarker(TimeRange(rational(3), rational(3)), "two");
        other.AddMarker(TimeRange(rational(0), rational(1)), "foreign");
        QCOMPARE(added.count(), 2);
        QCOMPARE(list.list().size(), 2);
        QCOMPARE(list.list().at(1)->name(), QString("two"));

        list.RemoveMarker(other.list().first());
        QCOMPARE(removed.count(), 0);
        QCOMPARE(other.list().size(), 1);

        // Receivers can still read the marker; it is deleted right after.
        QString seen;
        connect(&list, &TimelineMarkerList::MarkerRemoved, this, [&seen](TimelineMarker* m) { seen = m->name(); });
        QPointer<TimelineMarker> first = list.list().first();
        list.RemoveMarker(first);
        QCOMPARE(seen, QString("one"));
        QVERIFY(first.isNull());
        QCOMPARE(list.list().size(), 1);
    }

    void markerSettersAlwaysNotify()
    {
        TimelineMarker marker(TimeRange(rational(1), rational(2)), "m");
        QSignalSpy time(&marker, &TimelineMarker::TimeChanged);
        QSignalSpy name(&marker, &TimelineMarker::NameChanged);
        marker.set_time(TimeRange(rational(5), rational(4)));
        marker.set_name("m");
        QCOMPARE(time.count(), 1);
        QCOMPARE(name.count(), 1);
        QCOMPARE(marker.time().in(), rational(4));
        QCOMPARE(marker.time().length(), rational(1));
    }

    void workArea()
    {
        TimelinePoints points;
        TimelineWorkArea* area = points.workarea();
        QSignalSpy enabled(area, &TimelineWorkArea::EnabledChanged);
        QSignalSpy range(area, &TimelineWorkArea::RangeChanged);
        area->set_enabled(true);
        area->set_enabled(true);
        QCOMPARE(enabled.count(), 2);
        QVERIFY(area->enabled());
        area->set_range(TimeRange(TimelineWorkArea::kResetIn, TimelineWorkArea::kResetOut));
        QCOMPARE(range.count(), 1);
        QVERIFY(area->in().isNull());
        QCOMPARE(area->out(), rational(2147483647, 1));
        QVERIFY(points.markers()->list().isEmpty());
    }

    void coordinates()
    {
        const TimelineCoordinate empty;
        QVERIFY(empty.GetFrame().isNull());
        QCOMPARE(int(empty.GetTrack().type()), -1);
        QCOMPARE(empty.GetTrack().index(), 0);
        const TimelineCoordinate c(rational(3, 2), Timeline::kTrackTypeVideo, 2);
        QVERIFY(c.GetTrack() == TrackReference(Timeline::kTrackTypeVideo, 2));
        QVERIFY(!(c.GetTrack() == TrackReference(Timeline::kTrackTypeAudio, 2)));
    }

    void mouseEventRecord()
    {
        TimelineViewMouseEvent event(1.0, 10.0, rational(1, 25), TrackReference(Timeline::kTrackTypeNone, 1),
                                     Qt::ShiftModifier);
        QCOMPARE(event.GetFrame(false), rational(2, 25));
        QCOMPARE(event.GetCoordinates(true).GetFrame(), rational(3, 25));
        QCOMPARE(event.GetCoordinates(true).GetTrack().index(), 1);
        event.accept(); // nothing attached: nothing to do
        QEvent drag(QEvent::DragMove);
        drag.ignore();
        event.SetEvent(&drag);
        event.accept();
        QVERIFY(drag.isAccepted());
        event.ignore();
        QVERIFY(!drag.isAccepted());
    }

    void blockItemFollowsScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("x");
        QTest::newRow("scale 10") << 10.0 << 19.0 << 10.0;
        QTest::newRow("scale 20") << 20.0 << 39.0 << 20.0;
    }

    void blockItemFollowsScale()
    {
        QFETCH(double, scale);
        QFETCH(double, width);
        QFETCH(double, x);
        TimelineViewBlockItem item(Block{rational(2), rational(1), rational(0, 0)});
        item.SetYCoords(51, 50);
        item.SetScale(scale);
        QCOMPARE(item.rect(), QRectF(0, 51, width, 50));
        QCOMPARE(item.pos().x(), x);
    }
};

QTEST_GUILESS_MAIN(TestTimelineModel)
#include "tst_timelinemodel.moc"
