#include "Bezier.h"

#include <algorithm>
#include <cmath>

namespace {
const double kTolerance = 0.0001;
// Bisection halves the interval each step: past this many steps a double has
// no more precision to give, so the search ends even when x is never met.
const int kMaxSteps = 64;
}

double Bezier::QuadraticTtoY(double p0, double p1, double p2, double t)
{
    const double u = 1.0 - t;
    return u * u * p0 + 2.0 * u * t * p1 + t * t * p2;
}

double Bezier::CubicTtoY(double p0, double p1, double p2, double p3, double t)
{
    const double u = 1.0 - t;
    return u * u * u * p0 + 3.0 * u * u * t * p1 + 3.0 * u * t * t * p2 + t * t * t * p3;
}

double Bezier::QuadraticXtoT(double x, double p0, double p1, double p2)
{
    const double a = p0 - 2.0 * p1 + p2;
    // Exactly or nearly straight: the closed form would divide by (almost) 0.
    if (std::fabs(a) <= 1e-12 * (std::fabs(p0) + 2.0 * std::fabs(p1) + std::fabs(p2))) {
        // Constant speed: x = p0 + 2 t (p1 - p0).
        const double speed = 2.0 * (p1 - p0);
        if (speed == 0.0)
            return 0.0;
        return std::clamp((x - p0) / speed, 0.0, 1.0);
    }
    // An x beyond the curve's reach has no real root: take the vertex.
    const double d = std::max(0.0, p1 * p1 - p0 * p2 + x * a);
    return (std::sqrt(d) + p0 - p1) / a;
}

double Bezier::CubicXtoT(double x, double p0, double p1, double p2, double p3)
{
    if (std::isnan(x))
        return 0.5;
    x = std::clamp(x, std::min(p0, p3), std::max(p0, p3));
    double t = 0.5;
    double value = 0.125 * p0 + 0.375 * p1 + 0.375 * p2 + 0.125 * p3;
    if (std::fabs(x - value) <= kTolerance)
        return 0.5;
    double lo = 0.0;
    double hi = 1.0;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (value < x)
            lo = t;
        else
            hi = t;
        t = (lo + hi) * 0.5;
        value = CubicTtoY(p0, p1, p2, p3, t);
        if (std::fabs(x - value) <= kTolerance)
            break;
    }
    return t;
}
