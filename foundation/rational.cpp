#include "rational.h"

#include <QHash>
#include <QStringList>
#include <climits>
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
    // Values still too wide for 64 bits wrap as plain 64-bit arithmetic would.
    return rational(Raw(), static_cast<long long>(static_cast<unsigned long long>(n)),
                    static_cast<long long>(static_cast<unsigned long long>(d)));
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
