#include <QtTest>

#include <climits>
#include <sstream>

#include "rational.h"

Q_DECLARE_METATYPE(rational)

namespace {
rational R(long long n, long long d = 1)
{
    return rational(n, d);
}
} // namespace

class TestRational : public QObject
{
    Q_OBJECT
private slots:
    void normalisation_data()
    {
        QTest::addColumn<qlonglong>("num");
        QTest::addColumn<qlonglong>("den");
        QTest::addColumn<qlonglong>("expNum");
        QTest::addColumn<qlonglong>("expDen");
        QTest::newRow("zero numerator") << 0LL << 5LL << 0LL << 0LL;
        QTest::newRow("zero denominator") << 5LL << 0LL << 0LL << 0LL;
        QTest::newRow("sign to numerator") << 6LL << -8LL << -3LL << 4LL;
        QTest::newRow("both negative") << -6LL << -8LL << 3LL << 4LL;
        QTest::newRow("integer") << 7LL << 1LL << 7LL << 1LL;
        QTest::newRow("reduces") << 30000LL << 1001000LL << 30LL << 1001LL;
        QTest::newRow("already reduced") << 1001LL << 30000LL << 1001LL << 30000LL;
        QTest::newRow("large fields") << 4000000000000LL << 8000000000000LL << 1LL << 2LL;
    }
    void normalisation()
    {
        QFETCH(qlonglong, num);
        QFETCH(qlonglong, den);
        QFETCH(qlonglong, expNum);
        QFETCH(qlonglong, expDen);
        const rational r(num, den);
        QCOMPARE(r.numerator(), expNum);
        QCOMPARE(r.denominator(), expDen);
        QCOMPARE(r.isNull(), expDen == 0);
    }

    void arithmetic_data()
    {
        QTest::addColumn<rational>("result");
        QTest::addColumn<rational>("expected");
        const rational null;
        QTest::newRow("null + a") << null + R(3, 4) << R(3, 4);
        QTest::newRow("a + null") << R(3, 4) + null << R(3, 4);
        QTest::newRow("a - null") << R(3, 4) - null << R(3, 4);
        QTest::newRow("null - a") << null - R(3, 4) << R(-3, 4);
        QTest::newRow("null * a") << null * R(3, 4) << null;
        QTest::newRow("a / null") << R(3, 4) / null << null;
        QTest::newRow("null / a") << null / R(3, 4) << null;
        QTest::newRow("halves and thirds") << R(1, 2) + R(1, 3) << R(5, 6);
        QTest::newRow("difference to zero") << R(1, 2) - R(1, 2) << null;
        QTest::newRow("product") << R(2, 3) * R(3, 4) << R(1, 2);
        QTest::newRow("quotient") << R(1, 2) / R(-1, 4) << R(-2);
        QTest::newRow("negate") << -R(3, 4) << R(-3, 4);
        QTest::newRow("unary plus") << +R(3, 4) << R(3, 4);
        QTest::newRow("flipped") << R(-3, 4).flipped() << R(-4, 3);
        QTest::newRow("flipped null") << null.flipped() << null;
        // Cross products beyond 64 bits still give the exact reduced result.
        QTest::newRow("wide sum") << R(1, 3000000000LL) + R(1, 3000000000LL) << R(1, 1500000000LL);
        QTest::newRow("wide product")
            << R(4000000000LL, 3) * R(3, 4000000000LL) << R(1);
    }
    void arithmetic()
    {
        QFETCH(rational, result);
        QFETCH(rational, expected);
        QCOMPARE(result.numerator(), expected.numerator());
        QCOMPARE(result.denominator(), expected.denominator());
    }

    // A result whose reduced fields need more than 64 bits becomes the
    // nearest fraction that fits, normalised like every other result.
    void overflowStaysNormalised_data()
    {
        QTest::addColumn<rational>("result");
        QTest::addColumn<rational>("expected");
        QTest::addColumn<int>("sign");
        const long long p32 = 1LL << 32;
        const long long p62 = 1LL << 62;
        QTest::newRow("below the smallest step") << R(1, p32) * R(1, p32) << rational() << 0;
        QTest::newRow("tiny positive") << R(1, p62) * R(1, 2) << R(1, LLONG_MAX) << 1;
        QTest::newRow("tiny negative") << R(-1, p62) / R(2) << R(-1, LLONG_MAX) << -1;
        QTest::newRow("huge") << R(p62) * R(4) << R(LLONG_MAX) << 1;
        QTest::newRow("huge negative") << R(p62) * R(-4) << R(-LLONG_MAX) << -1;
        QTest::newRow("huge sum") << R(LLONG_MAX) + R(1, 2) << R(LLONG_MAX) << 1;
        QTest::newRow("lowest numerator") << R(LLONG_MIN) << R(-LLONG_MAX) << -1;
        QTest::newRow("negated lowest") << -R(LLONG_MIN) << R(LLONG_MAX) << 1;
        // (2^40 + 1)^2 / 2^80: the nearest fraction within 64 bits.
        QTest::newRow("approximated") << R(p32 * 256 + 1, p32 * 256) * R(p32 * 256 + 1, p32 * 256)
                                      << R(2199023255555LL, 2199023255551LL) << 1;
    }
    void overflowStaysNormalised()
    {
        QFETCH(rational, result);
        QFETCH(rational, expected);
        QFETCH(int, sign);
        QCOMPARE(result.numerator(), expected.numerator());
        QCOMPARE(result.denominator(), expected.denominator());
        QCOMPARE(result.isNull(), sign == 0);
        QCOMPARE(result == rational(), sign == 0);
        QCOMPARE(result > rational(), sign > 0);
        QCOMPARE(result < rational(), sign < 0);
    }

    void compoundAndSteps()
    {
        rational r(1, 2);
        r += R(1, 4);
        QCOMPARE(r, R(3, 4));
        r -= R(1, 4);
        QCOMPARE(r, R(1, 2));
        r *= R(4);
        QCOMPARE(r, R(2));
        r /= R(8);
        QCOMPARE(r, R(1, 4));

        rational half(1, 2);
        QCOMPARE(++half, R(3, 2));
        QCOMPARE(half++, R(3, 2));
        QCOMPARE(half, R(5, 2));
        QCOMPARE(--half, R(3, 2));
        rational minusOne(-1);
        ++minusOne;
        QVERIFY(minusOne.isNull()); // the step to zero lands on 0/0
        rational null;
        ++null;
        QVERIFY(null.isNull());
        QVERIFY(!rational());
        QVERIFY(!!R(1, 2));
    }

    void comparisons_data()
    {
        QTest::addColumn<rational>("a");
        QTest::addColumn<rational>("b");
        QTest::addColumn<int>("order"); // -1 a<b, 0 equal, 1 a>b
        QTest::newRow("null below half") << rational() << R(1, 2) << -1;
        QTest::newRow("null above minus half") << rational() << R(-1, 2) << 1;
        QTest::newRow("null equals zero") << rational() << R(0, 7) << 0;
        QTest::newRow("cross products") << R(2, 3) << R(3, 4) << -1;
        QTest::newRow("negatives") << R(-1, 3) << R(-1, 2) << 1;
        QTest::newRow("equal values") << R(2, 4) << R(1, 2) << 0;
        QTest::newRow("wide") << R(1, 4000000000LL) << R(1, 3999999999LL) << -1;
    }
    void comparisons()
    {
        QFETCH(rational, a);
        QFETCH(rational, b);
        QFETCH(int, order);
        QCOMPARE(a < b, order < 0);
        QCOMPARE(a <= b, order <= 0);
        QCOMPARE(a > b, order > 0);
        QCOMPARE(a >= b, order >= 0);
        QCOMPARE(a == b, order == 0);
        QCOMPARE(a != b, order != 0);
    }

    void fromString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<rational>("expected");
        QTest::newRow("fraction") << "6/8" << R(3, 4);
        QTest::newRow("integer") << "5" << R(5);
        QTest::newRow("zero denominator") << "3/0" << rational();
        QTest::newRow("extra part") << "3/4/5" << R(3, 4);
        QTest::newRow("junk") << "abc" << rational();
        QTest::newRow("negative denominator") << "1/-2" << R(-1, 2);
        QTest::newRow("empty") << "" << rational();
    }
    void fromString()
    {
        QFETCH(QString, text);
        QFETCH(rational, expected);
        QCOMPARE(rational::fromString(text), expected);
    }

    void conversions()
    {
        QCOMPARE(rational().toDouble(), 0.0);
        QCOMPARE(R(3, 4).toDouble(), 0.75);
        QCOMPARE(rational::fromDouble(0.5), R(1, 2));
        QCOMPARE(rational::fromDouble(29.97), R(2997, 100));
        QCOMPARE(R(5).toString(), QString("5/1"));
        QCOMPARE(rational().toString(), QString("0/0"));
        const AVRational av = R(1001, 30000).toAVRational();
        QCOMPARE(av.num, 1001);
        QCOMPARE(av.den, 30000);
        QCOMPARE(rational(AVRational{-2, 4}), R(-1, 2));
        QCOMPARE(rational(AVRational{3, 0}), rational());
        QCOMPARE(qHash(R(1, 2)), qHash(R(2, 4)));
    }

    void streams()
    {
        std::ostringstream out;
        out << R(5) << ' ' << R(3, 4) << ' ' << rational();
        QCOMPARE(QString::fromStdString(out.str()), QString("5 3/4 0/0"));
        std::ostringstream printed;
        R(5).print(printed);
        QCOMPARE(QString::fromStdString(printed.str()), QString("5/1"));

        const struct { const char* text; rational value; } reads[] = {
            {"0", rational()}, {"6/8", R(3, 4)}, {"7", R(7)}, {"7 9", R(7)}, {"-4/6", R(-2, 3)}};
        for (const auto& read : reads) {
            std::istringstream in(read.text);
            rational r(99);
            in >> r;
            QCOMPARE(r, read.value);
        }

        QString text;
        QDebug(&text) << R(-3, 4);
        QCOMPARE(text.trimmed(), QString("-3/4"));
    }
};

QTEST_GUILESS_MAIN(TestRational)
#include "tst_rational.moc"
