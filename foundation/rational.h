#pragma once
#include <QDebug>
#include <QString>
#include <QtGlobal>
#include <iosfwd>

extern "C" {
#include <libavutil/rational.h>
}

// An exact fraction of two signed 64-bit integers, always reduced with the
// sign on the numerator. Zero and "no value" share one representation, 0/0
// (the null value), so isNull() is true exactly for zero. A result whose
// reduced fields do not fit in 64 bits becomes the nearest fraction that
// does (beyond +-(2^63 - 1) the largest value, below the smallest step 0).
class rational
{
public:
    rational(long long numerator = 0, long long denominator = 1);
    rational(const AVRational& r);

    // Puts the fields back into normal form.
    void validateConstructor();
    // Positive denominator; any zero field zeroes both.
    void fixSigns();
    // Divides both fields by their greatest common divisor.
    void reduce();
    static long long gcd(long long a, long long b);

    static rational fromDouble(const double& value);
    // "n" or "n/d" (further "/" parts ignored); non-numbers read as 0.
    static rational fromString(const QString& text);

    double toDouble() const;
    AVRational toAVRational() const;
    QString toString() const;
    void print(std::ostream& out) const;

    rational flipped() const;
    bool isNull() const { return den_ == 0; }
    long long numerator() const { return num_; }
    long long denominator() const { return den_; }

    rational& operator+=(const rational& other);
    rational& operator-=(const rational& other);
    rational& operator*=(const rational& other);
    rational& operator/=(const rational& other);
    rational operator+(const rational& other) const;
    rational operator-(const rational& other) const;
    rational operator*(const rational& other) const;
    rational operator/(const rational& other) const;
    rational operator-() const;
    rational operator+() const;
    bool operator!() const;
    rational& operator++();
    rational& operator--();
    rational operator++(int);
    rational operator--(int);

    bool operator==(const rational& other) const;
    bool operator!=(const rational& other) const;
    bool operator<(const rational& other) const;
    bool operator<=(const rational& other) const;
    bool operator>(const rational& other) const;
    bool operator>=(const rational& other) const;

private:
    struct Raw {};
    rational(Raw, long long numerator, long long denominator) : num_(numerator), den_(denominator) {}
    // Builds the normal form from wide intermediates, so that products of two
    // 64-bit fields are reduced before they are narrowed back.
    static rational fromWide(__int128 numerator, __int128 denominator);
    // Sign of (this - other): -1, 0 or 1.
    int compare(const rational& other) const;

    long long num_ = 0;
    long long den_ = 0;
};

std::ostream& operator<<(std::ostream& out, const rational& r);
std::istream& operator>>(std::istream& in, rational& r);
QDebug operator<<(QDebug debug, const rational& r);
uint qHash(const rational& r, uint seed = 0);
