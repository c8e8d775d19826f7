#include <QtTest>

#include <climits>

#include "Timecode.h"

class TestTimecode : public QObject
{
    Q_OBJECT
private slots:
    void paddedValues_data()
    {
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short") << 7LL << 2 << "07";
        QTest::newRow("wider than width") << 123LL << 2 << "123";
        QTest::newRow("zero") << 0LL << 3 << "000";
        QTest::newRow("negative keeps sign first") << -5LL << 3 << "-05";
    }
    void paddedValues()
    {
        QFETCH(qlonglong, value);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(padded(value, width), expected);
    }

    void timestampToText_data()
    {
        QTest::addColumn<qlonglong>("ts");
        QTest::addColumn<qlonglong>("tbNum");
        QTest::addColumn<qlonglong>("tbDen");
        QTest::addColumn<int>("display");
        QTest::addColumn<bool>("showPlus");
        QTest::addColumn<QString>("expected");
        // Clock time with milliseconds (timebase 1/1000 so ts is ms).
        QTest::newRow("clock") << 3725500LL << 1LL << 1000LL << 2 << false << "01:02:05.500";
        QTest::newRow("clock plus") << 3725500LL << 1LL << 1000LL << 2 << true << "+01:02:05.500";
        QTest::newRow("clock negative") << -250LL << 1LL << 1000LL << 2 << false << "-00:00:00.250";
        QTest::newRow("clock carries rounded ms") << 19996LL << 1LL << 10000LL << 2 << false << "00:00:02.000";
        QTest::newRow("clock carries into minute") << 599996LL << 1LL << 10000LL << 2 << false << "00:01:00.000";
        QTest::newRow("clock past 24 h") << 90000LL << 1LL << 1LL << 2 << false << "25:00:00.000";
        QTest::newRow("clock zero") << 0LL << 1LL << 25LL << 2 << false << "00:00:00.000";
        // Non-drop timecode.
        QTest::newRow("ndf one hour") << 90000LL << 1LL << 25LL << 1 << false << "01:00:00:00";
        QTest::newRow("ndf negative") << -26LL << 1LL << 25LL << 1 << false << "-00:00:01:01";
        QTest::newRow("ndf 29.97 minute") << 1800LL << 1001LL << 30000LL << 1 << false << "00:01:00:00";
        QTest::newRow("ndf 29.97 ten minutes") << 17982LL << 1001LL << 30000LL << 1 << false << "00:09:59:12";
        // Drop-frame timecode.
        QTest::newRow("df minute one skips two labels") << 1800LL << 1001LL << 30000LL << 0 << false << "00:01:00;02";
        QTest::newRow("df ten minutes") << 17982LL << 1001LL << 30000LL << 0 << false << "00:10:00;00";
        QTest::newRow("df last frame of minute zero") << 1799LL << 1001LL << 30000LL << 0 << false << "00:00:59;29";
        QTest::newRow("df one hour") << 107892LL << 1001LL << 30000LL << 0 << false << "01:00:00;00";
        QTest::newRow("df 59.94 minute one skips four") << 3600LL << 1001LL << 60000LL << 0 << false << "00:01:00;04";
        QTest::newRow("df 59.94 ten minutes") << 35964LL << 1001LL << 60000LL << 0 << false << "00:10:00;00";
        QTest::newRow("df requested at 25 fps is plain") << 26LL << 1LL << 25LL << 0 << false << "00:00:01:01";
        // Frame number and milliseconds.
        QTest::newRow("frames negative") << -5LL << 1LL << 25LL << 3 << false << "-5";
        QTest::newRow("milliseconds") << 1500LL << 1LL << 1000LL << 4 << false << "1500";
        QTest::newRow("milliseconds from frames") << 3LL << 1LL << 25LL << 4 << false << "120";
        // A null timebase has no time.
        QTest::newRow("null timebase") << 10LL << 0LL << 0LL << 1 << false << "";
    }
    void timestampToText()
    {
        QFETCH(qlonglong, ts);
        QFETCH(qlonglong, tbNum);
        QFETCH(qlonglong, tbDen);
        QFETCH(int, display);
        QFETCH(bool, showPlus);
        QFETCH(QString, expected);
        QCOMPARE(Timecode::timestamp_to_timecode(ts, rational(tbNum, tbDen), Timecode::Display(display), showPlus),
                 expected);
    }

    // Every frame label read back gives the frame it was written from, over
    // more than an hour at both drop-frame rates and in both timecode modes.
    void timecodeRoundTrip_data()
    {
        QTest::addColumn<qlonglong>("tbDen");
        QTest::addColumn<int>("display");
        QTest::newRow("29.97 drop") << 30000LL << 0;
        QTest::newRow("59.94 drop") << 60000LL << 0;
        QTest::newRow("29.97 non-drop") << 30000LL << 1;
        QTest::newRow("59.94 non-drop") << 60000LL << 1;
        QTest::newRow("25 fps") << 25LL << 1;
    }
    void timecodeRoundTrip()
    {
        QFETCH(qlonglong, tbDen);
        QFETCH(int, display);
        const rational tb = tbDen == 25 ? rational(1, 25) : rational(1001, tbDen);
        const auto mode = Timecode::Display(display);
        QSet<QString> seen;
        // Every frame of the first twenty minutes, then a stride past the hour.
        const long long dense = tbDen == 60000 ? 72000 : 36000;
        for (long long ts = 0; ts < dense * 4; ts += ts < dense ? 1 : 7) {
            const QString text = Timecode::timestamp_to_timecode(ts, tb, mode, false);
            bool ok = false;
            const long long back = Timecode::timecode_to_timestamp(text, tb, mode, &ok);
            if (!ok || back != ts)
                QFAIL(qPrintable(QStringLiteral("frame %1 -> %2 -> %3").arg(ts).arg(text).arg(back)));
            if (mode == Timecode::TimecodeDrop && ts < 36000)
                seen.insert(text);
        }
        if (mode == Timecode::TimecodeDrop) {
            // Labels are unique and the dropped ones never appear.
            QCOMPARE(seen.size(), 36000);
            QVERIFY(!seen.contains(tbDen == 30000 ? "00:01:00;00" : "00:01:00;03"));
            QVERIFY(seen.contains("00:10:00;00"));
        }
    }

    void textToTimestamp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("display");
        QTest::addColumn<qlonglong>("tbDen");
        QTest::addColumn<qlonglong>("expected");
        QTest::addColumn<bool>("ok");
        QTest::newRow("empty") << "" << 1 << 25LL << 0LL << false;
        QTest::newRow("frames") << "-5" << 3 << 25LL << -5LL << true;
        QTest::newRow("frames junk") << "x" << 3 << 25LL << 0LL << false;
        QTest::newRow("milliseconds") << "1500" << 4 << 25LL << 38LL << true;
        QTest::newRow("milliseconds junk") << "abc" << 4 << 25LL << 0LL << false;
        QTest::newRow("display above 4") << "1" << 5 << 25LL << 0LL << false;
        QTest::newRow("short timecode") << "01:01" << 1 << 25LL << 26LL << true;
        QTest::newRow("extra fields dropped") << "00:00:01:01:99" << 1 << 25LL << 26LL << true;
        QTest::newRow("bad field") << "00:zz:01:01" << 1 << 25LL << 26LL << false;
        QTest::newRow("clock milliseconds") << "00:00:02.000" << 2 << 25LL << 50LL << true;
        QTest::newRow("clock half") << "00:00:01.500" << 2 << 1000LL << 1500LL << true;
        // The sign the writer puts in front belongs to the whole time.
        QTest::newRow("negative timecode") << "-00:00:01:01" << 1 << 25LL << -26LL << true;
        QTest::newRow("plus sign") << "+00:00:01:01" << 1 << 25LL << 26LL << true;
        QTest::newRow("negative clock") << "-00:00:01.500" << 2 << 1000LL << -1500LL << true;
        QTest::newRow("sign inside") << "00:-1:01:01" << 1 << 25LL << 26LL << false;
    }
    void textToTimestamp()
    {
        QFETCH(QString, text);
        QFETCH(int, display);
        QFETCH(qlonglong, tbDen);
        QFETCH(qlonglong, expected);
        QFETCH(bool, ok);
        bool readOk = !ok;
        QCOMPARE(Timecode::timecode_to_timestamp(text, rational(1, tbDen), Timecode::Display(display), &readOk),
                 expected);
        QCOMPARE(readOk, ok);
    }

    void timesAndTimestamps()
    {
        const rational tb(1, 25);
        QCOMPARE(Timecode::time_to_timestamp(rational(3, 2), tb), 38LL); // 37.5 rounds up
        QCOMPARE(Timecode::time_to_timestamp(-1.5, tb), -37LL);         // floor(-37.5 + 0.5)
        QCOMPARE(Timecode::timestamp_to_time(50, tb), rational(2));
        QVERIFY(Timecode::timestamp_to_time(0, tb).isNull());
        QCOMPARE(Timecode::snap_time_to_timebase(rational(1, 30), tb), rational(1, 25));
        QVERIFY(Timecode::TimebaseIsDropFrame(rational(1001, 30000)));
        QVERIFY(!Timecode::TimebaseIsDropFrame(rational(1, 25)));
    }

    void qtimeConversions_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<qlonglong>("us");
        QTest::newRow("zero") << QTime(0, 0) << 0LL;
        QTest::newRow("full") << QTime(1, 2, 3, 456) << 3723456000LL;
        QTest::newRow("last ms of day") << QTime(23, 59, 59, 999) << 86399999000LL;
    }
    void qtimeConversions()
    {
        QFETCH(QTime, time);
        QFETCH(qlonglong, us);
        QCOMPARE(Timecode::QTimeToInt64(time), us);
        QCOMPARE(Timecode::Int64ToQTime(us), time);
    }
    void qtimeEdges()
    {
        QCOMPARE(Timecode::QTimeToInt64(QTime()), 0LL);
        QVERIFY(!Timecode::Int64ToQTime(90000000000LL).isValid()); // 25 h
        QCOMPARE(Timecode::Int64ToQTime(-999), QTime(0, 0));
        QVERIFY(!Timecode::Int64ToQTime(-1000).isValid());
        QCOMPARE(Timecode::Int64ToQTime(1999999), QTime(0, 0, 1, 999)); // truncates
    }

    void formatters_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ass short") << 1 << 1050000LL << "0:00:01.05";
        QTest::newRow("ass") << 1 << 3723456789LL << "1:02:03.45";
        QTest::newRow("ass past a day") << 1 << 90061000000LL << "25:01:01.00";
        QTest::newRow("melt") << 2 << 3723456789LL << "01:02:03:45";
        QTest::newRow("srt") << 3 << 3723456789LL << "01:02:03,456";
        QTest::newRow("srt zero") << 3 << 0LL << "00:00:00,000";
        QTest::newRow("zzz") << 4 << 3723456LL << "01:02:03:456";
        QTest::newRow("zzz hundred hours") << 4 << 360000000LL << "100:00:00:000";
    }
    void formatters()
    {
        QFETCH(int, which);
        QFETCH(qlonglong, value);
        QFETCH(QString, expected);
        QString text;
        switch (which) {
        case 1: text = Timecode::Int64ToTime(value); break;
        case 2: text = Timecode::Int64ToTime2(value); break;
        case 3: text = Timecode::Int64ToTime3(value); break;
        default: text = Timecode::Int64ToTimeZZZ(value); break;
        }
        QCOMPARE(text, expected);
    }

    void engineTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("us");
        QTest::newRow("plain") << "00:01:02.50" << 62500000LL;
        QTest::newRow("separators not checked") << "00-01-02,50" << 62500000LL;
        QTest::newRow("past 35 minutes") << "00:36:00.00" << 2160000000LL;
        QTest::newRow("ten hours") << "10:00:00.01" << 36000010000LL;
        QTest::newRow("three-digit hours") << "100:00:00.00" << 360000000000LL;
        QTest::newRow("negative start") << "-00:00:00.05" << -50000LL;
        QTest::newRow("one-digit fraction") << "00:01:02.5" << 62500000LL;
        QTest::newRow("one-digit fields") << "0:1:2.05" << 62050000LL;
        QTest::newRow("milliseconds") << "1:02:03.456" << 3723456000LL;
        QTest::newRow("not available") << "N/A" << 0LL;
        QTest::newRow("junk fields") << "aa:bb:cc.dd" << 0LL;
        QTest::newRow("empty") << "" << 0LL;
        // Absurd hours saturate instead of overflowing.
        QTest::newRow("absurd hours") << "99999999999999:00:00.00" << 9223372029600000000LL;
        QTest::newRow("absurd negative hours") << "-99999999999999:00:00.00" << -9223372029600000000LL;
    }
    void engineTimes()
    {
        QFETCH(QString, text);
        QFETCH(qlonglong, us);
        QCOMPARE(Timecode::TimeToInt64(text), us);
    }
    void lowestTimestampHasAMagnitude()
    {
        // Every display of the lowest 64-bit value is a negative text (and
        // none negates it on the way).
        for (int display = 0; display <= 4; ++display) {
            const QString text = Timecode::timestamp_to_timecode(LLONG_MIN, rational(1001, 30000),
                                                                 Timecode::Display(display));
            QVERIFY2(text.startsWith('-') && text.size() > 1, qPrintable(text));
        }
        QCOMPARE(Timecode::timestamp_to_timecode(LLONG_MIN, rational(1, 25), Timecode::TimecodeNonDrop),
                 Timecode::timestamp_to_timecode(-LLONG_MAX, rational(1, 25), Timecode::TimecodeNonDrop));
    }
    void engineTimesReadFormatterOutput()
    {
        for (long long us : {0LL, 10000LL, 59990000LL, 3599990000LL, 86400000000LL, 400000000000LL}) {
            QString text = Timecode::Int64ToTime2(us);
            text[text.lastIndexOf(':')] = '.';
            QCOMPARE(Timecode::TimeToInt64(text), us);
        }
    }
};

QTEST_GUILESS_MAIN(TestTimecode)
#include "tst_timecode.moc"
