#pragma once
#include <QString>
#include <QTime>

#include "rational.h"

// The value in decimal, left-filled with "0" to at least width characters
// (a minus sign stays in front of the digits).
QString padded(long long value, int width);

// Stateless conversions between microsecond times, QTime values, the time
// texts of subtitle files and tool command lines, and timeline timestamps
// (ticks of a timebase given in seconds per tick).
class Timecode
{
public:
    enum Display {
        TimecodeDrop = 0,    // HH:MM:SS;FF, drop-frame labels at 1001-based rates
        TimecodeNonDrop = 1, // HH:MM:SS:FF
        RealTime = 2,        // HH:MM:SS.mmm
        Frames = 3,          // the frame number
        Milliseconds = 4
    };

    static QString timestamp_to_timecode(const long long& timestamp, const rational& timebase,
                                         const Display& display, bool showPlus = false);
    // Reads a text written by timestamp_to_timecode back, its sign included;
    // ok (when given) tells whether the text could be read.
    static long long timecode_to_timestamp(const QString& text, const rational& timebase,
                                           const Display& display, bool* ok = nullptr);
    static bool TimebaseIsDropFrame(const rational& timebase);
    static long long time_to_timestamp(const rational& time, const rational& timebase);
    static long long time_to_timestamp(const double& seconds, const rational& timebase);
    static rational timestamp_to_time(const long long& timestamp, const rational& timebase);
    static rational snap_time_to_timebase(const rational& time, const rational& timebase);

    // Microseconds <-> QTime; an invalid QTime is 0, and times of 24 hours or
    // more (or negative) give an invalid QTime.
    static long long QTimeToInt64(QTime time);
    static QTime Int64ToQTime(long long microseconds);

    static QString Int64ToTime(long long microseconds);   // H:MM:SS.cc (ASS events)
    static QString Int64ToTime2(long long microseconds);  // HH:MM:SS:cc (melt in/out points)
    static QString Int64ToTime3(long long microseconds);  // HH:MM:SS,mmm (SRT cues)
    static QString Int64ToTimeZZZ(long long milliseconds); // HH:MM:SS:mmm (subtitle cells)
    // Reads HH:MM:SS.cc (engine durations and "time=" values) into
    // microseconds. Separators are not checked; hours may have more than two
    // digits, any field may have one, the last is a decimal fraction of a
    // second, and a leading "-" negates; unreadable fields count as 0.
    static long long TimeToInt64(const QString& text);
};
