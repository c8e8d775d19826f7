#pragma once

// One coordinate of quadratic and cubic Bezier curves: p0 to p3 are the
// control values, t runs from 0 to 1.
class Bezier
{
public:
    static double QuadraticTtoY(double p0, double p1, double p2, double t);
    static double CubicTtoY(double p0, double p1, double p2, double p3, double t);
    // The t at which a quadratic curve reaches x (closed form; a curve of
    // constant speed is solved as the straight line it is).
    static double QuadraticXtoT(double x, double p0, double p1, double p2);
    // The t at which a cubic curve whose coordinate grows with t reaches x,
    // by bisection; x outside the end values is taken as the nearer end.
    static double CubicXtoT(double x, double p0, double p1, double p2, double p3);
};
