#include "rational.h"

#include <QHash>
#include <QStringList>
#include <climits>
#include <cmath>
#include <istream>
#include <ostream>

namespace {

__int128 WideGcd(__int128 a, __int128 b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const __int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// The fraction nearest to num/den (both positive, reduced, at least one
// wider than 64 bits) whose fields fit: the last continued-fraction
// convergent or semiconvergent in range, as FFmpeg's av_reduce picks it.
// Magnitudes beyond the range give the largest value; those below the
// smallest step give 0.
void Nearest(unsigned __int128 num, unsigned __int128 den, long long& outNum, long long& outDen)
{
    const unsigned __int128 max = LLONG_MAX;
    if (num / den >= max) {
        outNum = LLONG_MAX;
        outDen = 1;
        return;
    }
    const long double value = static_cast<long double>(num) / static_cast<long double>(den);
    unsigned __int128 a0n = 0, a0d = 1, a1n = 1, a1d = 0;
    while (den != 0) {
        const unsigned __int128 x = num / den;
        const unsigned __int128 rest = num - den * x;
        const bool tooBig = (a1n != 0 && x > (max - a0n) / a1n) || (a1d != 0 && x > (max - a0d) / a1d);
        if (tooBig) {
            unsigned __int128 y = max;
            if (a1n != 0)
                y = qMin(y, (max - a0n) / a1n);
            if (a1d != 0)
                y = qMin(y, (max - a0d) / a1d);
            const unsigned __int128 sn = y * a1n + a0n;
            const unsigned __int128 sd = y * a1d + a0d;
            const long double semi = static_cast<long double>(sn) / static_cast<long double>(sd);
            const long double last = a1d != 0 ? static_cast<long double>(a1n) / static_cast<long double>(a1d) : 0.0L;
            if (y > 0 && (a1d == 0 || std::fabs(semi - value) < std::fabs(last - value))) {
                a1n = sn;
                a1d = sd;
            }
            break;
        }
        const unsigned __int128 a2n = x * a1n + a0n;
        const unsigned __int128 a2d = x * a1d + a0d;
        a0n = a1n;
        a0d = a1d;
        a1n = a2n;
        a1d = a2d;
        num = den;
        den = rest;
    }
    outNum = static_cast<long long>(a1n);
    outDen = static_cast<long long>(a1d);
}

} // namespace

rational::rational(long long numerator, long long denominator)
{
    *this = fromWide(numerator, denominator);
}

rational::rational(const AVRational& r)
{
    *this = fromWide(static_cast<long long>(r.num), static_cast<long long>(r.den));
}

rational rational::fromWide(__int128 n, __int128 d)
{
    if (n == 0 || d == 0) {
        n = 0;
        d = 0;
    } else {
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const __int128 g = WideGcd(n, d);
        if (g >= 2) {
            n /= g;
            d /= g;
        }
    }
    // A result too wide for 64 bits (or a numerator of -2^63, which has no
    // negation) becomes the nearest fraction that fits, still normalised:
    // a wrapped field would turn a tiny value into 1/0 or flip its sign.
    if (n > LLONG_MAX || -n > LLONG_MAX || d > LLONG_MAX) {
        const bool negative = n < 0;
        long long num = 0;
        long long den = 0;
        Nearest(static_cast<unsigned __int128>(negative ? -n : n), static_cast<unsigned __int128>(d), num, den);
        return fromWide(negative ? -static_cast<__int128>(num) : num, den);
    }
    return rational(Raw(), static_cast<long long>(n), static_cast<long long>(d));
}

void rational::validateConstructor()
{
    fixSigns();
    reduce();
}

void rational::fixSigns()
{
    if (den_ < 0) {
        num_ = static_cast<long long>(0ULL - static_cast<unsigned long long>(num_));
        den_ = static_cast<long long>(0ULL - static_cast<unsigned long long>(den_));
    }
    if (num_ == 0 || den_ == 0) {
        num_ = 0;
        den_ = 0;
    }
}

void rational::reduce()
{
    if (den_ == 0)
        return;
    const __int128 g = WideGcd(num_, den_);
    if (g >= 2) {
        num_ = static_cast<long long>(num_ / g);
        den_ = static_cast<long long>(den_ / g);
    }
}

long long rational::gcd(long long a, long long b)
{
    while (b != 0) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}

rational rational::fromDouble(const double& value)
{
    return rational(av_d2q(value, INT_MAX));
}

rational rational::fromString(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() == 1)
        return rational(parts.at(0).toLongLong(nullptr, 10), 1);
    return rational(parts.at(0).toLongLong(nullptr, 10), parts.at(1).toLongLong(nullptr, 10));
}

double rational::toDouble() const
{
    if (den_ == 0)
        return 0.0;
    return static_cast<double>(num_) / static_cast<double>(den_);
}

AVRational rational::toAVRational() const
{
    AVRational r;
    r.num = static_cast<int>(num_);
    r.den = static_cast<int>(den_);
    return r;
}

QString rational::toString() const
{
    return QString::number(num_) + QLatin1Char('/') + QString::number(den_);
}

void rational::print(std::ostream& out) const
{
    out << num_ << '/' << den_;
}

rational rational::flipped() const
{
    return fromWide(den_, num_);
}

rational& rational::operator+=(const rational& other)
{
    if (other.isNull())
        return *this;
    if (isNull())
        return *this = other;
    *this = fromWide(static_cast<__int128>(num_) * other.den_ + static_cast<__int128>(other.num_) * den_,
                     static_cast<__int128>(den_) * other.den_);
    return *this;
}

rational& rational::operator-=(const rational& other)
{
    if (other.isNull())
        return *this;
    if (isNull())
        return *this = -other;
    *this = fromWide(static_cast<__int128>(num_) * other.den_ - static_cast<__int128>(other.num_) * den_,
                     static_cast<__int128>(den_) * other.den_);
    return *this;
}

rational& rational::operator*=(const rational& other)
{
    *this = fromWide(static_cast<__int128>(num_) * other.num_, static_cast<__int128>(den_) * other.den_);
    return *this;
}

rational& rational::operator/=(const rational& other)
{
    *this = fromWide(static_cast<__int128>(num_) * other.den_, static_cast<__int128>(den_) * other.num_);
    return *this;
}

rational rational::operator+(const rational& other) const
{
    rational r(*this);
    return r += other;
}

rational rational::operator-(const rational& other) const
{
    rational r(*this);
    return r -= other;
}

rational rational::operator*(const rational& other) const
{
    rational r(*this);
    return r *= other;
}

rational rational::operator/(const rational& other) const
{
    rational r(*this);
    return r /= other;
}

rational rational::operator-() const
{
    return fromWide(-static_cast<__int128>(num_), den_);
}

rational rational::operator+() const
{
    return *this;
}

bool rational::operator!() const
{
    return num_ == 0;
}

rational& rational::operator++()
{
    *this = fromWide(static_cast<__int128>(num_) + den_, den_);
    return *this;
}

rational& rational::operator--()
{
    *this = fromWide(static_cast<__int128>(num_) - den_, den_);
    return *this;
}

rational rational::operator++(int)
{
    const rational before(*this);
    ++*this;
    return before;
}

rational rational::operator--(int)
{
    const rational before(*this);
    --*this;
    return before;
}

bool rational::operator==(const rational& other) const
{
    return num_ == other.num_ && den_ == other.den_;
}

bool rational::operator!=(const rational& other) const
{
    return !(*this == other);
}

int rational::compare(const rational& other) const
{
    // Zero (the null value) compares by the sign of the other operand.
    if (isNull())
        return other.num_ > 0 ? -1 : (other.num_ < 0 ? 1 : 0);
    if (other.isNull())
        return num_ < 0 ? -1 : (num_ > 0 ? 1 : 0);
    const __int128 left = static_cast<__int128>(num_) * other.den_;
    const __int128 right = static_cast<__int128>(other.num_) * den_;
    return left < right ? -1 : (left > right ? 1 : 0);
}

bool rational::operator<(const rational& other) const
{
    return compare(other) < 0;
}

bool rational::operator<=(const rational& other) const
{
    return compare(other) <= 0;
}

bool rational::operator>(const rational& other) const
{
    return compare(other) > 0;
}

bool rational::operator>=(const rational& other) const
{
    return compare(other) >= 0;
}

std::ostream& operator<<(std::ostream& out, const rational& r)
{
    out << r.numerator();
    if (r.denominator() != 1)
        out << '/' << r.denominator();
    return out;
}

std::istream& operator>>(std::istream& in, rational& r)
{
    long long numerator = 0;
    long long denominator = 1;
    in >> numerator;
    const int c = in.get();
    if (c != std::char_traits<char>::eof()) {
        if (c == '/')
            in >> denominator;
        else
            in.unget();
    }
    r = rational(numerator, denominator);
    return in;
}

QDebug operator<<(QDebug debug, const rational& r)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << r.numerator() << "/" << r.denominator();
    return debug;
}

uint qHash(const rational& r, uint seed)
{
    return qHash(r.toDouble(), seed);
}
