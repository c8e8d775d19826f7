#include "Timecode.h"

#include <QRegularExpression>
#include <QStringList>
#include <QtMath>
#include <cmath>

namespace {

// floor(x + 0.5) in 64 bits; values beyond the 64-bit range are clamped so
// that absurd inputs never convert out of range.
long long Rounded(double x)
{
    if (std::isnan(x))
        return 0;
    const double r = std::floor(x + 0.5);
    if (r >= 9.2e18)
        return LLONG_MAX;
    if (r <= -9.2e18)
        return LLONG_MIN;
    return static_cast<long long>(r);
}

// Frames per second of a timebase as a whole number, at least 1, so that no
// later step divides by zero.
long long WholeFps(double rate)
{
    const long long fps = Rounded(rate);
    return fps < 1 ? 1 : fps;
}

// Sign prefix and absolute value of a microsecond or millisecond time.
QString SignOf(long long& value)
{
    if (value < 0) {
        value = value == LLONG_MIN ? LLONG_MAX : -value;
        return QStringLiteral("-");
    }
    return QString();
}

} // namespace

QString padded(long long value, int width)
{
    if (value < 0) {
        const unsigned long long magnitude = 0ULL - static_cast<unsigned long long>(value);
        return QLatin1Char('-') + QString::number(magnitude).rightJustified(width - 1, QLatin1Char('0'));
    }
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString Timecode::timestamp_to_timecode(const long long& timestamp, const rational& timebase,
                                        const Display& display, bool showPlus)
{
    if (timebase.isNull() || timebase < rational(0))
        return QString();

    const double s = (rational(timestamp) * timebase).toDouble();

    if (display == Frames)
        return QString::number(timestamp);
    if (display > Frames)
        return QString::number(Rounded(s * 1000.0));

    QString prefix;
    if (s < 0)
        prefix = QStringLiteral("-");
    else if (showPlus)
        prefix = QStringLiteral("+");

    if (display == RealTime) {
        const double a = std::fabs(s);
        long long w = static_cast<long long>(std::floor(a));
        long long ms = Rounded((a - static_cast<double>(w)) * 1000.0);
        // 1.9996 s is 00:00:02.000, so the rounded milliseconds carry.
        if (ms >= 1000) {
            w += ms / 1000;
            ms %= 1000;
        }
        return prefix + padded(w / 3600, 2) + QLatin1Char(':') + padded(w / 60 - 60 * (w / 3600), 2)
            + QLatin1Char(':') + padded(w % 60, 2) + QLatin1Char('.') + padded(ms, 3);
    }

    const double r = 1.0 / timebase.toDouble();
    const long long fps = WholeFps(r);
    // The lowest 64-bit value has no positive counterpart: one tick less.
    long long n = timestamp == LLONG_MIN ? LLONG_MAX : (timestamp < 0 ? -timestamp : timestamp);
    QChar separator = QLatin1Char(':');

    if (display == TimecodeDrop && TimebaseIsDropFrame(timebase)) {
        separator = QLatin1Char(';');
        const long long day = Rounded(r * 3600.0) * 24;
        if (day > 0)
            n %= day;
        const long long tenMinutes = qMax(1LL, Rounded(r * 600.0));
        const long long m = n % tenMinutes;
        const long long dropped = Rounded(r * 0.06666666666666667);
        const long long perMinute = fps * 60 - dropped;
        n += 9 * dropped * (n / tenMinutes);
        if (m > dropped && perMinute > 0)
            n += dropped * ((m - dropped) / perMinute);
    }

    return prefix + padded(n / (fps * 3600), 2) + QLatin1Char(':') + padded((n / (fps * 60)) % 60, 2)
        + QLatin1Char(':') + padded((n / fps) % 60, 2) + separator + padded(n % fps, 2);
}

long long Timecode::timecode_to_timestamp(const QString& text, const rational& timebase,
                                          const Display& display, bool* ok)
{
    bool good = false;
    long long result = 0;
    if (ok)
        *ok = false;
    if (text.isEmpty())
        return 0;

    if (display == Frames) {
        result = text.toLongLong(&good, 10);
        if (ok)
            *ok = good;
        return good ? result : 0;
    }
    if (timebase.isNull() || timebase < rational(0) || display > Frames + 1)
        return 0;
    if (display == Milliseconds) {
        const double value = text.toDouble(&good);
        if (!good)
            return 0;
        if (ok)
            *ok = true;
        return Rounded(value * 0.001 / timebase.toDouble());
    }

    // The writer puts the sign in front of the whole text ("-00:00:01:01"):
    // it belongs to the whole time, not to the hours alone.
    QString magnitude = text.trimmed();
    const bool negative = magnitude.startsWith(QLatin1Char('-'));
    if (negative || magnitude.startsWith(QLatin1Char('+')))
        magnitude.remove(0, 1);

    static const QRegularExpression separators(QStringLiteral("(:)|(;)|(\\.)"));
    QStringList parts = magnitude.split(separators);
    while (parts.size() > 4)
        parts.removeLast();
    good = true;
    QList<long long> values;
    for (const QString& part : parts) {
        bool partOk = false;
        long long v = part.toLongLong(&partOk, 10);
        // A second sign inside the text ("--1", "00:-1") makes no time.
        if (part.startsWith(QLatin1Char('-')) || part.startsWith(QLatin1Char('+')))
            partOk = false;
        if (!partOk) {
            good = false;
            v = 0;
        }
        values.append(v);
    }
    while (values.size() < 4)
        values.prepend(0);
    const long long h = values.at(0), m = values.at(1), s = values.at(2), f = values.at(3);

    const double r = 1.0 / timebase.toDouble();
    const long long fps = WholeFps(r);
    const long long sec = h * 3600 + m * 60 + s;

    if (display == RealTime) {
        // Clock texts carry milliseconds in their last field, not frames.
        result = Rounded((static_cast<double>(sec) + static_cast<double>(f) / 1000.0) * r);
    } else {
        result = fps * sec + f;
        if (display == TimecodeDrop && TimebaseIsDropFrame(timebase)) {
            const long long dropped = Rounded(r * 0.06666666666666667);
            const long long t = Rounded(static_cast<double>(sec) * r) + f;
            const long long tenMinutes = qMax(1LL, Rounded(r * 600.0));
            const long long rest = t % tenMinutes;
            const long long perMinute = fps * 60 - dropped;
            if (rest > dropped && perMinute > 0)
                result -= ((rest - dropped) / perMinute) * dropped;
            result -= 9 * dropped * (t / tenMinutes);
        }
    }
    if (ok)
        *ok = good;
    return negative ? -result : result;
}

bool Timecode::TimebaseIsDropFrame(const rational& timebase)
{
    return timebase.numerator() == 1001;
}

long long Timecode::time_to_timestamp(const rational& time, const rational& timebase)
{
    return Rounded(time.toDouble() * timebase.flipped().toDouble());
}

long long Timecode::time_to_timestamp(const double& seconds, const rational& timebase)
{
    return Rounded(seconds * timebase.flipped().toDouble());
}

rational Timecode::timestamp_to_time(const long long& timestamp, const rational& timebase)
{
    return rational(timestamp) * timebase;
}

rational Timecode::snap_time_to_timebase(const rational& time, const rational& timebase)
{
    return timestamp_to_time(time_to_timestamp(time, timebase), timebase);
}

long long Timecode::QTimeToInt64(QTime time)
{
    if (!time.isValid())
        return 0;
    return (static_cast<long long>(time.hour()) * 3600 + time.minute() * 60 + time.second()) * 1000000LL
        + static_cast<long long>(time.msec()) * 1000;
}

QTime Timecode::Int64ToQTime(long long microseconds)
{
    if (microseconds >= 24LL * 3600 * 1000000)
        return QTime();
    // A negative part makes the time invalid; under a millisecond below
    // zero every part is 0.
    return QTime(static_cast<int>(microseconds / 3600000000LL),
                 static_cast<int>((microseconds / 1000000 % 3600) / 60),
                 static_cast<int>(microseconds / 1000000 % 60),
                 static_cast<int>((microseconds % 1000000) / 1000));
}

QString Timecode::Int64ToTime(long long microseconds)
{
    const QString sign = SignOf(microseconds);
    return sign + QString::number(microseconds / 3600000000LL) + QLatin1Char(':')
        + padded(microseconds / 1000000 % 3600 / 60, 2) + QLatin1Char(':')
        + padded(microseconds / 1000000 % 60, 2) + QLatin1Char('.') + padded(microseconds / 10000 % 100, 2);
}

QString Timecode::Int64ToTime2(long long microseconds)
{
    const QString sign = SignOf(microseconds);
    return sign + padded(microseconds / 3600000000LL, 2) + QLatin1Char(':')
        + padded(microseconds / 1000000 % 3600 / 60, 2) + QLatin1Char(':')
        + padded(microseconds / 1000000 % 60, 2) + QLatin1Char(':') + padded(microseconds / 10000 % 100, 2);
}

QString Timecode::Int64ToTime3(long long microseconds)
{
    const QString sign = SignOf(microseconds);
    return sign + padded(microseconds / 3600000000LL, 2) + QLatin1Char(':')
        + padded(microseconds / 1000000 % 3600 / 60, 2) + QLatin1Char(':')
        + padded(microseconds / 1000000 % 60, 2) + QLatin1Char(',') + padded(microseconds / 1000 % 1000, 3);
}

QString Timecode::Int64ToTimeZZZ(long long milliseconds)
{
    const QString sign = SignOf(milliseconds);
    return sign + padded(milliseconds / 3600000, 2) + QLatin1Char(':') + padded(milliseconds / 1000 % 3600 / 60, 2)
        + QLatin1Char(':') + padded(milliseconds / 1000 % 60, 2) + QLatin1Char(':') + padded(milliseconds % 1000, 3);
}

long long Timecode::TimeToInt64(const QString& text)
{
    // Four fields H?MM?SS?cc with any one separator between them; hours may
    // have any number of digits, a leading "-" negates, and one-digit fields
    // occur ("0:1:2.5"). The last field is a decimal fraction of a second.
    QString trimmed = text.trimmed();
    bool negative = false;
    if (trimmed.startsWith(QLatin1Char('-'))) {
        negative = true;
        trimmed.remove(0, 1);
    }
    static const QRegularExpression separator(QStringLiteral("[^0-9A-Za-z]"));
    const QStringList fields = trimmed.split(separator);
    if (fields.size() < 4)
        return 0;
    // Hours are capped so that the sum below stays in 64 bits whatever the
    // tool printed; minutes and seconds have two digits, at most 99 each.
    const long long kMaxHours = LLONG_MAX / 3600000000LL - 2;
    const long long h = qMin(kMaxHours, fields.at(0).toLongLong(nullptr, 10));
    const long long m = qBound(0, fields.at(1).toInt(nullptr, 10), 99);
    const long long s = qBound(0, fields.at(2).toInt(nullptr, 10), 99);
    QString fraction = fields.at(3).left(6);
    fraction = fraction.leftJustified(6, QLatin1Char('0'));
    const long long us = (qMax(0LL, h) * 3600 + m * 60 + s) * 1000000LL + qMax(0, fraction.toInt(nullptr, 10));
    return negative ? -us : us;
}
