#include <QtTest>

#include "TimeRangeList.h"

using Ranges = QVector<QPair<int, int>>;
Q_DECLARE_METATYPE(Ranges)

namespace {

TimeRange T(int in, int out)
{
    return TimeRange(rational(in), rational(out));
}

TimeRangeList Make(const Ranges& ranges)
{
    TimeRangeList list;
    for (const auto& r : ranges)
        list.append(T(r.first, r.second));
    return list;
}

QString Show(const TimeRangeList& list)
{
    QStringList parts;
    for (const TimeRange& r : list)
        parts << QStringLiteral("[%1, %2]").arg(r.in().toString(), r.out().toString());
    return parts.join(' ');
}

} // namespace

class TestTimeRange : public QObject
{
    Q_OBJECT
private slots:
    void ordering()
    {
        TimeRange r = T(5, 2);
        QCOMPARE(r.in(), rational(2));
        QCOMPARE(r.out(), rational(5));
        QCOMPARE(r.length(), rational(3));
        r.set_in(rational(7));
        QCOMPARE(r.in(), rational(5));
        QCOMPARE(r.out(), rational(7));
        QCOMPARE(r.length(), rational(2));
        r.set_out(rational(-1, 2));
        QCOMPARE(r.in(), rational(-1, 2));
        QCOMPARE(r.out(), rational(5));
        r.set_range(rational(0), rational(3, 2));
        QVERIFY(r.in().isNull());
        QCOMPARE(r.length(), rational(3, 2));
        QVERIFY(T(1, 2) == T(2, 1));
        QVERIFY(T(1, 2) != T(1, 3));
        QCOMPARE(qHash(T(1, 2)), qHash(T(2, 1)));
    }

    void overlapsAndContains()
    {
        QVERIFY(T(1, 2).OverlapsWith(T(2, 3), true, true));
        QVERIFY(!T(1, 2).OverlapsWith(T(2, 3), true, false));
        QVERIFY(T(2, 3).OverlapsWith(T(1, 2), true, false));
        QVERIFY(!T(2, 3).OverlapsWith(T(1, 2), false, true));
        QVERIFY(!T(1, 2).OverlapsWith(T(3, 4)));
        QVERIFY(T(1, 4).OverlapsWith(T(2, 3), false, false));
        QCOMPARE(TimeRange::Combine(T(1, 2), T(4, 5)), T(1, 5));
        QCOMPARE(T(3, 8).CombineWith(T(1, 4)), T(1, 8));
        QVERIFY(T(1, 4).Contains(T(1, 4)));
        QVERIFY(!T(1, 4).Contains(T(1, 4), false, true));
        QVERIFY(!T(1, 4).Contains(T(1, 4), true, false));
        QVERIFY(T(1, 4).Contains(T(2, 3), false, false));
        QVERIFY(!T(1, 4).Contains(T(0, 3)));
    }

    void insert_data()
    {
        QTest::addColumn<Ranges>("start");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<Ranges>("expected");
        QTest::newRow("touching merges") << Ranges{{2, 3}} << 1 << 2 << Ranges{{1, 3}};
        QTest::newRow("touching after merges") << Ranges{{2, 3}} << 3 << 4 << Ranges{{2, 4}};
        QTest::newRow("apart appends") << Ranges{{2, 3}} << 5 << 6 << Ranges{{2, 3}, {5, 6}};
        QTest::newRow("equal changes nothing") << Ranges{{2, 3}} << 2 << 3 << Ranges{{2, 3}};
        QTest::newRow("earlier touching wins over a later equal")
            << Ranges{{1, 2}, {2, 3}} << 2 << 3 << Ranges{{1, 3}, {2, 3}};
        QTest::newRow("only the first is merged") << Ranges{{1, 2}, {4, 5}} << 0 << 10 << Ranges{{0, 10}, {4, 5}};
        QTest::newRow("inside stays one") << Ranges{{0, 10}} << 3 << 4 << Ranges{{0, 10}};
        QTest::newRow("into empty") << Ranges{} << 3 << 4 << Ranges{{3, 4}};
        QTest::newRow("from zero (null in point)") << Ranges{{1, 2}} << 0 << 1 << Ranges{{0, 2}};
    }
    void insert()
    {
        QFETCH(Ranges, start);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(Ranges, expected);
        TimeRangeList list = Make(start);
        list.InsertTimeRange(T(in, out));
        QCOMPARE(Show(list), Show(Make(expected)));
    }

    void remove_data()
    {
        QTest::addColumn<Ranges>("start");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<Ranges>("expected");
        QTest::newRow("split in two") << Ranges{{1, 4}} << 2 << 3 << Ranges{{1, 2}, {3, 4}};
        QTest::newRow("trim the start") << Ranges{{1, 4}} << 0 << 2 << Ranges{{2, 4}};
        QTest::newRow("trim the end") << Ranges{{1, 4}} << 3 << 6 << Ranges{{1, 3}};
        QTest::newRow("cover empties") << Ranges{{1, 4}} << 0 << 5 << Ranges{};
        QTest::newRow("exact removes") << Ranges{{1, 4}} << 1 << 4 << Ranges{};
        QTest::newRow("several removed in a row") << Ranges{{1, 2}, {3, 4}, {6, 9}} << 0 << 5 << Ranges{{6, 9}};
        QTest::newRow("split keeps order, tail last")
            << Ranges{{0, 10}, {20, 30}} << 4 << 6 << Ranges{{0, 4}, {20, 30}, {6, 10}};
        QTest::newRow("touching untouched") << Ranges{{1, 2}} << 2 << 3 << Ranges{{1, 2}};
        QTest::newRow("trims both neighbours") << Ranges{{0, 3}, {5, 8}} << 2 << 6 << Ranges{{0, 2}, {6, 8}};
    }
    void remove()
    {
        QFETCH(Ranges, start);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(Ranges, expected);
        TimeRangeList list = Make(start);
        list.RemoveTimeRange(T(in, out));
        QCOMPARE(Show(list), Show(Make(expected)));
    }

    void rangesTakenFromTheListItself()
    {
        // The range handed in may be an element of the same list, which the
        // removal itself deletes or trims.
        TimeRangeList list = Make({{1, 4}, {2, 3}, {0, 1}});
        list.RemoveTimeRange(list.at(0));
        QCOMPARE(Show(list), Show(Make({{0, 1}})));

        list = Make({{1, 4}, {0, 2}, {3, 6}});
        list.RemoveTimeRange(list.at(0));
        QCOMPARE(Show(list), Show(Make({{0, 1}, {4, 6}})));

        list = Make({{1, 2}, {2, 5}});
        list.InsertTimeRange(list.at(1));
        QCOMPARE(Show(list), Show(Make({{1, 5}, {2, 5}})));
    }

    void queries()
    {
        const TimeRangeList list = Make({{0, 3}, {5, 6}, {4, 8}});
        QCOMPARE(Show(list.Intersects(T(2, 5))), Show(Make({{2, 3}, {4, 5}})));
        QVERIFY(list.Intersects(T(3, 4)).isEmpty());
        QVERIFY(list.ContainsTimeRange(T(5, 6)));
        QVERIFY(list.ContainsTimeRange(T(5, 6), false, true)); // [4, 8] holds it strictly
        QVERIFY(!list.ContainsTimeRange(T(2, 5)));
        QVERIFY(!TimeRangeList().ContainsTimeRange(T(0, 1)));
    }
};

QTEST_GUILESS_MAIN(TestTimeRange)
#include "tst_timerange.moc"
